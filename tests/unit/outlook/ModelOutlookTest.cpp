// The model Outlook through the typed surface: windows, selection, items
// told apart by their interfaces, user properties, and the events of
// Explorers, Inspectors and items delivered through the event seam.
#include <gtest/gtest.h>

#include "OutlookFixture.h"
#include "outlook/ContactItem.h"
#include "outlook/Explorer.h"
#include "outlook/Inspector.h"
#include "outlook/MAPIFolder.h"
#include "outlook/MailItem.h"
#include "outlook/OutlookIds.h"
#include "support/RecordingSink.h"

namespace {

using host::Variant;
using outlook_tests::OutlookFixture;

using testing_support::RecordingSink;

class ModelOutlookSurface : public OutlookFixture {
  protected:
    std::uint32_t Advise(const host::TypedObject& source, const host::Guid& diid,
                         RecordingSink* sink) {
        std::uint32_t cookie = 0;
        EXPECT_EQ(host::hr::kOk, source.Advise(diid, sink, &cookie));
        return cookie;
    }
};

TEST_F(ModelOutlookSurface, ExplorersOpenSelectAndClose) {
    const outlook::Application application = outlook.application();
    RecordingSink windows;
    Advise(application.Explorers(), outlook::ExplorersEvents::kDiid, &windows);
    EXPECT_FALSE(application.ActiveExplorer());

    const model::ModelExplorerPtr model = outlook.OpenExplorer(outlook.contacts());
    ASSERT_EQ(std::vector<host::DispId>{outlook::ExplorersEvents::kNewExplorer}, windows.dispids);
    const outlook::Explorer explorer(windows.last.args.at(0).object());
    EXPECT_EQ(model.get(), application.ActiveExplorer().object()->Identity());
    EXPECT_EQ(1, application.Explorers().Count());
    EXPECT_EQ(model.get(), application.Explorers().Item(1).object()->Identity());
    EXPECT_EQ(outlook::item_type::kContact, explorer.CurrentFolder().DefaultItemType());

    RecordingSink events;
    const std::uint32_t cookie = Advise(explorer, outlook::ExplorerEvents::kDiid, &events);
    const model::ModelContactItemPtr anne = outlook.AddContact(outlook.contacts(), {});
    const auto list = outlook.AddDistributionList(outlook.contacts(), L"Team");
    model->Select({anne, list});
    const outlook::Selection selection = explorer.Selection();
    ASSERT_EQ(2, selection.Count());
    EXPECT_TRUE(outlook::ContactItem::QueryFrom(selection.Item(1)));
    EXPECT_FALSE(outlook::ContactItem::QueryFrom(selection.Item(2)));
    EXPECT_FALSE(selection.Item(3));
    EXPECT_EQ((std::vector<std::string>{"VT_I4 1", "VT_I4 2", "VT_I4 3"}),
              ArgumentKinds("Item", "Selection"));

    // A folder switch the user cancels changes nothing.
    events.action = [](host::DispParams& params) {
        if (params.args.size() == 2) *params.args[0].boolRef() = host::kVariantTrue;
    };
    EXPECT_FALSE(model->SwitchFolder(outlook.inbox()));
    events.action = nullptr;
    EXPECT_TRUE(model->SwitchFolder(outlook.calendar()));
    EXPECT_EQ(outlook::item_type::kAppointment, explorer.CurrentFolder().DefaultItemType());
    EXPECT_EQ(0, explorer.Selection().Count());
    model->SwitchView();
    model->SetSelectionUnavailable(true);
    EXPECT_FALSE(explorer.Selection());
    EXPECT_FALSE(outlook::Explorer(outlook.AddExplorer(model::ModelFolderPtr())).CurrentFolder());

    model->Close();
    EXPECT_FALSE(application.ActiveExplorer());
    EXPECT_EQ(1, application.Explorers().Count());  // only the quietly added one
    const std::vector<host::DispId> expected = {outlook::ExplorerEvents::kSelectionChange,
                                                outlook::ExplorerEvents::kBeforeFolderSwitch,
                                                outlook::ExplorerEvents::kBeforeFolderSwitch,
                                                outlook::ExplorerEvents::kFolderSwitch,
                                                outlook::ExplorerEvents::kSelectionChange,
                                                outlook::ExplorerEvents::kViewSwitch,
                                                outlook::ExplorerEvents::kClose};
    EXPECT_EQ(expected, events.dispids);
    EXPECT_EQ(host::hr::kOk, explorer.Unadvise(outlook::ExplorerEvents::kDiid, cookie));
}

TEST_F(ModelOutlookSurface, InspectorsShowTheirItemAndEditor) {
    RecordingSink windows;
    Advise(outlook.application().Inspectors(), outlook::InspectorsEvents::kDiid, &windows);
    model::ModelMailItem::Fields fields;
    fields.body = L"hello";
    const model::ModelMailItemPtr mail = outlook.AddMail(outlook.inbox(), fields);
    const model::ModelInspectorPtr model = outlook.OpenInspector(mail, outlook::editor_type::kWord);
    ASSERT_EQ(std::vector<host::DispId>{outlook::InspectorsEvents::kNewInspector}, windows.dispids);
    const outlook::Inspector inspector(windows.last.args.at(0).object());
    EXPECT_EQ(outlook::editor_type::kWord, inspector.EditorType());
    const outlook::MailItem item = outlook::MailItem::QueryFrom(inspector.CurrentItem());
    ASSERT_TRUE(item);
    EXPECT_EQ(L"hello", item.Body());
    EXPECT_FALSE(outlook::ContactItem::QueryFrom(inspector.CurrentItem()));
    EXPECT_TRUE(inspector.CommandBars());

    RecordingSink events;
    Advise(inspector, outlook::InspectorEvents::kDiid, &events);
    model->Close();
    model->Close();
    EXPECT_EQ(std::vector<host::DispId>{outlook::InspectorEvents::kClose}, events.dispids);
    EXPECT_EQ(0, outlook.application().Inspectors().Count());
}

TEST_F(ModelOutlookSurface, MeetingRequestsAndAppointmentsAreNeitherMailNorContact) {
    const auto meeting = outlook.AddMeetingRequest(outlook.inbox(), L"Review", L"a@example.com");
    const auto appointment = outlook.AddAppointment(outlook.calendar(), L"Lunch");
    for (const host::DispatchPtr& item :
         {host::DispatchPtr(meeting), host::DispatchPtr(appointment)}) {
        EXPECT_FALSE(outlook::MailItem::QueryFrom(item));
        EXPECT_FALSE(outlook::ContactItem::QueryFrom(item));
    }
    // Neither kind of item carries the fields a contact search restricts on.
    EXPECT_FALSE(outlook::MAPIFolder(outlook.inbox()).Items().Find(L"[Subject] = 'nothing'"));
    EXPECT_TRUE(outlook::MAPIFolder(outlook.inbox()).Items().Find(L"[Subject] = 'review'"));
}

TEST_F(ModelOutlookSurface, UserPropertyAddedLikeTheContactWindowDoes) {
    const model::ModelContactItemPtr model = outlook.AddContact(outlook.contacts(), {});
    const outlook::ContactItem contact = outlook::ContactItem::QueryFrom(model);
    RecordingSink events;
    Advise(contact, outlook::ItemEvents::kDiid, &events);

    const outlook::UserProperties properties = contact.UserProperties();
    EXPECT_FALSE(properties.Find(L"Skype Name"));
    const outlook::UserProperty added =
        properties.Add(L"Skype Name", outlook::kUserPropertyText, false, outlook::kFormatTextText);
    ASSERT_TRUE(added);
    EXPECT_EQ((std::vector<std::string>{"VT_BSTR \"Skype Name\" | VT_I4 1 | VT_I2 0 | VT_I4 1"}),
              ArgumentKinds("Add", "UserProperties"));
    EXPECT_TRUE(events.dispids.empty());

    added.SetValue(Variant::Bstr(L""));
    EXPECT_EQ(std::vector<host::DispId>{outlook::ItemEvents::kCustomPropertyChange},
              events.dispids);
    EXPECT_EQ(L"Skype Name", events.last.args.at(0).bstr());
    // Found again without regard to case, holding the empty text.
    const outlook::UserProperty found = contact.UserProperties().Find(L"skype name");
    ASSERT_TRUE(found);
    EXPECT_EQ(Variant::Bstr(L""), found.Value());
    // A text property refuses a number.
    found.SetValue(Variant::I4(5));
    EXPECT_EQ(Variant::Bstr(L""), model->UserPropertyValue(L"Skype Name"));

    // The user edits a standard field.
    model->Change("MobileTelephoneNumber", Variant::Bstr(L"+44 555 123"));
    EXPECT_EQ(outlook::ItemEvents::kPropertyChange, events.dispids.back());
    EXPECT_EQ(L"MobileTelephoneNumber", events.last.args.at(0).bstr());
    EXPECT_EQ(L"+44 555 123", contact.TelephoneNumber("MobileTelephoneNumber"));
}

TEST_F(ModelOutlookSurface, ItemsFindRefusesUnknownProperties) {
    outlook.AddContact(outlook.contacts(), {{"FullName", L"Anne"}});
    const outlook::Items items = outlook::MAPIFolder(outlook.contacts()).Items();
    EXPECT_TRUE(items.Find(L"[FullName] = 'anne'"));
    EXPECT_FALSE(items.Find(L"[NoSuchField] = 'anne'"));
    EXPECT_EQ(host::hr::kException, Calls("Find", "Items").back().result);
    EXPECT_FALSE(outlook.application().GetNamespace(L"IMAP"));
}

TEST_F(ModelOutlookSurface, AWalkWithCachedColumnsHandsOutReadOnlyRowsUntilReset) {
    outlook.AddContact(outlook.contacts(), {{"FullName", L"Ann"}, {"HomeTelephoneNumber", L"1"}});
    outlook.AddDistributionList(outlook.contacts(), L"Team");
    outlook.AddContact(outlook.contacts(), {{"FullName", L"Bo"}, {"HomeTelephoneNumber", L"2"}});
    const outlook::Items items = outlook::MAPIFolder(outlook.contacts()).Items();
    // Unknown or empty names are refused, and nothing is cached then.
    for (const wchar_t* refused : {L"HomeTelephoneNumber,Nonsense", L"HomeTelephoneNumber,"}) {
        outlook.log().Clear();
        items.SetColumns(refused);
        EXPECT_EQ(host::hr::kException, Calls("SetColumns", "Items").at(0).result) << refused;
    }
    items.SetColumns(L"homeTelephoneNumber , FullName");
    std::vector<std::wstring> seen;
    for (host::DispatchPtr row = items.GetFirst(); row; row = items.GetNext()) {
        const outlook::ContactItem contact(row);
        seen.push_back(contact.FullName() + L"/" + contact.TelephoneNumber("HomeTelephoneNumber") +
                       L"/" + contact.LastName());
        contact.SetText("FullName", L"changed");
    }
    // The list's members are not contact fields: its row reads them empty.
    EXPECT_EQ((std::vector<std::wstring>{L"Ann/1/", L"//", L"Bo/2/"}), seen);
    for (const model::CallRecord& put : Calls("FullName", "ContactItem")) {
        if (put.kind == model::CallRecord::Kind::Put) {
            EXPECT_EQ(host::hr::kMemberNotFound, put.result);
        }
    }
    EXPECT_EQ(L"Ann", outlook.contacts()->items()[0]->Property("FullName").bstr());
    items.ResetColumns();
    EXPECT_EQ(outlook.contacts()->items()[0].get(), items.GetFirst()->Identity());
    EXPECT_EQ(outlook.contacts()->items()[2].get(), items.Item(3)->Identity());
}

TEST_F(ModelOutlookSurface, CreatedContactsAreInNoFolderAndDisplayOpensTheirWindow) {
    const outlook::Application application = outlook.application();
    RecordingSink windows;
    Advise(application.Inspectors(), outlook::InspectorsEvents::kDiid, &windows);
    EXPECT_FALSE(application.CreateItem(outlook::item_type::kMail));
    const outlook::ContactItem created =
        outlook::ContactItem::QueryFrom(application.CreateItem(outlook::item_type::kContact));
    ASSERT_TRUE(created);
    EXPECT_TRUE(outlook.contacts()->items().empty());
    ASSERT_EQ(1u, outlook.createdItems().size());
    EXPECT_FALSE(outlook.TakeDisplayed());
    created.Display();
    EXPECT_EQ(std::vector<host::DispId>{outlook::InspectorsEvents::kNewInspector}, windows.dispids);
    const model::ModelInspectorPtr shown = outlook.TakeDisplayed();
    ASSERT_TRUE(shown);
    EXPECT_EQ(created.object()->Identity(), shown->currentItem().get());
    EXPECT_FALSE(outlook.TakeDisplayed());  // once
    EXPECT_EQ(std::vector<std::string>{"VT_ERROR 0x80020004 (missing)"},
              ArgumentKinds("Display", "ContactItem"));
}

TEST_F(ModelOutlookSurface, FindSearchesAUserFieldOnceTheFolderKnowsIt) {
    const outlook::Items items = outlook::MAPIFolder(outlook.contacts()).Items();
    const model::ModelContactItemPtr ann = outlook.AddContact(outlook.contacts(), {});
    bool refused = false;
    EXPECT_FALSE(items.Find(L"[Skype Name] = 'ann.o''neil'", &refused));
    EXPECT_TRUE(refused);  // no item has the field
    outlook.AddContact(outlook.contacts(), {})
        ->AddUserProperty(L"Skype Name", host::Variant::Bstr(L"someone"));
    ann->AddUserProperty(L"skype name", host::Variant::Bstr(L"Ann.O'Neil"));
    EXPECT_EQ(ann.get(), items.Find(L"[Skype Name] = 'ann.o''neil'", &refused)->Identity());
    EXPECT_FALSE(refused);
    EXPECT_FALSE(items.Find(L"[Skype Name] = 'nobody'", &refused));
    EXPECT_FALSE(refused);
}

}  // namespace
