#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <random>

#include "hostsim/RecordStore.h"
#include "common/qz_fourcc.h"
#include "hostsim/TagRules.h"

using namespace hostsim;

namespace
{

constexpr uint32_t kSODT = QZ_FOURCC("SODT"), kSOIu = QZ_FOURCC("SOIu");

RecordId id(uint32_t tag, int16_t a, int16_t b, int16_t scope = -1) { return RecordId{scope, tag, RecordKey(a, b)}; }

class RecordStoreTest : public ::testing::Test
{
protected:
    void put(uint32_t tag, int16_t a, int16_t b, uint8_t fill = 1, int16_t scope = -1)
    {
        store.put(id(tag, a, b, scope), Bytes(4, fill));
    }
    RecordStore store;
};

TEST_F(RecordStoreTest, NextPolicyTakesOneAboveTheHighestItem)
{
    put(kSODT, 1, 0);
    put(kSODT, 2, 0);
    put(kSODT, 5, 0);
    auto n = store.allocate(id(kSODT, -1, -1), 0, 1, AllocationPolicy::Next);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 6);
}

TEST_F(RecordStoreTest, LowestFreePolicyFillsTheFirstGap)
{
    put(kSODT, 1, 0);
    put(kSODT, 2, 0);
    put(kSODT, 5, 0);
    EXPECT_EQ(store.allocate(id(kSODT, -1, -1), 0, 1, AllocationPolicy::LowestFree).value_or(-1), 3);
}

TEST_F(RecordStoreTest, FirstItemOfAnEmptyTagIsTheBase)
{
    EXPECT_EQ(store.allocate(id(kSODT, -1, -1), 0, 1, AllocationPolicy::Next).value_or(-1), 1);
    EXPECT_EQ(store.allocate(id(kSOIu, 7, -1), 1, 0, AllocationPolicy::Next).value_or(-1), 0);
}

TEST_F(RecordStoreTest, IncidentAllocationLooksOnlyAtTheSameItem)
{
    put(kSOIu, 0, 0);
    put(kSOIu, 0, 1);
    put(kSOIu, 0, 2);
    put(kSOIu, 3, 0);
    EXPECT_EQ(store.allocate(id(kSOIu, 3, -1), 1, 0, AllocationPolicy::Next).value_or(-1), 1);
    EXPECT_EQ(store.allocate(id(kSOIu, 0, -1), 1, 0, AllocationPolicy::Next).value_or(-1), 3);
}

TEST_F(RecordStoreTest, NegativeItemsDoNotCountAsHighest)
{
    put(kSOIu, 2, 0);
    put(kSOIu, -36, 0); // staff set 1 (65500)
    put(kSOIu, -2, 0);  // preference item
    EXPECT_EQ(store.allocate(id(kSOIu, -1, 0), 0, 1, AllocationPolicy::Next).value_or(-1), 3);
}

TEST_F(RecordStoreTest, AllocationFallsBackToAGapWhenTheTopIsTaken)
{
    put(kSODT, 2, 0);
    put(kSODT, 32767, 0);
    EXPECT_EQ(store.allocate(id(kSODT, -1, -1), 0, 1, AllocationPolicy::Next).value_or(-1), 1);
}

TEST_F(RecordStoreTest, AllocationRecordsTheCounter)
{
    put(kSODT, 4, 0);
    store.allocate(id(kSODT, -1, -1), 0, 1, AllocationPolicy::Next);
    auto it = store.counters().find({-1, kSODT});
    ASSERT_NE(it, store.counters().end());
    EXPECT_EQ(it->second, 5);
}

TEST_F(RecordStoreTest, PutReplacesBytesAndSize)
{
    put(kSODT, 1, 0);
    store.put(id(kSODT, 1, 0), Bytes(46, 7));
    ASSERT_NE(store.find(id(kSODT, 1, 0)), nullptr);
    EXPECT_EQ(store.find(id(kSODT, 1, 0))->size(), 46u);
    EXPECT_EQ(store.size(), 1u);
}

TEST_F(RecordStoreTest, CompactingDeleteShiftsTheFollowingIncidentsDown)
{
    for (int16_t i = 0; i < 4; ++i)
        put(kSOIu, 9, i, uint8_t(10 + i));
    put(kSOIu, 10, 0, 99);
    ASSERT_TRUE(store.eraseCompacting(id(kSOIu, 9, 1), 1));
    auto list = store.incidentList(-1, kSOIu, 9);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ((*list[0])[0], 10);
    EXPECT_EQ((*list[1])[0], 12);
    EXPECT_EQ((*list[2])[0], 13);
    EXPECT_EQ(store.find(id(kSOIu, 9, 3)), nullptr);
    EXPECT_EQ((*store.find(id(kSOIu, 10, 0)))[0], 99); // another item is left alone
}

TEST_F(RecordStoreTest, DeletingAMissingRecordReportsFalse)
{
    EXPECT_FALSE(store.erase(id(kSOIu, 1, 0)));
    EXPECT_FALSE(store.eraseCompacting(id(kSOIu, 1, 0), 1));
}

TEST_F(RecordStoreTest, NextOrdersItemsAsUnsignedValues)
{
    put(kSOIu, -2, 0);  // 65534
    put(kSOIu, -36, 0); // 65500
    put(kSOIu, 0, 0);
    put(kSOIu, 0, 1);
    put(kSOIu, -35, 0); // 65501
    std::vector<uint16_t> seen;
    std::optional<RecordId> at = id(kSOIu, 0, 0);
    seen.push_back(at->key.words[0]);
    while ((at = store.next(*at)))
        seen.push_back(at->key.words[0]);
    EXPECT_EQ(seen, (std::vector<uint16_t>{0, 0, 65500, 65501, 65534}));
}

TEST_F(RecordStoreTest, NextAndPreviousStayWithinScopeAndTag)
{
    put(kSOIu, 5, 0, 1, 0);
    put(kSOIu, 6, 0, 1, 1); // another part
    put(kSODT, 7, 0);
    EXPECT_FALSE(store.next(id(kSOIu, 5, 0, 0)).has_value());
    EXPECT_FALSE(store.previous(id(kSOIu, 6, 0, 1)).has_value());
    auto prev = store.previous(id(kSOIu, 6, 0, 0));
    ASSERT_TRUE(prev);
    EXPECT_EQ(prev->key.part(0), 5);
}

/* Many records written and deleted in random order (runs split and merge)
   answer find, next, previous, order and compaction as an ordered map does. */
TEST_F(RecordStoreTest, LargeStoresAgreeWithAnOrderedMap)
{
    std::map<RecordId, uint8_t> expected;
    std::mt19937 rng(7);
    auto pick = [&] { return id(rng() % 2 ? kSOIu : kSODT, int16_t(rng() % 40 - 3), int16_t(rng() % 300)); };
    for (int i = 0; i < 40000; ++i) {
        RecordId at = pick();
        if (rng() % 3 == 0) {
            EXPECT_EQ(store.erase(at), expected.erase(at) == 1);
            continue;
        }
        store.put(at, Bytes(2, uint8_t(i)));
        expected[at] = uint8_t(i);
    }
    ASSERT_EQ(store.size(), expected.size());
    auto it = expected.begin();
    for (const auto& [rid, bytes] : store.records()) {
        ASSERT_TRUE(it != expected.end() && rid == it->first);
        EXPECT_EQ(bytes[0], it->second);
        ++it;
    }
    for (int i = 0; i < 2000; ++i) {
        RecordId at = pick();
        auto above = expected.upper_bound(at);
        auto found = store.next(at);
        EXPECT_EQ(found.has_value(), above != expected.end() && above->first.tag == at.tag);
        if (found && above != expected.end()) {
            EXPECT_EQ(*found, above->first);
        }
        auto before = expected.lower_bound(at);
        auto back = store.previous(at);
        EXPECT_EQ(back.has_value(), before != expected.begin() && std::prev(before)->first.tag == at.tag);
        if (back && before != expected.begin()) {
            EXPECT_EQ(*back, std::prev(before)->first);
        }
    }
    for (int16_t inci = 0; inci < 3000; ++inci)
        put(kSOIu, 100, inci, uint8_t(inci));
    ASSERT_TRUE(store.eraseCompacting(id(kSOIu, 100, 5), 1));
    auto list = store.incidentList(-1, kSOIu, 100);
    ASSERT_EQ(list.size(), 2999u);
    EXPECT_EQ((*list[5])[0], 6);
    EXPECT_EQ((*list[2998])[0], uint8_t(2999));
}

TEST_F(RecordStoreTest, EveryWriteGivesANewStamp)
{
    const uint64_t empty = store.stamp();
    EXPECT_NE(empty, RecordStore().stamp());
    std::vector<uint64_t> seen{empty};
    const auto changed = [&] {
        const bool fresh = std::find(seen.begin(), seen.end(), store.stamp()) == seen.end();
        seen.push_back(store.stamp());
        return fresh;
    };
    put(kSODT, 1, 0);
    EXPECT_TRUE(changed());
    store.allocate(id(kSODT, -1, -1), 0, 1, AllocationPolicy::Next);
    EXPECT_TRUE(changed());
    store.restoreCounters({});
    EXPECT_TRUE(changed());
    store.restore(id(kSODT, 2, 0), Bytes(2, 0));
    EXPECT_TRUE(changed());
    EXPECT_FALSE(store.erase(id(kSODT, 9, 0)));
    EXPECT_FALSE(changed());
    EXPECT_TRUE(store.erase(id(kSODT, 1, 0)));
    EXPECT_TRUE(changed());
    store.clear();
    EXPECT_TRUE(changed());
}

TEST_F(RecordStoreTest, KeyShapesFollowTheTagTable)
{
    EXPECT_EQ(TagRules::shape(QZ_FOURCC("SOIu")), KeyShape::Incident);
    EXPECT_EQ(TagRules::shape(QZ_FOURCC("SODT")), KeyShape::NoIncident);
    EXPECT_EQ(TagRules::shape(QZ_FOURCC("txbl")), KeyShape::RawText);
    EXPECT_EQ(TagRules::shape(QZ_FOURCC("dtLP")), KeyShape::Detail);
    EXPECT_EQ(TagRules::shape(QZ_FOURCC("SOSC")), KeyShape::StaffMeasurePos);
    EXPECT_EQ(TagRules::shape(QZ_FOURCC("pfgp")), KeyShape::NoIncident);
    EXPECT_EQ(TagRules::shape(QZ_FOURCC("ot13")), KeyShape::Incident);
}

TEST(RecordKeyTest, StaffMeasurePositionKeyRoundTrips)
{
    int16_t raw[4] = {3, 7, 0, 0};
    int32_t pos = -123456;
    std::memcpy(raw + 2, &pos, sizeof pos);
    RecordKey k = RecordKey::read(KeyShape::StaffMeasurePos, raw);
    int16_t back[4] = {0, 0, 0, 0};
    k.write(KeyShape::StaffMeasurePos, back);
    EXPECT_EQ(std::memcmp(raw, back, sizeof raw), 0);
    EXPECT_EQ(k.toString(KeyShape::StaffMeasurePos), "(3,7,-123456)");
}

} // namespace
