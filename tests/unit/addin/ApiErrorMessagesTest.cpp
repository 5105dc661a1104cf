// The message boxes for Skype's "ERROR" replies, as the add-in object shows
// them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addin/ApiErrorMessages.h"
#include "support/ModelFixture.h"
#include "support/TraceCapture.h"

namespace {

using Strings = std::vector<std::string>;

class ApiErrors : public testing_support::ModelFixture {};

TEST_F(ApiErrors, KnownCodesHaveTheirOwnWordsOthersShowCodeAndText) {
    ShowApiError(0, " ignored");
    EXPECT_TRUE(model.ui.messageBoxes.empty());
    ShowApiError(70, " Invalid handle");
    ShowApiError(92, " call error");
    ShowApiError(94, " call error");
    ShowApiError(101, " Internal error");
    ShowApiError(-3, "");
    const Strings expected = {
        "The Skype Name supplied is not recognised or refers to the currently logged in user.",
        "Invalid Number for SkypeOut. See Tandrel Help for more information.",
        "Cannot initiate a Skype call to the currently logged in user",
        "Unable to initiate call. [101]:  Internal error",
        "Unable to initiate call. [-3]: ",
    };
    ASSERT_EQ(expected.size(), model.ui.messageBoxes.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& box = model.ui.messageBoxes[i];
        EXPECT_EQ(expected[i], box.text);
        EXPECT_EQ("Tandrel", box.caption);
        EXPECT_EQ(platform::mb::kOk | platform::mb::kIconError, box.flags);
        EXPECT_EQ(platform::kNoWindow, box.owner);
    }
}

TEST_F(ApiErrors, AreTracedAsTheAddInObjectsHandler) {
    testing_support::TraceCapture trace(model.registry);
    trace.Enable();
    ShowApiError(0, "");
    EXPECT_EQ(
        "#### BEGIN TRACE ####\nENTR CConnect::OnReturnAPIError\nEXIT CConnect::OnReturnAPIError\n",
        trace.Text());
}

}  // namespace
