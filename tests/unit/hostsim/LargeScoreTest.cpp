/* Generated large scores: the engine's builder through the driver API, and
   `qzhost doc new --staves ...`. */

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/qz_host_document.h"
#include "hostsim/LargeScoreBuilder.h"
#include "hostsim/hostsim_api.h"
#include "support/RunProgram.h"

namespace
{

/* The description without its first line (the document's id). */
std::string Body(const char* description)
{
    const std::string text = description;
    return text.substr(text.find('\n'));
}

constexpr int16_t kNameCategory = 12;
const std::string kNamePrefix = "QZ Staff Set Panel ";

class LargeScoreTest : public ::testing::Test
{
protected:
    void SetUp() override { hostsim_reset(); }
    void TearDown() override { hostsim_reset(); }

    int16_t Make(int64_t staves, int64_t measures, int64_t expressions, int64_t sets, uint32_t seed = 1)
    {
        hostsim_large_score sizes{staves, measures, expressions, sets, seed};
        error[0] = 0;
        return hostsim_new_large_document(&sizes, error, sizeof error);
    }

    /* Staff set n's staves (score order expected). */
    static std::vector<hostsim_staff_entry> List(uint16_t item)
    {
        std::vector<hostsim_staff_entry> entries(hostsim_staff_list(item, 0, nullptr, 0));
        hostsim_staff_list(item, 0, entries.data(), entries.size());
        return entries;
    }

    char error[256] = "";
};

TEST_F(LargeScoreTest, HoldsTheAskedStavesExpressionsAndNamedStaffSets)
{
    ASSERT_GT(Make(100, 40, 1000, 8, 3), 0) << error;
    const std::vector<hostsim_staff_entry> score = List(0);
    ASSERT_EQ(score.size(), 100u);
    for (size_t i = 1; i < score.size(); ++i) {
        EXPECT_EQ(score[i].staff, int16_t(i + 1));
        EXPECT_LT(score[i].distance, score[i - 1].distance) << "staves go down the page";
    }
    ASSERT_EQ(hostsim_expression_count(), 1000u);
    std::map<int, int> names; // staff set -> name expressions
    std::set<int> categories;
    for (size_t i = 0; i < 1000; ++i) {
        hostsim_expression e{};
        ASSERT_TRUE(hostsim_expression_at(i, &e));
        const int category = e.categoryWord & 0x3FFF;
        categories.insert(category);
        const std::string description = e.description;
        if (category != kNameCategory) {
            EXPECT_NE(description.rfind(kNamePrefix, 0), 0u) << description;
            continue;
        }
        ASSERT_EQ(description.rfind(kNamePrefix, 0), 0u) << description;
        const int set = std::stoi(description.substr(kNamePrefix.size()));
        ++names[set];
        EXPECT_GT(description.size(), description.find(':') + 1) << "a name follows the prefix";
    }
    EXPECT_GE(categories.size(), 5u);
    for (int set = 1; set <= 8; ++set) {
        EXPECT_EQ(names[set], 1) << "staff set " << set;
        const std::vector<hostsim_staff_entry> members = List(qz::StaffSetItem(set));
        ASSERT_FALSE(members.empty()) << "staff set " << set;
        EXPECT_EQ(members.front().distance, 0);
        for (size_t i = 1; i < members.size(); ++i)
            EXPECT_GT(members[i].staff, members[i - 1].staff);
    }
    EXPECT_TRUE(List(65508).empty()) << "no ninth staff set";
}

TEST_F(LargeScoreTest, TheSeedDecidesTheDocument)
{
    const int16_t a = Make(60, 8, 200, 4, 11);
    const int16_t b = Make(60, 8, 200, 4, 11);
    const int16_t c = Make(60, 8, 200, 4, 12);
    ASSERT_TRUE(a && b && c) << error;
    const std::string textA = Body(hostsim_describe_document(a));
    EXPECT_EQ(textA, Body(hostsim_describe_document(b)));
    EXPECT_NE(textA, Body(hostsim_describe_document(c)));
    EXPECT_NE(textA.find("Piccolo 2"), std::string::npos) << "names repeat with numbers past the orchestra";
}

TEST_F(LargeScoreTest, SavedAndReopenedItIsTheSameDocument)
{
    const int16_t id = Make(300, 20, 3000, 8, 5);
    ASSERT_GT(id, 0) << error;
    const std::string file =
        (std::filesystem::temp_directory_path() / ("large-score-" + std::to_string(::getpid()) + ".json")).string();
    ASSERT_TRUE(hostsim_save_document(id, file.c_str(), error, sizeof error)) << error;
    const std::string before = Body(hostsim_describe_document(id));
    const int16_t reopened = hostsim_open_document(file.c_str(), error, sizeof error);
    std::filesystem::remove(file);
    ASSERT_GT(reopened, 0) << error;
    std::string after = Body(hostsim_describe_document(reopened));
    const std::string fileLine = "file: " + file + "\n";
    if (size_t at = after.find(fileLine); at != std::string::npos)
        after.erase(at, fileLine.size());
    std::string saved = before;
    if (size_t at = saved.find(fileLine); at != std::string::npos)
        saved.erase(at, fileLine.size());
    EXPECT_EQ(after, saved);
}

TEST_F(LargeScoreTest, RefusesSizesTheHostCannotHold)
{
    const int16_t current = hostsim_new_document(HOSTSIM_SEED_DEMO);
    struct Case
    {
        int64_t staves, measures, expressions, sets;
        const char* mentions;
    } cases[] = {
        {32768, 1, 0, 0, "staves"},         {-1, 1, 0, 0, "staves"},
        {10, 0, 0, 0, "measures"},          {10, 32768, 0, 0, "measures"},
        {10, 1, -5, 0, "expressions"},      {10, 1, 40000, 0, "expressions"},
        {10, 1, 10, -1, "staff sets"},      {10, 1, 10, 9, "staff sets"},
        {10, 1, 2, 3, "expressions"},       {0, 1, 10, 2, "staff"},
        {20000, 1, 20000, 0, "text block"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Make(c.staves, c.measures, c.expressions, c.sets), 0)
            << c.staves << " " << c.measures << " " << c.expressions << " " << c.sets;
        EXPECT_NE(std::string(error).find(c.mentions), std::string::npos) << error;
        EXPECT_EQ(hostsim_current_document(), current) << "nothing was opened";
    }
    hostsim::LargeScoreSpec largest;
    largest.staves = 32767;
    EXPECT_EQ(hostsim::LargeScoreBuilder::check(largest), "") << "the largest staff count is accepted";
}

/* ---- qzhost doc new --staves ... ---- */

ProgramRun qzhost(const std::string& args)
{
    return RunProgram(std::string(QZHOST_PROGRAM) + " " + args, ErrorOutput::Merged);
}

TEST(QzhostDocNewLarge, WritesAScoreTheHostOpens)
{
    const std::string file =
        (std::filesystem::temp_directory_path() / ("qzhost-large-" + std::to_string(::getpid()) + ".json")).string();
    ProgramRun made = qzhost("doc new --staves 30 --measures 12 --expressions 90 --staffsets 3 --seed 9 " + file);
    ASSERT_EQ(made.status, 0) << made.out;
    ProgramRun shown = qzhost("doc show " + file);
    std::filesystem::remove(file);
    ASSERT_EQ(shown.status, 0) << shown.out;
    EXPECT_NE(shown.out.find("QZ Staff Set Panel 3:"), std::string::npos);
    EXPECT_NE(shown.out.find("Piccolo 2"), std::string::npos);
}

TEST(QzhostDocNewLarge, RefusesBadSizesWithAMessageAndWritesNothing)
{
    const std::string file =
        (std::filesystem::temp_directory_path() / ("qzhost-refused-" + std::to_string(::getpid()) + ".json")).string();
    const std::pair<std::string, std::string> cases[] = {
        {"--staves 40000 --measures 1 --expressions 0 --staffsets 0", "cannot hold 40000"},
        {"--staves -3 --measures 1 --expressions 0 --staffsets 0", "cannot hold -3"},
        {"--staves 10 --measures 1 --expressions 10", "needs --staffsets"},
        {"--staves ten --measures 1 --expressions 10 --staffsets 0", "whole number"},
        {"--staves 10 --measures 1 --expressions 10 --staffsets 0 --colour 2", "unknown option"},
    };
    for (const auto& [options, message] : cases) {
        ProgramRun r = qzhost("doc new " + options + " " + file);
        EXPECT_NE(r.status, 0) << options;
        EXPECT_NE(r.out.find(message), std::string::npos) << options << ": " << r.out;
        EXPECT_FALSE(std::filesystem::exists(file)) << options;
    }
}

} // namespace
