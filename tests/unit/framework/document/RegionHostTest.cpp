/* Regions against the host: reading and setting the selection, slots and
   staves, durations, comparisons, cells and music operations. */
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "document/FCCell.h"
#include "common/qz_fourcc.h"
#include "document/FCCells.h"
#include "core/FCIteratorHandler.h"
#include "document/FCMusicRegion.h"
#include "document/FCStaff.h"
#include "RegionRecord.h"
#include "support/StavesHostFixture.h"

namespace
{
constexpr int32_t kEnd = FCMusicRegion::kEndOfMeasure;
constexpr int32_t kMeasureDuration = 4096; /* the host's 4/4 measure */

bool Overlap(const EREGION& a, const EREGION& b)
{
    const FCMusicRegion first(&a);
    const FCMusicRegion second(&b);
    return first.IsOverlapping(&second);
}
} // namespace

using RegionSelection = StavesHostTest;

TEST_F(RegionSelection, TheCurrentSelectionIsCopied)
{
    SetSelection(0, 2, 4, 3, 5, 0, kEnd);
    FCMusicRegion region;
    ASSERT_TRUE(region.SetCurrentSelection());
    EXPECT_EQ(region.GetStartSlot(), 2);
    EXPECT_EQ(region.GetEndSlot(), 4);
    EXPECT_EQ(region.GetStartMeasure(), 3);
    EXPECT_EQ(region.GetEndMeasure(), 5);
    EXPECT_EQ(region.GetEndMeasurePos(), kEnd);
    EXPECT_EQ(region.GetDocumentID(), document);
    EXPECT_TRUE(region.IsCurrentDocument());
    EXPECT_FALSE(region.IsEmpty());
}

TEST_F(RegionSelection, NoSelectionIsAnEmptyRegion)
{
    FCMusicRegion region;
    ASSERT_TRUE(region.SetCurrentSelection());
    EXPECT_TRUE(region.IsEmpty());
}

TEST_F(RegionSelection, ARefusedReadMeansNothingIsSelected)
{
    SetSelection(0, 1, 2, 1, 2);
    FCMusicRegion region;
    ASSERT_TRUE(region.SetCurrentSelection());
    H().hostsim_fail("FX_GetCurERegions", HOSTSIM_FAIL_REFUSE, 1);
    EXPECT_FALSE(region.SetCurrentSelection());
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_EQ(region.GetEndSlot(), 0);
}

TEST_F(RegionSelection, WhatAHostWritesBeforeRefusingIsIgnored)
{
    H().hostsim_selection_garbage(1);
    ASSERT_TRUE(H().hostsim_close_document(document));
    FCMusicRegion region;
    EXPECT_FALSE(region.SetCurrentSelection());
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_EQ(region.GetStartSlot(), 0);
    EXPECT_FALSE(region.SetFullDocument());
    EXPECT_TRUE(region.IsEmpty());
}

TEST_F(RegionSelection, TheWholeDocumentSpansEveryStaffAndMeasure)
{
    for (int16_t m = 1; m <= 8; ++m) {
        uint8_t bytes[30] = {};
        int16_t key[3] = {m, 0, 0};
        ASSERT_TRUE(H().hostsim_put_other(QZ_FOURCC("SOMS"), key, bytes, sizeof bytes));
    }
    FCMusicRegion region;
    ASSERT_TRUE(region.SetFullDocument());
    EXPECT_EQ(region.GetStartSlot(), 1);
    EXPECT_EQ(region.GetEndSlot(), 6);
    EXPECT_EQ(region.GetStartMeasure(), 1);
    EXPECT_EQ(region.GetEndMeasure(), 8);
    EXPECT_TRUE(region.IsLastEndMeasure());
    EXPECT_TRUE(region.IsFullDocumentSpan());
    region.SetEndMeasure(7);
    EXPECT_FALSE(region.IsLastEndMeasure());
    EXPECT_FALSE(region.IsFullDocumentSpan());
}

TEST_F(RegionSelection, ARegionBecomesTheSelectionOnlyInItsDocument)
{
    EREGION record = MakeRegion(0, 1, 2, 4, 0, 6, kEnd);
    FCMusicRegion region(&record);
    ASSERT_TRUE(region.SetInDocument());
    hostsim_region held{};
    ASSERT_TRUE(H().hostsim_get_selection(&held));
    EXPECT_EQ(held.startMeasure, 4);
    EXPECT_EQ(held.endMeasure, 6);
    EXPECT_EQ(held.endSlot, 2);

    const int16_t other = H().hostsim_new_document(HOSTSIM_SEED_TEST);
    ASSERT_TRUE(H().hostsim_set_current_document(other));
    EXPECT_FALSE(region.SetInDocument());
}

/* ---- Slots and staves ---------------------------------------------------------- */

using RegionStaves = StavesHostTest;

TEST_F(RegionStaves, AStaffOutsideTheStartListIsNeverIncluded)
{
    PutList(65500, {{5, 0, 100}, {2, -300, 100}});
    EREGION record = MakeRegion(65500, 1, 100, 1, 0, 1, kEnd);
    FCMusicRegion region(&record);
    EXPECT_TRUE(region.IsStaffIncluded(2));
    EXPECT_TRUE(region.IsStaffIncluded(5));
    EXPECT_FALSE(region.IsStaffIncluded(3));
    region.SetStartSlot(2);
    EXPECT_FALSE(region.IsStaffIncluded(5));
}

TEST_F(RegionStaves, FullMeasureStackCoversEveryStaffOfTheList)
{
    EREGION record = MakeRegion(0, 3, 3, 2, 0, 2, kEnd);
    FCMusicRegion region(&record);
    ASSERT_TRUE(region.SetFullMeasureStack());
    EXPECT_EQ(region.GetStartSlot(), 1);
    EXPECT_EQ(region.GetEndSlot(), 6);
    FCMusicRegion empty;
    EXPECT_FALSE(empty.SetFullMeasureStack());
    record.startStaffList = 65505; /* a list that does not exist */
    FCMusicRegion noList(&record);
    EXPECT_FALSE(noList.SetFullMeasureStack());
}

TEST_F(RegionStaves, SlotsAreConvertedToTheGlobalList)
{
    PutList(65500, {{5, 0, 100}, {2, -300, 100}});
    EREGION record = MakeRegion(65500, 1, 2, 1, 0, 1, kEnd);
    FCMusicRegion region(&record);
    region.ConvertToGlobalInstrumentList();
    EXPECT_EQ(region.GetStartStaffList(), 0);
    EXPECT_EQ(region.GetEndStaffList(), 0);
    EXPECT_EQ(region.GetStartSlot(), 5);
    EXPECT_EQ(region.GetEndSlot(), 2);
}

namespace
{
class StaffCollector : public FCIteratorHandler
{
public:
    explicit StaffCollector(int stopAfter) : _stopAfter(stopAfter) {}
    bool Iterate(__FCBase* pObject) override
    {
        const FCStaff* pStaff = dynamic_cast<const FCStaff*>(pObject);
        staves.push_back(pStaff ? pStaff->GetItemNo() : -1);
        return static_cast<int>(staves.size()) != _stopAfter;
    }
    std::vector<int> staves;

private:
    int _stopAfter;
};
} // namespace

TEST_F(RegionStaves, ForEachStaffHandsOverTheStavesOfTheSlots)
{
    EREGION record = MakeRegion(0, 2, 4, 1, 0, 1, kEnd);
    FCMusicRegion region(&record);
    StaffCollector all(0);
    EXPECT_EQ(region.ForEachStaff(&all), 3);
    EXPECT_EQ(all.staves, (std::vector<int>{2, 3, 4}));
    StaffCollector first(1);
    EXPECT_EQ(region.ForEachStaff(&first), 1);
    EXPECT_EQ(first.staves, (std::vector<int>{2}));
    region.SetEndSlot(1);
    EXPECT_EQ(region.ForEachStaff(&all), 0);
    EXPECT_EQ(region.ForEachStaff(nullptr), 0);
}

TEST_F(RegionStaves, CellsFollowMeasuresThenSlots)
{
    PutList(65501, {{6, 0, 100}, {1, -300, 100}});
    EREGION record = MakeRegion(65501, 1, 2, 7, 0, 8, kEnd);
    FCMusicRegion region(&record);
    std::unique_ptr<FCCells> cells(region.CreateCells());
    ASSERT_EQ(cells->GetCount(), 4);
    EXPECT_EQ(cells->GetItemAt(0)->GetMeasure(), 7);
    EXPECT_EQ(cells->GetItemAt(0)->GetStaff(), 6);
    EXPECT_EQ(cells->GetItemAt(1)->GetStaff(), 1);
    EXPECT_EQ(cells->GetItemAt(2)->GetMeasure(), 8);
    FCCell inside(8, 1);
    FCCell otherStaff(8, 3);
    EXPECT_TRUE(region.IsCellPosWithin(&inside, 100));
    EXPECT_FALSE(region.IsCellPosWithin(&otherStaff, 100));
    EXPECT_FALSE(region.IsCellPosWithin(nullptr, 100));
}

/* ---- Durations ------------------------------------------------------------------ */

using RegionDurations = StavesHostTest;

TEST_F(RegionDurations, WholeAndPartialMeasuresAreSummed)
{
    EREGION whole = MakeRegion(0, 1, 1, 3, 0, 5, kEnd);
    EXPECT_EQ(FCMusicRegion(&whole).CalcDuration(), 3 * kMeasureDuration);
    EREGION inOne = MakeRegion(0, 1, 1, 3, 480, 3, 1023);
    EXPECT_EQ(FCMusicRegion(&inOne).CalcDuration(), 544);
    EREGION across = MakeRegion(0, 1, 1, 3, 1000, 4, 99);
    EXPECT_EQ(FCMusicRegion(&across).CalcDuration(), (kMeasureDuration - 1000) + 100);
}

TEST_F(RegionDurations, MovingTheEndSpansTheDurationFromTheStart)
{
    EREGION record = MakeRegion(0, 1, 1, 3, 1000, 3, kEnd);
    FCMusicRegion region(&record);
    ASSERT_TRUE(region.SetDurationOffsetRight(5000));
    EXPECT_EQ(region.GetEndMeasure(), 4);
    EXPECT_EQ(region.GetEndMeasurePos(), 5000 - (kMeasureDuration - 1000));
    EXPECT_FALSE(region.SetDurationOffsetRight(0));
}

TEST_F(RegionDurations, ADurationPastTheLastMeasureIsRefused)
{
    /* The test document has 8 measures: from measure 7 there are two left. */
    EREGION record = MakeRegion(0, 1, 1, 7, 0, 7, kEnd);
    FCMusicRegion region(&record);
    EXPECT_FALSE(region.SetDurationOffsetRight(3 * kMeasureDuration));
    ASSERT_TRUE(region.SetDurationOffsetRight(2 * kMeasureDuration));
    EXPECT_EQ(region.GetEndMeasure(), 8);
}

TEST_F(RegionDurations, MovingTheStartSpansTheDurationBeforeTheEnd)
{
    EREGION record = MakeRegion(0, 1, 1, 5, 0, 5, kEnd);
    FCMusicRegion region(&record);
    ASSERT_TRUE(region.SetDurationOffsetLeft(5000));
    EXPECT_EQ(region.GetStartMeasure(), 4);
    EXPECT_EQ(region.GetStartMeasurePos(), kMeasureDuration - (5000 - kMeasureDuration));
    EXPECT_FALSE(region.SetDurationOffsetLeft(-1));
}

TEST_F(RegionDurations, WithoutMeasureDurationsNothingMoves)
{
    H().hostsim_fail("FX_GetMeasureDuration", HOSTSIM_FAIL_MISSING, -1);
    EREGION record = MakeRegion(0, 1, 1, 3, 0, 3, kEnd);
    FCMusicRegion region(&record);
    EXPECT_FALSE(region.SetDurationOffsetRight(100));
    EXPECT_FALSE(region.SetDurationOffsetLeft(100));
    EXPECT_EQ(region.GetEndMeasurePos(), kEnd);
    EXPECT_EQ(region.GetStartMeasure(), 3);
    EXPECT_EQ(region.GetStartMeasurePos(), 0);
}

/* ---- Comparisons ------------------------------------------------------------------ */

using RegionComparison = StavesHostTest;

TEST_F(RegionComparison, IdenticalMeansSameStavesMeasuresAndPositions)
{
    EREGION a = MakeRegion(0, 2, 3, 1, 0, 2, kEnd);
    FCMusicRegion first(&a);
    FCMusicRegion second(&a);
    EXPECT_TRUE(first.IsIdentical(&second));
    second.SetEndMeasurePos(100);
    EXPECT_FALSE(first.IsIdentical(&second));
    EXPECT_FALSE(first.IsIdentical(static_cast<const FCMusicRegion*>(nullptr)));
}

TEST_F(RegionComparison, SharedMeasuresWithoutASharedStaffDoNotOverlap)
{
    const EREGION upper = MakeRegion(0, 1, 2, 1, 0, 4, kEnd);
    EXPECT_FALSE(Overlap(upper, MakeRegion(0, 3, 4, 2, 0, 3, kEnd)));
    EXPECT_TRUE(Overlap(upper, MakeRegion(0, 2, 4, 2, 0, 3, kEnd)));
}

TEST_F(RegionComparison, TouchingInsideOneMeasureIsNotOverlapping)
{
    const EREGION earlier = MakeRegion(0, 1, 3, 1, 0, 3, 1000);
    const EREGION later = MakeRegion(0, 2, 2, 3, 2000, 4, kEnd);
    EXPECT_FALSE(Overlap(earlier, later));
    EXPECT_FALSE(Overlap(later, earlier));
    EXPECT_TRUE(Overlap(earlier, MakeRegion(0, 2, 2, 3, 900, 4, kEnd)));
}

TEST_F(RegionComparison, SlotsWithoutStavesShareNothing)
{
    EXPECT_FALSE(Overlap(MakeRegion(0, 7, 9, 1, 0, 1, kEnd), MakeRegion(0, 8, 10, 1, 0, 1, kEnd)));
    EXPECT_FALSE(Overlap(MakeRegion(0, 3, 2, 1, 0, 1, kEnd), MakeRegion(0, 2, 3, 1, 0, 1, kEnd)));
}

/* ---- Music operations ------------------------------------------------------------------ */

using RegionMusic = StavesHostTest;

TEST_F(RegionMusic, ACopyIsHeldUntilReleased)
{
    EREGION record = MakeRegion(0, 1, 2, 1, 0, 2, kEnd);
    FCMusicRegion region(&record);
    ASSERT_TRUE(region.CopyMusic());
    EXPECT_NE(region.GetClipToken(), 0);
    EXPECT_FALSE(region.CopyMusic());
    EXPECT_FALSE(region.CutMusic());
    EXPECT_TRUE(region.PasteMusic());
    ASSERT_TRUE(region.ReleaseMusic());
    EXPECT_EQ(region.GetClipToken(), 0);
    EXPECT_FALSE(region.ReleaseMusic());
    EXPECT_FALSE(region.PasteMusic());
    EXPECT_TRUE(region.CutMusic());
    EXPECT_TRUE(region.ReleaseMusic());
}

TEST_F(RegionMusic, RedrawPassesTheRegion)
{
    EREGION record = MakeRegion(0, 2, 5, 3, 0, 4, 700);
    FCMusicRegion region(&record);
    const size_t before = H().hostsim_redraw_count();
    ASSERT_TRUE(region.Redraw());
    EXPECT_EQ(H().hostsim_redraw_count(), before + 1);
    hostsim_region drawn{};
    ASSERT_TRUE(H().hostsim_last_redraw(&drawn));
    EXPECT_EQ(drawn.startSlot, 2);
    EXPECT_EQ(drawn.endSlot, 5);
    EXPECT_EQ(drawn.endPos, 700);
    EXPECT_TRUE(region.RebeamMusic());
    EXPECT_TRUE(region.RebarMusic(1, true, false));
}
