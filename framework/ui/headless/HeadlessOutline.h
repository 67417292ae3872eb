#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSOUTLINE_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSOUTLINE_H

#include <string>
#include <vector>

class HeadlessElement;

/* The outline data source and the outline's own row logic: the outline asks
 * the tree stored under "Tree" in its user info for its items. An item is a
 * node handle; no item stands for the tree's root. */
namespace HeadlessOutline
{
/* One shown row: its item and depth (0 for top-level items). */
struct Row
{
    const void* item;
    int depth;
};

/* The children of an item (of the root for null); none without a tree. */
std::vector<const void*> Children(const HeadlessElement& outline, const void* item);
/* True when the item's node has children (the root level always is). */
bool IsExpandable(const HeadlessElement& outline, const void* item);
/* The node's text in the "treecolumn" column; empty for any other. */
std::u16string Value(const HeadlessElement& outline, const std::string& column, const void* item);

/* The item's parent item (null for top-level items); false when the item is
   not in the tree. */
bool FindParent(const HeadlessElement& outline, const void* item, const void** pParent);
bool IsExpanded(const HeadlessElement& outline, const void* item);
/* The rows shown: top-level items, each followed by its children when it is
   expanded. */
std::vector<Row> VisibleRows(const HeadlessElement& outline);
/* The row of an item, or -1 when it is not shown. */
int RowOf(const HeadlessElement& outline, const void* item);

/* Expands an expandable item, or collapses an item. A collapse that hides
   the selected item clears the selection. True when the selection changed. */
bool Expand(HeadlessElement* pOutline, const void* item, bool expand);
/* Makes item (null: none) the selected item; true when that is a change. */
bool Select(HeadlessElement* pOutline, const void* item);
/* After a reload: drops the expansion of items no longer expandable in the
   tree and a selection no longer shown. True when the selection changed. */
bool Prune(HeadlessElement* pOutline);
} // namespace HeadlessOutline

#endif
