/* Staff lists: the part's global list and stored lists (staff sets), their
   resize details, rewriting a list and restricting one to a region. */
#include <gtest/gtest.h>

#include "document/FCMusicRegion.h"
#include "document/FCSystemStaff.h"
#include "document/FCSystemStaves.h"
#include "support/StavesHostFixture.h"

using StaffLists = StavesHostTest;

TEST_F(StaffLists, TheScoreListHoldsEveryStaffWithItsDistance)
{
    FCSystemStaves list;
    ASSERT_EQ(list.LoadAllForItem(0), 6);
    const std::vector<hostsim_staff_entry> held = List(0);
    ASSERT_EQ(held.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        const FCSystemStaff* pEntry = list.GetItemAt(i);
        EXPECT_EQ(pEntry->GetStaff(), held[i].staff);
        EXPECT_EQ(pEntry->GetDistance(), held[i].distance);
        EXPECT_EQ(pEntry->GetResize(), 100);
        EXPECT_EQ(pEntry->GetItemInci(), i);
    }
    EXPECT_EQ(list.GetItemAt(4)->GetDistance(), -1250);
}

TEST_F(StaffLists, StaffSetsLiveUnderTheirOwnItemsWithTheirResize)
{
    PutList(65500, {{3, 0, 100}, {1, -288, 75}});
    PutList(65507, {{6, 0, 100}});
    FCSystemStaves first;
    ASSERT_EQ(first.LoadAllForItem(65500), 2);
    EXPECT_EQ(first.GetItemAt(0)->GetStaff(), 3);
    EXPECT_EQ(first.GetItemAt(0)->GetResize(), 100);
    EXPECT_EQ(first.GetItemAt(1)->GetStaff(), 1);
    EXPECT_EQ(first.GetItemAt(1)->GetResize(), 75);
    EXPECT_EQ(first.GetItemAt(1)->GetItemNo(), 65500);
    FCSystemStaves last;
    ASSERT_EQ(last.LoadAllForItem(65507), 1);
    EXPECT_EQ(last.GetItemAt(0)->GetStaff(), 6);
    FCSystemStaves none;
    EXPECT_EQ(none.LoadAllForItem(65501), 0);
}

TEST_F(StaffLists, SavingRewritesTheListInCollectionOrderWithResizeDetails)
{
    FCSystemStaves list;
    for (int16_t staff : {5, 2, 4}) {
        FCSystemStaff* pEntry = new FCSystemStaff();
        pEntry->SetStaff(staff);
        pEntry->SetDistance(-100 * staff);
        pEntry->SetResize(staff == 2 ? 75 : 100);
        list.Add(pEntry);
    }
    {
        Edit edit;
        ASSERT_TRUE(list.SaveAllForItem(65503));
    }
    EXPECT_EQ(ListStaves(65503), (std::vector<int16_t>{5, 2, 4}));
    EXPECT_EQ(List(65503)[2].distance, -400);
    const std::vector<uint8_t> resize = Record(kResizeTag, static_cast<int16_t>(65503), 2);
    ASSERT_EQ(resize.size(), 10u);
    EXPECT_EQ(Word(resize, 0), 75);
    EXPECT_EQ(Word(resize, 2), 0);
    EXPECT_TRUE(Record(kResizeTag, static_cast<int16_t>(65503), 5).empty());
}

TEST_F(StaffLists, AShorterListLeavesNoEntriesBehind)
{
    PutList(65502, {{1, 0, 100}, {2, -1, 100}, {3, -2, 100}, {4, -3, 100}, {5, -4, 100}});
    FCSystemStaves list;
    ASSERT_EQ(list.LoadAllForItem(65502), 5);
    list.ClearItemAt(4);
    list.ClearItemAt(0);
    {
        Edit edit;
        ASSERT_TRUE(list.SaveAllForItem(65502));
    }
    EXPECT_EQ(ListStaves(65502), (std::vector<int16_t>{2, 3, 4}));
    EXPECT_TRUE(Record(kSystemStaffTag, static_cast<int16_t>(65502), 3).empty());
}

TEST_F(StaffLists, AResizeOfAHundredRemovesAnEarlierDetail)
{
    PutList(65504, {{2, 0, 60}});
    FCSystemStaves list;
    ASSERT_EQ(list.LoadAllForItem(65504), 1);
    ASSERT_EQ(list.GetItemAt(0)->GetResize(), 60);
    list.GetItemAt(0)->SetResize(100);
    {
        Edit edit;
        ASSERT_TRUE(list.GetItemAt(0)->Save());
    }
    EXPECT_TRUE(Record(kResizeTag, static_cast<int16_t>(65504), 2).empty());
}

TEST_F(StaffLists, DeletingAListThatDoesNotExistSucceeds)
{
    FCSystemStaves list;
    Edit edit;
    EXPECT_TRUE(list.DeleteDataForItem(65506));
}

TEST_F(StaffLists, ResizeDetailsAreNotKeptForTheGlobalList)
{
    FCSystemStaff entry;
    EXPECT_TRUE(entry.IsLoaded());
    EXPECT_EQ(entry.GetLoadedSize(), 24u);
    EXPECT_FALSE(entry.LoadFirst());
    ASSERT_TRUE(entry.Load(0, 1));
    const size_t calls = H().hostsim_call_log_count();
    EXPECT_FALSE(entry.DeleteResizeData());
    EXPECT_EQ(H().hostsim_call_log_count(), calls);
}

TEST_F(StaffLists, FindStaffGivesTheFirstMatch)
{
    PutList(65501, {{4, 0, 100}, {2, -10, 100}, {4, -20, 100}});
    FCSystemStaves list;
    ASSERT_EQ(list.LoadAllForItem(65501), 3);
    EXPECT_EQ(list.FindStaff(7), nullptr);
    ASSERT_NE(list.FindStaff(4), nullptr);
    EXPECT_EQ(list.FindStaff(4), list.GetItemAt(0));
    EXPECT_EQ(list.FindStaff(2)->GetDistance(), -10);
}

/* ---- Restricting to a region ------------------------------------------------------ */

TEST_F(StaffLists, RegionKeepsOnlyTheStavesAtItsSlots)
{
    SetSelection(0, 2, 3, 1, 2);
    FCMusicRegion region;
    ASSERT_TRUE(region.SetCurrentSelection());
    FCSystemStaves list;
    ASSERT_EQ(list.LoadAllForRegion(&region), 2);
    EXPECT_EQ(list.GetItemAt(0)->GetStaff(), 2);
    EXPECT_EQ(list.GetItemAt(1)->GetStaff(), 3);
    EXPECT_EQ(list.GetItemAt(1)->GetDistance(), -620);
}

TEST_F(StaffLists, RegionOfAStoredListIsCountedInThatList)
{
    PutList(65500, {{5, 0, 100}, {2, -300, 100}, {4, -600, 100}, {1, -900, 100}});
    SetSelection(65500, 2, 3, 1, 1);
    FCMusicRegion region;
    ASSERT_TRUE(region.SetCurrentSelection());
    FCSystemStaves list;
    list.LoadAllForItem(0);
    ASSERT_EQ(list.LoadAllForRegion(&region), 2);
    EXPECT_EQ(list.GetItemAt(0)->GetStaff(), 2);
    EXPECT_EQ(list.GetItemAt(1)->GetStaff(), 4);
    EXPECT_EQ(list.LoadAllForRegion(nullptr), 0);
    EXPECT_EQ(list.GetCount(), 0);
}
