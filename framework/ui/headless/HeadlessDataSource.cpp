#include "ui/headless/HeadlessDataSource.h"

#include "common/qz_host_versions.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCDataListRow.h"
#include "core/FinaleVersion.h"
#include "ui/headless/HeadlessElement.h"
#include "ui/headless/HeadlessText.h"

namespace
{
/* What a cell shows: its row's check state, or one of the row's strings. */
struct Cell
{
    bool isCheck = false;
    bool checked = false;
    FCString* pText = nullptr;
};

bool FindCell(const HeadlessElement& table, int column, int row, Cell* pCell)
{
    if (!table.dataSourceSet || !table.dataList)
        return false;
    if (column < 0 || column >= static_cast<int>(table.columns.size()))
        return false;
    FCDataListRow* pRow = table.dataList->GetItemAt(row);
    if (!pRow)
        return false;
    const std::string& identifier = table.columns[static_cast<size_t>(column)].identifier;
    if (identifier == "check") {
        pCell->isCheck = true;
        pCell->checked = pRow->GetCheck();
        return true;
    }
    if (identifier.compare(0, 3, "col") != 0)
        return false;
    pCell->pText = pRow->GetItemAt(HeadlessIntValue(identifier.substr(3)) - 1);
    return pCell->pText != nullptr;
}

bool UnicodeHost() { return qz::IsUnicodeHost(GetFinaleFrameworkVersion()); }
} // namespace

namespace HeadlessDataSource
{
int RowCount(const HeadlessElement& table)
{
    return table.dataSourceSet && table.dataList ? table.dataList->GetCount() : 0;
}

std::u16string CellValue(const HeadlessElement& table, int column, int row)
{
    Cell cell;
    if (!FindCell(table, column, row, &cell))
        return {};
    if (cell.isCheck)
        return cell.checked ? u"1" : u"0";
    if (UnicodeHost())
        return HeadlessText::Units(cell.pText);
    /* Older hosts: the cell's 8-bit text read as UTF-8. */
    std::u16string text;
    HeadlessText::FromUTF8(cell.pText->GetCString(), &text);
    return text;
}

std::string CellUTF8(const HeadlessElement& table, int column, int row)
{
    Cell cell;
    if (!FindCell(table, column, row, &cell))
        return {};
    if (cell.isCheck)
        return cell.checked ? "1" : "0";
    if (UnicodeHost())
        return HeadlessText::UnitsToUTF8(cell.pText);
    /* Older hosts: the cell's 8-bit text when it is well-formed UTF-8. */
    std::string bytes = cell.pText->GetCString();
    std::u16string units;
    return HeadlessText::FromUTF8(bytes, &units) ? bytes : std::string();
}
} // namespace HeadlessDataSource
