#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "records/FCRecordField.h"
#include "TestRecords.h"

/* Field descriptors on raw buffers. */

TEST(RecordField, ReadsAndWritesAtOddOffsetsWithTheFieldsOwnWidth)
{
    unsigned char bytes[16];
    std::memset(bytes, 0xAA, sizeof bytes);
    constexpr FCRecordField<int32_t> kLong{3};
    ASSERT_TRUE(kLong.Write(bytes, sizeof bytes, -123456));
    EXPECT_EQ(kLong.Read(bytes, sizeof bytes), -123456);
    /* Neighbouring bytes are untouched. */
    EXPECT_EQ(bytes[2], 0xAA);
    EXPECT_EQ(bytes[7], 0xAA);
}

TEST(RecordField, SignednessFollowsTheFieldType)
{
    unsigned char bytes[4] = {0xFE, 0xFF, 0, 0};
    EXPECT_EQ(FCRecordField<int16_t>{0}.Read(bytes, sizeof bytes), -2);
    EXPECT_EQ(FCRecordField<uint16_t>{0}.Read(bytes, sizeof bytes), 0xFFFE);
    EXPECT_EQ(FCRecordField<int8_t>{1}.Read(bytes, sizeof bytes), -1);
}

TEST(RecordField, AccessOutsideTheBufferReadsZeroAndWritesNothing)
{
    unsigned char bytes[6] = {1, 2, 3, 4, 5, 6};
    constexpr FCRecordField<int32_t> kTooFar{4};
    EXPECT_EQ(kTooFar.Read(bytes, sizeof bytes), 0);
    EXPECT_FALSE(kTooFar.Write(bytes, sizeof bytes, 7));
    EXPECT_EQ(bytes[4], 5);
    EXPECT_EQ(bytes[5], 6);
    EXPECT_EQ(FCRecordField<int16_t>{0}.Read(nullptr, 100), 0);
    EXPECT_FALSE(FCRecordField<int16_t>{0}.Write(nullptr, 100, 1));
}

TEST(RecordField, FlagSetsAndClearsOnlyItsMaskBits)
{
    unsigned char bytes[4] = {};
    constexpr FCRecordField<uint16_t> kWord{2};
    kWord.Write(bytes, sizeof bytes, 0x8001);
    constexpr FCRecordFlag<uint16_t> kBit5{2, 0x0020};
    EXPECT_FALSE(kBit5.Read(bytes, sizeof bytes));
    kBit5.Write(bytes, sizeof bytes, true);
    EXPECT_EQ(kWord.Read(bytes, sizeof bytes), 0x8021);
    kBit5.Write(bytes, sizeof bytes, false);
    EXPECT_EQ(kWord.Read(bytes, sizeof bytes), 0x8001);
}

TEST(RecordField, BitRunStoresMaskedValueAndKeepsTheOtherBits)
{
    unsigned char bytes[2] = {};
    constexpr FCRecordField<uint16_t> kWord{0};
    kWord.Write(bytes, sizeof bytes, 0xFFFF);
    constexpr FCRecordBits<uint16_t> kMiddle{0, 4, 3};
    kMiddle.Write(bytes, sizeof bytes, 0x2);
    EXPECT_EQ(kMiddle.Read(bytes, sizeof bytes), 0x2u);
    EXPECT_EQ(kWord.Read(bytes, sizeof bytes), 0xFFAF);
    /* A value wider than the run is cut to the run. */
    kMiddle.Write(bytes, sizeof bytes, 0xF);
    EXPECT_EQ(kMiddle.Read(bytes, sizeof bytes), 0x7u);
    EXPECT_EQ(kWord.Read(bytes, sizeof bytes), 0xFFFF);
}

/* Accessors generated on a record object. */

namespace
{
class FlagRecord : public TestRecord<__FCNoInciOther, kOtherTag, 12>
{
public:
    FCRECORD_FLAG(Visible, uint16_t, 10, 0x0004)
    FCRECORD_BITS(Side, uint16_t, 10, 0, 2)
};
} // namespace

TEST(RecordAccessors, WorkOnTheObjectsBytesAndRespectItsBuffer)
{
    FlagRecord record;
    /* No buffer yet: reads give 0, writes do nothing. */
    EXPECT_EQ(record.GetLong4(), 0);
    record.SetLong4(5);
    EXPECT_EQ(record.GetLong4(), 0);

    record.Prepare(-7);
    record.SetLong4(0x01020304);
    record.SetVisible(true);
    record.SetSide(3);
    EXPECT_EQ(record.GetWord0(), -7);
    EXPECT_EQ(record.GetLong4(), 0x01020304);
    EXPECT_TRUE(record.GetVisible());
    EXPECT_EQ(record.GetSide(), 3u);
    EXPECT_EQ(record._GetField(FCRecordField<uint16_t>(10)), 0x0007);
    EXPECT_EQ(record.GetLoadedSize(), 12u);
}
