#include <gtest/gtest.h>

#include "DataHostFixture.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCCell.h"
#include "document/FCCells.h"
#include "document/FCIndependentCellDetail.h"
#include "document/FCKeySignature.h"
#include "document/FCMeasure.h"
#include "document/FCMetatoolAssignment.h"
#include "document/FCTimeSignature.h"

namespace
{
constexpr uint32_t kMeasureTag = QZ_FOURCC("SOMS");
constexpr uint32_t kStaffSpecTag = QZ_FOURCC("SOSC");
constexpr uint32_t kDetailTag = QZ_FOURCC("SDFL");

/* A region given as its host record. */
struct TestRegion
{
    EREGION record{};
    void GetEnigmaRegion(EREGION* pOut) const { *pOut = record; }
};
} // namespace

class Cells : public DataHostTest
{
protected:
    void SetUp() override
    {
        DataHostTest::SetUp();
        /* Measure 2: two sharps, 3 beats of a quarter. */
        Put(kMeasureTag, {2, 0}, {0, 0x0002, 3, 1024}, 30);
    }
    /* Staff 1 keeps its own key at measure 2. */
    void StaffHasOwnKey()
    {
        std::vector<int16_t> staffSettings(68, 0);
        staffSettings[11] = int16_t(0x8000);
        Put(kStaffSpecTag, {1, 2, 0, 0}, staffSettings);
    }
    /* Staff 1, measure 2: independent key (two flats) and 6/8. */
    void IndependentDetail(uint16_t flags = 0x0C00)
    {
        Put(kDetailTag, {1, 2, 0}, {int16_t(flags), int16_t(0x00FE), 2, 1536}, 20);
    }
};

TEST_F(Cells, WithoutAnOwnKeyTheMeasureGivesKeyAndTime)
{
    IndependentDetail();
    FCCell cell(2, 1);
    FCKeySignature* pKey = cell.GetKeySignature();
    ASSERT_NE(pKey, nullptr);
    EXPECT_EQ(pKey->CalcSharps(), 2);
    EXPECT_EQ(cell.GetKeySignature(), pKey);
    EXPECT_EQ(cell.GetTimeSignature()->GetBeats(), 3);
    EXPECT_FALSE(cell.HasIndependentKeySig());
}

TEST_F(Cells, AnOwnKeyWithADetailGivesTheCellsOwnSignatures)
{
    StaffHasOwnKey();
    IndependentDetail();
    FCCell cell(2, 1);
    EXPECT_EQ(cell.GetKeySignature()->CalcFlats(), 2);
    EXPECT_TRUE(cell.GetTimeSignature()->IsCompoundBeatDuration());
    EXPECT_TRUE(cell.HasIndependentKeySig());
    EXPECT_TRUE(cell.HasIndependentTimeSig());
}

TEST_F(Cells, AnOwnKeyWithoutADetailFallsBackToTheMeasure)
{
    StaffHasOwnKey();
    FCCell cell(2, 1);
    EXPECT_EQ(cell.GetKeySignature()->CalcSharps(), 2);
    EXPECT_FALSE(cell.HasIndependentKeySig());
}

TEST_F(Cells, SaveWritesOnlyWhatTheDetailMarksIndependent)
{
    StaffHasOwnKey();
    IndependentDetail(0x0800);
    FCCell cell(2, 1);
    cell.GetKeySignature()->SetKeyValue(0x0005);
    cell.GetTimeSignature()->SetBeats(9);
    ASSERT_TRUE(cell.Save());
    const std::vector<int16_t> stored = StoredWords(kDetailTag, {1, 2, 0});
    EXPECT_EQ(stored[1], 5);
    EXPECT_EQ(stored[2], 2);
}

TEST_F(Cells, SaveWithoutADetailCreatesNothing)
{
    FCCell cell(2, 1);
    cell.GetKeySignature()->SetKeyValue(0x0001);
    EXPECT_TRUE(cell.Save());
    EXPECT_TRUE(StoredWords(kDetailTag, {1, 2, 0}).empty());
}

TEST_F(Cells, AssuringAnIndependentKeyCreatesTheDetail)
{
    StaffHasOwnKey();
    FCCell cell(2, 1);
    cell.GetKeySignature()->SetKeyValue(0x01FF);
    ASSERT_TRUE(cell.AssureSavedIndependentKeySig());
    const std::vector<int16_t> stored = StoredWords(kDetailTag, {1, 2, 0});
    ASSERT_FALSE(stored.empty());
    EXPECT_EQ(uint16_t(stored[0]) & 0x0800, 0x0800);
    EXPECT_EQ(uint16_t(stored[1]), 0x01FF);
    FCCell again(2, 1);
    EXPECT_TRUE(again.HasIndependentKeySig());
}

TEST_F(Cells, ApplyRegionIsMeasureMajorThroughTheStaffList)
{
    TestRegion region;
    region.record.startSlot = 2;
    region.record.endSlot = 3;
    region.record.startMeasure = 4;
    region.record.endMeasure = 5;
    FCCells cells;
    ASSERT_EQ(cells.ApplyRegion(&region), 4);
    const int expected[4][2] = {{4, 2}, {4, 3}, {5, 2}, {5, 3}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(cells.GetItemAt(i)->GetMeasure(), expected[i][0]);
        EXPECT_EQ(cells.GetItemAt(i)->GetStaff(), expected[i][1]);
    }
    EXPECT_NE(cells.Find(5, 3), nullptr);
    EXPECT_EQ(cells.Find(6, 3), nullptr);

    TestRegion empty;
    EXPECT_EQ(cells.ApplyRegion(&empty), 0);
    EXPECT_EQ(cells.ApplyRegion(static_cast<TestRegion*>(nullptr)), 0);
}

TEST_F(Cells, MeasureLayoutFollowsTheHost)
{
    FCMeasure measure;
    ASSERT_TRUE(measure.Load(2));
    EXPECT_EQ(measure.GetLoadedSize(), 30u);
    EXPECT_EQ(measure.EnigmaVersion(), qz::kHostVersion12);
    EXPECT_EQ(measure.GetKeySignature()->CalcSharps(), 2);
}

using Metatools = DataHostTest;

TEST_F(Metatools, KindFiveHasNoTagAndNeverReachesTheHost)
{
    Put(0x6F742661, {1, 0}, {5, 6});
    FCMetatoolAssignment assignment(5);
    EXPECT_EQ(assignment.Tag(), 0u);
    Host()->hostsim_clear_call_log();
    EXPECT_FALSE(assignment.Load(1));
    EXPECT_FALSE(assignment.LoadFirst());
    EXPECT_FALSE(assignment.DeleteData());
    EXPECT_EQ(Host()->hostsim_call_log_count(), 0u);

    FCMetatoolAssignment articulations(2);
    ASSERT_TRUE(articulations.Load(1));
    EXPECT_EQ(articulations._GetField(FCRecordField<int16_t>(2)), 6);
}

#include "document/EDTGfhold2004.h"
#include "document/FCStaffNamePosition.h"

using NamePositions = DataHostTest;

TEST_F(NamePositions, NewPositionTakesLowByteAndBitFifteenFromItsPreference)
{
    Put(QZ_FOURCC("ot04"), {-2, 0}, {0, 0, 0, 0, 0, int16_t(0xC1A5)});
    Put(QZ_FOURCC("ot66"), {-2, 0}, {0, 0, 0, 0, 0, int16_t(0x7F02)});
    FCStaffNamePosition full(false);
    EXPECT_EQ(full.GetPositionFlags(), 0x80A5);
    EXPECT_TRUE(full.IsLoaded());
    FCStaffNamePosition abbreviated(true);
    EXPECT_EQ(abbreviated.GetPositionFlags(), 0x0002);
    EXPECT_EQ(abbreviated._GetField(FCRecordField<int16_t>(0)), 0);
}

TEST_F(NamePositions, FrameHoldHasOneZeroedFramePerHostLayer)
{
    EDTGfhold2004 hold;
    ASSERT_EQ(hold.GetLayerCount(), 4);
    EXPECT_EQ(hold.GetFrame(3), 0);
    hold.SetFrame(2, 17);
    EDTGfhold2004 copy;
    copy.CopyFrame(&hold);
    EXPECT_EQ(copy.GetFrame(2), 17);
    EXPECT_EQ(copy.GetFrame(4), 0);
}

#include "document/FCTempoElement.h"

using MeasureLists = DataHostTest;

TEST_F(MeasureLists, TempoElementsOfAMeasureSortByTheirFirstWord)
{
    Put(QZ_FOURCC("SOMS"), {3, 0}, {}, 30);
    Put(QZ_FOURCC("otAC"), {3, 0}, {500, 1}, 12);
    Put(QZ_FOURCC("otAC"), {3, 1}, {100, 2}, 12);
    Put(QZ_FOURCC("otAC"), {4, 0}, {50, 3}, 12);
    FCMeasure measure;
    ASSERT_TRUE(measure.Load(3));
    FCTempoElements* pTempos = measure.CreateTempoElements();
    ASSERT_EQ(pTempos->GetCount(), 2);
    EXPECT_TRUE(pTempos->AssureSorted());
    EXPECT_EQ(pTempos->GetItemAt(0)->_GetField(FCRecordField<int16_t>(0)), 100);
    EXPECT_EQ(pTempos->GetItemAt(1)->_GetField(FCRecordField<int16_t>(0)), 500);
    EXPECT_FALSE(pTempos->AssureSorted());
    delete pTempos;
}
