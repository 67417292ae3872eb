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
/* The value of a cell: "check" gives the row's check state as "0" or "1";
   "col" followed by n gives cell n - 1 (empty when the row has fewer cells);
   any other column, or a missing row, gives the empty string. */
std::u16string CellValue(const HeadlessElement& table, int column, int row);
/* CellValue in UTF-8, converted once from the cell's string. */
std::string CellUTF8(const HeadlessElement& table, int column, int row);
} // namespace HeadlessDataSource

#endif
