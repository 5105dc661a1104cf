// The string table as the resources port sees it: the compiled resource
// script (win32) and the model must hold the same numbers and texts.
#include <gtest/gtest.h>

#include "contract/ContractEnvironment.h"
#include "resources/StringIds.h"
#include "resources/Version.h"

namespace {

struct Expected {
    unsigned id;
    const wchar_t* text;
};

const Expected kTable[] = {
#define TANDREL_STRING(number, identifier, text) {number, L"" text},
#include "resources/strings.inc"
#undef TANDREL_STRING
};

TEST(ResourcesContract, EveryStringLoadsWithItsExactText) {
    for (const Expected& entry : kTable) {
        std::wstring text;
        EXPECT_TRUE(platform::resources().LoadText(entry.id, &text)) << entry.id;
        EXPECT_EQ(std::wstring(entry.text), text) << entry.id;
    }
}

TEST(ResourcesContract, NumbersOutsideTheTableAreMissing) {
    for (unsigned id = 90; id <= 181; ++id) {
        bool inTable = false;
        for (const Expected& entry : kTable) inTable = inTable || entry.id == id;
        if (inTable) continue;
        std::wstring text = L"stale";
        EXPECT_FALSE(platform::resources().LoadText(id, &text)) << id;
        EXPECT_TRUE(text.empty()) << id;
    }
}

TEST(ResourcesContract, TrailingBlanksAndLineBreaksSurvive) {
    std::wstring text;
    ASSERT_TRUE(platform::resources().LoadText(ids::kLabelPrimary, &text));
    EXPECT_EQ(L"Primary: ", text);
    ASSERT_TRUE(platform::resources().LoadText(ids::kNoConferenceSupport, &text));
    EXPECT_NE(std::wstring::npos, text.find(L"applications.\nPlease"));
}

TEST(VersionContract, TheVersionResourceCarriesTheProjectVersion) {
    std::string text = "stale";
    ASSERT_TRUE(platform::resources().LoadFileVersion(&text));
    EXPECT_EQ(TANDREL_VERSION_TEXT, text);
}

}  // namespace
