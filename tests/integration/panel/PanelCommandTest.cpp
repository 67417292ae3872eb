/* The panel's commands: their preconditions and questions, a failing host
   in the middle of each, and a document without the name category. */

#include <cstring>
#include <functional>
#include <sstream>

#include "staffsetpanel/FCStaffSetPanelWindow.h"
#include "PanelFixture.h"
#include "plugin/PanelInvocation.h"

namespace
{

using RowTexts = std::vector<std::string>;
using Edits = std::vector<std::string>;
const Edits kCommitted = {"Staff Set Panel"};
const Edits kCancelled = {"cancelled: Staff Set Panel"};

bool IsChange(const hostsim_call& call)
{
    return call.result != 0 &&
           (std::strcmp(call.function, "FX_SaveEData") == 0 || std::strcmp(call.function, "FX_CreateEData") == 0 ||
            std::strcmp(call.function, "FX_DeleteEData") == 0);
}

} // namespace

class PanelCommands : public PanelFixture
{
protected:
    /* The document's content as the host describes it, without its title
       line, selection and undo history. */
    std::string Document() const
    {
        std::istringstream in(Host()->hostsim_describe_document(document));
        std::string content;
        std::string line;
        std::getline(in, line);
        while (std::getline(in, line))
            if (line.rfind("selection:", 0) != 0 && line.rfind("undo:", 0) != 0)
                content += line + "\n";
        return content;
    }

    /* The last record change the host carried out for the panel since the
       call log was cleared. */
    bool LastChange(std::string* pFunction, uint32_t* pTag, int16_t key[3]) const
    {
        bool found = false;
        for (size_t i = 0; i < Host()->hostsim_call_log_count(); ++i) {
            hostsim_call call{};
            if (!Host()->hostsim_call_log_entry(i, &call) || !call.inPluginCall || !IsChange(call))
                continue;
            *pFunction = call.function;
            *pTag = call.tag;
            std::memcpy(key, call.key, sizeof call.key);
            found = true;
        }
        return found;
    }
};

TEST_F(PanelCommands, CreateWithoutASelectionOnlyExplainsItself)
{
    Invoke();
    const RowTexts before = Rows();
    /* With a row and a selection the button is enabled; the selection then
       goes away in the score. */
    SelectSlots(1, 2);
    SelectRow(3);
    ClearSelection();
    Press(104);
    const std::string noRegion = "No Region Selected: Please select a region that should be created as a staff set.";
    EXPECT_EQ((std::vector<std::string>{noRegion}), alerts);
    /* No row selected at all: the same alert alone. */
    SelectRow(-1);
    EXPECT_EQ(-1, SelectedRow());
    PluginCall("create", [] { pMainWindow->CreateNewStaffSet(); });
    EXPECT_EQ((std::vector<std::string>{noRegion, noRegion}), alerts);
    EXPECT_TRUE(TakeEdits().empty());
    EXPECT_TRUE(TakeMenuCommands().empty());
    EXPECT_EQ(before, Rows());
}

TEST_F(PanelCommands, CreateOnTheAllStavesRowAsksForAStaffSet)
{
    Invoke();
    SelectSlots(1, 2);
    SelectRow(0);
    /* The button is disabled on this row; the command guards itself too. */
    EXPECT_EQ("1", Enabled());
    PluginCall("create", [] { pMainWindow->CreateNewStaffSet(); });
    EXPECT_EQ((std::vector<std::string>{"No Staff Set Selection: Please select a staff set (1-8) in the list, "
                                        "where the created staff set should be placed."}),
              alerts);
    EXPECT_TRUE(TakeEdits().empty());
}

TEST_F(PanelCommands, SaveTemplateWaitsForAStaffSet)
{
    Invoke();
    EXPECT_EQ("110 111 112", Enabled({110, 111, 112}));
    SelectRow(1);
    answers.push_back(2); /* yes */
    Press(109);
    EXPECT_TRUE(StaffSet(1).empty());
    EXPECT_EQ("110 112", Enabled({110, 111, 112}));
}

TEST_F(PanelCommands, ReplacingAStaffSetAsksFirst)
{
    Invoke();
    SelectSlots(10, 12);
    SelectRow(1);
    TypeName("Strings");
    answers.push_back(3); /* no */
    Press(104);
    EXPECT_EQ((std::vector<std::string>{"Replace Current Staff Set?: A staff set already exist at the selected "
                                        "position. Do you want to replace the current staff set?"}),
              alerts);
    EXPECT_TRUE(TakeEdits().empty());
    EXPECT_EQ((std::vector<int16_t>{1, 2, 3, 4}), StaffSet(1));
    EXPECT_EQ("1 | Woodwinds | 4 | Flute | Bassoon", Row(1));

    answers.push_back(2); /* yes */
    Press(104);
    EXPECT_EQ(kCommitted, TakeEdits());
    EXPECT_EQ((std::vector<int16_t>{10, 11, 12}), StaffSet(1));
    Tick();
    EXPECT_EQ("1 | Strings | 3 | Violin I | Viola", Row(1));
}

TEST_F(PanelCommands, AddingStavesAlreadyInTheSetBeepsAndCancels)
{
    Invoke();
    SelectSlots(1, 2);
    SelectRow(1);
    Press(105);
    EXPECT_EQ(1, beeps);
    EXPECT_EQ(kCancelled, TakeEdits());
    EXPECT_EQ((std::vector<int16_t>{1, 2, 3, 4}), StaffSet(1));
}

TEST_F(PanelCommands, RemovingEveryStaffDeletesTheStaffSet)
{
    Invoke();
    SelectSlots(1, 4);
    SelectRow(1);
    Press(106);
    EXPECT_EQ(kCommitted, TakeEdits());
    EXPECT_TRUE(StaffSet(1).empty());
    EXPECT_EQ("1 | - | 4 | - | -", Row(1));
    Tick();
    EXPECT_EQ("1 | - | - | - | -", Row(1));
    EXPECT_EQ("102 104", Enabled());
}

TEST_F(PanelCommands, DeleteAnsweredNoKeepsTheStaffSet)
{
    Invoke();
    SelectRow(1);
    answers.push_back(3);
    Press(109);
    EXPECT_EQ(1u, alerts.size());
    EXPECT_TRUE(TakeEdits().empty());
    EXPECT_EQ((std::vector<int16_t>{1, 2, 3, 4}), StaffSet(1));
}

TEST_F(PanelCommands, MoveDownOnStaffSetThreeSwapsWithFour)
{
    PutStaffSet(3, {5, 6});
    PutStaffSet(4, {9});
    Invoke();
    SelectRow(3);
    TakeMenuCommands();
    Press(108);
    EXPECT_EQ(kCommitted, TakeEdits());
    EXPECT_EQ((std::vector<int16_t>{9}), StaffSet(3));
    EXPECT_EQ((std::vector<int16_t>{5, 6}), StaffSet(4));
    EXPECT_EQ("3 | (No Name) | 1 | Timpani | Timpani", Row(3));
    EXPECT_EQ("4 | (No Name) | 2 | Horn in F | Trumpet in B\u266D", Row(4));
    EXPECT_EQ(4, SelectedRow());
    EXPECT_EQ((std::vector<std::string>{"StS0"}), TakeMenuCommands());
}

/* One command, run once to learn its last record change, undone, then run
   again with that change refused by the host: the edit is cancelled and the
   list and the document are as they were. */
struct FailureCase
{
    const char* name;
    std::function<void(PanelFixture*)> prepare;
    int button;
    bool beeps;
};

class PanelCommandFailure : public PanelCommands, public ::testing::WithParamInterface<FailureCase>
{};

TEST_P(PanelCommandFailure, LeavesTheListAndTheDocumentAsTheyWere)
{
    const FailureCase& param = GetParam();
    PutStaffSet(2, {12, 13});
    const std::string original = Document();

    Invoke();
    param.prepare(this);
    Host()->hostsim_clear_call_log();
    Press(param.button);
    ASSERT_EQ(kCommitted, TakeEdits());
    std::string function;
    uint32_t tag = 0;
    int16_t key[3] = {};
    ASSERT_TRUE(LastChange(&function, &tag, key));
    Terminate();
    ASSERT_TRUE(Host()->hostsim_undo());
    ASSERT_EQ(original, Document());

    Invoke();
    param.prepare(this);
    const RowTexts before = Rows();
    const std::string enabled = Enabled();
    alerts.clear();
    beeps = 0;
    Host()->hostsim_fail_record(function.c_str(), tag, key, 1);
    Press(param.button);
    EXPECT_EQ(kCancelled, TakeEdits()) << function;
    EXPECT_EQ(original, Document()) << function;
    EXPECT_EQ(before, Rows());
    EXPECT_EQ(enabled, Enabled());
    EXPECT_EQ(param.beeps ? 1 : 0, beeps);
    Tick(5);
    EXPECT_EQ(before, Rows());
}

INSTANTIATE_TEST_SUITE_P(
    EachCommand, PanelCommandFailure,
    ::testing::Values(FailureCase{"Create",
                                  [](PanelFixture* p) {
                                      p->SelectSlots(10, 12);
                                      p->SelectRow(3);
                                      p->TypeName("Strings");
                                  },
                                  104, false},
                      FailureCase{"Rename",
                                  [](PanelFixture* p) {
                                      p->SelectRow(1);
                                      p->TypeName("Winds");
                                  },
                                  103, false},
                      FailureCase{"AddStaves",
                                  [](PanelFixture* p) {
                                      p->SelectSlots(5, 6);
                                      p->SelectRow(1);
                                  },
                                  105, true},
                      FailureCase{"RemoveStaves",
                                  [](PanelFixture* p) {
                                      p->SelectSlots(2, 3);
                                      p->SelectRow(1);
                                  },
                                  106, true},
                      FailureCase{"MoveDown", [](PanelFixture* p) { p->SelectRow(1); }, 108, false},
                      FailureCase{"MoveUp", [](PanelFixture* p) { p->SelectRow(2); }, 107, false},
                      FailureCase{"Delete",
                                  [](PanelFixture* p) {
                                      p->SelectRow(1);
                                      p->answers.push_back(2);
                                  },
                                  109, false}),
    [](const ::testing::TestParamInfo<FailureCase>& test) { return std::string(test.param.name); });

/* The test document has no "QZ Plug-in Data" category. */
class PanelWithoutCategory : public PanelFixture
{
protected:
    int Seed() const override { return HOSTSIM_SEED_TEST; }
};

TEST_F(PanelWithoutCategory, NamingShowsTheMissingCategoryAlertAndChangesNothing)
{
    PutStaffSet(2, {1, 2});
    Invoke();
    const RowTexts before = Rows();
    EXPECT_EQ("2 | (No Name) | 2 | Flute | Clarinet in B\u266D", Row(2));

    SelectRow(2);
    TypeName("Winds");
    Press(103);
    ASSERT_EQ(1u, alerts.size());
    EXPECT_EQ(kCancelled, TakeEdits());
    EXPECT_EQ(before, Rows());

    /* Create with a name: the same alert, and the new staff set is not kept. */
    SelectSlots(3, 4);
    SelectRow(5);
    TypeName("Brass");
    Press(104);
    ASSERT_EQ(2u, alerts.size());
    EXPECT_EQ(alerts[0], alerts[1]);
    EXPECT_EQ(kCancelled, TakeEdits());
    EXPECT_TRUE(StaffSet(5).empty());
    Tick();
    EXPECT_EQ(before, Rows());

    /* Without a name nothing needs the category. */
    TypeName("");
    Press(104);
    EXPECT_EQ(2u, alerts.size());
    EXPECT_EQ(kCommitted, TakeEdits());
    Tick();
    EXPECT_EQ("5 | (No Name) | 2 | Horn | Violin I", Row(5));
}
