#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "RecordsHostFixture.h"
#include "common/qz_fourcc.h"
#include "TestRecords.h"

/* Data stored by the host as a run of 12-byte incidents of one item. */

namespace
{
/* A text-like record whose runs use the tag 'ot' + the low half of its own
   tag. */
using RunRecord = TestRecord<__FCNoInciOther, QZ_FOURCC("osET"), 12>;
constexpr uint16_t kPrefix = 0x6F74; /* 'ot' */
constexpr uint32_t kRunTag = QZ_FOURCC("otET");
} // namespace

class IncidentRuns : public RecordsHostTest, public ::testing::WithParamInterface<bool>
{
protected:
    void SetUp() override
    {
        RecordsHostTest::SetUp();
        SetIncidentCompaction(GetParam());
        record.Prepare(1);
    }

    void PutRun(uint16_t item, int count)
    {
        for (int i = 0; i < count; ++i)
            PutRecord(kRunTag, {int16_t(item), int16_t(i)}, std::vector<uint8_t>(12, uint8_t(0xE0 + i)));
    }

    RunRecord record;
};

TEST_P(IncidentRuns, TwentyFiveBytesBecomeThreePaddedIncidentsAndTheRestGoes)
{
    PutRun(3, 6);
    std::vector<uint8_t> data(25);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t(i + 1);
    ASSERT_TRUE(record._SaveOtherFullCmper(3, data.data(), uint32_t(data.size()), kPrefix));

    EXPECT_EQ(IncidentCount(kRunTag, 3), 3);
    EXPECT_EQ(StoredBytes(kRunTag, {3, 0}), std::vector<uint8_t>(data.begin(), data.begin() + 12));
    EXPECT_EQ(StoredBytes(kRunTag, {3, 1}), std::vector<uint8_t>(data.begin() + 12, data.begin() + 24));
    std::vector<uint8_t> last(12, 0);
    last[0] = 25;
    EXPECT_EQ(StoredBytes(kRunTag, {3, 2}), last);
    EXPECT_FALSE(RecordExists(kRunTag, {3, 3}));
    EXPECT_FALSE(RecordExists(kRunTag, {3, 5}));
}

TEST_P(IncidentRuns, RunReadsBackThroughTheLoadServices)
{
    std::vector<uint8_t> data(36);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t(200 - i);
    ASSERT_TRUE(record._SaveOtherFullCmper(4, data.data(), uint32_t(data.size()), kPrefix));
    EXPECT_EQ(record._DataSizeLoadFullCmper(4, kPrefix), 36u);

    std::vector<uint8_t> back(36, 0);
    EXPECT_TRUE(record._LoadOtherFullCmper(4, back.data(), uint32_t(back.size()), kPrefix));
    EXPECT_EQ(back, data);

    /* A buffer larger than the run reads what there is and says so. */
    std::vector<uint8_t> larger(48, 0);
    EXPECT_FALSE(record._LoadOtherFullCmper(4, larger.data(), uint32_t(larger.size()), kPrefix));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), larger.begin()));
    /* A buffer that ends inside an incident stops before it. */
    std::vector<uint8_t> uneven(30, 0);
    EXPECT_FALSE(record._LoadOtherFullCmper(4, uneven.data(), uint32_t(uneven.size()), kPrefix));
    EXPECT_EQ(uneven[24], 0);
}

TEST_P(IncidentRuns, RefusedCasesSaveNothing)
{
    PutRun(3, 2);
    uint8_t data[12] = {7};
    const size_t callsBefore = CallCount();
    EXPECT_FALSE(record._SaveOtherFullCmper(0, data, sizeof data, kPrefix));
    EXPECT_FALSE(record._SaveOtherFullCmper(3, data, 0, kPrefix));
    RunRecord unloaded;
    EXPECT_FALSE(unloaded._SaveOtherFullCmper(3, data, sizeof data, kPrefix));
    EXPECT_EQ(CallCount(), callsBefore);
    EXPECT_EQ(IncidentCount(kRunTag, 3), 2);
}

TEST_P(IncidentRuns, ARefusedSliceStopsTheSaveAndKeepsTheSlicesBefore)
{
    PutRun(3, 4);
    std::vector<uint8_t> data(30, 0x11);
    FailRecordOnce("FX_SaveEData", kRunTag, {3, 1});
    EXPECT_FALSE(record._SaveOtherFullCmper(3, data.data(), uint32_t(data.size()), kPrefix));
    EXPECT_EQ(StoredBytes(kRunTag, {3, 0}), std::vector<uint8_t>(12, 0x11));
    EXPECT_EQ(IncidentCount(kRunTag, 3), 4);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutRenumbering, IncidentRuns, ::testing::Bool());
