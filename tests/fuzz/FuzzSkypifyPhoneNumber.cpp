// Telephone numbers into SkypeOut's form, with whatever the settings hold
// and whatever the user does in the country chooser. The first line of the
// input is the number (UTF-8); the others set the scene:
//   "code=<text>"  "CountryCode" as a number when it is all digits, else as text
//   "auto=<byte>"  "AutoPrefix" as one binary byte
//   "select=<n>", "select:<name>", "click=<id>", "close"  the user, in the chooser
// A conversion that fails leaves the number as it was; one that succeeds
// gives "+" and more; the chooser opens at most once; nothing throws.
// The world (its registry holding the telephony country list) is built once
// and rolled back after each input.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "model/world/World.h"
#include "skype/Skype.h"
#include "util/Settings.h"

namespace {

// UTF-8 into wide characters; a byte that starts no sequence stands for
// itself, so every input gives some number.
std::wstring Wide(const std::string& utf8) {
    std::wstring wide;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (extra == 0 || i + extra >= utf8.size()) {
            wide += static_cast<wchar_t>(c);
            continue;
        }
        std::uint32_t code = c & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        i += extra;
        if (sizeof(wchar_t) == 2 && code > 0xFFFF) {
            code -= 0x10000;
            wide += static_cast<wchar_t>(0xD800 + (code >> 10));
            wide += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(code);
        }
    }
    return wide;
}

model::World& StartingWorld() {
    static model::World* const world = [] {
        model::World* made = new model::World(model::Mailbox(), model::World::SkypeUsers::None);
        made->Checkpoint();
        return made;
    }();
    return *world;
}

int Number(const std::string& text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > 100000) break;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines =
        fuzz::Lines(std::string(reinterpret_cast<const char*>(data), size));
    model::World& world = StartingWorld();
    model::ModelPlatform& platform = world.platform;
    std::vector<model::DialogAction> script;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::string value = line.substr(line.find_first_of("=:") + 1);
        model::DialogAction action;
        if (line.compare(0, 5, "code=") == 0) {
            if (!value.empty() && value.find_first_not_of("0123456789") == std::string::npos &&
                value.size() < 10) {
                platform.registry.SetDword(settings::kRoot, settings::kKeyPath,
                                           settings::kCountryCode,
                                           static_cast<std::uint32_t>(std::stoul(value)));
            } else {
                platform.registry.SetString(settings::kRoot, settings::kKeyPath,
                                            settings::kCountryCode, value);
            }
            continue;
        }
        if (line.compare(0, 5, "auto=") == 0) {
            platform.registry.SetBinary(
                settings::kRoot, settings::kKeyPath, settings::kAutoPrefix,
                {static_cast<std::uint8_t>(value.empty() ? 0 : value[0] - '0')});
            continue;
        }
        if (line.compare(0, 7, "select=") == 0) {
            action.kind = model::DialogAction::Kind::SelectIndex;
            action.control = 217;
            action.index = Number(value);
        } else if (line.compare(0, 7, "select:") == 0) {
            action.kind = model::DialogAction::Kind::SelectItem;
            action.control = 217;
            action.text = value;
        } else if (line.compare(0, 6, "click=") == 0) {
            action.kind = model::DialogAction::Kind::Click;
            action.control = Number(value);
        }
        script.push_back(action);  // anything else closes the chooser
    }
    platform.ui.QueueDialogScript(script);

    {
        CSkype skype{host::DispatchPtr()};
        const std::wstring original = Wide(lines.front());
        std::wstring number = original;
        const bool converted = skype.SkypifyPhoneNumber(number);
        fuzz::Require(converted || number == original, "a failed conversion changed the number");
        fuzz::Require(!converted || (number.size() > 1 && number[0] == L'+'),
                      "a converted number does not start with +");
        fuzz::Require(platform.ui.dialogs.size() <= 1, "the chooser opened twice");
        fuzz::Require(platform.CaughtExceptions() == 0, "an exception reached the dialog");
    }
    world.Rollback();
    return 0;
}
