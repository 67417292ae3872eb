#include <gtest/gtest.h>

#include <memory>

#include "document/FCEnclosure.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCEndingRepeat.h"
#include "document/FCGuide.h"
#include "document/FCInstrumentPlaybackData.h"
#include "document/FCLayerPlaybackData.h"
#include "document/FCMeasureNumberRegion.h"
#include "strings/FCNumbers.h"
#include "document/FCPercussionNoteType.h"
#include "document/FCShapeExpressionDef.h"
#include "document/FCStaffList.h"
#include "strings/FCString.h"
#include "InMemoryRecord.h"

namespace
{
std::vector<int> Staves(const FCStaffList& list)
{
    std::vector<int> staves;
    for (int i = 0; i < list.GetCount(); ++i)
        staves.push_back(list.GetElement(i));
    return staves;
}

std::vector<int> Passes(const FCEndingRepeat& ending)
{
    FCNumbers numbers;
    ending.GetPassNumbers(&numbers);
    std::vector<int> passes;
    for (int i = 0; i < numbers.GetCount(); ++i)
        passes.push_back(numbers.GetItemAt(i)->GetInt());
    return passes;
}

FCNumbers* NumbersOf(std::initializer_list<int> values)
{
    FCNumbers* pNumbers = new FCNumbers();
    for (int value : values)
        pNumbers->AddInt(value);
    return pNumbers;
}
} // namespace

TEST(StaffListEntries, GrowsByWholePiecesAsStavesAreAdded)
{
    FCStaffList list;
    for (int staff = 1; staff <= 6; ++staff)
        ASSERT_TRUE(list.AddElement(staff * 10));
    EXPECT_EQ(list.GetLoadedSize(), 12u);
    ASSERT_TRUE(list.AddElement(70));
    EXPECT_EQ(list.GetLoadedSize(), 24u);
    EXPECT_EQ(Staves(list), (std::vector<int>{10, 20, 30, 40, 50, 60, 70}));
}

TEST(StaffListEntries, RejectsDuplicatesAndImpossibleStaffNumbers)
{
    FCStaffList list;
    ASSERT_TRUE(list.AddElement(3));
    EXPECT_FALSE(list.AddElement(3));
    EXPECT_FALSE(list.AddElement(0));
    EXPECT_FALSE(list.AddElement(-2));
    EXPECT_FALSE(list.AddElement(40000));
    EXPECT_EQ(Staves(list), (std::vector<int>{3}));
}

TEST(StaffListEntries, RemovingClosesTheGapAndDropsAnEmptiedPiece)
{
    FCStaffList list;
    for (int staff = 1; staff <= 7; ++staff)
        list.AddElement(staff);
    ASSERT_TRUE(list.RemoveElement(2));
    EXPECT_EQ(Staves(list), (std::vector<int>{1, 3, 4, 5, 6, 7}));
    EXPECT_EQ(list.GetLoadedSize(), 12u);
    EXPECT_FALSE(list.RemoveElement(2));
    for (int staff : {1, 3, 4, 5, 6, 7})
        ASSERT_TRUE(list.RemoveElement(staff));
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetLoadedSize(), 12u);
    EXPECT_EQ(list.GetElement(0), 0);
}

TEST(StaffListEntries, ACustomTagReplacesTheDefault)
{
    FCStaffList list;
    EXPECT_EQ(list.Tag(), QZ_FOURCC("otDC"));
    list.SetCustomTag(QZ_FOURCC("otDC") + 1);
    EXPECT_EQ(list.Tag(), QZ_FOURCC("otDD"));
    EXPECT_EQ(list.GetClassID(), 92);
}

TEST(EndingPasses, ReadBackAsWrittenInAtLeastTwentyFourBytes)
{
    FCEndingRepeat ending;
    std::unique_ptr<FCNumbers> pPasses(NumbersOf({1, 3}));
    ASSERT_TRUE(ending.SetPassNumbers(pPasses.get()));
    EXPECT_EQ(ending.GetLoadedSize(), 24u);
    EXPECT_EQ(Passes(ending), (std::vector<int>{1, 3}));
}

TEST(EndingPasses, ManyPassesGrowTheRecordAndFewerShrinkIt)
{
    FCEndingRepeat ending;
    std::unique_ptr<FCNumbers> pMany(NumbersOf({1, 2, 3, 4, 5, 6, 7, 8}));
    ASSERT_TRUE(ending.SetPassNumbers(pMany.get()));
    EXPECT_EQ(ending.GetLoadedSize(), 28u);
    EXPECT_EQ(Passes(ending).size(), 8u);
    std::unique_ptr<FCNumbers> pFew(NumbersOf({2}));
    ASSERT_TRUE(ending.SetPassNumbers(pFew.get()));
    EXPECT_EQ(ending.GetLoadedSize(), 24u);
    EXPECT_EQ(Passes(ending), (std::vector<int>{2}));
}

TEST(EndingPasses, TheHeadSurvivesAndUnstorablePassesAreSkipped)
{
    FCEndingRepeat ending;
    std::unique_ptr<FCNumbers> pFirst(NumbersOf({1}));
    ending.SetPassNumbers(pFirst.get());
    ending.SetShowMode(2);
    std::unique_ptr<FCNumbers> pOdd(NumbersOf({0, 4, -1, 70000, 5}));
    ASSERT_TRUE(ending.SetPassNumbers(pOdd.get()));
    EXPECT_EQ(ending.GetShowMode(), 2);
    EXPECT_EQ(Passes(ending), (std::vector<int>{4, 5}));
    EXPECT_FALSE(ending.SetPassNumbers(nullptr));
    EXPECT_EQ(ending.GetPassNumbers(nullptr), 0);
}

TEST(ShapeDescriptions, PadToWholePiecesInEitherTextForm)
{
    for (uint32_t version : {qz::kHostVersion19, qz::kHostVersion10}) {
        HostVersionScope scope(version);
        FCShapeExpressionDef shape;
        FCString text;
        text.SetCString("crescendo hairpin");
        shape.SetDescription(&text);
        EXPECT_EQ(shape.GetLoadedSize() % 12, 0u);
        EXPECT_GE(shape.GetLoadedSize(), 12u + (qz::IsUnicodeHost(version) ? 36u : 18u));
        std::unique_ptr<FCString> pBack(shape.CreateDescription());
        EXPECT_STREQ(pBack->GetCString(), "crescendo hairpin") << std::hex << version;
    }
}

TEST(ShapeDescriptions, AShorterDescriptionLeavesNoTail)
{
    FCShapeExpressionDef shape;
    FCString text;
    text.SetCString("a long description text");
    shape.SetDescription(&text);
    text.SetCString("short");
    shape.SetDescription(&text);
    FCString back;
    shape.GetDescription(&back);
    EXPECT_STREQ(back.GetCString(), "short");
}

TEST(LayerPlayback, EachLayerReadsItsOwnTwelveBytes)
{
    InMemoryRecord<FCInstrumentPlaybackData> playback;
    ASSERT_TRUE(playback.Prepare());
    for (int layer = 1; layer <= 4; ++layer) {
        FCLayerPlaybackData data;
        data.SetValue(0, int16_t(layer * 10));
        data.SetValue(5, int16_t(-layer));
        ASSERT_TRUE(playback.SetNoteLayerData(layer, &data));
    }
    for (int layer = 1; layer <= 4; ++layer) {
        FCLayerPlaybackData* pData = playback.GetNoteLayerData(layer);
        ASSERT_NE(pData, nullptr);
        EXPECT_EQ(pData->GetValue(0), layer * 10);
        EXPECT_EQ(pData->GetValue(5), -layer);
        EXPECT_EQ(pData->GetInstrumentDefNumber(), layer * 10 + 1);
    }
    EXPECT_EQ(playback._GetField(FCRecordField<int16_t>(36)), 40);
}

TEST(LayerPlayback, OnlyLayersOneToFourOfALoadedRecord)
{
    FCInstrumentPlaybackData unloaded;
    EXPECT_EQ(unloaded.GetNoteLayerData(1), nullptr);
    InMemoryRecord<FCInstrumentPlaybackData> playback;
    ASSERT_TRUE(playback.Prepare());
    FCLayerPlaybackData data;
    EXPECT_EQ(playback.GetNoteLayerData(0), nullptr);
    EXPECT_EQ(playback.GetNoteLayerData(5), nullptr);
    EXPECT_FALSE(playback.SetNoteLayerData(5, &data));
    EXPECT_FALSE(playback.SetNoteLayerData(1, nullptr));
    data.SetValue(6, 9);
    EXPECT_EQ(data.GetValue(6), 0);
}

TEST(ValueLists, NoteTypesStayUniqueAndGuidesAreFoundByPosition)
{
    FCPercussionNoteTypes types;
    FCPercussionNoteType* pFirst = types.AddUniqueNoteType(35);
    EXPECT_EQ(types.AddUniqueNoteType(35), pFirst);
    types.AddUniqueNoteType(38);
    EXPECT_EQ(types.GetCount(), 2);
    EXPECT_EQ(types.FindNoteTypeID(38)->GetNoteTypeID(), 38);
    EXPECT_EQ(types.FindNoteTypeID(1), nullptr);

    FCGuides guides;
    guides.AddGuide(288);
    guides.AddGuide(-144);
    ASSERT_NE(guides.FindPosition(-144), nullptr);
    EXPECT_EQ(guides.FindPosition(-144), guides.GetItemAt(1));
    EXPECT_EQ(guides.FindPosition(0), nullptr);
}

TEST(MeasureNumberPlacement, ScoreAndPartsKeepTheirOwnPositions)
{
    for (uint32_t version : {qz::kHostVersion0F, qz::kHostVersion19}) {
        HostVersionScope scope(version);
        FCMeasureNumberRegion region;
        region.PrepareNew();
        FCString prefix;
        prefix.SetCString("Bar ");
        region.SetPrefix(&prefix);
        region.SetHorizontalPosition(-36, false);
        region.SetHorizontalPosition(12, true);
        region.SetVerticalPosition(48, true);
        EXPECT_EQ(region.GetHorizontalPosition(false), -36);
        EXPECT_EQ(region.GetHorizontalPosition(true), 12);
        EXPECT_EQ(region.GetVerticalPosition(false), 0);
        FCString back;
        region.GetPrefix(&back);
        EXPECT_STREQ(back.GetCString(), "Bar ") << std::hex << version;
    }
}

TEST(MeasureNumberPlacement, OldRecordsShareOneBlockInsideTheRecord)
{
    HostVersionScope scope(0x0A000000u);
    FCMeasureNumberRegion region;
    region.PrepareNew();
    region.SetHorizontalPosition(20, false);
    EXPECT_EQ(region.GetHorizontalPosition(true), 20);
    region.SetVerticalPosition(-8, true);
    EXPECT_EQ(region.GetVerticalPosition(false), -8);
    region.SetUseEnclosure(true, true);
    std::unique_ptr<FCEnclosure> pShared(region.CreateEnclosure(false));
    EXPECT_NE(pShared, nullptr);
    EXPECT_EQ(region.GetLoadedSize(), 88u);
}

TEST(MeasureNumberPlacement, AnEnclosureIsCopiedOnlyWhenTheNumbersAreEnclosed)
{
    FCMeasureNumberRegion region;
    region.PrepareNew();
    EXPECT_EQ(region.CreateEnclosure(true), nullptr);
    FCEnclosure frame;
    EXPECT_FALSE(region.SetEnclosure(&frame, true));
    frame.PrepareNew();
    frame._SetField(FCRecordField<int16_t>(10), int16_t(0x0123));
    ASSERT_TRUE(region.SetEnclosure(&frame, true));
    EXPECT_TRUE(region.GetUseEnclosure(true));
    EXPECT_FALSE(region.GetUseEnclosure(false));
    std::unique_ptr<FCEnclosure> pCopy(region.CreateEnclosure(true));
    ASSERT_NE(pCopy, nullptr);
    EXPECT_EQ(pCopy->_GetField(FCRecordField<int16_t>(10)), 0x0123);
    region.SetUseEnclosure(false, true);
    EXPECT_EQ(region.CreateEnclosure(true), nullptr);
}
