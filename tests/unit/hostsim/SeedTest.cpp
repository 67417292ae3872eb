#include "HostsimTest.h"

#include "common/qz_host_versions.h"
#include "hostsim/DocumentReader.h"

using namespace hostsim_test;

namespace
{

class SeedTest : public HostsimTest
{
protected:
    hostsim::DocumentReader reader() { return hostsim::DocumentReader(*hostsim::Engine::instance().current(), V19); }
};

TEST_F(SeedTest, TestSeedIsDocumentOneInTheScore)
{
    EXPECT_EQ(doc, 1);
    EXPECT_EQ(FX_GetCurrentPartID(V19), 0);
    hostsim_region sel{};
    hostsim_get_selection(&sel);
    EXPECT_EQ(sel.startMeasure, 0);
    EXPECT_EQ(sel.endMeasure, 0);
}

TEST_F(SeedTest, TestSeedStavesAndNames)
{
    auto r = reader();
    EXPECT_EQ(r.staves(), (std::vector<int16_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(r.staffName(2, true), "Clarinet in B^flat()");
    EXPECT_EQ(r.staffName(5, true), "Viola");
    EXPECT_EQ(record(SOIS, 6, 0).size(), 136u);
    EXPECT_EQ(hostsim::RecordLayout::get(record(SOIS, 6, 0), hostsim::Field::StaffFullName, V19), 0);
    EXPECT_EQ(hostsim::RecordLayout::get(record(SOIS, 1, 0), hostsim::Field::StaffFullName, V19), 1);
}

TEST_F(SeedTest, TestSeedScoreListHasIrregularDistances)
{
    hostsim_staff_entry e[8];
    ASSERT_EQ(hostsim_staff_list(0, 0, e, 8), 6u);
    const int32_t expected[] = {0, -300, -620, -900, -1250, -1560};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(e[i].staff, i + 1);
        EXPECT_EQ(e[i].distance, expected[i]);
    }
    for (int16_t item = -36; item <= -29; ++item)
        EXPECT_FALSE(exists(SOIu, item, 0, 0));
}

TEST_F(SeedTest, TestSeedCategoriesAndExpressions)
{
    auto cats = reader().categories();
    ASSERT_EQ(cats.size(), 6u);
    EXPECT_EQ(cats[0].name, "Category 1");
    EXPECT_EQ(cats[5].item, 6);
    EXPECT_EQ(cats[5].id, 9);
    EXPECT_EQ(cats[5].name, "QZ Plug-in Data");
    ASSERT_EQ(hostsim_expression_count(), 3u);
    hostsim_expression x{};
    ASSERT_TRUE(hostsim_expression_at(2, &x));
    EXPECT_STREQ(x.description, "Expr 3");
    EXPECT_EQ(x.categoryWord & 0x3FFF, 1);
    EXPECT_EQ(x.textBlock, 8);
    EXPECT_EQ(record(SODT, 1, 0).size(), 48u);
}

TEST_F(SeedTest, LinkedPartHasItsOwnList)
{
    hostsim_staff_entry e[4];
    ASSERT_EQ(hostsim_staff_list(0, 1, e, 4), 2u);
    EXPECT_EQ(e[0].staff, 4);
    EXPECT_EQ(e[1].staff, 5);
    EXPECT_EQ(e[1].distance, -350);
}

TEST_F(SeedTest, PlainTestSeedHasNoPluginCategory)
{
    hostsim_reset();
    hostsim_new_document(HOSTSIM_SEED_TEST);
    EXPECT_EQ(reader().categories().size(), 5u);
}

TEST_F(SeedTest, OlderProfileSeedsOlderLayouts)
{
    hostsim_reset();
    hostsim_set_profile(qz::kHostVersion10);
    hostsim_new_document(HOSTSIM_SEED_TEST_QZ);
    EXPECT_EQ(record(SOIS, 1, 0).size(), 114u);
    EXPECT_EQ(record(SOMC, 6, 0).size(), 104u);
    hostsim::DocumentReader r(*hostsim::Engine::instance().current(), qz::kHostVersion10);
    EXPECT_EQ(r.categories()[5].name, "QZ Plug-in Data");
    EXPECT_EQ(r.staffName(4, true), "Violin I");
    EXPECT_EQ(record(SODT, 1, 0).size(), 36u + 6);
}

TEST_F(SeedTest, DemoScoreIsARealEnsemble)
{
    hostsim_reset();
    hostsim_new_document(HOSTSIM_SEED_DEMO);
    auto r = reader();
    EXPECT_GE(r.staves().size(), 12u);
    EXPECT_EQ(r.staffName(1, true), "Flute");
    EXPECT_EQ(r.staffName(1, false), "Fl.");
    auto cats = r.categories();
    bool found = false;
    for (const auto& c : cats)
        if (c.name == "QZ Plug-in Data")
            found = c.id != c.item;
    EXPECT_TRUE(found);
    EXPECT_GE(hostsim_staff_list(0, 1, nullptr, 0), 2u);
    std::string text = hostsim_describe_document(0);
    EXPECT_NE(text.find("Violoncello"), std::string::npos);
    EXPECT_NE(text.find("resize 75%"), std::string::npos);
    EXPECT_NE(text.find("1: 4 staves \"Woodwinds\""), std::string::npos) << text;
}

TEST_F(SeedTest, DescriptionShowsNamesListsAndUnnamedStaves)
{
    std::string text = hostsim_describe_document(doc);
    EXPECT_NE(text.find("6: \"Staff #6\""), std::string::npos) << text;
    EXPECT_NE(text.find("2. staff 2 \"Clarinet in B^flat()\" distance -300"), std::string::npos) << text;
    EXPECT_NE(text.find("item 6: id 9 \"QZ Plug-in Data\""), std::string::npos) << text;
    EXPECT_NE(text.find("view: page, showing all staves"), std::string::npos) << text;
}

} // namespace
