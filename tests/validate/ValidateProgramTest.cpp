/* qzhost validate as a user runs it: a process, its report and its exit
   status, against the module of this build and against modules broken on
   purpose (tests/validate/CMakeLists.txt builds them). */

#include "support/RunProgram.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <string>
#include <vector>

using nlohmann::json;

namespace
{

/* Under the address sanitizer a crash would end in its report and exit
   status 1; with crashesAsSignals the signal ends the process, as it does in
   the optimised build. */
ProgramRun Validate(const std::vector<std::string>& args, bool crashesAsSignals = false)
{
    std::string command = std::string(crashesAsSignals ? "ASAN_OPTIONS=\"$ASAN_OPTIONS:handle_segv=0\" " : "") +
                          QZHOST_PROGRAM + " validate";
    for (const std::string& arg : args)
        command += " '" + arg + "'";
    return RunProgram(command, ErrorOutput::Dropped);
}

json Report(const ProgramRun& run)
{
    const json report = json::parse(run.out, nullptr, false);
    EXPECT_TRUE(report.is_object()) << run.out;
    return report;
}

/* The check of that name, or null. */
json Check(const json& report, const std::string& name)
{
    for (const json& level : report.value("levels", json::array()))
        for (const json& check : level.value("checks", json::array()))
            if (check.value("name", "") == name)
                return check;
    return json();
}

std::vector<std::string> FailedNames(const json& report)
{
    std::vector<std::string> names;
    for (const json& level : report.value("levels", json::array()))
        for (const json& check : level.value("checks", json::array()))
            if (!check.value("passed", false))
                names.push_back(check.value("name", ""));
    return names;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ValidateGoodModule, PassesLevel3WithEveryCycleCountedAndExitsZero)
{
    const ProgramRun run = Validate({"--level", "3", "--seed", "5", "--json", QZTEST_MODULE});
    const json report = Report(run);
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(report.value("passed", false));
    EXPECT_TRUE(FailedNames(report).empty());
    EXPECT_EQ(report["figures"].value("cycles", 0), 100);
    EXPECT_EQ(report.value("seed", 0), 5);
    /* Levels 1 and 3 ran, each in its own record. */
    ASSERT_EQ(report["levels"].size(), 2u);
    EXPECT_EQ(report["levels"][1].value("level", 0), 3);
    EXPECT_TRUE(Check(report, "framework objects freed at terminate").value("passed", false));
}

TEST(ValidateGoodModule, SurvivesKilledSavesAndMalformedPreferenceFilesAtLevel9)
{
    const ProgramRun run = Validate({"--level", "9", "--seed", "11", "--json", QZTEST_MODULE});
    const json report = Report(run);
    EXPECT_EQ(run.status, 0) << run.out;
    const json killed = Check(report, "killed saves leave the old or the new file");
    EXPECT_TRUE(killed.value("passed", false)) << killed.dump();
    /* Children are killed while they still run; on a busy machine many
       finish first, so only that some were killed is certain. */
    EXPECT_GT(killed["figures"].value("kills", 0), 0);
    EXPECT_TRUE(Check(report, "malformed preference files").value("passed", false));
}

TEST(ValidateGoodModule, TextReportHasOneLinePerCheckAndASummaryWithTheSeed)
{
    const ProgramRun run = Validate({"--level", "1", "--seed", "42", QZTEST_MODULE});
    EXPECT_EQ(run.status, 0) << run.out;
    size_t lines = 0, passes = 0;
    std::string last;
    for (size_t start = 0; start < run.out.size();) {
        const size_t end = run.out.find('\n', start);
        last = run.out.substr(start, end - start);
        passes += last.compare(0, 6, "pass  ") == 0 ? 1 : 0;
        ++lines;
        start = end == std::string::npos ? run.out.size() : end + 1;
    }
    EXPECT_TRUE(Contains(run.out, "--seed 42")) << run.out;
    /* The header line, the checks, the summary. */
    EXPECT_EQ(passes, lines - 2) << run.out;
    EXPECT_GE(passes, 6u);
    EXPECT_EQ(last.compare(0, 7, "passed:"), 0) << last;
    EXPECT_TRUE(Contains(last, "seed 42")) << last;
}

TEST(ValidateGoodModule, WithoutASeedTheRunPrintsTheOneItChose)
{
    const ProgramRun first = Validate({"--level", "1", "--json", QZTEST_MODULE});
    const ProgramRun second = Validate({"--level", "1", "--json", QZTEST_MODULE});
    EXPECT_TRUE(Report(first).contains("seed"));
    EXPECT_NE(Report(first).value("seed", 0ull), Report(second).value("seed", 0ull));
}

TEST(ValidateBrokenModules, AMissingExportFailsTheExportsCheckAndStopsTheRun)
{
    const ProgramRun run = Validate({"--level", "3", "--json", QZTEST_MISSING_EXPORT_MODULE});
    const json report = Report(run);
    EXPECT_EQ(run.status, 1);
    const json exports = Check(report, "entry points with C linkage");
    EXPECT_FALSE(exports.value("passed", true));
    EXPECT_TRUE(Contains(exports.value("detail", ""), "FinaleExtensionGetMenuStatus is not exported"));
    EXPECT_TRUE(Contains(exports.value("detail", ""), "Ext_getmenustatus is not exported"));
    EXPECT_FALSE(Contains(exports.value("detail", ""), "FinaleExtensionInvoke"));
    EXPECT_EQ(FailedNames(report).size(), 1u);
    /* Level 3 never ran. */
    EXPECT_EQ(report["levels"].size(), 1u);
    EXPECT_NE(report.value("stopped", ""), "");
}

TEST(ValidateBrokenModules, AnObjectLeakedPerInvokeFailsTheLiveObjectCheckAtTheFirstCycle)
{
    const ProgramRun run = Validate({"--level", "3", "--seed", "3", "--json", QZTEST_LEAK_MODULE});
    const json report = Report(run);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(FailedNames(report), std::vector<std::string>{"framework objects freed at terminate"});
    const std::string detail = Check(report, "framework objects freed at terminate").value("detail", "");
    EXPECT_TRUE(Contains(detail, "cycle 1 ")) << detail;
    EXPECT_TRUE(Contains(detail, "seed 3")) << detail;
    EXPECT_TRUE(Contains(detail, "1 framework object(s) more")) << detail;
    /* The cycle that showed the leak ran to its end. */
    EXPECT_EQ(report["figures"].value("cycles", 0), 1);
}

TEST(ValidateBrokenModules, ACrashInAnEntryPointIsAFailedCheckNamingTheSignal)
{
    const ProgramRun run = Validate({"--level", "5", "--json", QZTEST_CRASH_MODULE}, true);
    const json report = Report(run);
    /* The validator itself ended normally. */
    EXPECT_EQ(run.status, 1);
    const json crashed = Check(report, "startup ran without crashing or hanging");
    EXPECT_FALSE(crashed.value("passed", true));
    EXPECT_TRUE(Contains(crashed.value("detail", ""), "SIGSEGV")) << crashed.dump();
    /* What was found before the crash is kept. */
    EXPECT_FALSE(Check(report, "entry points with C linkage").is_null());
    EXPECT_EQ(report["levels"].size(), 1u);
}

TEST(ValidateBrokenModules, AHangIsAFailedCheckAfterTheTimeLimit)
{
    const ProgramRun run = Validate({"--level", "1", "--timeout", "2", "--json", QZTEST_HANG_MODULE});
    const json report = Report(run);
    EXPECT_EQ(run.status, 1);
    const json hung = Check(report, "startup ran without crashing or hanging");
    EXPECT_TRUE(Contains(hung.value("detail", ""), "no answer within 2 s")) << hung.dump();
}

TEST(ValidateNotAPlugin, FilesThatAreNoPlugInModulesAreReportedNotLoaded)
{
    TempFolder folder;
    const std::string text = folder.File("notes.txt");
    std::ofstream(text) << "not a module\n";
    const std::string truncated = folder.File("cut.so");
    {
        std::ifstream in(QZTEST_MODULE, std::ios::binary);
        std::vector<char> head(200);
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        std::ofstream(truncated, std::ios::binary).write(head.data(), static_cast<std::streamsize>(head.size()));
    }
    const struct
    {
        std::string module;
        std::string problem;
    } cases[] = {
        {text, "not a plug-in module"},
        {truncated, "not a plug-in module"},
        {folder.File("missing.so"), "no such file"},
        {folder.path, "no such file"},
        {QZTEST_ENGINE, "not a plug-in: none of the host's entry points"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = Validate({"--json", c.module});
        const json report = Report(run);
        EXPECT_EQ(run.status, 1) << c.module;
        const std::vector<std::string> failed = FailedNames(report);
        ASSERT_EQ(failed.size(), 1u) << run.out;
        EXPECT_TRUE(Contains(run.out, c.problem)) << c.module << ": " << run.out;
    }
}

TEST(ValidateUsage, BadArgumentsExitWithStatus2)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"--level", "11", QZTEST_MODULE},
             {"--level", "0", QZTEST_MODULE},
             {"--level", QZTEST_MODULE},
             {"--seed", "x", QZTEST_MODULE},
             {"--frobnicate", QZTEST_MODULE},
             {QZTEST_MODULE, QZTEST_MODULE},
         }) {
        EXPECT_EQ(Validate(args).status, 2) << (args.empty() ? "" : args[0]);
    }
}

} // namespace
