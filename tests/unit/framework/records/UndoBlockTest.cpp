#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "hostlink/BridgeData.h"
#include "common/qz_host_versions.h"
#include "strings/FCString.h"
#include "records/FCUndoBlock.h"
#include "core/FinaleVersion.h"
#include "RecordsHostFixture.h"
#include "TestRecords.h"
#include "records/__FCUndoBlockHandler.h"

/* Undo blocks around changes of the simulated host's document. */

namespace
{
/* A change given as a function; it sees the block that runs it. */
class Change : public __FCUndoBlockHandler
{
public:
    std::function<bool(Change&)> body;
    int runs = 0;
    FCUndoBlock* blockDuringRun = nullptr;

    explicit Change(std::function<bool(Change&)> f) : body(std::move(f)) {}
    bool Execute() override
    {
        ++runs;
        blockDuringRun = GetUndoBlock();
        return body(*this);
    }
};

std::string Repeat(const char* unit, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += unit;
    return s;
}
} // namespace

class UndoBlocks : public RecordsHostTest
{
protected:
    bool RunInsideEdit() const override { return false; }

    void SetUp() override
    {
        RecordsHostTest::SetUp();
        PutRecord(kOtherTag, {1, 0}, Words({1, 1}));
        PutRecord(kIncidentTag, {4, 0}, Words({40}));
        PutRecord(kIncidentTag, {4, 1}, Words({41}));
        before = Snapshot();
    }

    /* Every test record's bytes, for exact comparisons. */
    std::vector<std::vector<uint8_t>> Snapshot()
    {
        return {StoredBytes(kOtherTag, {1, 0}), StoredBytes(kOtherTag, {2, 0}), StoredBytes(kIncidentTag, {4, 0}),
                StoredBytes(kIncidentTag, {4, 1}), StoredBytes(kIncidentTag, {4, 2})};
    }

    /* Changes the no-incident record, deletes one incident and adds a record. */
    static bool ChangeRecords()
    {
        TestOther other;
        if (!other.Load(1))
            return false;
        other.SetWord2(99);
        TestInciOther inci;
        TestOther added;
        added.Prepare(7);
        return other.Save() && inci.Load(4, 1) && inci.DeleteData() && added.SaveAs(2);
    }

    std::vector<std::vector<uint8_t>> before;
};

TEST_F(UndoBlocks, AFailedChangeIsCancelledAndLeavesEveryRecordAsItWas)
{
    const int32_t depth = FinaleEditDepth;
    const size_t undoSteps = UndoDepth();
    Change change([](Change&) {
        ChangeRecords();
        return false;
    });
    FCString name("Staff Set Panel");
    FCUndoBlock block;
    EXPECT_FALSE(block.Execute(&change, &name));
    EXPECT_EQ(change.runs, 1);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(FinaleEditDepth, depth);
    EXPECT_EQ(OpenEditDepth(), 0);
    EXPECT_EQ(UndoDepth(), undoSteps);
    EXPECT_EQ(change.GetUndoBlock(), nullptr);
}

TEST_F(UndoBlocks, ASuccessfulChangeIsOneUndoStepNamedByTheFirst63Units)
{
    Change change([](Change&) { return ChangeRecords(); });
    /* 100 code units, the last 37 of them different from the first 63. */
    FCString name;
    const std::string text = Repeat("a", 63) + Repeat("z", 37);
    name.SetCString(text.c_str());
    const size_t undoSteps = UndoDepth();
    FCUndoBlock block;
    ASSERT_TRUE(block.Execute(&change, &name));
    EXPECT_EQ(change.blockDuringRun, &block);
    EXPECT_FALSE(block.IsRunning());
    EXPECT_EQ(UndoDepth(), undoSteps + 1);
    EXPECT_EQ(std::string(UndoName()), Repeat("a", 63));
    EXPECT_EQ(FCUndoBlock::_GetLastUndoString()->GetLength(), 100u);
    EXPECT_NE(Snapshot(), before);

    /* The host's undo restores the records exactly. */
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(UndoBlocks, NullArgumentsCallNothing)
{
    Change change([](Change&) { return true; });
    FCString name("x");
    FCUndoBlock block;
    const size_t callsBefore = CallCount();
    EXPECT_FALSE(block.Execute(nullptr, &name));
    EXPECT_FALSE(block.Execute(&change, nullptr));
    EXPECT_EQ(change.runs, 0);
    EXPECT_EQ(CallCount(), callsBefore);
}

TEST_F(UndoBlocks, AddSessionOutsideARunCallsNothing)
{
    FCUndoBlock block;
    FCString name("Second");
    const size_t callsBefore = CallCount();
    EXPECT_FALSE(block.AddSession(&name, true));
    EXPECT_FALSE(block.AddSession(&name, false));
    EXPECT_EQ(CallCount(), callsBefore);
}

TEST_F(UndoBlocks, AddSessionSplitsTheChangeIntoNamedSteps)
{
    Change change([](Change& self) {
        TestOther other;
        other.Load(1);
        other.SetWord0(10);
        other.Save();
        FCString second("Second step");
        if (!self.GetUndoBlock()->AddSession(&second, true))
            return false;
        if (self.GetUndoBlock()->AddSession(nullptr, true))
            return false;
        other.SetWord0(20);
        return other.Save();
    });
    FCString name("First step");
    const size_t undoSteps = UndoDepth();
    FCUndoBlock block;
    ASSERT_TRUE(block.Execute(&change, &name));
    EXPECT_EQ(UndoDepth(), undoSteps + 2);
    EXPECT_EQ(std::string(UndoName()), "Second step");
    EXPECT_TRUE(FCUndoBlock::_GetLastUndoString()->IsEqualCString("Second step"));
    EXPECT_EQ(StoredWords(kOtherTag, {1, 0}), Words({20, 1}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(StoredWords(kOtherTag, {1, 0}), Words({10, 1}));
    EXPECT_EQ(FinaleEditDepth, 0);
}

TEST_F(UndoBlocks, AddSessionWithoutKeepingCancelsTheFirstStep)
{
    Change change([](Change& self) {
        TestOther other;
        other.Load(1);
        other.SetWord0(10);
        other.Save();
        FCString second("Kept");
        return self.GetUndoBlock()->AddSession(&second, false);
    });
    FCString name("Dropped");
    const size_t undoSteps = UndoDepth();
    FCUndoBlock block;
    ASSERT_TRUE(block.Execute(&change, &name));
    EXPECT_EQ(UndoDepth(), undoSteps + 1);
    EXPECT_EQ(std::string(UndoName()), "Kept");
    EXPECT_EQ(StoredWords(kOtherTag, {1, 0}), Words({1, 1}));
}

TEST_F(UndoBlocks, ARefusedOpeningStillRunsTheChangeWithoutTheBlock)
{
    RefuseNextEditStart();
    const int32_t depth = FinaleEditDepth;
    Change change([](Change& self) { return self.GetUndoBlock() == nullptr; });
    FCString name("Refused");
    FCUndoBlock block;
    EXPECT_TRUE(block.Execute(&change, &name));
    EXPECT_EQ(change.runs, 1);
    EXPECT_EQ(FinaleEditDepth, depth);
    EXPECT_EQ(OpenEditDepth(), 0);
    EXPECT_TRUE(FCUndoBlock::_GetLastUndoString()->IsEqualCString("Refused"));
    IgnoreViolations(); /* the unmatched end is reported by the strict host */
}

TEST_F(UndoBlocks, OlderHostsGetTheNameAsEightBitText)
{
    const uint32_t running = GetFinaleFrameworkVersion();
    SetFinaleFrameworkVersion(qz::kHostVersion10);
    Change change([](Change&) { return true; });
    FCString name(Repeat("b", 70).c_str());
    FCUndoBlock block;
    const bool result = block.Execute(&change, &name);
    SetFinaleFrameworkVersion(running);
    EXPECT_TRUE(result);
    EXPECT_EQ(CallCount("FX_StartFinaleEdit"), 1u);
    EXPECT_EQ(CallCount("FX_StartFinaleEdit_UTF16"), 0u);
    EXPECT_EQ(std::string(UndoName()), Repeat("b", 63));
}
