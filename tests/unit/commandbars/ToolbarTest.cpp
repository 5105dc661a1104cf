// CToolbar on the model command bars: the bar and its controls as loaded,
// its place kept between windows, a host that refuses, the combo boxes for
// each kind of item, and what a click on them dials.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "ToolbarFixture.h"
#include "host/ComError.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Text.h"

namespace {

using platform::RegistryRoot;
using Strings = std::vector<std::string>;
using commandbars_test::Without;

const std::string kMissing = "VT_ERROR 0x80020004 (missing)";

// The bar as Outlook 2002 and later show it, before any item is offered.
const char kLoaded[] =
    "bar \"tandrel\" position 1 hidden\n"
    "1 combo \"Skype: \" width 250 label text \"\" list [] tooltip \"Choose or enter the Skype "
    "Name of the person you want to contact\"\n"
    "2 button icon face 610 picture 229 mask 227 tooltip \"Start a Skype IP Telephony call to "
    "Contact\"\n"
    "3 button icon face 162 picture 228 mask 227 tooltip \"Send a Skype Instant Message to "
    "Contact\"\n"
    "4 combo \"SkypeOut: \" width 300 label text \"\" list [] group tooltip \"Choose or enter "
    "the telephone number you want to dial using SkypeOut\"\n"
    "5 button icon face 568 picture 225 mask 227 tooltip \"Start a SkypeOut IP Telephony call "
    "to Contact\"\n"
    "6 button icon face 734 group tooltip \"Buy SkypeOut minutes from Skype to make cheap calls "
    "to landlines\"\n"
    "7 popup \"Help\" group tooltip \"Tandrel Outlook Add-In Help\"\n"
    "  7.1 button \"Tandrel Help\" icon+caption face 984 group\n"
    "  7.2 button \"Options\" caption group\n"
    "  7.3 button \"Check for Update\" caption\n"
    "  7.4 button \"Contact Us\" caption group\n"
    "  7.5 button \"About Tandrel\" caption group\n";

class Toolbar : public commandbars_test::ToolbarFixture {
  protected:
    CToolbar& Loaded(bool restore = false) {
        toolbar.Load(office::CommandBars(bars), restore);
        return toolbar;
    }
    // "Call Add ..." records since the last Forget().
    Strings Adds() const {
        Strings adds;
        for (const model::CallRecord& record : log.records()) {
            if (record.member != "Add") continue;
            std::string add = "Add";
            for (const host::Variant& arg : record.args) add += " " + arg.Describe();
            adds.push_back(add);
        }
        return adds;
    }
    void Store(const char* name, std::uint32_t value) {
        model.registry.SetDword(RegistryRoot::CurrentUser, settings::kKeyPath, name, value);
    }
    std::string Stored(const char* name) const {
        const CRegistryValuePtr value = settings::Read(name);
        return value ? value->GetText() : "absent";
    }
    std::string Place() const {
        const model::ModelCommandBarPtr found = bars->FindBar(CToolbar::kBarName);
        if (!found) return "(none)";
        std::string place;
        for (const char* property : {"Position", "Left", "Top", "RowIndex"}) {
            std::int32_t value = 0;
            found->Read(property).ToInt32(&value);
            place += (place.empty() ? "" : " ") + std::to_string(value);
        }
        return place;
    }
    CToolbar toolbar{outlook.application(), Shared()};
};

TEST_F(Toolbar, LoadAddsTheBarAndItsControlsInOrderWithTheArgumentsOfficeTakes) {
    const struct {
        const wchar_t* version;
        bool pictures;
    } versions[] = {{L"11.0.5608.0", true}, {L"10.0.2627.1", true}, {L"9.0.0.3821", false}};
    for (const auto& each : versions) {
        outlook.SetVersion(each.version);
        CToolbar loaded(outlook.application(), Shared());
        Forget();
        loaded.Load(office::CommandBars(bars), false);
        const std::string shown =
            each.pictures
                ? kLoaded
                : Without(Without(Without(Without(kLoaded, " picture 229"), " picture 228"),
                                  " picture 225"),
                          " mask 227");
        EXPECT_EQ(shown, Shown()) << "Outlook " << text::ToAnsi(each.version);
        const std::string combo = "Add VT_I4 4 " + kMissing + " " + kMissing + " " + kMissing;
        const std::string button = "Add VT_I4 1 " + kMissing + " " + kMissing + " " + kMissing;
        EXPECT_EQ(
            (Strings{"Add VT_BSTR \"tandrel\" VT_I4 1 " + kMissing + " VT_I2 -1",
                     combo + " VT_I2 -1", button + " VT_I2 0", button + " VT_I2 0",
                     combo + " VT_I2 -1", button + " VT_I2 0", button + " VT_I2 0",
                     "Add VT_I4 10 " + kMissing + " " + kMissing + " " + kMissing + " VT_I2 -1",
                     button + " VT_I2 0", button + " VT_I2 0", button + " VT_I2 0",
                     button + " VT_I2 0", button + " VT_I2 0"}),
            Adds());
        EXPECT_TRUE(bars->FindBar(CToolbar::kBarName)->temporary());
        Forget();
        loaded.Load(office::CommandBars(bars), false);  // loaded: nothing more
        EXPECT_EQ("", Calls());
        loaded.Show(true);
        EXPECT_EQ("Visible VT_BOOL -1", Calls());
        loaded.Unload(false);
        loaded.Unload(false);
        EXPECT_EQ("(none)", Shown());
        EXPECT_EQ(2u, bars->bars().size());  // Office's own are left alone
    }
}

TEST_F(Toolbar, ABarLeftOverFromAnEarlierRunIsReplaced) {
    const model::ModelCommandBarPtr old = bars->AddBar(CToolbar::kBarName, 1);
    bars->AddBar(L"Tandrel", 1);  // names compare exactly
    Loaded();
    int ours = 0;
    for (const model::ModelCommandBarPtr& each : bars->bars()) {
        ours += each->name() == CToolbar::kBarName;
    }
    EXPECT_EQ(1, ours);
    EXPECT_TRUE(old->deleted());
    EXPECT_NE(old, bars->FindBar(CToolbar::kBarName));
    EXPECT_NE(nullptr, bars->FindBar(L"Tandrel"));
}

TEST_F(Toolbar, TheBarDocksWhereItWasAndAnExplorerPutsItBackExactly) {
    const struct {
        const char* name;
        std::optional<std::uint32_t> position;
        bool restore;
        int refusedAdds;
        std::string place;  // Position Left Top RowIndex after Load
    } cases[] = {
        {"nothing stored", std::nullopt, true, 0, "1 0 0 1"},
        {"stored bottom", 3, false, 0, "3 0 0 1"},
        {"stored and restored", 3, true, 0, "3 40 20 2"},
        {"a position Office refuses", 77, true, 0, "1 40 20 2"},
        {"Office refuses the bar twice", 77, true, 2, "(none)"},
    };
    for (const auto& c : cases) {
        model.registry.DeleteTree(RegistryRoot::CurrentUser, settings::kKeyPath);
        if (c.position) Store(settings::kPosition, *c.position);
        if (c.restore && c.place != "1 0 0 1") {
            Store(settings::kLeft, 40);
            Store(settings::kTop, 20);
            Store(settings::kRow, 2);
        }
        bars->FailNext("Add", host::hr::kInvalidArg, c.refusedAdds);
        CToolbar loaded(outlook.application(), Shared());
        loaded.Load(office::CommandBars(bars), c.restore);
        EXPECT_EQ(c.place, Place()) << c.name;
        Forget();
        loaded.ItemChange(Contact(L"Jane Doe", L"alice.wonder"));
        loaded.Show(true);
        loaded.Unload(true);
        if (c.refusedAdds > 0) {
            EXPECT_EQ("", Calls()) << c.name;  // nothing held, nothing touched
        }
    }

    // Moved by the user, saved when the window closes, back in the next.
    model.registry.DeleteTree(RegistryRoot::CurrentUser, settings::kKeyPath);
    Loaded(true);
    const model::ModelCommandBarPtr bar = bars->FindBar(CToolbar::kBarName);
    bar->Write("Position", host::Variant::I4(4));
    bar->Write("Left", host::Variant::I4(300));
    bar->Write("Top", host::Variant::I4(200));
    bar->Write("RowIndex", host::Variant::I4(5));
    toolbar.Unload(true);
    EXPECT_EQ((Strings{"4", "300", "200", "5"}),
              (Strings{Stored(settings::kPosition), Stored(settings::kLeft), Stored(settings::kTop),
                       Stored(settings::kRow)}));
    Loaded(true);
    EXPECT_EQ("4 300 200 5", Place());
    toolbar.Unload(false);
    Loaded(false);  // an Inspector's toolbar: the position only
    EXPECT_EQ("4 0 0 1", Place());
    toolbar.Unload(false);

    // Saving asks for write access only: a key the user may write but not
    // read still keeps the place.
    model.registry.DenyReads(RegistryRoot::CurrentUser, settings::kKeyPath);
    Loaded(true);
    bars->FindBar(CToolbar::kBarName)->Write("Position", host::Variant::I4(2));
    toolbar.Unload(true);
    model::RegistryValueData saved;
    ASSERT_TRUE(model.registry.GetRaw(RegistryRoot::CurrentUser, settings::kKeyPath,
                                      settings::kPosition, &saved));
    EXPECT_EQ((std::vector<std::uint8_t>{2, 0, 0, 0}), saved.bytes);
}

TEST_F(Toolbar, ControlsOfficeRefusesAreLeftOutAndSkippedLater) {
    const struct {
        const char* name;
        int refused;  // Adds refused on the new bar, from the first
    } cases[] = {{"every control", 100}, {"the Skype combo", 1}};
    for (const auto& c : cases) {
        bars->onBarAdded = [&c](const model::ModelCommandBarPtr& bar) {
            boost::static_pointer_cast<model::ModelObject>(bar->controls())
                ->FailNext("Add", host::hr::kFail, c.refused);
        };
        CToolbar loaded(outlook.application(), Shared());
        loaded.Load(office::CommandBars(bars), false);
        loaded.ItemChange(Contact(L"Jane Doe", L"alice.wonder", {{L"Mobile: ", L"+44 555 123"}}));
        if (c.refused == 1) {  // the call button comes first; the SkypeOut side is whole
            EXPECT_EQ(nullptr, Combo(1)) << Shown();
            EXPECT_EQ(L"Mobile: +44 555 123 (Jane Doe)", Combo(3)->text()) << Shown();
        } else {
            EXPECT_EQ("bar \"tandrel\" position 1 hidden\n", Shown());
        }
        loaded.Unload(true);
        EXPECT_EQ("(none)", Shown()) << c.name;
    }
}

TEST_F(Toolbar, TheComboBoxesOfferWhatTheItemHolds) {
    const std::string buddies =
        "[\"alice.wonder (Online)\", \"bob.builder (Away)\", \"carol.nguyen (Not Available)\", "
        "\"dave.li (Offline)\", \"echo123 (Online)\", \"john.smith1 (Do Not Disturb)\"]";
    const std::string skypePrompt = "Enter a skype name to contact";
    const std::string phonePrompt = "Enter a phone number to dial via SkypeOut";
    const std::vector<CContact::Telephone> twoNumbers = {{L"Mobile: ", L"+44 555 123"},
                                                         {L"Business: ", L"020 7946 0018"}};
    const struct {
        const char* name;
        std::function<void(CToolbar&)> offer;
        std::string skypeText, callTag, skypeOutText, skypeOutList, skypeOutTag;
    } cases[] = {
        {"nothing usable", [](CToolbar& t) { t.ItemChange(); }, skypePrompt, "", phonePrompt, "[]",
         ""},
        {"a contact with a buddy's Skype name and two numbers",
         [&](CToolbar& t) { t.ItemChange(Contact(L"Jane Doe", L"alice.wonder", twoNumbers)); },
         "alice.wonder (Online)", "alice.wonder", "Mobile: +44 555 123 (Jane Doe)",
         "[\"Mobile: +44 555 123 (Jane Doe)\", \"Business: 020 7946 0018 (Jane Doe)\"]",
         "+44 555 123"},
        {"a Skype name that is no buddy, no numbers",
         [&](CToolbar& t) { t.ItemChange(Contact(L"Al Ice", L"alice")); }, "alice", "alice",
         phonePrompt, "[]", ""},
        {"no Skype name, a buddy of that name",
         [&](CToolbar& t) { t.ItemChange(Contact(L"Bob Builder", L"")); }, "bob.builder (Away)",
         "bob.builder", phonePrompt, "[]", ""},
        {"no Skype name, no such buddy",
         [&](CToolbar& t) { t.ItemChange(Contact(L"Zoe Quist", L"")); }, skypePrompt, "",
         phonePrompt, "[]", ""},
        {"a mail whose sender has no Skype name",
         [&](CToolbar& t) {
             t.ItemChange(
                 CMailPtr(new CMail(Contact(L"Zoe Quist", L""), {L"echo123", L"dave.li"})));
         },
         "echo123 (Online)", "echo123", phonePrompt, "[]", ""},
        {"a mail whose sender has a Skype name",
         [&](CToolbar& t) {
             t.ItemChange(
                 CMailPtr(new CMail(Contact(L"Carol Nguyen", L"carol.nguyen"), {L"echo123"})));
         },
         "carol.nguyen (Not Available)", "carol.nguyen", phonePrompt, "[]", ""},
        {"a mail without a sender",
         [&](CToolbar& t) { t.ItemChange(CMailPtr(new CMail(CContactPtr(), {L"echo123"}))); },
         skypePrompt, "", phonePrompt, "[]", ""},
        {"several contacts after one: kept",
         [&](CToolbar& t) {
             t.ItemChange(Contact(L"Al Ice", L"alice"));
             t.ItemChange(std::vector<CContactPtr>{Contact(L"A B", L"a"), Contact(L"C D", L"c")});
         },
         "alice", "alice", phonePrompt, "[]", ""},
    };
    Loaded();
    for (const auto& c : cases) {
        c.offer(toolbar);
        const std::string shown = Shown();
        const std::string tag = " tag \"" + c.callTag + "\"+id";
        const std::string outTag = " tag \"" + c.skypeOutTag + "\"+id";
        const std::string index = c.skypeOutList == "[]" ? "" : " index 1";
        EXPECT_NE(std::string::npos,
                  shown.find("label text \"" + c.skypeText + "\" list " + buddies))
            << c.name << "\n"
            << shown;
        EXPECT_NE(std::string::npos, shown.find("mask 227" + tag + " tooltip \"Start a Skype IP"))
            << c.name << "\n"
            << shown;
        EXPECT_NE(std::string::npos, shown.find("mask 227" + tag + " tooltip \"Send a Skype"))
            << c.name << "\n"
            << shown;
        EXPECT_NE(std::string::npos, shown.find("label text \"" + c.skypeOutText + "\"" + index +
                                                " list " + c.skypeOutList + " group"))
            << c.name << "\n"
            << shown;
        EXPECT_NE(std::string::npos,
                  shown.find("mask 227" + outTag + " tooltip \"Start a SkypeOut"))
            << c.name << "\n"
            << shown;
    }
}

TEST_F(Toolbar, AClickDialsTheEntryItsComboShowsOrWhatTheUserTyped) {
    const struct {
        const char* name;
        int combo;             // 1 Skype, 4 SkypeOut
        int pick;              // entry picked, 0: none
        const wchar_t* typed;  // typed instead, when not null
        Strings commands;
    } cases[] = {
        {"the first number, as offered", 4, 0, nullptr, {"FOCUS", "CALL +442079460018"}},
        {"a name with a parenthesis and a digit", 4, 2, nullptr, {"FOCUS", "CALL +447700900123"}},
        {"typed with a remark",
         4,
         0,
         L"Home: +44 7700 900555 (Flat 3 (Home))",
         {"FOCUS", "CALL +4477009005553"}},
        {"typed without a remark", 4, 0, L"+44 7700 900555", {"FOCUS", "CALL +447700900555"}},
        {"a buddy picked", 1, 2, nullptr, {"CALL bob.builder"}},
        {"the name as offered", 1, 0, nullptr, {"CALL alice.wonder"}},
        {"a name typed without a remark", 1, 0, L"echo123", {"CALL echo123"}},
    };
    Loaded();
    for (const auto& c : cases) {
        toolbar.ItemChange(
            Contact(L"Flat 3 (Home)", L"alice.wonder",
                    {{L"Business: ", L"+44 20 7946 0018"}, {L"Mobile: ", L"+44 7700 900123"}}));
        if (c.pick) Combo(c.combo)->Pick(c.pick);
        if (c.typed) Combo(c.combo)->TypeText(c.typed);
        skype.ClearReceived();
        ButtonAt(bars->FindBar(CToolbar::kBarName), c.combo + 1)->Click();
        EXPECT_EQ(c.commands, Commands()) << c.name << "\n" << Shown();
    }
}

// The Skype combo keeps its list while the buddies would show the same:
// whatever happened since, the toolbar then shows exactly what a toolbar
// filled afresh in another window shows, and its buttons dial the same.
TEST_F(Toolbar, AListKeptShowsAndDialsWhatAFreshFillWould) {
    const std::vector<CContact::Telephone> twoNumbers = {{L"Mobile: ", L"+44 555 123"},
                                                         {L"Business: ", L"020 7946 0018"}};
    const auto alice = [&](CToolbar& t) {
        t.ItemChange(Contact(L"Jane Doe", L"alice.wonder", twoNumbers));
    };
    const auto none = [] {};
    const struct {
        const char* name;
        std::function<void()> meanwhile;  // Skype, the user or Office, before the offer
        std::function<void(CToolbar&)> offer;
        bool refilled;  // the Skype combo's list made again
        int pick;       // the Skype combo's entry the user then picks (0: none)
    } steps[] = {
        {"the first offer", none, alice, true, 0},
        {"the same contact again", none, alice, false, 2},
        {"a contact matched by its full name", none,
         [&](CToolbar& t) { t.ItemChange(Contact(L"Bob Builder", L"")); }, false, 0},
        {"after the user typed a name", [&] { Combo(1)->TypeText(L"someone (else)"); },
         [](CToolbar& t) { t.ItemChange(); }, false, 0},
        {"after the user picked an entry", [&] { Combo(1)->Pick(4); }, alice, false, 0},
        {"after a buddy's status changed",
         [&] { skype.SetUserProperty("bob.builder", "ONLINESTATUS", "ONLINE"); }, alice, true, 2},
        {"after the same status again",
         [&] { skype.SetUserProperty("bob.builder", "ONLINESTATUS", "ONLINE"); }, alice, false, 0},
        {"after a full name changed",
         [&] { skype.SetUserProperty("carol.nguyen", "FULLNAME", "Carol Smith"); },
         [&](CToolbar& t) { t.ItemChange(Contact(L"Zed Smith", L"")); }, false, 0},
        {"a mail naming someone not listed yet", none,
         [&](CToolbar& t) {
             t.ItemChange(CMailPtr(new CMail(Contact(L"Zoe Quist", L""), {L"erin.visitor"})));
         },
         true, 7},
        {"a mail naming listed buddies only", none,
         [&](CToolbar& t) {
             t.ItemChange(
                 CMailPtr(new CMail(Contact(L"Carol Nguyen", L"carol.nguyen"), {L"echo123"})));
         },
         false, 0},
        {"after Skype's list sorted the newcomer in", [&] { Reply("USERS echo123"); }, alice, true,
         3},
        {"after the list was emptied (loaded again at once)", [&] { client->OnDestoy(); },
         [](CToolbar& t) { t.ItemChange(); }, true, 6},
        {"unloaded and loaded again in its window",
         [&] {
             toolbar.Unload(false);
             toolbar.Load(office::CommandBars(bars), false);
         },
         alice, true, 0},
        {"after a fill that Office refused half way",
         [&] {
             skype.SetUserProperty("dave.li", "ONLINESTATUS", "AWAY");
             Combo(1)->FailNext("AddItem", host::hr::kAccessDenied);
             EXPECT_THROW(toolbar.ItemChange(), host::ComError);
         },
         alice, true, 4},
    };
    Loaded();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.meanwhile();
        Forget();
        step.offer(toolbar);
        // Both combo boxes are cleared for a new list; the SkypeOut one always.
        EXPECT_EQ(step.refilled ? 2u : 1u, log.Of("Clear").size());

        model::CallLog freshLog;
        const model::ModelCommandBarsPtr freshBars = model::ModelCommandBars::Create(&freshLog);
        CToolbar fresh(outlook.application(), Shared());
        fresh.Load(office::CommandBars(freshBars), false);
        step.offer(fresh);
        const model::ModelCommandBarPtr freshBar = freshBars->FindBar(CToolbar::kBarName);
        ASSERT_TRUE(freshBar);
        ASSERT_EQ(model::DescribeBar(*freshBar), Shown());

        const auto freshCombo = [&freshBar](int position) {
            return boost::dynamic_pointer_cast<model::ModelCommandBarComboBox>(
                freshBar->controls()->controls().at(position - 1));
        };
        if (step.pick) {
            ASSERT_TRUE(Combo(1)->Pick(step.pick));
            ASSERT_TRUE(freshCombo(1)->Pick(step.pick));
        }
        for (int button : {2, 3, 5}) {
            skype.ClearReceived();
            ButtonAt(bars->FindBar(CToolbar::kBarName), button)->Click();
            const Strings kept = Commands();
            skype.ClearReceived();
            ButtonAt(freshBar, button)->Click();
            EXPECT_EQ(Commands(), kept) << "button " << button;
        }
        fresh.Unload(false);
    }
}

TEST_F(Toolbar, RefusedDeleteClearAndAddItemRaiseTheirComErrors) {
    const struct {
        int combo;  // the combo box that refuses; 0: a left-over bar
        const char* member;
        host::Guid iid;
        std::function<void(CToolbar&)> run;
    } cases[] = {
        {0, "Delete", office::kIID_CommandBar, nullptr},
        {4, "Clear", office::kIID_CommandBarComboBox, [](CToolbar& t) { t.ItemChange(); }},
        {1, "AddItem", office::kIID_CommandBarComboBox, [](CToolbar& t) { t.ItemChange(); }},
        {1, "Delete", office::kIID_CommandBarControl, [](CToolbar& t) { t.Unload(false); }},
    };
    for (const auto& c : cases) {
        CToolbar loaded(outlook.application(), Shared());
        if (c.combo == 0) {
            bars->AddBar(CToolbar::kBarName, 1)->FailNext(c.member, host::hr::kAccessDenied);
        } else {
            loaded.Load(office::CommandBars(bars), false);
            Combo(c.combo)->FailNext(c.member, host::hr::kAccessDenied);
        }
        try {
            c.run ? c.run(loaded) : loaded.Load(office::CommandBars(bars), false);
            ADD_FAILURE() << c.member << ": no COM error";
        } catch (const host::ComError& error) {
            EXPECT_EQ(host::hr::kAccessDenied, error.code()) << c.member;
            EXPECT_EQ(c.iid, error.iid()) << c.member;
        }
        loaded.Unload(false);
        while (const model::ModelCommandBarPtr left = bars->FindBar(CToolbar::kBarName)) {
            bars->Remove(left.get());
        }
    }
}

TEST_F(Toolbar, EachHelpItemAndTheBuyButtonRunTheirCommand) {
    model.registry.SetString(RegistryRoot::CurrentUser, settings::kKeyPath, settings::kHelpLocation,
                             "C:\\Help\\x.chm");
    Loaded();
    const model::ModelCommandBarPtr bar = bars->FindBar(CToolbar::kBarName);
    const auto help =
        boost::static_pointer_cast<model::ModelCommandBarPopup>(bar->controls()->controls().at(6));
    const auto item = [&help](int position) {
        return boost::static_pointer_cast<model::ModelCommandBarButton>(
            help->controls()->controls().at(position - 1));
    };
    item(1)->Click();
    EXPECT_EQ(1u, model.htmlHelp.calls.size());
    item(2)->Click();
    item(5)->Click();
    ASSERT_EQ(2u, model.ui.dialogs.size());
    EXPECT_EQ(109, model.ui.dialogs[0].templateId);
    EXPECT_EQ(207, model.ui.dialogs[1].templateId);
    item(3)->Click();
    EXPECT_EQ(1u, model.internet.requests.size());
    EXPECT_EQ(1u, model.ui.messageBoxes.size());
    item(4)->Click();
    ButtonAt(bar, 6)->Click();
    ASSERT_EQ(2u, model.shell.executions.size());
    EXPECT_EQ(0u, model.shell.executions[0].file.find("mailto:"));
    EXPECT_EQ("https://www.tandrel.example/buy-skypeout", model.shell.executions[1].file);
}

}  // namespace
