#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "RecordsHostFixture.h"
#include "common/qz_fourcc.h"
#include "TestRecords.h"

/* Load, reload, save, save as new, delete and step, per key family, against
   the simulated host's test document. */

using NoInciOtherAccess = RecordsHostTest;

TEST_F(NoInciOtherAccess, LoadFirstLoadsItemOneAndLoadNextStepsToTheEnd)
{
    PutRecord(kOtherTag, {2, 0}, Words({20}));
    PutRecord(kOtherTag, {1, 0}, Words({10}));
    PutRecord(kOtherTag, {5, 0}, Words({50}));

    TestOther record;
    ASSERT_TRUE(record.LoadFirst());
    EXPECT_EQ(record.GetItemNo(), 1);
    EXPECT_EQ(record.GetWord0(), 10);
    EXPECT_EQ(record.GetLoadedSize(), 12u);
    EXPECT_EQ(record.GetConnectedDocID(), CurrentDocument());

    std::vector<int> seen;
    while (record.LoadNext())
        seen.push_back(record.GetItemNo() * 100 + record.GetWord0());
    EXPECT_EQ(seen, (std::vector<int>{220, 550}));
}

TEST_F(NoInciOtherAccess, ReloadOfANeverLoadedObjectIsRefusedWithoutAHostCall)
{
    TestOther record;
    const size_t callsBefore = CallCount();
    EXPECT_FALSE(record.Reload());
    EXPECT_FALSE(record.Save());
    EXPECT_FALSE(record.SaveNew());
    EXPECT_FALSE(record.SaveAs(3));
    EXPECT_EQ(CallCount(), callsBefore);
}

TEST_F(NoInciOtherAccess, SaveAndReloadRoundTripTheBytes)
{
    PutRecord(kOtherTag, {3, 0}, Words({1, 2, 3}));
    TestOther record;
    ASSERT_TRUE(record.Load(3));
    record.SetWord2(-77);
    ASSERT_TRUE(record.Save());
    EXPECT_EQ(StoredWords(kOtherTag, {3, 0}), Words({1, -77, 3}));

    record.SetWord2(0);
    ASSERT_TRUE(record.Reload());
    EXPECT_EQ(record.GetWord2(), -77);
}

TEST_F(NoInciOtherAccess, AFailedLoadLeavesTheObjectUnloaded)
{
    PutRecord(kOtherTag, {1, 0}, Words({1}));
    TestOther record;
    ASSERT_TRUE(record.Load(1));
    EXPECT_FALSE(record.Load(40));
    EXPECT_FALSE(record.IsLoaded());
    EXPECT_FALSE(record.Reload());
}

TEST_F(NoInciOtherAccess, SaveAsWritesUnderTheNewItem)
{
    PutRecord(kOtherTag, {3, 0}, Words({4, 5}));
    TestOther record;
    ASSERT_TRUE(record.Load(3));
    ASSERT_TRUE(record.SaveAs(9));
    EXPECT_EQ(record.GetItemNo(), 9);
    EXPECT_EQ(StoredWords(kOtherTag, {9, 0}), Words({4, 5}));
    EXPECT_EQ(StoredWords(kOtherTag, {3, 0}), Words({4, 5}));
}

TEST_F(NoInciOtherAccess, SaveNewTakesTheHostsNumberAndLeavesIncidentZero)
{
    PutRecord(kOtherTag, {4, 0}, Words({8}));
    TestOther record;
    record.Prepare(31);
    ASSERT_TRUE(record.SaveNew());
    EXPECT_EQ(record.GetItemNo(), 5);
    EXPECT_EQ(record._GetKeyPart(1), 0);
    EXPECT_EQ(StoredWords(kOtherTag, {5, 0}), Words({31}));

    /* The new key is usable for a plain save right away. */
    record.SetWord0(32);
    ASSERT_TRUE(record.Save());
    EXPECT_EQ(StoredWords(kOtherTag, {5, 0}), Words({32}));
}

TEST_F(NoInciOtherAccess, RefusedSaveNewKeepsTheKey)
{
    TestOther record;
    record.Prepare(1);
    record._SetKey(6, 0);
    FailNext("FX_CreateEData");
    EXPECT_FALSE(record.SaveNew());
    EXPECT_EQ(record.GetItemNo(), 6);
    EXPECT_EQ(record._GetKeyPart(1), 0);
}

TEST_F(NoInciOtherAccess, DeleteRemovesTheRecordOnce)
{
    PutRecord(kOtherTag, {2, 0}, Words({1}));
    TestOther record;
    ASSERT_TRUE(record.Load(2));
    EXPECT_TRUE(record.DeepDeleteData());
    EXPECT_FALSE(RecordExists(kOtherTag, {2, 0}));
    EXPECT_FALSE(record.DeleteData());
}

TEST_F(NoInciOtherAccess, DocumentConnectionFollowsTheLastLoad)
{
    PutRecord(kOtherTag, {1, 0}, Words({1}));
    TestOther record;
    EXPECT_TRUE(record.VerifyConnectedDocID());
    ASSERT_TRUE(record.Load(1));
    EXPECT_TRUE(record.VerifyConnectedDocID());
    const int16_t first = CurrentDocument();
    SwitchToNewDocument();
    EXPECT_FALSE(record.VerifyConnectedDocID());
    SwitchToDocument(first);
    EXPECT_TRUE(record.VerifyConnectedDocID());
}

using LoadBuffer = RecordsHostTest;

TEST_F(LoadBuffer, ALargerStoredRecordLoadsOnlyTheOfferedBytes)
{
    constexpr uint32_t kLooseTag = QZ_FOURCC("qzBB"); /* no fixed size on the host */
    PutRecord(kLooseTag, {1, 0}, Words({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 30));
    TestRecord<__FCInciOther, kLooseTag, 12> record;
    ASSERT_TRUE(record.Load(1, 0));
    EXPECT_EQ(record.GetLoadedSize(), 12u);
    EXPECT_EQ(record._GetDataCapacity(), 12u);
    EXPECT_EQ(record.GetLong4(), 3 | (4 << 16));
    IgnoreViolations(); /* the short buffer is reported by the strict host */
}

TEST_F(LoadBuffer, ASmallerCopiedBufferIsReplacedBeforeLoading)
{
    PutRecord(kIncidentTag, {2, 0}, Words({1, 2, 3, 4, 5, 6}));
    TestRecord<__FCInciOther, kIncidentTag, 4> small;
    small.Prepare(9);
    TestInciOther record;
    record.CloneMemoryFrom(&small);
    ASSERT_EQ(record._GetDataCapacity(), 4u);

    ASSERT_TRUE(record.Load(2, 0));
    EXPECT_EQ(record.GetLoadedSize(), 12u);
    EXPECT_GE(record._GetDataCapacity(), 12u);
    EXPECT_EQ(record._GetField(FCRecordField<int16_t>(10)), 6);
}

using InciOtherAccess = RecordsHostTest;

TEST_F(InciOtherAccess, LoadsByItemAndIncidentAndIsNotIterated)
{
    PutRecord(kIncidentTag, {7, 0}, Words({70}));
    PutRecord(kIncidentTag, {7, 1}, Words({71}));
    TestInciOther record;
    EXPECT_FALSE(record.LoadFirst());
    ASSERT_TRUE(record.Load(7, 1));
    EXPECT_EQ(record.GetWord0(), 71);
    record.SetWord0(0);
    ASSERT_TRUE(record.Reload());
    EXPECT_EQ(record.GetWord0(), 71);
    EXPECT_EQ(record.GetItemInci(), 1);
}

TEST_F(InciOtherAccess, SaveNewAppendsAnIncidentToTheItem)
{
    PutRecord(kIncidentTag, {7, 0}, Words({70}));
    PutRecord(kIncidentTag, {7, 1}, Words({71}));
    TestInciOther record;
    record.Prepare(72);
    ASSERT_TRUE(record.SaveNew(7));
    EXPECT_EQ(record.GetItemNo(), 7);
    EXPECT_EQ(record.GetItemInci(), 2);
    EXPECT_EQ(StoredWords(kIncidentTag, {7, 2}), Words({72}));
}

TEST_F(InciOtherAccess, TheOtherIncidentFamilyLoadsTheSameWay)
{
    PutRecord(kIncidentTag, {8, 3}, Words({83}));
    TestInci record;
    ASSERT_TRUE(record.Load(8, 3));
    EXPECT_EQ(record.GetWord0(), 83);
    EXPECT_EQ(record.GetItemNo(), 8);
    EXPECT_EQ(record.GetItemInci(), 3);
    EXPECT_TRUE(record.Save());
}

using DetailAccess = RecordsHostTest;

TEST_F(DetailAccess, LoadsByTwoItemsAndCreatesTheNextSecondItem)
{
    PutRecord(kDetailTag, {3, 4, 0}, Words({34}, 10));
    TestDetail record;
    ASSERT_TRUE(record.Load(3, 4));
    EXPECT_EQ(record.GetWord0(), 34);
    EXPECT_EQ(record.GetItem1(), 3);
    EXPECT_EQ(record.GetItem2(), 4);

    record.SetWord0(35);
    ASSERT_TRUE(record.SaveNew(3));
    EXPECT_EQ(record.GetItem1(), 3);
    EXPECT_EQ(record.GetItem2(), 5);
    EXPECT_EQ(record._GetKeyPart(2), 0);
    EXPECT_EQ(StoredWords(kDetailTag, {3, 5, 0}), Words({35}, 10));
}

using CellDetailAccess = RecordsHostTest;

TEST_F(CellDetailAccess, WalksTheIncidentsOfTheAttachedCell)
{
    PutRecord(kCellDetailTag, {3, 2, 0}, Words({320}, 10));
    PutRecord(kCellDetailTag, {3, 2, 1}, Words({321}, 10));
    PutRecord(kCellDetailTag, {3, 3, 0}, Words({330}, 10));

    TestCellDetail record;
    EXPECT_FALSE(record.LoadFirst());
    TestCell cell(2, 3);
    record.ConnectCell(&cell);
    EXPECT_EQ(record.GetConnectedCell<TestCell>(), &cell);
    ASSERT_TRUE(record.LoadFirst());
    EXPECT_EQ(record.GetWord0(), 320);
    ASSERT_TRUE(record.LoadNext());
    EXPECT_EQ(record.GetWord0(), 321);
    /* Past the last incident: refused, the incident stays at the last one. */
    EXPECT_FALSE(record.LoadNext());
    EXPECT_EQ(record.GetItemInci(), 1);
}

TEST_F(CellDetailAccess, SaveNewCreatesAnIncidentAndMarksTheMeasure)
{
    PutRecord(kCellDetailTag, {3, 2, 0}, Words({320}, 10));
    TestCellDetail record;
    record.Prepare(999);
    EXPECT_FALSE(record.SaveNew()); /* no cell */
    TestCell cell(2, 3);
    record.ConnectCell(&cell);
    ASSERT_TRUE(record.SaveNew());
    EXPECT_EQ(record.flagCalls, 1);
    EXPECT_EQ(record.GetItemInci(), 1);
    EXPECT_EQ(StoredWords(kCellDetailTag, {3, 2, 1}), Words({999}, 10));

    FailNext("FX_CreateEData");
    EXPECT_FALSE(record.SaveNew());
    EXPECT_EQ(record.flagCalls, 1);
    EXPECT_EQ(record.GetItemInci(), 1);
}

TEST_F(CellDetailAccess, OneRecordPerCellRefusesSteppingAndCreating)
{
    PutRecord(kCellDetailTag, {1, 1, 0}, Words({110}, 10));
    PutRecord(kCellDetailTag, {1, 1, 1}, Words({111}, 10));
    TestNoInciCellDetail record;
    TestCell cell(1, 1);
    record.ConnectCell(&cell);
    ASSERT_TRUE(record.LoadFirst());
    EXPECT_EQ(record.GetWord0(), 110);
    const size_t callsBefore = CallCount();
    EXPECT_FALSE(record.LoadNext());
    EXPECT_FALSE(record.SaveNew());
    EXPECT_EQ(CallCount(), callsBefore);
}

using GlobalsAccess = RecordsHostTest;

TEST_F(GlobalsAccess, CountsItemsFromZero)
{
    PutRecord(kGlobalsTag, {0}, Words({100}, 20));
    PutRecord(kGlobalsTag, {1}, Words({101}, 20));
    TestGlobals record;
    ASSERT_TRUE(record.LoadFirst());
    EXPECT_EQ(record.GetItemNo(), 0);
    EXPECT_EQ(record.GetWord0(), 100);
    ASSERT_TRUE(record.LoadNext());
    EXPECT_EQ(record.GetWord0(), 101);
    EXPECT_FALSE(record.LoadNext());
    ASSERT_TRUE(record.Load(0));
    EXPECT_EQ(record.GetWord0(), 100);
}
