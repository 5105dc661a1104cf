#include "model/ModelText.h"

#include <cstdint>

namespace model {

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes Windows leaves undefined map
// to the C1 control of the same number, as MultiByteToWideChar does.
const char32_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToChar(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

bool CharToByte(char32_t c, unsigned char* byte) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        *byte = static_cast<unsigned char>(c);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c) {
            *byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

// wchar_t is UTF-16 on Windows and UTF-32 elsewhere; the model counts code
// units as Windows would, so a character beyond the BMP costs two '?'.
std::size_t Utf16Units(char32_t c) { return c > 0xFFFF ? 2 : 1; }

}  // namespace

std::string ModelText::ToAnsi(const std::wstring& wide) {
    std::string ansi;
    ansi.reserve(wide.size());
    for (wchar_t w : wide) {
        char32_t c = static_cast<char32_t>(w);
        unsigned char byte = 0;
        if (CharToByte(c, &byte)) {
            ansi += static_cast<char>(byte);
        } else {
            ansi.append(Utf16Units(c), '?');
        }
    }
    return ansi;
}

std::wstring ModelText::FromAnsi(const std::string& ansi) {
    std::wstring wide;
    wide.reserve(ansi.size());
    for (char c : ansi) {
        wide += static_cast<wchar_t>(ByteToChar(static_cast<unsigned char>(c)));
    }
    return wide;
}

std::string ModelText::ToLowerAnsi(const std::string& ansi) {
    std::string lower = ansi;
    for (char& c : lower) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 'A' && byte <= 'Z') {
            byte = static_cast<unsigned char>(byte + 0x20);
        } else if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) {
            byte = static_cast<unsigned char>(byte + 0x20);
        } else if (byte == 0x8A || byte == 0x8C || byte == 0x8E) {
            byte = static_cast<unsigned char>(byte + 0x10);  // Š Œ Ž
        } else if (byte == 0x9F) {
            byte = 0xFF;  // Ÿ
        }
        c = static_cast<char>(byte);
    }
    return lower;
}

namespace {

// One character's weights in the model's word sort.
struct Weights {
    int primary;     // 0 = ignored at the first level (hyphen, apostrophe)
    int diacritic;   // accent, 0 for none
    int caseWeight;  // 0 lower case, 1 upper case
};

// Base letter and accent of the Latin-1 letters; other characters keep
// their own code.
char32_t BaseLetter(char32_t c, int* accent) {
    static const char kBase[] =
        "AAAAAAACEEEEIIIIDNOOOOO*OUUUUYTs"   // 0xC0..0xDF
        "aaaaaaaceeeeiiiidnooooo/ouuuuyty";  // 0xE0..0xFF
    *accent = 0;
    if (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7 && c != 0xDF && c != 0xDE && c != 0xFE &&
        c != 0xD0 && c != 0xF0) {
        *accent = static_cast<int>(c - 0xBF);
        return static_cast<char32_t>(kBase[c - 0xC0]);
    }
    return c;
}

Weights WeightsOf(char32_t c) {
    Weights w{0, 0, 0};
    if (c == '-' || c == '\'') {
        return w;  // word sort: weighed only when all else is equal
    }
    int accent = 0;
    char32_t base = BaseLetter(c, &accent);
    w.diacritic = accent;
    if (base >= 'A' && base <= 'Z') {
        w.caseWeight = 1;
        base = base - 'A' + 'a';
    }
    if (base >= 'a' && base <= 'z') {
        w.primary = 0x30000 + static_cast<int>(base - 'a') * 4;
    } else if (base >= '0' && base <= '9') {
        w.primary = 0x20000 + static_cast<int>(base - '0');
    } else {
        // Blanks, punctuation and symbols sort before digits and letters.
        w.primary = 0x10000 + static_cast<int>(base & 0xFFFF);
    }
    return w;
}

// The next weight of `level` in `text` from *pos on (moving *pos past it),
// false at the end. Levels 0 to 2 are the primary, accent and case weights
// of the characters the first level weighs; level 3 is the code of the
// characters it ignores. Streaming the levels keeps the comparison free of
// allocations: it runs for every record of a sorted or searched list.
bool NextWeight(const std::wstring& text, std::size_t* pos, int level, int* weight) {
    while (*pos < text.size()) {
        const wchar_t w = text[(*pos)++];
        const Weights weights = WeightsOf(static_cast<char32_t>(w));
        const bool ignored = weights.primary == 0;
        if (level == 3) {
            if (ignored) {
                *weight = static_cast<int>(w);
                return true;
            }
            continue;
        }
        if (ignored) {
            continue;
        }
        *weight = level == 0   ? weights.primary
                  : level == 1 ? weights.diacritic
                               : weights.caseWeight;
        return true;
    }
    return false;
}

// Element by element, then the shorter sequence first.
int CompareLevel(const std::wstring& a, const std::wstring& b, int level) {
    std::size_t i = 0;
    std::size_t j = 0;
    for (;;) {
        int weightA = 0;
        int weightB = 0;
        const bool moreA = NextWeight(a, &i, level, &weightA);
        const bool moreB = NextWeight(b, &j, level, &weightB);
        if (!moreA || !moreB) {
            return moreA == moreB ? 0 : moreA ? 1 : -1;
        }
        if (weightA != weightB) {
            return weightA < weightB ? -1 : 1;
        }
    }
}

}  // namespace

int ModelText::CompareLocale(const std::wstring& a, const std::wstring& b) {
    if (a == b) {
        return 0;
    }
    for (int level = 0; level < 4; ++level) {
        const int order = CompareLevel(a, b, level);
        if (order != 0) return order;
    }
    return 0;
}

}  // namespace model
