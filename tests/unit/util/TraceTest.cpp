#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "support/ModelFixture.h"
#include "support/TraceCapture.h"
#include "util/CaughtExceptions.h"
#include "util/Settings.h"
#include "util/Trace.h"

namespace {

using platform::RegistryRoot;

class TraceLog : public testing_support::ModelFixture {
  protected:
    testing_support::TraceCapture trace{model.registry};
};

void Inner() { TANDREL_TRACE("CSkype::CSkype"); }

void Nested(int levels) {
    static const char* const kNames[] = {"A::One", "A::Two", "A::Three"};
    TANDREL_TRACE(kNames[3 - levels]);
    if (levels > 1) Nested(levels - 1);
}

TEST_F(TraceLog, AbsentLogFileWritesNothingButDepthMoves) {
    {
        TANDREL_TRACE("CConnect::OnConnection");
        EXPECT_EQ(1, CTrace::Depth());
        Inner();
        EXPECT_EQ(1, CTrace::Depth());
    }
    EXPECT_EQ(0, CTrace::Depth());
    EXPECT_FALSE(trace.Exists());
}

TEST_F(TraceLog, FirstRunStartsWithTheMarkerAndIndentsByDepth) {
    trace.Enable();
    {
        TANDREL_TRACE("CConnect::OnConnection");
        Inner();
    }
    EXPECT_EQ(
        "#### BEGIN TRACE ####\n"
        "ENTR CConnect::OnConnection\n"
        "    ENTR CSkype::CSkype\n"
        "    EXIT CSkype::CSkype\n"
        "EXIT CConnect::OnConnection\n",
        trace.Text());
}

TEST_F(TraceLog, ThreeLevelsIndentZeroFourAndEight) {
    trace.Enable();
    Nested(3);
    EXPECT_EQ(
        "#### BEGIN TRACE ####\n"
        "ENTR A::One\n"
        "    ENTR A::Two\n"
        "        ENTR A::Three\n"
        "        EXIT A::Three\n"
        "    EXIT A::Two\n"
        "EXIT A::One\n",
        trace.Text());
}

TEST_F(TraceLog, ExceptionStillWritesTheExitRecordAtItsIndent) {
    trace.Enable();
    {
        TANDREL_TRACE("Outer::Call");
        try {
            TANDREL_TRACE("Inner::Throws");
            throw std::runtime_error("boom");
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(1, CTrace::Depth());
    }
    EXPECT_EQ(
        "#### BEGIN TRACE ####\n"
        "ENTR Outer::Call\n"
        "    ENTR Inner::Throws\n"
        "    EXIT Inner::Throws\n"
        "EXIT Outer::Call\n",
        trace.Text());
}

TEST_F(TraceLog, AnExceptionCaughtAtAnEntryIsTracedAndCounted) {
    trace.Enable();
    const std::size_t before = caught::Count();
    {
        TANDREL_TRACE("CSkype::OnCopyData");
        try {
            throw std::runtime_error("lost reply");
        } catch (...) {
            caught::Record("HiddenWindowProcedure");
        }
    }
    EXPECT_EQ(before + 1, caught::Count());
    EXPECT_EQ(
        "#### BEGIN TRACE ####\n"
        "ENTR CSkype::OnCopyData\n"
        "    ENTR HiddenWindowProcedure::CaughtException: lost reply\n"
        "    EXIT HiddenWindowProcedure::CaughtException: lost reply\n"
        "EXIT CSkype::OnCopyData\n",
        trace.Text());
}

TEST_F(TraceLog, LogFileCreatedMidCallStartsWithAnExitRecordOnAnEmptiedFile) {
    {
        std::ofstream old(trace.path().c_str());
        old << "stale content\n";
    }
    {
        TANDREL_TRACE("CConnect::OnConnection");
        trace.Enable();
    }
    { TANDREL_TRACE("CConnect::OnNewExplorer"); }
    EXPECT_EQ(
        "EXIT CConnect::OnConnection\n"
        "ENTR CConnect::OnNewExplorer\n"
        "EXIT CConnect::OnNewExplorer\n",
        trace.Text());
}

TEST_F(TraceLog, SecondRunOfTheHostAppendsAfterAMarker) {
    trace.Enable();
    { TANDREL_TRACE("Run::One"); }
    CTrace::ResetForTesting();  // the host starts again with the module freshly loaded
    { TANDREL_TRACE("Run::Two"); }
    EXPECT_EQ(
        "#### BEGIN TRACE ####\n"
        "ENTR Run::One\n"
        "EXIT Run::One\n"
        "#### BEGIN TRACE ####\n"
        "ENTR Run::Two\n"
        "EXIT Run::Two\n",
        trace.Text());
}

TEST_F(TraceLog, UnopenableFileOrWrongTypeWritesNothingAndThrowsNothing) {
    trace.Enable(::testing::TempDir() + "no-such-folder/for/tandrel/trace.txt");
    EXPECT_NO_THROW({
        TANDREL_TRACE("Missing::Folder");
        EXPECT_EQ(1, CTrace::Depth());
    });
    EXPECT_EQ(0, CTrace::Depth());

    // A number is not a path: it must not create a file named "44".
    model.registry.SetDword(RegistryRoot::CurrentUser, settings::kKeyPath, settings::kLogFile, 44);
    EXPECT_NO_THROW({ TANDREL_TRACE("Wrong::Type"); });
    EXPECT_FALSE(std::ifstream("44").good());

    // The marker was never written, so the first record that succeeds writes it.
    trace.Enable();
    { TANDREL_TRACE("Now::Works"); }
    EXPECT_EQ("#### BEGIN TRACE ####\nENTR Now::Works\nEXIT Now::Works\n", trace.Text());
}

TEST_F(TraceLog, DeletingTheSettingStopsTracingAtTheNextRecord) {
    trace.Enable();
    {
        TANDREL_TRACE("Stays::On");
        trace.Disable();
    }
    EXPECT_EQ("#### BEGIN TRACE ####\nENTR Stays::On\n", trace.Text());
}

TEST(TraceWithoutPlatform, NeverThrowsEvenWithNoPortsInstalled) {
    platform::ScopedPlatform none{platform::Platform{}};
    const int depth = CTrace::Depth();
    EXPECT_NO_THROW({ TANDREL_TRACE("No::Ports"); });
    EXPECT_EQ(depth, CTrace::Depth());
}

}  // namespace
