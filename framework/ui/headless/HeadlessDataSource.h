#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSDATASOURCE_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSDATASOURCE_H

#include <string>

#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"
#include "ui/FCCtrlDataList.h"
#include "ui/bridge/TableRules.h"
#include "ui/headless/HeadlessElement.h"

/* The table data source: answers a table from the data list stored under
 * "DataList" in its user info. */
namespace HeadlessDataSource
{
/* The list's row count; 0 without a connected list. */
inline int RowCount(const HeadlessElement& table)
{
    return table.dataSourceSet && table.dataList ? table.dataList->GetCount() : 0;
}

/* The text of a cell (TableRules::CellOf) in UTF-8: "0" or "1" for a check
   box, empty for a cell without text or without a connected list. */
inline std::string CellUTF8(const HeadlessElement& table, int column, int row)
{
    std::string text;
    if (table.dataSourceSet && column >= 0 && column < static_cast<int>(table.columns.size()))
        TableRules::AppendText(
            TableRules::CellOf(table.dataList, table.columns[static_cast<size_t>(column)].identifier, row),
            qz::IsUnicodeHost(GetFinaleFrameworkVersion()), text);
    return text;
}
} // namespace HeadlessDataSource

#endif
