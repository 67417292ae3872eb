/* The runner with groups of its own, registered only in this program: each
   level in a child process, results kept across a crash, crashes and hangs
   turned into failed checks, fatal results ending the run. */

#include "qzhost/validate/ValidationRunner.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace
{

/* The behaviour of the groups at levels 2 and 4 for the current test, set in
   the parent before the run; the children inherit it. */
enum class Misbehaviour
{
    kNone,
    kCrash,
    kHang,
    kExit,
    kFatal
};
Misbehaviour gLevel2 = Misbehaviour::kNone;

CheckResult Passed(const std::string& name, long long steps)
{
    CheckResult result;
    result.name = name;
    result.passed = true;
    result.figures["steps"] = steps;
    return result;
}

void LevelOne(const ValidationContext& context, CheckReporter& report)
{
    CheckResult result = Passed("sees the context", 1);
    result.passed = context.seed == 77 && context.module == "some.so" && context.level >= 1;
    report.Report(result);
    /* Runs in a process of its own: the parent's pid differs. */
    CheckResult own = Passed("own process", 1);
    own.passed = getppid() != 0 && getpid() != static_cast<pid_t>(std::atoi(std::getenv("QZTEST_PARENT_PID")));
    report.Report(own);
}

void LevelTwo(const ValidationContext&, CheckReporter& report)
{
    /* A file the group leaves behind in the temporary folder, named in the
       first result. */
    CheckResult before = Passed("before the trouble", 10);
    before.detail = (std::filesystem::temp_directory_path() / "left-behind").string();
    std::ofstream(before.detail) << "scratch\n";
    report.Report(before);
    switch (gLevel2) {
    case Misbehaviour::kCrash: abort();
    case Misbehaviour::kHang:
        for (;;)
            pause();
    case Misbehaviour::kExit: _exit(3);
    case Misbehaviour::kFatal: {
        CheckResult fatal;
        fatal.name = "unusable";
        fatal.detail = "cannot go on";
        fatal.fatal = true;
        report.Report(fatal);
        break;
    }
    case Misbehaviour::kNone: break;
    }
    report.Report(Passed("after the trouble", 5));
}

void LevelTwoOther(const ValidationContext&, CheckReporter& report) { report.Report(Passed("second group", 1)); }

void LevelFour(const ValidationContext&, CheckReporter& report)
{
    CheckResult result;
    result.name = "fails with a script";
    result.detail = "step 3, seed 77\nfirst differing record: 65501";
    result.reproducer = "doc demo\nload\ninvoke\n";
    report.Report(result);
}

QZVALIDATE_CHECKS(one, 1, "level one", LevelOne);
QZVALIDATE_CHECKS(two_b, 2, "level two, second", LevelTwoOther);
QZVALIDATE_CHECKS(two_a, 2, "level two", LevelTwo);
QZVALIDATE_CHECKS(four, 4, "level four", LevelFour);

class RunnerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gLevel2 = Misbehaviour::kNone;
        setenv("QZTEST_PARENT_PID", std::to_string(getpid()).c_str(), 1);
    }

    static ValidationReport RunTo(int level, int timeout = 0)
    {
        ValidationOptions options;
        options.module = "some.so";
        options.level = level;
        options.seed = 77;
        options.timeoutSeconds = timeout;
        return ValidationRunner(options).Run();
    }
};

TEST_F(RunnerTest, ALevelRunsEveryGroupUpToItEachLevelInItsOwnProcess)
{
    const ValidationReport report = RunTo(3);
    ASSERT_EQ(report.levels.size(), 2u);
    EXPECT_EQ(report.levels[0].level, 1);
    EXPECT_EQ(report.levels[1].level, 2);
    /* Groups of one level run in the order of their ids. */
    EXPECT_EQ(report.levels[1].groups, (std::vector<std::string>{"two_a", "two_b"}));
    EXPECT_EQ(report.CheckCount(), 5u);
    EXPECT_TRUE(report.Passed());
    EXPECT_EQ(report.Figures().at("steps"), 1 + 1 + 10 + 5 + 1);
}

TEST_F(RunnerTest, ACrashKeepsWhatWasFoundBeforeAndNamesTheGroupAndSignal)
{
    gLevel2 = Misbehaviour::kCrash;
    const ValidationReport report = RunTo(10);
    ASSERT_EQ(report.levels.size(), 2u) << "level 4 must not run after a crash";
    const std::vector<ReportedCheck>& checks = report.levels[1].checks;
    ASSERT_EQ(checks.size(), 2u);
    EXPECT_EQ(checks[0].result.name, "before the trouble");
    EXPECT_TRUE(checks[0].result.passed);
    EXPECT_EQ(checks[1].group, "two_a");
    EXPECT_FALSE(checks[1].result.passed);
    EXPECT_NE(checks[1].result.detail.find("SIGABRT"), std::string::npos) << checks[1].result.detail;
    EXPECT_FALSE(report.Passed());
    EXPECT_NE(report.stopped, "");
}

TEST_F(RunnerTest, WhatALevelLeavesInItsTemporaryFolderIsRemovedEvenAfterACrash)
{
    gLevel2 = Misbehaviour::kCrash;
    const ValidationReport report = RunTo(2);
    ASSERT_EQ(report.levels.size(), 2u);
    const std::filesystem::path leftBehind = report.levels[1].checks.at(0).result.detail;
    EXPECT_NE(leftBehind.parent_path(), std::filesystem::temp_directory_path()) << leftBehind;
    EXPECT_FALSE(std::filesystem::exists(leftBehind)) << leftBehind;
    EXPECT_FALSE(std::filesystem::exists(leftBehind.parent_path())) << leftBehind;
}

TEST_F(RunnerTest, AHangEndsAtTheTimeLimit)
{
    gLevel2 = Misbehaviour::kHang;
    const ValidationReport report = RunTo(2, 1);
    ASSERT_EQ(report.levels.size(), 2u);
    const CheckResult& last = report.levels[1].checks.back().result;
    EXPECT_FALSE(last.passed);
    EXPECT_NE(last.detail.find("no answer within 1 s"), std::string::npos) << last.detail;
    EXPECT_LT(report.seconds, 30);
}

TEST_F(RunnerTest, AChildThatExitsBeforeItsGroupsAreDoneFails)
{
    gLevel2 = Misbehaviour::kExit;
    const ValidationReport report = RunTo(2);
    EXPECT_FALSE(report.Passed());
    EXPECT_NE(report.levels[1].checks.back().result.detail.find("exit status 3"), std::string::npos);
}

TEST_F(RunnerTest, AFatalResultFinishesItsLevelButStartsNoHigherOne)
{
    gLevel2 = Misbehaviour::kFatal;
    const ValidationReport report = RunTo(10);
    ASSERT_EQ(report.levels.size(), 2u);
    /* The rest of level 2 still ran. */
    EXPECT_EQ(report.levels[1].checks.size(), 4u);
    EXPECT_EQ(report.FailedCount(), 1u);
    EXPECT_NE(report.stopped, "");
}

TEST_F(RunnerTest, FailuresCarryTheirDetailAndReproducerThroughThePipe)
{
    const ValidationReport report = RunTo(4);
    ASSERT_EQ(report.levels.size(), 3u);
    const CheckResult& failed = report.levels[2].checks.at(0).result;
    EXPECT_FALSE(failed.passed);
    EXPECT_EQ(failed.detail, "step 3, seed 77\nfirst differing record: 65501");
    EXPECT_EQ(failed.reproducer, "doc demo\nload\ninvoke\n");
    EXPECT_EQ(report.FailedCount(), 1u);
    EXPECT_TRUE(report.stopped.empty());
}

} // namespace
