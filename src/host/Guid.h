// A GUID (IID, DIID, CLSID) as plain data, with its registry text form.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace host {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    // "{00063079-0000-0000-C000-000000000046}" (upper case, with braces).
    std::string ToString() const;
    // Accepts the form above with or without braces, either letter case;
    // anything else (a wrong length, a bad digit, a dash missing or moved,
    // one brace alone) answers false and leaves *guid unchanged.
    static bool Parse(const std::string& text, Guid* guid);

    friend bool operator==(const Guid& a, const Guid& b) {
        return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 && a.data4 == b.data4;
    }
    friend bool operator!=(const Guid& a, const Guid& b) { return !(a == b); }
    // The order of the text form (its fields are fixed-width hexadecimal,
    // most significant digit first), without making two texts for every
    // comparison of a table lookup.
    friend bool operator<(const Guid& a, const Guid& b) {
        if (a.data1 != b.data1) return a.data1 < b.data1;
        if (a.data2 != b.data2) return a.data2 < b.data2;
        if (a.data3 != b.data3) return a.data3 < b.data3;
        return a.data4 < b.data4;
    }
};

constexpr Guid MakeGuid(std::uint32_t d1, std::uint16_t d2, std::uint16_t d3, std::uint8_t b0,
                        std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4,
                        std::uint8_t b5, std::uint8_t b6, std::uint8_t b7) {
    return Guid{d1, d2, d3, {{b0, b1, b2, b3, b4, b5, b6, b7}}};
}

// Interfaces every COM object knows.
constexpr Guid kIID_IUnknown = MakeGuid(0x00000000, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);
constexpr Guid kIID_IDispatch = MakeGuid(0x00020400, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);

}  // namespace host
