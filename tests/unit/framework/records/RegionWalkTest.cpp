#include <gtest/gtest.h>

#include <vector>

#include "document/FCCell.h"
#include "document/FCMusicRegion.h"
#include "RecordsHostFixture.h"
#include "TestRecords.h"
#include "document/__FCBrowserRegionBase.h"

/* Walking the cells of a region and loading the details of one cell. */

namespace
{
/* Records the cells it is handed; answers false at the cell numbered
   stopAt (1-based), true otherwise. */
class CellRecorder : public __FCBrowserRegionBase
{
public:
    std::vector<int> cells; /* measure * 10 + staff */
    int stopAt = 0;
    FCMusicRegion* lastRegion = nullptr;

    bool RegionIterateCellHandler(FCCell* pCell, FCIteratorHandler*, FCMusicRegion* pRegion) override
    {
        cells.push_back(pCell->GetMeasure() * 10 + pCell->GetStaff());
        lastRegion = pRegion;
        return static_cast<int>(cells.size()) != stopAt;
    }
    __FCBase* FindFirst(FCIteratorHandler*) override { return nullptr; }
};

} // namespace

using RegionWalk = RecordsHostTest;

TEST_F(RegionWalk, ForEachVisitsTheSelectionMeasureByMeasure)
{
    Select(2, 3, 1, 2);
    CellRecorder browser;
    EXPECT_EQ(browser.ForEach(nullptr), 4);
    EXPECT_EQ(browser.cells, (std::vector<int>{12, 13, 22, 23}));
    EXPECT_NE(browser.lastRegion, nullptr);
}

TEST_F(RegionWalk, NothingSelectedVisitsNothing)
{
    CellRecorder browser;
    EXPECT_EQ(browser.ForEach(nullptr), 0);
    EXPECT_TRUE(browser.cells.empty());
}

TEST_F(RegionWalk, AFalseAnswerEndsTheWholeWalk)
{
    const EREGION record = MakeRegion(1, 2, 3, 4);
    FCMusicRegion region(&record);
    CellRecorder browser;
    browser.stopAt = 3;
    EXPECT_EQ(browser.ForEachInRegion(nullptr, &region), 2);
    EXPECT_EQ(browser.cells, (std::vector<int>{31, 32, 41}));
    EXPECT_EQ(browser.lastRegion, &region);

    const EREGION backwards = MakeRegion(1, 1, 5, 4);
    FCMusicRegion reversed(&backwards);
    CellRecorder other;
    EXPECT_EQ(other.ForEachInRegion(nullptr, &reversed), 0);
    EXPECT_EQ(other.ForEachInRegion(nullptr, static_cast<FCMusicRegion*>(nullptr)), 0);
}

TEST_F(RegionWalk, DetailsOfOneCellKeepThatCell)
{
    PutRecord(kCellDetailTag, {3, 2, 0}, Words({320}, 10));
    PutRecord(kCellDetailTag, {3, 2, 1}, Words({321}, 10));
    PutRecord(kCellDetailTag, {2, 3, 0}, Words({230}, 10));
    FCCell cell(2, 3);
    TestCellDetails list;
    EXPECT_EQ(list.LoadAllInCell(&cell), 2);
    EXPECT_EQ(list.At(0)->GetWord0(), 320);
    EXPECT_EQ(list.At(1)->GetWord0(), 321);
    EXPECT_EQ(list.At(1)->GetConnectedCell(), &cell);
    EXPECT_EQ(list.LoadAllInCell(nullptr), 0);
    EXPECT_EQ(list.GetCount(), 0);
}
