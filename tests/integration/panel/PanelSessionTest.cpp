/* A whole session with the panel on the demo score, each step checked by the
   list's nine rows, the enabled controls, the host's view and undo steps. */

#include "PanelFixture.h"

namespace
{

using RowTexts = std::vector<std::string>;
const char* const kAllEnabled = "1 102 103 104 105 106 107 108 109";

/* The nine rows of the demo score with staff set 1 (the woodwinds) and the
   given rows 2 to 8 (empty staff sets elsewhere). */
RowTexts DemoRows(const std::vector<std::pair<int, std::string>>& changed = {})
{
    RowTexts rows = {"- | All Staves | 14 |  | ", "1 | Woodwinds | 4 | Flute | Bassoon"};
    for (int n = 2; n <= 8; ++n)
        rows.push_back(std::to_string(n) + " | - | - | - | -");
    for (const auto& entry : changed)
        rows[entry.first] = entry.second;
    return rows;
}

} // namespace

class PanelSession : public PanelFixture
{};

TEST_F(PanelSession, OpensWithTheNineRowsOfTheDemoScore)
{
    Invoke();
    ASSERT_NE(0, Window());
    EXPECT_EQ(DemoRows(), Rows());
    EXPECT_EQ(-1, SelectedRow());
    EXPECT_EQ("", Enabled());
    EXPECT_EQ(5, qzui_table_column_count(Window(), 101));
    const char* titles[] = {"#", "Name", "Staves", "Top", "Bottom"};
    const float widths[] = {40, 130, 60, 90, 90};
    for (int column = 0; column < 5; ++column) {
        char title[32] = {};
        qzui_table_column_title(Window(), 101, column, title, sizeof title);
        EXPECT_STREQ(titles[column], title);
        EXPECT_EQ(widths[column], qzui_table_column_width(Window(), 101, column));
    }
    int id = 0;
    int period = 0;
    ASSERT_EQ(1, qzui_timer_count(Window()));
    qzui_timer_info(Window(), 0, &id, &period);
    EXPECT_EQ(2, id);
    EXPECT_EQ(200, period);
    EXPECT_TRUE(TakeEdits().empty());
}

TEST_F(PanelSession, SelectingARowEnablesWhatItAllows)
{
    Invoke();
    SelectRow(0);
    EXPECT_EQ("1", Enabled());
    SelectRow(1);
    EXPECT_EQ("1 102 103 108 109", Enabled());
    EXPECT_EQ("Woodwinds", EditText());
    SelectRow(8);
    EXPECT_EQ("102", Enabled());
    EXPECT_EQ("", EditText());
    SelectSlots(1, 2);
    SelectRow(1);
    EXPECT_EQ("1 102 103 104 105 106 108 109", Enabled());
    SelectRow(8);
    EXPECT_EQ("102 104", Enabled());
}

TEST_F(PanelSession, CreateAddRemoveMoveRenameAndDelete)
{
    Invoke();
    const auto expectOneStep = [&](const char* what) {
        EXPECT_EQ((std::vector<std::string>{"Staff Set Panel"}), TakeEdits()) << what;
        EXPECT_STREQ("Staff Set Panel", Host()->hostsim_undo_name()) << what;
    };

    /* Create staff set 3 from Violin I to Viola, named "Strings". */
    SelectSlots(10, 12);
    SelectRow(3);
    TypeName("  Strings ");
    Press(104);
    expectOneStep("create");
    EXPECT_EQ((std::vector<int16_t>{10, 11, 12}), StaffSet(3));
    /* The count follows with the next tick. */
    EXPECT_EQ("3 | Strings | - | Violin I | Viola", Row(3));
    Tick();
    EXPECT_EQ(DemoRows({{3, "3 | Strings | 3 | Violin I | Viola"}}), Rows());
    EXPECT_EQ(kAllEnabled, Enabled());

    /* Add the cello and the bass. */
    SelectSlots(13, 14);
    Press(105);
    expectOneStep("add");
    Tick();
    EXPECT_EQ(DemoRows({{3, "3 | Strings | 5 | Violin I | Contrabass"}}), Rows());

    /* Remove Violin II; the document is redrawn. */
    const size_t redraws = Host()->hostsim_redraw_count();
    SelectSlots(11, 11);
    Press(106);
    expectOneStep("remove");
    EXPECT_EQ(redraws + 1, Host()->hostsim_redraw_count());
    EXPECT_EQ((std::vector<int16_t>{10, 12, 13, 14}), StaffSet(3));
    Tick();
    EXPECT_EQ(DemoRows({{3, "3 | Strings | 4 | Violin I | Contrabass"}}), Rows());

    /* Move down: the selection and the enabled buttons follow to row 4, the
       view shows all staves. */
    TakeMenuCommands();
    Press(108);
    expectOneStep("move down");
    EXPECT_EQ(DemoRows({{4, "4 | Strings | 4 | Violin I | Contrabass"}}), Rows());
    EXPECT_EQ(4, SelectedRow());
    EXPECT_EQ(kAllEnabled, Enabled());
    EXPECT_EQ("Strings", EditText());
    EXPECT_EQ((std::vector<std::string>{"StS0"}), TakeMenuCommands());
    EXPECT_EQ(0, DisplayedStaffSet());
    EXPECT_TRUE(StaffSet(3).empty());

    /* And back up. */
    Press(107);
    expectOneStep("move up");
    EXPECT_EQ(DemoRows({{3, "3 | Strings | 4 | Violin I | Contrabass"}}), Rows());
    EXPECT_EQ(3, SelectedRow());
    EXPECT_EQ(kAllEnabled, Enabled());

    /* View it, then rename it to blanks: the name is removed. */
    DoubleClick(3);
    EXPECT_EQ(3, DisplayedStaffSet());
    EXPECT_EQ((std::vector<std::string>{"StS0", "VwSc", "DOes", "StS3"}), TakeMenuCommands());
    TypeName("   ");
    Press(103);
    expectOneStep("rename");
    EXPECT_EQ(DemoRows({{3, "3 | (No Name) | 4 | Violin I | Contrabass"}}), Rows());

    /* Delete, answered with yes. */
    answers.push_back(2);
    Press(109);
    expectOneStep("delete");
    EXPECT_EQ((std::vector<std::string>{"Delete Staff Set?: Do you really want to delete the selected staff set?"}),
              alerts);
    EXPECT_EQ(DemoRows(), Rows());
    EXPECT_TRUE(StaffSet(3).empty());
    EXPECT_EQ(0, DisplayedStaffSet());
    EXPECT_EQ("102 104", Enabled());

    /* Every change is one undo step: undoing the delete brings it back. */
    ASSERT_TRUE(Host()->hostsim_undo());
    Tick();
    EXPECT_EQ(DemoRows({{3, "3 | (No Name) | 4 | Violin I | Contrabass"}}), Rows());
    EXPECT_EQ(0, beeps);
}

TEST_F(PanelSession, OkButtonAndDoubleClickSwitchTheView)
{
    Invoke();
    SelectRow(1);
    TakeMenuCommands();
    Press(1);
    EXPECT_EQ((std::vector<std::string>{"VwSc", "DOes", "StS1"}), TakeMenuCommands());
    EXPECT_EQ(1, DisplayedStaffSet());
    DoubleClick(0);
    EXPECT_EQ((std::vector<std::string>{"VwSc", "DOes", "StS0"}), TakeMenuCommands());
    EXPECT_EQ(0, DisplayedStaffSet());
    /* A missing staff set switches nothing. */
    DoubleClick(5);
    EXPECT_TRUE(TakeMenuCommands().empty());
    EXPECT_TRUE(TakeEdits().empty());
}
