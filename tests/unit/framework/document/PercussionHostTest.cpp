#include <gtest/gtest.h>

#include <memory>

#include "DataHostFixture.h"
#include "common/qz_fourcc.h"
#include "document/FCEndingRepeat.h"
#include "document/FCInstrumentDef.h"
#include "document/FCPercussionLayoutNote.h"
#include "document/FCPercussionLayoutNotesLookup.h"
#include "document/FCPercussionStaff.h"
#include "document/FCStaff.h"
#include "document/FCStaffList.h"
#include "strings/FCNumbers.h"

namespace
{
constexpr uint32_t kStaffTag = QZ_FOURCC("SOIS");
constexpr uint32_t kPlaybackTag = QZ_FOURCC("O\004PL");
constexpr uint32_t kInstrumentDefTag = QZ_FOURCC("otOC");
constexpr uint32_t kNewPercussionTag = QZ_FOURCC("otDS");
constexpr uint32_t kLayoutNoteTag = QZ_FOURCC("SODi");
constexpr uint32_t kStaffListTag = QZ_FOURCC("otDC");
constexpr uint32_t kStaffListTextTag = QZ_FOURCC("osDc");
constexpr uint32_t kEndingTag = QZ_FOURCC("SOES");
constexpr int16_t kPlaybackItem = 9;

template <class T>
void SetWord(FCStaff& staff, uint32_t offset, T value)
{
    staff._SetField(FCRecordField<T>(offset), value);
}
} // namespace

/* Staff 1 plays layer 1 with instrument definition 5 and layer 2 with 6;
   layer 3 names a definition that does not exist. */
class PercussionLayouts : public DataHostTest
{
protected:
    void SetUp() override
    {
        DataHostTest::SetUp();
        std::vector<int16_t> playback(24, 0);
        playback[0] = 4;
        playback[6] = 5;
        playback[12] = 40;
        playback[18] = -1;
        Put(kPlaybackTag, {kPlaybackItem, 0}, playback);
        Put(kInstrumentDefTag, {5, 0}, {1, 2, 3, 0, 0, 6});
        Put(kInstrumentDefTag, {6, 0}, {0, 0, 0, 11, 0, 0});
        ASSERT_TRUE(staff.Load(1));
        SetWord<uint16_t>(staff, 84, kPlaybackItem);
    }
    FCStaff staff;
};

TEST_F(PercussionLayouts, EachLayerFindsTheDefinitionAfterItsFirstValue)
{
    std::unique_ptr<FCInstrumentDef> pFirst(staff.CreateLayerInstrumentDef(1));
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->GetItemNo(), 5);
    std::unique_ptr<FCInstrumentDef> pSecond(staff.CreateLayerInstrumentDef(2));
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(pSecond->GetNoteType(), 11);
    EXPECT_EQ(staff.CreateLayerInstrumentDef(3), nullptr);
    EXPECT_EQ(staff.CreateLayerInstrumentDef(4), nullptr);
    EXPECT_EQ(staff.CreateLayerInstrumentDef(0), nullptr);
    EXPECT_EQ(staff.CreateLayerInstrumentDef(5), nullptr);
}

TEST_F(PercussionLayouts, AStaffWithoutPercussionDataGetsANewRecord)
{
    SetWord<uint16_t>(staff, 10, 0x0200);
    const std::vector<int16_t> storedStaff = StoredWords(kStaffTag, {1, 0});
    ASSERT_TRUE(staff.SavePercussionLayout(12, 42));

    EXPECT_EQ(staff.GetNotationStyle(), 1);
    EXPECT_EQ(staff._GetField(FCRecordField<uint16_t>(90)), 0x4453);
    const int16_t record = staff._GetField(FCRecordField<int16_t>(92));
    ASSERT_GT(record, 0);
    EXPECT_EQ(StoredWords(kNewPercussionTag, {record, 0}).at(0), 12);
    EXPECT_EQ(staff.CalcPercussionLayoutID(), 12);
    /* Both existing layer definitions take the note type, keeping the rest. */
    EXPECT_EQ(StoredWords(kInstrumentDefTag, {5, 0}), (std::vector<int16_t>{1, 2, 3, 42, 0, 6}));
    EXPECT_EQ(StoredWords(kInstrumentDefTag, {6, 0}).at(3), 42);
    /* The staff record itself is left for the caller to save. */
    EXPECT_EQ(StoredWords(kStaffTag, {1, 0}), storedStaff);
}

TEST_F(PercussionLayouts, AnExistingPercussionRecordIsRewrittenInPlace)
{
    SetWord<uint16_t>(staff, 10, 0x2000);
    SetWord<uint16_t>(staff, 90, 0x4453);
    SetWord<uint16_t>(staff, 92, 3);
    Put(kNewPercussionTag, {3, 0}, {7, 0, 0, 0, 0, 0});
    Host()->hostsim_clear_call_log();

    ASSERT_TRUE(staff.SavePercussionLayout(9, 1));
    EXPECT_EQ(StoredWords(kNewPercussionTag, {3, 0}).at(0), 9);
    EXPECT_EQ(Calls("FX_CreateEData"), 0);
    EXPECT_EQ(staff._GetField(FCRecordField<uint16_t>(92)), 3);
}

TEST_F(PercussionLayouts, UnstorableArgumentsWriteNothing)
{
    Host()->hostsim_clear_call_log();
    EXPECT_FALSE(staff.SavePercussionLayout(0, 1));
    EXPECT_FALSE(staff.SavePercussionLayout(5, -1));
    EXPECT_FALSE(staff.SavePercussionLayout(40000, 1));
    EXPECT_FALSE(staff.SavePercussionLayout(5, 70000));
    EXPECT_EQ(Calls("FX_CreateEData") + Calls("FX_SaveEData"), 0);
    EXPECT_EQ(staff.GetNotationStyle(), 0);
}

TEST_F(PercussionLayouts, TheLookupLoadsEachLayoutOnce)
{
    Put(kLayoutNoteTag, {7, 0}, {35, 2}, 20);
    Put(kLayoutNoteTag, {7, 1}, {38, -4}, 20);
    Host()->hostsim_clear_call_log();
    FCPercussionLayoutNotesLookup lookup;
    FCPercussionLayoutNote* pSnare = lookup.FindPercussionLayoutRawNote(7, 38);
    ASSERT_NE(pSnare, nullptr);
    EXPECT_EQ(pSnare->GetStaffPosition(), -4);
    const int loads = Calls("FX_LoadEData", kLayoutNoteTag);
    EXPECT_EQ(lookup.FindPercussionLayoutRawNote(7, 35)->GetStaffPosition(), 2);
    EXPECT_EQ(lookup.FindPercussionLayoutRawNote(7, 36), nullptr);
    EXPECT_EQ(Calls("FX_LoadEData", kLayoutNoteTag), loads);
    EXPECT_EQ(lookup.GetPercussionLayoutNotes(8), nullptr);
    EXPECT_EQ(lookup.GetPercussionLayoutNotes(0), nullptr);
}

/* Variable-size records through the host. */
using VariableRecords = DataHostTest;

TEST_F(VariableRecords, AStaffListGrownInMemorySavesAndLoadsWhole)
{
    FCStaffList list;
    for (int staff = 1; staff <= 8; ++staff)
        list.AddElement(staff);
    ASSERT_TRUE(list.SaveNew());
    const int16_t item = static_cast<int16_t>(list.GetItemNo());
    EXPECT_EQ(StoredWords(kStaffListTag, {item, 0}).size(), 12u);

    FCStaffList loaded;
    ASSERT_TRUE(loaded.Load(static_cast<uint16_t>(item)));
    EXPECT_EQ(loaded.GetCount(), 8);
    EXPECT_EQ(loaded.GetElement(7), 8);
    ASSERT_TRUE(loaded.RemoveElement(1));
    ASSERT_TRUE(loaded.RemoveElement(2));
    ASSERT_TRUE(loaded.Save());
    EXPECT_EQ(StoredWords(kStaffListTag, {item, 0}), (std::vector<int16_t>{3, 4, 5, 6, 7, 8}));
}

TEST_F(VariableRecords, AStaffListNameIsTheTextOfItsItem)
{
    FCStaffList list;
    list.AddElement(2);
    ASSERT_TRUE(list.SaveNew());
    FCString name;
    name.SetCString("Strings");
    ASSERT_TRUE(list.SaveTextString(&name));
    EXPECT_FALSE(StoredWords(kStaffListTextTag, {static_cast<int16_t>(list.GetItemNo()), 0}).empty());
    std::unique_ptr<FCString> pBack(list.CreateTextString());
    ASSERT_NE(pBack, nullptr);
    EXPECT_STREQ(pBack->GetCString(), "Strings");
    FCStaffList other;
    EXPECT_EQ(other.CreateTextString(), nullptr);
}

TEST_F(VariableRecords, AnEndingWithManyPassesLoadsThemAll)
{
    std::vector<int16_t> words(6, 0);
    for (int16_t pass = 1; pass <= 9; ++pass)
        words.push_back(pass);
    Put(kEndingTag, {4, 0}, words);
    FCEndingRepeat ending;
    ASSERT_TRUE(ending.Load(4));
    FCNumbers passes;
    EXPECT_EQ(ending.GetPassNumbers(&passes), 9);
    EXPECT_EQ(passes.GetItemAt(8)->GetInt(), 9);
}
