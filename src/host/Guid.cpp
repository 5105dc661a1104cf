#include "host/Guid.h"

#include <cstdio>

namespace host {

std::string Guid::ToString() const {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(data1), data2, data3, data4[0], data4[1], data4[2],
                  data4[3], data4[4], data4[5], data4[6], data4[7]);
    return text;
}

namespace {

bool HexValue(char c, unsigned* value) {
    if (c >= '0' && c <= '9') {
        *value = static_cast<unsigned>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
        *value = static_cast<unsigned>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
        *value = static_cast<unsigned>(c - 'A' + 10);
    } else {
        return false;
    }
    return true;
}

// Reads `digits` hex digits at text[*pos], advancing *pos.
bool ReadHex(const std::string& text, std::size_t* pos, int digits, std::uint32_t* value) {
    *value = 0;
    for (int i = 0; i < digits; ++i) {
        unsigned digit = 0;
        if (*pos >= text.size() || !HexValue(text[*pos], &digit)) {
            return false;
        }
        *value = (*value << 4) | digit;
        ++*pos;
    }
    return true;
}

bool Expect(const std::string& text, std::size_t* pos, char c) {
    if (*pos >= text.size() || text[*pos] != c) {
        return false;
    }
    ++*pos;
    return true;
}

}  // namespace

bool Guid::Parse(const std::string& text, Guid* guid) {
    if (!guid) {
        return false;
    }
    std::string body = text;
    if (body.size() == 38 && body.front() == '{' && body.back() == '}') {
        body = body.substr(1, 36);
    }
    if (body.size() != 36) {
        return false;
    }
    Guid parsed;
    std::size_t pos = 0;
    std::uint32_t value = 0;
    if (!ReadHex(body, &pos, 8, &value)) return false;
    parsed.data1 = value;
    if (!Expect(body, &pos, '-') || !ReadHex(body, &pos, 4, &value)) return false;
    parsed.data2 = static_cast<std::uint16_t>(value);
    if (!Expect(body, &pos, '-') || !ReadHex(body, &pos, 4, &value)) return false;
    parsed.data3 = static_cast<std::uint16_t>(value);
    if (!Expect(body, &pos, '-')) return false;
    for (int i = 0; i < 8; ++i) {
        if (i == 2 && !Expect(body, &pos, '-')) return false;
        if (!ReadHex(body, &pos, 2, &value)) return false;
        parsed.data4[i] = static_cast<std::uint8_t>(value);
    }
    *guid = parsed;
    return true;
}

}  // namespace host
