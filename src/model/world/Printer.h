// How the simulator and OutlookHost.exe show what happens: every event
// stamped with a clock, the traffic between the add-in and Skype marked
// with arrows, drawings and lists indented beneath. "Brief" output leaves
// out what a glance would not catch (the buddy list's traffic, tooltips,
// pictures, the Help menu's items).
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace model {

class Printer {
  public:
    // `now` reads the clock in milliseconds.
    Printer(std::ostream& out, std::function<std::uint64_t()> now);

    // A heading or narration line of a script.
    void Say(const std::string& text);
    // Something that happened, stamped with the clock.
    void Event(const std::string& text);
    // ANSI text the add-in sent to Skype, and text Skype sent to the add-in.
    void ToSkype(const std::string& command);
    void FromSkype(const std::string& reply);
    // An indented line (drawings, lists, state) without a stamp.
    void Detail(const std::string& text);
    // Each line of `text` as a detail line, indented by `indent`.
    void Details(const std::string& text, const std::string& indent);
    void Error(const std::string& text);
    // The interactive prompt, without a line end.
    void Prompt(const std::string& text);

    bool brief() const { return brief_; }
    void SetBrief(bool brief) { brief_ = brief; }
    // Nothing at all is printed, nor drawn for printing (a session nobody
    // watches: the fuzz targets').
    bool silent() const { return silent_; }
    void SetSilent(bool silent) { silent_ = silent; }

  private:
    std::string Stamp() const;

    std::ostream& out_;
    std::function<std::uint64_t()> now_;
    bool brief_ = false;
    bool silent_ = false;
};

// A drawn line without its tooltip, pictures and mask: what a glance shows.
std::string Glance(std::string line);

}  // namespace model
