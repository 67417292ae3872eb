/* Every command against a host that refuses one of its writes: each delete,
   save and create the command makes is refused in turn, and the command
   must then either fail with the document exactly as before, or succeed
   with exactly the result of an unhindered run (a refusal it may ignore,
   such as deleting a resize record that is not there). */

#include <set>
#include <string>
#include <tuple>

#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "HandlerHostFixture.h"

namespace
{
using H = FCStaffSetPanelHandler;

struct Write
{
    std::string function;
    uint32_t tag;
    int16_t key[3];
    bool operator<(const Write& other) const
    {
        return std::tie(function, tag, key[0], key[1], key[2]) <
               std::tie(other.function, other.tag, other.key[0], other.key[1], other.key[2]);
    }
};
} // namespace

class RefusedWrites : public TestSeedHandlerTest
{
protected:
    /* The document writes of the last command, each (function, record) once. */
    std::set<Write> Writes() const
    {
        std::set<Write> writes;
        for (size_t i = 0; i < H().hostsim_call_log_count(); ++i) {
            hostsim_call call{};
            if (!H().hostsim_call_log_entry(i, &call) || !call.inPluginCall)
                continue;
            const std::string function = call.function;
            if (function == "FX_DeleteEData" || function == "FX_SaveEData" || function == "FX_CreateEData")
                writes.insert(Write{function, call.tag, {call.key[0], call.key[1], call.key[2]}});
        }
        return writes;
    }

    /* Runs the command once unhindered, then once per write with that write
       refused. Returns how many refusals failed the command. */
    int RefuseEachWriteInTurn(int kind, int staffSet, const char* name)
    {
        const std::string before = Records();
        H().hostsim_clear_call_log();
        EXPECT_TRUE(Command(kind, staffSet, name));
        const std::string after = Records();
        const std::set<Write> writes = Writes();
        EXPECT_FALSE(writes.empty());
        EXPECT_TRUE(H().hostsim_undo());

        int failed = 0;
        for (const Write& write : writes) {
            SCOPED_TRACE(write.function + " of " + std::to_string(write.tag) + " (" + std::to_string(write.key[0]) +
                         ", " + std::to_string(write.key[1]) + ", " + std::to_string(write.key[2]) + ")");
            H().hostsim_fail_record(write.function.c_str(), write.tag, write.key, 1);
            const size_t steps = H().hostsim_undo_depth();
            if (RunCommand(kind, staffSet, name)) {
                EXPECT_EQ(Records(), after) << "a refused write was reported as success";
                EXPECT_TRUE(H().hostsim_undo());
            }
            else {
                ++failed;
                EXPECT_EQ(Records(), before) << "a refused write left the document half-written";
                EXPECT_EQ(H().hostsim_undo_depth(), steps);
            }
        }
        return failed;
    }
};

TEST_P(RefusedWrites, CreateOverANamedSet)
{
    PutStaffSet(3, {{1, 0, 100}, {2, -300, 70}, {3, -620, 100}});
    PutNameExpression(kCategoryID, Prefix(3) + "Old");
    Select(4, 6);
    EXPECT_GT(RefuseEachWriteInTurn(H::OPERATION_CREATE, 3, "New"), 0);
}

TEST_P(RefusedWrites, CreateWithANewName)
{
    Select(2, 3);
    EXPECT_GT(RefuseEachWriteInTurn(H::OPERATION_CREATE, 5, "Fresh"), 0);
}

TEST_P(RefusedWrites, AddStaves)
{
    PutStaffSet(3, {{2, 0, 100}, {5, -950, 80}});
    Select(3, 4);
    EXPECT_GT(RefuseEachWriteInTurn(H::OPERATION_ADDSTAVES, 3, ""), 0);
}

TEST_P(RefusedWrites, RemoveSomeStaves)
{
    PutStaffSet(3, {{1, 0, 100}, {2, -300, 100}, {3, -620, 90}});
    Select(1, 1);
    EXPECT_GT(RefuseEachWriteInTurn(H::OPERATION_REMOVESTAVES, 3, ""), 0);
}

TEST_P(RefusedWrites, RemoveTheLastStaffWithTheName)
{
    PutStaffSet(3, {{4, 0, 100}});
    PutNameExpression(kCategoryID, Prefix(3) + "Solo");
    Select(4, 4);
    EXPECT_GT(RefuseEachWriteInTurn(H::OPERATION_REMOVESTAVES, 3, ""), 0);
}

TEST_P(RefusedWrites, SwapTwoNamedSets)
{
    PutStaffSet(3, {{1, 0, 100}, {2, -300, 50}});
    PutStaffSet(4, {{5, 0, 100}});
    PutNameExpression(kCategoryID, Prefix(3) + "Three");
    PutNameExpression(kCategoryID, Prefix(4) + "Four");
    EXPECT_GT(RefuseEachWriteInTurn(H::OPERATION_MOVEDOWN, 3, ""), 0);
}

TEST_P(RefusedWrites, DeleteANamedSet)
{
    PutStaffSet(6, {{1, 0, 100}, {6, -1560, 100}});
    PutNameExpression(kCategoryID, Prefix(6) + "Outer");
    EXPECT_GT(RefuseEachWriteInTurn(H::OPERATION_DELETE, 6, ""), 0);
}

TEST_P(RefusedWrites, RenameAndRemoveTheName)
{
    PutStaffSet(2, {{1, 0, 100}});
    EXPECT_GT(RefuseEachWriteInTurn(H::OPERATION_RENAME, 2, "Named"), 0);
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 2, "Named", false));
    EXPECT_GT(RefuseEachWriteInTurn(H::OPERATION_RENAME, 2, ""), 0);
}

INSTANTIATE_TEST_SUITE_P(Profiles, RefusedWrites, HANDLER_HOST_PROFILES);
