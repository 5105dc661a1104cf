// The add-in end to end: windows opening and closing, selections, Skype's
// status, clicks, and what reaches the user, Skype and the settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ScenarioFixture.h"
#include "addin/GuardedExtensibility.h"
#include "outlook/OutlookIds.h"
#include "skype/SkypeProtocol.h"
#include "support/TraceCapture.h"
#include "util/Settings.h"

namespace {

using Scenario = scenario_test::ScenarioFixture;
using platform::RegistryRoot;

const std::wstring kNoSkypeName = L"Enter a skype name to contact";
const std::wstring kNoNumber = L"Enter a phone number to dial via SkypeOut";

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

bool Visible(const std::string& toolbar) {
    return toolbar.compare(0, toolbar.find('\n'), "bar \"tandrel\" position 1 visible") == 0;
}

TEST_F(Scenario, CallingASelectedContactAndSkypeRefusingAName) {
    AddContact(L"Jane Doe", L"alice.wonder", L"+44 555 123");
    const model::ModelExplorerPtr window = StartWith(outlook.contacts());
    const model::ModelCommandBarsPtr bars = window->commandBars();

    ASSERT_TRUE(user.Select({"Jane Doe"})) << told.str();
    EXPECT_EQ(L"Mobile: +44 555 123 (Jane Doe)", SkypeOutText(bars));
    EXPECT_EQ(L"alice.wonder (Online)", SkypeText(bars));
    skype.ClearReceived();
    ASSERT_TRUE(user.Click("call")) << told.str();
    EXPECT_EQ(std::vector<std::string>{"CALL alice.wonder"}, CommandsStartingWith("CALL"));

    ASSERT_TRUE(user.Type("skype", "no.such.user")) << told.str();
    ASSERT_TRUE(user.Click("call")) << told.str();
    ASSERT_EQ(1u, model.ui.messageBoxes.size());
    EXPECT_EQ(
        "The Skype Name supplied is not recognised or refers to the currently logged in user.",
        model.ui.messageBoxes[0].text);
    EXPECT_EQ("Tandrel", model.ui.messageBoxes[0].caption);
}

TEST_F(Scenario, HostileTextNeverReachesSkypeOrItsCommandLine) {
    const char kRefused[] =
        "The Skype Name or phone number contains a quotation mark or a control character, so "
        "Tandrel does not pass it to Skype. Correct the text and try again.";
    const model::ModelContactItemPtr quoted = AddContact(L"Quentin Quote", L"bob\".builder");
    const model::ModelContactItemPtr tabbed = AddContact(L"Tess Tab", L"alice\t.wonder");
    const model::ModelItemPtr mail = outlook.AddMail(outlook.inbox(), L"x@tandrel.example", L"X",
                                                     L"callto://dave.li\"x callto://echo123 y");
    const model::ModelExplorerPtr window = StartWith(outlook.contacts());
    const model::ModelCommandBarsPtr bars = window->commandBars();
    const auto bypass = [this](bool on) {
        model.registry.SetBinary(settings::kRoot, settings::kKeyPath, settings::kBypass,
                                 {std::uint8_t(on)});
    };
    const auto callFromMenu = [&] {
        window->Select({tabbed});
        for (const model::ModelCommandBarControlPtr& item :
             bars->RightClick()->controls()->controls())
            if (item->caption() == L"Call Contact via Skype")
                boost::dynamic_pointer_cast<model::ModelCommandBarButton>(item)->Click();
        bars->CloseContextMenu();
    };
    const std::wstring number = L"+44 20\" 7946 0018";
    const struct {
        const char* path;
        std::function<void()> before;
        const char* combo;  // typed into, then the toolbar's `button` clicked
        std::wstring text;
        const char* button;
        bool refused;      // the user is told, nothing is sent or launched
        const char* sent;  // the call Skype receives otherwise
    } cases[] = {
        {"typed into the Skype box", nullptr, "skype", L"x\" /evil", "call", true, ""},
        {"typed with a NUL inside", nullptr, "skype",
         std::wstring(L"echo\0"
                      L"123",
                      8),
         "chat", true, ""},
        {"a \"Skype Name\" field", [&] { window->Select({quoted}); }, nullptr, L"", "call", true,
         ""},
        {"a context-menu entry's tag", callFromMenu, nullptr, L"", nullptr, true, ""},
        {"SkypeOut with \"Bypass\" on", [&] { bypass(true); }, "skypeout", number, "skypeout", true,
         ""},
        {"SkypeOut converted", [&] { bypass(false); }, "skypeout", number, "skypeout", false,
         "CALL +442079460018"},
        {"a conference", nullptr, "skype", L"alice.wonder, bob.builder", "call", false,
         "CALL alice.wonder, bob.builder"},
        {"Skype's list of friends", [&] { skype.Notify("USERS erin.visitor, a b, c\"d, e\x01f"); },
         nullptr, L"", nullptr, false, ""},
        {"a mail's callto links", [&] { outlook.OpenInspector(mail)->Close(); }, nullptr, L"",
         nullptr, false, ""},
        {"Skype not running, the user would launch it",
         [&] {
             skype.Exit();
             model.ui.QueueAnswer(platform::answer::kYes);
         },
         "skype", L"x\" /evil", "call", true, ""},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.path);
        skype.ClearReceived();
        const std::size_t boxes = model.ui.messageBoxes.size();
        if (each.before) each.before();
        if (each.combo) Combo(bars, each.combo)->TypeText(each.text);
        if (each.button) user.Click(each.button);
        std::vector<std::string> shown;
        for (std::size_t box = boxes; box < model.ui.messageBoxes.size(); ++box)
            shown.push_back(model.ui.messageBoxes[box].text);
        EXPECT_EQ(each.refused ? std::vector<std::string>{kRefused} : std::vector<std::string>{},
                  shown);
        EXPECT_EQ(*each.sent ? std::vector<std::string>{each.sent} : std::vector<std::string>{},
                  CommandsStartingWith("CALL"));
        EXPECT_TRUE(CommandsStartingWith("OPEN").empty());
        for (const std::string& command : skype.CommandTexts()) {
            EXPECT_EQ(std::string::npos, command.find('"')) << command;
            for (char c : command) EXPECT_GE(static_cast<unsigned char>(c), 0x20) << command;
            if (command.compare(0, 9, "GET USER ") == 0) {
                EXPECT_EQ(3, std::count(command.begin(), command.end(), ' ')) << command;
            }
        }
        EXPECT_TRUE(model.shell.executions.empty());
    }
}

TEST_F(Scenario, WhichExplorersAreHookedAtConnectionAndLater) {
    const struct {
        const char* name;
        int existing;
        bool firstActive;
        bool loadedAtOnce;  // the first window's toolbar right after connecting
        bool secondHooked;  // the second existing window gets one on its Activate
    } cases[] = {
        {"no window", 0, false, false, false},
        {"an active window", 2, true, true, false},
        {"no active window", 2, false, false, true},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        model::ModelOutlook fresh;
        std::vector<model::ModelExplorerPtr> windows;
        for (int i = 0; i < each.existing; ++i) windows.push_back(fresh.AddExplorer(fresh.inbox()));
        if (each.firstActive) fresh.SetActiveExplorer(windows[0]);
        SkipFirstRun();
        addin::GuardedExtensibility addIn(addin::CreateAddIn());
        ASSERT_EQ(host::hr::kOk, addIn.OnConnection(fresh.applicationObject(),
                                                    addin::connect_mode::kStartup, nullptr));
        if (each.existing > 0) {
            EXPECT_EQ(each.loadedAtOnce, Toolbar(windows[0]->commandBars()) != "(none)");
            windows[1]->Activate();
            EXPECT_EQ(each.secondHooked, Toolbar(windows[1]->commandBars()) != "(none)");
        }
        // Explorers opened later are hooked and load their toolbar on Activate.
        const model::ModelExplorerPtr later = fresh.OpenExplorer(fresh.inbox());
        EXPECT_TRUE(Visible(Toolbar(later->commandBars()))) << Toolbar(later->commandBars());
        addIn.OnDisconnection(addin::disconnect_mode::kHostShutdown);
        EXPECT_EQ("(none)", Toolbar(later->commandBars()));
    }
}

TEST_F(Scenario, EverySelectionIsClassifiedAndTraced) {
    const model::ModelContactItemPtr jane = AddContact(L"Jane Doe", L"alice.wonder");
    const model::ModelContactItemPtr bob = AddContact(L"Bob Builder", L"bob.builder");
    const model::ModelItemPtr list = outlook.AddDistributionList(outlook.contacts(), L"Team");
    const model::ModelItemPtr mail =
        outlook.AddMail(outlook.inbox(), L"x@tandrel.example", L"Xavier", L"callto://echo123");
    const model::ModelItemPtr meeting =
        outlook.AddMeetingRequest(outlook.inbox(), L"Planning", L"x@tandrel.example");
    const model::ModelExplorerPtr window = StartWith(outlook.contacts());
    testing_support::TraceCapture trace(model.registry);
    trace.Enable();

    const struct {
        const char* name;
        const wchar_t* version;
        model::ModelFolderPtr folder;
        std::vector<model::ModelItemPtr> selection;
        const char* traced;
        int wrappersBuilt;       // CContact or CMail, fresh for this change
        std::wstring skypeText;  // after the change
        bool visible;
    } cases[] = {
        {"one contact",
         L"11.0",
         outlook.contacts(),
         {jane},
         "SingleContact",
         1,
         L"alice.wonder (Online)",
         true},
        {"a distribution list",
         L"11.0",
         outlook.contacts(),
         {list},
         "SingleContact",
         0,
         kNoSkypeName,
         true},
        {"three items, two contacts",
         L"11.0",
         outlook.contacts(),
         {bob, list, jane},
         "MultiContact",
         2,
         kNoSkypeName,
         true},
        {"no contact", L"11.0", outlook.contacts(), {}, "NoContact", 0, kNoSkypeName, true},
        {"one mail", L"11.0", outlook.inbox(), {mail}, "SingleMail", 1, L"echo123 (Online)", true},
        {"a meeting request",
         L"11.0",
         outlook.inbox(),
         {meeting},
         "SingleMail",
         0,
         kNoSkypeName,
         true},
        {"two mails",
         L"11.0",
         outlook.inbox(),
         {mail, meeting},
         "MultiMail",
         0,
         kNoSkypeName,
         true},
        {"no mail", L"11.0", outlook.inbox(), {}, "NoMail", 0, kNoSkypeName, true},
        {"a mail in Outlook 2002",
         L"10.0.2627.1",
         outlook.inbox(),
         {mail},
         "UnSupportedType",
         0,
         kNoSkypeName,
         true},
        {"the calendar",
         L"11.0",
         outlook.calendar(),
         {},
         "UnSupportedType",
         0,
         kNoSkypeName,
         false},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        outlook.SetVersion(each.version);
        window->SwitchFolder(each.folder);
        window->SwitchView();  // the folder-type rule, then the evaluation
        const std::size_t before = trace.Text().size();
        window->Select(each.selection);
        const std::string text = trace.Text().substr(before);
        EXPECT_EQ(1u, Occurrences(text, "ENTR CExplorer::" + std::string(each.traced) + "\n"))
            << text;
        EXPECT_EQ(1u, Occurrences(text, "ENTR CExplorer::GetSelectionCount\n"));
        EXPECT_EQ(each.wrappersBuilt, int(Occurrences(text, "\n        ENTR CContact::CContact\n") +
                                          Occurrences(text, "\n        ENTR CMail::CMail\n")))
            << text;
        if (std::string(each.traced) != "MultiContact") {
            EXPECT_EQ(each.skypeText, SkypeText(window->commandBars()));
        }
        EXPECT_EQ(each.visible, Visible(Toolbar(window->commandBars())));
    }
}

TEST_F(Scenario, AMailWindowIsHookedUnlessWordIsItsEditor) {
    SkipFirstRun();
    ASSERT_EQ(host::hr::kOk, Connect());
    const model::ModelItemPtr mail =
        outlook.AddMail(outlook.inbox(), L"x@tandrel.example", L"Xavier", L"callto://echo123");
    const model::ModelInspectorPtr word = outlook.OpenInspector(mail, outlook::editor_type::kWord);
    EXPECT_EQ("(none)", Toolbar(word->commandBars()));
    const model::ModelInspectorPtr plain = outlook.OpenInspector(mail, outlook::editor_type::kText);
    EXPECT_TRUE(Visible(Toolbar(plain->commandBars())));
    EXPECT_EQ(L"echo123 (Online)", SkypeText(plain->commandBars()));
    // Items that are neither contact nor mail get no controller either.
    const model::ModelInspectorPtr appointment =
        outlook.OpenInspector(outlook.AddAppointment(outlook.calendar(), L"Lunch"));
    EXPECT_EQ("(none)", Toolbar(appointment->commandBars()));
}

TEST_F(Scenario, AnOpenedContactGetsAnEmptySkypeNameFieldUnlessTheSettingSaysNo) {
    const struct {
        const char* name;
        const char* setting;  // "SkypeName": null when absent
        const wchar_t* skypeName;
        int refusedLookups;  // UserProperties.Find failing, not answering "none"
        bool fieldAdded;
    } cases[] = {
        {"setting absent", nullptr, L"", 0, true},
        {"setting true", "T", L"", 0, true},
        {"setting false", "F", L"", 0, false},
        {"contact has a Skype name", nullptr, L"bob.builder", 0, false},
        {"the lookup fails", nullptr, L"", 2, false},
        {"the lookup fails on a contact with a Skype name", nullptr, L"bob.builder", 2, false},
    };
    SkipFirstRun();
    ASSERT_EQ(host::hr::kOk, Connect());
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        model.registry.RemoveValue(settings::kRoot, settings::kKeyPath, settings::kSkypeName);
        if (each.setting) {
            model.registry.SetBinary(settings::kRoot, settings::kKeyPath, settings::kSkypeName,
                                     {std::uint8_t(each.setting[0] == 'T')});
        }
        const model::ModelContactItemPtr contact = AddContact(L"Ann Other", each.skypeName);
        contact->userProperties().FailNext("Find", host::hr::kFail, each.refusedLookups);
        const model::ModelInspectorPtr window = outlook.OpenInspector(contact);
        const model::ModelUserPropertyPtr field =
            contact->userProperties().FindByName(L"Skype Name");
        const bool added = field && std::wstring(each.skypeName).empty();
        EXPECT_EQ(each.fieldAdded, added);
        if (added) {
            EXPECT_EQ(outlook::kUserPropertyText, field->type());
            EXPECT_TRUE(host::Variant::Bstr(L"") == field->value());
        } else if (field) {
            EXPECT_TRUE(host::Variant::Bstr(each.skypeName) == field->value());
        }
        EXPECT_TRUE(Visible(Toolbar(window->commandBars())));
        window->Close();
    }
}

TEST_F(Scenario, SkypeGoingOfflineAndOnlineAgainEmptiesAndRefillsEveryToolbar) {
    AddContact(L"Jane Doe", L"alice.wonder", L"+44 555 123");
    const model::ModelExplorerPtr window = StartWith(outlook.contacts());
    ASSERT_TRUE(user.Select({"Jane Doe"})) << told.str();
    ASSERT_TRUE(user.Open("Jane Doe")) << told.str();
    const std::vector<model::ModelCommandBarsPtr> bars = {window->commandBars(),
                                                          user.inspector()->commandBars()};
    const struct {
        const char* status;
        std::wstring skypeText;
        std::wstring skypeOutText;
    } steps[] = {
        {"OFFLINE", kNoSkypeName, kNoNumber},
        {"ONLINE", L"alice.wonder (Online)", L"Mobile: +44 555 123 (Jane Doe)"},
        {"OFFLINE", kNoSkypeName, kNoNumber},
        {"ONLINE", L"alice.wonder (Online)", L"Mobile: +44 555 123 (Jane Doe)"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.status);
        SkypeStatus(step.status);
        for (const model::ModelCommandBarsPtr& each : bars) {
            EXPECT_EQ(step.skypeText, SkypeText(each));
            EXPECT_EQ(step.skypeOutText, SkypeOutText(each));
        }
    }
    // The same status twice: the second notification changes nothing.
    testing_support::TraceCapture trace(model.registry);
    trace.Enable();
    skype.Notify("CONNSTATUS ONLINE");
    EXPECT_EQ(0u, Occurrences(trace.Text(), "ENTR CExplorer::OnSelectionChange"));
    EXPECT_EQ(0u, Occurrences(trace.Text(), "ENTR CContactInspector::OnItemChange"));
}

// Skype's ONLINE has the toolbar reset while the list is still empty: it
// asks for the list only when the handshake's request is not on its way,
// so that Skype sends one list and is asked about each friend once.
TEST_F(Scenario, SkypeAttachingWithTheToolbarUpIsAskedForOneList) {
    std::vector<std::string> expected = {"NAME Tandrel", "PROTOCOL 4", "GET CURRENTUSERHANDLE",
                                         "GET CONNSTATUS", "SEARCH FRIENDS"};
    for (const char* handle :
         {"alice.wonder", "bob.builder", "carol.nguyen", "dave.li", "echo123", "john.smith1"}) {
        expected.push_back(std::string("GET USER ") + handle + " FULLNAME");
        expected.push_back(std::string("GET USER ") + handle + " ONLINESTATUS");
    }
    const struct {
        const char* name;
        model::ModelSkype::Delivery delivery;
        bool listedAtOnce;  // the list came inside the toolbar's reset
    } cases[] = {
        {"replies inside the sends", model::ModelSkype::Delivery::Immediate, true},
        {"replies posted", model::ModelSkype::Delivery::Posted, false},
    };
    SkipFirstRun();
    const model::ModelContactItemPtr jane = AddContact(L"Jane Doe", L"alice.wonder");
    const model::ModelExplorerPtr window = outlook.AddExplorer(outlook.contacts());
    outlook.SetActiveExplorer(window);
    window->Select({jane});
    const model::ModelCommandBarsPtr bars = window->commandBars();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        skype.SetDelivery(c.delivery);
        skype.ClearReceived();
        model.sleeper.sleeps.clear();
        addin::GuardedExtensibility addIn(addin::CreateAddIn());
        ASSERT_EQ(host::hr::kOk, addIn.OnConnection(outlook.applicationObject(),
                                                    addin::connect_mode::kStartup, nullptr));
        Advance(skype_protocol::kDiscoveryPeriodMs);
        Advance(10);
        EXPECT_EQ(expected, skype.CommandTexts());
        EXPECT_EQ(std::vector<std::uint32_t>{50}, model.sleeper.sleeps);
        if (c.listedAtOnce) {
            EXPECT_EQ(6u, Combo(bars, "skype")->list().size());
        }
        window->Select({jane});
        EXPECT_EQ(6u, Combo(bars, "skype")->list().size());
        EXPECT_EQ(L"alice.wonder (Online)", SkypeText(bars));
        addIn.OnDisconnection(addin::disconnect_mode::kHostShutdown);
    }
}

TEST_F(Scenario, ClosedWindowsStayClosedWhenTheAddInDisconnects) {
    const model::ModelContactItemPtr jane = AddContact(L"Jane Doe", L"alice.wonder");
    const model::ModelMailItemPtr mail =
        outlook.AddMail(outlook.inbox(), L"x@tandrel.example", L"X", L"");
    const long mailHolders = mail.use_count();
    const model::ModelExplorerPtr window = StartWith(outlook.contacts());
    const model::ModelInspectorPtr open = outlook.OpenInspector(jane);
    open->Close();
    outlook.OpenInspector(mail)->Close();
    window->SwitchFolder(outlook.inbox());
    window->Select({mail});
    window->Close();
    window->Select({});
    EXPECT_EQ(mailHolders, mail.use_count());  // the mail shown or selected is let go
    EXPECT_EQ("(none)", Toolbar(window->commandBars()));
    EXPECT_EQ(0u, window->SinkCount(outlook::ExplorerEvents::kDiid));
    EXPECT_EQ(0u, open->SinkCount(outlook::InspectorEvents::kDiid));
    EXPECT_EQ(0u, jane->SinkCount(outlook::ItemEvents::kDiid));
    outlook.log().Clear();
    EXPECT_EQ(host::hr::kOk, Disconnect());
    // The second close handlers touched neither window; the collections
    // were let go and Skype's window is gone.
    for (const model::CallRecord& record : outlook.log().records()) {
        EXPECT_TRUE(record.object == "Explorers" || record.object == "Inspectors")
            << record.object << " " << record.member;
    }
    ASSERT_EQ(1u, skype.AttachedClients().size());
    EXPECT_FALSE(model.desktop.IsWindow(skype.AttachedClients()[0]));
}

TEST_F(Scenario, TheOfferOfHelpComesOncePerUser) {
    model.registry.SetString(settings::kRoot, settings::kKeyPath, settings::kHelpLocation,
                             "C:\\Tandrel\\tandrel.chm");
    model.htmlHelp.helpFiles.insert("C:\\Tandrel\\tandrel.chm");
    model.ui.QueueAnswer(platform::answer::kYes);
    ASSERT_EQ(host::hr::kOk, Connect());
    ASSERT_EQ(1u, model.ui.messageBoxes.size());
    EXPECT_EQ("Would you like help with configuring and using Tandrel",
              model.ui.messageBoxes[0].text);
    EXPECT_EQ("Tandrel Information", model.ui.messageBoxes[0].caption);
    EXPECT_EQ(0x44u, model.ui.messageBoxes[0].flags);
    ASSERT_EQ(1u, model.htmlHelp.calls.size());
    EXPECT_EQ("C:\\Tandrel\\tandrel.chm::/skypecall.htm", model.htmlHelp.calls[0].file);
    Disconnect();

    addin::GuardedExtensibility again(addin::CreateAddIn());
    ASSERT_EQ(host::hr::kOk, again.OnConnection(outlook.applicationObject(),
                                                addin::connect_mode::kStartup, nullptr));
    EXPECT_EQ(1u, model.ui.messageBoxes.size());  // "FirstRunImport" is there now
    again.OnDisconnection(addin::disconnect_mode::kHostShutdown);
}

TEST_F(Scenario, AWholeRunIsOneTrace) {
    SkipFirstRun();
    testing_support::TraceCapture trace(model.registry);
    trace.Enable();
    const model::ModelExplorerPtr window = outlook.AddExplorer(outlook.contacts());
    outlook.SetActiveExplorer(window);
    ASSERT_EQ(host::hr::kOk, Connect());
    window->Select({AddContact(L"Jane Doe", L"alice.wonder")});
    Disconnect();
    const std::string text = trace.Text();
    EXPECT_EQ(1u, Occurrences(text, "#### BEGIN TRACE ####"));
    EXPECT_EQ(0u, text.find("#### BEGIN TRACE ####\nENTR CConnect::OnConnection\n")) << text;
    EXPECT_NE(std::string::npos, text.find("ENTR CExplorer::SingleContact"));
    const std::string last = "EXIT CConnect::OnDisconnection\n";
    EXPECT_EQ(text.size() - last.size(), text.rfind(last)) << text;
}

}  // namespace
