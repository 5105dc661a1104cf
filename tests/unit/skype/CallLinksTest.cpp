// Calls, chats and SkypeOut calls placed as links ("CallVia" skype or tel):
// the link the shell is asked to open for every way, target and hostile
// text, and what the user is told when no program opens the link.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkypeFixture.h"
#include "util/Settings.h"

namespace {

using Strings = std::vector<std::string>;
using platform::RegistryRoot;

enum class Op { Call, Chat, SkypeOut };

class CallLinks : public skype_test::SkypeFixture {
  protected:
    // Skype is installed but not running: the desktop API could place
    // nothing, and its checks would say so.
    CallLinks() {
        CreateClient();
        model.registry.SetDword(RegistryRoot::CurrentUser, settings::kKeyPath,
                                settings::kCountryCode, 44);
        model.registry.SetBinary(RegistryRoot::CurrentUser, settings::kKeyPath,
                                 settings::kAutoPrefix, {1});
    }
    void Way(const std::string& name) {
        model.registry.SetString(RegistryRoot::CurrentUser, settings::kKeyPath, settings::kCallVia,
                                 name);
    }
    void Register(const std::string& scheme) {
        model.registry.SetString(RegistryRoot::ClassesRoot, scheme, "URL Protocol", "");
    }
    void Place(Op op, const std::wstring& target) {
        switch (op) {
            case Op::Call:
                client->SkypeIPCall(target);
                break;
            case Op::Chat:
                client->SkypeIMChat(target);
                break;
            case Op::SkypeOut:
                client->SkypeOut(target);
                break;
        }
    }
    Strings Opened() const {
        Strings links;
        for (const auto& execution : model.shell.executions) {
            EXPECT_EQ("open", execution.verb);
            EXPECT_EQ("", execution.parameters);
            links.push_back(execution.file);
        }
        return links;
    }
    void Reset() {
        model.shell.executions.clear();
        model.ui.messageBoxes.clear();
        skype.ClearReceived();
    }
};

TEST_F(CallLinks, ALinkNamesExactlyTheTargetsAskedFor) {
    Register("skype");
    Register("tel");
    const struct {
        const char* way;
        Op op;
        std::wstring target;
        bool bypass;
        std::string link;  // empty: nothing opened
    } cases[] = {
        {"skype", Op::Call, L"echo123", false, "skype:echo123?call"},
        {"skype", Op::Chat, L"echo123", false, "skype:echo123?chat"},
        {"SKYPE", Op::Call, L"alice.wonder, bob.builder", false,
         "skype:alice.wonder;bob.builder?call"},
        {"skype", Op::Chat, L" a_1 ,b-2,  ", false, "skype:a_1;b-2?chat"},
        {"skype", Op::SkypeOut, L"020 7946 0018", false, "skype:+442079460018?call"},
        {"tel", Op::SkypeOut, L"020 7946 0018", false, "tel:+442079460018"},
        {"tel", Op::SkypeOut, L"+1 555 0100", false, "tel:+15550100"},
        {"tel", Op::Call, L"echo123", false, "skype:echo123?call"},
        {"tel", Op::Chat, L"alice.wonder, bob.builder", false,
         "skype:alice.wonder;bob.builder?chat"},
        // Hostile text: every byte that could end the target, add a
        // parameter, another target or a switch is encoded.
        {"skype", Op::Call, L"bob\".builder", false, "skype:bob%22.builder?call"},
        {"skype", Op::Call, L"a&b=c", false, "skype:a%26b%3Dc?call"},
        {"skype", Op::Chat, L"who?call", false, "skype:who%3Fcall?chat"},
        {"skype", Op::Call, L"x;y", false, "skype:x%3By?call"},
        {"skype", Op::Call, L"100%", false, "skype:100%25?call"},
        {"skype", Op::Call, L"Anne Smith", false, "skype:Anne%20Smith?call"},
        {"skype", Op::Call, L"line\r\nbreak", false, "skype:line%0D%0Abreak?call"},
        {"skype", Op::Call, L"Zo\u00EB /\\", false, "skype:Zo%C3%AB%20%2F%5C?call"},
        {"tel", Op::SkypeOut, L"+44 20\" 7946&x=1", true, "tel:+44%2020%22%207946%26x%3D1"},
        {"skype", Op::SkypeOut, L"0161 496-0000,,12", true, "skype:0161%20496-0000,,12?call"},
        // No target left: nothing to open.
        {"skype", Op::Call, L" , ", false, ""},
        {"tel", Op::SkypeOut, L"", true, ""},
    };
    for (const auto& each : cases) {
        Reset();
        Way(each.way);
        model.registry.SetBinary(RegistryRoot::CurrentUser, settings::kKeyPath, settings::kBypass,
                                 {std::uint8_t(each.bypass)});
        Place(each.op, each.target);
        const std::string name = std::string(each.way) + " " + each.link;
        EXPECT_EQ(each.link.empty() ? Strings{} : Strings{each.link}, Opened()) << name;
        // Neither the desktop API nor its checks (Skype is not running).
        EXPECT_EQ(Strings{}, MessageTexts()) << name;
        EXPECT_EQ(Strings{}, Commands()) << name;
        EXPECT_FALSE(skype.IsRunning()) << name;
    }
}

TEST_F(CallLinks, WithoutAProgramForTheSchemeTheUserIsToldAndNothingOpens) {
    const std::string kNoSkype =
        "No program on this computer opens skype: links, so Tandrel cannot place this call or "
        "chat. Install Skype, or choose another way under \"Place calls through\" in Tandrel's "
        "options.";
    const std::string kNoTel =
        "No program on this computer opens tel: links, so Tandrel cannot place this call. "
        "Install a program for telephone calls, or choose another way under \"Place calls "
        "through\" in Tandrel's options.";
    const struct {
        const char* way;
        const char* registered;  // the scheme with a program, or ""
        bool shellFails;
        bool countryAsked;  // "AutoPrefix" off: the country chooser asks
        Op op;
        std::wstring target;
        std::string message;
    } cases[] = {
        {"skype", "", false, false, Op::Call, L"echo123", kNoSkype},
        {"skype", "tel", false, false, Op::Chat, L"echo123", kNoSkype},
        {"skype", "tel", false, false, Op::SkypeOut, L"+44 20 7946 0018", kNoSkype},
        {"tel", "skype", false, false, Op::SkypeOut, L"+44 20 7946 0018", kNoTel},
        {"tel", "tel", false, false, Op::Call, L"echo123", kNoSkype},
        // Registered, but the shell could not open it.
        {"skype", "skype", true, false, Op::Call, L"echo123", kNoSkype},
        // The number is converted as for SkypeOut first: a cancelled
        // country chooser places nothing.
        {"tel", "tel", false, true, Op::SkypeOut, L"1234 5678", "The phone number is invalid"},
    };
    for (const auto& each : cases) {
        Reset();
        model.registry.DeleteTree(RegistryRoot::ClassesRoot, "skype");
        model.registry.DeleteTree(RegistryRoot::ClassesRoot, "tel");
        if (*each.registered) Register(each.registered);
        model.registry.SetBinary(RegistryRoot::CurrentUser, settings::kKeyPath,
                                 settings::kAutoPrefix, {std::uint8_t(!each.countryAsked)});
        model.shell.result = each.shellFails ? 2 : 42;
        Way(each.way);
        Place(each.op, each.target);
        const std::string name = std::string(each.way) + " with " + each.registered;
        EXPECT_EQ(Strings{each.message}, MessageTexts()) << name;
        if (!each.shellFails) {
            EXPECT_EQ(Strings{}, Opened()) << name;
        }
        EXPECT_EQ(Strings{}, Commands()) << name;
    }
}

}  // namespace
