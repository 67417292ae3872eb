// Frame members: cleaning a frame before the host gets it back, and the
// count of loaded frames.
#include <cstring>
#include <vector>

#include "hostlink/BridgeData.h"
#include "common/qz_host_versions.h"
#include "hostlink/ByteField.h"
#include "hostlink/CleanTGF.h"
#include "EngineFixture.h"

using fxhost::GetField;
using fxhost::SetField;
using hostlinktest::Engine;

namespace
{

using hostlinktest::kVersion;

// A frame with its own entry array; every byte of the entries starts as 0xCC.
class TestFrame
{
public:
    explicit TestFrame(int entryCount) : _entries(static_cast<std::size_t>(entryCount) * FX_TGF_ENTRY_SIZE, 0xCC)
    {
        std::memset(&_frame, 0, sizeof _frame);
        SetField<unsigned char*>(_frame.bytes, FX_TGF_ENTRIES_OFFSET, _entries.data());
        SetField<int16_t>(_frame.bytes, FX_TGF_ENTRY_COUNT_OFFSET, static_cast<int16_t>(entryCount));
    }

    EXTGF2005a* Frame() { return &_frame; }
    unsigned char* Entry(int e) { return _entries.data() + static_cast<std::size_t>(e) * FX_TGF_ENTRY_SIZE; }
    unsigned char* Slot(int e, int n) { return Entry(e) + FX_ENTRY_NOTES_OFFSET + n * FX_NOTE_SLOT_SIZE; }

    void SetNotes(int e, const std::vector<int16_t>& ids)
    {
        SetField<int16_t>(Entry(e), FX_ENTRY_NOTE_COUNT_OFFSET, static_cast<int16_t>(ids.size()));
        for (std::size_t n = 0; n < ids.size(); ++n)
            SetField<int16_t>(Slot(e, static_cast<int>(n)), FX_NOTE_ID_OFFSET, ids[n]);
    }

    int16_t NoteCount(int e) { return GetField<int16_t>(Entry(e), FX_ENTRY_NOTE_COUNT_OFFSET); }
    int16_t Id(int e, int n) { return GetField<int16_t>(Slot(e, n), FX_NOTE_ID_OFFSET); }
    uint32_t Flags(int e, int n) { return GetField<uint32_t>(Slot(e, n), FX_NOTE_FLAGS_OFFSET); }

private:
    EXTGF2005a _frame;
    std::vector<unsigned char> _entries;
};

bool SlotIsClear(TestFrame& frame, int e, int n)
{
    const unsigned char* slot = frame.Slot(e, n);
    for (int i = 0; i < FX_NOTE_SLOT_SIZE; ++i) {
        if (slot[i] != 0)
            return false;
    }
    return true;
}

class CleanTGFTest : public ::testing::Test
{
protected:
    void SetUp() override { CanAddNoteRecordToRests = 1; }
};

TEST_F(CleanTGFTest, ZeroAndRepeatedNoteIdsGetFreshIds)
{
    TestFrame frame(1);
    frame.SetNotes(0, {0, 3, 3});
    fxhost::CleanTGF(frame.Frame());
    EXPECT_EQ(frame.Id(0, 0), 4);
    EXPECT_EQ(frame.Id(0, 1), 5);
    EXPECT_EQ(frame.Id(0, 2), 3);
}

TEST_F(CleanTGFTest, UniqueIdsAreKept)
{
    TestFrame frame(1);
    frame.SetNotes(0, {7, 2, 9});
    fxhost::CleanTGF(frame.Frame());
    EXPECT_EQ(frame.Id(0, 0), 7);
    EXPECT_EQ(frame.Id(0, 1), 2);
    EXPECT_EQ(frame.Id(0, 2), 9);
}

TEST_F(CleanTGFTest, FlagWordCarriesTheLowBitsOfTheId)
{
    TestFrame frame(1);
    frame.SetNotes(0, {37, 0x40});
    fxhost::CleanTGF(frame.Frame());
    EXPECT_EQ(frame.Flags(0, 0), (0xCCCCCCCC & ~0x001F0000u) | (5u << 16));
    EXPECT_EQ(frame.Flags(0, 1), 0xCCCCCCCC & ~0x001F0000u);
}

TEST_F(CleanTGFTest, UnusedSlotsAreClearedAndUsedHostDataKept)
{
    TestFrame frame(2);
    frame.SetNotes(0, {1, 2});
    frame.SetNotes(1, {1});
    fxhost::CleanTGF(frame.Frame());
    for (int e = 0; e < 2; ++e) {
        for (int n = frame.NoteCount(e); n < FX_ENTRY_MAX_NOTES; ++n)
            EXPECT_TRUE(SlotIsClear(frame, e, n)) << "entry " << e << " slot " << n;
    }
    EXPECT_EQ(frame.Slot(0, 1)[0], 0xCC);
    const int slotsEnd = FX_ENTRY_NOTES_OFFSET + FX_ENTRY_MAX_NOTES * FX_NOTE_SLOT_SIZE;
    EXPECT_EQ(frame.Entry(1)[slotsEnd - 1], 0);
    EXPECT_EQ(frame.Entry(1)[slotsEnd], 0xCC); // the bytes after the slots are not the bridge's
}

TEST_F(CleanTGFTest, EntryWithoutNotesGetsOneRestNote)
{
    TestFrame frame(1);
    frame.SetNotes(0, {});
    frame.Entry(0)[FX_ENTRY_FLAGS_OFFSET] = 0x80;
    fxhost::CleanTGF(frame.Frame());
    EXPECT_EQ(frame.NoteCount(0), 1);
    EXPECT_EQ(frame.Flags(0, 0), 0x80000000u);
    EXPECT_EQ(frame.Id(0, 0), 0);
    EXPECT_EQ(frame.Entry(0)[FX_ENTRY_FLAGS_OFFSET], 0x81);
}

TEST_F(CleanTGFTest, NoRestNoteWhenSwitchedOff)
{
    CanAddNoteRecordToRests = 0;
    TestFrame frame(1);
    frame.SetNotes(0, {});
    fxhost::CleanTGF(frame.Frame());
    EXPECT_EQ(frame.NoteCount(0), 0);
    EXPECT_TRUE(SlotIsClear(frame, 0, 0));
    EXPECT_EQ(frame.Entry(0)[FX_ENTRY_FLAGS_OFFSET], 0xCC);
}

TEST_F(CleanTGFTest, EntryWithImpossibleNoteCountIsLeftAlone)
{
    TestFrame frame(1);
    SetField<int16_t>(frame.Entry(0), FX_ENTRY_NOTE_COUNT_OFFSET, 13);
    const std::vector<unsigned char> before(frame.Entry(0), frame.Entry(0) + FX_TGF_ENTRY_SIZE);
    fxhost::CleanTGF(frame.Frame());
    EXPECT_EQ(std::memcmp(before.data(), frame.Entry(0), FX_TGF_ENTRY_SIZE), 0);
}

TEST_F(CleanTGFTest, FrameWithoutEntriesIsLeftAlone)
{
    EXTGF2005a frame;
    std::memset(&frame, 0, sizeof frame);
    SetField<int16_t>(frame.bytes, FX_TGF_ENTRY_COUNT_OFFSET, 3);
    fxhost::CleanTGF(&frame); // a null entry array must not be followed
    fxhost::CleanTGF(nullptr);
    EXPECT_EQ(GetField<int16_t>(frame.bytes, FX_TGF_ENTRY_COUNT_OFFSET), 3);
}

class FrameMemberTest : public hostlinktest::EngineTest
{};

TEST_F(FrameMemberTest, SavingInsertingAndDeletingHandTheHostACleanFrame)
{
    using FrameCall = fxbool (*)(EXTGF2005a*);
    const FrameCall calls[] = {
        [](EXTGF2005a* f) { return FX_SaveTGF(f, kVersion); },
        [](EXTGF2005a* f) { return FX_InsertEXENTRY(f, 0, 1, kVersion); },
        [](EXTGF2005a* f) { return FX_DeleteEXENTRY(f, 0, 1, kVersion); },
    };
    for (const FrameCall call : calls) {
        TestFrame frame(1);
        frame.SetNotes(0, {0, 3, 3});
        EXPECT_EQ(call(frame.Frame()), 1);
        int16_t seen[12] = {};
        ASSERT_EQ(Engine().seen_note_ids(seen, 12), 3);
        EXPECT_EQ(seen[0], 4);
        EXPECT_EQ(seen[1], 5);
        EXPECT_EQ(seen[2], 3);
    }
}

TEST_F(FrameMemberTest, LoadedFrameCounterReturnsToItsStart)
{
    const int32_t start = LoadedTGFCounter;
    TestFrame a(0);
    TestFrame b(0);
    FX_LoadTGF(a.Frame(), 1, 1, 0, kVersion);
    FX_LoadTGF(b.Frame(), 1, 2, 0, kVersion);
    EXPECT_EQ(LoadedTGFCounter, start + 2);
    FX_FreeTGF(a.Frame(), kVersion);
    FX_FreeTGF(b.Frame(), kVersion);
    EXPECT_EQ(LoadedTGFCounter, start);
    EXPECT_EQ(Engine().calls("FX_LoadTGF"), 2);
    EXPECT_EQ(Engine().calls("FX_FreeTGF"), 2);
}

TEST(FrameMemberWithoutEngine, CounterMovesWhenTheHostFunctionIsMissing)
{
    EXPECT_IN_FRESH_PROCESS(([] {
        TestFrame frame(0);
        const int32_t start = LoadedTGFCounter;
        const bool refused = FX_LoadTGF(frame.Frame(), 1, 1, 0, kVersion) == 0;
        const bool counted = LoadedTGFCounter == start + 1;
        FX_FreeTGF(frame.Frame(), kVersion);
        return refused && counted && LoadedTGFCounter == start;
    }()));
}

} // namespace
