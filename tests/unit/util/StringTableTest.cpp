#include <gtest/gtest.h>

#include "resources/Addresses.h"
#include "resources/DialogTexts.h"
#include "resources/StringIds.h"
#include "support/ModelFixture.h"
#include "util/Text.h"

namespace {

using StringTable = testing_support::ModelFixture;

TEST_F(StringTable, HoldsTheTextsByNumber) {
    EXPECT_EQ("Tandrel Information", text::LoadAnsiString(101));
    EXPECT_EQ("Mobile: ", text::LoadAnsiString(ids::kLabelMobile));
    EXPECT_EQ("Unable to initiate call.", text::LoadAnsiString(113));
    EXPECT_EQ(
        "The version of Skype you are running does not support starting conferences from 3rd "
        "Party applications.\nPlease install the latest version of Skype.",
        text::LoadAnsiString(109));
    EXPECT_EQ(L"Enter a skype name to contact", text::LoadWideString(169));
}

TEST_F(StringTable, MissingNumbersGiveEmptyText) {
    EXPECT_EQ("", text::LoadAnsiString(100));
    EXPECT_EQ("", text::LoadAnsiString(129));
    EXPECT_EQ("", text::LoadAnsiString(170));
}

TEST_F(StringTable, QuotesTheAddressesTheAddInUses) {
    EXPECT_NE(std::string::npos, text::LoadAnsiString(103).find(addresses::kWebSite));
    EXPECT_NE(std::string::npos, text::LoadAnsiString(104).find(addresses::kWebSite));
    EXPECT_NE(std::string::npos, text::LoadAnsiString(171).find(addresses::kSkypeWebSite));
    EXPECT_NE(std::string::npos, std::string(TANDREL_ABOUT_HELP_LINE).find(addresses::kWebSite));
}

}  // namespace
