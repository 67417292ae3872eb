#include <gtest/gtest.h>

#include "core/__FCCollection.h"
#include "Tracked.h"

namespace
{

class CollectionTest : public ::testing::Test
{
protected:
    void SetUp() override { liveBefore = Tracked::live; }
    void TearDown() override { EXPECT_EQ(Tracked::live, liveBefore) << "elements leaked or lost"; }
    int liveBefore = 0;
};

/* ---- Growth ---- */

TEST_F(CollectionTest, FirstElementAllocatesTenSlots)
{
    __FCCollection list;
    EXPECT_EQ(list._GetCapacity(), 0);
    list.Add(new Tracked(1));
    EXPECT_EQ(list._GetCapacity(), 10);
    Fill(list, 9);
    EXPECT_EQ(list._GetCapacity(), 10);
    list.Add(new Tracked(11));
    EXPECT_EQ(list._GetCapacity(), 20);
}

TEST_F(CollectionTest, StepWidensWithTheCount)
{
    __FCCollection list;
    Fill(list, 100);
    EXPECT_EQ(list._GetCapacity(), 100);
    list.Add(new Tracked()); /* count 100: step 10 */
    EXPECT_EQ(list._GetCapacity(), 110);
    Fill(list, 10);                      /* count 111 */
    EXPECT_EQ(list._GetCapacity(), 150); /* grown at count 110: step 50 */
    Fill(list, 890);                     /* count 1001 */
    EXPECT_EQ(list._GetCapacity(), 1050);
    list._RequireElement(100); /* count 1001: step 100 */
    EXPECT_EQ(list._GetCapacity(), 1200);
}

TEST_F(CollectionTest, RequireElementIgnoresNoRoomNeeded)
{
    __FCCollection list;
    list._RequireElement(0);
    list._RequireElement(-5);
    EXPECT_EQ(list._GetCapacity(), 0);
    list._RequireElement(25);
    EXPECT_EQ(list._GetCapacity(), 30);
    list._RequireElement(30);
    EXPECT_EQ(list._GetCapacity(), 30);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(CollectionTest, GrowingKeepsElementsAndNullSlots)
{
    __FCCollection list;
    Fill(list, 5);
    list.Add(nullptr);
    Fill(list, 20, 6);
    ASSERT_EQ(list.GetCount(), 26);
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(ValueAt(list, i), i == 5 ? -1 : i);
}

/* ---- Insert, get, detach, clear, swap ---- */

TEST_F(CollectionTest, InsertInsideMovesLaterElementsUp)
{
    __FCCollection list;
    Fill(list, 3);
    EXPECT_EQ(list.InsertItemAt(new Tracked(9), 1), 4);
    EXPECT_EQ(ValueAt(list, 0), 0);
    EXPECT_EQ(ValueAt(list, 1), 9);
    EXPECT_EQ(ValueAt(list, 2), 1);
    EXPECT_EQ(ValueAt(list, 3), 2);
}

TEST_F(CollectionTest, InsertOutsideTheListAppends)
{
    __FCCollection list;
    Fill(list, 3);
    EXPECT_EQ(list.InsertItemAt(new Tracked(5), 5), 4);
    EXPECT_EQ(ValueAt(list, 3), 5);
    EXPECT_EQ(list.InsertItemAt(new Tracked(6), 4), 5); /* index == count appends */
    EXPECT_EQ(list.InsertItemAt(new Tracked(7), -3), 6);
    EXPECT_EQ(ValueAt(list, 4), 6);
    EXPECT_EQ(ValueAt(list, 5), 7);
}

TEST_F(CollectionTest, GetItemAtOutOfRangeIsNull)
{
    __FCCollection empty;
    EXPECT_EQ(empty.GetItemAt(0), nullptr);
    __FCCollection list;
    Fill(list, 2);
    EXPECT_EQ(list.GetItemAt(-1), nullptr);
    EXPECT_EQ(list.GetItemAt(2), nullptr);
    EXPECT_NE(list.GetItemAt(1), nullptr);
}

TEST_F(CollectionTest, DetachHandsOverWithoutDeleting)
{
    __FCCollection list;
    Fill(list, 3);
    const int live = Tracked::live;
    __FCBase* p = list.DetachItemAt(0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Tracked::live, live);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(ValueAt(list, 0), 1);
    EXPECT_EQ(ValueAt(list, 1), 2);
    EXPECT_FALSE(list.ElementExists(p));
    EXPECT_EQ(list.DetachItemAt(2), nullptr);
    EXPECT_EQ(list.DetachItemAt(-1), nullptr);
    delete p;
}

TEST_F(CollectionTest, ClearItemDeletesTheElement)
{
    __FCCollection list;
    Fill(list, 3);
    const int live = Tracked::live;
    EXPECT_TRUE(list.ClearItemAt(1));
    EXPECT_EQ(Tracked::live, live - 1);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(ValueAt(list, 1), 2);
    EXPECT_FALSE(list.ClearItemAt(2));
    EXPECT_FALSE(list.ClearItemAt(-1));
    list.Add(nullptr);
    EXPECT_TRUE(list.ClearItemAt(2)); /* a null slot is removed too */
    EXPECT_EQ(list.GetCount(), 2);
}

TEST_F(CollectionTest, SwapExchangesOnlyTwoValidDistinctSlots)
{
    __FCCollection list;
    Fill(list, 3);
    EXPECT_FALSE(list.Swap(1, 1));
    EXPECT_FALSE(list.Swap(-1, 0));
    EXPECT_FALSE(list.Swap(0, 3));
    EXPECT_EQ(ValueAt(list, 0), 0);
    EXPECT_TRUE(list.Swap(0, 2));
    EXPECT_EQ(ValueAt(list, 0), 2);
    EXPECT_EQ(ValueAt(list, 2), 0);
}

TEST_F(CollectionTest, LookupsByIdentityAndUserData)
{
    __FCCollection list;
    list.Add(nullptr);
    Fill(list, 3);
    Tracked outsider(1);
    int key = 0;
    list.GetItemAt(2)->SetUserData(&key);
    list.GetItemAt(3)->SetUserData(&key);
    EXPECT_EQ(list.GetIndexOf(list.GetItemAt(3)), 3);
    EXPECT_EQ(list.GetIndexOf(&outsider), -1);
    EXPECT_TRUE(list.ElementExists(list.GetItemAt(1)));
    EXPECT_FALSE(list.ElementExists(&outsider));
    EXPECT_EQ(list.FindUserData(&key), list.GetItemAt(2));
    EXPECT_EQ(list.FindUserData(&outsider), nullptr);
    /* null user data: the null slot is never returned */
    EXPECT_EQ(list.FindUserData(nullptr), list.GetItemAt(1));
}

/* ---- Ownership ---- */

TEST_F(CollectionTest, DeletingTheListDeletesItsElements)
{
    const int live = Tracked::live;
    {
        __FCCollection list;
        Fill(list, 25);
        list.InsertItemAt(nullptr, 3);
        EXPECT_EQ(Tracked::live, live + 25);
    }
    EXPECT_EQ(Tracked::live, live);
}

TEST_F(CollectionTest, ClearAllEmptiesAndListStaysUsable)
{
    __FCCollection list;
    Fill(list, 12);
    list.ClearAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetItemAt(0), nullptr);
    Fill(list, 2, 40);
    EXPECT_EQ(ValueAt(list, 0), 40);
    EXPECT_EQ(list.GetCount(), 2);
}

TEST_F(CollectionTest, FreeElementsKeepsTheCountWithNullSlots)
{
    __FCCollection list;
    Fill(list, 4);
    const int live = Tracked::live;
    list._FreeElements();
    EXPECT_EQ(Tracked::live, live - 4);
    EXPECT_EQ(list.GetCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list.GetItemAt(i), nullptr);
}

} // namespace
