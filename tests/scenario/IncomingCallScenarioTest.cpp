// A Skype call comes in while Outlook runs with the add-in: which calls
// show the caller's window, whom it names, what its button does, and when
// it goes.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "model/world/OutlookUser.h"
#include "model/world/World.h"
#include "resources/DialogIds.h"
#include "skype/Skype.h"
#include "skype/SkypeProtocol.h"
#include "util/Settings.h"
#include "util/Trace.h"

namespace {

using Strings = std::vector<std::string>;

// The incoming call window as the user reads it; `shown` false when none
// ever opened.
struct Window {
    bool shown = false;
    bool open = false;
    std::string name, from, button;
};
bool operator==(const Window& a, const Window& b) {
    return a.shown == b.shown && a.open == b.open && a.name == b.name && a.from == b.from &&
           a.button == b.button;
}
std::ostream& operator<<(std::ostream& out, const Window& w) {
    if (!w.shown) return out << "(no window)";
    return out << (w.open ? "open" : "closed") << " \"" << w.name << "\" \"" << w.from << "\" ["
               << w.button << "]";
}

constexpr char kOpen[] = "Open contact";
constexpr char kCreate[] = "Create contact";

// Outlook started on its Contacts with the add-in loaded and Skype
// attached: a world of its own for each row of a table.
class Desk {
  public:
    Desk() {
        CTrace::ResetForTesting();
        skype.Start();
        model.registry.SetBinary(settings::kRoot, settings::kKeyPath, settings::kFirstRunImport,
                                 {1});
    }
    ~Desk() {
        user.Quit();
        EXPECT_EQ(0u, model.CaughtExceptions()) << told.str();
        CTrace::ResetForTesting();
    }
    void Start() {
        EXPECT_TRUE(user.Start(outlook.contacts())) << told.str();
        model.desktop.Advance(skype_protocol::kDiscoveryPeriodMs);
    }

    // The last incoming call window.
    Window Shown() const {
        Window window;
        for (std::size_t index = model.ui.dialogs.size(); index-- > 0;) {
            if (model.ui.dialogs[index].templateId != ids::kIncomingCallDialog) continue;
            const auto& controls = model.ui.DialogControls(index);
            window.shown = true;
            window.open = model.ui.DialogOpen(index);
            window.name = controls.at(ids::kIncomingCallName).text;
            window.from = controls.at(ids::kIncomingCallFrom).text;
            window.button = controls.at(ids::kIncomingCallContact).text;
            break;
        }
        return window;
    }
    std::size_t WindowsShown() const {
        std::size_t shown = 0;
        for (const auto& dialog : model.ui.dialogs) {
            shown += dialog.templateId == ids::kIncomingCallDialog ? 1 : 0;
        }
        return shown;
    }
    void Setting(const char* name, bool on) {
        model.registry.SetBinary(settings::kRoot, settings::kKeyPath, name, {std::uint8_t(on)});
    }
    void CountryCode(int code) {
        model.registry.SetDword(settings::kRoot, settings::kKeyPath, settings::kCountryCode, code);
    }
    model::ModelContactItemPtr Contact(const std::wstring& name, const char* field = nullptr,
                                       const std::wstring& value = L"") {
        model::ModelOutlook::Properties fields = {{"FullName", name}};
        if (field != nullptr) fields.push_back({field, value});
        return outlook.AddContact(outlook.contacts(), fields);
    }
    model::ModelContactItemPtr SkypeContact(const std::wstring& name,
                                            const std::wstring& skypeName) {
        const model::ModelContactItemPtr contact = Contact(name);
        contact->AddUserProperty(L"Skype Name", host::Variant::Bstr(skypeName));
        return contact;
    }
    std::size_t Asked() const {
        std::size_t asked = 0;
        for (const std::string& command : skype.CommandTexts()) {
            asked += command.compare(0, 9, "GET CALL ") == 0 ? 1 : 0;
        }
        return asked;
    }

    model::World world;
    model::ModelPlatform& model = world.platform;
    model::ModelSkype& skype = world.skype;
    model::ModelOutlook& outlook = world.outlook;
    std::ostringstream told;
    model::Printer printer{told, [this]() { return model.desktop.Now(); }};
    model::OutlookUser user{outlook, world, printer};
};

TEST(IncomingCall, TheCallersWindowNamesTheContactItComesFrom) {
    const struct {
        const char* name;
        std::function<void(Desk&)> before;
        std::string caller;  // a Skype name, or a number
        const char* then;    // what Skype says next: a STATUS, or "" (it still rings)
        Window window;
        std::size_t asked;  // "GET CALL" commands Skype received
    } cases[] = {
        {"a contact's Skype Name",
         [](Desk& d) {
             d.Contact(L"Alice Wonder");  // her name comes second to her Skype Name
             d.SkypeContact(L"Jane Doe", L"alice.wonder");
         },
         "alice.wonder",
         "",
         {true, true, "Jane Doe", "alice.wonder", kOpen},
         3},
        {"a buddy's full name",
         [](Desk& d) { d.Contact(L"Bob Builder"); },
         "bob.builder",
         "",
         {true, true, "Bob Builder", "bob.builder", kOpen},
         3},
        {"Skype's display name of a stranger",
         [](Desk& d) { d.Contact(L"Erin Visitor"); },
         "erin.visitor",
         "",
         {true, true, "Erin Visitor", "erin.visitor", kOpen},
         3},
        {"nobody known",
         [](Desk& d) { d.SkypeContact(L"Jane Doe", L"alice.wonder"); },
         "zed.unknown",
         "",
         {true, true, "zed.unknown", "zed.unknown", kCreate},
         3},
        {"a number stored in national form",
         [](Desk& d) {
             d.CountryCode(44);
             d.Contact(L"Bob Builder", "HomeTelephoneNumber", L"(0161) 496-0000");
         },
         "+441614960000",
         "",
         {true, true, "Bob Builder", "+441614960000", kOpen},
         3},
        {"a number stored in international form, no default country",
         [](Desk& d) {
             d.Contact(L"Carol Nguyen", "Business2TelephoneNumber", L"+44 20 7946 0018 x12");
         },
         "+442079460018",
         "",
         {true, true, "Carol Nguyen", "+442079460018", kOpen},
         3},
        {"a national number without a default country is nobody's, and nobody is asked",
         [](Desk& d) { d.Contact(L"Bob Builder", "HomeTelephoneNumber", L"(0161) 496-0000"); },
         "+441614960000",
         "",
         {true, true, "+441614960000", "+441614960000", kCreate},
         3},
        {"two contacts hold the number: the first in the folder",
         [](Desk& d) {
             d.CountryCode(44);
             d.Contact(L"Fax Only", "BusinessFaxNumber", L"07700 900123");
             d.Contact(L"First Holder", "MobileTelephoneNumber", L"07700 900123");
             d.Contact(L"Second Holder", "PrimaryTelephoneNumber", L"+44 7700 900123");
         },
         "+447700900123",
         "",
         {true, true, "First Holder", "+447700900123", kOpen},
         3},
        {"\"ScreenPop\" off",
         [](Desk& d) {
             d.SkypeContact(L"Jane Doe", L"alice.wonder");
             d.Setting(settings::kScreenPop, false);
         },
         "alice.wonder",
         "",
         {},
         0},
        {"answered: the window goes",
         [](Desk& d) { d.SkypeContact(L"Jane Doe", L"alice.wonder"); },
         "alice.wonder",
         "INPROGRESS",
         {true, false, "Jane Doe", "alice.wonder", kOpen},
         3},
        {"missed: the window goes",
         nullptr,
         "+15550100",
         "MISSED",
         {true, false, "+15550100", "+15550100", kCreate},
         3},
        {"on hold before it was answered: the window goes",
         nullptr,
         "zed.unknown",
         "ONHOLD",
         {true, false, "zed.unknown", "zed.unknown", kCreate},
         3},
        {"ringing at the other end of an outgoing call",
         [](Desk& d) { d.SkypeContact(L"Jane Doe", L"alice.wonder"); },
         "",
         "",
         {},
         3},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        Desk desk;
        if (each.before) each.before(desk);
        desk.Start();
        desk.skype.ClearReceived();
        if (each.caller.empty()) {
            // The user calls; Skype announces that it rings there.
            desk.world.Client()->SkypeIPCall(L"alice.wonder");
            desk.skype.SetCallStatus(desk.skype.KnownCalls().back().id, "RINGING");
        } else {
            desk.skype.Ring(each.caller);
        }
        if (*each.then) desk.skype.SetCallStatus(desk.skype.KnownCalls().back().id, each.then);
        EXPECT_EQ(each.window, desk.Shown());
        EXPECT_EQ(each.asked, desk.Asked());
        EXPECT_TRUE(desk.model.ui.dialogs.size() == desk.WindowsShown())
            << "no other dialog, no country chooser";
    }
}

TEST(IncomingCall, TheWindowsButtonOpensOrMakesTheContactAndCloseLeavesTheCallRinging) {
    const struct {
        const char* name;
        std::string caller;
        const char* button;
        // What Outlook then shows: the contact's FullName, its "Skype Name"
        // and mobile number; nothing when `displayed` is false.
        bool displayed;
        std::wstring fullName, skypeName, mobile;
        bool created;  // a new contact, in no folder
    } cases[] = {
        {"a known caller", "alice.wonder", kOpen, true, L"Jane Doe", L"alice.wonder", L"", false},
        {"a Skype user nobody knows", "erin.visitor", kCreate, true, L"Erin Visitor",
         L"erin.visitor", L"", true},
        {"a number nobody knows", "+15550100", kCreate, true, L"", L"", L"+15550100", true},
        {"Close", "alice.wonder", "Close", false, L"", L"", L"", false},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        Desk desk;
        desk.SkypeContact(L"Jane Doe", L"alice.wonder");
        desk.Start();
        desk.skype.Ring(each.caller);
        ASSERT_TRUE(desk.user.Click(each.button)) << desk.told.str();
        EXPECT_FALSE(desk.Shown().open);
        EXPECT_NE(0, desk.skype.RingingCall()) << "the call still rings";
        EXPECT_EQ(1u, desk.outlook.contacts()->items().size()) << "nothing saved";
        EXPECT_EQ(each.created ? 1u : 0u, desk.outlook.createdItems().size());
        const model::ModelInspectorPtr front = desk.user.inspector();
        ASSERT_EQ(each.displayed, static_cast<bool>(front));
        if (!front) continue;
        const auto contact =
            boost::dynamic_pointer_cast<model::ModelContactItem>(front->currentItem());
        ASSERT_TRUE(contact);
        EXPECT_EQ(each.fullName, contact->Property("FullName").bstr());
        EXPECT_EQ(each.skypeName, contact->UserPropertyValue(L"Skype Name").bstr());
        EXPECT_EQ(each.mobile, contact->Property("MobileTelephoneNumber").bstr());
        if (!each.created) {
            EXPECT_EQ(desk.outlook.contacts()->items()[0], front->currentItem());
        }
    }
}

TEST(IncomingCall, WhatSkypeSaysOfACallerIsShownAsTextAndSearchedAsAValue) {
    Desk desk;
    desk.SkypeContact(L"Owen O'Brien", L"o'brien");
    model::SkypeUser hostile;
    hostile.handle = "eve.hostile";
    hostile.fullName = "Eve\t\"Evil\" & Co [x] " + std::string(200, 'e');
    desk.skype.AddUser(hostile);
    desk.Start();

    desk.skype.Ring("o'brien");
    EXPECT_EQ((Window{true, true, "Owen O'Brien", "o'brien", kOpen}), desk.Shown());
    desk.skype.SetCallStatus(desk.skype.RingingCall(), "FINISHED");

    desk.skype.Ring("eve.hostile");
    const Window shown = desk.Shown();
    EXPECT_EQ(kCreate, shown.button);
    EXPECT_EQ("Eve \"Evil\" & Co [x] " + std::string(64 - 3 - 20, 'e') + "...", shown.name);
    EXPECT_EQ(64u, shown.name.size());
}

}  // namespace
