// The text port: ANSI code page conversions, lower case and the locale's
// comparison must agree between the model and Windows.
#include <gtest/gtest.h>

#include "contract/ContractEnvironment.h"

namespace {

int Sign(int value) { return value < 0 ? -1 : value > 0 ? 1 : 0; }

TEST(TextContract, AsciiAndLatin1RoundTrip) {
    platform::Text& text = platform::text();
    EXPECT_EQ("echo123 +44 (20) x", text.ToAnsi(L"echo123 +44 (20) x"));
    EXPECT_EQ(std::string("Jos\xE9 M\xFCller"), text.ToAnsi(L"Jos\u00E9 M\u00FCller"));
    EXPECT_EQ(L"Jos\u00E9 M\u00FCller", text.FromAnsi("Jos\xE9 M\xFCller"));
    EXPECT_EQ(std::string("\x80"), text.ToAnsi(L"\u20AC"));  // the euro sign of Windows-1252
    EXPECT_EQ(L"\u20AC", text.FromAnsi("\x80"));
    EXPECT_EQ("", text.ToAnsi(L""));
    EXPECT_EQ(L"", text.FromAnsi(""));
}

TEST(TextContract, UnmappableCharactersBecomeQuestionMarks) {
    platform::Text& text = platform::text();
    EXPECT_EQ("a?b", text.ToAnsi(L"a\u0416b"));           // Cyrillic Zhe
    EXPECT_EQ("?", text.ToAnsi(L"\u0100").substr(0, 1));  // no best-fit "A"
    EXPECT_EQ("x?y", text.ToAnsi(L"x\u4E2Dy"));
}

TEST(TextContract, EmbeddedNulsAreKept) {
    std::wstring wide(L"a\0b", 3);
    EXPECT_EQ(std::string("a\0b", 3), platform::text().ToAnsi(wide));
}

TEST(TextContract, LowerCaseThroughTheCodePage) {
    platform::Text& text = platform::text();
    EXPECT_EQ("smith.john1", text.ToLowerAnsi("SMITH.John1"));
    EXPECT_EQ(std::string("\xE9\xE0\xFC"), text.ToLowerAnsi("\xC9\xC0\xDC"));
    EXPECT_EQ(std::string("\xD7"), text.ToLowerAnsi("\xD7"));  // the multiplication sign stays
}

TEST(TextContract, LocaleOrderIsCaseSensitiveAndLinguistic) {
    platform::Text& text = platform::text();
    EXPECT_EQ(0, text.CompareLocale(L"echo123", L"echo123"));
    EXPECT_NE(0, text.CompareLocale(L"Echo123", L"echo123"));
    EXPECT_EQ(-1, Sign(text.CompareLocale(L"abc", L"abd")));
    EXPECT_EQ(-1, Sign(text.CompareLocale(L"a", L"B")));  // not code-unit order
    EXPECT_EQ(-1, Sign(text.CompareLocale(L"alice", L"Bob")));
    EXPECT_EQ(-1, Sign(text.CompareLocale(L"a", L"A")));  // lower case first
    EXPECT_EQ(1, Sign(text.CompareLocale(L"b", L"A")));
    EXPECT_EQ(-1, Sign(text.CompareLocale(L"9", L"a")));  // digits before letters
    EXPECT_EQ(-1, Sign(text.CompareLocale(L"ab", L"abc")));
    EXPECT_EQ(-1, Sign(text.CompareLocale(L"", L"a")));
}

}  // namespace
