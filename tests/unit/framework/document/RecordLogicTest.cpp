#include <gtest/gtest.h>

#include "document/FCArticulationDef.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCKeySignature.h"
#include "document/FCMetatoolAssignment.h"
#include "strings/FCString.h"
#include "document/FCTimeSignature.h"
#include "InMemoryRecord.h"
#include "document/__FCPrefsBase.h"

using Articulation = InMemoryRecord<FCArticulationDef>;

TEST(ArticulationSides, EverySideReadsBackAsWritten)
{
    for (int side = 0; side <= 5; ++side) {
        Articulation art;
        ASSERT_TRUE(art.Prepare());
        art.SetAutoPosSide(static_cast<FCArticulationDef::ARTPOSITIONING_SIDES>(side));
        EXPECT_EQ(art.GetAutoPosSide(), side);
    }
}

TEST(ArticulationSides, SidesWriteTheLowFourBitsOnly)
{
    const uint16_t expected[] = {12, 8, 9, 11, 10};
    for (int side = 1; side <= 5; ++side) {
        Articulation art;
        ASSERT_TRUE(art.Prepare());
        art._SetField(FCRecordField<uint16_t>(0), uint16_t(0xF0F0));
        art.SetAutoPosSide(static_cast<FCArticulationDef::ARTPOSITIONING_SIDES>(side));
        EXPECT_EQ(art._GetField(FCRecordField<uint16_t>(0)), uint16_t(0xF0F0 | expected[side - 1])) << side;
    }
}

TEST(ArticulationSides, ManualClearsOnlyBitThree)
{
    Articulation art;
    ASSERT_TRUE(art.Prepare());
    art.SetAutoPosSide(FCArticulationDef::ARTPOS_ABOVE_ENTRY);
    art.SetAutoPosSide(FCArticulationDef::ARTPOS_MANUAL);
    EXPECT_EQ(art._GetField(FCRecordField<uint16_t>(0)), 1);
    EXPECT_EQ(art.GetAutoPosSide(), FCArticulationDef::ARTPOS_MANUAL);
}

TEST(ArticulationSides, LowBitsAboveFourReadAsManual)
{
    Articulation art;
    ASSERT_TRUE(art.Prepare());
    art._SetField(FCRecordField<uint16_t>(0), uint16_t(0x000D));
    EXPECT_EQ(art.GetAutoPosSide(), FCArticulationDef::ARTPOS_MANUAL);
}

TEST(ArticulationLayouts, SizeAndVersionFollowTheHost)
{
    Articulation art;
    EXPECT_EQ(art.DataSizeLoad(), 60u);
    EXPECT_EQ(art.EnigmaVersion(), qz::kHostVersionUnicode);
    HostVersionScope older(qz::kHostVersion10);
    Articulation old;
    EXPECT_EQ(old.DataSizeLoad(), 48u);
    EXPECT_EQ(old.EnigmaVersion(), qz::kHostVersion0F);
}

TEST(ArticulationSymbols, ShapeHidesTheSymbolAndItsFont)
{
    Articulation art;
    ASSERT_TRUE(art.Prepare());
    art.SetMainSymbolChar(0xE4A0);
    EXPECT_EQ(art.GetMainSymbolChar(), 0xE4A0u);
    art.SetMainIsShape(true);
    EXPECT_EQ(art.GetMainSymbolChar(), 0u);
    EXPECT_EQ(art.CreateMainSymbolFontInfo(), nullptr);
    EXPECT_EQ(art.GetFlippedSymbolChar(), 0u);
}

TEST(ArticulationCompare, ChosenPartsOnly)
{
    Articulation a, b;
    ASSERT_TRUE(a.Prepare());
    ASSERT_TRUE(b.Prepare());
    a.SetMainSymbolChar('>');
    b.SetMainSymbolChar('>');
    b.SetFlippedSymbolChar('<');
    EXPECT_FALSE(a.IsIdenticalTo(&b));
    EXPECT_TRUE(a.IsIdenticalTo(&b, FCArticulationDef::ARTCOMPARE_MAINSYMBOL | FCArticulationDef::ARTCOMPARE_FLAGS));
    b.SetAutoPosSide(FCArticulationDef::ARTPOS_BELOW_ENTRY);
    EXPECT_FALSE(a.IsIdenticalTo(&b, FCArticulationDef::ARTCOMPARE_FLAGS));
    EXPECT_FALSE(a.IsIdenticalTo(nullptr));
}

TEST(PrefsWords, FourByteValuesJoinAndSplitBothWays)
{
    using P = __FCPrefsBase;
    EXPECT_EQ(P::MakePrefsFourbyte(0x0001, int16_t(0x8000), P::PREFMAPCONV_FIRSTWORDHIGH), 0x00018000);
    EXPECT_EQ(P::MakePrefsFourbyte(0x0001, 0x0002, P::PREFMAPCONV_SECONDWORDHIGH), 0x00020001);
    EXPECT_EQ(P::MakePrefsFourbyte(0x0001, 0x0002, P::PREFMAPCONV_NONE), 0);

    int16_t first = 7, second = 7;
    EXPECT_TRUE(P::MakePrefsTwobytes(int32_t(0xFFFE0003), &first, &second, P::PREFMAPCONV_FIRSTWORDHIGH));
    EXPECT_EQ(first, -2);
    EXPECT_EQ(second, 3);
    EXPECT_TRUE(P::MakePrefsTwobytes(int32_t(0xFFFE0003), &first, &second, P::PREFMAPCONV_SECONDWORDHIGH));
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, -2);
    EXPECT_FALSE(P::MakePrefsTwobytes(5, &first, &second, P::PREFMAPCONV_LOWBYTE));
    EXPECT_EQ(first, 3);
}

TEST(PrefsMaps, NamedMapsWithoutKnownRowsAreEmpty)
{
    EXPECT_EQ(_FCStaffNamePosPrefsFull_MAP_ARRAY.count, 3);
    EXPECT_EQ(__FCPrefsBase::_CalcMapExtent(_FCStaffNamePosPrefsFull_MAP_ARRAY), 12u);
    EXPECT_EQ(__FCPrefsBase::_CalcMapExtent(_FCEDTGroupNamePosPrefsFull_MAP_ARRAY), 6u);
    EXPECT_EQ(_FCEDTLyricsPrefs_MAP_ARRAY.count, 0);
    EXPECT_EQ(_FCEDTLyricsPrefs_MAP_ARRAY.rows, nullptr);
}

TEST(MetatoolAssignment, TagFollowsTheKind)
{
    const uint32_t expected[] = {0, 0x6F742664, 0x6F742661, 0x6F742672, 0x6F742666, 0, 0x6F742673, 0};
    for (int kind = 0; kind < 8; ++kind)
        EXPECT_EQ(FCMetatoolAssignment(kind).Tag(), expected[kind]) << kind;
}

TEST(KeySignature, SharpsFlatsAndNames)
{
    FCKeySignature key;
    key.SetKeyValue(0x0002);
    EXPECT_EQ(key.CalcSharps(), 2);
    EXPECT_EQ(key.CalcFlats(), 0);
    FCString name;
    ASSERT_TRUE(key.MakeString(&name));
    EXPECT_STREQ(name.GetCString(), "D major");
    key.SetKeyValue(0x01FD);
    EXPECT_EQ(key.CalcFlats(), 3);
    ASSERT_TRUE(key.MakeString(&name));
    EXPECT_STREQ(name.GetCString(), "c minor");
    key.SetKeyValue(0x0009);
    EXPECT_FALSE(key.IsLinear());
    EXPECT_EQ(key.CalcSharps(), 0);
    EXPECT_FALSE(key.MakeString(&name));
}

TEST(TimeSignature, CompoundBeatIsADottedValue)
{
    FCTimeSignature time;
    time.SetBeats(2);
    time.SetBeatDuration(1536);
    EXPECT_TRUE(time.IsCompoundBeatDuration());
    time.SetBeatDuration(1024);
    EXPECT_FALSE(time.IsCompoundBeatDuration());
    time.SetBeatDuration(1280);
    EXPECT_FALSE(time.IsCompoundBeatDuration());
}

TEST(PrefsWords, TwoByteConversionsOnLoadAndSave)
{
    using P = __FCPrefsBase;
    P::PREFERENCE_LOCATION_MAPRECORD row{};
    row.size = 2;
    row.conversion = P::PREFMAPCONV_INVERT;
    EXPECT_EQ(P::_LoadedWordValue(row, 0), 1);
    EXPECT_EQ(P::_LoadedWordValue(row, 5), 0);
    EXPECT_EQ(P::_SavedWordValue(row, 1, 9), 0);
    EXPECT_EQ(P::_SavedWordValue(row, 0, 9), 1);

    row.conversion = P::PREFMAPCONV_LOWBYTE;
    EXPECT_EQ(P::_LoadedWordValue(row, int16_t(0x7F42)), 0x42);
    /* The high byte of the source word belongs to something else. */
    EXPECT_EQ(P::_SavedWordValue(row, 0x0013, int16_t(0x7F42)), 0x7F13);
    EXPECT_EQ(P::_SavedWordValue(row, int16_t(0x1213), int16_t(0x7F42)), 0x7F13);

    row.conversion = P::PREFMAPCONV_NONE;
    EXPECT_EQ(P::_LoadedWordValue(row, -3), -3);
    EXPECT_EQ(P::_SavedWordValue(row, -3, 44), -3);
}

#include "document/FCClefDef.h"
#include "document/FCGroup.h"
#include "document/FCIndependentCellDetail.h"
#include "document/FCMeasure.h"
#include "document/FCPercussionLayoutNote.h"

TEST(RecordLayouts, TagsSizesAndVersionsFollowTheHost)
{
    struct Expect
    {
        uint32_t host;
        uint32_t noteTag, noteSize, detailTag, detailVersion, measureSize, measureVersion, clefSize, groupVersion;
    };
    const Expect table[] = {
        {qz::kHostVersion10, QZ_FOURCC("O\002Di"), 12, QZ_FOURCC("D\002FL"), qz::kHostVersion0F, 26, 0x0A000000, 18,
         0x09000000},
        {qz::kHostVersionUnicode, QZ_FOURCC("SODi"), 20, QZ_FOURCC("D\002FL"), qz::kHostVersion0F, 26, 0x0A000000, 20,
         qz::kHostVersion19},
        {qz::kHostVersion12, QZ_FOURCC("SODi"), 20, QZ_FOURCC("SDFL"), qz::kHostVersion12, 30, qz::kHostVersion12, 20,
         qz::kHostVersion19},
    };
    for (const Expect& e : table) {
        HostVersionScope host(e.host);
        FCPercussionLayoutNote note;
        FCIndependentCellDetail detail;
        FCMeasure measure;
        FCClefDef clef;
        FCGroup group;
        EXPECT_EQ(note.Tag(), e.noteTag) << std::hex << e.host;
        EXPECT_EQ(note.DataSizeLoad(), e.noteSize) << std::hex << e.host;
        EXPECT_EQ(detail.Tag(), e.detailTag) << std::hex << e.host;
        EXPECT_EQ(detail.EnigmaVersion(), e.detailVersion) << std::hex << e.host;
        EXPECT_EQ(measure.DataSizeLoad(), e.measureSize) << std::hex << e.host;
        EXPECT_EQ(measure.EnigmaVersion(), e.measureVersion) << std::hex << e.host;
        EXPECT_EQ(clef.DataSizeLoad(), e.clefSize) << std::hex << e.host;
        EXPECT_EQ(group.EnigmaVersion(), e.groupVersion) << std::hex << e.host;
    }
}

TEST(RecordLayouts, CloneCopiesTheLayoutInUse)
{
    InMemoryRecord<FCMeasure> source;
    ASSERT_TRUE(source.Prepare());
    source.SetBeats(7);
    FCMeasure copy;
    copy.CloneMemoryFrom(&source);
    EXPECT_EQ(copy.GetLoadedSize(), 30u);
    EXPECT_EQ(copy.GetBeats(), 7);
    FCMeasure empty;
    copy.CloneMemoryFrom(&empty);
    EXPECT_EQ(copy.GetBeats(), 7);
}
