/* qzhost doc import: MusicXML scores printed or written as hostsim documents. */

#include "support/ReadFile.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace
{

class QzhostImportTest : public ::testing::Test
{
protected:
    /* Runs qzhost with the arguments: exit status, standard output and error. */
    ProgramRun qzhost(const std::string& args) const { return RunProgram(std::string(QZHOST_PROGRAM) + " " + args); }
    static std::string sample(const std::string& name) { return std::string(QZ_MUSICXML_DATA) + "/" + name; }

    TempFolder temp{"qzhost-import"};
    const std::filesystem::path dir{temp.path};
};

TEST_F(QzhostImportTest, PrintsTheImportedScoreOrWritesItAsADocumentFile)
{
    ProgramRun shown = qzhost("doc import " + sample("piano.musicxml"));
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("document 1 \"Nocturne\""), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("    3. staff 3 \"Staff #3\" distance -440\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("groups:\n  1: staves 2-3 brace\n"), std::string::npos) << shown.out;

    std::string out = (dir / "piano.json").string();
    ProgramRun written = qzhost("doc import " + sample("piano.musicxml") + " " + out);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "wrote " + out + "\n");
    ProgramRun reopened = qzhost("doc show " + out);
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    std::string fileLine = "file: " + out + "\n";
    size_t at = reopened.out.find(fileLine);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(reopened.out.erase(at, fileLine.size()), shown.out);
}

TEST_F(QzhostImportTest, RefusedFilesGiveOneMessageAndStatusOne)
{
    std::string bad = (dir / "bad.musicxml").string();
    std::ofstream(bad) << "<score-partwise><part-list></part-list></score-partwise>";
    ProgramRun r = qzhost("doc import " + bad + " " + (dir / "out.json").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "qzhost: " + bad + ": the part-list declares no parts\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.json"));

    // Writing the document over the score it comes from is refused.
    std::string score = (dir / "score.musicxml").string();
    std::filesystem::copy_file(sample("timewise.musicxml"), score);
    r = qzhost("doc import " + score + " " + score);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(ReadFile(score), ReadFile(sample("timewise.musicxml")));

    EXPECT_EQ(qzhost("doc import").status, 2);
    EXPECT_EQ(qzhost("doc import a b c").status, 2);
}

TEST_F(QzhostImportTest, TheSubcommandIsListedAndTheDocCommandStillWorks)
{
    ProgramRun help = qzhost("help");
    EXPECT_NE(help.out.find("qzhost doc import FILE [OUT]"), std::string::npos) << help.out;
    EXPECT_EQ(qzhost("doc show test").status, 0);
    EXPECT_EQ(qzhost("doc nonsense").status, 2);
}

} // namespace
