#include "model/world/ScriptText.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

#include "model/ModelText.h"

namespace model {

std::wstring WideFromUtf8(const std::string& utf8) {
    std::wstring wide;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        if ((lead >= 0x80 && lead < 0xC0) || i + extra >= utf8.size() + (extra == 0)) {
            wide += L'?';
            ++i;
            continue;
        }
        std::uint32_t code = extra == 0 ? lead : lead & (0x3Fu >> extra);
        for (int k = 1; k <= extra; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        }
        wide += static_cast<wchar_t>(code);
        i += 1 + extra;
    }
    return wide;
}

std::string Utf8FromWide(const std::wstring& wide) {
    std::string utf8;
    for (wchar_t w : wide) {
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

std::string AnsiFromUtf8(const std::string& utf8) { return ModelText().ToAnsi(WideFromUtf8(utf8)); }

std::string VisibleAnsi(const std::string& ansi) {
    std::string shown;
    std::string plain;
    auto flush = [&]() {
        shown += Utf8FromWide(ModelText().FromAnsi(plain));
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

std::string Hex(std::uintptr_t value) {
    char text[32];
    std::snprintf(text, sizeof(text), "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string FirstWord(const std::string& text, std::string* rest) {
    const std::string trimmed = Trim(text);
    const std::size_t blank = trimmed.find_first_of(" \t");
    if (blank == std::string::npos) {
        rest->clear();
        return trimmed;
    }
    *rest = Trim(trimmed.substr(blank));
    return trimmed.substr(0, blank);
}

bool ParseNumber(const std::string& text, long long* value) {
    if (text.empty()) return false;
    const std::size_t first = text[0] == '-' ? 1 : 0;
    if (first == text.size()) return false;
    for (std::size_t i = first; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    try {
        *value = std::stoll(text);
    } catch (...) {
        return false;
    }
    return true;
}

}  // namespace model
