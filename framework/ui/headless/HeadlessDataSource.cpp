#include "ui/headless/HeadlessDataSource.h"

#include "common/qz_host_versions.h"
#include "ui/FCCtrlDataList.h"
#include "core/FinaleVersion.h"
#include "ui/bridge/TableRules.h"
#include "ui/headless/HeadlessElement.h"

namespace
{
/* The cell of a connected list. */
TableRules::Cell CellAt(const HeadlessElement& table, int column, int row)
{
    if (!table.dataSourceSet || column < 0 || column >= static_cast<int>(table.columns.size()))
        return {};
    return TableRules::CellOf(table.dataList, table.columns[static_cast<size_t>(column)].identifier, row);
}

bool UnicodeHost() { return qz::IsUnicodeHost(GetFinaleFrameworkVersion()); }
} // namespace

namespace HeadlessDataSource
{
int RowCount(const HeadlessElement& table)
{
    return table.dataSourceSet && table.dataList ? table.dataList->GetCount() : 0;
}

std::string CellUTF8(const HeadlessElement& table, int column, int row)
{
    std::string text;
    TableRules::AppendText(CellAt(table, column, row), UnicodeHost(), text);
    return text;
}
} // namespace HeadlessDataSource
