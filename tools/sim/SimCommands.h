// The simulator's command language, the same for script files, the
// built-in demo and the interactive prompt: one command per line, "#"
// starts a comment.
#pragma once

#include <istream>
#include <string>

#include "SimWorld.h"

namespace sim {

class Commands {
  public:
    explicit Commands(World& world);

    // Runs one line. False when the line could not be understood or done
    // (the reason has been printed).
    bool Run(const std::string& line);
    // Runs every line of `in`; with `prompt` set, prints it before each
    // line (the interactive prompt). Stops at "quit". Returns the number of
    // lines that failed.
    int RunAll(std::istream& in, const std::string& sourceName, const char* prompt = nullptr);

    bool QuitRequested() const { return quit_; }
    static const char* Help();

  private:
    bool RunSkype(const std::string& arguments);
    bool RunSet(const std::string& arguments);
    bool RunCountry(const std::string& arguments);
    bool RunAnswer(const std::string& arguments);
    void Dial(const std::wstring& number);
    bool NeedClient();

    World& world_;
    bool quit_ = false;
};

}  // namespace sim
