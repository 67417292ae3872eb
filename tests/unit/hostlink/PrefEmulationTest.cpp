// Preference records served from the host's 12-byte 'ot' records.
#include <array>
#include <cstring>
#include <string>

#include "hostlink/ByteField.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "EngineFixture.h"
#include "hostlink/PrefMapArrays.h"

using fxhost::GetField;
using fxhost::SetField;
using hostlinktest::Engine;

namespace
{

using hostlinktest::kVersion;
constexpr uint32_t kFretInstrumentTag = QZ_FOURCC("O\tfI");
const uint32_t kPageFormat = QZ_FOURCC("pfPF");
const uint32_t kMiscDoc = QZ_FOURCC("pfMS");

using Words = std::array<uint16_t, 6>;

class PrefEmulationTest : public hostlinktest::EngineTest
{
protected:
    static void Put(const char (&tag)[5], int16_t incident, const Words& words)
    {
        Engine().put_record(QZ_FOURCC(tag), -2, incident, words.data());
    }

    static Words Stored(const char (&tag)[5], int16_t incident = 0, int16_t item = -2)
    {
        Words words{};
        Engine().get_record(QZ_FOURCC(tag), item, incident, words.data());
        return words;
    }

    static int OtherRecordSaves()
    {
        int saves = 0;
        for (const char* source : {"ot14", "ot15", "ot39", "ot16", "ot02", "ot17", "ot01", "ot13", "ot03"})
            saves += Engine().saves_of(hostlinktest::TagOf(source));
        return saves;
    }

    // Seeds every source record of the score page format with distinct words.
    static void SeedPageFormatSources()
    {
        uint16_t next = 0x0101;
        for (const char* source : {"ot14", "ot15", "ot39", "ot16", "ot02", "ot17", "ot01", "ot13", "ot03"}) {
            Words words{};
            for (uint16_t& w : words)
                w = next++;
            Engine().put_record(hostlinktest::TagOf(source), -2, 0, words.data());
        }
    }

    // Offset of the field that the named map array takes from this source word.
    static std::size_t OffsetOf(uint32_t tag, const char* suffix, int word)
    {
        const fxhost::PrefMapArray* map = fxhost::FindMapArray(tag, 0);
        for (std::size_t i = 0; map != nullptr && i < map->rowCount; ++i) {
            const fxhost::PrefMapRow& row = map->rows[i];
            if (std::string(row.suffix, 2) == suffix && row.sourceWord == word && row.item == 0)
                return static_cast<std::size_t>(row.destination);
        }
        ADD_FAILURE() << "no field for " << suffix << " word " << word;
        return 0;
    }

    const int16_t _scoreKey[3] = {0, 0, 0};
};

TEST_F(PrefEmulationTest, SizeQueryOfAMappedRecordAsksNoHost)
{
    uint32_t size = 0;
    EXPECT_EQ(FX_LoadEData(QZ_FOURCC("pfPL"), _scoreKey, nullptr, &size, kVersion), 1);
    EXPECT_EQ(size, 14u);
    EXPECT_EQ(FX_LoadEData(QZ_FOURCC("pfPL"), _scoreKey, nullptr, nullptr, kVersion), 0);
    EXPECT_EQ(Engine().calls("FX_LoadEData"), 0);
}

TEST_F(PrefEmulationTest, SizeQueryOfABlockRecordAsksNoHost)
{
    uint32_t size = 0;
    EXPECT_EQ(FX_LoadEData(QZ_FOURCC("pfGG"), _scoreKey, nullptr, &size, kVersion), 1);
    EXPECT_EQ(size, 132u);
    EXPECT_EQ(Engine().calls("FX_LoadEData"), 0);
}

TEST_F(PrefEmulationTest, BlockRecordWithItemRangeTakesTheItemsIncident)
{
    Put("ot40", 0, {1, 2, 3, 4, 5, 6});
    Put("ot40", 127, {7, 8, 9, 10, 11, 12});
    Words buffer{};
    uint32_t size = 12;
    const int16_t first[3] = {1, 0, 0};
    EXPECT_EQ(FX_LoadEData(QZ_FOURCC("pfSN"), first, buffer.data(), &size, kVersion), 1);
    EXPECT_EQ(buffer, (Words{1, 2, 3, 4, 5, 6}));

    const int16_t last[3] = {128, 0, 0};
    EXPECT_EQ(FX_LoadEData(QZ_FOURCC("pfSN"), last, buffer.data(), &size, kVersion), 1);
    EXPECT_EQ(buffer, (Words{7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(Engine().last_version(), kVersion);
}

TEST_F(PrefEmulationTest, BlockRecordOutsideItsItemRangeIsRefused)
{
    Words buffer{};
    buffer.fill(0xEEEE);
    uint32_t size = 12;
    for (int16_t item : {int16_t(129), int16_t(0), int16_t(-1)}) {
        const int16_t key[3] = {item, 0, 0};
        EXPECT_EQ(FX_LoadEData(QZ_FOURCC("pfSN"), key, buffer.data(), &size, kVersion), 0) << item;
        EXPECT_EQ(FX_SaveEData(QZ_FOURCC("pfSN"), key, buffer.data(), size, kVersion), 0) << item;
    }
    EXPECT_EQ(buffer[0], 0xEEEE);
    EXPECT_EQ(Engine().calls("FX_LoadEData") + Engine().calls("FX_SaveEData"), 0);
}

TEST_F(PrefEmulationTest, BlockRecordIsARunOfWholeRecords)
{
    Put("ot77", 0, {1, 1, 1, 1, 1, 1});
    Put("ot77", 3, {4, 4, 4, 4, 4, 4});
    std::array<uint16_t, 24> buffer{};
    buffer.fill(0xEEEE);
    uint32_t size = 48;
    const int16_t item1[3] = {1, 0, 0};
    ASSERT_EQ(FX_LoadEData(kPageFormat, item1, buffer.data(), &size, kVersion), 1);
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[6], 0); // incidents 1 and 2 are absent: they read as zero
    EXPECT_EQ(buffer[18], 4);

    size = 47;
    EXPECT_EQ(FX_LoadEData(kPageFormat, item1, buffer.data(), &size, kVersion), 0);
    const int16_t item2[3] = {2, 0, 0};
    EXPECT_EQ(FX_LoadEData(kPageFormat, item2, buffer.data(), &size, kVersion), 0);
}

TEST_F(PrefEmulationTest, BlockSaveWritesEachSliceToItsIncident)
{
    const Words record{9, 8, 7, 6, 5, 4};
    const int16_t key[3] = {3, 0, 0};
    EXPECT_EQ(FX_SaveEData(QZ_FOURCC("pfSN"), key, record.data(), 11, kVersion), 0);
    EXPECT_EQ(Engine().saves_of(QZ_FOURCC("ot40")), 0);
    EXPECT_EQ(FX_SaveEData(QZ_FOURCC("pfSN"), key, record.data(), 12, kVersion), 1);
    EXPECT_EQ(Stored("ot40", 2), record);
}

TEST_F(PrefEmulationTest, MapRecordIsAssembledFromItsSourceWords)
{
    SeedPageFormatSources(); // ot14 holds 0x0101..0x0106, ot15 0x0107..0x010C, ...
    std::array<unsigned char, 48> buffer{};
    uint32_t size = 100;
    ASSERT_EQ(FX_LoadEData(kPageFormat, _scoreKey, buffer.data(), &size, kVersion), 1);
    EXPECT_EQ(size, 48u);
    EXPECT_EQ(GetField<uint32_t>(buffer.data(), 0), 0x01010102u); // ot14 words 0 and 1, high first
    EXPECT_EQ(GetField<uint32_t>(buffer.data(), 4), 0x0109010Au); // ot15 words 2 and 3
    EXPECT_EQ(GetField<uint16_t>(buffer.data(), 30), Stored("ot17")[3]);
    EXPECT_EQ(GetField<uint16_t>(buffer.data(), 32), Stored("ot17")[2]);
    EXPECT_EQ(GetField<uint16_t>(buffer.data(), 42), Stored("ot02")[5]);
    EXPECT_EQ(Engine().calls("FX_LoadEData"), 9); // each source record once
}

TEST_F(PrefEmulationTest, ConversionsOnLoad)
{
    Put("ot50", 0, {0x1111, 0, 0xABCD, 0, 0, 0});
    std::array<unsigned char, 104> buffer{};
    uint32_t size = 104;
    ASSERT_EQ(FX_LoadEData(kMiscDoc, _scoreKey, buffer.data(), &size, kVersion), 1);
    EXPECT_EQ(GetField<uint16_t>(buffer.data(), OffsetOf(kMiscDoc, "50", 0)), 0x1111);
    EXPECT_EQ(GetField<uint16_t>(buffer.data(), OffsetOf(kMiscDoc, "50", 1)), 1);    // negated
    EXPECT_EQ(GetField<uint16_t>(buffer.data(), OffsetOf(kMiscDoc, "50", 2)), 0xCD); // low byte
}

TEST_F(PrefEmulationTest, SavingUnchangedValuesWritesNoSourceRecord)
{
    SeedPageFormatSources();
    std::array<unsigned char, 48> buffer{};
    uint32_t size = 48;
    ASSERT_EQ(FX_LoadEData(kPageFormat, _scoreKey, buffer.data(), &size, kVersion), 1);
    EXPECT_EQ(FX_SaveEData(kPageFormat, _scoreKey, buffer.data(), 48, kVersion), 1);
    EXPECT_EQ(OtherRecordSaves(), 0);
}

TEST_F(PrefEmulationTest, SavingAChangedFieldWritesOnlyItsSourceRecord)
{
    SeedPageFormatSources();
    const Words before = Stored("ot02");
    std::array<unsigned char, 48> buffer{};
    uint32_t size = 48;
    ASSERT_EQ(FX_LoadEData(kPageFormat, _scoreKey, buffer.data(), &size, kVersion), 1);
    SetField<uint16_t>(buffer.data(), 36, 0x7777); // ot02 word 4
    SetField<uint32_t>(buffer.data(), 0, 0x00050006);

    EXPECT_EQ(FX_SaveEData(kPageFormat, _scoreKey, buffer.data(), 48, kVersion), 1);
    EXPECT_EQ(Engine().saves_of(QZ_FOURCC("ot02")), 1);
    EXPECT_EQ(Engine().saves_of(QZ_FOURCC("ot14")), 1);
    EXPECT_EQ(OtherRecordSaves(), 2);
    Words expected = before;
    expected[4] = 0x7777;
    EXPECT_EQ(Stored("ot02"), expected);
    EXPECT_EQ(Stored("ot14")[0], 5);
    EXPECT_EQ(Stored("ot14")[1], 6);
}

TEST_F(PrefEmulationTest, LoadIntoABufferSmallerThanTheRecordIsRefused)
{
    SeedPageFormatSources();
    std::array<unsigned char, 48> buffer{};
    buffer.fill(0xAB);
    uint32_t size = 47;
    EXPECT_EQ(FX_LoadEData(kPageFormat, _scoreKey, buffer.data(), &size, kVersion), 0);
    EXPECT_EQ(size, 47u);
    for (unsigned char byte : buffer)
        ASSERT_EQ(byte, 0xAB);
    EXPECT_EQ(Engine().calls("FX_LoadEData"), 0);
}

TEST_F(PrefEmulationTest, SaveFromABufferSmallerThanTheRecordIsRefused)
{
    SeedPageFormatSources();
    std::array<unsigned char, 48> buffer{};
    // Two bytes per row would be 44 bytes; two of the rows are four bytes wide.
    EXPECT_EQ(FX_SaveEData(kPageFormat, _scoreKey, buffer.data(), 44, kVersion), 0);
    EXPECT_EQ(FX_SaveEData(kPageFormat, _scoreKey, nullptr, 48, kVersion), 0);
    EXPECT_EQ(Engine().calls("FX_LoadEData") + Engine().calls("FX_SaveEData"), 0);
}

TEST_F(PrefEmulationTest, MissingSourceRecordReadsAsZeroNotAsTheWordsBeforeIt)
{
    Put("ot14", 0, {0x1111, 0x2222, 0x3333, 0x4444, 0x5555, 0x6666}); // ot15 is absent
    std::array<unsigned char, 48> buffer{};
    buffer.fill(0xEE);
    uint32_t size = 48;
    ASSERT_EQ(FX_LoadEData(kPageFormat, _scoreKey, buffer.data(), &size, kVersion), 1);
    EXPECT_EQ(GetField<uint32_t>(buffer.data(), 0), 0x11112222u);
    EXPECT_EQ(GetField<uint32_t>(buffer.data(), 4), 0u);
}

TEST_F(PrefEmulationTest, SaveCreatesASourceRecordThatDoesNotLoadYet)
{
    Put("ot14", 0, {1, 2, 3, 4, 5, 6}); // ot15 is absent
    std::array<unsigned char, 48> buffer{};
    SetField<uint32_t>(buffer.data(), 0, 0x00090009);
    SetField<uint32_t>(buffer.data(), 4, 0x00080008);
    EXPECT_EQ(FX_SaveEData(kPageFormat, _scoreKey, buffer.data(), 48, kVersion), 1);
    EXPECT_EQ(Engine().saves_of(QZ_FOURCC("ot14")), 1);
    EXPECT_EQ(Stored("ot14"), (Words{9, 9, 3, 4, 5, 6}));
    EXPECT_EQ(Engine().saves_of(QZ_FOURCC("ot15")), 1);
    EXPECT_EQ(Stored("ot15"), (Words{0, 0, 8, 8, 0, 0}));

    std::array<unsigned char, 48> reread{};
    uint32_t size = 48;
    ASSERT_EQ(FX_LoadEData(kPageFormat, _scoreKey, reread.data(), &size, kVersion), 1);
    EXPECT_EQ(GetField<uint32_t>(reread.data(), 4), 0x00080008u);
}

TEST_F(PrefEmulationTest, AnAbsentSourceRecordWhoseFieldsStayZeroIsNotCreated)
{
    std::array<unsigned char, 48> buffer{};
    EXPECT_EQ(FX_SaveEData(kPageFormat, _scoreKey, buffer.data(), 48, kVersion), 1);
    EXPECT_EQ(OtherRecordSaves(), 0);
}

TEST_F(PrefEmulationTest, ARefusedSourceRecordSaveFailsTheWholeSave)
{
    Put("ot14", 0, {1, 2, 3, 4, 5, 6});
    Engine().refuse_saves_of(QZ_FOURCC("ot15"));
    std::array<unsigned char, 48> buffer{};
    SetField<uint32_t>(buffer.data(), 0, 0x00090009);
    SetField<uint32_t>(buffer.data(), 4, 0x00080008);
    EXPECT_EQ(FX_SaveEData(kPageFormat, _scoreKey, buffer.data(), 48, kVersion), 0);
    EXPECT_EQ(Engine().saves_of(QZ_FOURCC("ot15")), 1);

    // A refusal of a record that exists already fails the save as well.
    Put("ot15", 0, {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(FX_SaveEData(kPageFormat, _scoreKey, buffer.data(), 48, kVersion), 0);
    EXPECT_EQ(Stored("ot15"), (Words{0, 0, 0, 0, 0, 0}));
}

TEST_F(PrefEmulationTest, LowByteFieldKeepsTheHighByteOfItsWord)
{
    Put("ot50", 0, {0, 0, 0x1234, 0, 0, 0});
    std::array<unsigned char, 104> buffer{};
    uint32_t size = 104;
    ASSERT_EQ(FX_LoadEData(kMiscDoc, _scoreKey, buffer.data(), &size, kVersion), 1);
    const std::size_t offset = OffsetOf(kMiscDoc, "50", 2);

    EXPECT_EQ(FX_SaveEData(kMiscDoc, _scoreKey, buffer.data(), 104, kVersion), 1);
    EXPECT_EQ(Engine().saves_of(QZ_FOURCC("ot50")), 0);

    SetField<uint16_t>(buffer.data(), offset, 0x0056);
    EXPECT_EQ(FX_SaveEData(kMiscDoc, _scoreKey, buffer.data(), 104, kVersion), 1);
    EXPECT_EQ(Stored("ot50")[2], 0x1256);
}

TEST_F(PrefEmulationTest, NegatedFlagIsWrittenOnlyWhenItsMeaningChanges)
{
    Put("ot50", 0, {0, 5, 0, 0, 0, 0}); // word 1 = 5: the flag reads as 0
    std::array<unsigned char, 104> buffer{};
    uint32_t size = 104;
    ASSERT_EQ(FX_LoadEData(kMiscDoc, _scoreKey, buffer.data(), &size, kVersion), 1);
    const std::size_t offset = OffsetOf(kMiscDoc, "50", 1);
    ASSERT_EQ(GetField<uint16_t>(buffer.data(), offset), 0);

    EXPECT_EQ(FX_SaveEData(kMiscDoc, _scoreKey, buffer.data(), 104, kVersion), 1);
    EXPECT_EQ(Engine().saves_of(QZ_FOURCC("ot50")), 0);
    EXPECT_EQ(Stored("ot50")[1], 5);

    SetField<uint16_t>(buffer.data(), offset, 1);
    EXPECT_EQ(FX_SaveEData(kMiscDoc, _scoreKey, buffer.data(), 104, kVersion), 1);
    EXPECT_EQ(Stored("ot50")[1], 0);
}

TEST_F(PrefEmulationTest, SaveWithAnOldInterfaceVersionGoesToTheHostUnchanged)
{
    std::array<unsigned char, 14> buffer{};
    FX_SaveEData(QZ_FOURCC("pfPL"), _scoreKey, buffer.data(), 14, 0x07FFFFFF);
    EXPECT_EQ(Engine().saves_of(QZ_FOURCC("pfPL")), 1);
    EXPECT_EQ(Engine().last_version(), 0x07FFFFFFu);
}

TEST_F(PrefEmulationTest, OtherTagsGoToTheHostUnchanged)
{
    Put("ot13", 4, {1, 2, 3, 4, 5, 6});
    Words buffer{};
    uint32_t size = 12;
    const int16_t key[3] = {-2, 4, 0};
    EXPECT_EQ(FX_LoadEData(QZ_FOURCC("ot13"), key, buffer.data(), &size, qz::kHostVersion0F), 1);
    EXPECT_EQ(buffer, (Words{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Engine().last_version(), qz::kHostVersion0F);
}

TEST_F(PrefEmulationTest, FretInstrumentRefusedByTheHostIsRefused)
{
    Engine().set_fret_answer(0x11, 0); // the host writes but says no
    EDTFretInstrument record;
    uint32_t size = sizeof record;
    const int16_t key[3] = {1, 0, 0};
    EXPECT_EQ(FX_LoadEData(kFretInstrumentTag, key, &record, &size, kVersion), 0);
    EXPECT_EQ(Engine().calls("FX_LoadEData"), 1);
}

TEST_F(PrefEmulationTest, FretInstrumentAcceptedByTheHostIsLoaded)
{
    Engine().set_fret_answer(0x22, 1);
    EDTFretInstrument record;
    std::memset(&record, 0, sizeof record);
    uint32_t size = sizeof record;
    const int16_t key[3] = {1, 0, 0};
    EXPECT_EQ(FX_LoadEData(kFretInstrumentTag, key, &record, &size, kVersion), 1);
    EXPECT_EQ(record.bytes[0], 0x22);
    EXPECT_EQ(record.bytes[107], 0x22);
}

TEST_F(PrefEmulationTest, FretInstrumentIntoASmallBufferIsReportedAndRefused)
{
    std::array<unsigned char, 120> buffer{};
    buffer.fill(0xEE);
    uint32_t size = 100;
    const int16_t key[3] = {1, 0, 0};
    testing::internal::CaptureStderr();
    EXPECT_EQ(FX_LoadEData(kFretInstrumentTag, key, buffer.data(), &size, kVersion), 0);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("*size >= sizeof(EDTFretInstrument)"), std::string::npos);
    EXPECT_NE(log.find("FX_LoadEData"), std::string::npos);
    EXPECT_EQ(buffer[0], 0xEE);
    EXPECT_EQ(buffer[100], 0xEE);
    EXPECT_EQ(Engine().calls("FX_LoadEData"), 0);
}

TEST(PrefEmulationWithoutEngine, FretInstrumentWithoutHostIsAClearedRefusal)
{
    EXPECT_IN_FRESH_PROCESS(([] {
        EDTFretInstrument record;
        std::memset(&record, 0x33, sizeof record);
        uint32_t size = sizeof record;
        const int16_t key[3] = {1, 0, 0};
        return FX_LoadEData(kFretInstrumentTag, key, &record, &size, kVersion) == 0 && record.bytes[0] == 0 &&
               record.bytes[107] == 0;
    }()));
}

} // namespace
