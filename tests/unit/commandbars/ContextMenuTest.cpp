// CContextMenu on the model command bars of a model Explorer: the items a
// right-click offers for each selection, the menu's protection, Skype's
// status with the menu open, and clicks on items that are gone.
#include <gtest/gtest.h>

#include <functional>

#include "ToolbarFixture.h"
#include "util/Exception.h"
#include "util/Settings.h"

namespace {

using Strings = std::vector<std::string>;
using commandbars_test::Without;

// Outlook's own entries of the model's context menu, the first group at 3.
const char kOpenPrint[] =
    "bar \"Context Menu\" position 5 visible protection 1\n"
    "1 button \"&Open\" automatic\n"
    "2 button \"&Print\" automatic\n";
const char kOutlookRest[] =
    "button \"&Reply\" automatic group\n"
    "button \"Reply to &All\" automatic\n"
    "button \"For&ward\" automatic\n"
    "button \"Follow &Up\" automatic group\n"
    "button \"Categor&ies...\" automatic\n"
    "button \"&Delete\" automatic group\n"
    "button \"&Options...\" automatic group\n";

// The menu as shown, with Outlook's entries after ours unnumbered.
std::string Menu(const Strings& ours) {
    std::string menu = kOpenPrint;
    int number = 2;
    for (const std::string& line : ours) menu += std::to_string(++number) + " " + line + "\n";
    std::istringstream rest(kOutlookRest);
    for (std::string line; std::getline(rest, line);) {
        menu += std::to_string(++number) + " " + line + "\n";
    }
    return menu;
}

class ContextMenu : public commandbars_test::ToolbarFixture {
  protected:
    ContextMenu() { Shared(); }
    model::ModelCommandBarsPtr Bars() const { return window->commandBars(); }
    std::string MenuShown() const {
        const model::ModelCommandBarPtr found = Bars()->FindBar(office::kContextMenuName);
        return found ? model::DescribeBar(*found) : "(no menu)";
    }
    // The Protection puts since the last Forget().
    Strings ProtectionPuts() {
        Strings puts;
        for (const model::CallRecord& record : outlook.log().records()) {
            if (record.member == "Protection" && record.kind == model::CallRecord::Kind::Put) {
                puts.push_back(record.args.at(0).Describe());
            }
        }
        return puts;
    }
    model::ModelExplorerPtr window = outlook.AddExplorer(outlook.contacts());
    CContextMenu menu{outlook::Explorer(window), outlook.application(), Shared()};
};

TEST_F(ContextMenu, ARightClickOffersTheSelectedItemsSkypeCommands) {
    const std::wstring longName(3000, L'x');
    const struct {
        const char* name;
        std::function<void(CContextMenu&)> select;
        Strings items;
    } cases[] = {
        {"a contact with a Skype name and two numbers",
         [this](CContextMenu& m) {
             m.SetContact(Contact(L"Alice Wonder", L"alice",
                                  {{L"Mobile: ", L"+44 555 123"}, {L"Home: ", L"020 7946"}}));
         },
         {"button \"Call Contact via Skype\" icon+caption face 610 group tag \"alice\"+id",
          "button \"Send Message to Contact\" icon+caption face 162 tag \"alice\"+id",
          "button \"Mobile: +44 555 123\" caption tag \"+44 555 123\"+id",
          "button \"Home: 020 7946\" caption tag \"020 7946\"+id"}},
        {"a contact without a Skype name",
         [this](CContextMenu& m) {
             m.SetContact(Contact(L"Bo Bo", L"", {{L"Mobile: ", L"+44 555 123"}}));
         },
         {"button \"Mobile: +44 555 123\" caption group tag \"+44 555 123\"+id"}},
        {"a contact with nothing to call",
         [this](CContextMenu& m) { m.SetContact(Contact(L"A B", L"")); },
         {}},
        {"untrusted names",
         [&](CContextMenu& m) {
             m.SetContact(Contact(L"Flat 3 (Home)", L"x (1) \"y\")(", {{L")(: ", longName}}));
         },
         {"button \"Call Contact via Skype\" icon+caption face 610 group tag \"x (1) "
          "\\\"y\\\")(\"+id",
          "button \"Send Message to Contact\" icon+caption face 162 tag \"x (1) \\\"y\\\")(\"+id",
          "button \")(: " + std::string(3000, 'x') + "\" caption tag \"" + std::string(3000, 'x') +
              "\"+id"}},
        {"a mail from a sender with a Skype name",
         [this](CContextMenu& m) {
             m.SetMail(CMailPtr(new CMail(Contact(L"Carol Nguyen", L"carol.nguyen"), {})));
         },
         {"button \"Reply via Skype\" icon+caption face 132 group tag \"carol.nguyen\"+id",
          "button \"Reply via Instant Message\" icon+caption face 132 tag \"carol.nguyen\"+id"}},
        {"a mail from a sender without a Skype name",
         [this](CContextMenu& m) {
             m.SetMail(CMailPtr(new CMail(Contact(L"Zoe Quist", L""), {L"echo123"})));
         },
         {}},
        {"a mail whose sender is unknown",
         [](CContextMenu& m) { m.SetMail(CMailPtr(new CMail(CContactPtr(), {L"echo123"}))); },
         {}},
        {"anything else", [](CContextMenu& m) { m.Reset(); }, {}},
    };
    for (const auto& c : cases) {
        c.select(menu);
        outlook.log().Clear();
        Bars()->RightClick();
        EXPECT_EQ(Menu(c.items), MenuShown()) << c.name;
        // Lifted while we add, as it was afterwards; untouched when nothing is selected.
        const Strings lifted = {"VT_I4 0", "VT_I4 1"};
        EXPECT_EQ(std::string(c.name) == "anything else" ? Strings{} : lifted, ProtectionPuts())
            << c.name;
        EXPECT_EQ(c.items.size(), menu.GetButtons().size()) << c.name;
        Bars()->CloseContextMenu();
    }
}

// A mail's participants are its sender and its To and Cc recipients, each
// address once, the user left out; they are searched for among the
// contacts when the menu is first built, and only while a conference is
// still possible.
TEST_F(ContextMenu, AMailOffersAConferenceWhenEveryParticipantHasASkypeName) {
    const auto contact = [this](const std::wstring& address, const std::wstring& skypeName) {
        const model::ModelContactItemPtr item = outlook.AddContact(
            outlook.contacts(), {{"FullName", address}, {"Email1Address", address}});
        if (!skypeName.empty())
            item->AddUserProperty(L"Skype Name", host::Variant::Bstr(skypeName));
    };
    contact(L"anne@tandrel.example", L"anne.smith");
    contact(L"bob@tandrel.example", L"bob.jones");
    contact(L"carl@tandrel.example", L"");
    // With Anne, one more than a conference holds besides the user.
    std::vector<model::ModelAddress> others;
    std::string fitNames = "anne.smith";
    for (std::size_t i = 1; i <= CMail::kMaxParticipants; ++i) {
        const std::wstring name = L"p" + std::to_wstring(i);
        contact(name + L"@tandrel.example", name);
        others.push_back({name + L"@tandrel.example", L""});
        if (i < CMail::kMaxParticipants) fitNames += ", p" + std::to_string(i);
    }
    const std::vector<model::ModelAddress> fit(others.begin(), others.end() - 1);
    const model::ModelAddress me{model::kCurrentUserAddress, L""},
        anne{L"anne@tandrel.example", L""}, bob{L"bob@tandrel.example", L""},
        carl{L"carl@tandrel.example", L""}, stranger{L"x@shop.example", L""};
    const struct {
        const char* name;
        model::ModelAddress from;
        std::vector<model::ModelAddress> to, cc, bcc;
        std::string conference;  // the joined names, empty for none
        std::size_t searches;    // contact searches at the right-click
    } cases[] = {
        {"to the user, a copy to another", anne, {me}, {bob}, {}, "anne.smith, bob.jones", 1},
        {"the user in other letters",
         anne,
         {bob},
         {{L"ME@Tandrel.Example", L""}},
         {},
         "anne.smith, bob.jones",
         1},
        {"sent by the user", me, {anne, bob}, {}, {}, "anne.smith, bob.jones", 2},
        {"the sender only", anne, {me}, {}, {}, "", 0},
        {"one without a Skype name", anne, {bob, carl}, {}, {}, "", 2},
        {"one who is no contact", anne, {stranger, bob}, {}, {}, "", 1},
        {"a sender without a Skype name", carl, {anne, bob}, {}, {}, "", 0},
        {"blind copies are not asked",
         anne,
         {bob},
         {},
         {carl, stranger},
         "anne.smith, bob.jones",
         1},
        {"the same people twice",
         anne,
         {bob, {L"BOB@tandrel.example", L""}},
         {anne},
         {},
         "anne.smith, bob.jones",
         1},
        {"as many as a conference holds", anne, fit, {}, {}, fitNames, fit.size()},
        {"one more than that", anne, others, {}, {}, "", 0},
    };
    for (const auto& c : cases) {
        model::ModelMailItem::Fields fields;
        fields.senderAddress = c.from.address;
        fields.to = c.to;
        fields.cc = c.cc;
        fields.bcc = c.bcc;
        const model::ModelMailItemPtr item = outlook.AddMail(outlook.inbox(), fields);
        menu.SetMail(
            CMailPtr(new CMail(outlook::MailItem::QueryFrom(item), outlook.application())));
        Strings items;
        if (c.from.address == anne.address) {
            items = {
                "button \"Reply via Skype\" icon+caption face 132 group tag \"anne.smith\"+id",
                "button \"Reply via Instant Message\" icon+caption face 132 tag \"anne.smith\"+id"};
        }
        if (!c.conference.empty()) {
            items.push_back("button \"Start Skype Conference\" icon+caption face 610" +
                            std::string(items.empty() ? " group" : "") + " tag \"" + c.conference +
                            "\"+id");
            items.push_back("button \"Start IM Conference\" icon+caption face 162 disabled tag \"" +
                            c.conference + "\"+id");
        }
        // Searched for at the first right-click only.
        for (std::size_t searches : {c.searches, std::size_t(0)}) {
            outlook.log().Clear();
            Bars()->RightClick();
            EXPECT_EQ(Menu(items), MenuShown()) << c.name;
            EXPECT_EQ(searches, outlook.log().Of("Find", "Items").size()) << c.name;
            Bars()->CloseContextMenu();
        }
    }
}

TEST_F(ContextMenu, AMenuWithoutAnyGroupIsLeftAsItWas) {
    menu.SetContact(Contact(L"Alice Wonder", L"alice"));
    outlook.log().Clear();
    Bars()->RightClick({{L"&Open", false}, {L"&Print", false}});
    EXPECT_EQ(kOpenPrint, MenuShown());
    EXPECT_EQ((Strings{"VT_I4 0", "VT_I4 1"}), ProtectionPuts());
}

TEST_F(ContextMenu, TheProtectionIsPutBackWhenAnItemCannotBeMade) {
    menu.SetContact(Contact(L"Alice Wonder", L"alice", {{L"Mobile: ", L"+44 555 123"}}));
    model.uuid.QueueCreateStatus(platform::rpc::kOutOfMemory);
    outlook.log().Clear();
    EXPECT_THROW(Bars()->RightClick(), norv::TransientException);  // the sink's edge stops it
    EXPECT_EQ((Strings{"VT_I4 0", "VT_I4 1"}), ProtectionPuts());
    EXPECT_EQ(Menu({}), MenuShown());
}

TEST_F(ContextMenu, ItemsAreEnabledExactlyWhileSkypeIsOnline) {
    skype.SetConnectionStatus("CONNECTING");
    menu.SetContact(Contact(L"Alice Wonder", L"alice", {{L"Mobile: ", L"+44 555 123"}}));
    Bars()->RightClick();
    const std::string disabled = MenuShown();
    EXPECT_EQ(Menu({"button \"Call Contact via Skype\" icon+caption face 610 group disabled tag "
                    "\"alice\"+id",
                    "button \"Send Message to Contact\" icon+caption face 162 disabled tag "
                    "\"alice\"+id",
                    "button \"Mobile: +44 555 123\" caption disabled tag \"+44 555 123\"+id"}),
              disabled);
    skype.SetConnectionStatus("ONLINE");  // with the menu open
    EXPECT_EQ(Without(disabled, " disabled"), MenuShown());
    skype.SetConnectionStatus("OFFLINE");
    EXPECT_EQ(disabled, MenuShown());
}

TEST_F(ContextMenu, PlacedAsLinksItemsStayEnabledWhateverSkypesStatus) {
    model.registry.SetString(settings::kRoot, settings::kKeyPath, settings::kCallVia, "skype");
    skype.SetConnectionStatus("CONNECTING");
    menu.SetContact(Contact(L"Alice Wonder", L"alice"));
    Bars()->RightClick();
    const std::string enabled =
        Menu({"button \"Call Contact via Skype\" icon+caption face 610 group tag \"alice\"+id",
              "button \"Send Message to Contact\" icon+caption face 162 tag \"alice\"+id"});
    EXPECT_EQ(enabled, MenuShown());
    skype.SetConnectionStatus("OFFLINE");  // with the menu open
    EXPECT_EQ(enabled, MenuShown());
}

TEST_F(ContextMenu, ItemsDroppedOrUnloadedNeverActOnAClick) {
    menu.SetContact(Contact(L"Alice Wonder", L"alice.wonder"));
    Bars()->RightClick();
    const model::ModelCommandBarPtr open = Bars()->FindBar(office::kContextMenuName);
    const model::ModelCommandBarButtonPtr first = ButtonAt(open, 3);
    skype.ClearReceived();
    first->Click();
    EXPECT_EQ((Strings{"CALL alice.wonder"}), Commands());

    // Office refreshes the open menu: our items come anew, once.
    const std::string shown = MenuShown();
    Bars()->FireOnUpdate();
    Bars()->FireOnUpdate();
    EXPECT_EQ(shown, MenuShown());
    EXPECT_TRUE(first->deleted());
    skype.ClearReceived();
    ButtonAt(open, 3)->Click();  // the new item
    EXPECT_EQ((Strings{"CALL alice.wonder"}), Commands());

    // A new selection drops the list; its items still on the open menu act on nothing.
    const model::ModelCommandBarButtonPtr kept = ButtonAt(open, 3);
    menu.SetContact(Contact(L"Bob Builder", L"bob.builder"));
    skype.ClearReceived();
    EXPECT_TRUE(kept->Click());
    EXPECT_EQ(Strings{}, Commands());

    menu.Unload();
    menu.Unload();
    EXPECT_FALSE(menu.IsUpdateAdvised());
    EXPECT_TRUE(menu.GetButtons().empty());
    skype.ClearReceived();
    ButtonAt(open, 3)->Click();
    Bars()->RightClick();
    EXPECT_EQ(Menu({}), MenuShown());
    EXPECT_EQ(Strings{}, Commands());
}

// Our items of the last menu are looked for (by every control's Tag) only
// on that menu, refreshed while open: a menu Office made anew has none.
TEST_F(ContextMenu, OnlyTheMenuLastFilledIsSearchedForItsItems) {
    const Strings ours = {
        "button \"Call Contact via Skype\" icon+caption face 610 group tag \"alice\"+id",
        "button \"Send Message to Contact\" icon+caption face 162 tag \"alice\"+id",
        "button \"Mobile: +44 555 123\" caption tag \"+44 555 123\"+id"};
    const struct {
        const char* name;
        std::function<void()> event;
        std::size_t tagsRead;
    } events[] = {
        {"the first right-click", [this] { Bars()->RightClick(); }, 0},
        {"Office refreshes the open menu", [this] { Bars()->FireOnUpdate(); }, 9 + 3},
        {"and again", [this] { Bars()->FireOnUpdate(); }, 9 + 3},
        {"a right-click on another item while it is open", [this] { Bars()->RightClick(); }, 0},
        {"the menu closed, a right-click later",
         [this] {
             Bars()->CloseContextMenu();
             Bars()->RightClick();
         },
         0},
    };
    menu.SetContact(Contact(L"Alice Wonder", L"alice", {{L"Mobile: ", L"+44 555 123"}}));
    for (const auto& event : events) {
        outlook.log().Clear();
        event.event();
        std::size_t tagsRead = 0;
        for (const model::CallRecord& record : outlook.log().Of("Tag")) {
            tagsRead += record.kind == model::CallRecord::Kind::Get;
        }
        EXPECT_EQ(event.tagsRead, tagsRead) << event.name;
        EXPECT_EQ(Menu(ours), MenuShown()) << event.name;
    }
}

TEST_F(ContextMenu, AnItemLivesUntilItsClickReturnsThoughTheClickDropsIt) {
    // A call to oneself: the message box keeps Skype's messages flowing, and
    // the status change that arrives resets the menu, as the window does.
    const std::string key = client->AdviseConnectionStatus([this](ConnectionStatus status) {
        if (status != kConnectionOnline) menu.Reset();
    });
    menu.SetContact(Contact(L"Tandrel Demo", L"tandrel.demo"));
    Bars()->RightClick();
    boost::weak_ptr<CSkypeTargetButton> clicked = menu.GetButtons().at(0);
    bool aliveAfterReset = false;
    model.ui.whileModal = [&] {
        skype.SetConnectionStatus("OFFLINE");
        aliveAfterReset = menu.GetButtons().empty() && !clicked.expired();
    };
    EXPECT_TRUE(ButtonAt(Bars()->FindBar(office::kContextMenuName), 3)->Click());
    EXPECT_EQ(1u, model.ui.messageBoxes.size());
    EXPECT_TRUE(aliveAfterReset);
    EXPECT_TRUE(clicked.expired());
    client->Unadvise(key);
}

}  // namespace
