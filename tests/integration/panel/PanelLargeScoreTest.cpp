/* The panel on generated large scores: every row as a straightforward
   computation reads it, one row at a time, from the plain record classes. */

#include <memory>

#include "PanelFixture.h"
#include "common/qz_host_document.h"
#include "document/FCCategoryDef.h"
#include "document/FCCategoryDefs.h"
#include "document/FCStaff.h"
#include "document/FCSystemStaff.h"
#include "document/FCSystemStaves.h"
#include "document/FCTextExpressionDef.h"
#include "document/FCTextExpressionDefs.h"
#include "strings/FCString.h"

namespace
{

std::string Utf8(FCString& text) { return text.GetUTF8String(); }

/* The staff's full name as shown, "Staff #n" when it has none. */
std::string StaffName(int16_t number)
{
    FCStaff staff;
    if (staff.Load(static_cast<uint16_t>(number))) {
        std::unique_ptr<FCString> pName(staff.CreateDisplayFullNameString());
        if (pName && !pName->IsEmpty())
            return Utf8(*pName);
    }
    return "Staff #" + std::to_string(number);
}

/* Staff set n's stored name: the description after "QZ Staff Set Panel n:"
   of the first expression in "QZ Plug-in Data" that starts with it. */
bool StoredName(int staffSet, std::string* pName)
{
    FCCategoryDefs categories;
    categories.LoadAll();
    int categoryID = -1;
    for (int i = 0; i < categories.GetCount() && categoryID < 0; ++i) {
        FCString name;
        categories.GetItemAt(i)->GetName(&name);
        if (Utf8(name) == "QZ Plug-in Data")
            categoryID = categories.GetItemAt(i)->GetID();
    }
    if (categoryID < 0)
        return false;
    FCTextExpressionDefs expressions;
    expressions.LoadAll();
    const std::string prefix = "QZ Staff Set Panel " + std::to_string(staffSet) + ":";
    for (int i = 0; i < expressions.GetCount(); ++i) {
        const FCTextExpressionDef* pExpression = expressions.GetItemAt(i);
        if (pExpression->GetCategoryID() != categoryID)
            continue;
        FCString description;
        pExpression->GetDescription(&description);
        const std::string text = Utf8(description);
        if (text.rfind(prefix, 0) != 0)
            continue;
        *pName = text.substr(prefix.size());
        return true;
    }
    return false;
}

std::string ReferenceRow(int row)
{
    FCSystemStaves list;
    const int count = list.LoadAllForItem(row == 0 ? uint16_t(0) : qz::StaffSetItem(row));
    const std::string staves = count > 0 ? std::to_string(count) : "-";
    if (row == 0)
        return "- | All Staves | " + staves + " |  | ";
    if (count == 0)
        return std::to_string(row) + " | - | - | - | -";
    std::string name;
    if (!StoredName(row, &name) || name.empty())
        name = "(No Name)";
    return std::to_string(row) + " | " + name + " | " + staves + " | " + StaffName(list.GetItemAt(0)->GetStaff()) +
           " | " + StaffName(list.GetItemAt(count - 1)->GetStaff());
}

} // namespace

class PanelLargeScore : public PanelFixture
{
protected:
    void OpenLarge(int64_t staves, int64_t expressions, int64_t staffSets, uint32_t seed)
    {
        hostsim_large_score sizes{staves, 50, expressions, staffSets, seed};
        char error[256] = "";
        ASSERT_GT(Host()->hostsim_new_large_document(&sizes, error, sizeof error), 0) << error;
    }

    std::vector<std::string> ReferenceRows()
    {
        std::vector<std::string> rows;
        PluginCall("reference", [&] {
            for (int row = 0; row <= 8; ++row)
                rows.push_back(ReferenceRow(row));
        });
        return rows;
    }
};

TEST_F(PanelLargeScore, RowsMatchAPerRowComputation)
{
    OpenLarge(300, 3000, 8, 4);
    Invoke();
    const std::vector<std::string> expected = ReferenceRows();
    ASSERT_EQ(expected.size(), 9u);
    EXPECT_EQ(expected[0], "- | All Staves | 300 |  | ");
    EXPECT_EQ(expected, Rows());
}

TEST_F(PanelLargeScore, RowsFollowHostSideChangesOnTheNextTick)
{
    OpenLarge(100, 1000, 5, 8);
    Invoke();
    EXPECT_EQ(ReferenceRows(), Rows());
    PutStaffSet(7, {40, 12, 99});
    PutStaffSet(2, {3});
    Tick();
    const std::vector<std::string> expected = ReferenceRows();
    EXPECT_EQ(expected[7].substr(0, 17), "7 | (No Name) | 3");
    EXPECT_EQ(expected, Rows());
}

TEST_F(PanelLargeScore, ACommandOnALargeScoreKeepsTheOtherRows)
{
    OpenLarge(1000, 10000, 8, 2);
    Invoke();
    const std::vector<std::string> before = Rows();
    EXPECT_EQ(ReferenceRows(), before);
    SelectRow(3);
    TypeName("Renamed");
    Press(103);
    std::vector<std::string> after = Rows();
    EXPECT_EQ(ReferenceRows(), after);
    EXPECT_EQ(after[3].substr(0, 12), "3 | Renamed ");
    after[3] = before[3];
    EXPECT_EQ(before, after);
}

/* The one-pass name reading keeps the per-row rules: the first expression of
   a staff set in the special category wins, the same text in another
   category is no name. */
TEST_F(PanelLargeScore, NamesFollowTheFirstExpressionInTheCategory)
{
    ASSERT_GT(Host()->hostsim_put_text_expression(0, 12, "QZ Staff Set Panel 1:Later", "x", 0), 0);
    ASSERT_GT(Host()->hostsim_put_text_expression(0, 1, "QZ Staff Set Panel 2:Elsewhere", "x", 0), 0);
    PutStaffSet(2, {3, 4});
    Invoke();
    const std::vector<std::string> rows = Rows();
    EXPECT_EQ(ReferenceRows(), rows);
    EXPECT_EQ(rows[1].substr(0, 15), "1 | Woodwinds |");
    EXPECT_EQ(rows[2].substr(0, 15), "2 | (No Name) |");
}

/* Counting skips the part switch only when the score is current: from a
   part the tick still counts the score's lists and restores the part. */
TEST_F(PanelLargeScore, TheTickCountsTheScoresListsFromAPart)
{
    Invoke();
    PutStaffSet(5, {1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(Host()->hostsim_set_current_part(1));
    Tick();
    EXPECT_EQ(Rows()[5].substr(0, 19), "5 | (No Name) | 6 |");
    EXPECT_EQ(1, Host()->hostsim_current_part());
    ASSERT_TRUE(Host()->hostsim_set_current_part(0));
    EXPECT_EQ(ReferenceRows(), Rows());
}
