#include <gtest/gtest.h>

#include <locale>

#include "util/Exception.h"

namespace {

std::string Expand(const std::string& messageTemplate, const std::vector<std::string>& args) {
    return norv::ExpandMessageTemplate(messageTemplate, args, std::locale::classic());
}

TEST(MessageTemplate, PlaceholdersTakeTheirArgumentsAndOutOfRangeOnesVanish) {
    EXPECT_EQ("x b y a z  %q", Expand("x %2! y %1! z %3! %q", {"a", "b"}));
    EXPECT_EQ("[]", Expand("[%0!]", {"a"}));
    EXPECT_EQ("aa", Expand("%1!%1!", {"a"}));
}

TEST(MessageTemplate, PercentWithoutDigitsAndBangStaysLiteral) {
    EXPECT_EQ("100% sure", Expand("100% sure", {"a"}));
    EXPECT_EQ("%1 and %", Expand("%1 and %", {"a"}));
    // "%!" reads as placeholder 0, which vanishes.
    EXPECT_EQ("ab", Expand("a%!b", {"x"}));
}

TEST(MessageTemplate, EdgesOfTheTemplateExpandSafely) {
    EXPECT_EQ("ends with %", Expand("ends with %", {"a"}));
    EXPECT_EQ("ends with %12", Expand("ends with %12", {"a"}));
    // A number far beyond an int is simply too large: the placeholder vanishes.
    EXPECT_EQ("<>", Expand("<%99999999999999999999999999999!>", {"a"}));
    EXPECT_EQ("%%a", Expand("%%%1!", {"a"}));
    EXPECT_EQ("", Expand("", {}));
}

TEST(TransientException, WhatAndDescriptionGiveTheExpandedMessage) {
    norv::TransientException error("Could not %1! %2!", "guid", 66);
    error.AddArgument("Create").AddArgument("Unique Identifier");
    EXPECT_STREQ("Could not Create Unique Identifier", error.what());
    EXPECT_EQ("Could not Create Unique Identifier", error.description(std::locale::classic()));
    EXPECT_EQ("guid", error.sourceFile());
    EXPECT_EQ(66, error.sourceLine());

    const norv::Exception& base = error;
    EXPECT_EQ("guid", base.sourceFile());
    try {
        throw norv::TransientException("Could not create Unique Identifier", "guid", 77);
    } catch (const std::runtime_error& caught) {
        EXPECT_STREQ("Could not create Unique Identifier", caught.what());
    }
}

}  // namespace
