#ifndef FRAMEWORK_UI_BRIDGE_TABLERULES_H
#define FRAMEWORK_UI_BRIDGE_TABLERULES_H

#include "ui/bridge/ElementBackend.h"

/* The rules of table columns that the bridge's operations and the driver's
 * calls share. */
namespace TableRules
{
/* The check column, when there is one, is the first. */
bool HasCheckColumn(ElementBackend::Element table);
/* The rows fit the font (at least the standard 16 points). */
float RowHeightFor(int fontSize);
} // namespace TableRules

#endif
