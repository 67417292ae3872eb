/* Creating staff sets and adding or removing staves, on the test document
   (score staves 1-6 at 0, -300, -620, -900, -1250, -1560). */

#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "HandlerHostFixture.h"

namespace
{
using H = FCStaffSetPanelHandler;
constexpr uint32_t kEnclosureTag = 0x6F744465; /* 'otDe' */
} // namespace

using CreateStaffSet = TestSeedHandlerTest;

TEST_P(CreateStaffSet, BuildsTheSelectedStavesRelativeToTheTopStaffAndStoresTheName)
{
    Select(2, 4);
    ASSERT_TRUE(Command(H::OPERATION_CREATE, 3, "Winds"));
    EXPECT_EQ(StaffSet(3), (SetList{{2, 0, 100}, {3, -320, 100}, {4, -600, 100}}));
    EXPECT_EQ(NameDescriptions(3, kCategoryID), std::vector<std::string>{Prefix(3) + "Winds"});
    EXPECT_EQ(StoredName(3), "Winds");
    for (int other = 1; other <= 8; ++other) {
        if (other != 3) {
            EXPECT_TRUE(StaffSet(other).empty()) << "staff set " << other;
        }
    }
}

TEST_P(CreateStaffSet, StoresTheFirstAndTheLastStaffSetUnderTheirOwnItems)
{
    Select(1, 1);
    ASSERT_TRUE(Command(H::OPERATION_CREATE, 1, ""));
    Select(6, 6);
    ASSERT_TRUE(Command(H::OPERATION_CREATE, 8, ""));
    hostsim_staff_entry entry{};
    ASSERT_EQ(H().hostsim_staff_list(65500, 0, &entry, 1), 1u);
    EXPECT_EQ(entry.staff, 1);
    ASSERT_EQ(H().hostsim_staff_list(65507, 0, &entry, 1), 1u);
    EXPECT_EQ(entry.staff, 6);
}

TEST_P(CreateStaffSet, ReplacesAnExistingStaffSetWholeWithItsName)
{
    PutStaffSet(3, {{1, 0, 100}, {2, -300, 80}, {3, -620, 100}, {4, -900, 100}});
    PutNameExpression(kCategoryID, Prefix(3) + "Old");
    Select(5, 6);
    ASSERT_TRUE(Command(H::OPERATION_CREATE, 3, "New"));
    EXPECT_EQ(StaffSet(3), (SetList{{5, 0, 100}, {6, -310, 100}}));
    EXPECT_EQ(NameDescriptions(3, kCategoryID), std::vector<std::string>{Prefix(3) + "New"});

    /* Created again without a name: the stored name goes. */
    Select(1, 2);
    ASSERT_TRUE(Command(H::OPERATION_CREATE, 3, ""));
    EXPECT_EQ(StaffSet(3), (SetList{{1, 0, 100}, {2, -300, 100}}));
    EXPECT_TRUE(NameDescriptions(3, kCategoryID).empty());

    /* Created again as it is, the set changes nothing and leaves no step;
       with a name it takes the name. */
    EXPECT_FALSE(Command(H::OPERATION_CREATE, 3, ""));
    ASSERT_TRUE(Command(H::OPERATION_CREATE, 3, "Named"));
    EXPECT_FALSE(Command(H::OPERATION_CREATE, 3, "Named"));
    EXPECT_EQ(StoredName(3), "Named");
}

TEST_P(CreateStaffSet, TakesAReversedSlotRangeAsTheSortedOne)
{
    Select(4, 2);
    ASSERT_TRUE(Command(H::OPERATION_CREATE, 2, ""));
    EXPECT_EQ(StaffSet(2), (SetList{{2, 0, 100}, {3, -320, 100}, {4, -600, 100}}));
}

TEST_P(CreateStaffSet, SkipsSlotsWithoutAStaffAndFailsWhenNoneIsLeft)
{
    PutStaffSet(3, {{1, 0, 100}});
    Select(5, 9);
    ASSERT_TRUE(Command(H::OPERATION_CREATE, 3, ""));
    EXPECT_EQ(StaffSet(3), (SetList{{5, 0, 100}, {6, -310, 100}}));

    /* Only empty slots: nothing is written, the existing staff set stays. */
    Select(7, 9);
    EXPECT_FALSE(Command(H::OPERATION_CREATE, 3, "Lost"));
    EXPECT_EQ(StaffSet(3), (SetList{{5, 0, 100}, {6, -310, 100}}));
}

TEST_P(CreateStaffSet, NeedsARegionAndAStaffSetNumberFromOneToEight)
{
    Select(1, 2);
    EXPECT_FALSE(Command(H::OPERATION_CREATE, 3, "x", false));
    EXPECT_FALSE(Command(H::OPERATION_CREATE, 0, "x"));
    EXPECT_FALSE(Command(H::OPERATION_CREATE, 9, "x"));
    EXPECT_FALSE(Command(77, 3, "x"));
}

INSTANTIATE_TEST_SUITE_P(Profiles, CreateStaffSet, HANDLER_HOST_PROFILES);

using AddStaves = TestSeedHandlerTest;

TEST_P(AddStaves, InsertsAStaffBetweenTwoStavesOfTheSet)
{
    PutStaffSet(3, {{2, 0, 100}, {4, -600, 80}, {5, -950, 100}});
    Select(3, 3);
    ASSERT_TRUE(Command(H::OPERATION_ADDSTAVES, 3));
    EXPECT_EQ(StaffSet(3), (SetList{{2, 0, 100}, {3, -288, 100}, {4, -888, 80}, {5, -1238, 100}}));
}

TEST_P(AddStaves, AppendsAStaffBelowEveryStaffOfTheSet)
{
    PutStaffSet(3, {{2, 0, 100}, {4, -600, 100}});
    Select(6, 6);
    ASSERT_TRUE(Command(H::OPERATION_ADDSTAVES, 3));
    EXPECT_EQ(StaffSet(3), (SetList{{2, 0, 100}, {4, -600, 100}, {6, -888, 100}}));
}

TEST_P(AddStaves, PutsAStaffAboveTheSetInTheTopStaffsPlace)
{
    PutStaffSet(3, {{2, 0, 100}, {4, -600, 100}});
    Select(1, 1);
    ASSERT_TRUE(Command(H::OPERATION_ADDSTAVES, 3));
    EXPECT_EQ(StaffSet(3), (SetList{{1, 0, 100}, {2, -288, 100}, {4, -888, 100}}));

    /* A set whose top staff is not at 0 keeps its top there. */
    PutStaffSet(4, {{3, -100, 100}, {4, -400, 100}});
    Select(2, 2);
    ASSERT_TRUE(Command(H::OPERATION_ADDSTAVES, 4));
    EXPECT_EQ(StaffSet(4), (SetList{{2, -100, 100}, {3, -388, 100}, {4, -688, 100}}));
}

TEST_P(AddStaves, AddsSeveralStavesInScoreOrder)
{
    PutStaffSet(3, {{2, 0, 100}, {4, -600, 100}});
    Select(1, 6);
    ASSERT_TRUE(Command(H::OPERATION_ADDSTAVES, 3));
    EXPECT_EQ(
        StaffSet(3),
        (SetList{{1, 0, 100}, {2, -288, 100}, {3, -576, 100}, {4, -1176, 100}, {5, -1464, 100}, {6, -1752, 100}}));
}

TEST_P(AddStaves, FailsWithoutWritingWhenNothingIsAddedOrTheSetIsMissing)
{
    PutStaffSet(3, {{2, 0, 100}, {3, -320, 100}});
    Select(2, 3);
    EXPECT_FALSE(Command(H::OPERATION_ADDSTAVES, 3));
    EXPECT_FALSE(Command(H::OPERATION_ADDSTAVES, 5));
    EXPECT_FALSE(Command(H::OPERATION_ADDSTAVES, 3, "", false));
    EXPECT_TRUE(StaffSet(5).empty());
}

INSTANTIATE_TEST_SUITE_P(Profiles, AddStaves, HANDLER_HOST_PROFILES);

using RemoveStaves = TestSeedHandlerTest;

TEST_P(RemoveStaves, ClosesTheGapOfTheTopAMiddleOrTheLastStaff)
{
    const SetList original{{1, 0, 100}, {2, -300, 100}, {3, -620, 90}, {4, -900, 100}};
    struct Case
    {
        int16_t slot;
        SetList expected;
    };
    const Case cases[] = {
        {1, {{2, 0, 100}, {3, -320, 90}, {4, -600, 100}}},
        {3, {{1, 0, 100}, {2, -300, 100}, {4, -580, 100}}},
        {4, {{1, 0, 100}, {2, -300, 100}, {3, -620, 90}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        PutStaffSet(3, original);
        Select(c.slot, c.slot);
        ASSERT_TRUE(Command(H::OPERATION_REMOVESTAVES, 3));
        EXPECT_EQ(StaffSet(3), c.expected);
    }
}

TEST_P(RemoveStaves, KeepsTheSpacingWhenTheTopStaffIsNotAtZero)
{
    PutStaffSet(3, {{1, -100, 100}, {2, -400, 100}, {3, -720, 100}});
    Select(1, 1);
    ASSERT_TRUE(Command(H::OPERATION_REMOVESTAVES, 3));
    EXPECT_EQ(StaffSet(3), (SetList{{2, -100, 100}, {3, -420, 100}}));
}

TEST_P(RemoveStaves, RemovesOnlyTheSelectedStavesThatTheSetHolds)
{
    PutStaffSet(3, {{2, 0, 100}, {4, -600, 100}, {6, -1260, 100}});
    Select(3, 4);
    ASSERT_TRUE(Command(H::OPERATION_REMOVESTAVES, 3));
    EXPECT_EQ(StaffSet(3), (SetList{{2, 0, 100}, {6, -660, 100}}));

    Select(1, 1);
    EXPECT_FALSE(Command(H::OPERATION_REMOVESTAVES, 3));
    EXPECT_FALSE(Command(H::OPERATION_REMOVESTAVES, 7));
}

TEST_P(RemoveStaves, RemovingEveryStaffDeletesTheSetWithItsNameAndEnclosure)
{
    PutStaffSet(3, {{2, 0, 100}, {3, -320, 100}});
    const int16_t item = PutNameExpression(kCategoryID, Prefix(3) + "Pair");
    ASSERT_GT(item, 0);
    PutNameExpression(kCategoryID, Prefix(4) + "Other");
    /* Give the name expression an enclosure (flag bit 11 and its record). */
    const int16_t key[3] = {item, 0, 0};
    const uint8_t frame[12] = {1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0};
    ASSERT_TRUE(H().hostsim_put_other(kEnclosureTag, key, frame, sizeof frame));
    uint32_t size = 0;
    ASSERT_TRUE(H().hostsim_get_record(kTextExpressionTag, key, -1, nullptr, &size));
    std::vector<uint8_t> bytes(size);
    ASSERT_TRUE(H().hostsim_get_record(kTextExpressionTag, key, -1, bytes.data(), &size));
    bytes[11] |= 0x08;
    ASSERT_TRUE(H().hostsim_put_other(kTextExpressionTag, key, bytes.data(), size));

    Select(1, 6);
    ASSERT_TRUE(Command(H::OPERATION_REMOVESTAVES, 3));
    EXPECT_TRUE(StaffSet(3).empty());
    EXPECT_TRUE(NameDescriptions(3, kCategoryID).empty());
    EXPECT_FALSE(H().hostsim_get_record(kEnclosureTag, key, -1, nullptr, &size));
    EXPECT_EQ(NameDescriptions(4, kCategoryID), std::vector<std::string>{Prefix(4) + "Other"});
}

INSTANTIATE_TEST_SUITE_P(Profiles, RemoveStaves, HANDLER_HOST_PROFILES);
