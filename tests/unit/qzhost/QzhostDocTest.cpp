#include "support/RunProgram.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace
{

/* Runs qzhost with the arguments; stdout and the exit status. */
ProgramRun qzhost(const std::string& args)
{
    return RunProgram(std::string(QZHOST_PROGRAM) + " " + args, ErrorOutput::Dropped);
}

class QzhostDocTest : public ::testing::Test
{
protected:
    TempFolder temp{"qzhost-doc"};
    const std::filesystem::path dir{temp.path};
};

TEST_F(QzhostDocTest, WrittenDocumentShowsLikeTheBuiltIn)
{
    std::string file = (dir / "test.json").string();
    ASSERT_EQ(qzhost("doc new test " + file).status, 0);
    ProgramRun built = qzhost("doc show test");
    ProgramRun opened = qzhost("doc show " + file);
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
