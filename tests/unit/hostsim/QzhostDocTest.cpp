#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace
{

struct Outcome
{
    int status;
    std::string out;
};

/* Runs qzhost with the arguments; stdout and the exit status. */
Outcome qzhost(const std::string& args)
{
    std::string cmd = std::string(QZHOST_PROGRAM) + " " + args + " 2>/dev/null";
    Outcome r{-1, {}};
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

class QzhostDocTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() / ("qzhost-doc-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

TEST_F(QzhostDocTest, WrittenDocumentShowsLikeTheBuiltIn)
{
    std::string file = (dir / "test.json").string();
    ASSERT_EQ(qzhost("doc new test " + file).status, 0);
    Outcome built = qzhost("doc show test");
    Outcome opened = qzhost("doc show " + file);
    ASSERT_EQ(built.status, 0);
    ASSERT_EQ(opened.status, 0);
    std::string fileLine = "file: " + file + "\n";
    size_t at = opened.out.find(fileLine);
    ASSERT_NE(at, std::string::npos);
    opened.out.erase(at, fileLine.size());
    EXPECT_EQ(opened.out, built.out);
    EXPECT_NE(built.out.find("\"QZ Plug-in Data\""), std::string::npos);
}

TEST_F(QzhostDocTest, ABrokenFileIsRefusedWithStatusOne)
{
    std::string file = (dir / "broken.json").string();
    ASSERT_EQ(qzhost("doc new demo " + file).status, 0);
    std::filesystem::resize_file(file, 100);
    EXPECT_EQ(qzhost("doc show " + file).status, 1);
    EXPECT_EQ(qzhost("doc new nonsense " + file).status, 1);
    EXPECT_EQ(qzhost("doc frobnicate").status, 2);
}

} // namespace
