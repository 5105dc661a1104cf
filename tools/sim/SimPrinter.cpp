#include "SimPrinter.h"

#include <cstdio>

#include "model/ModelText.h"

namespace sim {

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

void Printer::Say(const std::string& text) { out_ << text << '\n'; }

void Printer::Event(const std::string& text) { out_ << Stamp() << text << '\n'; }

void Printer::ToSkype(const std::string& command) {
    out_ << Stamp() << "Tandrel -> Skype: " << Visible(command) << '\n';
}

void Printer::FromSkype(const std::string& reply) {
    out_ << Stamp() << "Skype -> Tandrel: " << Visible(reply) << '\n';
}

void Printer::Detail(const std::string& text) { out_ << "            " << text << '\n'; }

void Printer::Error(const std::string& text) { out_ << "error: " << text << '\n'; }

void Printer::Prompt(const std::string& text) { out_ << text << std::flush; }

std::string Printer::Utf8(const std::wstring& text) {
    std::string utf8;
    for (wchar_t w : text) {
        const std::uint32_t c = static_cast<std::uint32_t>(w);
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (c >> 18));
            utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

std::string Printer::Visible(const std::string& ansi) {
    std::string shown;
    std::string plain;
    auto flush = [&]() {
        shown += Utf8(model::ModelText().FromAnsi(plain));
        plain.clear();
    };
    for (char c : ansi) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            flush();
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\x%02X", byte);
            shown += escaped;
        } else {
            plain += c;
        }
    }
    flush();
    return shown;
}

}  // namespace sim
