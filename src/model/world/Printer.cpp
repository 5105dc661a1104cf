#include "model/world/Printer.h"

#include <cstdio>
#include <cstring>
#include <sstream>

#include "model/world/ScriptText.h"

namespace model {

Printer::Printer(std::ostream& out, std::function<std::uint64_t()> now)
    : out_(out), now_(std::move(now)) {}

std::string Printer::Stamp() const {
    char stamp[32];
    const std::uint64_t ms = now_ ? now_() : 0;
    std::snprintf(stamp, sizeof(stamp), "[%4llu.%03llus] ",
                  static_cast<unsigned long long>(ms / 1000),
                  static_cast<unsigned long long>(ms % 1000));
    return stamp;
}

void Printer::Say(const std::string& text) {
    if (silent_) return;
    out_ << text << '\n';
}

void Printer::Event(const std::string& text) {
    if (silent_) return;
    out_ << Stamp() << text << '\n';
}

void Printer::ToSkype(const std::string& command) {
    if (silent_) return;
    out_ << Stamp() << "Tandrel -> Skype: " << VisibleAnsi(command) << '\n';
}

void Printer::FromSkype(const std::string& reply) {
    if (silent_) return;
    out_ << Stamp() << "Skype -> Tandrel: " << VisibleAnsi(reply) << '\n';
}

void Printer::Detail(const std::string& text) {
    if (silent_) return;
    out_ << "            " << text << '\n';
}

void Printer::Details(const std::string& text, const std::string& indent) {
    if (silent_) return;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) Detail(indent + line);
}

void Printer::Error(const std::string& text) {
    if (silent_) return;
    out_ << "error: " << text << '\n';
}

std::string Glance(std::string line) {
    for (const char* part : {" tooltip \"", " picture ", " mask "}) {
        const std::size_t at = line.find(part);
        if (at == std::string::npos) continue;
        std::size_t end = line.find(part[1] == 't' ? '"' : ' ', at + std::strlen(part));
        if (end != std::string::npos && part[1] == 't') ++end;
        line.erase(at, end == std::string::npos ? std::string::npos : end - at);
    }
    return line;
}

void Printer::Prompt(const std::string& text) {
    if (silent_) return;
    out_ << text << std::flush;
}

}  // namespace model
