#ifndef FRAMEWORK_UI_BRIDGE_TABLERULES_H
#define FRAMEWORK_UI_BRIDGE_TABLERULES_H

#include <string>

#include "ui/bridge/ElementBackend.h"

class FCCtrlDataList;
class FCString;

/* The rules of table columns that the bridge's operations and the driver's
 * calls share. */
namespace TableRules
{
/* The check column, when there is one, is the first. */
bool HasCheckColumn(ElementBackend::Element table);
/* The rows fit the font (at least the standard 16 points). */
float RowHeightFor(int fontSize);

/* What a cell shows from the table's data list: in the "check" column the
   row's check state; in a column "col<n>" the row's cell n - 1. No text for
   any other column, a missing row or a missing cell. */
struct Cell
{
    bool isCheck = false;
    bool checked = false;
    FCString* pText = nullptr;
};
Cell CellOf(FCCtrlDataList* pList, const std::string& identifier, int row);
} // namespace TableRules

#endif
