#include "plugin/EnumerationRecords.h"

#include "strings/FCString.h"
#include "plugin/FinaleExtensionTypes.h"

#include <cstdint>
#include <cstring>

namespace EnumerationRecords
{

const char* const kMenuText = "QZ Staff Set Panel...";
const char* const kDescription = "Name and view staff sets for the score.";
const char* const kShortName = "Staff Set Panel";

namespace
{

const char* const kTexts[FX_ENUM_TEXT_COUNT] = {kMenuText, kDescription, kShortName};

void ClearTail(unsigned char* record, size_t offset)
{
    const int32_t zero = 0;
    std::memcpy(record + offset, &zero, sizeof zero);
}

} // namespace

void CopyBoundedText(char* field, size_t fieldSize, const char* text)
{
    if (!field || fieldSize == 0)
        return;
    size_t length = text ? strnlen(text, fieldSize - 1) : 0;
    std::memcpy(field, text ? text : "", length);
    std::memset(field + length, 0, fieldSize - length);
}

void CopyUTF16Text(void* field, const char* text)
{
    if (!field)
        return;
    FCString string;
    string.SetCString(text ? text : "");
    uint16_t units[FX_ENUM_UTF16_TEXT_LIMIT] = {};
    string.CopyToUnicodeBuffer(units, FX_ENUM_UTF16_TEXT_LIMIT);
    size_t count = 0;
    while (count < FX_ENUM_UTF16_TEXT_LIMIT - 1 && units[count] != 0)
        ++count;
    units[count] = 0;
    std::memcpy(field, units, (count + 1) * sizeof units[0]);
}

void Fill(void* record)
{
    if (!record)
        return;
    auto* bytes = static_cast<unsigned char*>(record);
    for (size_t i = 0; i < FX_ENUM_TEXT_COUNT; ++i)
        CopyBoundedText(reinterpret_cast<char*>(bytes + i * FX_ENUM_TEXT_BYTES), FX_ENUM_TEXT_BYTES, kTexts[i]);
    ClearTail(bytes, FX_ENUM_TAIL_OFFSET);
}

void FillUTF16(void* record)
{
    if (!record)
        return;
    auto* bytes = static_cast<unsigned char*>(record);
    for (size_t i = 0; i < FX_ENUM_TEXT_COUNT; ++i)
        CopyUTF16Text(bytes + i * FX_ENUM_UTF16_FIELD_BYTES, kTexts[i]);
    ClearTail(bytes, FX_ENUM_UTF16_TAIL_OFFSET);
}

} // namespace EnumerationRecords
