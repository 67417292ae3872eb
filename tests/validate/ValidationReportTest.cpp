#include "qzhost/validate/ValidationReport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace
{

CheckResult Sample()
{
    CheckResult result;
    result.name = "undo restores the document";
    result.detail = "step 12, seed 9\nfirst differing record: staff set 3 \xff";
    result.reproducer = "doc demo\nload\nundo\n";
    result.figures = {{"steps", 12}, {"faults", 2}};
    result.fatal = true;
    return result;
}

TEST(CheckResultJson, RoundTripsEveryFieldOnOneLine)
{
    const std::string line = CheckResultToJson(Sample());
    EXPECT_EQ(line.find('\n'), std::string::npos);
    CheckResult back;
    ASSERT_TRUE(CheckResultFromJson(line, back));
    EXPECT_EQ(back.name, Sample().name);
    EXPECT_FALSE(back.passed);
    EXPECT_EQ(back.reproducer, Sample().reproducer);
    EXPECT_EQ(back.figures, Sample().figures);
    EXPECT_TRUE(back.fatal);
    /* A byte that is not UTF-8 does not stop the record. */
    EXPECT_EQ(back.detail.substr(0, 50), Sample().detail.substr(0, 50));
}

TEST(CheckResultJson, RefusesLinesThatAreNoRecord)
{
    CheckResult result;
    for (const char* line : {"", "{", "[]", "{\"passed\": true}", "{\"name\": 3}", "garbage"})
        EXPECT_FALSE(CheckResultFromJson(line, result)) << line;
}

ValidationReport TwoLevels()
{
    ValidationReport report;
    report.module = "m.so";
    report.level = 3;
    report.seed = 4;
    LevelReport one;
    one.level = 1;
    CheckResult ok;
    ok.name = "exports";
    ok.passed = true;
    ok.figures["cycles"] = 5;
    one.checks.push_back({"startup", ok});
    LevelReport three;
    three.level = 3;
    three.checks.push_back({"cycles", Sample()});
    report.levels = {one, three};
    return report;
}

TEST(ValidationReportSummary, CountsFailuresAndSumsFigures)
{
    ValidationReport report = TwoLevels();
    EXPECT_EQ(report.CheckCount(), 2u);
    EXPECT_EQ(report.FailedCount(), 1u);
    EXPECT_FALSE(report.Passed());
    EXPECT_EQ(report.Figures(), (std::map<std::string, long long>{{"cycles", 5}, {"faults", 2}, {"steps", 12}}));
    report.levels[1].checks.clear();
    EXPECT_TRUE(report.Passed());
    /* A run that stopped early, or found nothing to check, did not pass. */
    report.stopped = "level 3 did not finish";
    EXPECT_FALSE(report.Passed());
    EXPECT_FALSE(ValidationReport().Passed());
}

TEST(ValidationReportText, FailureDetailAndReproducerAreIndentedUnderTheirCheck)
{
    std::ostringstream out;
    PrintReportText(TwoLevels(), out);
    const std::string text = out.str();
    EXPECT_NE(text.find("pass  level 1  startup: exports [cycles 5]\n"), std::string::npos) << text;
    EXPECT_NE(text.find("FAIL  level 3  cycles: undo restores the document: step 12, seed 9 [faults 2, steps 12]\n"
                        "      first differing record"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("      reproducer (qzhost script):\n        doc demo\n        load\n        undo\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.substr(text.rfind("FAILED:")).substr(0, 46), "FAILED: 2 checks, 1 failed, level 3, seed 4; c");
}

TEST(ValidationReportJson, IsOneDocumentWithEveryCheckAndItsGroup)
{
    std::ostringstream out;
    PrintReportJson(TwoLevels(), out);
    const nlohmann::json document = nlohmann::json::parse(out.str());
    EXPECT_FALSE(document["passed"].get<bool>());
    EXPECT_EQ(document["seed"].get<uint64_t>(), 4u);
    EXPECT_EQ(document["failed"].get<int>(), 1);
    EXPECT_EQ(document["levels"][1]["checks"][0]["group"], "cycles");
    EXPECT_EQ(document["levels"][1]["checks"][0]["figures"]["steps"], 12);
    EXPECT_EQ(document["figures"]["faults"], 2);
}

} // namespace
