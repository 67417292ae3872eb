#include "qzhost/validate/PreferenceFile.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

const std::string kGood = "QZSTAFFSETP_WINDOWX=120\nQZSTAFFSETP_WINDOWY=-4\n";

TEST(PreferenceFileProblem, PairLinesWithThePositionAreWellFormed)
{
    EXPECT_EQ(PreferenceFile::Problem(kGood, true), "");
    EXPECT_EQ(PreferenceFile::Problem("other=a=b\nqzstaffsetp_windowx=1\nQZSTAFFSETP_WINDOWY=2\n", true), "");
    EXPECT_EQ(PreferenceFile::Problem("only=pairs\n", false), "");
}

TEST(PreferenceFileProblem, CutOffAndEmptyFilesAreCaught)
{
    EXPECT_NE(PreferenceFile::Problem("", false), "");
    /* A save stopped half way: the last line lacks its line feed. */
    EXPECT_NE(PreferenceFile::Problem(kGood.substr(0, kGood.size() - 5), true), "");
    /* The first half of a file whose second line is missing. */
    EXPECT_NE(PreferenceFile::Problem("QZSTAFFSETP_WINDOWX=120\n", true), "");
}

TEST(PreferenceFileProblem, LinesThatAreNotPairsAreCaught)
{
    EXPECT_NE(PreferenceFile::Problem(kGood + "no pair\n", false), "");
    EXPECT_NE(PreferenceFile::Problem("=value\n" + kGood, false), "");
    EXPECT_NE(PreferenceFile::Problem("a=b\r\n" + kGood, false), "");
    EXPECT_NE(PreferenceFile::Problem(std::string("a=\0b\n", 5) + kGood, false), "");
}

TEST(PreferenceFileProblem, ThePositionMustBeWholeNumbers)
{
    EXPECT_NE(PreferenceFile::Problem("QZSTAFFSETP_WINDOWX=1.5\nQZSTAFFSETP_WINDOWY=2\n", true), "");
    EXPECT_NE(PreferenceFile::Problem("QZSTAFFSETP_WINDOWX=\nQZSTAFFSETP_WINDOWY=2\n", true), "");
    EXPECT_NE(PreferenceFile::Problem("QZSTAFFSETP_WINDOWX=-\nQZSTAFFSETP_WINDOWY=2\n", true), "");
    /* The first pair of a key counts, as the plug-in reads it. */
    EXPECT_NE(PreferenceFile::Problem("QZSTAFFSETP_WINDOWX=x\nQZSTAFFSETP_WINDOWX=1\nQZSTAFFSETP_WINDOWY=2\n", true),
              "");
}

TEST(PreferenceFileProblem, TheReportNamesTheLineAndShowsItsBytes)
{
    const std::string problem = PreferenceFile::Problem(kGood + std::string("\x01junk\n"), false);
    EXPECT_NE(problem.find("line 3"), std::string::npos) << problem;
    EXPECT_NE(problem.find("\\x01junk"), std::string::npos) << problem;
}

} // namespace
