/* A region's own arithmetic: empty regions, partial measures, positions and
   slots, the host record it mirrors and the clip token rules that need no
   host answer. */
#include <gtest/gtest.h>

#include <cstring>

#include "document/FCMusicRegion.h"
#include "RegionRecord.h"

namespace
{
constexpr int32_t kEnd = FCMusicRegion::kEndOfMeasure;
} // namespace

TEST(RegionRecord, FieldsMapOntoTheHostRecordUnchanged)
{
    EREGION record = MakeRegion(0, 2, 4, 3, 480, 5, 960);
    record.startStaffList = 65500;
    record.endStaffList = 65507;
    FCMusicRegion region(&record);
    EXPECT_EQ(region.GetStartStaffList(), 65500);
    EXPECT_EQ(region.GetEndStaffList(), 65507);
    EXPECT_EQ(region.GetStartSlot(), 2);
    EXPECT_EQ(region.GetEndSlot(), 4);
    EXPECT_EQ(region.GetStartMeasure(), 3);
    EXPECT_EQ(region.GetStartMeasurePos(), 480);
    EXPECT_EQ(region.GetEndMeasure(), 5);
    EXPECT_EQ(region.GetEndMeasurePos(), 960);

    region.SetEndMeasurePos(kEnd);
    region.SetStartSlot(-7);
    EREGION out;
    std::memset(&out, 0xAB, sizeof out);
    region.GetEnigmaRegion(&out);
    EXPECT_EQ(out.endPosition, kEnd);
    EXPECT_EQ(out.startSlot, -7);
    EXPECT_EQ(out.endStaffList, 65507);
}

TEST(RegionRecord, SetRegionCopiesFieldsButNotTheClipToken)
{
    EREGION record = MakeRegion(0, 1, 3, 2, 0, 2, kEnd);
    FCMusicRegion source(&record);
    FCMusicRegion copy;
    copy.SetRegion(&source);
    EXPECT_EQ(copy.GetStartMeasure(), 2);
    EXPECT_EQ(copy.GetEndMeasurePos(), kEnd);
    EXPECT_EQ(copy.GetDocumentID(), source.GetDocumentID());
    EXPECT_EQ(copy.GetClipToken(), 0);
    copy.SetRegion(nullptr);
    EXPECT_EQ(copy.GetStartMeasure(), 2);
}

TEST(RegionEmpty, NullRecordHasNoMeasures)
{
    FCMusicRegion region(nullptr);
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_EQ(region.GetDocumentID(), 0);
    EXPECT_FALSE(region.IsPartial());
    EXPECT_FALSE(region.IsMeasurePartial(0));
    EXPECT_EQ(region.CalcDuration(), 0);
    EXPECT_FALSE(region.SetDurationOffsetRight(100));
    EXPECT_FALSE(region.SetDurationOffsetLeft(100));
}

TEST(RegionEmpty, CopyAndPasteNeedMeasures)
{
    FCMusicRegion region;
    EXPECT_FALSE(region.CopyMusic());
    EXPECT_FALSE(region.CutMusic());
    EXPECT_FALSE(region.PasteMusic());
    EXPECT_FALSE(region.ReleaseMusic());
    EXPECT_EQ(region.GetClipToken(), 0);
}

TEST(RegionPartial, WholeMeasuresAreNotPartial)
{
    EREGION record = MakeRegion(0, 1, 3, 3, 0, 5, kEnd);
    FCMusicRegion region(&record);
    EXPECT_FALSE(region.IsPartial());
    EXPECT_FALSE(region.IsMeasurePartial(3));
    EXPECT_FALSE(region.IsMeasurePartial(4));
    EXPECT_TRUE(region.IsFullMeasureIncluded(4));
    EXPECT_TRUE(region.IsAbsoluteEndMeasurePos());
    EXPECT_FALSE(region.IsMeasureIncluded(2));
    EXPECT_FALSE(region.IsMeasureIncluded(6));
}

TEST(RegionPartial, LateStartMakesTheStartMeasurePartial)
{
    EREGION record = MakeRegion(0, 1, 3, 3, 480, 5, kEnd);
    FCMusicRegion region(&record);
    EXPECT_TRUE(region.IsPartial());
    EXPECT_TRUE(region.IsMeasurePartial(3));
    EXPECT_FALSE(region.IsMeasurePartial(4));
    EXPECT_TRUE(region.IsStartPos(3, 480));
    EXPECT_FALSE(region.IsStartPos(4, 480));
    EXPECT_FALSE(region.IsMeasurePosWithin(3, 479));
    EXPECT_TRUE(region.IsMeasurePosWithin(3, 480));
    EXPECT_FALSE(region.IsFullMeasureIncluded(3));
    EXPECT_TRUE(region.IsFullMeasureIncluded(5));
}

TEST(RegionPartial, EarlyEndLimitsTheEndMeasureOnly)
{
    EREGION record = MakeRegion(0, 1, 3, 3, 0, 3, 1023);
    FCMusicRegion region(&record);
    EXPECT_TRUE(region.IsPartial());
    EXPECT_TRUE(region.IsMeasurePartial(3));
    EXPECT_TRUE(region.IsMeasurePosWithin(3, 1023));
    EXPECT_FALSE(region.IsMeasurePosWithin(3, 1024));
    EXPECT_FALSE(region.IsAbsoluteEndMeasurePos());
}

TEST(RegionSlots, SlotRangeIsInclusiveAndPositive)
{
    EREGION record = MakeRegion(0, 0, 2, 1, 0, 1, kEnd);
    FCMusicRegion region(&record);
    EXPECT_FALSE(region.IsSlotIncluded(0));
    EXPECT_TRUE(region.IsSlotIncluded(1));
    EXPECT_TRUE(region.IsSlotIncluded(2));
    EXPECT_FALSE(region.IsSlotIncluded(3));
}

TEST(RegionSlots, AssureSortedStavesSwapsOnlyReversedSlots)
{
    EREGION record = MakeRegion(0, 5, 2, 1, 0, 1, kEnd);
    FCMusicRegion region(&record);
    region.AssureSortedStaves();
    EXPECT_EQ(region.GetStartSlot(), 2);
    EXPECT_EQ(region.GetEndSlot(), 5);
    region.AssureSortedStaves();
    EXPECT_EQ(region.GetStartSlot(), 2);
    EXPECT_EQ(region.GetEndSlot(), 5);
}

TEST(RegionOverlap, DisjointMeasureRangesNeverOverlap)
{
    EREGION first = MakeRegion(0, 1, 3, 1, 0, 2, kEnd);
    EREGION second = MakeRegion(0, 1, 3, 3, 0, 4, kEnd);
    FCMusicRegion a(&first);
    FCMusicRegion b(&second);
    EXPECT_FALSE(a.IsOverlapping(&b));
    EXPECT_FALSE(b.IsOverlapping(&a));
    EXPECT_FALSE(a.IsOverlapping(nullptr));
}
