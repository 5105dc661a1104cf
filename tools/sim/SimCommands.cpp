#include "SimCommands.h"

#include <cctype>
#include <sstream>

#include "model/ModelText.h"
#include "resources/Addresses.h"
#include "resources/DialogIds.h"
#include "skype/SkypeBuddy.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"

namespace sim {

namespace {

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Splits off the first word; the rest is left trimmed in *rest.
std::string FirstWord(const std::string& text, std::string* rest) {
    const std::string trimmed = Trim(text);
    const std::size_t blank = trimmed.find_first_of(" \t");
    if (blank == std::string::npos) {
        rest->clear();
        return trimmed;
    }
    *rest = Trim(trimmed.substr(blank));
    return trimmed.substr(0, blank);
}

bool ParseNumber(const std::string& text, long long* value) {
    if (text.empty()) return false;
    std::size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) return false;
    for (std::size_t j = i; j < text.size(); ++j) {
        if (!std::isdigit(static_cast<unsigned char>(text[j]))) return false;
    }
    try {
        *value = std::stoll(text);
    } catch (...) {
        return false;
    }
    return true;
}

// Script text is UTF-8 or plain ASCII; the add-in takes wide text. Broken
// sequences become "?".
std::wstring Wide(const std::string& utf8) {
    std::wstring wide;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        if ((lead >= 0x80 && lead < 0xC0) || i + extra >= utf8.size() + (extra == 0)) {
            wide += L'?';
            ++i;
            continue;
        }
        std::uint32_t code = extra == 0 ? lead : lead & (0x3Fu >> extra);
        for (int k = 1; k <= extra; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        }
        wide += static_cast<wchar_t>(code);
        i += 1 + extra;
    }
    return wide;
}

// UTF-8 script text as the model Skype's ANSI text.
std::string Ansi(const std::string& utf8) { return model::ModelText().ToAnsi(Wide(utf8)); }

}  // namespace

Commands::Commands(World& world) : world_(world) {}

const char* Commands::Help() {
    return "Commands (one per line; # starts a comment):\n"
           "  echo TEXT                 print TEXT\n"
           "  start | stop              create or destroy Tandrel's Skype client window\n"
           "  wait MS                   let MS milliseconds pass (messages and timers run)\n"
           "  call TARGET               Skype call; \"a, b\" is a conference\n"
           "  chat TARGET               instant-message chat with one or several people\n"
           "  dial NUMBER               SkypeOut call (the number is converted first)\n"
           "  convert NUMBER            only convert NUMBER as a SkypeOut call would\n"
           "  buddies | state | settings | received\n"
           "                            print the buddy list, the state, the settings, or\n"
           "                            every command the model Skype received\n"
           "  answer yes|no|ok|cancel   answer the next message box so\n"
           "  country NAME [always]     pick NAME in the next country chooser, then OK\n"
           "  country cancel            cancel the next country chooser\n"
           "  set NAME VALUE | unset NAME\n"
           "                            change a setting: a number is stored as a number,\n"
           "                            T or F as a switch, anything else as text\n"
           "  save FILE.reg             write the model registry as a .reg file\n"
           "  skype start|exit|login|logout\n"
           "  skype online|offline|connecting|pausing     Skype's connection status\n"
           "  skype status HANDLE WORD  a user's online status (ONLINE, AWAY, NA, DND, ...)\n"
           "  skype property HANDLE NAME VALUE            FULLNAME, PHONE_MOBILE, ...\n"
           "  skype friend HANDLE FULL NAME               a new friend\n"
           "  skype pings on|off        whether Skype answers PING\n"
           "  skype replies inside|posted                 when Skype's replies arrive\n"
           "  skype ask on|off          whether Skype asks the user before attaching\n"
           "  skype allow | skype refuse                  the user's answer to that\n"
           "  skype protocol N          the highest protocol Skype grants\n"
           "  skype notify TEXT         any text from Skype to the attached clients\n"
           "Outlook with the whole add-in:\n"
           "  outlook start | outlook quit                Outlook starts (loading Tandrel) or "
           "closes\n"
           "  mailbox                   list the sample mailbox's folders and items\n"
           "  folder NAME               open Inbox, Contacts, Contacts/Friends or Calendar\n"
           "  select NAME[, NAME...]    select items of the folder by name or subject\n"
           "  open NAME [in Word]       open an item in its own window\n"
           "  close | close menu        close the item window, or the context menu\n"
           "  rightclick                right-click the selection (the context menu)\n"
           "  click CAPTION             click a control by its caption (call, chat,\n"
           "                            skypeout and buy for the toolbar's icons)\n"
           "  type skype|skypeout TEXT  type into the toolbar's combo box\n"
           "  edit FIELD TEXT           change a field of the open item\n"
           "  toolbar                   draw the toolbar in front (and the context menu)\n"
           "  output brief|full         leave out the buddy list's traffic, tooltips and\n"
           "                            pictures, or show everything (the default)\n"
           "  dialog ok|cancel          close the next dialog with OK or Cancel\n"
           "  update VERSION | update offline             what the update server answers\n"
           "  help | quit\n";
}

bool Commands::NeedClient() {
    if (world_.Client() != nullptr) return true;
    world_.Out().Error("Tandrel's Skype client is not running (use \"start\")");
    return false;
}

bool Commands::Run(const std::string& rawLine) {
    const std::string line = Trim(rawLine);
    if (line.empty() || line[0] == '#') return true;
    std::string rest;
    const std::string command = FirstWord(line, &rest);
    Printer& out = world_.Out();

    if (command == "echo") {
        out.Say(rest);
    } else if (command == "help") {
        out.Say(Help());
    } else if (command == "quit" || command == "exit") {
        quit_ = true;
    } else if (command == "start") {
        if (world_.Outlook().Running()) {
            out.Error("Outlook's Tandrel is running; \"start\" is for the Skype client alone");
            return false;
        }
        world_.StartClient();
    } else if (command == "stop") {
        world_.StopClient();
    } else if (command == "wait") {
        long long ms = 0;
        if (!ParseNumber(rest, &ms) || ms < 0 || ms > 24LL * 3600 * 1000) {
            out.Error("wait takes a number of milliseconds");
            return false;
        }
        world_.Wait(static_cast<std::uint64_t>(ms));
    } else if (command == "call" || command == "chat") {
        if (!NeedClient()) return false;
        out.Event("The user asks for a " + std::string(command == "call" ? "call" : "chat") +
                  " with \"" + rest + "\"");
        if (command == "call") {
            world_.Client()->SkypeIPCall(Wide(rest));
        } else {
            world_.Client()->SkypeIMChat(Wide(rest));
        }
        world_.ShowUi();
    } else if (command == "dial") {
        if (!NeedClient()) return false;
        Dial(Wide(rest));
    } else if (command == "convert") {
        if (!NeedClient()) return false;
        std::wstring number = Wide(rest);
        const bool converted = world_.Client()->SkypifyPhoneNumber(number);
        world_.ShowUi();
        out.Event(
            "\"" + rest + "\" converts to " +
            (converted ? "\"" + Printer::Utf8(number) + "\"" : std::string("nothing (invalid)")));
    } else if (command == "buddies") {
        world_.PrintBuddies();
    } else if (command == "state") {
        world_.PrintState();
    } else if (command == "settings") {
        world_.PrintSettings();
    } else if (command == "received") {
        for (const std::string& text : world_.CommandsSince(0)) out.Detail(Printer::Visible(text));
    } else if (command == "answer") {
        return RunAnswer(rest);
    } else if (command == "country") {
        return RunCountry(rest);
    } else if (command == "set") {
        return RunSet(rest);
    } else if (command == "unset") {
        if (rest.empty()) {
            out.Error("unset takes a setting name");
            return false;
        }
        world_.Model().registry.RemoveValue(settings::kRoot, settings::kKeyPath, rest);
    } else if (command == "save") {
        if (rest.empty() || !world_.Model().registry.SaveFile(rest)) {
            out.Error("cannot write \"" + rest + "\"");
            return false;
        }
        out.Event("The model registry is saved to " + rest);
    } else if (command == "skype") {
        return RunSkype(rest);
    } else if (command == "outlook") {
        if (rest == "start" && world_.Client() != nullptr && !world_.Outlook().Running()) {
            out.Error("stop the Skype client first: Tandrel in Outlook has its own");
            return false;
        }
        if (rest == "start") {
            world_.Outlook().Start();
        } else if (rest == "quit") {
            world_.Outlook().Quit();
        } else {
            out.Error("outlook takes start or quit");
            return false;
        }
    } else if (command == "mailbox") {
        world_.Outlook().PrintMailbox();
    } else if (command == "folder") {
        return world_.Outlook().SwitchFolder(rest);
    } else if (command == "select") {
        return world_.Outlook().Select(rest);
    } else if (command == "open") {
        return world_.Outlook().Open(rest);
    } else if (command == "close") {
        return world_.Outlook().Close(rest);
    } else if (command == "rightclick") {
        return world_.Outlook().RightClick();
    } else if (command == "click") {
        return world_.Outlook().Click(rest);
    } else if (command == "type") {
        return world_.Outlook().Type(rest);
    } else if (command == "edit") {
        return world_.Outlook().Edit(rest);
    } else if (command == "output") {
        if (rest != "brief" && rest != "full") {
            out.Error("output takes brief or full");
            return false;
        }
        world_.SetBrief(rest == "brief");
    } else if (command == "toolbar") {
        world_.Outlook().Draw();
    } else if (command == "dialog") {
        if (rest != "ok" && rest != "cancel") {
            out.Error("dialog takes ok or cancel");
            return false;
        }
        model::DialogAction close;
        close.kind = model::DialogAction::Kind::Click;
        close.control = rest == "ok" ? ids::kOkButton : ids::kCancelButton;
        world_.Model().ui.QueueDialogScript({close});
    } else if (command == "update") {
        if (rest == "offline") {
            world_.Model().internet.Refuse(addresses::kUpdateEndpoint);
        } else if (!rest.empty()) {
            world_.Model().internet.Answer(addresses::kUpdateEndpoint, rest);
        } else {
            out.Error("update takes a version or offline");
            return false;
        }
    } else {
        out.Error("unknown command \"" + command + "\" (try \"help\")");
        return false;
    }
    return true;
}

void Commands::Dial(const std::wstring& number) {
    Printer& out = world_.Out();
    out.Event("The user asks for a SkypeOut call to \"" + Printer::Utf8(number) + "\"");
    const std::size_t before = world_.Skype().Received().size();
    world_.Client()->SkypeOut(number);
    world_.ShowUi();
    for (const std::string& command : world_.CommandsSince(before)) {
        if (command.compare(0, 5, "CALL ") == 0) {
            out.Event("The number went to Skype as \"" + Printer::Visible(command.substr(5)) +
                      "\"");
        }
    }
}

bool Commands::RunAnswer(const std::string& arguments) {
    int answer = 0;
    if (arguments == "yes") answer = platform::answer::kYes;
    if (arguments == "no") answer = platform::answer::kNo;
    if (arguments == "ok") answer = platform::answer::kOk;
    if (arguments == "cancel") answer = platform::answer::kCancel;
    if (answer == 0) {
        world_.Out().Error("answer takes yes, no, ok or cancel");
        return false;
    }
    world_.Model().ui.QueueAnswer(answer);
    return true;
}

bool Commands::RunCountry(const std::string& arguments) {
    std::vector<model::DialogAction> script;
    if (arguments == "cancel") {
        model::DialogAction cancel;
        cancel.kind = model::DialogAction::Kind::Click;
        cancel.control = ids::kCancelButton;
        script.push_back(cancel);
    } else {
        std::string name = arguments;
        bool always = false;
        const std::string suffix = " always";
        if (name.size() > suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
            always = true;
            name = Trim(name.substr(0, name.size() - suffix.size()));
        }
        if (name.empty()) {
            world_.Out().Error("country takes a country name (and \"always\"), or \"cancel\"");
            return false;
        }
        model::DialogAction select;
        select.kind = model::DialogAction::Kind::SelectItem;
        select.control = ids::kCountryList;
        select.text = Ansi(name);
        script.push_back(select);
        if (always) {
            model::DialogAction tick;
            tick.kind = model::DialogAction::Kind::Click;
            tick.control = ids::kCountryAlwaysUse;
            script.push_back(tick);
        }
        model::DialogAction ok;
        ok.kind = model::DialogAction::Kind::Click;
        ok.control = ids::kOkButton;
        script.push_back(ok);
    }
    world_.Model().ui.QueueDialogScript(script);
    return true;
}

bool Commands::RunSet(const std::string& arguments) {
    std::string value;
    const std::string name = FirstWord(arguments, &value);
    if (name.empty()) {
        world_.Out().Error("set takes a setting name and a value");
        return false;
    }
    model::ModelRegistry& registry = world_.Model().registry;
    const platform::RegistryRoot root = settings::kRoot;
    long long number = 0;
    if (value == "T" || value == "F") {
        registry.SetBinary(root, settings::kKeyPath, name, {std::uint8_t(value == "T" ? 1 : 0)});
    } else if (ParseNumber(value, &number) && number >= -2147483648LL && number <= 4294967295LL) {
        registry.SetDword(root, settings::kKeyPath, name, static_cast<std::uint32_t>(number));
    } else {
        registry.SetString(root, settings::kKeyPath, name, Ansi(value));
    }
    return true;
}

bool Commands::RunSkype(const std::string& arguments) {
    std::string rest;
    const std::string what = FirstWord(arguments, &rest);
    model::ModelSkype& skype = world_.Skype();
    Printer& out = world_.Out();
    auto onOff = [&](bool* value) {
        if (rest == "on")
            *value = true;
        else if (rest == "off")
            *value = false;
        else {
            out.Error("skype " + what + " takes on or off");
            return false;
        }
        return true;
    };

    if (what == "start") {
        if (skype.Start()) out.Event("Skype.exe starts");
    } else if (what == "exit") {
        skype.Exit();
        out.Event("Skype.exe exits");
    } else if (what == "login") {
        out.Event("The user logs in to Skype");
        skype.LogIn();
    } else if (what == "logout") {
        out.Event("The user logs out of Skype");
        skype.LogOut();
    } else if (what == "online" || what == "offline" || what == "connecting" || what == "pausing") {
        std::string word = what;
        for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        out.Event("Skype's connection becomes " + word);
        skype.SetConnectionStatus(word);
        world_.ShowUi();
        world_.Outlook().Draw();
    } else if (what == "status" || what == "property") {
        std::string handle;
        std::string tail;
        handle = FirstWord(rest, &tail);
        std::string property = "ONLINESTATUS";
        std::string value = tail;
        if (what == "property") property = FirstWord(tail, &value);
        if (!skype.SetUserProperty(Ansi(handle), property, Ansi(value))) {
            out.Error("Skype knows no user \"" + handle + "\" or property \"" + property + "\"");
            return false;
        }
    } else if (what == "friend") {
        std::string fullName;
        const std::string handle = FirstWord(rest, &fullName);
        if (handle.empty()) {
            out.Error("skype friend takes a handle and a full name");
            return false;
        }
        model::SkypeUser user;
        user.handle = Ansi(handle);
        user.fullName = Ansi(fullName);
        user.onlineStatus = "ONLINE";
        skype.AddUser(user);
        out.Event("Skype has a new friend, " + handle);
    } else if (what == "pings") {
        bool answers = skype.AnswersPings();
        if (!onOff(&answers)) return false;
        skype.SetAnswersPings(answers);
    } else if (what == "replies") {
        if (rest == "inside")
            skype.SetDelivery(model::ModelSkype::Delivery::Immediate);
        else if (rest == "posted")
            skype.SetDelivery(model::ModelSkype::Delivery::Posted);
        else {
            out.Error("skype replies takes inside or posted");
            return false;
        }
    } else if (what == "ask") {
        bool ask = false;
        if (!onOff(&ask)) return false;
        skype.SetRequiresAuthorization(ask);
    } else if (what == "allow" || what == "refuse") {
        out.Event(std::string("The user ") + (what == "allow" ? "allows" : "refuses") +
                  " Tandrel in Skype");
        skype.Authorize(what == "allow");
        world_.ShowUi();
    } else if (what == "protocol") {
        long long protocol = 0;
        if (!ParseNumber(rest, &protocol) || protocol < 1 || protocol > 1000) {
            out.Error("skype protocol takes a version number");
            return false;
        }
        skype.SetMaxProtocol(static_cast<int>(protocol));
    } else if (what == "notify") {
        skype.Notify(Ansi(rest));
    } else {
        out.Error("unknown skype command \"" + what + "\" (try \"help\")");
        return false;
    }
    world_.ShowUi();
    return true;
}

int Commands::RunAll(std::istream& in, const std::string& sourceName, const char* prompt) {
    int failures = 0;
    int number = 0;
    std::string line;
    while (!quit_) {
        if (prompt != nullptr) {
            world_.Out().Prompt(prompt);
        }
        if (!std::getline(in, line)) break;
        ++number;
        if (!Run(line)) {
            ++failures;
            if (prompt == nullptr) {
                world_.Out().Error(sourceName + " line " + std::to_string(number) + ": " +
                                   Trim(line));
            }
        }
    }
    return failures;
}

}  // namespace sim
