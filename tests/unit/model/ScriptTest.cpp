// The script language's runner, the same for the simulator and
// OutlookHost.exe: lines, comments, failures counted and told with their
// line, stopping where a host wants it, and the help's layout.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "model/world/Script.h"

namespace {

class ScriptTest : public ::testing::Test {
  protected:
    ScriptTest() {
        script.Add("fail", [this](const std::string& why) {
            printer.Error(why);
            return false;
        });
        script.Add("count", [this](const std::string& arguments) {
            counted += arguments;
            return true;
        });
    }
    int Run(const std::string& text, const model::Script::Options& options) {
        std::istringstream lines(text);
        return script.RunAll(lines, "test", options);
    }

    std::ostringstream told;
    model::Printer printer{told, []() { return std::uint64_t(1234); }};
    model::Script script{printer};
    std::string counted;
};

TEST_F(ScriptTest, EveryLineRunsAndFailuresAreCountedAndToldWithTheirLine) {
    EXPECT_EQ(2, Run("# a comment\n"
                     "\n"
                     "  echo  hello there \n"
                     "bogus words\n"
                     "fail why not\n"
                     "count a  b\n",
                     model::Script::Options()));
    EXPECT_EQ(
        "hello there\n"
        "error: unknown command \"bogus\" (try \"help\")\n"
        "error: test line 4: bogus words\n"
        "error: why not\n"
        "error: test line 5: fail why not\n",
        told.str());
    EXPECT_EQ("a  b", counted);
}

TEST_F(ScriptTest, AHostMayStopAtTheFirstFailureEchoEachLineAndActAfterEach) {
    model::Script::Options options;
    options.echo = true;
    options.stopAtFailure = true;
    int after = 0;
    options.afterEach = [&after] { ++after; };
    EXPECT_EQ(1, Run("count 1\n# not echoed\nfail stop\ncount 2\n", options));
    EXPECT_EQ("1", counted);
    EXPECT_EQ(3, after);
    EXPECT_EQ("1: count 1\n3: fail stop\nerror: stop\nerror: test line 3: fail stop\n", told.str());
}

TEST_F(ScriptTest, QuitEndsTheRunAndAPromptTakesThePlaceOfLineNumbers) {
    model::Script::Options options;
    options.prompt = "> ";
    EXPECT_EQ(1, Run("fail x\nquit\ncount never\n", options));
    EXPECT_EQ("", counted);
    EXPECT_EQ("> error: x\n> ", told.str());
}

TEST_F(ScriptTest, HelpLinesLineUpTheirTexts) {
    model::Script bare(printer);
    bare.Describe("A heading:");
    bare.Describe("short USAGE", "one line");
    bare.Describe("a usage longer than the column", "stays on its line");
    bare.Describe("a usage longer than the column", "its text\ngoes below");
    const std::string expected =
        "A heading:\n"
        "  short USAGE               one line\n"
        "  a usage longer than the column" +
        std::string(14, ' ') +
        "stays on its line\n"
        "  a usage longer than the column\n"
        "                            its text\n"
        "                            goes below\n";
    const std::string help = bare.Help();
    EXPECT_NE(std::string::npos, help.find(expected)) << help;
}

}  // namespace
