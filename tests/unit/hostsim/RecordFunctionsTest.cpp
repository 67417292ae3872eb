#include "HostsimTest.h"
#include "common/qz_host_versions.h"

using namespace hostsim_test;

namespace
{

class RecordFunctionsTest : public HostsimTest
{
protected:
    void SetUp() override
    {
        HostsimTest::SetUp();
        std::u16string name = u"Test";
        ASSERT_TRUE(FX_StartFinaleEdit_UTF16(reinterpret_cast<const uint16_t*>(name.c_str()), V19));
    }
    void TearDown() override
    {
        FX_EndFinaleEdit(V19);
        HostsimTest::TearDown();
    }
};

TEST_F(RecordFunctionsTest, LoadCopiesTheRecordAndReportsItsSize)
{
    int16_t key[3] = {0, 2, 0};
    uint8_t buf[24];
    uint32_t size = sizeof buf;
    ASSERT_TRUE(FX_LoadEData(SOIu, key, buf, &size, V19));
    EXPECT_EQ(size, 24u);
    std::vector<uint8_t> got(buf, buf + 24);
    EXPECT_EQ(got, systemStaff(3, -620));
}

TEST_F(RecordFunctionsTest, LoadWithoutBufferAsksForTheStoredSize)
{
    int16_t key[3] = {1, 0, 0};
    uint32_t size = 0;
    ASSERT_TRUE(FX_LoadEData(SODT, key, nullptr, &size, V19));
    EXPECT_EQ(size, 36u + 2 * 6); // "Expr 1"
}

TEST_F(RecordFunctionsTest, LoadIntoASmallerBufferCopiesOnlyWhatFits)
{
    int16_t key[3] = {1, 0, 0};
    std::vector<uint8_t> buf(40, 0xEE);
    uint32_t size = 38;
    ASSERT_TRUE(FX_LoadEData(SODT, key, buf.data(), &size, V19));
    EXPECT_EQ(size, 38u);
    EXPECT_EQ(buf[38], 0xEE);
    EXPECT_EQ(buf[39], 0xEE);
    EXPECT_TRUE(violationMentions("buffer of 38 bytes"));
}

TEST_F(RecordFunctionsTest, AbsentRecordLeavesArgumentsUntouched)
{
    int16_t key[3] = {-36, 0, 0};
    uint8_t buf[24];
    std::memset(buf, 0x5A, sizeof buf);
    uint32_t size = 24;
    EXPECT_FALSE(FX_LoadEData(SOIu, key, buf, &size, V19));
    EXPECT_EQ(size, 24u);
    EXPECT_EQ(buf[0], 0x5A);
}

TEST_F(RecordFunctionsTest, SaveChangesTheSizeOfAVariableRecord)
{
    auto expr = record(SODT, 2, 0);
    hostsim::RecordLayout::setText(expr, hostsim::TextField::ExprDescription, "Brass", V19);
    ASSERT_EQ(expr.size(), 46u);
    int16_t key[3] = {2, 0, 0};
    ASSERT_TRUE(FX_SaveEData(SODT, key, expr.data(), uint32_t(expr.size()), V19));
    EXPECT_EQ(record(SODT, 2, 0), expr);
}

TEST_F(RecordFunctionsTest, SaveCreatesAMissingRecordUnderExactlyThatKey)
{
    uint8_t detail[10] = {75, 0};
    int16_t key[3] = {-36, 4, 0};
    ASSERT_TRUE(FX_SaveEData(DTLP, key, detail, 10, V19));
    EXPECT_EQ(record(DTLP, -36, 4, 0, 0).size(), 10u);
    hostsim_call c{};
    ASSERT_TRUE(hostsim_call_log_entry(hostsim_call_log_count() - 1, &c));
    EXPECT_TRUE(c.createdBySave);
}

TEST_F(RecordFunctionsTest, SaveRefusesNoDataOrSizeZero)
{
    uint8_t data[38] = {};
    int16_t key[3] = {1, 0, 0};
    EXPECT_FALSE(FX_SaveEData(SODT, key, nullptr, 38, V19));
    EXPECT_FALSE(FX_SaveEData(SODT, key, data, 0, V19));
}

TEST_F(RecordFunctionsTest, CreateWritesBothKeyPartsOfANewItem)
{
    std::vector<uint8_t> rec(38, 0);
    int16_t key[3] = {-1, -1, 0};
    ASSERT_TRUE(FX_CreateEData(SODT, key, rec.data(), 38, V19));
    EXPECT_EQ(key[0], 4);
    EXPECT_EQ(key[1], 0);
    EXPECT_TRUE(exists(SODT, 4, 0));
}

TEST_F(RecordFunctionsTest, CreateAppendsAnIncidentInTheCurrentPart)
{
    auto entry = systemStaff(6, -1800);
    int16_t key[3] = {0, -1, 0};
    ASSERT_TRUE(FX_CreateEData(SOIu, key, entry.data(), 24, V19));
    EXPECT_EQ(key[1], 6);
    EXPECT_EQ(staves(0, 0).size(), 7u);
    EXPECT_EQ(staves(0, 1).size(), 2u);
}

TEST_F(RecordFunctionsTest, RawTextNumbersArePerTag)
{
    std::vector<uint8_t> text(4, 0);
    int16_t key[3] = {-1, 0, 0};
    ASSERT_TRUE(FX_CreateEData(TXXP, key, text.data(), 4, V19));
    EXPECT_EQ(key[0], 4); // txxp 1-3 exist; txbl numbers do not count
}

TEST_F(RecordFunctionsTest, LowestFreePolicyFillsAGapInTheItems)
{
    hostsim_set_allocation_policy(HOSTSIM_ALLOC_LOWEST_FREE);
    int16_t gone[3] = {2, 0, 0};
    ASSERT_TRUE(FX_DeleteEData(SODT, gone, V19));
    std::vector<uint8_t> rec(38, 0);
    int16_t key[3] = {-1, -1, 0};
    ASSERT_TRUE(FX_CreateEData(SODT, key, rec.data(), 38, V19));
    EXPECT_EQ(key[0], 2);
}

TEST_F(RecordFunctionsTest, CreateWithoutDataMakesAZeroedRecordOfTheDefaultSize)
{
    int16_t key[3] = {-36, -1, 0};
    ASSERT_TRUE(FX_CreateEData(SOIu, key, nullptr, 0, V19));
    EXPECT_EQ(record(SOIu, -36, 0, 0), std::vector<uint8_t>(24, 0));
}

TEST_F(RecordFunctionsTest, CreateWithDataOfSizeZeroIsRefusedAndReported)
{
    uint8_t data[24] = {};
    int16_t key[3] = {-36, -1, 0};
    EXPECT_FALSE(FX_CreateEData(SOIu, key, data, 0, V19));
    EXPECT_FALSE(exists(SOIu, -36, 0, 0));
    EXPECT_TRUE(violationMentions("create refused: size 0"));
}

TEST_F(RecordFunctionsTest, CreateUnderAnExistingKeyIsRefused)
{
    std::vector<uint8_t> rec(38, 0);
    int16_t key[3] = {1, 0, 0};
    EXPECT_FALSE(FX_CreateEData(SODT, key, rec.data(), 38, V19));
    EXPECT_NE(record(SODT, 1, 0), rec);
}

TEST_F(RecordFunctionsTest, DeleteCompactsTheList)
{
    int16_t key[3] = {0, 1, 0};
    ASSERT_TRUE(FX_DeleteEData(SOIu, key, V19));
    EXPECT_EQ(staves(0, 0), (std::vector<int16_t>{1, 3, 4, 5, 6}));
}

TEST_F(RecordFunctionsTest, DeleteWithoutCompactionLeavesAGap)
{
    hostsim_set_incident_compaction(0);
    int16_t key[3] = {0, 1, 0};
    ASSERT_TRUE(FX_DeleteEData(SOIu, key, V19));
    EXPECT_EQ(staves(0, 0), (std::vector<int16_t>{1}));
}

TEST_F(RecordFunctionsTest, DeletingTrailingIncidentsUntilRefusedEmptiesTheList)
{
    int16_t key[3] = {0, 2, 0};
    int deleted = 0;
    while (FX_DeleteEData(SOIu, key, V19))
        ++deleted;
    EXPECT_EQ(deleted, 4);
    EXPECT_EQ(staves(0, 0), (std::vector<int16_t>{1, 2}));
}

TEST_F(RecordFunctionsTest, NextWalksCategoriesWithoutBufferAndStopsAtTheEnd)
{
    int16_t key[3] = {1, 0, 0};
    std::vector<int16_t> items{key[0]};
    while (FX_NextEData(SOMC, key, nullptr, nullptr, qz::kHostVersionUnicode))
        items.push_back(key[0]);
    EXPECT_EQ(items, (std::vector<int16_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(key[0], 6); // unchanged by the failing call
}

TEST_F(RecordFunctionsTest, NextReachesStaffSetsAfterTheGlobalList)
{
    int16_t setKey[3] = {-36, -1, 0};
    auto entry = systemStaff(2, 0);
    ASSERT_TRUE(FX_CreateEData(SOIu, setKey, entry.data(), 24, V19));
    int16_t key[3] = {0, 5, 0};
    uint8_t buf[24];
    uint32_t size = 24;
    ASSERT_TRUE(FX_NextEData(SOIu, key, buf, &size, V19));
    EXPECT_EQ(key[0], -36);
    EXPECT_EQ(key[1], 0);
    EXPECT_EQ(std::vector<uint8_t>(buf, buf + 24), entry);
}

TEST_F(RecordFunctionsTest, PreviousIsTheMirrorOfNext)
{
    int16_t key[3] = {3, 0, 0};
    ASSERT_TRUE(FX_PreviousEData(SOMC, key, nullptr, nullptr, qz::kHostVersionUnicode));
    EXPECT_EQ(key[0], 2);
    int16_t first[3] = {1, 0, 0};
    EXPECT_FALSE(FX_PreviousEData(SOMC, first, nullptr, nullptr, qz::kHostVersionUnicode));
}

TEST_F(RecordFunctionsTest, StaffListsArePartScoped)
{
    int16_t key[3] = {0, 0, 0};
    uint8_t buf[24];
    uint32_t size = 24;
    ASSERT_TRUE(FX_SetCurrentPartID(1, V19));
    ASSERT_TRUE(FX_LoadEData(SOIu, key, buf, &size, V19));
    EXPECT_EQ(std::vector<uint8_t>(buf, buf + 24), systemStaff(4, 0));
    int16_t third[3] = {0, 2, 0};
    EXPECT_FALSE(FX_LoadEData(SOIu, third, buf, &size, V19));
    ASSERT_TRUE(FX_SetCurrentPartID(0, V19));
    EXPECT_TRUE(FX_LoadEData(SOIu, third, buf, &size, V19));
}

TEST_F(RecordFunctionsTest, StaffRecordsAreSharedByAllParts)
{
    int16_t key[3] = {4, 0, 0};
    std::vector<uint8_t> a(136), b(136);
    uint32_t size = 136;
    ASSERT_TRUE(FX_LoadEData(SOIS, key, a.data(), &size, qz::kHostVersion12));
    ASSERT_TRUE(FX_SetCurrentPartID(1, V19));
    ASSERT_TRUE(FX_LoadEData(SOIS, key, b.data(), &size, qz::kHostVersion12));
    EXPECT_EQ(a, b);
    ASSERT_TRUE(FX_SetCurrentPartID(0, V19));
}

TEST_F(RecordFunctionsTest, NoDocumentRefusesRecordCallsWithoutTouchingArguments)
{
    FX_EndFinaleEdit(V19);
    hostsim_close_document(doc);
    int16_t key[3] = {1, 0, 0};
    uint32_t size = 77;
    EXPECT_FALSE(FX_LoadEData(SODT, key, nullptr, &size, V19));
    EXPECT_EQ(size, 77u);
    EXPECT_EQ(FX_GetCurrentEnigmaDocument(V19), 0);
    EXPECT_EQ(FX_SlotToInst(1, 0, V19), 0);
}

} // namespace
