#include "ui/headless/HeadlessDataSource.h"

#include "common/qz_host_versions.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCDataListRow.h"
#include "core/FinaleVersion.h"
#include "ui/headless/HeadlessElement.h"
#include "ui/headless/HeadlessText.h"

namespace HeadlessDataSource
{
int RowCount(const HeadlessElement& table)
{
    return table.dataSourceSet && table.dataList ? table.dataList->GetCount() : 0;
}

std::u16string CellValue(const HeadlessElement& table, int column, int row)
{
    if (!table.dataSourceSet || !table.dataList)
        return {};
    if (column < 0 || column >= static_cast<int>(table.columns.size()))
        return {};
    FCDataListRow* pRow = table.dataList->GetItemAt(row);
    if (!pRow)
        return {};
    const std::string& identifier = table.columns[static_cast<size_t>(column)].identifier;
    if (identifier == "check")
        return pRow->GetCheck() ? u"1" : u"0";
    if (identifier.compare(0, 3, "col") != 0)
        return {};
    FCString* pCell = pRow->GetItemAt(HeadlessIntValue(identifier.substr(3)) - 1);
    if (!pCell)
        return {};
    if (qz::IsUnicodeHost(GetFinaleFrameworkVersion()))
        return HeadlessText::Units(pCell);
    /* Older hosts: the cell's 8-bit text read as UTF-8. */
    std::u16string text;
    HeadlessText::FromUTF8(pCell->GetCString(), &text);
    return text;
}
} // namespace HeadlessDataSource
