/* Moving staff sets up and down, and deleting them. */

#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "HandlerHostFixture.h"

namespace
{
using H = FCStaffSetPanelHandler;
} // namespace

using MoveStaffSet = TestSeedHandlerTest;

TEST_P(MoveStaffSet, MovesANamedSetIntoAnEmptyPositionWithItsName)
{
    const SetList strings{{4, 0, 100}, {5, -350, 75}};
    PutStaffSet(3, strings);
    PutNameExpression(kCategoryID, Prefix(3) + "Strings");
    ASSERT_TRUE(Command(H::OPERATION_MOVEUP, 3));
    EXPECT_EQ(StaffSet(2), strings);
    EXPECT_TRUE(StaffSet(3).empty());
    EXPECT_EQ(NameDescriptions(2, kCategoryID), std::vector<std::string>{Prefix(2) + "Strings"});
    EXPECT_TRUE(NameDescriptions(3, kCategoryID).empty());
    EXPECT_EQ(StoredName(2), "Strings");
}

TEST_P(MoveStaffSet, ExchangesTwoNamedSetsDownwards)
{
    const SetList winds{{1, 0, 100}, {2, -300, 100}};
    const SetList brass{{3, 0, 60}};
    PutStaffSet(3, winds);
    PutStaffSet(4, brass);
    PutNameExpression(kCategoryID, Prefix(3) + "Winds");
    PutNameExpression(kCategoryID, Prefix(4) + "Brass");
    ASSERT_TRUE(Command(H::OPERATION_MOVEDOWN, 3));
    EXPECT_EQ(StaffSet(3), brass);
    EXPECT_EQ(StaffSet(4), winds);
    EXPECT_EQ(StoredName(3), "Brass");
    EXPECT_EQ(StoredName(4), "Winds");
}

TEST_P(MoveStaffSet, RefusesToMovePastTheFirstOrTheLastPosition)
{
    PutStaffSet(1, {{1, 0, 100}});
    PutStaffSet(8, {{2, 0, 100}});
    EXPECT_FALSE(Command(H::OPERATION_MOVEUP, 1));
    EXPECT_FALSE(Command(H::OPERATION_MOVEDOWN, 8));
    /* Between two empty positions nothing moves: no step. */
    EXPECT_FALSE(Command(H::OPERATION_MOVEDOWN, 4));
}

INSTANTIATE_TEST_SUITE_P(Profiles, MoveStaffSet, HANDLER_HOST_PROFILES);

using MoveWithoutCategory = NoCategoryHandlerTest;

TEST_P(MoveWithoutCategory, MovesTheListsAndLeavesTheNames)
{
    PutStaffSet(5, {{6, 0, 100}});
    /* An expression that would be the name if the category existed. */
    PutNameExpression(9, Prefix(5) + "Kept");
    ASSERT_TRUE(Command(H::OPERATION_MOVEUP, 5));
    EXPECT_EQ(StaffSet(4), (SetList{{6, 0, 100}}));
    EXPECT_TRUE(StaffSet(5).empty());
    EXPECT_EQ(NameDescriptions(5, 9), std::vector<std::string>{Prefix(5) + "Kept"});
}

INSTANTIATE_TEST_SUITE_P(Profiles, MoveWithoutCategory, HANDLER_HOST_PROFILES);

using DeleteStaffSet = TestSeedHandlerTest;

TEST_P(DeleteStaffSet, DeletesTheListAndItsNameOnly)
{
    PutStaffSet(3, {{1, 0, 100}, {2, -300, 100}});
    PutStaffSet(4, {{3, 0, 100}});
    PutNameExpression(kCategoryID, Prefix(3) + "Gone");
    PutNameExpression(kCategoryID, Prefix(4) + "Stays");
    ASSERT_TRUE(Command(H::OPERATION_DELETE, 3));
    EXPECT_TRUE(StaffSet(3).empty());
    EXPECT_TRUE(NameDescriptions(3, kCategoryID).empty());
    EXPECT_EQ(StaffSet(4), (SetList{{3, 0, 100}}));
    EXPECT_EQ(StoredName(4), "Stays");
}

TEST_P(DeleteStaffSet, DeletingAMissingSetChangesNothingAndLeavesNoStep)
{
    const std::string before = Records();
    EXPECT_FALSE(Command(H::OPERATION_DELETE, 6));
    EXPECT_EQ(Records(), before);
}

INSTANTIATE_TEST_SUITE_P(Profiles, DeleteStaffSet, HANDLER_HOST_PROFILES);
