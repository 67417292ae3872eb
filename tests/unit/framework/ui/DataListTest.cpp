#include <string>

#include "core/FinaleVersion.h"
#include "common/qz_host_versions.h"
#include "UiTestWindow.h"

using DataListControl = UiTest;

TEST_F(DataListControl, CreateRowNeedsColumns)
{
    FCCtrlDataList list(101);
    EXPECT_EQ(nullptr, list.CreateRow());
    EXPECT_EQ(0, list.GetCount());
    FCString title("A");
    list.AddColumn(&title, 50);
    list.AddColumn(nullptr, 60);
    FCDataListRow* pRow = list.CreateRow();
    ASSERT_NE(nullptr, pRow);
    EXPECT_EQ(2, pRow->GetCount());
    EXPECT_EQ(-1, pRow->_GetRowIndex()); /* not connected without a table */
}

TEST_F(DataListControl, AddRowReturnsConsecutiveIndexes)
{
    FCCtrlDataList list(101);
    EXPECT_EQ(0, list.AddRow(new FCDataListRow()));
    EXPECT_EQ(1, list.AddRow(new FCDataListRow()));
    EXPECT_EQ(2, list.AddRow(new FCDataListRow()));
    EXPECT_EQ(-1, list.AddRow(nullptr));
    EXPECT_EQ(3, list.GetCount());
    EXPECT_EQ(nullptr, list.GetItemAt(3));
    EXPECT_EQ(nullptr, list.GetItemAt(-1));
}

TEST_F(DataListControl, StoredColumnsAndRowsMoveToTheTableWhenItLoads)
{
    TestWindow window;
    window.FillList(2);
    EXPECT_EQ(3, window.pList->GetDetailedColumnCount(true));
    EXPECT_EQ(80.0f, window.pList->GetColumnWidth(1));
    EXPECT_EQ(-1.0f, window.pList->GetColumnWidth(3));
    int win = Shown(window);
    ASSERT_EQ(3, qzui_table_column_count(win, 101));
    char buffer[32];
    qzui_table_column_identifier(win, 101, 2, buffer, sizeof buffer);
    EXPECT_STREQ("col3", buffer);
    qzui_table_column_title(win, 101, 0, buffer, sizeof buffer);
    EXPECT_STREQ("T1", buffer);
    EXPECT_EQ(120.0f, qzui_table_column_width(win, 101, 2));
    EXPECT_EQ(2, qzui_table_row_count(win, 101));
    EXPECT_EQ("r1c2", Cell(win, 101, 1, 2));
    EXPECT_EQ(1, window.pList->GetItemAt(1)->_GetRowIndex());
}

TEST_F(DataListControl, ColumnIdentifiersContinueFromTheLastColumnsNumber)
{
    TestWindow window;
    int win = Shown(window);
    FCString title("x");
    window.pList->AddColumn(&title, 10);
    window.pList->AddColumn(&title, 10);
    window.pList->UseLeftCheckboxColumn();
    window.pList->AddColumn(&title, 10);
    const char* kExpected[] = {"check", "col1", "col2", "col3"};
    for (int i = 0; i < 4; ++i) {
        char buffer[16];
        qzui_table_column_identifier(win, 101, i, buffer, sizeof buffer);
        EXPECT_STREQ(kExpected[i], buffer);
    }
}

TEST_F(DataListControl, CellOfAMissingColumnIsEmpty)
{
    TestWindow window;
    FCString title("t");
    for (int i = 0; i < 3; ++i)
        window.pList->AddColumn(&title, 30);
    auto* pRow = new FCDataListRow();
    FCString one("one"), two("two");
    pRow->AddCopy(&one);
    pRow->AddCopy(&two);
    window.pList->AddRow(pRow);
    int win = Shown(window);
    EXPECT_EQ("two", Cell(win, 101, 0, 1));
    EXPECT_EQ("", Cell(win, 101, 0, 2)); /* "col3" on a row of two cells */
    EXPECT_EQ("", Cell(win, 101, 5, 0)); /* no such row */
}

TEST_F(DataListControl, SelectLineBelowZeroIsRefused)
{
    TestWindow window;
    EXPECT_FALSE(window.pList->SelectLine(-1, false));
    EXPECT_EQ(-1, window.pList->GetSelectedLine());
    EXPECT_TRUE(window.pList->SelectLine(1, false));
    EXPECT_EQ(1, window.pList->GetSelectedLine());
}

TEST_F(DataListControl, StoredSelectionIsAppliedAndReportedAtLoad)
{
    TestWindow window;
    window.FillList(3);
    window.pList->SelectLine(2, true);
    int win = Shown(window);
    EXPECT_EQ(2, qzui_table_selected_row(win, 101));
    EXPECT_EQ((EventLog{"list.select 2", "window.select 101 2", "command 101", "init"}), window.log);
    qzui_select_row(win, 101, 0);
    window.CloseWindow();
    EXPECT_EQ(0, window.pList->GetSelectedLine());
}

TEST_F(DataListControl, WidthIndexSkipsTheCheckColumnButTitleIndexDoesNot)
{
    TestWindow window;
    window.pList->UseLeftCheckboxColumn();
    window.FillList(1);
    int win = Shown(window);
    EXPECT_TRUE(window.pList->HasCheckboxes());
    EXPECT_EQ(3, window.pList->GetDetailedColumnCount(false));
    EXPECT_EQ(4, window.pList->GetDetailedColumnCount(true));
    EXPECT_EQ(40.0f, window.pList->GetColumnWidth(0));
    FCString title("Renamed");
    window.pList->SetColumnTitle(1, &title);
    char buffer[32];
    qzui_table_column_title(win, 101, 1, buffer, sizeof buffer);
    EXPECT_STREQ("Renamed", buffer);
    qzui_table_column_title(win, 101, 0, buffer, sizeof buffer);
    EXPECT_STREQ("", buffer);
}

TEST_F(DataListControl, RowsKeepTheirIndexUntilReconnected)
{
    TestWindow window;
    window.FillList(3);
    Shown(window);
    FCDataListRow* pLast = window.pList->GetItemAt(2);
    EXPECT_TRUE(window.pList->DeleteRow(0));
    EXPECT_EQ(2, window.pList->GetCount());
    EXPECT_EQ(2, pLast->_GetRowIndex());
    window.pList->ReconnectAll();
    EXPECT_EQ(1, pLast->_GetRowIndex());
    EXPECT_TRUE(window.pList->DeleteRow(7)); /* on screen the table is reloaded anyway */
    FCCtrlDataList offscreen(5);
    EXPECT_FALSE(offscreen.DeleteRow(0));
}

TEST_F(DataListControl, DeletingRowsDropsASelectionBeyondTheEnd)
{
    TestWindow window;
    window.FillList(3);
    int win = Shown(window);
    qzui_select_row(win, 101, 2);
    window.log.clear();
    window.pList->DeleteAll();
    EXPECT_EQ(0, window.pList->GetCount());
    EXPECT_EQ(-1, qzui_table_selected_row(win, 101));
    EXPECT_EQ((EventLog{"list.unselect", "window.select 101 -1", "command 101"}), window.log);
}

TEST_F(DataListControl, RowsAddedOnScreenAreConnectedAndShown)
{
    TestWindow window;
    window.pList->UseLeftCheckboxColumn();
    int win = Shown(window);
    FCString title("only");
    window.pList->AddColumn(&title, 70);
    FCDataListRow* pRow = window.pList->CreateRow();
    ASSERT_NE(nullptr, pRow);
    EXPECT_EQ(1, pRow->GetCount());
    EXPECT_EQ(0, pRow->_GetRowIndex());
    EXPECT_EQ(window.pList, pRow->_GetList());
    pRow->GetItemAt(0)->SetCString("added");
    pRow->SetCheck(true);
    EXPECT_EQ("added", Cell(win, 101, 0, 1));
    EXPECT_EQ("1", Cell(win, 101, 0, 0));
}

TEST_F(DataListControl, DefaultCheckHandlerStoresTheState)
{
    FCCtrlDataList list(9);
    list.AddRow(new FCDataListRow());
    list.HandleCheckChange(0, true);
    EXPECT_TRUE(list.GetItemAt(0)->GetCheck());
    list.HandleCheckChange(4, true); /* no such row: nothing */
}

TEST_F(DataListControl, CellTextsForMissingCellsAreQuestionMarks)
{
    FCDataListRow row;
    FCString cell("abc");
    row.AddCopy(&cell);
    EXPECT_STREQ("abc", FCCtrlDataList::_GetCellCText(&row, 0));
    EXPECT_STREQ("???", FCCtrlDataList::_GetCellCText(&row, 1));
    EXPECT_STREQ("???", FCCtrlDataList::_GetCellCText(nullptr, 0));
    const uint16_t* pMissing = FCCtrlDataList::_GetCellUnicodeText(nullptr, 0);
    EXPECT_EQ(std::u16string(u"???"), std::u16string(reinterpret_cast<const char16_t*>(pMissing)));
}

TEST_F(DataListControl, LongCellIsCutToTheSharedBuffer)
{
    FCDataListRow row;
    FCString cell(std::string(600, 'x').c_str());
    row.AddCopy(&cell);
    const uint16_t* pText = FCCtrlDataList::_GetCellUnicodeText(&row, 0);
    EXPECT_EQ(511u, std::u16string(reinterpret_cast<const char16_t*>(pText)).size());
}

namespace
{
class OlderHost
{
    uint32_t _saved;

public:
    OlderHost() : _saved(GetFinaleFrameworkVersion()) { SetFinaleFrameworkVersion(qz::kHostVersion10); }
    ~OlderHost() { SetFinaleFrameworkVersion(_saved); }
};
} // namespace

TEST_F(DataListControl, OlderHostsReadCellsAsUtf8AndTextsAsAscii)
{
    TestWindow window;
    window.FillList(1);
    window.pList->GetItemAt(0)->GetItemAt(1)->SetCString("caf\xC3\xA9");
    int win = Shown(window);
    OlderHost older;
    EXPECT_EQ("caf\xC3\xA9", Cell(win, 101, 0, 1));
    ASSERT_EQ(QZUI_OK, qzui_type_text(win, 102, "\xC3\xA9t\xC3\xA9 \\"));
    FCString text;
    window.pEdit->GetText(&text);
    EXPECT_STREQ("\\u00e9t\\u00e9 \\\\", text.GetCString());
}

TEST_F(DataListControl, WholeTableReadsAsItsCellsOneByOne)
{
    TestWindow window;
    window.pList->UseLeftCheckboxColumn();
    window.FillList(2);
    window.pList->GetItemAt(0)->SetCheck(true);
    window.pList->GetItemAt(1)->GetItemAt(0)->SetCString("caf\xC3\xA9");
    window.pList->GetItemAt(1)->GetItemAt(2)->SetCString("\xFF");
    auto* pShort = new FCDataListRow();
    FCString one("one");
    pShort->AddCopy(&one);
    window.pList->AddRow(pShort);
    int win = Shown(window);
    ASSERT_EQ(4, qzui_table_column_count(win, 101));
    /* Each cell read alone, followed by a zero byte. */
    const auto cellByCell = [&] {
        std::string texts;
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 4; ++column)
                texts += Cell(win, 101, row, column) + '\0';
        return texts;
    };
    const auto wholeTable = [&] {
        char buffer[512];
        const int length = qzui_table_texts(win, 101, buffer, sizeof buffer);
        return length < 0 ? std::string("<missing>") : std::string(buffer, static_cast<size_t>(length));
    };
    EXPECT_EQ(cellByCell(), wholeTable());
    {
        OlderHost older;
        EXPECT_EQ(cellByCell(), wholeTable());
    }
    char small[8] = "x";
    EXPECT_EQ(static_cast<int>(cellByCell().size()), qzui_table_texts(win, 101, small, sizeof small));
    EXPECT_STREQ("", small);                                        /* too small: left empty, the length told */
    EXPECT_EQ(-1, qzui_table_texts(win, 102, small, sizeof small)); /* the edit field */
}
