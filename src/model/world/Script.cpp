#include "model/world/Script.h"

#include "model/world/ScriptText.h"

namespace model {

namespace {

constexpr std::size_t kUsageWidth = 26;
// A longer usage with a one-line text keeps it on its line, further right.
constexpr std::size_t kLongUsageWidth = 44;

}  // namespace

Script::Script(Printer& out) : out_(out) {
    Describe("Commands (one per line; # starts a comment):");
    Describe("echo TEXT", "print TEXT");
    Describe("help | quit", "list the commands, or stop");
    Add("echo", [this](const std::string& text) {
        out_.Say(text);
        return true;
    });
    Add("help", [this](const std::string&) {
        out_.Say(help_);
        return true;
    });
    const Command quit = [this](const std::string&) {
        quit_ = true;
        return true;
    };
    Add("quit", quit);
    Add("exit", quit);
}

void Script::Add(const std::string& name, Command command) { commands_[name] = std::move(command); }

void Script::Describe(const std::string& usage, const std::string& text) {
    if (text.empty()) {
        help_ += usage + "\n";
        return;
    }
    std::string line = "  " + usage;
    const std::string indent(kUsageWidth + 2, ' ');
    if (usage.size() < kUsageWidth) {
        line += std::string(kUsageWidth - usage.size(), ' ');
    } else if (usage.size() < kLongUsageWidth && text.find('\n') == std::string::npos) {
        line += std::string(kLongUsageWidth - usage.size(), ' ');
    } else {
        line += "\n" + indent;
    }
    for (const char c : text) line += c == '\n' ? "\n" + indent : std::string(1, c);
    help_ += line + "\n";
}

bool Script::Run(const std::string& rawLine) {
    const std::string line = Trim(rawLine);
    if (line.empty() || line[0] == '#') return true;
    std::string arguments;
    const std::string name = FirstWord(line, &arguments);
    const auto command = commands_.find(name);
    if (command == commands_.end()) {
        out_.Error("unknown command \"" + name + "\" (try \"help\")");
        return false;
    }
    return command->second(arguments);
}

int Script::RunAll(std::istream& in, const std::string& sourceName, const Options& options) {
    int failures = 0;
    int number = 0;
    std::string line;
    while (!quit_) {
        if (options.prompt != nullptr) out_.Prompt(options.prompt);
        if (!std::getline(in, line)) break;
        ++number;
        if (options.echo && !Trim(line).empty() && Trim(line)[0] != '#') {
            out_.Say(std::to_string(number) + ": " + Trim(line));
        }
        const bool passed = Run(line);
        if (options.afterEach) options.afterEach();
        if (passed) continue;
        ++failures;
        if (options.prompt == nullptr) {
            out_.Error(sourceName + " line " + std::to_string(number) + ": " + Trim(line));
        }
        if (options.stopAtFailure) break;
    }
    return failures;
}

}  // namespace model
