#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "records/FCOtherInci.h"
#include "common/qz_fourcc.h"
#include "records/FCOtherIncis.h"
#include "TestRecords.h"
#include "core/__FCCollection.h"
#include "records/__FCTempoElementSorter.h"

/* Copies of records, without the host. */

TEST(RecordCopy, CloneCarriesKeyTagDocumentAndAnOwnedCopyOfTheBytes)
{
    TestInciOther source;
    source.Prepare(42);
    source._SetKey(7, 3);
    source.SetCustomTag(QZ_FOURCC("otQQ"));

    std::unique_ptr<__FCBaseData> clone(source.CreateClone());
    ASSERT_NE(clone, nullptr);
    auto* copy = dynamic_cast<TestInciOther*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetItemNo(), 7);
    EXPECT_EQ(copy->GetItemInci(), 3);
    EXPECT_EQ(copy->GetCustomTag(), QZ_FOURCC("otQQ"));
    EXPECT_EQ(copy->GetWord0(), 42);
    EXPECT_TRUE(copy->_OwnsCopiedData());
    EXPECT_NE(copy->_GetData(), source._GetData());

    /* The copy is independent of the source. */
    source.SetWord0(1);
    EXPECT_EQ(copy->GetWord0(), 42);
}

TEST(RecordCopy, CloningAnUnloadedSourceChangesNothing)
{
    TestOther target;
    target.Prepare(9);
    TestOther empty;
    target.CloneMemoryFrom(&empty);
    EXPECT_EQ(target.GetWord0(), 9);
    EXPECT_EQ(target.GetLoadedSize(), 12u);
    target.CloneMemoryFrom(nullptr);
    EXPECT_EQ(target.GetWord0(), 9);
}

TEST(RecordCopy, ClearDataLeavesTheObjectUnloadedWithoutBuffer)
{
    TestOther source;
    source.Prepare(5);
    TestOther target;
    target.CloneMemoryFrom(&source);
    ASSERT_TRUE(target._OwnsCopiedData());
    target.ClearData();
    EXPECT_FALSE(target.IsLoaded());
    EXPECT_EQ(target._GetData(), nullptr);
    EXPECT_FALSE(target._OwnsCopiedData());
    EXPECT_FALSE(target.Save());
}

/* The general-purpose 12-byte incident and its list. */

TEST(OtherInci, NewObjectsFromCreateObjectAreTwelveLoadedBytes)
{
    FCOtherInci inci;
    EXPECT_EQ(inci.GetClassID(), 63);
    EXPECT_FALSE(inci.IsLoaded());
    inci.SetCustomTag(QZ_FOURCC("otZZ"));
    EXPECT_EQ(inci.Tag(), QZ_FOURCC("otZZ"));
    std::unique_ptr<__FCBaseData> made(inci.CreateObject());
    EXPECT_EQ(made->GetLoadedSize(), 12u);
    EXPECT_STREQ(made->ClassName(), "FCOtherInci");
}

TEST(OtherInci, CloneCopiesTwelveBytesIntoTheEmbeddedRecord)
{
    TestInciOther source;
    source.Prepare(0x1234);
    source.SetLong4(-99);
    FCOtherInci inci;
    inci.CloneMemoryFrom(&source);
    EXPECT_EQ(inci.GetLoadedSize(), 12u);
    EXPECT_EQ(inci._GetData(), inci.GetRecordBytes());
    EXPECT_EQ(std::memcmp(inci.GetRecordBytes(), source._GetData(), 12), 0);
}

TEST(OtherIncis, MemoryBlockOfThirtyBytesMakesTwoElementsAndIgnoresTheRest)
{
    unsigned char data[30];
    for (int i = 0; i < 30; ++i)
        data[i] = static_cast<unsigned char>(i + 1);
    FCOtherIncis list;
    list.SetCustomTag(QZ_FOURCC("otQQ"));
    EXPECT_EQ(list.MakeMemoryBlockCollection(data, sizeof data, 40), 2);
    ASSERT_EQ(list.GetCount(), 2);
    for (int i = 0; i < 2; ++i) {
        FCOtherInci* pElement = list.GetItemAt(i);
        ASSERT_NE(pElement, nullptr);
        EXPECT_EQ(pElement->GetItemNo(), 40);
        EXPECT_EQ(pElement->GetItemInci(), i);
        EXPECT_EQ(pElement->GetLoadedSize(), 12u);
        EXPECT_EQ(pElement->GetCustomTag(), QZ_FOURCC("otQQ"));
        EXPECT_EQ(std::memcmp(pElement->GetRecordBytes(), data + 12 * i, 12), 0);
    }
    EXPECT_EQ(list.GetMemoryBlockSize(), 24u);
    std::unique_ptr<uint8_t[]> block(list.CreateMemoryBlock());
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::memcmp(block.get(), data, 24), 0);
}

TEST(OtherIncis, EmptyOrShortBlocksGiveAnEmptyListAndNoMemoryBlock)
{
    unsigned char data[24] = {};
    FCOtherIncis list;
    EXPECT_EQ(list.MakeMemoryBlockCollection(data, sizeof data, 1), 2);
    EXPECT_EQ(list.MakeMemoryBlockCollection(data, 11, 1), 0);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.CreateMemoryBlock(), nullptr);
    EXPECT_EQ(list.MakeMemoryBlockCollection(nullptr, 24, 1), 0);
}

TEST(OtherIncis, ExpandToFitRoundsUpToWholeIncidents)
{
    FCOtherIncis list;
    unsigned char data[12] = {9};
    list.MakeMemoryBlockCollection(data, sizeof data, 5);
    list.ExpandToFitRecords(10, 3, 5); /* 30 bytes: 3 incidents */
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetItemAt(0)->GetRecordBytes() != nullptr, true);
    EXPECT_EQ(static_cast<const unsigned char*>(list.GetItemAt(0)->GetRecordBytes())[0], 9);
    EXPECT_EQ(list.GetItemAt(2)->GetItemInci(), 2);
    EXPECT_EQ(list.GetItemAt(2)->GetItemNo(), 5);
    list.ExpandToFitRecords(4, 3, 5); /* already holds 36 bytes */
    EXPECT_EQ(list.GetCount(), 3);
}

/* Sorting tempo elements by their first word. */

TEST(TempoElementSorter, OrdersByTheFirstSignedWordAndLeavesNullSlots)
{
    __FCCollection list;
    const int16_t words[] = {300, -20, 5};
    for (int16_t w : words) {
        auto* pElement = new TestInciOther();
        pElement->Prepare(w);
        list.Add(pElement);
    }
    list.InsertItemAt(nullptr, 1);
    __FCTempoElementSorter sorter;
    EXPECT_TRUE(list.Sort(&sorter));
    auto word = [&](int i) { return dynamic_cast<TestInciOther*>(list.GetItemAt(i))->GetWord0(); };
    EXPECT_EQ(word(0), -20);
    EXPECT_EQ(list.GetItemAt(1), nullptr);
    EXPECT_EQ(word(2), 5);
    EXPECT_EQ(word(3), 300);
    EXPECT_EQ(sorter.Compare(list.GetItemAt(0), list.GetItemAt(2)), -1);
    EXPECT_EQ(sorter.Compare(list.GetItemAt(3), list.GetItemAt(2)), 1);
    EXPECT_EQ(sorter.Compare(list.GetItemAt(2), list.GetItemAt(2)), 0);
}
