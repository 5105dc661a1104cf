// How the simulator shows what happens: every line stamped with the model
// desktop's clock, the traffic between the add-in and Skype marked with
// arrows, message boxes and dialogs as the user would see them.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace sim {

class Printer {
  public:
    // `now` reads the model clock in milliseconds.
    Printer(std::ostream& out, std::function<std::uint64_t()> now);

    // A heading or narration line of a script.
    void Say(const std::string& text);
    // Something that happened, stamped with the clock.
    void Event(const std::string& text);
    // Text the add-in sent to Skype, and text Skype sent to the add-in.
    void ToSkype(const std::string& command);
    void FromSkype(const std::string& reply);
    // Indented detail lines (lists, state) without a stamp.
    void Detail(const std::string& text);
    void Error(const std::string& text);
    // The interactive prompt, without a line end.
    void Prompt(const std::string& text);

    // Wide text for the terminal (UTF-8).
    static std::string Utf8(const std::wstring& text);
    // Narrow ANSI (Windows-1252) text for the terminal, control bytes shown as \xNN.
    static std::string Visible(const std::string& ansi);

  private:
    std::string Stamp() const;

    std::ostream& out_;
    std::function<std::uint64_t()> now_;
};

}  // namespace sim
