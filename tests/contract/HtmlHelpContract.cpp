// The HTML Help port: the system's help control is found and asked, and a
// help file that does not exist opens no viewer, on either side.
#include <gtest/gtest.h>

#include "contract/ContractEnvironment.h"

namespace {

TEST(HtmlHelpContract, AHelpFileThatDoesNotExistOpensNoViewer) {
    const std::string missing = "C:\\Tandrel\\no such folder\\x.chm::/index.htm";
    // The second call finds the control already loaded.
    for (int call = 0; call < 2; ++call) {
        EXPECT_EQ(platform::kNoWindow, platform::htmlHelp().Call(platform::kNoWindow, missing,
                                                                 platform::hh::kDisplayTopic, 0))
            << call;
    }
}

}  // namespace
