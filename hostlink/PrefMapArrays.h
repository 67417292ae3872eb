#ifndef QZ_HOSTLINK_PREFMAPARRAYS_H
#define QZ_HOSTLINK_PREFMAPARRAYS_H

#include <cstddef>
#include <cstdint>
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"

namespace fxhost
{

// Preference records emulated on top of the host's 12-byte 'ot..' records
// (six 16-bit words, item -2) are loaded and saved with this layout version.
constexpr uint32_t kOtherRecordVersion = qz::kHostVersion19;
constexpr uint32_t kOtherRecordSize = 12;
constexpr int16_t kOtherRecordItem = -2;
constexpr int kOtherRecordWords = 6;

// One field of an emulated preference record, 20 bytes.
struct PrefMapRow
{
    int16_t done;        // scratch flag, cleared at the start of every load or save
    char suffix[2];      // the source tag is 'o','t' followed by these
    int16_t item;        // source item number; 0 stands for -2
    int16_t incident;    // source incident number
    int16_t destination; // byte offset of the field in the preference record
    int16_t sourceWord;  // index (0 to 5) of the word in the source record
    int16_t size;        // 2 (one word) or 4 (two words)
    int16_t reserved;
    int32_t conversion; // size 2: 0 none, 3 logical negation, 4 low byte;
                        // size 4: 1 high word first, 2 low word first
};
static_assert(sizeof(PrefMapRow) == 20, "map rows are 20 bytes");

enum PrefConversion : int32_t
{
    kConvertNone = 0,
    kConvertHighFirst = 1,
    kConvertLowFirst = 2,
    kConvertNegate = 3,
    kConvertLowByte = 4
};

constexpr PrefMapRow Row(const char (&suffix)[3], int16_t item, int16_t incident, int16_t destination,
                         int16_t sourceWord, int16_t size, int32_t conversion)
{
    return PrefMapRow{0, {suffix[0], suffix[1]}, item, incident, destination, sourceWord, size, 0, conversion};
}

uint32_t SourceTag(const PrefMapRow& row);
int16_t SourceItem(const PrefMapRow& row);
bool SameSource(const PrefMapRow& a, const PrefMapRow& b);

// A map array: the rows of one emulated preference record, in field order.
struct PrefMapArray
{
    const char* name;
    uint32_t tag;
    PrefMapRow* rows;
    std::size_t rowCount;
};

// Size of the emulated record: the sum of its rows' sizes.
uint32_t RecordSize(const PrefMapArray& map);

// The ten map arrays.
PrefMapArray* MapArrays();
std::size_t MapArrayCount();

// The map array for a requested tag and item ('pfPF' only for item 0), or null.
PrefMapArray* FindMapArray(uint32_t tag, int16_t item);

// A preference record made of whole 'ot..' records of item -2.
struct PrefBlockMap
{
    uint32_t tag;
    uint32_t sourceTag;
    int16_t records;
    int16_t firstItem; // requested item range; 0 and 0: any item, from incident 0
    int16_t lastItem;  // with a range, the record starts at incident item - 1
};

const PrefBlockMap* BlockMaps();
std::size_t BlockMapCount();
const PrefBlockMap* FindBlockMap(uint32_t tag);

bool HasItemRange(const PrefBlockMap& block);
bool ItemInRange(const PrefBlockMap& block, int16_t item);
int16_t FirstIncident(const PrefBlockMap& block, int16_t item);
uint32_t BlockBytes(const PrefBlockMap& block);

} // namespace fxhost

#endif
