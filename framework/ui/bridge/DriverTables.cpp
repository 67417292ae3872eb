/* The driver's calls for tables: columns, rows and cells read from the data
 * source, the selection, a double click and the check box of a row. */
#include "ui/driver/qzui_driver.h"

#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/DriverTargets.h"
#include "ui/bridge/ElementBackend.h"
#include "ui/bridge/TableRules.h"

using namespace ElementBackend;
using namespace DriverTargets;
using TableRules::HasCheckColumn;

namespace
{
Element TableAt(int window, int tag) { return OfKind(window, tag, Kind::Table); }

bool InRange(int index, int count) { return index >= 0 && index < count; }

/* The table when the column is one of its columns, else null. */
Element ColumnOf(int window, int tag, int column)
{
    Element table = TableAt(window, tag);
    return table && InRange(column, ColumnCount(table)) ? table : nullptr;
}

/* Selects a row as a click does (-1 clears the selection when allowed and
   the table allows none); a change is reported. */
int ClickRow(int window, int tag, int row, bool allowClear)
{
    auto [result, pBridge, table] = ActOn(window, tag, Kind::Table);
    if (result != QZUI_OK)
        return result;
    const bool clearing = row == -1 && allowClear && AllowsEmptySelection(table);
    if (!clearing && !InRange(row, RowCount(table)))
        return QZUI_E_RANGE;
    if (SelectedRow(table) != row)
        SelectRow(pBridge, table, row);
    return QZUI_OK;
}
} // namespace

int qzui_table_column_count(int window, int tag)
{
    Element table = TableAt(window, tag);
    return table ? ColumnCount(table) : -1;
}

int qzui_table_column_identifier(int window, int tag, int column, char* buf, int size)
{
    Element table = ColumnOf(window, tag, column);
    return table ? qzui::CopyOut(ColumnIdentifier(table, column), buf, size) : -1;
}

int qzui_table_column_title(int window, int tag, int column, char* buf, int size)
{
    Element table = ColumnOf(window, tag, column);
    return table ? qzui::CopyOut(ColumnTitle(table, column), buf, size) : -1;
}

float qzui_table_column_width(int window, int tag, int column)
{
    Element table = ColumnOf(window, tag, column);
    return table ? ColumnWidth(table, column) : -1.0f;
}

int qzui_table_row_count(int window, int tag)
{
    Element table = TableAt(window, tag);
    return table ? RowCount(table) : -1;
}

int qzui_table_cell_text(int window, int tag, int row, int column, char* buf, int size)
{
    Element table = TableAt(window, tag);
    if (!table)
        return -1;
    const bool cell = InRange(column, ColumnCount(table)) && InRange(row, RowCount(table));
    return qzui::CopyOut(cell ? CellText(table, row, column) : std::string(), buf, size);
}

int qzui_table_selected_row(int window, int tag)
{
    Element table = TableAt(window, tag);
    return table ? SelectedRow(table) : -1;
}

int qzui_select_row(int window, int tag, int row) { return ClickRow(window, tag, row, true); }

int qzui_double_click_row(int window, int tag, int row)
{
    int result = ClickRow(window, tag, row, false);
    if (result != QZUI_OK)
        return result;
    /* The selection report may have closed the window. */
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    Element table = pBridge ? Find(pBridge, tag, Kind::Table) : nullptr;
    if (!table)
        return QZUI_E_NO_WINDOW;
    SendAction(pBridge, table);
    return QZUI_OK;
}

int qzui_toggle_row_check(int window, int tag, int row)
{
    auto [result, pBridge, table] = ActOn(window, tag, Kind::Table);
    if (result != QZUI_OK)
        return result;
    if (!HasCheckColumn(table))
        return QZUI_E_WRONG_KIND;
    if (!InRange(row, RowCount(table)))
        return QZUI_E_RANGE;
    /* What the check box cell hands its table when clicked. */
    pBridge->_TableCheckEdited(tag, row, CellText(table, row, 0) != "1");
    if ((pBridge = BridgeRuntime::FindBridge(window)) && (table = Find(pBridge, tag, Kind::Table)))
        RedrawRow(table, row);
    return QZUI_OK;
}
