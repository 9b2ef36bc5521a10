// Running the desktop's helper programs: lookup, arguments, output, limits. The helpers are small
// shell scripts in a temporary folder that stands for PATH.

#include <gtest/gtest.h>

#include <chrono>

#include "lighting/LightingTestSupport.h"
#include "platform/linux/HelperProgram.h"

namespace quillon {
namespace {

using lighting::testing::TempFolder;

class HelperProgramTest : public ::testing::Test {
  protected:
    void helper(const std::string& name, const std::string& body) {
        bin.write("bin/" + name, "#!/bin/sh\n" + body + "\n", true);
    }
    std::string path() const { return bin.path() + "bin"; }
    HelperRun run(const std::vector<std::string>& argv, HelperLimits limits = {}) {
        return runHelperProgram(*clock, path(), argv, limits);
    }

    TempFolder bin;
    std::unique_ptr<Clock> clock = makeSteadyClock();
};

TEST_F(HelperProgramTest, OutputOfAProgramThatEndsWellIsCollected) {
    helper("tell", "echo first; echo second");
    const HelperRun r = run({"tell"});
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.output, "first\nsecond\n");
}

TEST_F(HelperProgramTest, ExitStatusAndSignalsAreFailures) {
    helper("fail", "echo partial; exit 3");
    helper("crash", "kill -9 $$");
    EXPECT_EQ(run({"fail"}).result, kHelperFailed);
    EXPECT_EQ(run({"crash"}).result, kHelperKilled);
}

TEST_F(HelperProgramTest, OnlyNamedProgramsInAbsoluteFoldersAreFound) {
    helper("tell", "echo hi");
    bin.write("bin/plain", "#!/bin/sh\necho hi\n", false);
    EXPECT_EQ(findHelperProgram(path(), "tell"), path() + "/tell");
    EXPECT_EQ(findHelperProgram("/nonexistent:" + path() + "/", "tell"), path() + "/tell");
    EXPECT_EQ(findHelperProgram(path(), "missing"), "");
    EXPECT_EQ(findHelperProgram(path(), "plain"), "") << "not executable";
    EXPECT_EQ(findHelperProgram(path(), "../bin/tell"), "");
    EXPECT_EQ(findHelperProgram(path(), ""), "");
    EXPECT_EQ(findHelperProgram("relative/bin::", "tell"), "");
    EXPECT_EQ(run({"missing"}).result, kHelperNotFound);
    EXPECT_EQ(runHelperProgram(*clock, path(), {}).result, kHelperNotFound);
}

TEST_F(HelperProgramTest, ArgumentsArriveAsGivenWithoutAShell) {
    helper("args", "for a in \"$@\"; do printf '[%s]' \"$a\"; done");
    const HelperRun r = run({"args", "two words", "$(touch injected)", "-0.5", ""});
    EXPECT_EQ(r.output, "[two words][$(touch injected)][-0.5][]");
    EXPECT_FALSE(bin.exists("injected"));
    EXPECT_FALSE(bin.exists("bin/injected"));
}

TEST_F(HelperProgramTest, StandardInputIsEmptySoAReaderEndsAtOnce) {
    helper("reader", "cat; echo done");
    const HelperRun r = run({"reader"}, {1000, 4096});
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.output, "done\n");
}

TEST_F(HelperProgramTest, OutputBeyondTheCapIsDroppedAndTheProgramStillEnds) {
    helper("flood",
           "i=0; while [ $i -lt 2000 ]; do echo 0123456789012345678901234567890123456789; "
           "i=$((i+1)); done");
    const HelperRun r = run({"flood"}, {5000, 100});
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.output.size(), 100u);
    EXPECT_EQ(r.output.substr(0, 10), "0123456789");
}

TEST_F(HelperProgramTest, AProgramThatHangsIsKilledAtTheTimeLimit) {
    helper("hang", "echo started; sleep 30");
    helper("quiet", "exec >/dev/null; sleep 30");
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(run({"hang"}, {300, 4096}).result, kHelperTimedOut);
    EXPECT_EQ(run({"quiet"}, {300, 4096}).result, kHelperTimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
}

}  // namespace
}  // namespace quillon
