#ifndef FRAMEWORK_UI_BRIDGE_TABLERULES_H
#define FRAMEWORK_UI_BRIDGE_TABLERULES_H

#include <string>

#include "ui/bridge/ElementBackend.h"

class FCCtrlDataList;
class FCCtrlTree;
class FCDataListRow;
class FCString;
class FCTreeNode;

/* The rules of table columns and outline rows that the bridge's operations,
 * the driver's calls and the backends' data sources share. */
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

/* The same rule in two halves, for reading many rows: what a column shows,
   worked out once from its identifier (kCheckCell, a 0-based cell index or
   kNoCell), and a row's cell for it. */
constexpr int kCheckCell = -1;
constexpr int kNoCell = -2;
int CellIndexOf(const std::string& identifier);
Cell CellOf(const FCDataListRow* pRow, int cellIndex);
/* A cell as the driver reads it, appended in UTF-8: "1" or "0" for a check,
   a text's units on a Unicode host, on an older host its 8-bit text when that
   is well-formed UTF-8; nothing otherwise. */
void AppendText(const Cell& cell, bool unicodeHost, std::string& out);
} // namespace TableRules

/* What an outline's data source answers, for every backend: an item is a
 * node's handle, no item stands for the tree's root. */
namespace OutlineRows
{
/* The node of an item the data source handed out (the root for none); null
   without a tree. */
FCTreeNode* NodeOf(FCCtrlTree* pTree, const void* item);
/* The child's item, null outside the children. */
const void* ChildOf(FCTreeNode* pNode, int index);
/* A node with children (the root level always is). */
bool IsExpandable(FCTreeNode* pNode);
} // namespace OutlineRows

#endif
