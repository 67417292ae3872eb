#include <gtest/gtest.h>

#include <memory>

#include "DataHostFixture.h"
#include "common/qz_fourcc.h"
#include "document/FCCell.h"
#include "document/FCCellMetrics.h"
#include "document/FCExpression.h"
#include "document/FCGroup.h"
#include "document/FCMusicRegion.h"
#include "document/FCSystemStaff.h"
#include "document/FCSystemStaves.h"
#include "document/FCChord.h"
#include "document/FCChordSuffixElement.h"
#include "document/FCMeasureText.h"
#include "document/FCSeparatePlacement.h"
#include "document/FCTextBlock.h"
#include "document/FCMiscDocPrefs.h"
#include "document/FCStemConnectionTable.h"
#include "InMemoryRecord.h"

namespace
{
constexpr uint32_t kExpressionTag = QZ_FOURCC("SODY");

/* Staff numbers of the score's staff order. */
std::vector<int> ScoreOrder()
{
    FCSystemStaves staves;
    staves.LoadAllForItem(0);
    std::vector<int> order;
    for (int i = 0; i < staves.GetCount(); ++i)
        order.push_back(staves.GetItemAt(i)->GetStaff());
    return order;
}

void SetEnds(FCGroup& group, int start, int end)
{
    group._SetField(FCRecordField<int16_t>(0), static_cast<int16_t>(start));
    group._SetField(FCRecordField<int16_t>(2), static_cast<int16_t>(end));
}
} // namespace

class GroupSpans : public DataHostTest
{
protected:
    void SetUp() override
    {
        DataHostTest::SetUp();
        order = ScoreOrder();
        ASSERT_GE(order.size(), 4u);
        ASSERT_TRUE(group.Prepare());
    }
    std::vector<int> order;
    InMemoryRecord<FCGroup> group;
};

TEST_F(GroupSpans, CountsTheStavesOfTheScoreOrderBetweenItsEnds)
{
    SetEnds(group, order[1], order[3]);
    EXPECT_EQ(group.CalcStaffSpan(), 3);
    EXPECT_TRUE(group.ContainsStaff(order[2]));
    EXPECT_TRUE(group.ContainsStaff(order[3]));
    EXPECT_FALSE(group.ContainsStaff(order[0]));
}

TEST_F(GroupSpans, EndsStoredTheOtherWayRoundSpanTheSameStaves)
{
    SetEnds(group, order[2], order[0]);
    EXPECT_EQ(group.CalcStaffSpan(), 3);
    EXPECT_TRUE(group.ContainsStaff(order[1]));
    EXPECT_FALSE(group.ContainsStaff(order[3]));
}

TEST_F(GroupSpans, AnEndOutsideTheScoreOrderSpansNothing)
{
    SetEnds(group, order[0], 999);
    EXPECT_EQ(group.CalcStaffSpan(), 0);
    EXPECT_FALSE(group.ContainsStaff(order[0]));
}

/* Measure 3 holds assignments on the second and third staff of the score
   order, at several positions. */
class ExpressionLoads : public DataHostTest
{
protected:
    void SetUp() override
    {
        DataHostTest::SetUp();
        order = ScoreOrder();
        ASSERT_GE(order.size(), 3u);
        PutAssignment(3, 0, order[1], 0);
        PutAssignment(3, 1, order[2], 512);
        PutAssignment(3, 2, order[1], 2048);
        PutAssignment(4, 0, order[1], 100);
    }
    static void PutAssignment(int16_t measure, int16_t inci, int staff, int32_t position)
    {
        std::vector<int16_t> words(12, 0);
        words[0] = static_cast<int16_t>(staff);
        std::memcpy(&words[2], &position, 4);
        Put(kExpressionTag, {measure, inci}, words);
    }
    std::vector<int> order;
};

TEST_F(ExpressionLoads, ACellGetsOnlyItsStaffsAssignments)
{
    FCExpressions expressions;
    FCCell cell(3, order[1]);
    ASSERT_EQ(expressions.LoadAllInCell(&cell), 2);
    EXPECT_EQ(expressions.GetItemAt(0)->GetMeasurePos(), 0);
    EXPECT_EQ(expressions.GetItemAt(1)->GetMeasurePos(), 2048);
    EXPECT_EQ(expressions.LoadAllInCell(nullptr), 0);
    EXPECT_EQ(expressions.GetCount(), 0);
}

TEST_F(ExpressionLoads, ARegionKeepsItsStavesMeasuresAndPositions)
{
    FCMusicRegion region;
    region.SetStartStaffList(0);
    region.SetEndStaffList(0);
    region.SetStartSlot(2);
    region.SetEndSlot(2);
    region.SetStartMeasure(3);
    region.SetStartMeasurePos(1);
    region.SetEndMeasure(4);
    region.SetEndMeasurePos(FCMusicRegion::kEndOfMeasure);
    FCExpressions expressions;
    ASSERT_EQ(expressions.LoadAllForRegion(&region), 2);
    EXPECT_EQ(expressions.GetItemAt(0)->GetMeasurePos(), 2048);
    EXPECT_EQ(expressions.GetItemAt(1)->GetItemNo(), 4);
    FCMusicRegion empty;
    EXPECT_EQ(expressions.LoadAllForRegion(&empty), 0);
}

TEST_F(ExpressionLoads, ANewAssignmentLandsInTheCellGiven)
{
    FCExpression expression;
    FCCell cell(3, order[2]);
    EXPECT_FALSE(expression.SaveNewToCell(&cell));
    expression.PrepareNew();
    expression.SetMeasurePos(768);
    ASSERT_TRUE(expression.SaveNewToCell(&cell));
    EXPECT_EQ(expression.GetItemNo(), 3);
    EXPECT_TRUE(expression.IsVisibleOnStaff(order[2]));
    FCExpressions expressions;
    ASSERT_EQ(expressions.LoadAllInCell(&cell), 2);
    EXPECT_EQ(expressions.GetItemAt(1)->GetMeasurePos(), 768);
    EXPECT_FALSE(expression.SaveNewToCell(nullptr));
}

using CellMetricsHost = DataHostTest;

TEST_F(CellMetricsHost, MetricsTheHostRefusesAreNeverHandedBack)
{
    FCCellMetrics metrics;
    FCCell cell(1, 1);
    Host()->hostsim_clear_call_log();
    EXPECT_FALSE(metrics.LoadAtCell(&cell));
    EXPECT_FALSE(metrics.IsLoaded());
    metrics.FreeMetrics();
    EXPECT_EQ(Calls("FX_GetMeasureMetrics"), 1);
    EXPECT_EQ(Calls("FX_FreeMeasureMetrics"), 0);
    EXPECT_FALSE(metrics.LoadAtCell(nullptr));
    EXPECT_EQ(Calls("FX_GetMeasureMetrics"), 1);
}

using PreferenceTables = DataHostTest;

TEST_F(PreferenceTables, TheTableIsTheRunOfIncidentsFromZero)
{
    constexpr uint32_t kTableTag = QZ_FOURCC("ot40");
    Put(kTableTag, {-2, 0}, {1, 2, 3, 4, 5, 6});
    Put(kTableTag, {-2, 1}, {7, 8, 9, 10, 11, 12});
    Put(kTableTag, {-2, 3}, {99, 0, 0, 0, 0, 0});
    FCStemConnectionTable table;
    EXPECT_FALSE(table.Save());
    ASSERT_TRUE(table.Load(0));
    ASSERT_EQ(table.GetEntryCount(), 2);
    EXPECT_EQ(table.GetEntryWord(1, 5), 12);
    EXPECT_EQ(table.GetEntryWord(2, 0), 0);
    EXPECT_FALSE(table.SetEntryWord(2, 0, 5));
    EXPECT_FALSE(table.SetEntryWord(0, 6, 5));
    ASSERT_TRUE(table.SetEntryWord(1, 0, -70));
    ASSERT_TRUE(table.Save());
    EXPECT_EQ(StoredWords(kTableTag, {-2, 1}), (std::vector<int16_t>{-70, 8, 9, 10, 11, 12}));
    EXPECT_EQ(StoredWords(kTableTag, {-2, 3}).at(0), 99);
    EXPECT_TRUE(StoredWords(kTableTag, {-2, 2}).empty());
}

TEST_F(PreferenceTables, MiscellaneousOptionsTravelThroughTheirSourceRecords)
{
    constexpr uint32_t kBarlineSource = QZ_FOURCC("ot50");
    constexpr uint32_t kRestsSource = QZ_FOURCC("ot53");
    Put(kBarlineSource, {-2, 0}, {1, 0, 0, 0, 0, 0});
    Put(kRestsSource, {-2, 0}, {0, 5, 0, 0, 0, 0});
    FCMiscDocPrefs prefs;
    ASSERT_TRUE(prefs.Load(0));
    EXPECT_TRUE(prefs.GetDoubleBarlineAtKeyChange());
    EXPECT_FALSE(prefs.GetConsolidateRestsAcrossLayers());
    prefs.SetConsolidateRestsAcrossLayers(true);
    prefs.SetDoubleBarlineAtKeyChange(false);
    ASSERT_TRUE(prefs.Save());
    EXPECT_EQ(StoredWords(kRestsSource, {-2, 0}).at(0), 1);
    EXPECT_EQ(StoredWords(kRestsSource, {-2, 0}).at(1), 5);
    EXPECT_EQ(StoredWords(kBarlineSource, {-2, 0}).at(0), 0);
}

/* Records that lead to other records. */
using RecordLinks = DataHostTest;

TEST_F(RecordLinks, AMeasureTextOpensItsTextBlock)
{
    Put(QZ_FOURCC("SOTX"), {901, 0}, {3}, 26);
    InMemoryRecord<FCMeasureText> text;
    ASSERT_TRUE(text.Prepare());
    EXPECT_EQ(text.CreateTextBlock(), nullptr);
    text.SetTextBlockID(901);
    std::unique_ptr<FCTextBlock> pBlock(text.CreateTextBlock());
    ASSERT_NE(pBlock, nullptr);
    EXPECT_EQ(pBlock->GetItemNo(), 901);
    text.SetTextBlockID(902);
    EXPECT_EQ(text.CreateTextBlock(), nullptr);
}

TEST_F(RecordLinks, AChordListsTheElementsOfItsSuffix)
{
    Put(QZ_FOURCC("SOIV"), {4, 0}, {1}, 16);
    Put(QZ_FOURCC("SOIV"), {4, 1}, {2}, 16);
    InMemoryRecord<FCChord> chord;
    ASSERT_TRUE(chord.Prepare());
    EXPECT_EQ(chord.CreateChordSuffixElements(), nullptr);
    chord.SetSuffixID(4);
    std::unique_ptr<FCChordSuffixElements> pElements(chord.CreateChordSuffixElements());
    ASSERT_NE(pElements, nullptr);
    EXPECT_EQ(pElements->GetCount(), 2);
    chord.SetSuffixID(5);
    EXPECT_EQ(chord.CreateChordSuffixElements(), nullptr);
}

TEST_F(RecordLinks, PlacementsOfOtherMeasuresAreDropped)
{
    Put(QZ_FOURCC("otBI"), {5, 0}, {1}, 12);
    Put(QZ_FOURCC("otBI"), {5, 1}, {2}, 12);
    Put(QZ_FOURCC("otBI"), {6, 0}, {3}, 12);
    FCSeparatePlacements placements;
    ASSERT_EQ(placements.LoadAllForItem(5), 2);
    FCSeparatePlacement* pOther = new FCSeparatePlacement();
    ASSERT_TRUE(pOther->Load(6, 0));
    placements.InsertItemAt(pOther, 1);
    EXPECT_EQ(placements.KeepOnlyMeasure(5), 2);
    EXPECT_EQ(placements.GetItemAt(1)->_GetField(FCRecordField<int16_t>(0)), 2);
    EXPECT_EQ(placements.KeepOnlyMeasure(6), 0);
}
