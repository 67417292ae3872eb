#include "hostlink/PrefMapArrays.h"
#include "common/qz_fourcc.h"

namespace fxhost
{

namespace
{

// 11 rows, 22 bytes, 9 source records.
PrefMapRow EDT2005Prefs_MAP_ARRAY[] = {
    Row("41", 0, 0, 0, 0, 2, 0),  Row("41", 0, 0, 2, 1, 2, 0),  Row("42", 0, 0, 4, 0, 2, 0),
    Row("43", 0, 0, 6, 0, 2, 0),  Row("43", 0, 0, 8, 2, 2, 0),  Row("44", 0, 0, 10, 3, 2, 0),
    Row("45", 0, 0, 12, 0, 2, 0), Row("46", 0, 0, 14, 1, 2, 0), Row("47", 0, 0, 16, 0, 2, 0),
    Row("48", 0, 0, 18, 5, 2, 0), Row("49", 0, 0, 20, 0, 2, 0),
};

// 36 rows, 76 bytes, 15 source records.
PrefMapRow EDTDistancePrefs_MAP_ARRAY[] = {
    Row("05", 0, 0, 0, 0, 2, 0),  Row("05", 0, 0, 2, 1, 2, 0),  Row("05", 0, 0, 4, 2, 2, 0),
    Row("05", 0, 0, 6, 3, 2, 0),  Row("06", 0, 0, 8, 0, 4, 1),  Row("06", 0, 0, 12, 2, 2, 0),
    Row("06", 0, 0, 14, 3, 2, 0), Row("07", 0, 0, 16, 0, 2, 0), Row("07", 0, 0, 18, 1, 2, 0),
    Row("07", 0, 0, 20, 2, 2, 0), Row("08", 0, 0, 22, 0, 2, 0), Row("08", 0, 0, 24, 1, 2, 0),
    Row("08", 0, 0, 26, 2, 2, 0), Row("08", 0, 0, 28, 3, 2, 0), Row("09", 0, 0, 30, 0, 2, 0),
    Row("09", 0, 0, 32, 1, 2, 0), Row("10", 0, 0, 34, 0, 2, 0), Row("10", 0, 0, 36, 1, 2, 0),
    Row("11", 0, 0, 38, 2, 4, 1), Row("11", 0, 0, 42, 0, 2, 0), Row("12", 0, 0, 44, 0, 2, 0),
    Row("12", 0, 0, 46, 1, 2, 0), Row("12", 0, 0, 48, 2, 2, 0), Row("18", 0, 0, 50, 0, 2, 0),
    Row("18", 0, 0, 52, 1, 2, 0), Row("19", 0, 0, 54, 0, 2, 0), Row("19", 0, 0, 56, 1, 2, 0),
    Row("20", 0, 0, 58, 0, 2, 0), Row("20", 0, 0, 60, 1, 2, 0), Row("20", 0, 0, 62, 2, 2, 0),
    Row("21", 0, 0, 64, 0, 2, 0), Row("21", 0, 0, 66, 1, 2, 0), Row("22", 0, 0, 68, 0, 2, 0),
    Row("23", 0, 0, 70, 0, 2, 0), Row("24", 0, 0, 72, 0, 2, 0), Row("24", 0, 0, 74, 1, 2, 0),
};

// 25 rows, 50 bytes, 5 source records.
PrefMapRow EDTExtractPrefs_MAP_ARRAY[] = {
    Row("30", 0, 0, 0, 0, 2, 0),  Row("30", 0, 0, 2, 1, 2, 0),  Row("30", 0, 0, 4, 2, 2, 0),
    Row("30", 0, 0, 6, 3, 2, 0),  Row("30", 0, 0, 8, 4, 2, 0),  Row("30", 0, 0, 10, 5, 2, 0),
    Row("30", 0, 4, 12, 0, 2, 0), Row("30", 0, 4, 14, 1, 2, 0), Row("30", 0, 4, 16, 2, 2, 0),
    Row("30", 0, 4, 18, 3, 2, 0), Row("30", 0, 4, 20, 4, 2, 0), Row("30", 0, 4, 22, 5, 2, 0),
    Row("30", 0, 8, 24, 0, 2, 0), Row("30", 0, 8, 26, 1, 2, 0), Row("30", 0, 8, 28, 2, 2, 0),
    Row("30", 0, 8, 30, 3, 2, 0), Row("30", 0, 8, 32, 4, 2, 0), Row("31", 0, 0, 34, 0, 2, 0),
    Row("31", 0, 0, 36, 1, 2, 0), Row("31", 0, 0, 38, 2, 2, 0), Row("31", 0, 0, 40, 3, 2, 0),
    Row("32", 0, 0, 42, 0, 2, 0), Row("32", 0, 0, 44, 1, 2, 0), Row("32", 0, 0, 46, 2, 2, 0),
    Row("32", 0, 0, 48, 3, 2, 0),
};

// 49 rows, 104 bytes, 23 source records.
PrefMapRow EDTMiscDocPrefs_MAP_ARRAY[] = {
    Row("FI", 10, 0, 0, 0, 2, 0),  Row("FI", 10, 0, 2, 1, 2, 0), Row("FI", 11, 0, 4, 0, 2, 0),
    Row("FI", 11, 0, 6, 1, 2, 0),  Row("FI", 12, 0, 8, 0, 2, 0), Row("FI", 12, 0, 10, 1, 2, 0),
    Row("50", 0, 0, 12, 0, 2, 0),  Row("50", 0, 0, 14, 1, 2, 3), Row("50", 0, 0, 16, 2, 2, 4),
    Row("51", 0, 0, 18, 0, 4, 1),  Row("51", 0, 0, 22, 2, 2, 0), Row("53", 0, 0, 24, 0, 2, 0),
    Row("53", 0, 0, 26, 1, 2, 0),  Row("53", 0, 0, 28, 2, 2, 3), Row("54", 0, 0, 30, 0, 2, 4),
    Row("54", 0, 0, 32, 1, 2, 4),  Row("55", 0, 0, 34, 0, 2, 0), Row("55", 0, 0, 36, 1, 2, 0),
    Row("56", 0, 0, 38, 0, 4, 1),  Row("57", 0, 0, 42, 0, 2, 0), Row("57", 0, 0, 44, 1, 2, 0),
    Row("57", 0, 0, 46, 2, 2, 0),  Row("58", 0, 0, 48, 0, 2, 3), Row("58", 0, 0, 50, 1, 2, 0),
    Row("59", 0, 0, 52, 0, 2, 0),  Row("59", 0, 0, 54, 1, 2, 0), Row("61", 0, 0, 56, 0, 2, 0),
    Row("61", 0, 0, 58, 1, 2, 0),  Row("61", 0, 0, 60, 2, 2, 0), Row("62", 0, 0, 62, 0, 2, 0),
    Row("62", 0, 0, 64, 1, 2, 0),  Row("63", 0, 0, 66, 0, 2, 0), Row("64", 0, 0, 68, 0, 2, 0),
    Row("64", 0, 0, 70, 1, 2, 0),  Row("67", 0, 0, 72, 0, 2, 0), Row("67", 0, 0, 74, 1, 2, 0),
    Row("67", 0, 0, 76, 2, 2, 0),  Row("68", 0, 0, 78, 2, 4, 1), Row("68", 0, 0, 82, 0, 2, 0),
    Row("69", 0, 0, 84, 0, 2, 0),  Row("69", 0, 0, 86, 1, 2, 0), Row("70", 0, 0, 88, 0, 2, 0),
    Row("70", 0, 0, 90, 1, 2, 0),  Row("70", 0, 0, 92, 2, 2, 0), Row("71", 0, 0, 94, 0, 2, 0),
    Row("71", 0, 0, 96, 1, 2, 0),  Row("72", 0, 0, 98, 0, 2, 0), Row("73", 0, 0, 100, 0, 2, 0),
    Row("73", 0, 0, 102, 1, 2, 0),
};

// 11 rows, 44 bytes, 5 source records.
PrefMapRow EDTPianoBracePrefs_MAP_ARRAY[] = {
    Row("65", 0, 0, 0, 2, 4, 1),  Row("65", 0, 0, 4, 0, 4, 1),  Row("65", 0, 0, 8, 4, 4, 1),
    Row("65", 0, 1, 12, 0, 4, 1), Row("65", 0, 1, 16, 2, 4, 1), Row("65", 0, 2, 20, 0, 4, 1),
    Row("65", 0, 2, 24, 2, 4, 1), Row("65", 0, 3, 28, 0, 4, 1), Row("65", 0, 3, 32, 2, 4, 1),
    Row("65", 0, 4, 36, 0, 4, 1), Row("65", 0, 4, 40, 2, 4, 1),
};

// The score's page format, 48 bytes.
PrefMapRow EDTPageFormatPrefsScore_MAP_ARRAY[] = {
    Row("14", 0, 0, 0, 0, 4, 1),  Row("15", 0, 0, 4, 2, 4, 1),  Row("39", 0, 0, 8, 2, 2, 0),
    Row("16", 0, 0, 10, 0, 2, 0), Row("16", 0, 0, 12, 1, 2, 0), Row("16", 0, 0, 14, 2, 2, 0),
    Row("16", 0, 0, 16, 3, 2, 0), Row("02", 0, 0, 18, 0, 2, 0), Row("02", 0, 0, 20, 1, 2, 0),
    Row("02", 0, 0, 22, 2, 2, 0), Row("02", 0, 0, 24, 3, 2, 0), Row("17", 0, 0, 26, 0, 2, 0),
    Row("17", 0, 0, 28, 1, 2, 0), Row("17", 0, 0, 30, 3, 2, 0), Row("17", 0, 0, 32, 2, 2, 0),
    Row("01", 0, 0, 34, 4, 2, 0), Row("02", 0, 0, 36, 4, 2, 0), Row("13", 0, 0, 38, 5, 2, 0),
    Row("13", 0, 0, 40, 4, 2, 0), Row("02", 0, 0, 42, 5, 2, 0), Row("03", 0, 0, 44, 0, 2, 0),
    Row("03", 0, 0, 46, 1, 2, 0),
};

// 7 rows, 14 bytes, 4 source records.
PrefMapRow EDTPlaybackPrefs_MAP_ARRAY[] = {
    Row("13", 0, 0, 0, 1, 2, 0),  Row("13", 0, 0, 2, 2, 2, 0), Row("27", 0, 0, 4, 0, 2, 0),
    Row("27", 0, 0, 6, 1, 2, 0),  Row("28", 0, 0, 8, 0, 2, 0), Row("28", 0, 0, 10, 1, 2, 0),
    Row("29", 0, 0, 12, 0, 2, 0),
};

// 20 rows, 40 bytes, 5 source records.
PrefMapRow EDTRepeatPrefs_MAP_ARRAY[] = {
    Row("74", 0, 0, 0, 0, 2, 0),  Row("74", 0, 0, 2, 1, 2, 0),  Row("74", 0, 0, 4, 2, 2, 0),
    Row("74", 0, 0, 6, 3, 2, 0),  Row("75", 0, 0, 8, 0, 2, 0),  Row("75", 0, 0, 10, 1, 2, 0),
    Row("75", 0, 0, 12, 2, 2, 0), Row("75", 0, 0, 14, 3, 2, 0), Row("75", 0, 0, 16, 4, 2, 0),
    Row("76", 0, 0, 18, 0, 2, 0), Row("76", 0, 0, 20, 1, 2, 0), Row("76", 0, 0, 22, 2, 2, 0),
    Row("76", 0, 0, 24, 3, 2, 0), Row("81", 0, 0, 26, 0, 2, 0), Row("81", 0, 0, 28, 1, 2, 0),
    Row("81", 0, 0, 30, 2, 2, 0), Row("81", 0, 0, 32, 3, 2, 0), Row("82", 0, 0, 34, 0, 2, 0),
    Row("82", 0, 0, 36, 1, 2, 0), Row("82", 0, 0, 38, 2, 2, 0),
};

// 23 rows, 54 bytes, 15 source records.
PrefMapRow EDTSizePrefs_MAP_ARRAY[] = {
    Row("00", 0, 0, 0, 0, 4, 1),  Row("00", 0, 0, 4, 2, 2, 0),  Row("33", 0, 0, 6, 0, 2, 0),
    Row("33", 0, 0, 8, 1, 2, 0),  Row("34", 0, 0, 10, 0, 2, 0), Row("35", 0, 0, 12, 0, 4, 1),
    Row("36", 0, 0, 16, 0, 2, 0), Row("36", 0, 0, 18, 1, 2, 0), Row("37", 0, 0, 20, 0, 2, 0),
    Row("38", 0, 0, 22, 0, 2, 0), Row("38", 0, 0, 24, 1, 2, 0), Row("60", 0, 0, 26, 0, 4, 1),
    Row("60", 0, 0, 30, 2, 4, 1), Row("83", 0, 0, 34, 0, 2, 0), Row("83", 0, 0, 36, 1, 2, 0),
    Row("87", 0, 0, 38, 0, 2, 0), Row("89", 0, 0, 40, 0, 2, 0), Row("89", 0, 0, 42, 1, 2, 0),
    Row("92", 0, 0, 44, 0, 2, 0), Row("93", 0, 0, 46, 0, 2, 0), Row("93", 0, 0, 48, 1, 2, 0),
    Row("95", 0, 0, 50, 0, 2, 0), Row("96", 0, 0, 52, 0, 2, 0),
};

// 43 rows, 96 bytes, 12 source records.
PrefMapRow EDTSmartShapePrefs_MAP_ARRAY[] = {
    Row("FI", 10, 0, 0, 2, 2, 0),  Row("FI", 10, 0, 2, 3, 2, 0),  Row("FI", 10, 0, 4, 4, 2, 4),
    Row("FI", 10, 0, 6, 5, 2, 4),  Row("FI", 11, 0, 8, 2, 2, 0),  Row("FI", 11, 0, 10, 3, 2, 0),
    Row("FI", 11, 0, 12, 4, 2, 4), Row("FI", 11, 0, 14, 5, 2, 4), Row("FI", 12, 0, 16, 2, 2, 0),
    Row("FI", 12, 0, 18, 3, 2, 0), Row("FI", 12, 0, 20, 4, 2, 4), Row("FI", 12, 0, 22, 5, 2, 4),
    Row("97", 0, 0, 24, 0, 4, 1),  Row("97", 0, 0, 28, 2, 2, 0),  Row("97", 0, 0, 30, 3, 2, 0),
    Row("97", 0, 0, 32, 4, 2, 0),  Row("99", 0, 0, 34, 0, 4, 1),  Row("99", 0, 0, 38, 2, 2, 0),
    Row("99", 0, 0, 40, 3, 2, 0),  Row("99", 0, 0, 42, 4, 2, 0),  Row("A1", 0, 0, 44, 0, 4, 1),
    Row("A1", 0, 0, 48, 2, 2, 0),  Row("A1", 0, 0, 50, 3, 2, 0),  Row("A1", 0, 0, 52, 4, 2, 0),
    Row("A2", 0, 0, 54, 0, 2, 0),  Row("A2", 0, 0, 56, 1, 2, 0),  Row("A2", 0, 0, 58, 2, 2, 0),
    Row("A2", 0, 0, 60, 3, 2, 0),  Row("A3", 0, 0, 62, 0, 4, 1),  Row("A3", 0, 0, 66, 2, 2, 0),
    Row("A3", 0, 0, 68, 3, 2, 0),  Row("A4", 0, 0, 70, 0, 4, 1),  Row("A4", 0, 0, 74, 2, 2, 0),
    Row("A4", 0, 0, 76, 3, 2, 0),  Row("A5", 0, 0, 78, 0, 2, 0),  Row("A5", 0, 0, 80, 1, 2, 0),
    Row("A5", 0, 0, 82, 2, 2, 0),  Row("A6", 0, 0, 84, 0, 2, 0),  Row("A6", 0, 0, 86, 1, 2, 0),
    Row("A6", 0, 0, 88, 2, 2, 0),  Row("A7", 0, 0, 90, 0, 2, 0),  Row("A7", 0, 0, 92, 1, 2, 0),
    Row("A7", 0, 0, 94, 2, 2, 4),
};

constexpr int16_t kAnyItem = 0;

#define FXHOST_MAP(name, tag)                                       \
    {                                                               \
#name, QZ_FOURCC(tag), name, sizeof(name) / sizeof(name[0]) \
    }
PrefMapArray gMapArrays[] = {
    FXHOST_MAP(EDT2005Prefs_MAP_ARRAY, "pf05"),       FXHOST_MAP(EDTDistancePrefs_MAP_ARRAY, "pfDP"),
    FXHOST_MAP(EDTExtractPrefs_MAP_ARRAY, "pfEX"),    FXHOST_MAP(EDTMiscDocPrefs_MAP_ARRAY, "pfMS"),
    FXHOST_MAP(EDTPianoBracePrefs_MAP_ARRAY, "pfPB"), FXHOST_MAP(EDTPageFormatPrefsScore_MAP_ARRAY, "pfPF"),
    FXHOST_MAP(EDTPlaybackPrefs_MAP_ARRAY, "pfPL"),   FXHOST_MAP(EDTRepeatPrefs_MAP_ARRAY, "pfRP"),
    FXHOST_MAP(EDTSizePrefs_MAP_ARRAY, "pfSI"),       FXHOST_MAP(EDTSmartShapePrefs_MAP_ARRAY, "pfSS"),
};
#undef FXHOST_MAP

const uint32_t kPageFormatTag = QZ_FOURCC("pfPF");

const PrefBlockMap kBlockMaps[] = {
    {QZ_FOURCC("pfGD"), QZ_FOURCC("ot79"), 1, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfGG"), QZ_FOURCC("ot88"), 11, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfGb"), QZ_FOURCC("ot98"), 1, 1, 4},
    {QZ_FOURCC("pfGd"), QZ_FOURCC("ot80"), 1, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfGs"), QZ_FOURCC("ot91"), 1, 1, 1},
    {QZ_FOURCC("pfMM"), QZ_FOURCC("ot25"), 2, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfND"), QZ_FOURCC("ot04"), 1, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfNd"), QZ_FOURCC("ot66"), 1, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfPF"), QZ_FOURCC("ot77"), 4, 1, 1},
    {QZ_FOURCC("pfSC"), QZ_FOURCC("ot52"), 2, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfSN"), QZ_FOURCC("ot40"), 1, 1, 128},
    {QZ_FOURCC("pfSP"), QZ_FOURCC("ot94"), 3, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfSl"), QZ_FOURCC("ot26"), 1, 1, 15},
    {QZ_FOURCC("pfTC"), QZ_FOURCC("ot86"), 5, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfTI"), QZ_FOURCC("ot84"), 4, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfTX"), QZ_FOURCC("ot78"), 9, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfTp"), QZ_FOURCC("ot85"), 4, kAnyItem, kAnyItem},
    {QZ_FOURCC("pfTs"), QZ_FOURCC("ot90"), 1, 1, 9},
};

} // namespace

uint32_t SourceTag(const PrefMapRow& row)
{
    return QZ_FOURCC("ot\0\0") | (static_cast<uint32_t>(static_cast<unsigned char>(row.suffix[0])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(row.suffix[1]));
}

int16_t SourceItem(const PrefMapRow& row) { return row.item == 0 ? kOtherRecordItem : row.item; }

bool SameSource(const PrefMapRow& a, const PrefMapRow& b)
{
    return a.suffix[0] == b.suffix[0] && a.suffix[1] == b.suffix[1] && a.item == b.item && a.incident == b.incident;
}

uint32_t RecordSize(const PrefMapArray& map)
{
    uint32_t total = 0;
    for (std::size_t i = 0; i < map.rowCount; ++i)
        total += static_cast<uint32_t>(map.rows[i].size);
    return total;
}

PrefMapArray* MapArrays() { return gMapArrays; }

std::size_t MapArrayCount() { return sizeof(gMapArrays) / sizeof(gMapArrays[0]); }

PrefMapArray* FindMapArray(uint32_t tag, int16_t item)
{
    if (tag == kPageFormatTag && item != 0)
        return nullptr;
    for (PrefMapArray& map : gMapArrays) {
        if (map.tag == tag)
            return &map;
    }
    return nullptr;
}

const PrefBlockMap* BlockMaps() { return kBlockMaps; }

std::size_t BlockMapCount() { return sizeof(kBlockMaps) / sizeof(kBlockMaps[0]); }

const PrefBlockMap* FindBlockMap(uint32_t tag)
{
    for (const PrefBlockMap& block : kBlockMaps) {
        if (block.tag == tag)
            return &block;
    }
    return nullptr;
}

bool HasItemRange(const PrefBlockMap& block) { return block.firstItem != kAnyItem; }

bool ItemInRange(const PrefBlockMap& block, int16_t item)
{
    return !HasItemRange(block) || (item >= block.firstItem && item <= block.lastItem);
}

int16_t FirstIncident(const PrefBlockMap& block, int16_t item)
{
    return HasItemRange(block) ? static_cast<int16_t>(item - 1) : 0;
}

uint32_t BlockBytes(const PrefBlockMap& block) { return static_cast<uint32_t>(block.records) * kOtherRecordSize; }

} // namespace fxhost
