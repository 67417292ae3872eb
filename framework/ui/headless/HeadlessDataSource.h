#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSDATASOURCE_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSDATASOURCE_H

#include <string>

class HeadlessElement;

/* The table data source: answers a table from the data list stored under
 * "DataList" in its user info. */
namespace HeadlessDataSource
{
/* The list's row count; 0 without a connected list. */
int RowCount(const HeadlessElement& table);
/* The text of a cell (TableRules::CellOf) in UTF-8: "0" or "1" for a check
   box, empty for a cell without text. */
std::string CellUTF8(const HeadlessElement& table, int column, int row);
} // namespace HeadlessDataSource

#endif
