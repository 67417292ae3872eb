#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/FCIteratorHandler.h"
#include "common/qz_fourcc.h"
#include "RecordsHostFixture.h"
#include "TestRecords.h"

/* Lists of records loaded from and saved to the simulated host. */

namespace
{
std::vector<int> ItemsOf(const TestOthers& list)
{
    std::vector<int> items;
    for (int i = 0; i < list.GetCount(); ++i)
        items.push_back(list.At(i)->GetItemNo());
    return items;
}

std::vector<int16_t> FirstWords(const __FCCollection& list)
{
    std::vector<int16_t> words;
    for (int i = 0; i < list.GetCount(); ++i) {
        const __FCBaseData* pRecord = dynamic_cast<const __FCBaseData*>(list.GetItemAt(i));
        words.push_back(pRecord ? pRecord->_GetField(FCRecordField<int16_t>(0)) : int16_t(-1));
    }
    return words;
}
} // namespace

using LoadAll = RecordsHostTest;

TEST_F(LoadAll, ListsEveryRecordOnceAndCallingItAgainGivesTheSameList)
{
    PutRecord(kOtherTag, {1, 0}, Words({10}));
    PutRecord(kOtherTag, {2, 0}, Words({20}));
    PutRecord(kOtherTag, {6, 0}, Words({60}));
    TestOthers list;
    EXPECT_EQ(list.LoadAll(), 3);
    EXPECT_EQ(list.LoadAll(), 3);
    EXPECT_EQ(ItemsOf(list), (std::vector<int>{1, 2, 6}));
    EXPECT_EQ(FirstWords(list), (std::vector<int16_t>{10, 20, 60}));
    /* Each element holds its own bytes. */
    EXPECT_NE(list.At(0)->_GetData(), list.At(1)->_GetData());
    EXPECT_EQ(list.FindItemNo(6), list.At(2));
    EXPECT_EQ(list.FindItemNo(3), nullptr);
}

TEST_F(LoadAll, NoRecordsOfTheKindGiveAnEmptyList)
{
    TestOthers list;
    EXPECT_EQ(list.LoadAll(), 0);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(LoadAll, SaveAllWritesEveryElementWithTheListsTag)
{
    constexpr uint32_t kOtherKind = QZ_FOURCC("otDC");
    PutRecord(kOtherKind, {1, 0}, Words({1}));
    PutRecord(kOtherKind, {2, 0}, Words({2}));
    TestOthers list;
    list.SetCustomTag(kOtherKind);
    ASSERT_EQ(list.LoadAll(), 2);
    list.At(0)->SetWord0(11);
    list.At(1)->SetWord0(22);
    list.At(1)->SetCustomTag(0); /* the list hands its tag over again */
    ASSERT_TRUE(list.SaveAll());
    EXPECT_EQ(StoredWords(kOtherKind, {1, 0}), Words({11}));
    EXPECT_EQ(StoredWords(kOtherKind, {2, 0}), Words({22}));
    EXPECT_FALSE(RecordExists(kOtherTag, {2, 0}));
}

TEST_F(LoadAll, SaveAllStopsAtTheFirstRefusal)
{
    PutRecord(kOtherTag, {1, 0}, Words({1}));
    PutRecord(kOtherTag, {2, 0}, Words({2}));
    TestOthers list;
    ASSERT_EQ(list.LoadAll(), 2);
    list.At(0)->SetWord0(5);
    list.At(1)->SetWord0(6);
    FailRecordOnce("FX_SaveEData", kOtherTag, {1, 0});
    EXPECT_FALSE(list.SaveAll());
    EXPECT_EQ(StoredWords(kOtherTag, {2, 0}), Words({2}));
}

TEST_F(LoadAll, GlobalsAreListedFromItemZero)
{
    PutRecord(kGlobalsTag, {0}, Words({100}, 20));
    PutRecord(kGlobalsTag, {1}, Words({101}, 20));
    TestGlobalsList list;
    EXPECT_EQ(list.LoadAll(), 2);
    EXPECT_EQ(FirstWords(list), (std::vector<int16_t>{100, 101}));
}

class IncidentLists : public RecordsHostTest, public ::testing::WithParamInterface<bool>
{
protected:
    void SetUp() override
    {
        RecordsHostTest::SetUp();
        SetIncidentCompaction(GetParam());
    }

    void PutIncidents(uint16_t item, int count, int base)
    {
        for (int i = 0; i < count; ++i)
            PutRecord(kIncidentTag, {int16_t(item), int16_t(i)}, Words({int16_t(base + i)}));
    }
};

TEST_P(IncidentLists, LoadAllForItemTakesIncidentsFromZeroInOrder)
{
    PutIncidents(4, 3, 40);
    PutIncidents(5, 1, 50);
    TestInciOthers list;
    EXPECT_EQ(list.LoadAllForItem(4), 3);
    EXPECT_EQ(FirstWords(list), (std::vector<int16_t>{40, 41, 42}));
    EXPECT_EQ(list.FindItemNo(4, 2), list.At(2));
    EXPECT_EQ(list.FindItemNo(5, 0), nullptr);
    EXPECT_EQ(list.LoadAllForItem(9), 0);
}

TEST_P(IncidentLists, DeleteDataForItemRemovesEveryIncidentAndAcceptsNone)
{
    PutIncidents(4, 3, 40);
    TestInciOthers list;
    EXPECT_TRUE(list.DeleteDataForItem(9));
    EXPECT_TRUE(list.DeleteDataForItem(4));
    EXPECT_EQ(IncidentCount(kIncidentTag, 4), 0);
}

TEST_P(IncidentLists, SaveAllForItemOfAnEmptyListDeletesTheItem)
{
    PutIncidents(4, 3, 40);
    TestInciOthers list;
    EXPECT_TRUE(list.SaveAllForItem(4));
    EXPECT_EQ(IncidentCount(kIncidentTag, 4), 0);
}

TEST_P(IncidentLists, SaveAllForItemRewritesTheItemInListOrder)
{
    PutIncidents(4, 5, 40);
    PutIncidents(6, 2, 60);
    TestInciOthers list;
    ASSERT_EQ(list.LoadAllForItem(6), 2);
    list.Swap(0, 1);
    ASSERT_TRUE(list.SaveAllForItem(4));
    EXPECT_EQ(IncidentCount(kIncidentTag, 4), 2);
    EXPECT_EQ(StoredWords(kIncidentTag, {4, 0}), Words({61}));
    EXPECT_EQ(StoredWords(kIncidentTag, {4, 1}), Words({60}));
    EXPECT_EQ(list.At(0)->GetItemNo(), 4);
    EXPECT_EQ(list.At(1)->GetItemInci(), 1);
}

TEST_P(IncidentLists, SaveDataAsCopiesOverAndTrimsTheTarget)
{
    PutIncidents(4, 2, 40);
    PutIncidents(6, 4, 60);
    TestInciOthers list;
    EXPECT_TRUE(list.SaveDataAs(4, 6));
    EXPECT_EQ(IncidentCount(kIncidentTag, 6), 2);
    EXPECT_EQ(StoredWords(kIncidentTag, {6, 0}), Words({40}));
    EXPECT_EQ(StoredWords(kIncidentTag, {6, 1}), Words({41}));
    EXPECT_EQ(IncidentCount(kIncidentTag, 4), 2);
    EXPECT_FALSE(list.SaveDataAs(9, 6));
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutRenumbering, IncidentLists, ::testing::Bool());

using DetailLists = RecordsHostTest;

TEST_F(DetailLists, LoadAllForItemStepsTheSecondItemUntilAGap)
{
    PutRecord(kDetailTag, {3, 1, 0}, Words({31}, 10));
    PutRecord(kDetailTag, {3, 2, 0}, Words({32}, 10));
    PutRecord(kDetailTag, {3, 4, 0}, Words({34}, 10));
    TestDetails list;
    EXPECT_EQ(list.LoadAllForItem(3, 1), 2);
    EXPECT_EQ(FirstWords(list), (std::vector<int16_t>{31, 32}));
}

using CellDetailLists = RecordsHostTest;

namespace
{
void PutCellDetail(RecordsHostTest& test, int16_t staff, int16_t measure, int16_t inci)
{
    test.PutRecord(kCellDetailTag, {staff, measure, inci},
                   test.Words({int16_t(staff * 100 + measure * 10 + inci)}, 10));
}
} // namespace

TEST_F(CellDetailLists, RegionLoadGoesSlotBySlotThenMeasureByMeasure)
{
    PutCellDetail(*this, 1, 1, 0);
    PutCellDetail(*this, 1, 1, 1);
    PutCellDetail(*this, 1, 2, 0);
    PutCellDetail(*this, 2, 1, 0);
    PutCellDetail(*this, 2, 2, 0);
    PutCellDetail(*this, 3, 1, 0); /* outside the region's slots */
    PutCellDetail(*this, 1, 3, 0); /* outside its measures */

    TestRegion region(MakeRegion(1, 2, 1, 2));
    TestCellDetails list;
    EXPECT_EQ(list.LoadAllForRegion(&region), 5);
    EXPECT_EQ(FirstWords(list), (std::vector<int16_t>{110, 111, 120, 210, 220}));
    /* Elements know their cell. */
    EXPECT_TRUE(list.At(3)->_HasCell());
    EXPECT_EQ(list.At(3)->_GetCellStaff(), 2);
    EXPECT_EQ(list.At(3)->_GetCellMeasure(), 1);

    TestNoInciCellDetails single;
    EXPECT_EQ(single.LoadAllInRegion(&region), 4);
    EXPECT_EQ(FirstWords(single), (std::vector<int16_t>{110, 120, 210, 220}));

    EXPECT_EQ(list.LoadAllForRegion(static_cast<TestRegion*>(nullptr)), 0);
}

TEST_F(CellDetailLists, RegionSlotsAreConvertedThroughTheStartList)
{
    /* Staff list 65500 holds staves 3 and 1: slot 1 is staff 3. */
    PutStaffList(65500, {3, 1});
    PutCellDetail(*this, 3, 1, 0);
    PutCellDetail(*this, 1, 1, 0);
    TestRegion region(MakeRegion(1, 1, 1, 1, 65500));
    TestCellDetails list;
    EXPECT_EQ(list.LoadAllForRegion(&region), 1);
    EXPECT_EQ(FirstWords(list), (std::vector<int16_t>{310}));
}

TEST_F(CellDetailLists, DocumentLoadGoesMeasureByMeasureThenStaffByStaff)
{
    PutMeasures(2);
    PutCellDetail(*this, 2, 1, 0);
    PutCellDetail(*this, 1, 2, 0);
    PutCellDetail(*this, 1, 1, 0);
    PutCellDetail(*this, 1, 1, 1);
    TestCellDetails list;
    EXPECT_EQ(list.LoadAll(), 4);
    EXPECT_EQ(FirstWords(list), (std::vector<int16_t>{110, 111, 210, 120}));
}

TEST_F(CellDetailLists, RegionWalkOfBrowsersGoesMeasureByMeasure)
{
    const EREGION r = MakeRegion(2, 3, 4, 5);
    std::vector<int> cells;
    auto visit = [&](int16_t measure, int16_t staff) {
        cells.push_back(measure * 10 + staff);
        return cells.size() < 3;
    };
    /* The third cell stops the walk; it is not counted. */
    EXPECT_EQ(__FCBrowserRegionBase::_WalkRegionCells(r, visit), 2);
    EXPECT_EQ(cells, (std::vector<int>{42, 43, 52}));

    EREGION none{};
    EXPECT_EQ(__FCBrowserRegionBase::_WalkRegionCells(none, visit), 0);
}

using Browsers = RecordsHostTest;

namespace
{
class StopAt : public FCIteratorHandler
{
public:
    int stopItem;
    std::vector<int> visited;
    std::vector<std::string> calls;
    bool answerPreProcess = true;

    explicit StopAt(int item) : stopItem(item) {}
    bool Iterate(__FCBase* pObject) override
    {
        visited.push_back(dynamic_cast<TestOther*>(pObject)->GetItemNo());
        return visited.back() != stopItem;
    }
    bool Match(__FCBase* pObject) override { return dynamic_cast<TestOther*>(pObject)->GetItemNo() == stopItem; }
    bool PreProcess() override
    {
        calls.push_back("pre");
        return answerPreProcess;
    }
    bool PreProcessIfExist() override
    {
        calls.push_back("preIfExist");
        return true;
    }
    void PostProcess() override { calls.push_back("post"); }
    void PostProcessIfExist() override { calls.push_back("postIfExist"); }
};
} // namespace

TEST_F(Browsers, ForEachVisitsEveryRecordUntilTheHandlerStops)
{
    for (int16_t item : {1, 2, 3, 4})
        PutRecord(kOtherTag, {item, 0}, Words({item}));
    TestOtherBrowser browser;
    StopAt all(99);
    EXPECT_EQ(browser.ForEach(&all), 4);
    EXPECT_EQ(all.calls, (std::vector<std::string>{"pre", "preIfExist", "postIfExist", "post"}));

    StopAt third(3);
    EXPECT_EQ(browser.ForEach(&third), 2);
    EXPECT_EQ(third.visited, (std::vector<int>{1, 2, 3}));

    StopAt refused(99);
    refused.answerPreProcess = false;
    EXPECT_EQ(browser.ForEach(&refused), 0);
    EXPECT_TRUE(refused.visited.empty());
}

TEST_F(Browsers, FindFirstHandsTheMatchToTheCaller)
{
    for (int16_t item : {1, 2, 3})
        PutRecord(kOtherTag, {item, 0}, Words({int16_t(item * 10)}));
    TestOtherBrowser browser;
    StopAt second(2);
    std::unique_ptr<__FCBase> found(browser.FindFirst(&second));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(dynamic_cast<TestOther*>(found.get())->GetWord0(), 20);
    EXPECT_EQ(second.calls, (std::vector<std::string>{"pre", "preIfExist", "postIfExist"}));

    StopAt none(7);
    EXPECT_EQ(browser.FindFirst(&none), nullptr);
    EXPECT_EQ(none.calls.back(), "post");
}

TEST_F(Browsers, NoIncidentBrowserCountsAndWalksFromAnItem)
{
    for (int16_t item : {1, 2, 5, 8})
        PutRecord(kOtherTag, {item, 0}, Words({item}));
    TestOtherBrowser browser;
    EXPECT_EQ(browser.GetCount(), 4);
    StopAt all(99);
    EXPECT_EQ(browser.ToEndFrom(5, &all), 2);
    EXPECT_EQ(all.visited, (std::vector<int>{5, 8}));
    std::unique_ptr<__FCNoInciOther> one(browser.LoadAnElement(2));
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->GetItemNo(), 2);
    EXPECT_EQ(browser.LoadAnElement(3), nullptr);
}
