#include "SimCommands.h"

#include <cctype>
#include <cstdio>
#include <functional>
#include <memory>

#include "model/world/ScriptText.h"
#include "model/world/UserCommands.h"
#include "resources/Addresses.h"
#include "skype/Skype.h"
#include "skype/SkypeBuddy.h"
#include "skype/SkypeProtocol.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"

namespace sim {

namespace {

using model::AnsiFromUtf8;
using model::FirstWord;
using model::Hex;
using model::ParseNumber;
using model::Utf8FromWide;
using model::WideFromUtf8;

class SimCommands {
  public:
    SimCommands(model::World& world, model::OutlookUser& user, model::Printer& out)
        : world_(world), user_(user), out_(out) {}

    bool Fail(const std::string& why) {
        out_.Error(why);
        return false;
    }

    bool NeedClient() {
        return world_.Client() != nullptr ||
               Fail("Tandrel's Skype client is not running (use \"start\")");
    }

    bool Start() {
        if (world_.addin.connected()) {
            return Fail("Outlook's Tandrel is running; \"start\" is for the Skype client alone");
        }
        world_.StartClient();
        return true;
    }

    bool Call(const std::string& what, const std::string& target) {
        if (!NeedClient()) return false;
        out_.Event("The user asks for a " + what + " with \"" + target + "\"");
        if (what == "call") {
            world_.Client()->SkypeIPCall(WideFromUtf8(target));
        } else {
            world_.Client()->SkypeIMChat(WideFromUtf8(target));
        }
        world_.ShowScreen();
        return true;
    }

    bool Dial(const std::string& number) {
        if (!NeedClient()) return false;
        out_.Event("The user asks for a SkypeOut call to \"" + number + "\"");
        const std::size_t before = world_.skype.Received().size();
        world_.Client()->SkypeOut(WideFromUtf8(number));
        world_.ShowScreen();
        const auto& received = world_.skype.Received();
        for (std::size_t i = before; i < received.size(); ++i) {
            if (received[i].text.compare(0, 5, "CALL ") == 0) {
                out_.Event("The number went to Skype as \"" +
                           model::VisibleAnsi(received[i].text.substr(5)) + "\"");
            }
        }
        return true;
    }

    bool Convert(const std::string& text) {
        if (!NeedClient()) return false;
        std::wstring number = WideFromUtf8(text);
        const bool converted = world_.Client()->SkypifyPhoneNumber(number);
        world_.ShowScreen();
        out_.Event(
            "\"" + text + "\" converts to " +
            (converted ? "\"" + Utf8FromWide(number) + "\"" : std::string("nothing (invalid)")));
        return true;
    }

    void PrintBuddies() {
        CSkype* client = world_.ClientAlone();
        if (!client) {
            out_.Detail("(Tandrel's Skype client is not running)");
            return;
        }
        const std::vector<CSkypeBuddyPtr> buddies = client->GetBuddyList();
        out_.Detail("Buddy list (" + std::to_string(buddies.size()) + "):");
        for (const CSkypeBuddyPtr& buddy : buddies) {
            std::string line = Utf8FromWide(buddy->GetDisplayName());
            if (line.size() < 34) line.resize(34, ' ');
            line += Utf8FromWide(buddy->GetFullName());
            if (!buddy->IsFriend()) line += "  (not a friend)";
            out_.Detail("  " + line);
        }
    }

    void PrintState();
    void PrintSettings();
    bool Set(const std::string& arguments);
    bool Skype(const std::string& arguments);

  private:
    model::World& world_;
    model::OutlookUser& user_;
    model::Printer& out_;
};

void SimCommands::PrintState() {
    CSkype* client = world_.ClientAlone();
    model::ModelSkype& skype = world_.skype;
    if (!client) {
        out_.Detail("Tandrel's Skype client is not running");
    } else {
        const platform::WindowHandle window = client->GetMessageWindow();
        const model::ModelDesktop& desktop = world_.platform.desktop;
        out_.Detail(
            "Tandrel: window " + Hex(window) + ", attached to " +
            (client->GetSkypeWindow() ? Hex(client->GetSkypeWindow()) : std::string("nothing")));
        out_.Detail("  connection " + model::ConnectionStatusName(client->GetConnectionStatus()) +
                    ", user \"" + client->GetCurrentUserHandle() + "\", protocol " +
                    std::to_string(client->GetProtocol()));
        out_.Detail(
            "  discovery timer " +
            std::string(desktop.IsTimerRunning(window, skype_protocol::kDiscoveryTimerId)
                            ? "running"
                            : "stopped") +
            ", ping timer " +
            (desktop.IsTimerRunning(window, skype_protocol::kPingTimerId) ? "running" : "stopped") +
            ", pings " + std::to_string(client->GetPingsSent()) + " sent / " +
            std::to_string(client->GetPongsReceived()) + " answered");
    }
    out_.Detail("Skype: " + std::string(skype.IsRunning() ? "running" : "not running") + ", " +
                (skype.IsLoggedIn() ? "logged in as " + skype.CurrentUserHandle()
                                    : std::string("nobody logged in")) +
                ", connection " + skype.ConnectionStatusWord() +
                ", answers pings: " + (skype.AnswersPings() ? "yes" : "no") + ", replies " +
                (skype.GetDelivery() == model::ModelSkype::Delivery::Immediate ? "inside the send"
                                                                               : "posted") +
                ", " + std::to_string(skype.Received().size()) + " commands received");
}

void SimCommands::PrintSettings() {
    const char* const names[] = {settings::kCountryCode, settings::kAutoPrefix, settings::kBypass,
                                 settings::kLogFile};
    out_.Detail(std::string("Settings under HKEY_CURRENT_USER\\") + settings::kKeyPath + ":");
    for (const char* name : names) {
        CRegistryValuePtr value = settings::Read(name);
        std::string line = name;
        line.resize(14, ' ');
        out_.Detail("  " + line + (value ? value->GetText() : "(absent)"));
    }
}

bool SimCommands::Set(const std::string& arguments) {
    std::string value;
    const std::string name = FirstWord(arguments, &value);
    if (name.empty()) return Fail("set takes a setting name and a value");
    model::ModelRegistry& registry = world_.platform.registry;
    const platform::RegistryRoot root = settings::kRoot;
    long long number = 0;
    if (value == "T" || value == "F") {
        registry.SetBinary(root, settings::kKeyPath, name, {std::uint8_t(value == "T" ? 1 : 0)});
    } else if (ParseNumber(value, &number) && number >= -2147483648LL && number <= 4294967295LL) {
        registry.SetDword(root, settings::kKeyPath, name, static_cast<std::uint32_t>(number));
    } else {
        registry.SetString(root, settings::kKeyPath, name, AnsiFromUtf8(value));
    }
    return true;
}

bool SimCommands::Skype(const std::string& arguments) {
    std::string rest;
    const std::string what = FirstWord(arguments, &rest);
    model::ModelSkype& skype = world_.skype;
    auto onOff = [&](bool* value) {
        if (rest != "on" && rest != "off") return Fail("skype " + what + " takes on or off");
        *value = rest == "on";
        return true;
    };

    if (what == "start") {
        if (skype.Start()) out_.Event("Skype.exe starts");
    } else if (what == "exit") {
        skype.Exit();
        out_.Event("Skype.exe exits");
    } else if (what == "login") {
        out_.Event("The user logs in to Skype");
        skype.LogIn();
    } else if (what == "logout") {
        out_.Event("The user logs out of Skype");
        skype.LogOut();
    } else if (what == "online" || what == "offline" || what == "connecting" || what == "pausing") {
        std::string word = what;
        for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        out_.Event("Skype's connection becomes " + word);
        skype.SetConnectionStatus(word);
        world_.ShowScreen();
        user_.Draw();
    } else if (what == "status" || what == "property") {
        std::string tail;
        const std::string handle = FirstWord(rest, &tail);
        std::string property = "ONLINESTATUS";
        std::string value = tail;
        if (what == "property") property = FirstWord(tail, &value);
        if (!skype.SetUserProperty(AnsiFromUtf8(handle), property, AnsiFromUtf8(value))) {
            return Fail("Skype knows no user \"" + handle + "\" or property \"" + property + "\"");
        }
    } else if (what == "friend") {
        std::string fullName;
        const std::string handle = FirstWord(rest, &fullName);
        if (handle.empty()) return Fail("skype friend takes a handle and a full name");
        model::SkypeUser user;
        user.handle = AnsiFromUtf8(handle);
        user.fullName = AnsiFromUtf8(fullName);
        user.onlineStatus = "ONLINE";
        skype.AddUser(user);
        out_.Event("Skype has a new friend, " + handle);
    } else if (what == "pings") {
        bool answers = skype.AnswersPings();
        if (!onOff(&answers)) return false;
        skype.SetAnswersPings(answers);
    } else if (what == "replies") {
        if (rest != "inside" && rest != "posted")
            return Fail("skype replies takes inside or posted");
        skype.SetDelivery(rest == "inside" ? model::ModelSkype::Delivery::Immediate
                                           : model::ModelSkype::Delivery::Posted);
    } else if (what == "ask") {
        bool ask = false;
        if (!onOff(&ask)) return false;
        skype.SetRequiresAuthorization(ask);
    } else if (what == "allow" || what == "refuse") {
        out_.Event(std::string("The user ") + (what == "allow" ? "allows" : "refuses") +
                   " Tandrel in Skype");
        skype.Authorize(what == "allow");
        world_.ShowScreen();
    } else if (what == "protocol") {
        long long protocol = 0;
        if (!ParseNumber(rest, &protocol) || protocol < 1 || protocol > 1000) {
            return Fail("skype protocol takes a version number");
        }
        skype.SetMaxProtocol(static_cast<int>(protocol));
    } else if (what == "notify") {
        skype.Notify(AnsiFromUtf8(rest));
    } else {
        bool handled = false;
        const bool done = model::RunSkypeCallCommand(world_, out_, what, rest, &handled);
        if (!handled) return Fail("unknown skype command \"" + what + "\" (try \"help\")");
        if (!done) return false;
    }
    world_.ShowScreen();
    return true;
}

}  // namespace

void AddSimCommands(model::Script& script, model::World& world, model::OutlookUser& user) {
    // Shared by the commands, which live as long as the script.
    auto sim = std::make_shared<SimCommands>(world, user, script.out());
    model::World* const w = &world;
    model::Printer* const out = &script.out();
    auto done = [](const std::function<void()>& action) {
        return [action](const std::string&) {
            action();
            return true;
        };
    };

    script.Describe("Tandrel's Skype client alone, and the model Skype:");
    script.Describe("start | stop", "create or destroy Tandrel's Skype client window");
    script.Add("start", [sim](const std::string&) { return sim->Start(); });
    script.Add("stop", done([w]() { w->StopClient(); }));
    script.Describe("call TARGET", "Skype call; \"a, b\" is a conference");
    script.Add("call", [sim](const std::string& text) { return sim->Call("call", text); });
    script.Describe("chat TARGET", "instant-message chat with one or several people");
    script.Add("chat", [sim](const std::string& text) { return sim->Call("chat", text); });
    script.Describe("dial NUMBER", "SkypeOut call (the number is converted first)");
    script.Add("dial", [sim](const std::string& text) { return sim->Dial(text); });
    script.Describe("convert NUMBER", "only convert NUMBER as a SkypeOut call would");
    script.Add("convert", [sim](const std::string& text) { return sim->Convert(text); });
    script.Describe("buddies | state | settings | received",
                    "print the buddy list, the state, the settings, or\n"
                    "every command the model Skype received");
    script.Add("buddies", done([sim]() { sim->PrintBuddies(); }));
    script.Add("state", done([sim]() { sim->PrintState(); }));
    script.Add("settings", done([sim]() { sim->PrintSettings(); }));
    script.Add("received", done([w, out]() {
                   for (const auto& command : w->skype.Received()) {
                       out->Detail(model::VisibleAnsi(command.text));
                   }
               }));
    script.Describe("set NAME VALUE | unset NAME",
                    "change a setting: a number is stored as a number,\n"
                    "T or F as a switch, anything else as text");
    script.Add("set", [sim](const std::string& text) { return sim->Set(text); });
    script.Add("unset", [sim, w](const std::string& name) {
        if (name.empty()) return sim->Fail("unset takes a setting name");
        w->platform.registry.RemoveValue(settings::kRoot, settings::kKeyPath, name);
        return true;
    });
    script.Describe("save FILE.reg", "write the model registry as a .reg file");
    script.Add("save", [sim, w, out](const std::string& file) {
        if (file.empty() || !w->platform.registry.SaveFile(file)) {
            return sim->Fail("cannot write \"" + file + "\"");
        }
        out->Event("The model registry is saved to " + file);
        return true;
    });
    script.Describe("update VERSION | update offline", "what the update server answers");
    script.Add("update", [sim, w](const std::string& text) {
        if (text == "offline") {
            w->platform.internet.Refuse(addresses::kUpdateEndpoint);
        } else if (!text.empty()) {
            w->platform.internet.Answer(addresses::kUpdateEndpoint, text);
        } else {
            return sim->Fail("update takes a version or offline");
        }
        return true;
    });
    script.Describe("skype start|exit|login|logout",
                    "Skype.exe starts or exits; its user logs in or out");
    script.Describe("skype online|offline|connecting|pausing", "Skype's connection status");
    script.Describe("skype status HANDLE WORD",
                    "a user's online status (ONLINE, AWAY, NA, DND, ...)");
    script.Describe("skype property HANDLE NAME VALUE", "FULLNAME, PHONE_MOBILE, ...");
    script.Describe("skype friend HANDLE FULL NAME", "a new friend");
    script.Describe("skype pings on|off", "whether Skype answers PING");
    script.Describe("skype replies inside|posted", "when Skype's replies arrive");
    script.Describe("skype ask on|off", "whether Skype asks the user before attaching");
    script.Describe("skype allow | skype refuse", "the user's answer to that");
    script.Describe("skype protocol N", "the highest protocol Skype grants");
    script.Describe("skype notify TEXT", "any text from Skype to the attached clients");
    model::DescribeSkypeCallCommands(script);
    script.Add("skype", [sim](const std::string& text) { return sim->Skype(text); });
}

}  // namespace sim
