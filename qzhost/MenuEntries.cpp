#include "qzhost/MenuEntries.h"

#include "qzhost/RecordText.h"

namespace MenuEntries
{

namespace
{

template <typename Enumerate>
std::vector<Record> Collect(Enumerate enumerate, size_t size, unsigned char fill, bool& ended)
{
    std::vector<Record> records;
    ended = false;
    if (!enumerate)
        return records;
    for (int index = 0; index < kMaxEntries; ++index) {
        Record record;
        record.size = size;
        record.bytes.assign(size + kGuardBytes, fill);
        if (!enumerate(nullptr, static_cast<int16_t>(index), record.bytes.data())) {
            ended = true;
            break;
        }
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace

std::vector<Record> Enumerate8(const PluginEntryPoints& entries, unsigned char fill, bool& ended)
{
    return Collect(entries.enumerate, FX_ENUM_RECORD_SIZE, fill, ended);
}

std::vector<Record> EnumerateUTF16(const PluginEntryPoints& entries, unsigned char fill, bool& ended)
{
    return Collect(entries.enumerateUTF16, FX_ENUM_UTF16_RECORD_SIZE, fill, ended);
}

Texts Texts8(const Record& record)
{
    Texts texts;
    for (size_t f = 0; f < FX_ENUM_TEXT_COUNT; ++f)
        texts[f] = RecordText::FromBytes(&record.bytes[f * FX_ENUM_TEXT_BYTES], FX_ENUM_TEXT_BYTES);
    return texts;
}

Texts TextsUTF16(const Record& record)
{
    Texts texts;
    for (size_t f = 0; f < FX_ENUM_TEXT_COUNT; ++f)
        texts[f] = RecordText::FromUTF16(&record.bytes[f * FX_ENUM_UTF16_FIELD_BYTES], FX_ENUM_UTF16_FIELD_UNITS);
    return texts;
}

} // namespace MenuEntries
