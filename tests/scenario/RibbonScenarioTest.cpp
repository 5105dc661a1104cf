// The add-in in Outlook 2016, end to end through the model ribbon host: what
// its group shows per window and item, what its context menus offer per
// selection (the same as the command bars' menu), clicks from both, what a
// status change invalidates, and the "ClassicToolbar" setting.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ScenarioFixture.h"
#include "model/office/ModelRibbonObjects.h"
#include "model/outlook/ModelContactItem.h"
#include "model/world/ScriptText.h"
#include "office/OfficeIds.h"
#include "outlook/OutlookIds.h"
#include "ribbon/RibbonIds.h"
#include "skype/SkypeProtocol.h"
#include "util/CaughtExceptions.h"
#include "util/Settings.h"

namespace {

const std::wstring kNoSkypeName = L"Enter a skype name to contact";
const std::wstring kNoNumber = L"Enter a phone number to dial via SkypeOut";

class Ribbon : public scenario_test::ScenarioFixture {
  protected:
    void AddMail(const wchar_t* subject, const wchar_t* address, const wchar_t* body) {
        model::ModelMailItem::Fields fields;
        fields.senderAddress = address;
        fields.senderName = address;
        fields.subject = subject;
        fields.body = body;
        outlook.AddMail(outlook.inbox(), fields);
    }

    model::ModelExplorerPtr StartIn(const char* year, const model::ModelFolderPtr& folder) {
        EXPECT_TRUE(user.SetVersion(year)) << told.str();
        const model::ModelExplorerPtr window = StartWith(folder);
        if (user.ShowsRibbon()) {
            EXPECT_TRUE(user.ribbon() && user.ribbon()->problems().empty()) << told.str();
        }
        return window;
    }
    void Restart(const char* year, const model::ModelFolderPtr& folder) {
        ASSERT_TRUE(user.Quit());
        StartIn(year, folder);
    }

    // What the named combo box of the ribbon tab in front shows; "(none)"
    // without one.
    std::wstring BoxText(const char* name) {
        const model::ModelRibbon::View tab = user.FrontTab();
        const model::RibbonNode* box =
            tab.idMso.empty()
                ? nullptr
                : user.ribbon()->Find(tab, std::wstring(name, name + strlen(name)), "comboBox");
        return box ? user.ribbon()->Text(tab, *box) : L"(none)";
    }
    std::size_t BoxEntries(const char* name) {
        const model::ModelRibbon::View tab = user.FrontTab();
        std::istringstream lines(user.ribbon()->Describe(tab));
        for (std::string line; std::getline(lines, line);) {
            if (line.find("comboBox \"" + std::string(name)) == std::string::npos) continue;
            const std::size_t list = line.find("list [");
            const std::size_t end = line.find(']', list);
            return std::count(line.begin() + list, line.begin() + end, '"') / 2;
        }
        return 0;
    }

    // The add-in's entries in the menu the user right-clicked open, as
    // "label" or "label (disabled)": the ribbon's item context menu, or the
    // command bars' "Context Menu" (those carrying a tag are ours).
    std::vector<std::string> OurEntries() {
        std::vector<std::string> entries;
        if (user.ShowsRibbon()) {
            std::istringstream lines(user.ribbon()->Describe(user.RibbonMenu()));
            for (std::string line; std::getline(lines, line);) {
                const std::size_t open = line.find(" button \"");
                if (open == std::string::npos) continue;
                const std::size_t close = line.find('"', open + 9);
                entries.push_back(
                    line.substr(open + 9, close - open - 9) +
                    (line.find(" disabled") != std::string::npos ? " (disabled)" : ""));
            }
            return entries;
        }
        const model::ModelCommandBarPtr menu =
            user.explorer()->commandBars()->FindBar(office::kContextMenuName);
        for (const model::ModelCommandBarControlPtr& control : menu->controls()->controls()) {
            if (control->tag().empty()) continue;
            entries.push_back(model::Utf8FromWide(control->caption()) +
                              (control->enabled() ? "" : " (disabled)"));
        }
        return entries;
    }
};

TEST_F(Ribbon, TheGroupShowsWhatTheToolbarShowsForEachWindowAndItem) {
    AddContact(L"Jane Doe", L"alice.wonder", L"+44 555 123");
    AddContact(L"Bob Builder", L"");  // Skype knows him by his full name
    AddContact(L"Zoe Quist", L"", L"020 7946 0018");
    AddMail(L"Call us", L"x@tandrel.example", L"callto://echo123");
    const struct {
        const char* name;
        std::function<bool()> show;
        const wchar_t* tab;  // the tab our group is on, empty for none
        std::wstring skype;
        std::wstring skypeOut;
        std::size_t numbers;
    } cases[] = {
        {"a contact folder, nothing selected", [&] { return user.Select({}); }, L"TabContacts",
         kNoSkypeName, kNoNumber, 0},
        {"a contact with a Skype name", [&] { return user.Select({"Jane Doe"}); }, L"TabContacts",
         L"alice.wonder (Online)", L"Mobile: +44 555 123 (Jane Doe)", 1},
        {"a contact Skype knows by name", [&] { return user.Select({"Bob Builder"}); },
         L"TabContacts", L"bob.builder (Away)", kNoNumber, 0},
        {"several contacts keep what was shown",
         [&] {
             return user.Select({"Bob Builder", "Zoe Quist"});
         },
         L"TabContacts", L"bob.builder (Away)", kNoNumber, 0},
        {"a mail linking a Skype name",
         [&] { return user.SwitchFolder("Inbox") && user.Select({"Call us"}); }, L"TabMail",
         L"echo123 (Online)", kNoNumber, 0},
        {"the calendar", [&] { return user.SwitchFolder("Calendar"); }, L"", L"(none)", L"(none)",
         0},
        {"a contact's window",
         [&] { return user.SwitchFolder("Contacts") && user.Open("Jane Doe"); }, L"TabContact",
         L"alice.wonder (Online)", L"Mobile: +44 555 123 (Jane Doe)", 1},
        {"that contact changed in its window",
         [&] { return user.Edit("MobileTelephoneNumber", "+44 555 999"); }, L"TabContact",
         L"alice.wonder (Online)", L"Mobile: +44 555 999 (Jane Doe)", 1},
        {"a mail's window",
         [&] { return user.CloseItem() && user.SwitchFolder("Inbox") && user.Open("Call us"); },
         L"TabReadMessage", L"echo123 (Online)", kNoNumber, 0},
    };
    StartIn("2016", outlook.contacts());
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        ASSERT_TRUE(each.show()) << told.str();
        EXPECT_EQ(std::wstring(each.tab), user.FrontTab().idMso);
        EXPECT_EQ(each.skype, BoxText("skype"));
        EXPECT_EQ(each.skypeOut, BoxText("skypeout"));
        if (*each.tab) {
            EXPECT_EQ(6u, BoxEntries("Skype"));
            EXPECT_EQ(each.numbers, BoxEntries("SkypeOut"));
        }
    }
    EXPECT_TRUE(user.ribbon()->problems().empty());
}

TEST_F(Ribbon, TheContextMenusOfferTheCommandBarsEntriesForEachSelection) {
    outlook
        .AddContact(outlook.contacts(), {{"FullName", L"Jane Doe"},
                                         {"Email1Address", L"jane@tandrel.example"},
                                         {"MobileTelephoneNumber", L"+44 555 123"}})
        ->AddUserProperty(L"Skype Name", host::Variant::Bstr(L"alice.wonder"));
    outlook.AddContact(outlook.contacts(), {{"FullName", L"No Name"},
                                            {"BusinessTelephoneNumber", L"+44 20 7946 0018"},
                                            {"HomeTelephoneNumber", L"+44 161 496 0000"}});
    outlook
        .AddContact(outlook.contacts(),
                    {{"FullName", L"Carl Carrot"}, {"Email1Address", L"carl@tandrel.example"}})
        ->AddUserProperty(L"Skype Name", host::Variant::Bstr(L"carol.nguyen"));
    AddContact(L"Nobody Home", L"");
    AddMail(L"Hello", L"jane@tandrel.example", L"hello");
    AddMail(L"Offers", L"shop@tandrel.example", L"callto://echo123");
    model::ModelMailItem::Fields plans;
    plans.senderAddress = L"jane@tandrel.example";
    plans.subject = L"Plans";
    plans.to = {{model::kCurrentUserAddress, L""}};
    plans.cc = {{L"carl@tandrel.example", L""}};
    outlook.AddMail(outlook.inbox(), plans);
    const std::vector<std::string> janesEntries = {
        "Call Contact via Skype", "Send Message to Contact", "Mobile: +44 555 123"};
    const struct {
        const char* name;
        const char* folder;
        std::vector<std::string> selection;
        std::vector<std::string> entries;  // the same on both surfaces
        std::vector<std::string> ribbonOnly;
        const char* clicked;    // the call the entry clicked places
        std::size_t click = 0;  // the entry clicked, by position
    } cases[] = {
        {"a contact with a Skype name and a number",
         "Contacts",
         {"Jane Doe"},
         janesEntries,
         {},
         "CALL alice.wonder"},
        {"a contact with numbers only",
         "Contacts",
         {"No Name"},
         {"Business: +44 20 7946 0018", "Home: +44 161 496 0000"},
         {},
         "CALL +442079460018"},
        {"a contact with neither", "Contacts", {"Nobody Home"}, {}, {}, nullptr},
        {"a mail from a contact with a Skype name",
         "Inbox",
         {"Hello"},
         {"Reply via Skype", "Reply via Instant Message"},
         {},
         "CALL alice.wonder"},
        {"a mail from a stranger", "Inbox", {"Offers"}, {}, {}, nullptr},
        {"a mail to the user with a copy to a contact",
         "Inbox",
         {"Plans"},
         {"Reply via Skype", "Reply via Instant Message", "Start Skype Conference",
          "Start IM Conference (disabled)"},
         {},
         "CALL alice.wonder, carol.nguyen",
         2},
        {"contacts, two with Skype names",
         "Contacts",
         {"Jane Doe", "Nobody Home", "Carl Carrot"},
         {},
         {"Start Skype Conference", "Start IM Conference (disabled)"},
         "CALL alice.wonder, carol.nguyen"},
        {"contacts, one with a Skype name",
         "Contacts",
         {"Jane Doe", "Nobody Home"},
         {},
         {},
         nullptr},
    };
    for (const char* year : {"2003", "2016"}) {
        SCOPED_TRACE(year);
        if (user.Running()) {
            Restart(year, outlook.contacts());
        } else {
            StartIn(year, outlook.contacts());
        }
        for (const auto& each : cases) {
            SCOPED_TRACE(each.name);
            ASSERT_TRUE(user.SwitchFolder(each.folder));
            std::vector<std::string> expected = each.entries;
            if (user.ShowsRibbon()) {
                expected.insert(expected.end(), each.ribbonOnly.begin(), each.ribbonOnly.end());
            }
            // Selected while Skype is not online, every entry is disabled.
            SkypeStatus("OFFLINE");
            ASSERT_TRUE(user.Select(each.selection)) << told.str();
            ASSERT_TRUE(user.RightClick());
            std::vector<std::string> disabled = expected;
            for (std::string& entry : disabled) {
                if (entry.find(" (disabled)") == std::string::npos) entry += " (disabled)";
            }
            EXPECT_EQ(disabled, OurEntries());
            ASSERT_TRUE(user.CloseMenu());
            SkypeStatus("ONLINE");
            Advance(skype_protocol::kDiscoveryPeriodMs);  // Skype is attached to anew
            ASSERT_TRUE(user.Select(each.selection));
            ASSERT_TRUE(user.RightClick());
            EXPECT_EQ(expected, OurEntries());
            if (!each.clicked || expected.empty()) continue;
            skype.ClearReceived();
            ASSERT_TRUE(user.Click(expected.at(each.click))) << told.str();
            EXPECT_EQ(std::vector<std::string>{each.clicked}, CommandsStartingWith("CALL"));
            user.CloseMenu();
        }
    }
}

TEST_F(Ribbon, AClickOnTheGroupRunsWhatTheToolbarsButtonsRun) {
    AddContact(L"Jane Doe", L"alice.wonder", L"+44 20 7946 0018");
    StartIn("2016", outlook.contacts());
    const char kRefused[] =
        "The Skype Name or phone number contains a quotation mark or a control character, so "
        "Tandrel does not pass it to Skype. Correct the text and try again.";
    const struct {
        const char* name;
        const char* box;  // typed into, unless null
        const char* text;
        const char* button;
        std::vector<std::string> sent;
        const char* told;  // a message box, or empty
    } cases[] = {
        {"the contact shown", nullptr, "", "call", {"CALL alice.wonder"}, ""},
        {"a buddy's entry chosen", "skype", "echo123 (Online)", "chat", {"OPEN IM echo123"}, ""},
        {"a name typed with a remark",
         "skype",
         "bob.builder (my friend)",
         "call",
         {"CALL bob.builder"},
         ""},
        {"hostile text typed", "skype", "x\" /evil", "call", {}, kRefused},
        {"the number shown, in SkypeOut's form",
         nullptr,
         "",
         "skypeout",
         {"FOCUS", "CALL +442079460018"},
         ""},
        {"a number typed", "skypeout", "+1 555 0100", "skypeout", {"FOCUS", "CALL +15550100"}, ""},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        ASSERT_TRUE(user.Select({"Jane Doe"}));  // what was typed goes with the item
        if (each.box) {
            ASSERT_TRUE(user.Type(each.box, each.text));
        }
        skype.ClearReceived();
        const std::size_t boxes = model.ui.messageBoxes.size();
        ASSERT_TRUE(user.Click(each.button)) << told.str();
        std::vector<std::string> sent;
        for (const std::string& command : skype.CommandTexts()) {
            if (command.compare(0, 4, "CALL") == 0 || command.compare(0, 4, "OPEN") == 0 ||
                command == "FOCUS") {
                sent.push_back(command);
            }
        }
        EXPECT_EQ(each.sent, sent);
        EXPECT_EQ(*each.told ? boxes + 1 : boxes, model.ui.messageBoxes.size());
        if (*each.told) {
            EXPECT_EQ(each.told, model.ui.messageBoxes.back().text);
        }
    }
    ASSERT_TRUE(user.Click("buy"));
    ASSERT_EQ(1u, model.shell.executions.size());
    EXPECT_EQ("https://www.tandrel.example/buy-skypeout", model.shell.executions[0].file);
}

TEST_F(Ribbon, AStatusChangeInvalidatesOnlyTheBoxesItChanged) {
    AddContact(L"Jane Doe", L"alice.wonder", L"+44 555 123");
    StartIn("2016", outlook.contacts());
    ASSERT_TRUE(user.Select({"Jane Doe"}));
    ASSERT_EQ(L"alice.wonder (Online)", BoxText("skype"));  // asked, and kept until invalidated
    const struct {
        const char* status;
        std::wstring skype;
        std::wstring skypeOut;
        std::size_t invalidated;  // InvalidateControl calls: both boxes of both Home tabs
    } steps[] = {
        {"OFFLINE", kNoSkypeName, kNoNumber, 4},
        {"OFFLINE", kNoSkypeName, kNoNumber, 0},
        {"ONLINE", L"alice.wonder (Online)", L"Mobile: +44 555 123 (Jane Doe)", 4},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.status);
        outlook.log().Clear();
        SkypeStatus(step.status);
        EXPECT_EQ(step.invalidated, outlook.log().Of("InvalidateControl", "IRibbonUI").size());
        EXPECT_TRUE(outlook.log().Of("Invalidate", "IRibbonUI").empty());
        EXPECT_EQ(step.skype, BoxText("skype"));
        EXPECT_EQ(step.skypeOut, BoxText("skypeout"));
    }
}

TEST_F(Ribbon, TheClassicToolbarShowsUnlessTheSettingHidesItInOutlook2010AndLater) {
    const model::ModelContactItemPtr jane = AddContact(L"Jane Doe", L"alice.wonder");
    const struct {
        const char* year;
        const char* setting;  // "ClassicToolbar": null when absent
        bool folderToolbar;
        bool itemToolbar;  // from 2007 on Word edits every item: never
    } cases[] = {
        {"2003", nullptr, true, true}, {"2003", "F", true, true},   {"2016", nullptr, true, false},
        {"2016", "T", true, false},    {"2016", "F", false, false}, {"2010", "F", false, false},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(std::string(each.year) + " " + (each.setting ? each.setting : "absent"));
        model.registry.RemoveValue(settings::kRoot, settings::kKeyPath, settings::kClassicToolbar);
        if (each.setting) {
            model.registry.SetBinary(settings::kRoot, settings::kKeyPath, settings::kClassicToolbar,
                                     {std::uint8_t(each.setting[0] == 'T')});
        }
        if (user.Running()) {
            Restart(each.year, outlook.contacts());
        } else {
            StartIn(each.year, outlook.contacts());
        }
        EXPECT_EQ(each.folderToolbar, Toolbar(user.explorer()->commandBars()) != "(none)");
        ASSERT_TRUE(user.Open("Jane Doe"));
        EXPECT_EQ(each.itemToolbar, Toolbar(user.inspector()->commandBars()) != "(none)");
        // The window is hooked either way (in 2016 for the ribbon).
        EXPECT_EQ(2u, jane->SinkCount(outlook::ItemEvents::kDiid));
        ASSERT_TRUE(user.CloseItem());
    }
}

// A control that fails every read with an exception, as a broken COM
// wrapper could.
class ThrowingControl : public host::Dispatch {
  public:
    host::DispatchPtr QueryInterface(const host::Guid&) override { return host::DispatchPtr(); }
    host::HResult GetProperty(const std::string&, const std::vector<host::Variant>&,
                              host::Variant*) override {
        throw std::runtime_error("the control is gone");
    }
    host::HResult PutProperty(const std::string&, const host::Variant&) override {
        return host::hr::kFail;
    }
    host::HResult Call(const std::string&, const std::vector<host::Variant>&,
                       host::Variant*) override {
        return host::hr::kFail;
    }
    host::HResult Advise(const host::Guid&, host::EventSink*, std::uint32_t*) override {
        return host::hr::kFail;
    }
    host::HResult Unadvise(const host::Guid&, std::uint32_t) override { return host::hr::kFail; }
    const void* Identity() const override { return this; }
};

TEST_F(Ribbon, ACallbackThatCannotAnswerGivesItsSafeDefault) {
    AddContact(L"Jane Doe", L"alice.wonder");
    const model::ModelExplorerPtr window = StartIn("2016", outlook.contacts());
    ASSERT_TRUE(user.Select({"Jane Doe"}));
    ribbon::RibbonExtensibility& ribbon = *world.Ribbon();
    const auto control = [&](const wchar_t* id, const host::DispatchPtr& context) {
        return host::Variant::Object(
            host::DispatchPtr(new model::ModelRibbonControl(&outlook.log(), id, L"", context)));
    };
    const host::DispatchPtr stranger(new model::ModelObject("Explorer", &outlook.log()));
    const std::size_t caught = caught::Count();
    const struct {
        const char* name;
        const char* callback;
        std::vector<host::Variant> args;
        host::HResult result;
        std::string answer;  // Variant::Describe()
    } cases[] = {
        {"our box in our window",
         "GetTandrelText",
         {control(L"TandrelContacts.SkypeBox", window)},
         host::hr::kOk,
         host::Variant::Bstr(L"alice.wonder (Online)").Describe()},
        {"a null control",
         "GetTandrelText",
         {host::Variant::Object(host::DispatchPtr())},
         host::hr::kOk,
         host::Variant::Bstr(L"").Describe()},
        {"no control at all",
         "GetTandrelItemCount",
         {host::Variant()},
         host::hr::kOk,
         host::Variant::I4(0).Describe()},
        {"a window not ours",
         "GetTandrelItemCount",
         {control(L"TandrelContacts.SkypeBox", stranger)},
         host::hr::kOk,
         host::Variant::I4(0).Describe()},
        {"a window of another kind",
         "GetTandrelText",
         {control(L"TandrelContact.SkypeBox", window)},
         host::hr::kOk,
         host::Variant::Bstr(L"").Describe()},
        {"an id not ours",
         "GetTandrelEnabled",
         {control(L"Someone.Entry1", window)},
         host::hr::kOk,
         host::Variant::Bool(false).Describe()},
        {"an entry beyond the menu's",
         "GetTandrelVisible",
         {control(L"TandrelContactItem.Entry14", window)},
         host::hr::kOk,
         host::Variant::Bool(false).Describe()},
        {"a control that throws",
         "GetTandrelLabel",
         {host::Variant::Object(host::DispatchPtr(new ThrowingControl))},
         host::hr::kOk,
         host::Variant::Bstr(L"").Describe()},
        {"too few arguments",
         "GetTandrelItemLabel",
         {control(L"TandrelContacts.SkypeBox", window)},
         host::hr::kBadParamCount,
         host::Variant().Describe()},
        {"text for the control",
         "OnTandrelAction",
         {host::Variant::Bstr(L"TandrelContacts.Call")},
         host::hr::kTypeMismatch,
         host::Variant().Describe()},
        {"a name that is no callback",
         "OnConnection",
         {},
         host::hr::kUnknownName,
         host::Variant().Describe()},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        const std::string name = each.callback;
        host::DispId id = 0;
        host::HResult result = ribbon.GetIdOfName(std::wstring(name.begin(), name.end()), &id);
        host::Variant answer;
        if (result == host::hr::kOk) result = ribbon.Invoke(id, each.args, &answer);
        EXPECT_EQ(each.result, result);
        EXPECT_EQ(each.answer, answer.Describe());
    }
    host::Variant answer;
    EXPECT_EQ(host::hr::kMemberNotFound, ribbon.Invoke(4242, {}, &answer));
    EXPECT_EQ(caught + 1, caught::Count());  // the throwing control's, recorded
    skype.ClearReceived();
    host::DispId action = 0;
    ASSERT_EQ(host::hr::kOk, ribbon.GetIdOfName(L"OnTandrelAction", &action));
    for (const host::Variant& stray :
         {control(L"TandrelContacts.Call", stranger), control(L"Nowhere.Call", window)}) {
        EXPECT_EQ(host::hr::kOk, ribbon.Invoke(action, {stray}, nullptr));
    }
    EXPECT_TRUE(CommandsStartingWith("CALL").empty());  // nothing done for either
    EXPECT_EQ(host::hr::kOk,
              ribbon.Invoke(action, {control(L"TandrelContacts.Call", window)}, nullptr));
    EXPECT_EQ(std::vector<std::string>{"CALL alice.wonder"}, CommandsStartingWith("CALL"));
}

}  // namespace
