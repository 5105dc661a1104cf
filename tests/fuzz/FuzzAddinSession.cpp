// The whole add-in through a session at Outlook: the input's bytes are read
// as what happens, one thing after another. The user switches folders,
// selects, opens and closes items, right-clicks, clicks the toolbar's and
// the context menu's entries, types into the combos, edits fields and the
// "Skype Name", answers message boxes either way and acts in dialogs;
// Skype changes its status and its users' details, logs out and in, exits
// and starts, sends notifications and replies of any bytes, wants the user's
// permission or not, has a process whose name cannot be read for a while;
// time passes, also while a box is up; the add-in is disconnected and
// connected again.
//
// Checked after every step: no exception reached Outlook (none was stopped
// at an edge either), and every call, chat or launch Skype got names a
// target the user was shown (a combo's text or entry, as a button takes it
// from there, a field of the mailbox) or typed. After every disconnection,
// and at the end, when Outlook closes: nothing of the add-in is left,
// neither its Skype client (with its window, timers and observers) nor a
// sink on any of Outlook's objects.
//
// The world (the sample mailbox, Skype running with its users, the
// registry with the country list) is built once and rolled back after each
// input; Outlook starts and loads the add-in afresh in each.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include <boost/weak_ptr.hpp>

#include "FuzzSupport.h"
#include "OutlookObjects.h"
#include "addin/Connect.h"
#include "addin/Extensibility.h"
#include "model/outlook/Mailbox.h"
#include "model/world/OutlookUser.h"
#include "model/world/ScriptText.h"
#include "model/world/World.h"
#include "office/OfficeIds.h"
#include "outlook/CalltoLinks.h"
#include "platform/Platform.h"
#include "skype/PhoneNumberForm.h"
#include "skype/Skype.h"
#include "skype/SkypeProtocol.h"
#include "util/CaughtExceptions.h"

namespace {

// What the next message box or dialog lets run while it is up: Skype's
// messages and the timers, as a modal loop dispatches them.
std::uint64_t g_whileModalMs = 0;

model::World& StartingWorld() {
    static model::World* const world = [] {
        model::World* made = new model::World(model::SampleMailbox());
        made->skype.Start();
        made->platform.ui.whileModal = [made] {
            const std::uint64_t ms = g_whileModalMs;
            g_whileModalMs = 0;
            if (ms > 0) made->platform.desktop.Advance(ms);
        };
        made->Checkpoint();
        return made;
    }();
    return *world;
}

std::string Digits(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') digits += c;
    }
    return digits;
}

const char* const kToolbarWords[] = {"call",         "chat",    "skypeout",         "buy",
                                     "Tandrel Help", "Options", "Check for Update", "Contact Us",
                                     "About Tandrel"};
const char* const kFields[] = {"FullName", "MobileTelephoneNumber", "BusinessTelephoneNumber",
                               "HomeTelephoneNumber", "Email1Address"};
const char* const kStatuses[] = {"ONLINE", "OFFLINE", "CONNECTING", "PAUSING", "LOGGEDOUT"};
const char* const kUserProperties[] = {"ONLINESTATUS", "FULLNAME", "PHONE_HOME", "PHONE_OFFICE",
                                       "PHONE_MOBILE"};
const char* const kOnlineStatuses[] = {"ONLINE", "OFFLINE", "AWAY", "NA", "DND", "SKYPEME"};
const int kAnswers[] = {platform::answer::kYes, platform::answer::kNo, platform::answer::kOk,
                        platform::answer::kCancel};

// A shown text as a button takes its target from it: the combo's text cut
// before the blank ahead of its last "(" ("echo123 (Online)" gives
// "echo123"), the SkypeOut combo's after its label ("Mobile: ...") too.
std::vector<std::string> TargetsIn(const std::string& text) {
    auto cut = [](const std::string& whole) {
        const std::size_t open = whole.rfind('(');
        return open == std::string::npos || open == 0 ? whole : whole.substr(0, open - 1);
    };
    const std::size_t colon = text.find(':');
    const std::string unlabelled = colon == std::string::npos ? text : text.substr(colon + 1);
    return {text, cut(text), cut(unlabelled)};
}

// Targets the user was shown or typed, and the numbers among them by their
// digits from the first that is not 0 (dialled with a country code ahead),
// or in SkypeOut's form when they carry their own country code ("555 0199"
// is dialled as +555199: the trunk 0 after the code goes).
struct Shown {
    void Allow(const std::string& ansi) {
        for (const std::string& target : TargetsIn(ansi)) {
            targets.insert(target);
            std::string international;
            if (phone_numbers::ToSkypeOutForm(
                    target, [](std::string*) { return false; }, &international)) {
                targets.insert(international);
            }
            const std::string digits = Digits(target);
            const std::size_t significant = digits.find_first_not_of('0');
            if (significant != std::string::npos) numbers.insert(digits.substr(significant));
        }
    }
    void AllowWide(const std::wstring& text) { Allow(platform::text().ToAnsi(text)); }

    // As shown, or, for a number ("+" and digits), with a shown number's
    // digits at its end.
    bool Has(const std::string& target) const {
        if (targets.count(target) != 0) return true;
        const std::string digits = Digits(target);
        if (target.empty() || target[0] != '+' || digits.size() + 1 != target.size()) return false;
        return std::any_of(numbers.begin(), numbers.end(), [&digits](const std::string& number) {
            return digits.size() >= number.size() &&
                   digits.compare(digits.size() - number.size(), number.size(), number) == 0;
        });
    }

    std::set<std::string> targets;
    std::set<std::string> numbers;
};

// What the mailbox shows: the contacts' fields and Skype names, the names
// of the mails' "callto://" links.
const Shown& MailboxTexts(const model::World& world) {
    static const Shown shown = [&world] {
        Shown texts;
        for (const model::ModelObjectPtr& object : fuzz::OutlookObjects(world.outlook)) {
            if (const auto contact = boost::dynamic_pointer_cast<model::ModelContactItem>(object)) {
                for (const std::string& field : model::ModelContactItem::TextProperties()) {
                    texts.AllowWide(contact->Property(field).ToText());
                }
                texts.AllowWide(contact->UserPropertyValue(L"Skype Name").ToText());
            } else if (const auto item = boost::dynamic_pointer_cast<model::ModelItem>(object)) {
                if (!item->HasProperty("Body")) continue;
                for (const std::string& name : outlook::FindCalltoNames(
                         platform::text().ToAnsi(item->Property("Body").ToText()))) {
                    texts.Allow(name);
                }
            }
        }
        return texts;
    }();
    return shown;
}

class Session {
  public:
    Session(model::World& world, FuzzedDataProvider& input)
        : world_(world),
          input_(input),
          printer_(std::cerr, [&world] { return world.platform.desktop.Now(); }),
          user_(world.outlook, world, printer_),
          caughtBefore_(caught::Count()),
          mailbox_(MailboxTexts(world)) {
        // Replaying an input with FUZZ_NARRATE set tells the session as the
        // simulator would; the campaign runs silent.
        printer_.SetSilent(std::getenv("FUZZ_NARRATE") == nullptr);
    }

    void Run() {
        user_.Start(input_.ConsumeBool() ? world_.outlook.contacts() : world_.outlook.inbox());
        for (int step = 0; step < 32 && input_.remaining_bytes() > 0; ++step) {
            Look();
            Act();
            RequireNothingCaught();
            RequireShownTargets();
        }
        if (world_.addin.connected()) Disconnect(addin::disconnect_mode::kHostShutdown);
        user_.Quit();
        RequireNothingCaught();
    }

  private:
    void Act() {
        switch (input_.ConsumeIntegralInRange(0, 23)) {
            case 0:
                Select();
                break;
            case 1: {
                const std::vector<std::wstring> paths = model::FolderPaths(world_.outlook);
                user_.SwitchFolder(model::Utf8FromWide(Pick(paths)));
                break;
            }
            case 2:
                if (const model::ModelItemPtr item = PickItem()) {
                    user_.Open(model::OutlookUser::ItemName(item),
                               input_.ConsumeBool() ? outlook::editor_type::kWord
                                                    : outlook::editor_type::kHtml);
                }
                break;
            case 3:
                user_.CloseItem();
                break;
            case 4:
                user_.RightClick();
                break;
            case 5:
                user_.CloseMenu();
                break;
            case 6:
            case 7:
                Click();
                break;
            case 8:
                Type();
                break;
            case 9:
                EditField();
                break;
            case 10:
                EditSkypeName();
                break;
            case 11:
                user_.Answer(Pick(kAnswers));
                break;
            case 12:
                ActInDialog();
                break;
            case 13:
                world_.skype.SetConnectionStatus(input_.ConsumeBool() ? Pick(kStatuses) : Text());
                break;
            case 14:
                ChangeSkypeUser();
                break;
            case 15:
                world_.skype.Notify(Text());
                break;
            case 16:
                Reply();
                break;
            case 17:
                if (input_.ConsumeBool()) {
                    world_.skype.LogOut();
                } else {
                    world_.skype.LogIn();
                }
                break;
            case 18:
                if (world_.skype.IsRunning()) {
                    world_.skype.Exit();
                } else {
                    world_.skype.Start();
                }
                break;
            case 19:
                SkypeManners();
                break;
            case 20:
                world_.Wait(input_.ConsumeIntegralInRange<std::uint64_t>(0, 3000));
                break;
            case 21:
                g_whileModalMs = input_.ConsumeIntegralInRange<std::uint64_t>(0, 3000);
                break;
            case 22:
                if (world_.addin.connected()) {
                    Disconnect(addin::disconnect_mode::kUserClosed);
                } else {
                    world_.addin.Load(world_.outlook.applicationObject(),
                                      addin::connect_mode::kAfterStartup);
                }
                break;
            default:
                world_.skype.SetDelivery(input_.ConsumeBool()
                                             ? model::ModelSkype::Delivery::Posted
                                             : model::ModelSkype::Delivery::Immediate);
                break;
        }
    }

    template <typename T, std::size_t n>
    const T& Pick(const T (&choices)[n]) {
        return choices[input_.ConsumeIntegralInRange<std::size_t>(0, n - 1)];
    }
    template <typename T>
    T Pick(const std::vector<T>& choices) {
        if (choices.empty()) return T();
        return choices[input_.ConsumeIntegralInRange<std::size_t>(0, choices.size() - 1)];
    }
    std::string Text() { return input_.ConsumeRandomLengthString(48); }

    model::ModelItemPtr PickItem() {
        if (!user_.Running() || !user_.explorer()->currentFolder()) return model::ModelItemPtr();
        return Pick(user_.explorer()->currentFolder()->items());
    }

    void Select() {
        std::vector<std::string> names;
        const std::size_t count = input_.ConsumeIntegralInRange<std::size_t>(0, 3);
        for (std::size_t i = 0; i < count; ++i) {
            if (const model::ModelItemPtr item = PickItem()) {
                names.push_back(model::OutlookUser::ItemName(item));
            }
        }
        user_.Select(names);
    }

    // A toolbar button by the user's word for it, or an entry of the open
    // context menu by its caption.
    void Click() {
        std::vector<std::string> names(std::begin(kToolbarWords), std::end(kToolbarWords));
        if (user_.Running()) {
            if (const model::ModelCommandBarPtr menu =
                    user_.explorer()->commandBars()->FindBar(office::kContextMenuName)) {
                for (const model::ModelCommandBarControlPtr& control :
                     menu->controls()->controls()) {
                    names.push_back(model::Utf8FromWide(control->caption()));
                }
            }
        }
        user_.Click(Pick(names));
    }

    void Type() {
        const std::string text = Text();
        if (user_.Type(input_.ConsumeBool() ? "Skype" : "SkypeOut", text)) {
            shown_.AllowWide(model::WideFromUtf8(text));
        }
    }

    void EditField() {
        const std::string text = Text();
        if (user_.Edit(Pick(kFields), text)) {
            shown_.AllowWide(model::WideFromUtf8(text));
        }
    }

    // The user types into the open contact's "Skype Name" field.
    void EditSkypeName() {
        const std::string text = Text();
        const model::ModelInspectorPtr inspector = user_.inspector();
        const auto contact =
            inspector
                ? boost::dynamic_pointer_cast<model::ModelContactItem>(inspector->currentItem())
                : model::ModelContactItemPtr();
        if (!contact) return;
        const model::ModelUserPropertyPtr field =
            contact->userProperties().FindByName(L"Skype Name");
        if (!field) return;
        const std::wstring wide = model::WideFromUtf8(text);
        shown_.AllowWide(wide);
        field->PutProperty("Value", host::Variant::Bstr(wide));
    }

    void ActInDialog() {
        std::vector<model::DialogAction> actions;
        const std::size_t count = input_.ConsumeIntegralInRange<std::size_t>(0, 4);
        for (std::size_t i = 0; i < count; ++i) {
            model::DialogAction action;
            switch (input_.ConsumeIntegralInRange(0, 4)) {
                case 0:
                    action = model::DialogAction::Enter();
                    break;
                case 1:
                    action = model::DialogAction::Close();
                    break;
                case 2:
                    action.kind = model::DialogAction::Kind::SelectIndex;
                    action.control = input_.ConsumeIntegralInRange(200, 230);
                    action.index = input_.ConsumeIntegralInRange(-1, 250);
                    break;
                default:
                    action = model::DialogAction::Click(
                        input_.ConsumeBool() ? input_.ConsumeIntegralInRange(1, 2)
                                             : input_.ConsumeIntegralInRange(100, 230));
                    break;
            }
            actions.push_back(action);
        }
        user_.ActInDialog(actions);
    }

    void ChangeSkypeUser() {
        std::vector<std::string> handles = world_.skype.Friends();
        handles.push_back("erin.visitor");
        const std::string handle = input_.ConsumeBool() ? Pick(handles) : Text();
        const std::string property = Pick(kUserProperties);
        const std::string value =
            property == "ONLINESTATUS" && input_.ConsumeBool() ? Pick(kOnlineStatuses) : Text();
        world_.skype.SetUserProperty(handle, property, value);
    }

    // Any bytes from Skype's window to the add-in's, with or without their NUL.
    void Reply() {
        const std::string bytes = Text();
        const bool withNul = input_.ConsumeBool();
        CConnect* const object = world_.addin.object();
        if (!object || !object->GetSkype() || !world_.skype.IsRunning()) return;
        const platform::WindowHandle window = object->GetSkype()->GetMessageWindow();
        if (window == platform::kNoWindow) return;
        world_.platform.desktop.SendCopyData(
            window, world_.skype.Window(), 0, bytes.c_str(),
            static_cast<std::uint32_t>(bytes.size() + (withNul ? 1 : 0)));
    }

    void SkypeManners() {
        switch (input_.ConsumeIntegralInRange(0, 4)) {
            case 0:
                world_.skype.SetRequiresAuthorization(input_.ConsumeBool());
                break;
            case 1:
                world_.skype.Authorize(input_.ConsumeBool());
                break;
            case 2:
                world_.skype.SetAnswersPings(input_.ConsumeBool());
                break;
            case 3:
                // Its process's name cannot be read for a while, as Wine's
                // EnumProcessModules fails while a program loads a library.
                world_.platform.processes.failNameReads = input_.ConsumeBool();
                break;
            default:
                world_.skype.SetMaxProtocol(input_.ConsumeIntegralInRange(1, 8));
                break;
        }
    }

    // The add-in goes; nothing of it may stay behind.
    void Disconnect(std::int32_t mode) {
        boost::weak_ptr<CSkype> client;
        if (CConnect* const object = world_.addin.object()) client = object->GetSkype();
        world_.addin.Unload(mode);
        fuzz::Require(client.expired(), "the add-in's Skype client outlived the add-in");
        for (platform::WindowHandle window : world_.platform.desktop.Windows()) {
            fuzz::Require(
                world_.platform.desktop.WindowTitle(window) != skype_protocol::kWindowTitle,
                "the add-in's window outlived the add-in");
        }
        fuzz::Require(fuzz::OutlookSinks(world_.outlook).empty(),
                      "a sink of the add-in is still advised on Outlook");
    }

    void RequireNothingCaught() {
        fuzz::Require(world_.platform.CaughtExceptions() == 0 && caught::Count() == caughtBefore_,
                      "an exception reached an edge");
    }

    // The combos of every open window, as they show now.
    void Look() {
        for (const model::ModelWindowsPtr& windows :
             {world_.outlook.explorers(), world_.outlook.inspectors()}) {
            for (const model::ModelObjectPtr& window : windows->windows()) {
                const auto explorer = boost::dynamic_pointer_cast<model::ModelExplorer>(window);
                const model::ModelCommandBarsPtr bars =
                    explorer
                        ? explorer->commandBars()
                        : boost::static_pointer_cast<model::ModelInspector>(window)->commandBars();
                for (const model::ModelCommandBarPtr& bar : bars->bars()) LookAt(*bar->controls());
            }
        }
    }
    void LookAt(const model::ModelCommandBarControls& controls) {
        for (const model::ModelCommandBarControlPtr& control : controls.controls()) {
            if (control->type() == office::control_type::kPopup) {
                LookAt(
                    *boost::static_pointer_cast<model::ModelCommandBarPopup>(control)->controls());
                continue;
            }
            const auto combo = boost::dynamic_pointer_cast<model::ModelCommandBarComboBox>(control);
            if (!combo) continue;
            See(combo->text());
            for (const std::wstring& entry : combo->list()) See(entry);
        }
    }
    void See(const std::wstring& text) {
        if (looked_.insert(text).second) shown_.AllowWide(text);
    }

    bool Seen(const std::string& target) const {
        return mailbox_.Has(target) || shown_.Has(target);
    }

    void RequireShownTargets() {
        const std::vector<model::ModelSkype::Command>& received = world_.skype.Received();
        for (; commandsSeen_ < received.size(); ++commandsSeen_) {
            const std::string& command = received[commandsSeen_].text;
            std::string targets;
            if (command.compare(0, 5, skype_protocol::kCallPrefix) == 0) {
                targets = command.substr(5);
            } else if (command.compare(0, 8, skype_protocol::kOpenImPrefix) == 0) {
                targets = command.substr(8);
            } else {
                continue;
            }
            // A conference names its people with ", " between them: each was
            // shown, or the user typed them together.
            if (Seen(targets)) continue;
            std::size_t start = 0;
            for (;;) {
                const std::size_t comma = targets.find(", ", start);
                if (!Seen(targets.substr(start, comma - start))) {
                    std::fprintf(stderr, "command: %s\n", command.c_str());
                }
                fuzz::Require(Seen(targets.substr(start, comma - start)),
                              "Skype was asked to reach someone the user was never shown");
                if (comma == std::string::npos) break;
                start = comma + 2;
            }
        }
        const auto& executions = world_.platform.shell.executions;
        for (; launchesSeen_ < executions.size(); ++launchesSeen_) {
            std::string parameters = executions[launchesSeen_].parameters;
            parameters.erase(std::remove(parameters.begin(), parameters.end(), '"'),
                             parameters.end());
            if (parameters.compare(0, 8, skype_protocol::kCallToSwitch) != 0) continue;
            fuzz::Require(Seen(parameters.substr(8)),
                          "Skype was launched to call someone the user was never shown");
        }
    }

    model::World& world_;
    FuzzedDataProvider& input_;
    model::Printer printer_;
    model::OutlookUser user_;
    const std::size_t caughtBefore_;
    const Shown& mailbox_;
    Shown shown_;                    // shown or typed in this session
    std::set<std::wstring> looked_;  // the combo texts already in shown_
    std::size_t commandsSeen_ = 0;
    std::size_t launchesSeen_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    model::World& world = StartingWorld();
    FuzzedDataProvider input(data, size);
    {
        Session session(world, input);
        session.Run();
    }
    g_whileModalMs = 0;
    world.Rollback();
    return 0;
}
