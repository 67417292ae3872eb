#include "plugin/EnumerationRecords.h"
#include "plugin/FinaleExtension.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

using Bytes = std::vector<unsigned char>;

const char* const kTexts[] = {"QZ Staff Set Panel...", "Name and view staff sets for the score.", "Staff Set Panel"};
constexpr unsigned char kHostPattern = 0xCD;

void PutUnits(Bytes& record, size_t offset, const std::string& text, bool terminate)
{
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() && !terminate)
            break;
        uint16_t unit = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
        std::memcpy(&record[offset + 2 * i], &unit, 2);
    }
}

Bytes Expected8BitRecord()
{
    Bytes record(FX_ENUM_RECORD_SIZE, 0);
    for (int i = 0; i < 3; ++i)
        std::memcpy(&record[i * 64], kTexts[i], std::strlen(kTexts[i]));
    return record;
}

/* Texts with their terminators over the host's pattern, the tail cleared. */
Bytes ExpectedUTF16Record()
{
    Bytes record(FX_ENUM_UTF16_RECORD_SIZE, kHostPattern);
    for (int i = 0; i < 3; ++i)
        PutUnits(record, i * 256, kTexts[i], true);
    std::memset(&record[768], 0, 4);
    return record;
}

} // namespace

TEST(EnumerationRecord, IsFilledByteForByteWithZeroFill)
{
    EXPECT_EQ(FX_ENUM_RECORD_SIZE, 196);
    Bytes record(FX_ENUM_RECORD_SIZE, 0xAB);
    ASSERT_EQ(FinaleExtensionEnumerate(nullptr, 0, record.data()), 1);
    EXPECT_EQ(record, Expected8BitRecord());
}

TEST(EnumerationRecord, UTF16RecordKeepsTheHostsUnitsAfterEachTerminator)
{
    EXPECT_EQ(FX_ENUM_UTF16_RECORD_SIZE, 772);
    Bytes record(FX_ENUM_UTF16_RECORD_SIZE, kHostPattern);
    ASSERT_EQ(FinaleExtensionEnumerate_UTF16(nullptr, 0, record.data()), 1);
    EXPECT_EQ(record, ExpectedUTF16Record());
}

TEST(EnumerationRecord, UTF16RecordNeedNotBeAligned)
{
    Bytes buffer(FX_ENUM_UTF16_RECORD_SIZE + 1, kHostPattern);
    ASSERT_EQ(FinaleExtensionEnumerate_UTF16(nullptr, 0, buffer.data() + 1), 1);
    EXPECT_EQ(Bytes(buffer.begin() + 1, buffer.end()), ExpectedUTF16Record());
    EXPECT_EQ(buffer[0], kHostPattern);
}

TEST(BoundedTextCopy, ALongTextIsCutAndStillTerminated)
{
    const std::string longText(100, 'x');
    char field[64];
    std::memset(field, 'q', sizeof field);
    EnumerationRecords::CopyBoundedText(field, sizeof field, longText.c_str());
    EXPECT_EQ(std::string(field, 63), longText.substr(0, 63));
    EXPECT_EQ(field[63], '\0');

    EnumerationRecords::CopyBoundedText(field, sizeof field, std::string(64, 'y').c_str());
    EXPECT_EQ(field[63], '\0');
    EXPECT_EQ(field[62], 'y');
}

TEST(BoundedTextCopy, AShortTextIsZeroFilledAndANullTextGivesAnEmptyField)
{
    char field[8];
    std::memset(field, 'q', sizeof field);
    EnumerationRecords::CopyBoundedText(field, sizeof field, "ab");
    EXPECT_EQ(std::string(field, sizeof field), std::string("ab\0\0\0\0\0\0", 8));

    std::memset(field, 'q', sizeof field);
    EnumerationRecords::CopyBoundedText(field, sizeof field, nullptr);
    EXPECT_EQ(std::string(field, sizeof field), std::string(8, '\0'));

    EnumerationRecords::CopyBoundedText(field, 0, "ab"); /* nothing written, no crash */
    EnumerationRecords::CopyBoundedText(nullptr, 8, "ab");
}

TEST(UTF16TextCopy, WritesAtMost63UnitsAndATerminatorAndLeavesTheRest)
{
    const std::string longText(100, 'z');
    Bytes field(FX_ENUM_UTF16_FIELD_BYTES, kHostPattern);
    EnumerationRecords::CopyUTF16Text(field.data(), longText.c_str());

    Bytes expected(FX_ENUM_UTF16_FIELD_BYTES, kHostPattern);
    PutUnits(expected, 0, longText.substr(0, 63), true);
    EXPECT_EQ(field, expected);
}
