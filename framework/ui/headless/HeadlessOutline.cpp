#include "ui/headless/HeadlessOutline.h"

#include <algorithm>

#include "ui/FCCtrlTree.h"
#include "ui/FCTreeNode.h"
#include "ui/headless/HeadlessElement.h"
#include "ui/headless/HeadlessText.h"

namespace
{
/* The node behind an item; the tree's root for null. Only items handed out
   by Children are ever turned back into nodes. */
FCTreeNode* NodeOf(const HeadlessElement& outline, const void* item)
{
    if (!outline.tree)
        return nullptr;
    return item ? FCTreeNode::_NodeFromHandle(item) : outline.tree->_GetRoot();
}

bool Contains(const std::vector<const void*>& items, const void* item)
{
    return std::find(items.begin(), items.end(), item) != items.end();
}
} // namespace

namespace HeadlessOutline
{
std::vector<const void*> Children(const HeadlessElement& outline, const void* item)
{
    std::vector<const void*> children;
    FCTreeNode* pNode = NodeOf(outline, item);
    if (!pNode)
        return children;
    for (int i = 0; i < pNode->GetCount(); ++i)
        if (FCTreeNode* pChild = pNode->GetChildAt(i))
            children.push_back(pChild->_GetHandle());
    return children;
}

bool IsExpandable(const HeadlessElement& outline, const void* item)
{
    if (!item)
        return true;
    FCTreeNode* pNode = NodeOf(outline, item);
    return pNode && pNode->GetCount() > 0;
}

std::u16string Value(const HeadlessElement& outline, const std::string& column, const void* item)
{
    FCTreeNode* pNode = item ? NodeOf(outline, item) : nullptr;
    if (!pNode || column != "treecolumn")
        return {};
    /* The data source hands the text over as the platform string. */
    FCString text;
    pNode->GetText(&text);
    return HeadlessText::ToElement(&text);
}

bool FindParent(const HeadlessElement& outline, const void* item, const void** pParent)
{
    for (const void* top : Children(outline, nullptr)) {
        if (top == item) {
            *pParent = nullptr;
            return true;
        }
        if (Contains(Children(outline, top), item)) {
            *pParent = top;
            return true;
        }
    }
    return false;
}

bool IsExpanded(const HeadlessElement& outline, const void* item)
{
    return item && Contains(outline.expandedItems, item);
}

std::vector<Row> VisibleRows(const HeadlessElement& outline)
{
    std::vector<Row> rows;
    for (const void* top : Children(outline, nullptr)) {
        rows.push_back(Row{top, 0});
        if (!IsExpanded(outline, top) || !IsExpandable(outline, top))
            continue;
        for (const void* child : Children(outline, top))
            rows.push_back(Row{child, 1});
    }
    return rows;
}

int RowOf(const HeadlessElement& outline, const void* item)
{
    std::vector<Row> rows = VisibleRows(outline);
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].item == item)
            return static_cast<int>(i);
    return -1;
}

bool Select(HeadlessElement* pOutline, const void* item)
{
    if (pOutline->selectedOutlineItem == item)
        return false;
    pOutline->selectedOutlineItem = item;
    return true;
}

bool Expand(HeadlessElement* pOutline, const void* item, bool expand)
{
    const void* parent = nullptr;
    if (!item || !FindParent(*pOutline, item, &parent))
        return false;
    std::vector<const void*>& expanded = pOutline->expandedItems;
    if (expand) {
        if (IsExpandable(*pOutline, item) && !Contains(expanded, item))
            expanded.push_back(item);
        return false;
    }
    expanded.erase(std::remove(expanded.begin(), expanded.end(), item), expanded.end());
    const void* selectedParent = nullptr;
    bool hidesSelection = pOutline->selectedOutlineItem &&
                          FindParent(*pOutline, pOutline->selectedOutlineItem, &selectedParent) &&
                          selectedParent == item;
    return hidesSelection && Select(pOutline, nullptr);
}

bool Prune(HeadlessElement* pOutline)
{
    std::vector<const void*> kept;
    for (const void* top : Children(*pOutline, nullptr))
        if (IsExpanded(*pOutline, top) && IsExpandable(*pOutline, top))
            kept.push_back(top);
    pOutline->expandedItems = kept;
    if (pOutline->selectedOutlineItem && RowOf(*pOutline, pOutline->selectedOutlineItem) < 0)
        return Select(pOutline, nullptr);
    return false;
}
} // namespace HeadlessOutline
