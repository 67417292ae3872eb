#include <gtest/gtest.h>

#include "DataHostFixture.h"
#include "common/qz_fourcc.h"
#include "document/FCGeneralPrefs.h"
#include "document/FCStaffNamePositionPrefs.h"

namespace
{
constexpr uint32_t kFullSource = QZ_FOURCC("ot04");
constexpr uint32_t kAbbrvSource = QZ_FOURCC("ot66");

/* A preference class of the name-position tag whose structure is too small
   for the name-position map. */
class ShortNamePositionPrefs : public __FCPrefsBase
{
    FCRECORD_CLASS_MEMBERS(6)
};
FCRECORD_CLASS_DEFINE(ShortNamePositionPrefs, 0, QZ_FOURCC("pfSp"))
} // namespace

using PrefsFragments = DataHostTest;

TEST_F(PrefsFragments, RowsFromOneSourceLoadItOnce)
{
    Put(kFullSource, {-2, 0}, {11, 22, 33, 44, 55, int16_t(0x8105)});
    Host()->hostsim_clear_call_log();
    FCStaffNamePositionPrefs prefs;
    ASSERT_TRUE(prefs.Load(0));
    EXPECT_EQ(Calls("FX_LoadEData", kFullSource), 1);
    EXPECT_EQ(prefs._GetField(FCRecordField<int16_t>(0)), 11);
    EXPECT_EQ(prefs._GetField(FCRecordField<int16_t>(2)), 22);
    EXPECT_EQ(prefs.GetPositionFlags(), 0x8105);
    EXPECT_EQ(prefs.GetLoadedSize(), 12u);
}

TEST_F(PrefsFragments, AbbreviatedNamesComeFromTheirOwnSource)
{
    Put(kFullSource, {-2, 0}, {1, 2, 3, 4, 5, 6});
    Put(kAbbrvSource, {-2, 0}, {7, 8, 9, 10, 11, 12});
    FCStaffNamePositionPrefs prefs;
    ASSERT_TRUE(prefs.Load(1));
    EXPECT_EQ(prefs._GetField(FCRecordField<int16_t>(0)), 7);
    EXPECT_EQ(prefs.GetPositionFlags(), 12);
}

TEST_F(PrefsFragments, AMissingSourceReadsAsZerosNotAsThePreviousRecord)
{
    Put(kFullSource, {-2, 0}, {1, 2, 3, 4, 5, 6});
    FCStaffNamePositionPrefs prefs;
    ASSERT_TRUE(prefs.Load(0));
    ASSERT_TRUE(prefs.Load(1));
    EXPECT_EQ(prefs._GetField(FCRecordField<int16_t>(0)), 0);
    EXPECT_EQ(prefs._GetField(FCRecordField<int16_t>(2)), 0);
    EXPECT_EQ(prefs.GetPositionFlags(), 0);
}

TEST_F(PrefsFragments, SaveWritesChangedWordsAndKeepsTheOthers)
{
    Put(kFullSource, {-2, 0}, {1, 2, 3, 4, 5, 6});
    FCStaffNamePositionPrefs prefs;
    ASSERT_TRUE(prefs.Load(0));
    prefs.SetPositionFlags(0x0042);
    ASSERT_TRUE(prefs.Save());
    EXPECT_EQ(StoredWords(kFullSource, {-2, 0}), (std::vector<int16_t>{1, 2, 3, 4, 5, 0x42}));
}

TEST_F(PrefsFragments, UnchangedValuesAreNotWritten)
{
    Put(kFullSource, {-2, 0}, {1, 2, 3, 4, 5, 6});
    FCStaffNamePositionPrefs prefs;
    ASSERT_TRUE(prefs.Load(0));
    Host()->hostsim_clear_call_log();
    EXPECT_TRUE(prefs.Save());
    EXPECT_EQ(Calls("FX_SaveEData"), 0);
}

TEST_F(PrefsFragments, NeverLoadedIsNotSaved)
{
    FCStaffNamePositionPrefs prefs;
    Host()->hostsim_clear_call_log();
    EXPECT_FALSE(prefs.Save());
    EXPECT_FALSE(prefs.Reload());
    EXPECT_EQ(Host()->hostsim_call_log_count(), 0u);
}

TEST_F(PrefsFragments, AStructureSmallerThanTheMapIsRefused)
{
    Put(kFullSource, {-2, 0}, {1, 2, 3, 4, 5, 6});
    ShortNamePositionPrefs prefs;
    Host()->hostsim_clear_call_log();
    EXPECT_FALSE(prefs.Load(0));
    EXPECT_FALSE(prefs.IsLoaded());
    EXPECT_EQ(Calls("FX_LoadEData"), 0);
}

TEST_F(PrefsFragments, PreferencesWithoutAMapAreOrdinaryRecords)
{
    std::vector<int16_t> words(33, 0);
    words[0] = 3;
    Put(QZ_FOURCC("pfgp"), {1, 0}, words);
    FCGeneralPrefs prefs;
    ASSERT_TRUE(prefs.Load(1));
    EXPECT_EQ(prefs.GetMeasurementUnit(), 3);
    prefs.SetMeasurementUnit(4);
    ASSERT_TRUE(prefs.Save());
    EXPECT_EQ(StoredWords(QZ_FOURCC("pfgp"), {1, 0})[0], 4);
    EXPECT_EQ(prefs.EnigmaVersion(), 0x0D000000u);
}

/* A preference record served from source records the document has never
   stored: the save creates them, and a refused write fails the save. */
TEST_F(PrefsFragments, AMappedSaveCreatesSourceRecordsTheDocumentLacks)
{
    constexpr uint32_t kRepeatPrefs = 0x70665250;  /* 'pfRP' */
    constexpr uint32_t kSecondSource = 0x6F743735; /* 'ot75', holds offset 8 */
    const int16_t key[3] = {0, 0, 0};
    std::vector<int16_t> record(20, 0); /* offset 8 is word 4 */
    uint32_t size = 40;
    ASSERT_TRUE(FX_LoadEData(kRepeatPrefs, key, record.data(), &size, 0x19000000));
    ASSERT_TRUE(StoredWords(kSecondSource, {-2, 0}).empty());

    record[4] = 99;
    EXPECT_TRUE(FX_SaveEData(kRepeatPrefs, key, record.data(), size, 0x19000000));
    std::vector<int16_t> reread(20, -1);
    ASSERT_TRUE(FX_LoadEData(kRepeatPrefs, key, reread.data(), &size, 0x19000000));
    EXPECT_EQ(reread, record);

    record[4] = 42;
    const int16_t sourceKey[4] = {-2, 0, 0, 0};
    Host()->hostsim_fail_record("FX_SaveEData", kSecondSource, sourceKey, 1);
    EXPECT_FALSE(FX_SaveEData(kRepeatPrefs, key, record.data(), size, 0x19000000));
    ASSERT_TRUE(FX_LoadEData(kRepeatPrefs, key, reread.data(), &size, 0x19000000));
    EXPECT_EQ(reread[4], 99);
}
