#include "HostsimTest.h"

using namespace hostsim_test;

namespace
{

class EditTransactionTest : public HostsimTest
{
protected:
    std::u16string name = u"Staff Set Panel";
    fxbool start() { return FX_StartFinaleEdit_UTF16(reinterpret_cast<const uint16_t*>(name.c_str()), V19); }

    /* Creates staff set 1 with two entries and renames expression 1, the kind
       of change a panel command makes. */
    void change()
    {
        for (int16_t staff : {2, 3}) {
            int16_t key[3] = {-36, -1, 0};
            auto bytes = systemStaff(staff, staff == 2 ? 0 : -320);
            ASSERT_TRUE(FX_CreateEData(SOIu, key, bytes.data(), 24, V19));
        }
        auto expr = record(SODT, 1, 0);
        expr.resize(46, 0);
        int16_t key[3] = {1, 0, 0};
        ASSERT_TRUE(FX_SaveEData(SODT, key, expr.data(), 46, V19));
        int16_t gone[3] = {3, 0, 0};
        ASSERT_TRUE(FX_DeleteEData(SODT, gone, V19));
    }

    std::map<hostsim::RecordId, hostsim::Bytes> image()
    {
        const auto records = hostsim::Engine::instance().current()->store().records();
        return {records.begin(), records.end()};
    }
    hostsim::RecordStore::Counters counters() { return hostsim::Engine::instance().current()->store().counters(); }
};

TEST_F(EditTransactionTest, CommitKeepsTheChangeAndMakesOneNamedUndoStep)
{
    ASSERT_TRUE(start());
    change();
    ASSERT_TRUE(FX_EndFinaleEdit(V19));
    EXPECT_EQ(staves(65500, 0), (std::vector<int16_t>{2, 3}));
    EXPECT_EQ(hostsim_undo_depth(), 1u);
    EXPECT_STREQ(hostsim_undo_name(), "Staff Set Panel");
    EXPECT_TRUE(hostsim_dirty(doc));
    EXPECT_EQ(violations(), 0u) << hostsim_violations_text(0);
}

TEST_F(EditTransactionTest, CancelRestoresEveryByteSizeAndCounter)
{
    auto before = image();
    auto countersBefore = counters();
    ASSERT_TRUE(start());
    change();
    ASSERT_NE(image(), before);
    ASSERT_TRUE(FX_CancelFinaleEdit(V19));
    EXPECT_EQ(image(), before);
    EXPECT_EQ(counters(), countersBefore);
    EXPECT_EQ(hostsim_undo_depth(), 0u);
    EXPECT_FALSE(hostsim_dirty(doc));
}

TEST_F(EditTransactionTest, CancelledNumbersAreHandedOutAgain)
{
    ASSERT_TRUE(start());
    int16_t key[3] = {-1, -1, 0};
    std::vector<uint8_t> rec(38, 0);
    ASSERT_TRUE(FX_CreateEData(SODT, key, rec.data(), 38, V19));
    int16_t first = key[0];
    ASSERT_TRUE(FX_CancelFinaleEdit(V19));
    ASSERT_TRUE(start());
    int16_t again[3] = {-1, -1, 0};
    ASSERT_TRUE(FX_CreateEData(SODT, again, rec.data(), 38, V19));
    EXPECT_EQ(again[0], first);
    ASSERT_TRUE(FX_EndFinaleEdit(V19));
}

TEST_F(EditTransactionTest, CancellingANestedEditKeepsTheOuterChanges)
{
    ASSERT_TRUE(start());
    int16_t key[3] = {-36, -1, 0};
    auto entry = systemStaff(1, 0);
    ASSERT_TRUE(FX_CreateEData(SOIu, key, entry.data(), 24, V19));
    auto afterOuter = image();
    ASSERT_TRUE(start());
    change();
    ASSERT_TRUE(FX_CancelFinaleEdit(V19));
    EXPECT_EQ(image(), afterOuter);
    EXPECT_EQ(hostsim_open_edit_depth(), 1);
    ASSERT_TRUE(FX_EndFinaleEdit(V19));
    EXPECT_EQ(staves(65500, 0), (std::vector<int16_t>{1}));
}

TEST_F(EditTransactionTest, CancellingTheOuterEditUndoesACommittedNestedOne)
{
    auto before = image();
    ASSERT_TRUE(start());
    ASSERT_TRUE(start());
    change();
    ASSERT_TRUE(FX_EndFinaleEdit(V19));
    EXPECT_EQ(hostsim_undo_depth(), 0u); // only the outermost edit becomes a step
    ASSERT_TRUE(FX_CancelFinaleEdit(V19));
    EXPECT_EQ(image(), before);
}

TEST_F(EditTransactionTest, UndoAndRedoRestoreExactImages)
{
    auto before = image();
    ASSERT_TRUE(start());
    change();
    ASSERT_TRUE(FX_EndFinaleEdit(V19));
    auto after = image();
    ASSERT_TRUE(hostsim_undo());
    EXPECT_EQ(image(), before);
    EXPECT_EQ(hostsim_redo_depth(), 1u);
    ASSERT_TRUE(hostsim_redo());
    EXPECT_EQ(image(), after);
    EXPECT_FALSE(hostsim_redo());
}

TEST_F(EditTransactionTest, ANewCommitClearsRedo)
{
    ASSERT_TRUE(start());
    change();
    ASSERT_TRUE(FX_EndFinaleEdit(V19));
    ASSERT_TRUE(hostsim_undo());
    ASSERT_EQ(hostsim_redo_depth(), 1u);
    ASSERT_TRUE(start());
    ASSERT_TRUE(FX_EndFinaleEdit(V19));
    EXPECT_EQ(hostsim_redo_depth(), 0u);
}

TEST_F(EditTransactionTest, UndoIsRefusedWhileAnEditIsOpen)
{
    ASSERT_TRUE(start());
    change();
    ASSERT_TRUE(FX_EndFinaleEdit(V19));
    ASSERT_TRUE(start());
    EXPECT_FALSE(hostsim_undo());
    ASSERT_TRUE(FX_CancelFinaleEdit(V19));
    EXPECT_TRUE(hostsim_undo());
}

TEST_F(EditTransactionTest, AnEmptyCommitIsStillAStepButLeavesTheDocumentClean)
{
    ASSERT_TRUE(start());
    ASSERT_TRUE(FX_EndFinaleEdit(V19));
    EXPECT_EQ(hostsim_undo_depth(), 1u);
    EXPECT_FALSE(hostsim_dirty(doc));
    hostsim_edit e{};
    ASSERT_TRUE(hostsim_edit_log_entry(hostsim_edit_log_count() - 1, &e));
    EXPECT_EQ(e.outcome, HOSTSIM_EDIT_COMMITTED);
    EXPECT_NE(std::string(e.text).find("empty step"), std::string::npos);
}

TEST_F(EditTransactionTest, EditLogListsTheOperations)
{
    ASSERT_TRUE(start());
    change();
    ASSERT_TRUE(FX_CancelFinaleEdit(V19));
    hostsim_edit e{};
    ASSERT_TRUE(hostsim_edit_log_entry(hostsim_edit_log_count() - 1, &e));
    EXPECT_STREQ(e.name, "Staff Set Panel");
    EXPECT_EQ(e.outcome, HOSTSIM_EDIT_CANCELLED);
    EXPECT_EQ(e.operations, 4);
}

TEST_F(EditTransactionTest, OpenEditsAreListedAfterTheFinishedOnes)
{
    ASSERT_TRUE(start());
    change();
    ASSERT_TRUE(start());
    ASSERT_EQ(hostsim_edit_log_count(), 2u);
    hostsim_edit outer{}, inner{};
    ASSERT_TRUE(hostsim_edit_log_entry(0, &outer));
    ASSERT_TRUE(hostsim_edit_log_entry(1, &inner));
    EXPECT_EQ(outer.outcome, HOSTSIM_EDIT_OPEN);
    EXPECT_EQ(outer.operations, 4);
    EXPECT_EQ(inner.depth, 2);
    FX_CancelFinaleEdit(V19);
    FX_CancelFinaleEdit(V19);
    EXPECT_EQ(hostsim_edit_log_count(), 2u); // now both finished
}

TEST_F(EditTransactionTest, RefusedStartPushesNothingAndItsBracketIsLegal)
{
    hostsim_refuse_edit_start(1);
    EXPECT_FALSE(start());
    EXPECT_EQ(hostsim_open_edit_depth(), 0);
    EXPECT_FALSE(FX_EndFinaleEdit(V19));
    EXPECT_EQ(violations(), 0u) << hostsim_violations_text(0);
    EXPECT_TRUE(start());
    EXPECT_TRUE(FX_EndFinaleEdit(V19));
}

} // namespace
