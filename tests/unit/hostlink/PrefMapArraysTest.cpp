// The preference map arrays and block-mapped tags against their stated shape.
#include <algorithm>
#include <set>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "common/qz_fourcc.h"
#include "hostlink/PrefMapArrays.h"

using namespace fxhost;
using hostlinktest::TagOf;

namespace
{

struct ExpectedShape
{
    const char* name;
    const char* tag;
    std::size_t rows;
    uint32_t bytes;
    std::size_t sources;
    std::set<int32_t> conversions;
};

const ExpectedShape kShapes[] = {
    {"EDT2005Prefs_MAP_ARRAY", "pf05", 11, 22, 9, {0}},
    {"EDTDistancePrefs_MAP_ARRAY", "pfDP", 36, 76, 15, {0, 1}},
    {"EDTExtractPrefs_MAP_ARRAY", "pfEX", 25, 50, 5, {0}},
    {"EDTMiscDocPrefs_MAP_ARRAY", "pfMS", 49, 104, 23, {0, 1, 3, 4}},
    {"EDTPianoBracePrefs_MAP_ARRAY", "pfPB", 11, 44, 5, {1}},
    {"EDTPageFormatPrefsScore_MAP_ARRAY", "pfPF", 22, 48, 9, {0, 1}},
    {"EDTPlaybackPrefs_MAP_ARRAY", "pfPL", 7, 14, 4, {0}},
    {"EDTRepeatPrefs_MAP_ARRAY", "pfRP", 20, 40, 5, {0}},
    {"EDTSizePrefs_MAP_ARRAY", "pfSI", 23, 54, 15, {0, 1}},
    {"EDTSmartShapePrefs_MAP_ARRAY", "pfSS", 43, 96, 12, {0, 1, 4}},
};

const PrefMapArray* MapNamed(const std::string& name)
{
    for (std::size_t i = 0; i < MapArrayCount(); ++i) {
        if (name == MapArrays()[i].name)
            return &MapArrays()[i];
    }
    return nullptr;
}

std::string Suffix(const PrefMapRow& row) { return std::string(row.suffix, 2); }

TEST(PrefMapArrays, EveryArrayHasItsStatedShape)
{
    ASSERT_EQ(MapArrayCount(), std::size(kShapes));
    for (const ExpectedShape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        const PrefMapArray* map = MapNamed(shape.name);
        ASSERT_NE(map, nullptr);
        EXPECT_EQ(map->tag, TagOf(shape.tag));
        EXPECT_EQ(map->rowCount, shape.rows);
        EXPECT_EQ(RecordSize(*map), shape.bytes);

        std::set<std::tuple<std::string, int16_t, int16_t>> sources;
        std::set<int32_t> conversions;
        for (std::size_t i = 0; i < map->rowCount; ++i) {
            sources.emplace(Suffix(map->rows[i]), map->rows[i].item, map->rows[i].incident);
            conversions.insert(map->rows[i].conversion);
        }
        EXPECT_EQ(sources.size(), shape.sources);
        EXPECT_EQ(conversions, shape.conversions);
    }
}

TEST(PrefMapArrays, FieldsFollowEachOtherInRowOrderWithValidRows)
{
    for (std::size_t m = 0; m < MapArrayCount(); ++m) {
        const PrefMapArray& map = MapArrays()[m];
        SCOPED_TRACE(map.name);
        int expectedOffset = 0;
        for (std::size_t i = 0; i < map.rowCount; ++i) {
            const PrefMapRow& row = map.rows[i];
            SCOPED_TRACE(i);
            EXPECT_EQ(row.destination, expectedOffset);
            expectedOffset += row.size;
            EXPECT_EQ(row.reserved, 0);
            EXPECT_GE(row.sourceWord, 0);
            if (row.size == 4) {
                EXPECT_LE(row.sourceWord, kOtherRecordWords - 2);
                EXPECT_TRUE(row.conversion == kConvertHighFirst || row.conversion == kConvertLowFirst);
            }
            else {
                EXPECT_EQ(row.size, 2);
                EXPECT_LE(row.sourceWord, kOtherRecordWords - 1);
                EXPECT_TRUE(row.conversion == kConvertNone || row.conversion == kConvertNegate ||
                            row.conversion == kConvertLowByte);
            }
            EXPECT_TRUE(row.item == 0 || Suffix(row) == "FI");
            EXPECT_GE(row.incident, 0);
            EXPECT_LE(row.incident, 8);
        }
    }
}

// Two rows that read overlapping words of one source record would undo each
// other's changes on save.
TEST(PrefMapArrays, NoTwoFieldsShareASourceWord)
{
    for (std::size_t m = 0; m < MapArrayCount(); ++m) {
        const PrefMapArray& map = MapArrays()[m];
        std::set<std::tuple<std::string, int16_t, int16_t, int>> words;
        for (std::size_t i = 0; i < map.rowCount; ++i) {
            const PrefMapRow& row = map.rows[i];
            for (int w = 0; w < row.size / 2; ++w) {
                EXPECT_TRUE(words.emplace(Suffix(row), row.item, row.incident, row.sourceWord + w).second)
                    << map.name << " row " << i;
            }
        }
    }
}

TEST(PrefMapArrays, StatedRowsAreWhereTheyBelong)
{
    const PrefMapRow& playback = MapNamed("EDTPlaybackPrefs_MAP_ARRAY")->rows[0];
    EXPECT_EQ(SourceTag(playback), QZ_FOURCC("ot13"));
    EXPECT_EQ(SourceItem(playback), -2);
    EXPECT_EQ(playback.incident, 0);
    EXPECT_EQ(playback.sourceWord, 1);
    EXPECT_EQ(playback.size, 2);
    EXPECT_EQ(playback.destination, 0);

    const PrefMapRow& brace = MapNamed("EDTPianoBracePrefs_MAP_ARRAY")->rows[0];
    EXPECT_EQ(SourceTag(brace), QZ_FOURCC("ot65"));
    EXPECT_EQ(brace.sourceWord, 2);
    EXPECT_EQ(brace.size, 4);
    EXPECT_EQ(brace.conversion, kConvertHighFirst);

    std::set<int16_t> fiItems;
    std::size_t extractMaxIncident = 0;
    for (const char* name : {"EDTMiscDocPrefs_MAP_ARRAY", "EDTSmartShapePrefs_MAP_ARRAY"}) {
        const PrefMapArray* map = MapNamed(name);
        std::set<int16_t> items;
        for (std::size_t i = 0; i < map->rowCount; ++i) {
            if (Suffix(map->rows[i]) == "FI")
                items.insert(map->rows[i].item);
        }
        EXPECT_EQ(items, (std::set<int16_t>{10, 11, 12})) << name;
    }
    const PrefMapArray* extract = MapNamed("EDTExtractPrefs_MAP_ARRAY");
    for (std::size_t i = 0; i < extract->rowCount; ++i)
        extractMaxIncident =
            std::max<std::size_t>(extractMaxIncident, static_cast<std::size_t>(extract->rows[i].incident));
    EXPECT_EQ(extractMaxIncident, 8u);
}

TEST(PrefMapArrays, ScorePageFormatMapIsExactlyAsGiven)
{
    struct Given
    {
        const char* source;
        int offset;
        int word;
        int size;
        int conversion;
    };
    const Given given[] = {
        {"14", 0, 0, 4, 1},  {"15", 4, 2, 4, 1},  {"39", 8, 2, 2, 0},  {"16", 10, 0, 2, 0}, {"16", 12, 1, 2, 0},
        {"16", 14, 2, 2, 0}, {"16", 16, 3, 2, 0}, {"02", 18, 0, 2, 0}, {"02", 20, 1, 2, 0}, {"02", 22, 2, 2, 0},
        {"02", 24, 3, 2, 0}, {"17", 26, 0, 2, 0}, {"17", 28, 1, 2, 0}, {"17", 30, 3, 2, 0}, {"17", 32, 2, 2, 0},
        {"01", 34, 4, 2, 0}, {"02", 36, 4, 2, 0}, {"13", 38, 5, 2, 0}, {"13", 40, 4, 2, 0}, {"02", 42, 5, 2, 0},
        {"03", 44, 0, 2, 0}, {"03", 46, 1, 2, 0},
    };
    const PrefMapArray* map = FindMapArray(QZ_FOURCC("pfPF"), 0);
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(map->rowCount, std::size(given));
    for (std::size_t i = 0; i < std::size(given); ++i) {
        SCOPED_TRACE(i);
        const PrefMapRow& row = map->rows[i];
        EXPECT_EQ(Suffix(row), given[i].source);
        EXPECT_EQ(row.item, 0);
        EXPECT_EQ(row.incident, 0);
        EXPECT_EQ(row.destination, given[i].offset);
        EXPECT_EQ(row.sourceWord, given[i].word);
        EXPECT_EQ(row.size, given[i].size);
        EXPECT_EQ(row.conversion, given[i].conversion);
    }
    EXPECT_EQ(FindMapArray(QZ_FOURCC("pfPF"), 1), nullptr);
}

TEST(PrefBlockMaps, TableIsExactlyAsGiven)
{
    struct Given
    {
        const char* tag;
        const char* source;
        int records;
        int first;
        int last;
    };
    const Given given[] = {
        {"pfGD", "ot79", 1, 0, 0},  {"pfGG", "ot88", 11, 0, 0}, {"pfGb", "ot98", 1, 1, 4},   {"pfGd", "ot80", 1, 0, 0},
        {"pfGs", "ot91", 1, 1, 1},  {"pfMM", "ot25", 2, 0, 0},  {"pfND", "ot04", 1, 0, 0},   {"pfNd", "ot66", 1, 0, 0},
        {"pfPF", "ot77", 4, 1, 1},  {"pfSC", "ot52", 2, 0, 0},  {"pfSN", "ot40", 1, 1, 128}, {"pfSP", "ot94", 3, 0, 0},
        {"pfSl", "ot26", 1, 1, 15}, {"pfTC", "ot86", 5, 0, 0},  {"pfTI", "ot84", 4, 0, 0},   {"pfTX", "ot78", 9, 0, 0},
        {"pfTp", "ot85", 4, 0, 0},  {"pfTs", "ot90", 1, 1, 9},
    };
    ASSERT_EQ(BlockMapCount(), std::size(given));
    for (const Given& g : given) {
        SCOPED_TRACE(g.tag);
        const PrefBlockMap* block = FindBlockMap(TagOf(g.tag));
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(block->sourceTag, TagOf(g.source));
        EXPECT_EQ(block->records, g.records);
        EXPECT_EQ(block->firstItem, g.first);
        EXPECT_EQ(block->lastItem, g.last);
    }
}

} // namespace
