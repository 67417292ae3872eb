/* Staff records and their names through the host, in the three record
   layouts. */
#include <gtest/gtest.h>

#include <memory>

#include "document/FCFretInstrumentDef.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCInstrumentPlaybackData.h"
#include "document/FCPercussionStaff.h"
#include "document/FCStaff.h"
#include "document/FCStaffNamePosition.h"
#include "document/FCStaffStyleDef.h"
#include "document/FCStaves.h"
#include "support/StavesHostFixture.h"

namespace
{
const char* const kFlat = "\xE2\x99\xAD"; /* U+266D as the host spells accidentals */
} // namespace

/* ---- Layouts ---------------------------------------------------------------- */

using StaffLayoutHostTest = StavesProfileHostTest;

TEST_P(StaffLayoutHostTest, LoadsTheWholeRecordOfTheHostsLayout)
{
    const uint32_t expected =
        GetParam() < qz::kHostVersionUnicode ? 114 : (GetParam() < qz::kHostVersion12 ? 132 : 136);
    FCStaff staff;
    ASSERT_TRUE(staff.Load(2));
    EXPECT_EQ(staff.GetLoadedSize(), expected);
    EXPECT_EQ(Record(kStaffTag, 2, 0).size(), expected);
    EXPECT_EQ(staff.GetLineCount(), 5);
    EXPECT_EQ(Utf8(staff.CreateFullNameString()), "Clarinet in B^flat()");
}

TEST_P(StaffLayoutHostTest, SavedFieldsReachTheHostInPlace)
{
    FCStaff staff;
    ASSERT_TRUE(staff.Load(3));
    const std::vector<uint8_t> before = Record(kStaffTag, 3, 0);
    staff.SetLineCount(1);
    {
        Edit edit;
        ASSERT_TRUE(staff.Save());
    }
    const std::vector<uint8_t> after = Record(kStaffTag, 3, 0);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(Word(after, 14), 1);
    EXPECT_EQ(Word(after, 16), 4);
    EXPECT_EQ(Word(after, 30), Word(before, 30));
}

INSTANTIATE_TEST_SUITE_P(Profiles, StaffLayoutHostTest,
                         ::testing::Values(qz::kHostVersion10, qz::kHostVersionUnicode, qz::kHostVersion19));

/* ---- Names ------------------------------------------------------------------- */

using StaffNames = StavesHostTest;

TEST_F(StaffNames, FullAndAbbreviatedNamesAreReadAsStored)
{
    ASSERT_TRUE(H().hostsim_add_staff(7, "^font(Times New Roman)^size(12)Trumpet in C", "Tpt."));
    FCStaff staff;
    ASSERT_TRUE(staff.Load(7));
    EXPECT_EQ(Utf8(staff.CreateFullNameString()), "^font(Times New Roman)^size(12)Trumpet in C");
    EXPECT_EQ(Utf8(staff.CreateTrimmedFullNameString()), "Trumpet in C");
    EXPECT_EQ(Utf8(staff.CreateAbbreviatedNameString()), "Tpt.");
    EXPECT_EQ(Utf8(staff.CreateTrimmedAbbreviatedNameString()), "Tpt.");
}

TEST_F(StaffNames, AStaffWithoutANameReadsAsEmptyText)
{
    FCStaff staff;
    ASSERT_TRUE(staff.Load(6));
    EXPECT_EQ(Utf8(staff.CreateFullNameString()), "");
    EXPECT_EQ(Utf8(staff.CreateAbbreviatedNameString()), "");
}

TEST_F(StaffNames, DisplayNameComesFromTheHostWhenItCanTell)
{
    FCStaff staff;
    ASSERT_TRUE(staff.Load(2));
    EXPECT_EQ(Utf8(staff.CreateDisplayFullNameString()), std::string("Clarinet in B") + kFlat);
    EXPECT_EQ(Calls("FX_AutoNumberedName_UTF16"), 1u);
}

TEST_F(StaffNames, DisplayNameFallsBackToTheStoredNameWithAccidentalsSpelledOut)
{
    H().hostsim_auto_numbered_names(0);
    ASSERT_TRUE(H().hostsim_add_staff(8, "^font(Times)Horn in F^sharp() ^flat()", ""));
    FCStaff clarinet;
    ASSERT_TRUE(clarinet.Load(2));
    EXPECT_EQ(Utf8(clarinet.CreateDisplayFullNameString()), "Clarinet in Bb");
    FCStaff horn;
    ASSERT_TRUE(horn.Load(8));
    EXPECT_EQ(Utf8(horn.CreateDisplayFullNameString()), "Horn in F# b");
}

using OldHostStaffNames = StavesProfileHostTest;

TEST_P(OldHostStaffNames, HostsWithoutNumberedNamesAreNotAsked)
{
    FCStaff staff;
    ASSERT_TRUE(staff.Load(2));
    EXPECT_EQ(Utf8(staff.CreateDisplayFullNameString()), "Clarinet in Bb");
    EXPECT_EQ(Calls("FX_AutoNumberedName_UTF16"), 0u);
}

INSTANTIATE_TEST_SUITE_P(Profiles, OldHostStaffNames, ::testing::Values(qz::kHostVersion10));

TEST_F(StaffNames, ReplacingANameNeedsAnExistingText)
{
    FCString name("Bassoon");
    FCStaff unnamed;
    ASSERT_TRUE(unnamed.Load(6));
    Edit edit;
    EXPECT_FALSE(unnamed.SaveFullNameString(&name));

    FCStaff flute;
    ASSERT_TRUE(flute.Load(1));
    ASSERT_TRUE(flute.SaveFullNameString(&name));
    FCStaff reread;
    ASSERT_TRUE(reread.Load(1));
    EXPECT_EQ(Utf8(reread.CreateFullNameString()), "Bassoon");
}

TEST_F(StaffNames, ANewNameTextIsCreatedAndReferencedButTheStaffIsNotSaved)
{
    FCString name("Contrabassoon");
    FCStaff staff;
    ASSERT_TRUE(staff.Load(6));
    Edit edit;
    ASSERT_TRUE(staff.SaveNewFullNameString(&name));
    EXPECT_EQ(Utf8(staff.CreateFullNameString()), "Contrabassoon");
    EXPECT_EQ(Word(Record(kStaffTag, 6, 0), 30), 0);
    ASSERT_TRUE(staff.Save());
    FCStaff reread;
    ASSERT_TRUE(reread.Load(6));
    EXPECT_EQ(Utf8(reread.CreateFullNameString()), "Contrabassoon");
    EXPECT_EQ(Utf8(reread.CreateAbbreviatedNameString()), "");
}

TEST_F(StaffNames, ARefusedNewTextLeavesTheNameFieldAlone)
{
    H().hostsim_fail("FX_CreateEData", HOSTSIM_FAIL_REFUSE, -1);
    FCString name("Piccolo");
    FCStaff staff;
    ASSERT_TRUE(staff.Load(6));
    Edit edit;
    EXPECT_FALSE(staff.SaveNewAbbreviatedNameString(&name));
    uint16_t block = 0xFFFF;
    std::memcpy(&block, staff._GetAbbrvNamePtr(), sizeof block);
    EXPECT_EQ(block, 0);
}

/* ---- Records the staff refers to ------------------------------------------------ */

using StaffCompanions = StavesHostTest;

TEST_F(StaffCompanions, ANamePositionWithoutRecordIsCreatedWhenTheStaffIsSaved)
{
    FCStaff staff;
    ASSERT_TRUE(staff.Load(1));
    FCStaffNamePosition* pPosition = staff.GetFullNamePosition();
    ASSERT_NE(pPosition, nullptr);
    EXPECT_EQ(staff.GetFullNamePosition(), pPosition);
    EXPECT_FALSE(pPosition->IsAbbreviated());
    EXPECT_TRUE(staff.GetAbbreviatedNamePosition()->IsAbbreviated());
    {
        Edit edit;
        ASSERT_TRUE(staff.Save());
    }
    const int16_t full = Word(Record(kStaffTag, 1, 0), 96);
    const int16_t abbreviated = Word(Record(kStaffTag, 1, 0), 100);
    EXPECT_NE(full, 0);
    EXPECT_NE(abbreviated, 0);
    EXPECT_NE(full, abbreviated);
    EXPECT_EQ(Record(QZ_FOURCC("otNS"), full, 0).size(), 12u);
}

TEST_F(StaffCompanions, AStoredNamePositionIsReadUnderItsSuffixAndSavedInPlace)
{
    PutRecord(QZ_FOURCC("otXY"), 3, 12, 0);
    PatchWord(QZ_FOURCC("otXY"), 3, 10, 0x8005);
    PatchWord(kStaffTag, 2, 94, 0x5859);
    PatchWord(kStaffTag, 2, 96, 3);
    FCStaff staff;
    ASSERT_TRUE(staff.Load(2));
    FCStaffNamePosition* pPosition = staff.GetFullNamePosition();
    EXPECT_EQ(pPosition->GetItemNo(), 3);
    EXPECT_EQ(pPosition->GetPositionFlags(), 0x8005);
    pPosition->SetPositionFlags(0x0007);
    {
        Edit edit;
        ASSERT_TRUE(staff.Save());
    }
    EXPECT_EQ(Word(Record(QZ_FOURCC("otXY"), 3, 0), 10), 7);
    EXPECT_EQ(Word(Record(kStaffTag, 2, 0), 96), 3);
}

TEST_F(StaffCompanions, AFailedNamePositionStopsTheStaffSave)
{
    FCStaff staff;
    ASSERT_TRUE(staff.Load(4));
    staff.SetLineCount(1);
    staff.GetAbbreviatedNamePosition();
    H().hostsim_fail("FX_CreateEData", HOSTSIM_FAIL_REFUSE, 1);
    Edit edit;
    EXPECT_FALSE(staff.Save());
    EXPECT_EQ(Word(Record(kStaffTag, 4, 0), 16), 5);
    EXPECT_EQ(Word(Record(kStaffTag, 4, 0), 100), 0);
}

TEST_F(StaffCompanions, PercussionRecordOnlyForThePercussionStyle)
{
    PutRecord(QZ_FOURCC("otAB"), 5, 12, 7);
    PatchWord(kStaffTag, 3, 90, 0x4142);
    PatchWord(kStaffTag, 3, 92, 5);
    FCStaff staff;
    ASSERT_TRUE(staff.Load(3));
    EXPECT_EQ(staff.CreatePercussionStaff(), nullptr);
    EXPECT_EQ(staff.CalcPercussionLayoutID(), -1);
    PatchWord(kStaffTag, 3, 10, 0x2000);
    ASSERT_TRUE(staff.Load(3));
    std::unique_ptr<FCPercussionStaff> percussion(staff.CreatePercussionStaff());
    ASSERT_NE(percussion, nullptr);
    EXPECT_EQ(percussion->Tag(), QZ_FOURCC("otAB"));
    EXPECT_EQ(staff.CalcPercussionLayoutID(), 7);
}

TEST_F(StaffCompanions, FretAndPlaybackRecordsAreFoundByTheirNumbers)
{
    FCStaff staff;
    ASSERT_TRUE(staff.Load(1));
    EXPECT_EQ(staff.CreateFretInstrumentDef(), nullptr);
    EXPECT_EQ(staff.CreateInstrumentPlaybackData(), nullptr);
    PutRecord(QZ_FOURCC("O\tfI"), 2, 108, 1);
    PutRecord(QZ_FOURCC("O\004PL"), 4, 48, 1);
    PatchWord(kStaffTag, 1, 46, 2);
    PatchWord(kStaffTag, 1, 84, 4);
    ASSERT_TRUE(staff.Load(1));
    std::unique_ptr<FCFretInstrumentDef> fret(staff.CreateFretInstrumentDef());
    std::unique_ptr<FCInstrumentPlaybackData> playback(staff.CreateInstrumentPlaybackData());
    ASSERT_NE(fret, nullptr);
    ASSERT_NE(playback, nullptr);
    EXPECT_EQ(fret->GetItemNo(), 2);
    EXPECT_EQ(playback->GetItemNo(), 4);
}

/* ---- All staves --------------------------------------------------------------- */

using StaffCollection = StavesHostTest;

TEST_F(StaffCollection, LoadAllListsEveryStaffInNumberOrder)
{
    FCStaves staves;
    ASSERT_EQ(staves.LoadAll(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(staves.GetItemAt(i)->GetItemNo(), i + 1);
    EXPECT_EQ(staves.LoadAll(), 6);
}

TEST_F(StaffCollection, LoadFirstFindsTheFirstExistingStaffWhateverItsNumber)
{
    int16_t key[3] = {1, 0, 0};
    ASSERT_TRUE(H().hostsim_delete_record(kStaffTag, key));
    FCStaff staff;
    ASSERT_TRUE(staff.LoadFirst());
    EXPECT_EQ(staff.GetItemNo(), 2);
}

TEST_F(StaffCollection, AppendAndDeleteAStaff)
{
    FCStaves staves;
    Edit edit;
    const uint16_t added = staves.Append();
    ASSERT_EQ(added, 7);
    EXPECT_EQ(staves.GetCount(), 0);
    EXPECT_FALSE(Record(kStaffTag, 7, 0).empty());
    EXPECT_TRUE(staves.Delete(added));
    EXPECT_TRUE(Record(kStaffTag, 7, 0).empty());
    EXPECT_FALSE(staves.Delete(added));
}

TEST_F(StaffCollection, AppendReportsARefusalAsZero)
{
    H().hostsim_fail("FX_CreateEData", HOSTSIM_FAIL_REFUSE, 1);
    FCStaves staves;
    Edit edit;
    EXPECT_EQ(staves.Append(), 0);
}

/* ---- Staff styles ---------------------------------------------------------------- */

using StaffStyles = StavesHostTest;

TEST_F(StaffStyles, AStyleExistsOnlyWithItsCompanionRecord)
{
    std::vector<uint8_t> style(296, 0);
    style[16] = 3; /* three lines */
    int16_t key1[3] = {1, 0, 0};
    int16_t key2[3] = {2, 0, 0};
    uint8_t companion[12] = {};
    ASSERT_TRUE(H().hostsim_put_other(FCStaffStyleDef::kTag, key1, style.data(), 296));
    ASSERT_TRUE(H().hostsim_put_other(FCStaffStyleDef::kTag, key2, style.data(), 296));
    ASSERT_TRUE(H().hostsim_put_other(FCStaffStyleDef::kCompanionTag, key1, companion, 12));

    FCStaffStyleDef def;
    ASSERT_TRUE(def.LoadFirst());
    EXPECT_EQ(def.GetItemNo(), 1);
    EXPECT_EQ(def.GetLineCount(), 3);
    EXPECT_FALSE(def.LoadNext());
    FCStaffStyleDef second;
    EXPECT_FALSE(second.Load(2));
}
