/* Every operation kind on the demo score: 14 orchestra staves, a linked
   strings part, and staff set 1 "Woodwinds" (staves 1-4, the oboe at 75 %)
   made in the host. */

#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "HandlerHostFixture.h"

namespace
{
using H = FCStaffSetPanelHandler;
constexpr uint32_t kResizeTag = 0x64744C50; /* 'dtLP' */
const SetList kWoodwinds{{1, 0, 100}, {2, -288, 75}, {3, -564, 100}, {4, -864, 100}};
} // namespace

using DemoScore = DemoHandlerTest;

TEST_P(DemoScore, MovesTheHostMadeSetWithItsResizeAndName)
{
    ASSERT_EQ(StaffSet(1), kWoodwinds);
    ASSERT_EQ(StoredName(1), "Woodwinds");
    ASSERT_TRUE(Command(H::OPERATION_MOVEDOWN, 1));
    EXPECT_EQ(StaffSet(2), kWoodwinds);
    EXPECT_TRUE(StaffSet(1).empty());
    EXPECT_EQ(StoredName(2), "Woodwinds");
    EXPECT_EQ(StoredName(1), "");
    ASSERT_TRUE(Command(H::OPERATION_MOVEUP, 2));
    EXPECT_EQ(StaffSet(1), kWoodwinds);
    EXPECT_EQ(NameDescriptions(1, kCategoryID), std::vector<std::string>{Prefix(1) + "Woodwinds"});
}

TEST_P(DemoScore, CreatesTheStringsAndRenamesThem)
{
    Select(10, 14);
    ASSERT_TRUE(Command(H::OPERATION_CREATE, 2, "Strings"));
    EXPECT_EQ(StaffSet(2),
              (SetList{{10, 0, 100}, {11, -288, 100}, {12, -588, 100}, {13, -876, 100}, {14, -1188, 100}}));
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 2, "Streicher", false));
    EXPECT_EQ(StoredName(2), "Streicher");
    EXPECT_EQ(StoredName(1), "Woodwinds");
}

TEST_P(DemoScore, CreatesFromTheLinkedPartIntoTheScore)
{
    ASSERT_TRUE(H().hostsim_set_current_part(1));
    Select(1, 2);
    ASSERT_TRUE(Command(H::OPERATION_CREATE, 3, "Violins"));
    EXPECT_EQ(StaffSet(3), (SetList{{10, 0, 100}, {11, -330, 100}}));
    EXPECT_EQ(H().hostsim_current_part(), 1);
    hostsim_staff_entry entry{};
    EXPECT_EQ(H().hostsim_staff_list(65502, 1, &entry, 1), 0u) << "written into the part";
}

TEST_P(DemoScore, RemovesAndAddsTheOboe)
{
    Select(2, 2);
    ASSERT_TRUE(Command(H::OPERATION_REMOVESTAVES, 1));
    EXPECT_EQ(StaffSet(1), (SetList{{1, 0, 100}, {3, -276, 100}, {4, -576, 100}}));
    /* The removed staff's resize record stays in the document. */
    const int16_t key[3] = {static_cast<int16_t>(65500), 2, 0};
    uint32_t size = 0;
    EXPECT_TRUE(H().hostsim_get_record(kResizeTag, key, 0, nullptr, &size));

    ASSERT_TRUE(Command(H::OPERATION_ADDSTAVES, 1));
    EXPECT_EQ(StaffSet(1), (SetList{{1, 0, 100}, {2, -288, 100}, {3, -564, 100}, {4, -864, 100}}));
}

TEST_P(DemoScore, DeletesTheSetAndItsName)
{
    const size_t expressions = Expressions().size();
    ASSERT_TRUE(Command(H::OPERATION_DELETE, 1));
    EXPECT_TRUE(StaffSet(1).empty());
    EXPECT_EQ(StoredName(1), "");
    EXPECT_EQ(Expressions().size(), expressions - 1);
}

INSTANTIATE_TEST_SUITE_P(Profiles, DemoScore, HANDLER_HOST_PROFILES);
