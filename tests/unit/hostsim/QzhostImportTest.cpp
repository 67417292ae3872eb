/* qzhost doc import: MusicXML scores printed or written as hostsim documents. */

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace
{

struct Outcome
{
    int status;
    std::string out, err;
};

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class QzhostImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() / ("qzhost-import-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    /* Runs qzhost with the arguments: exit status, standard output and error. */
    Outcome qzhost(const std::string& args) const
    {
        std::string errFile = (dir / "stderr.txt").string();
        std::string cmd = std::string(QZHOST_PROGRAM) + " " + args + " 2>" + errFile;
        Outcome r{-1, {}, {}};
        FILE* p = popen(cmd.c_str(), "r");
        if (!p)
            return r;
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0)
            r.out.append(buf, n);
        int st = pclose(p);
        r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        r.err = slurp(errFile);
        return r;
    }
    static std::string sample(const std::string& name) { return std::string(QZ_MUSICXML_DATA) + "/" + name; }

    std::filesystem::path dir;
};

TEST_F(QzhostImportTest, PrintsTheImportedScoreOrWritesItAsADocumentFile)
{
    Outcome shown = qzhost("doc import " + sample("piano.musicxml"));
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("document 1 \"Nocturne\""), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("    3. staff 3 \"Staff #3\" distance -440\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("groups:\n  1: staves 2-3 brace\n"), std::string::npos) << shown.out;

    std::string out = (dir / "piano.json").string();
    Outcome written = qzhost("doc import " + sample("piano.musicxml") + " " + out);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "wrote " + out + "\n");
    Outcome reopened = qzhost("doc show " + out);
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
    Outcome r = qzhost("doc import " + bad + " " + (dir / "out.json").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "qzhost: " + bad + ": the part-list declares no parts\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.json"));

    // Writing the document over the score it comes from is refused.
    std::string score = (dir / "score.musicxml").string();
    std::filesystem::copy_file(sample("timewise.musicxml"), score);
    r = qzhost("doc import " + score + " " + score);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(slurp(score), slurp(sample("timewise.musicxml")));

    EXPECT_EQ(qzhost("doc import").status, 2);
    EXPECT_EQ(qzhost("doc import a b c").status, 2);
}

TEST_F(QzhostImportTest, TheSubcommandIsListedAndTheDocCommandStillWorks)
{
    Outcome help = qzhost("help");
    EXPECT_NE(help.out.find("qzhost doc import FILE [OUT]"), std::string::npos) << help.out;
    EXPECT_EQ(qzhost("doc show test").status, 0);
    EXPECT_EQ(qzhost("doc nonsense").status, 2);
}

} // namespace
