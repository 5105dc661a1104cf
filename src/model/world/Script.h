// The one script language of the simulator (its scripts, its built-in demo
// and its prompt) and of OutlookHost.exe: one command a line, "#" starts a
// comment, the first word names the command and the rest of the line is
// its argument text. The commands every host runs come from
// AddUserCommands (UserCommands.h); a host adds those only it can run.
#pragma once

#include <functional>
#include <istream>
#include <map>
#include <string>

#include "model/world/Printer.h"

namespace model {

class Script {
  public:
    // Gets the rest of the line; false when it could not be done or what it
    // expected is not so (the reason printed).
    using Command = std::function<bool(const std::string& arguments)>;

    // Knows "echo TEXT", "help" and "quit" (or "exit").
    explicit Script(Printer& out);

    // A later command of the same name replaces the earlier.
    void Add(const std::string& name, Command command);
    // A line of "help": the usage, and what it does (further lines after
    // "\n"); without a text, a heading.
    void Describe(const std::string& usage, const std::string& text = std::string());

    // Runs one line. False when it failed or named no command.
    bool Run(const std::string& line);

    struct Options {
        // Printed before each line is read (the interactive prompt); then
        // failures are not followed by the line's number.
        const char* prompt = nullptr;
        // Prints each line, numbered, before it runs.
        bool echo = false;
        // Stops at the first line that fails.
        bool stopAtFailure = false;
        // Runs after each line.
        std::function<void()> afterEach;
    };
    // Runs every line of `in` until its end or "quit". Returns the number
    // of lines that failed.
    int RunAll(std::istream& in, const std::string& sourceName, const Options& options);

    std::string Help() const { return help_; }
    Printer& out() { return out_; }

  private:
    Printer& out_;
    std::map<std::string, Command> commands_;
    std::string help_;
    bool quit_ = false;
};

}  // namespace model
