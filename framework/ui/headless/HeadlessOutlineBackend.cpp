/* The outline operations of ElementBackend.h over the element tree. The rows
 * are read from the tree through the data source (OutlineRows): each
 * top-level node, followed by its children when it is expanded. Expansion
 * and selection are kept by item (a node's handle), so they stay with their
 * nodes as the rows change. */
#include <algorithm>
#include <vector>

#include "ui/FCTreeNode.h"
#include "ui/bridge/ElementBackend.h"
#include "ui/bridge/TableRules.h"
#include "ui/headless/HeadlessElement.h"
#include "ui/headless/HeadlessText.h"

using ElementBackend::Element;

namespace
{
struct Row
{
    const void* item;
    int depth;
};

std::vector<const void*> Children(const HeadlessElement& outline, const void* item)
{
    std::vector<const void*> children;
    FCTreeNode* pNode = OutlineRows::NodeOf(outline.tree, item);
    for (int i = 0; pNode && i < pNode->GetCount(); ++i)
        if (const void* child = OutlineRows::ChildOf(pNode, i))
            children.push_back(child);
    return children;
}

bool Contains(const std::vector<const void*>& items, const void* item)
{
    return std::find(items.begin(), items.end(), item) != items.end();
}

bool IsExpandable(const HeadlessElement& outline, const void* item)
{
    return OutlineRows::IsExpandable(OutlineRows::NodeOf(outline.tree, item));
}

bool IsExpanded(const HeadlessElement& outline, const void* item)
{
    return Contains(outline.expandedItems, item) && IsExpandable(outline, item);
}

std::vector<Row> Rows(const HeadlessElement& outline)
{
    std::vector<Row> rows;
    for (const void* top : Children(outline, nullptr)) {
        rows.push_back(Row{top, 0});
        if (IsExpanded(outline, top))
            for (const void* child : Children(outline, top))
                rows.push_back(Row{child, 1});
    }
    return rows;
}

int RowOf(const HeadlessElement& outline, const void* item)
{
    std::vector<Row> rows = Rows(outline);
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].item == item)
            return static_cast<int>(i);
    return -1;
}

/* After a reload only the top-level items still expandable stay expanded. */
void Prune(HeadlessElement* pOutline)
{
    std::vector<const void*> kept;
    for (const void* top : Children(*pOutline, nullptr))
        if (IsExpanded(*pOutline, top))
            kept.push_back(top);
    pOutline->expandedItems = kept;
}
} // namespace

namespace ElementBackend
{
FCCtrlTree* TreeOf(Element outline) { return AsHeadless(outline)->tree; }

void KeepTree(Element outline, FCCtrlTree* pTree)
{
    if (!AsHeadless(outline)->tree)
        AsHeadless(outline)->tree = pTree;
}

void ChangeRows(_FCWindowController_cocoa*, Element outline, RowChange change, FCTreeNode* pNode)
{
    HeadlessElement* pOutline = AsHeadless(outline);
    std::vector<const void*>& expanded = pOutline->expandedItems;
    const void* item = pNode ? pNode->_GetHandle() : nullptr;
    switch (change) {
    case RowChange::Connect: pOutline->dataSourceSet = true; return;
    case RowChange::Reload: Prune(pOutline); return;
    case RowChange::Expand:
        if (!Contains(expanded, item))
            expanded.push_back(item);
        return;
    case RowChange::Collapse:
        expanded.erase(std::remove(expanded.begin(), expanded.end(), item), expanded.end());
        return;
    }
}

int ShownRowCount(Element outline) { return static_cast<int>(Rows(*AsHeadless(outline)).size()); }

FCTreeNode* NodeAtRow(Element outline, int row)
{
    return FCTreeNode::_NodeFromHandle(Rows(*AsHeadless(outline))[static_cast<size_t>(row)].item);
}

int DepthOfRow(Element outline, int row) { return Rows(*AsHeadless(outline))[static_cast<size_t>(row)].depth; }

int RowOfNode(Element outline, FCTreeNode* pNode) { return RowOf(*AsHeadless(outline), pNode->_GetHandle()); }

bool IsNodeExpanded(Element outline, FCTreeNode* pNode)
{
    return IsExpanded(*AsHeadless(outline), pNode->_GetHandle());
}

bool HasSelectedRow(Element outline) { return AsHeadless(outline)->selectedOutlineItem != nullptr; }

int SelectedShownRow(Element outline)
{
    const void* selected = AsHeadless(outline)->selectedOutlineItem;
    return selected ? RowOf(*AsHeadless(outline), selected) : -1;
}

void SelectShownRow(_FCWindowController_cocoa*, Element outline, int row)
{
    AsHeadless(outline)->selectedOutlineItem =
        row >= 0 ? Rows(*AsHeadless(outline))[static_cast<size_t>(row)].item : nullptr;
}

std::string ShownText(FCString* pText) { return HeadlessText::ElementUTF8(pText); }
} // namespace ElementBackend
