/* The bridge's operations on tables (the rows of data lists and list boxes),
 * over the backend's primitive element operations. */
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "common/qz_utf.h"
#include "strings/FCString.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCDataListRow.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/__FCUserWindow.h"
#include "ui/bridge/ElementBackend.h"
#include "ui/bridge/TableRules.h"

using namespace ElementBackend;
using namespace TableRules;

namespace
{
Element Table(const _FCWindowController_cocoa* pBridge, int id) { return Find(pBridge, id, Kind::Table); }

int CheckOffset(Element table) { return HasCheckColumn(table) ? 1 : 0; }

bool IsRow(Element table, int row) { return row >= 0 && row < RowCount(table); }

/* The number after "col" of the last column, 0 without one. */
int LastColumnNumber(Element table)
{
    const int count = ColumnCount(table);
    const std::string last = count > 0 ? ColumnIdentifier(table, count - 1) : std::string();
    return last.compare(0, 3, "col") == 0 ? std::atoi(last.c_str() + 3) : 0;
}
} // namespace

bool TableRules::HasCheckColumn(Element table)
{
    return ColumnCount(table) > 0 && ColumnIdentifier(table, 0) == "check";
}

float TableRules::RowHeightFor(int fontSize)
{
    return std::max(16.0f, std::ceil(static_cast<float>(fontSize) * 1.2f) + 3);
}

TableRules::Cell TableRules::CellOf(FCCtrlDataList* pList, const std::string& identifier, int row)
{
    return CellOf(pList ? pList->GetItemAt(row) : nullptr, CellIndexOf(identifier));
}

int TableRules::CellIndexOf(const std::string& identifier)
{
    if (identifier == "check")
        return kCheckCell;
    if (identifier.compare(0, 3, "col") != 0)
        return kNoCell;
    const long number = std::strtol(identifier.c_str() + 3, nullptr, 10);
    return number > 0 && number <= INT_MAX ? static_cast<int>(number - 1) : kNoCell;
}

TableRules::Cell TableRules::CellOf(const FCDataListRow* pRow, int cellIndex)
{
    Cell cell;
    if (!pRow)
        return cell;
    cell.isCheck = cellIndex == kCheckCell;
    cell.checked = cell.isCheck && pRow->GetCheck();
    if (cellIndex >= 0)
        cell.pText = pRow->GetItemAt(cellIndex);
    return cell;
}

void TableRules::AppendText(const Cell& cell, bool unicodeHost, std::string& out)
{
    if (cell.isCheck) {
        out += cell.checked ? '1' : '0';
        return;
    }
    if (!cell.pText)
        return;
    if (unicodeHost) {
        if (cell.pText->_GetBuffer())
            qz::Utf16ToUtf8(cell.pText->_GetBuffer(), cell.pText->GetLength(), out, qz::Malformed::Replace);
        return;
    }
    const std::string bytes = cell.pText->GetCString();
    if (qz::FindMalformedUtf8(bytes) == std::string::npos)
        out += bytes;
}

bool _FCWindowController_cocoa::TableViewUseLeftCheckboxColumn(int id)
{
    Element table = Table(this, id);
    if (!table)
        return false;
    /* The check column is the leftmost, also when others exist. */
    if (!HasCheckColumn(table))
        InsertColumn(table, 0, Column{"check", nullptr, 26, true, 0});
    return true;
}

bool _FCWindowController_cocoa::TableViewHasCheckboxes(int id)
{
    return ReadOr(Table(this, id), false, HasCheckColumn);
}

void _FCWindowController_cocoa::TableViewSetNoHeader(int id)
{
    if (Element table = Table(this, id))
        HideHeader(table);
}

void _FCWindowController_cocoa::TableViewExpandLastColumn(int id)
{
    Element table = Table(this, id);
    const int count = table ? ColumnCount(table) : 0;
    if (count == 0)
        return;
    float others = 0;
    for (int i = 0; i + 1 < count; ++i)
        others += ColumnWidth(table, i);
    SetColumnWidth(table, count - 1, std::max(ColumnWidth(table, count - 1), VisibleWidth(table) - others));
}

int _FCWindowController_cocoa::TableViewGetColumnCount(int id, bool includeCheckColumn)
{
    return ReadOr(Table(this, id), -1,
                  [=](Element table) { return ColumnCount(table) - (includeCheckColumn ? 0 : CheckOffset(table)); });
}

float _FCWindowController_cocoa::TableViewGetColumnWidth(int id, int column)
{
    Element table = Table(this, id);
    if (!table || column < 0)
        return -1;
    const int index = column + CheckOffset(table);
    return index < ColumnCount(table) ? ColumnWidth(table, index) : -1;
}

void _FCWindowController_cocoa::TableViewSetColumnTitle(int id, int column, FCString* pTitle)
{
    Element table = Table(this, id);
    if (table && column >= 0 && column < ColumnCount(table))
        SetColumnTitle(table, column, pTitle);
}

void _FCWindowController_cocoa::TableViewAddColumn(int id, FCString* pTitle, float width, int fontSize)
{
    Element table = Table(this, id);
    if (!table)
        return;
    const std::string identifier = "col" + std::to_string(LastColumnNumber(table) + 1);
    InsertColumn(table, ColumnCount(table), Column{identifier, pTitle, width, false, fontSize});
    SetRowHeight(table, RowHeightFor(fontSize));
}

void _FCWindowController_cocoa::TableViewDeleteAllColumns(int id)
{
    if (Element table = Table(this, id))
        RemoveColumns(table);
}

void _FCWindowController_cocoa::TableViewRedraw(int id)
{
    Element table = Table(this, id);
    if (!table)
        return;
    ReloadRows(table);
    /* A selected row that no longer exists is dropped from the selection. */
    if (SelectedRow(table) >= RowCount(table))
        SelectRow(this, table, -1);
}

void _FCWindowController_cocoa::TableViewScrollToTop(int id)
{
    if (Element table = Table(this, id))
        ScrollToRow(table, 0);
}

int _FCWindowController_cocoa::TableViewGetSelectedLine(int id) { return ReadOr(Table(this, id), -1, SelectedRow); }

void _FCWindowController_cocoa::TableViewSelectLine(int id, int line, bool scrollIntoView)
{
    Element table = Table(this, id);
    if (!table || !IsRow(table, line))
        return;
    if (SelectedRow(table) != line)
        SelectRow(this, table, line);
    if (scrollIntoView)
        ScrollToRow(table, line);
}

void _FCWindowController_cocoa::TableViewUpdateCheckbox(int id, int line)
{
    Element table = Table(this, id);
    if (table && IsRow(table, line))
        RedrawRow(table, line);
}

void _FCWindowController_cocoa::TableViewClearSelection(int id)
{
    Element table = Table(this, id);
    if (table && AllowsEmptySelection(table) && SelectedRow(table) != -1)
        SelectRow(this, table, -1);
}

void _FCWindowController_cocoa::TableViewAssureConnected(FCCtrlDataList* pList)
{
    if (Element table = pList ? Table(this, pList->GetControlID()) : nullptr)
        Connect(this, table, pList);
}

void _FCWindowController_cocoa::_TableCheckEdited(int id, int row, bool checked)
{
    Element table = Table(this, id);
    FCCtrlDataList* pList = table ? ListOf(table) : nullptr;
    FCDataListRow* pRow = pList ? pList->GetItemAt(row) : nullptr;
    if (!pRow)
        return;
    pRow->SetCheck(checked);
    pList->HandleCheckChange(row, checked);
    if (_pWindow)
        _pWindow->HandleDataListCheck(pList, row, checked);
}
