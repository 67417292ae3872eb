#include <gtest/gtest.h>

#include <vector>

#include "core/FCIteratorHandler.h"
#include "core/__FCCollection.h"
#include "Tracked.h"

namespace
{

/* Appends a new element on every visit and stops at the tenth visit. */
class AppendingHandler : public FCIteratorHandler
{
public:
    explicit AppendingHandler(__FCCollection* pList) : list(pList) {}
    bool Iterate(__FCBase* p) override
    {
        seen.push_back(static_cast<Tracked*>(p)->value);
        if (seen.size() == 10)
            return false;
        list->Add(new Tracked(100 + static_cast<int>(seen.size())));
        return true;
    }
    __FCCollection* list;
    std::vector<int> seen;
};

class RecordingHandler : public FCIteratorHandler
{
public:
    bool Iterate(__FCBase* p) override
    {
        seen.push_back(static_cast<Tracked*>(p)->value);
        return static_cast<Tracked*>(p)->value != stopAt;
    }
    bool IterateIndex(__FCBase* p, int index) override
    {
        indexes.push_back(index);
        return Iterate(p);
    }
    bool Match(__FCBase* p) override { return static_cast<Tracked*>(p)->value == wanted; }
    int stopAt = -1;
    int wanted = -1;
    std::vector<int> seen;
    std::vector<int> indexes;
};

/* Ascending by value; fails the test if it is ever handed a null slot. */
class AscendingSorter : public FCIteratorHandler
{
public:
    int Compare(__FCBase* a, __FCBase* b) override
    {
        EXPECT_NE(a, nullptr);
        EXPECT_NE(b, nullptr);
        ++calls;
        if (!a || !b)
            return 0;
        return static_cast<Tracked*>(a)->value - static_cast<Tracked*>(b)->value;
    }
    int calls = 0;
};

std::vector<int> Values(const __FCCollection& list)
{
    std::vector<int> values;
    for (int i = 0; i < list.GetCount(); ++i)
        values.push_back(ValueAt(list, i));
    return values;
}

/* ---- Walks ---- */

TEST(CollectionWalk, HandlerThatAppendsSeesTheNewElements)
{
    __FCCollection list;
    Fill(list, 3);
    AppendingHandler handler(&list);
    EXPECT_EQ(list.ForEach(&handler), 9);
    EXPECT_EQ(handler.seen.size(), 10u);
    EXPECT_EQ(list.GetCount(), 12); /* 3 + 9 appended, all kept */
    EXPECT_EQ(handler.seen[3], 101);
    EXPECT_EQ(ValueAt(list, 11), 109);
}

TEST(CollectionWalk, NullSlotsAreSkippedAndNotCounted)
{
    __FCCollection list;
    list.Add(nullptr);
    Fill(list, 2);
    list.Add(nullptr);
    RecordingHandler handler;
    EXPECT_EQ(list.ForEach(&handler), 2);
    EXPECT_EQ(handler.seen, (std::vector<int>{0, 1}));
}

TEST(CollectionWalk, FalseStopsAtOnceAndIsNotCounted)
{
    __FCCollection list;
    Fill(list, 5);
    RecordingHandler handler;
    handler.stopAt = 2;
    EXPECT_EQ(list.ForEach(&handler), 2);
    EXPECT_EQ(handler.seen, (std::vector<int>{0, 1, 2}));
}

TEST(CollectionWalk, IndexedWalkPassesSlotIndexes)
{
    __FCCollection list;
    Fill(list, 2);
    list.InsertItemAt(nullptr, 1);
    RecordingHandler handler;
    EXPECT_EQ(list.ForEachIndex(&handler), 2);
    EXPECT_EQ(handler.indexes, (std::vector<int>{0, 2}));
}

TEST(CollectionWalk, ToEndFromStartsAtTheIndex)
{
    __FCCollection list;
    Fill(list, 5);
    RecordingHandler handler;
    EXPECT_EQ(list.ToEndFrom(3, &handler), 2);
    EXPECT_EQ(handler.seen, (std::vector<int>{3, 4}));
    EXPECT_EQ(list.ToEndFrom(9, &handler), 0);
}

TEST(CollectionWalk, FindFirstReturnsTheFirstMatch)
{
    __FCCollection list;
    list.Add(nullptr);
    Fill(list, 3);
    Fill(list, 3);
    RecordingHandler handler;
    handler.wanted = 2;
    EXPECT_EQ(list.FindFirst(&handler), list.GetItemAt(3));
    handler.wanted = 7;
    EXPECT_EQ(list.FindFirst(&handler), nullptr);
}

TEST(CollectionWalk, NullHandlerDoesNothing)
{
    __FCCollection list;
    Fill(list, 3);
    EXPECT_EQ(list.ForEach(nullptr), 0);
    EXPECT_EQ(list.ForEachIndex(nullptr), 0);
    EXPECT_EQ(list.FindFirst(nullptr), nullptr);
    EXPECT_FALSE(list.Sort(nullptr));
}

/* ---- Sorting ---- */

TEST(CollectionSort, OrdersElementsAndReportsExchanges)
{
    __FCCollection list;
    for (int v : {5, 3, 9, 1, 3})
        list.Add(new Tracked(v));
    AscendingSorter sorter;
    EXPECT_TRUE(list.Sort(&sorter));
    EXPECT_EQ(Values(list), (std::vector<int>{1, 3, 3, 5, 9}));
    EXPECT_FALSE(list.Sort(&sorter)); /* already in order: no exchange */
}

TEST(CollectionSort, NullSlotsAreNeverComparedOrMoved)
{
    __FCCollection list;
    list.Add(new Tracked(4));
    list.Add(nullptr);
    list.Add(new Tracked(2));
    list.Add(nullptr);
    list.Add(new Tracked(1));
    AscendingSorter sorter;
    EXPECT_TRUE(list.Sort(&sorter));
    EXPECT_EQ(Values(list), (std::vector<int>{1, -1, 2, -1, 4}));
    EXPECT_EQ(sorter.calls, 3);
}

TEST(CollectionSort, FewerThanTwoElementsAreLeftAlone)
{
    __FCCollection list;
    AscendingSorter sorter;
    EXPECT_FALSE(list.Sort(&sorter));
    list.Add(new Tracked(1));
    EXPECT_FALSE(list.Sort(&sorter));
    EXPECT_EQ(sorter.calls, 0);
}

} // namespace
