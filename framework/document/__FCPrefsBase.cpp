#include "document/__FCPrefsBase.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"
#include "hostlink/fx_host_abi.h"

namespace
{
using MapRecord = __FCPrefsBase::PREFERENCE_LOCATION_MAPRECORD;
static_assert(sizeof(MapRecord) == 24, "map records are 24 bytes");

constexpr uint32_t kSourceTagBase = 0x6F740000;
constexpr int16_t kPrefsItem = -2;
constexpr uint32_t kSourceVersion = qz::kHostVersion19;
constexpr int kWordsPerSource = 6;

/* Name positions of staves ('ot04' full, 'ot66' abbreviated) and groups
   ('ot79'): words of incident 0 of item -2. */
const MapRecord kStaffNamePosFullRows[] = {
    {0, '0', '4', 0, 0, 0, 0, 0, 2, 0, 0, 0},
    {0, '0', '4', 0, 0, 0, 2, 1, 2, 0, 0, 0},
    {0, '0', '4', 0, 0, 0, 10, 5, 2, 0, 0, 0},
};
const MapRecord kStaffNamePosAbbrvRows[] = {
    {0, '6', '6', 0, 0, 0, 0, 0, 2, 0, 0, 0},
    {0, '6', '6', 0, 0, 0, 2, 1, 2, 0, 0, 0},
    {0, '6', '6', 0, 0, 0, 10, 5, 2, 0, 0, 0},
};
const MapRecord kGroupNamePosFullRows[] = {
    {0, '7', '9', 0, 0, 0, 0, 0, 2, 0, 0, 0},
    {0, '7', '9', 0, 0, 0, 2, 1, 2, 0, 0, 0},
    {0, '7', '9', 0, 0, 0, 4, 2, 2, 0, 0, 0},
};

template <int N>
constexpr __FCPrefsBase::PREFMAP MakeMap(const char* name, const MapRecord (&rows)[N])
{
    return {name, rows, N};
}
constexpr __FCPrefsBase::PREFMAP NamedMap(const char* name) { return {name, nullptr, 0}; }

/* Which map a preference tag and item number use. */
struct MapChoice
{
    uint32_t tag;
    int16_t item;
    const __FCPrefsBase::PREFMAP* map;
};
const MapChoice kMapChoices[] = {
    {QZ_FOURCC("pfSp"), 0, &_FCStaffNamePosPrefsFull_MAP_ARRAY},
    {QZ_FOURCC("pfSp"), 1, &_FCStaffNamePosPrefsAbbrv_MAP_ARRAY},
};

uint32_t SourceTag(const MapRecord& row)
{
    return kSourceTagBase | (static_cast<uint32_t>(static_cast<unsigned char>(row.tagchar1)) << 8) |
           static_cast<unsigned char>(row.tagchar2);
}

bool SameSource(const MapRecord& a, const MapRecord& b)
{
    return a.tagchar1 == b.tagchar1 && a.tagchar2 == b.tagchar2 && a.item == b.item && a.inci == b.inci;
}

bool Applies(const MapRecord& row) { return GetFinaleFrameworkVersion() >= row.minversion; }

int16_t GetWord(const unsigned char* pRecord, int index)
{
    return FCRecordField<int16_t>(static_cast<uint32_t>(index) * 2).Read(pRecord, __FCPrefsBase::kSourceRecordSize);
}

void SetWord(unsigned char* pRecord, int index, int16_t value)
{
    FCRecordField<int16_t>(static_cast<uint32_t>(index) * 2).Write(pRecord, __FCPrefsBase::kSourceRecordSize, value);
}

bool RowFitsSource(const MapRecord& row)
{
    const int words = row.size == 4 ? 2 : 1;
    return row.wordindex >= 0 && row.wordindex + words <= kWordsPerSource;
}
} // namespace

const __FCPrefsBase::PREFMAP _FCStaffNamePosPrefsFull_MAP_ARRAY =
    MakeMap("_FCStaffNamePosPrefsFull_MAP_ARRAY", kStaffNamePosFullRows);
const __FCPrefsBase::PREFMAP _FCStaffNamePosPrefsAbbrv_MAP_ARRAY =
    MakeMap("_FCStaffNamePosPrefsAbbrv_MAP_ARRAY", kStaffNamePosAbbrvRows);
const __FCPrefsBase::PREFMAP _FCEDTGroupNamePosPrefsFull_MAP_ARRAY =
    MakeMap("_FCEDTGroupNamePosPrefsFull_MAP_ARRAY", kGroupNamePosFullRows);
const __FCPrefsBase::PREFMAP _FCEDTGroupNamePosPrefsAbbrv_MAP_ARRAY =
    NamedMap("_FCEDTGroupNamePosPrefsAbbrv_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTPartScopePrefs_MAP_ARRAY = NamedMap("_FCEDTPartScopePrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTMMRestDefaultsPrefs_MAP_ARRAY = NamedMap("_FCEDTMMRestDefaultsPrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTLyricsPrefs_MAP_ARRAY = NamedMap("_FCEDTLyricsPrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTDistancePrefs_MAP_ARRAY = NamedMap("_FCEDTDistancePrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTSizePrefs_MAP_ARRAY = NamedMap("_FCEDTSizePrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTMiscDocPrefs_MAP_ARRAY = NamedMap("_FCEDTMiscDocPrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTRepeatPrefs_MAP_ARRAY = NamedMap("_FCEDTRepeatPrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTPianoBracePrefs_MAP_ARRAY = NamedMap("_FCEDTPianoBracePrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTSmartShapePrefs_MAP_ARRAY = NamedMap("_FCEDTSmartShapePrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTPlaybackPrefs_MAP_ARRAY = NamedMap("_FCEDTPlaybackPrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTMusicSpacingPrefs_MAP_ARRAY = NamedMap("_FCEDTMusicSpacingPrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTTiePrefs_MAP_ARRAY = NamedMap("_FCEDTTiePrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTPartExtractPrefs_MAP_ARRAY = NamedMap("_FCEDTPartExtractPrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTPageFormatPrefsScore_MAP_ARRAY = NamedMap("_FCEDTPageFormatPrefsScore_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTMusicCharsPrefsDistances_MAP_ARRAY =
    NamedMap("_FCEDTMusicCharsPrefsDistances_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTPre2012MusicCharsPrefs_MAP_ARRAY =
    NamedMap("_FCEDTPre2012MusicCharsPrefs_MAP_ARRAY");
const __FCPrefsBase::PREFMAP _FCEDTLayoutDistancePrefs_MAP_ARRAY = NamedMap("_FCEDTLayoutDistancePrefs_MAP_ARRAY");

const char* __FCPrefsBase::ClassName() const { return "__FCPrefsBase"; }

bool __FCPrefsBase::MapPrefStruct(PREFMAP* pMap) const
{
    const uint32_t tag = Tag();
    const int16_t item = GetItemNo();
    for (const MapChoice& choice : kMapChoices) {
        if (choice.tag != tag || choice.item != item || choice.map->count == 0)
            continue;
        if (pMap)
            *pMap = *choice.map;
        return true;
    }
    return false;
}

uint32_t __FCPrefsBase::_CalcMapExtent(const PREFMAP& map)
{
    uint32_t extent = 0;
    for (int i = 0; i < map.count; ++i) {
        const MapRecord& row = map.rows[i];
        if (row.structoffset >= 0 && row.size > 0)
            extent = std::max(extent, static_cast<uint32_t>(row.structoffset + row.size));
    }
    return extent;
}

bool __FCPrefsBase::Load(int16_t item)
{
    _SetKey(item, 0);
    if (MapPrefStruct(nullptr))
        return FragmentStructLoad();
    return LoadDataBlock();
}

bool __FCPrefsBase::Save()
{
    if (MapPrefStruct(nullptr))
        return FragmentStructSave();
    return __FCBaseData::Save();
}

bool __FCPrefsBase::Reload()
{
    if (!IsLoaded())
        return false;
    return Load(GetItemNo());
}

bool __FCPrefsBase::LoadFirst() { return Load(0); }

int32_t __FCPrefsBase::MakePrefsFourbyte(int16_t first, int16_t second, PREFMAP_ARRAY_CONVERSION conversion)
{
    const uint32_t a = static_cast<uint16_t>(first);
    const uint32_t b = static_cast<uint16_t>(second);
    switch (conversion) {
    case PREFMAPCONV_FIRSTWORDHIGH: return static_cast<int32_t>((a << 16) | b);
    case PREFMAPCONV_SECONDWORDHIGH: return static_cast<int32_t>((b << 16) | a);
    default: return 0;
    }
}

bool __FCPrefsBase::MakePrefsTwobytes(int32_t value, int16_t* pFirst, int16_t* pSecond,
                                      PREFMAP_ARRAY_CONVERSION conversion)
{
    if (!pFirst || !pSecond)
        return false;
    const uint32_t bits = static_cast<uint32_t>(value);
    const int16_t high = static_cast<int16_t>(static_cast<uint16_t>(bits >> 16));
    const int16_t low = static_cast<int16_t>(static_cast<uint16_t>(bits & 0xFFFF));
    switch (conversion) {
    case PREFMAPCONV_FIRSTWORDHIGH:
        *pFirst = high;
        *pSecond = low;
        return true;
    case PREFMAPCONV_SECONDWORDHIGH:
        *pFirst = low;
        *pSecond = high;
        return true;
    default: return false;
    }
}

/* Loads the row's 12-byte source record into a cleared buffer, so that a
   missing source reads as zeros and never as a previous record's words. */
bool __FCPrefsBase::_LoadSource(const MapRecord& row, unsigned char* pRecord) const
{
    std::memset(pRecord, 0, kSourceRecordSize);
    const int16_t key[3] = {row.item == 0 ? kPrefsItem : row.item, row.inci, 0};
    uint32_t size = kSourceRecordSize;
    return FX_LoadEData(SourceTag(row), key, pRecord, &size, kSourceVersion) != 0;
}

void __FCPrefsBase::_StoreValue(const MapRecord& row, const unsigned char* pRecord)
{
    if (!RowFitsSource(row))
        return;
    const int16_t word = GetWord(pRecord, row.wordindex);
    const uint32_t offset = static_cast<uint32_t>(row.structoffset);
    if (row.size == 4) {
        const int32_t value = MakePrefsFourbyte(word, GetWord(pRecord, row.wordindex + 1),
                                                static_cast<PREFMAP_ARRAY_CONVERSION>(row.conversion));
        _SetField(FCRecordField<int32_t>(offset), value);
        return;
    }
    _SetField(FCRecordField<int16_t>(offset), _LoadedWordValue(row, word));
}

int16_t __FCPrefsBase::_LoadedWordValue(const MapRecord& row, int16_t word)
{
    if (row.conversion == PREFMAPCONV_INVERT)
        return word == 0 ? 1 : 0;
    if (row.conversion == PREFMAPCONV_LOWBYTE)
        return static_cast<int16_t>(word & 0xFF);
    return word;
}

/* Only the low byte belongs to a low-byte value: the high byte of the word
   stays as it was. */
int16_t __FCPrefsBase::_SavedWordValue(const MapRecord& row, int16_t value, int16_t oldWord)
{
    if (row.conversion == PREFMAPCONV_INVERT)
        return value == 0 ? 1 : 0;
    if (row.conversion == PREFMAPCONV_LOWBYTE)
        return static_cast<int16_t>((static_cast<uint16_t>(oldWord) & 0xFF00) |
                                    (static_cast<uint16_t>(value) & 0x00FF));
    return value;
}

void __FCPrefsBase::_WriteBackValue(const MapRecord& row, unsigned char* pRecord) const
{
    if (!RowFitsSource(row))
        return;
    const uint32_t offset = static_cast<uint32_t>(row.structoffset);
    if (row.size == 4) {
        int16_t first = GetWord(pRecord, row.wordindex);
        int16_t second = GetWord(pRecord, row.wordindex + 1);
        if (MakePrefsTwobytes(_GetField(FCRecordField<int32_t>(offset)), &first, &second,
                              static_cast<PREFMAP_ARRAY_CONVERSION>(row.conversion))) {
            SetWord(pRecord, row.wordindex, first);
            SetWord(pRecord, row.wordindex + 1, second);
        }
        return;
    }
    const int16_t value = _GetField(FCRecordField<int16_t>(offset));
    SetWord(pRecord, row.wordindex, _SavedWordValue(row, value, GetWord(pRecord, row.wordindex)));
}

bool __FCPrefsBase::FragmentStructLoad()
{
    PREFMAP map{};
    if (!MapPrefStruct(&map))
        return false;
    /* The structure must hold every value the map writes. */
    if (DataSizeLoad() < _CalcMapExtent(map) || !_EnsureData() || _GetDataCapacity() < _CalcMapExtent(map)) {
        _SetLoadedSize(0);
        return false;
    }
    std::vector<MapRecord> rows(map.rows, map.rows + map.count);
    for (MapRecord& row : rows)
        row.done = 0;

    unsigned char source[kSourceRecordSize];
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].done || !Applies(rows[i]))
            continue;
        _LoadSource(rows[i], source);
        for (size_t j = i; j < rows.size(); ++j) {
            if (rows[j].done || !Applies(rows[j]) || !SameSource(rows[i], rows[j]))
                continue;
            _StoreValue(rows[j], source);
            rows[j].done = 1;
        }
    }
    _SetLoadedSize(DataSizeLoad());
    _TagDocumentID();
    return true;
}

bool __FCPrefsBase::FragmentStructSave()
{
    PREFMAP map{};
    if (!IsLoaded() || !MapPrefStruct(&map) || _GetDataCapacity() < _CalcMapExtent(map))
        return false;
    std::vector<MapRecord> rows(map.rows, map.rows + map.count);
    for (MapRecord& row : rows)
        row.done = 0;

    bool result = true;
    unsigned char source[kSourceRecordSize];
    unsigned char before[kSourceRecordSize];
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].done || !Applies(rows[i]))
            continue;
        _LoadSource(rows[i], source);
        std::memcpy(before, source, kSourceRecordSize);
        for (size_t j = i; j < rows.size(); ++j) {
            if (rows[j].done || !Applies(rows[j]) || !SameSource(rows[i], rows[j]))
                continue;
            _WriteBackValue(rows[j], source);
            rows[j].done = 1;
        }
        if (std::memcmp(before, source, kSourceRecordSize) == 0)
            continue;
        const int16_t key[3] = {rows[i].item == 0 ? kPrefsItem : rows[i].item, rows[i].inci, 0};
        if (!FX_SaveEData(SourceTag(rows[i]), key, source, kSourceRecordSize, kSourceVersion))
            result = false;
    }
    return result;
}
