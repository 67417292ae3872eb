#include "hostlink/PrefRecordEmulation.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/qz_fourcc.h"
#include "hostlink/ByteField.h"
#include "hostlink/PrefMapArrays.h"
#include "hostlink/fx_host_abi.h"

namespace fxhost
{

namespace
{

constexpr int16_t kNoItem = 0;

struct OtherRecord
{
    uint16_t words[kOtherRecordWords];
};
static_assert(sizeof(OtherRecord) == kOtherRecordSize, "'ot' records are 12 bytes");

// Loads one 'ot' record into a cleared scratch record.
fxbool LoadOther(uint32_t tag, int16_t item, int16_t incident, OtherRecord& record)
{
    record = OtherRecord{};
    const int16_t key[3] = {item, incident, 0};
    uint32_t size = kOtherRecordSize;
    return FX_LoadEData(tag, key, record.words, &size, kOtherRecordVersion);
}

fxbool SaveOther(uint32_t tag, int16_t item, int16_t incident, const void* record)
{
    const int16_t key[3] = {item, incident, 0};
    return FX_SaveEData(tag, key, record, kOtherRecordSize, kOtherRecordVersion);
}

fxbool LoadSource(const PrefMapRow& row, OtherRecord& record)
{
    return LoadOther(SourceTag(row), SourceItem(row), row.incident, record);
}

// Visits the rows in order, each source record once, with the rows that
// name it (the first unvisited row and every later row of the same source).
template <typename Visit>
void ForEachSourceRecord(PrefMapArray& map, Visit visit)
{
    for (std::size_t i = 0; i < map.rowCount; ++i)
        map.rows[i].done = 0;
    std::vector<const PrefMapRow*> group;
    for (std::size_t i = 0; i < map.rowCount; ++i) {
        if (map.rows[i].done != 0)
            continue;
        group.clear();
        for (std::size_t j = i; j < map.rowCount; ++j) {
            if (map.rows[j].done == 0 && SameSource(map.rows[i], map.rows[j])) {
                map.rows[j].done = 1;
                group.push_back(&map.rows[j]);
            }
        }
        visit(group);
    }
}

bool IsLowWordFirst(const PrefMapRow& row) { return row.conversion == kConvertLowFirst; }

void ReadField(const PrefMapRow& row, const OtherRecord& source, void* record)
{
    const uint16_t word = source.words[row.sourceWord];
    if (row.size == 4) {
        const uint16_t next = source.words[row.sourceWord + 1];
        const uint32_t high = IsLowWordFirst(row) ? next : word;
        const uint32_t low = IsLowWordFirst(row) ? word : next;
        SetField<uint32_t>(record, static_cast<std::size_t>(row.destination), (high << 16) | low);
        return;
    }
    uint16_t value = word;
    if (row.conversion == kConvertNegate)
        value = word == 0 ? 1 : 0;
    else if (row.conversion == kConvertLowByte)
        value = word & 0x00FFu;
    SetField<uint16_t>(record, static_cast<std::size_t>(row.destination), value);
}

bool StoreWord(OtherRecord& source, int index, uint16_t value)
{
    if (source.words[index] == value)
        return false;
    source.words[index] = value;
    return true;
}

// The source word a 16-bit field becomes. A negated flag keeps its stored word
// while its meaning is unchanged; a low-byte field keeps the word's high byte.
uint16_t WordForField(const PrefMapRow& row, uint16_t stored, uint16_t field)
{
    if (row.conversion == kConvertNegate) {
        const bool storedValue = stored == 0;
        const bool newValue = field != 0;
        return storedValue == newValue ? stored : static_cast<uint16_t>(newValue ? 0 : 1);
    }
    if (row.conversion == kConvertLowByte)
        return static_cast<uint16_t>((stored & 0xFF00u) | (field & 0x00FFu));
    return field;
}

bool WriteField(const PrefMapRow& row, const void* record, OtherRecord& source)
{
    const auto offset = static_cast<std::size_t>(row.destination);
    if (row.size == 4) {
        const uint32_t value = GetField<uint32_t>(record, offset);
        const auto high = static_cast<uint16_t>(value >> 16);
        const auto low = static_cast<uint16_t>(value & 0xFFFFu);
        const bool first = StoreWord(source, row.sourceWord, IsLowWordFirst(row) ? low : high);
        const bool second = StoreWord(source, row.sourceWord + 1, IsLowWordFirst(row) ? high : low);
        return first || second;
    }
    const uint16_t stored = source.words[row.sourceWord];
    return StoreWord(source, row.sourceWord, WordForField(row, stored, GetField<uint16_t>(record, offset)));
}

fxbool LoadMapped(PrefMapArray& map, void* buffer, uint32_t* size)
{
    if (size == nullptr)
        return 0;
    const uint32_t total = RecordSize(map);
    if (buffer == nullptr) {
        *size = total;
        return 1;
    }
    if (*size < total)
        return 0;
    *size = total;
    ForEachSourceRecord(map, [buffer](const std::vector<const PrefMapRow*>& rows) {
        OtherRecord source;
        LoadSource(*rows.front(), source);
        for (const PrefMapRow* row : rows)
            ReadField(*row, source, buffer);
    });
    return 1;
}

// Writes the mapped fields of one source record. A record that does not load
// yet starts out zeroed and is created by the save; a record is written only
// when one of its fields changed. False when the host refuses that write.
bool SaveSourceRecord(const std::vector<const PrefMapRow*>& rows, const void* buffer)
{
    const PrefMapRow& first = *rows.front();
    OtherRecord source;
    if (LoadSource(first, source) == 0)
        source = OtherRecord{}; // not stored yet: every word starts at zero
    bool changed = false;
    for (const PrefMapRow* row : rows)
        changed = WriteField(*row, buffer, source) || changed;
    return !changed || SaveOther(SourceTag(first), SourceItem(first), first.incident, source.words) != 0;
}

fxbool SaveMapped(PrefMapArray& map, const void* buffer, uint32_t size)
{
    if (buffer == nullptr || size < RecordSize(map))
        return 0;
    bool saved = true;
    ForEachSourceRecord(map, [buffer, &saved](const std::vector<const PrefMapRow*>& rows) {
        saved = SaveSourceRecord(rows, buffer) && saved;
    });
    return saved ? 1 : 0;
}

fxbool LoadBlock(const PrefBlockMap& block, int16_t item, void* buffer, uint32_t* size)
{
    if (!ItemInRange(block, item))
        return 0;
    const uint32_t bytes = BlockBytes(block);
    if (size != nullptr && buffer == nullptr) {
        *size = bytes;
        return 1;
    }
    if (buffer == nullptr || size == nullptr || *size < bytes)
        return 0;
    const int16_t first = FirstIncident(block, item);
    for (int16_t i = 0; i < block.records; ++i) {
        OtherRecord record;
        LoadOther(block.sourceTag, kOtherRecordItem, static_cast<int16_t>(first + i), record);
        std::memcpy(static_cast<unsigned char*>(buffer) + i * kOtherRecordSize, record.words, kOtherRecordSize);
    }
    *size = bytes;
    return 1;
}

fxbool SaveBlock(const PrefBlockMap& block, int16_t item, const void* buffer, uint32_t size)
{
    if (!ItemInRange(block, item) || buffer == nullptr || size < BlockBytes(block))
        return 0;
    const int16_t first = FirstIncident(block, item);
    for (int16_t i = 0; i < block.records; ++i) {
        SaveOther(block.sourceTag, kOtherRecordItem, static_cast<int16_t>(first + i),
                  static_cast<const unsigned char*>(buffer) + i * kOtherRecordSize);
    }
    return 1;
}

// The requested item; without a key only tags that ignore the item match.
int16_t RequestedItem(const int16_t* key) { return key != nullptr ? key[0] : kNoItem; }

// A tag whose emulation depends on the item cannot be served without a key.
bool NeedsKey(const PrefBlockMap& block) { return HasItemRange(block) || block.tag == QZ_FOURCC("pfPF"); }

// Whether any emulated tag begins with the tag's first two characters (every
// record call asks; the tables are searched only for those that do).
bool MayBeEmulated(uint32_t tag)
{
    static const std::vector<uint32_t> prefixes = [] {
        std::vector<uint32_t> found;
        const auto note = [&found](uint32_t emulated) {
            if (std::find(found.begin(), found.end(), emulated >> 16) == found.end())
                found.push_back(emulated >> 16);
        };
        for (std::size_t i = 0; i < MapArrayCount(); ++i)
            note(MapArrays()[i].tag);
        for (std::size_t i = 0; i < BlockMapCount(); ++i)
            note(BlockMaps()[i].tag);
        return found;
    }();
    return std::find(prefixes.begin(), prefixes.end(), tag >> 16) != prefixes.end();
}

// Chooses the emulation for a tag and the key's item: a map array, a block
// of whole records, or none.
template <typename OnMap, typename OnBlock>
std::optional<fxbool> Emulate(uint32_t tag, const int16_t* key, OnMap onMap, OnBlock onBlock)
{
    if (!MayBeEmulated(tag))
        return std::nullopt;
    const int16_t item = RequestedItem(key);
    const PrefBlockMap* block = FindBlockMap(tag);
    if (key == nullptr && block != nullptr && NeedsKey(*block))
        return fxbool(0);
    if (PrefMapArray* map = FindMapArray(tag, item))
        return onMap(*map);
    if (block != nullptr)
        return onBlock(*block, item);
    return std::nullopt;
}

} // namespace

std::optional<fxbool> LoadEmulatedPrefs(uint32_t tag, const int16_t* key, void* buffer, uint32_t* size)
{
    return Emulate(
        tag, key, [&](PrefMapArray& map) { return LoadMapped(map, buffer, size); },
        [&](const PrefBlockMap& block, int16_t item) { return LoadBlock(block, item, buffer, size); });
}

std::optional<fxbool> SaveEmulatedPrefs(uint32_t tag, const int16_t* key, const void* buffer, uint32_t size)
{
    return Emulate(
        tag, key, [&](PrefMapArray& map) { return SaveMapped(map, buffer, size); },
        [&](const PrefBlockMap& block, int16_t item) { return SaveBlock(block, item, buffer, size); });
}

} // namespace fxhost
