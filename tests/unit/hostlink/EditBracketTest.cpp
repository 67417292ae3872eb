// Nesting depths of edit and mass-edit brackets.
#include "hostlink/BridgeData.h"
#include "common/qz_host_versions.h"
#include "EngineFixture.h"

using hostlinktest::Engine;

namespace
{

using hostlinktest::kVersion;
const uint16_t kUndoName[] = {'U', 'n', 'd', 'o', 0};

class EditBracketTest : public hostlinktest::EngineTest
{};

TEST_F(EditBracketTest, EndOrCancelWithoutStartNeverReachesTheHost)
{
    EXPECT_EQ(FX_EndFinaleEdit(kVersion), 1);
    EXPECT_EQ(FX_CancelFinaleEdit(kVersion), 0);
    FinaleEditDepth = -3;
    EXPECT_EQ(FX_EndFinaleEdit(kVersion), 1);
    EXPECT_EQ(FX_CancelFinaleEdit(kVersion), 0);

    EXPECT_EQ(Engine().calls("FX_EndFinaleEdit"), 0);
    EXPECT_EQ(Engine().calls("FX_CancelFinaleEdit"), 0);
    EXPECT_EQ(FinaleEditDepth, -3);
}

TEST_F(EditBracketTest, NestedBracketsBalance)
{
    EXPECT_EQ(FX_StartFinaleEdit_UTF16(kUndoName, kVersion), 1);
    EXPECT_EQ(FX_StartFinaleEdit_UTF16(kUndoName, kVersion), 1);
    EXPECT_EQ(FinaleEditDepth, 2);

    EXPECT_EQ(FX_EndFinaleEdit(kVersion), 1);
    EXPECT_EQ(FinaleEditDepth, 1);
    Engine().set_result(0);
    EXPECT_EQ(FX_CancelFinaleEdit(kVersion), 0); // the host's answer passes through
    EXPECT_EQ(FinaleEditDepth, 0);
    FX_EndFinaleEdit(kVersion);

    EXPECT_EQ(Engine().calls("FX_StartFinaleEdit_UTF16"), 2);
    EXPECT_EQ(Engine().calls("FX_EndFinaleEdit"), 1);
    EXPECT_EQ(Engine().calls("FX_CancelFinaleEdit"), 1);
}

TEST_F(EditBracketTest, StartCountsWhenTheHostRefusesOrIsMissing)
{
    Engine().set_result(0);
    EXPECT_EQ(FX_StartFinaleEdit_UTF16(kUndoName, kVersion), 0);
    EXPECT_EQ(FX_StartFinaleEdit("Undo", kVersion), 0); // the engine has no 8-bit twin
    EXPECT_EQ(FinaleEditDepth, 2);
}

TEST_F(EditBracketTest, MassEditDepthFollowsStartAndEnd)
{
    EXPECT_EQ(FX_StartMassEdit(kVersion), 1);
    EXPECT_EQ(MassEditDepth, 1);
    EXPECT_EQ(FX_EndMassEdit(kVersion), 1);
    EXPECT_EQ(MassEditDepth, 0);
    EXPECT_EQ(Engine().calls("FX_StartMassEdit"), 1);
    EXPECT_EQ(Engine().calls("FX_EndMassEdit"), 1);
}

} // namespace
