/* An imported orchestral score as the plug-in's framework sees it through
   the bridge: the score's staff list, the staves' names, the groups, and a
   staff set stored from a selection, all under strict mode. */

#include <gtest/gtest.h>

#include <memory>

#include "document/FCGroup.h"
#include "document/FCMusicRegion.h"
#include "document/FCStaff.h"
#include "document/FCSystemStaff.h"
#include "document/FCSystemStaves.h"
#include "support/StavesHostFixture.h"

namespace
{

class MusicXmlInPlugin : public StavesHostTest
{
protected:
    int Seed() const override { return HOSTSIM_SEED_EMPTY; }
    void SetUp() override
    {
        StavesHostTest::SetUp();
        char error[512] = "";
        const std::string path = std::string(QZ_MUSICXML_DATA) + "/orchestral.mxl";
        document = H().hostsim_import_musicxml(path.c_str(), error, sizeof error);
        ASSERT_NE(document, 0) << error;
        ASSERT_EQ(H().hostsim_current_document(), document);
    }
};

TEST_F(MusicXmlInPlugin, TheScoreListAndTheStaffNamesReadThroughTheBridge)
{
    FCSystemStaves list;
    ASSERT_EQ(list.LoadAllForItem(0), 19);
    EXPECT_EQ(list.GetItemAt(0)->GetDistance(), 0);
    EXPECT_EQ(list.GetItemAt(14)->GetStaff(), 15);
    EXPECT_EQ(list.GetItemAt(14)->GetDistance(), -2709);
    FCStaff clarinet;
    ASSERT_TRUE(clarinet.Load(4));
    EXPECT_EQ(Utf8(clarinet.CreateFullNameString()), "Clarinet in B^flat()");
    EXPECT_EQ(Utf8(clarinet.CreateAbbreviatedNameString()), "Cl. in B^flat()");
    EXPECT_EQ(clarinet.GetLineCount(), 5);
    // The harp's lower staff has no name of its own: its group marks it.
    EXPECT_EQ(Word(Record(kStaffTag, 12, 0), 30), 0);
    EXPECT_NE(Word(Record(kStaffTag, 11, 0), 30), 0);
}

TEST_F(MusicXmlInPlugin, TheGroupsSpanTheirStavesInScoreOrderWithTheirNames)
{
    FCGroup group;
    ASSERT_TRUE(group.LoadFirst());
    std::vector<std::pair<int, int>> spans;
    std::vector<std::string> names;
    do {
        spans.emplace_back(group.GetStartStaff(), group.CalcStaffSpan());
        names.push_back(Utf8(group.CreateFullNameString()) + "/" + Utf8(group.CreateAbbreviatedNameString()) + "/" +
                        std::to_string(group.GetBracketStyle()));
    } while (group.LoadNext());
    EXPECT_EQ(spans, (std::vector<std::pair<int, int>>{{1, 5}, {6, 4}, {15, 5}, {15, 2}, {11, 2}, {13, 2}}));
    EXPECT_EQ(names[0], "Woodwinds/Ww./2");
    EXPECT_EQ(names[3], "Violins/Vlns./4");
    EXPECT_EQ(names[4], "//1");    // the harp's brace has no name
    ASSERT_TRUE(group.Load(0, 3)); // the strings
    EXPECT_TRUE(group.ContainsStaff(19));
    EXPECT_FALSE(group.ContainsStaff(14));
}

TEST_F(MusicXmlInPlugin, AStaffSetIsStoredFromASelectionOfTheImportedScore)
{
    FCMusicRegion whole;
    ASSERT_TRUE(whole.SetFullDocument());
    EXPECT_EQ(whole.GetEndSlot(), 19);
    EXPECT_EQ(whole.GetEndMeasure(), 8);

    SetSelection(0, 4, 7, 1, 8); // clarinet to trumpet, every measure
    FCMusicRegion region;
    ASSERT_TRUE(region.SetCurrentSelection());
    FCSystemStaves chosen;
    ASSERT_EQ(chosen.LoadAllForRegion(&region), 4);
    {
        Edit edit;
        ASSERT_TRUE(chosen.SaveAllForItem(65500));
    }
    EXPECT_EQ(ListStaves(65500), (std::vector<int16_t>{4, 5, 6, 7}));
    EXPECT_EQ(List(65500)[1].distance, -756);
}

} // namespace
