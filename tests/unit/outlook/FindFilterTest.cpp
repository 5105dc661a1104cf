// The model's Items.Find restriction parser: what it accepts and refuses.
#include <gtest/gtest.h>

#include <cwchar>

#include "model/outlook/FindFilter.h"

namespace {

using model::FindTerm;

std::vector<FindTerm> Parse(const std::wstring& filter) {
    std::vector<FindTerm> terms;
    EXPECT_TRUE(model::ParseFindFilter(filter, &terms))
        << std::string(filter.begin(), filter.end());
    return terms;
}

TEST(FindFilter, ReadsTermsJoinedByOr) {
    const std::vector<FindTerm> terms =
        Parse(L"[Email1Address] = 'a@b' Or [Email2Address] = 'c' or [X] = ''");
    ASSERT_EQ(3u, terms.size());
    EXPECT_EQ(L"Email1Address", terms[0].property);
    EXPECT_EQ(L"a@b", terms[0].value);
    EXPECT_EQ(L"Email2Address", terms[1].property);
    EXPECT_EQ(L"", terms[2].value);
}

TEST(FindFilter, DoubledQuoteStandsForOne) {
    const std::vector<FindTerm> terms = Parse(L"[A] = 'o''brien' Or [B] = ''''");
    ASSERT_EQ(2u, terms.size());
    EXPECT_EQ(L"o'brien", terms[0].value);
    EXPECT_EQ(L"'", terms[1].value);
    // An injected-looking text inside the quotes is only a value.
    const std::vector<FindTerm> one = Parse(L"[A] = 'x'' Or [B] = ''y'");
    ASSERT_EQ(1u, one.size());
    EXPECT_EQ(L"x' Or [B] = 'y", one[0].value);
}

TEST(FindFilter, RefusesMalformedFilters) {
    const wchar_t* const bad[] = {
        L"",
        L"[A] = 'o'brien'",          // lone quote ends the value early
        L"[A] = 'open",              // no closing quote
        L"[A = 'x'",                 // no closing bracket
        L"[] = 'x'",                 // no property name
        L"A = 'x'",                  // no brackets
        L"[A] 'x'",                  // no equals sign
        L"[A] = x",                  // value not quoted
        L"[A] = 'x' And [B] = 'y'",  // only Or joins terms
        L"[A] = 'x' Or",             // dangling Or
        L"[A] = 'x'Or [B] = 'y'",    // Or needs blanks around it
        L"[A] = 'x' Or[B] = 'y'",
        L"[A] = 'x' trailing",
    };
    for (const wchar_t* filter : bad) {
        std::vector<FindTerm> terms;
        EXPECT_FALSE(model::ParseFindFilter(filter, &terms))
            << std::string(filter, filter + std::wcslen(filter));
    }
}

}  // namespace
