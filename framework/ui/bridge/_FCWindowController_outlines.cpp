/* The bridge's operations on outlines (the rows of tree controls), over the
 * backend's primitive element operations. The selection stays with its node
 * across every change of the rows; a selected node that is no longer shown
 * loses it, and that is reported as a command. */
#include <algorithm>

#include "ui/FCCtrlTree.h"
#include "ui/FCTreeNode.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/ElementBackend.h"
#include "ui/bridge/TableRules.h"

using namespace ElementBackend;

namespace
{
Element Outline(const _FCWindowController_cocoa* pBridge, int id) { return Find(pBridge, id, Kind::Outline); }

/* A node of the outline's tree that is still attached to it. */
bool IsKnown(Element outline, FCTreeNode* pNode)
{
    FCCtrlTree* pTree = outline ? TreeOf(outline) : nullptr;
    return pTree && pNode && pNode->GetTree() == pTree && pTree->IsNodeAttached(pNode, nullptr);
}

FCTreeNode* SelectedNode(Element outline)
{
    const int row = SelectedShownRow(outline);
    return row >= 0 ? NodeAtRow(outline, row) : nullptr;
}

/* Changes the rows with the selection kept on its node. */
void KeepingSelection(_FCWindowController_cocoa* pBridge, Element outline, RowChange change,
                      FCTreeNode* pNode = nullptr)
{
    const bool hadSelection = HasSelectedRow(outline);
    FCTreeNode* pSelected = SelectedNode(outline);
    ChangeRows(pBridge, outline, change, pNode);
    const int now = pSelected ? RowOfNode(outline, pSelected) : -1;
    SelectShownRow(pBridge, outline, now);
    if (hadSelection && now < 0)
        pBridge->Notify_HandleCommand(TagOf(outline));
}

void ExpandTopLevel(_FCWindowController_cocoa* pBridge, int id, bool expand)
{
    Element outline = Outline(pBridge, id);
    FCCtrlTree* pTree = outline ? TreeOf(outline) : nullptr;
    if (!pTree)
        return;
    FCTreeNode* pRoot = pTree->_GetRoot();
    for (int i = 0; i < pRoot->GetCount(); ++i)
        pBridge->OutlineViewExpandNode(id, pRoot->GetChildAt(i), expand);
}
} // namespace

void _FCWindowController_cocoa::OutlineViewSetupColumn(int id, int fontSize)
{
    Element outline = Outline(this, id);
    if (!outline)
        return;
    RemoveColumns(outline);
    InsertColumn(outline, 0, Column{"treecolumn", nullptr, std::max(100.0f, VisibleWidth(outline)), false, fontSize});
    HideHeader(outline);
    SetRowHeight(outline, TableRules::RowHeightFor(fontSize));
}

void _FCWindowController_cocoa::OutlineViewAssureConnected(FCCtrlTree* pTree)
{
    Element outline = pTree ? Outline(this, pTree->GetControlID()) : nullptr;
    if (!outline)
        return;
    KeepTree(outline, pTree);
    KeepingSelection(this, outline, RowChange::Connect);
    KeepingSelection(this, outline, RowChange::Reload);
}

void _FCWindowController_cocoa::OutlineViewRefreshData(int id)
{
    if (Element outline = Outline(this, id))
        KeepingSelection(this, outline, RowChange::Reload);
}

FCTreeNode* _FCWindowController_cocoa::OutlineViewGetSelectedNode(int id)
{
    Element outline = Outline(this, id);
    FCTreeNode* pNode = outline ? SelectedNode(outline) : nullptr;
    return IsKnown(outline, pNode) ? pNode : nullptr;
}

void _FCWindowController_cocoa::OutlineViewSetSelectedNode(int id, FCTreeNode* pNode)
{
    Element outline = Outline(this, id);
    if (!IsKnown(outline, pNode))
        return;
    if (pNode->GetParent() != TreeOf(outline)->_GetRoot())
        OutlineViewExpandNode(id, pNode->GetParent(), true);
    const int row = RowOfNode(outline, pNode);
    if (row < 0 || row == SelectedShownRow(outline))
        return;
    SelectShownRow(this, outline, row);
    ScrollToRow(outline, row);
    Notify_HandleCommand(id);
}

void _FCWindowController_cocoa::OutlineViewExpandNode(int id, FCTreeNode* pNode, bool expand)
{
    Element outline = Outline(this, id);
    if (!IsKnown(outline, pNode) || (expand && !OutlineRows::IsExpandable(pNode)))
        return;
    KeepingSelection(this, outline, expand ? RowChange::Expand : RowChange::Collapse, pNode);
}

bool _FCWindowController_cocoa::OutlineViewIsNodeExpanded(int id, FCTreeNode* pNode)
{
    Element outline = Outline(this, id);
    return IsKnown(outline, pNode) && IsNodeExpanded(outline, pNode);
}

void _FCWindowController_cocoa::OutlineViewExpandAllContainers(int id) { ExpandTopLevel(this, id, true); }

void _FCWindowController_cocoa::OutlineViewCollapseAllContainers(int id) { ExpandTopLevel(this, id, false); }

namespace OutlineRows
{
FCTreeNode* NodeOf(FCCtrlTree* pTree, const void* item)
{
    if (!pTree)
        return nullptr;
    return item ? FCTreeNode::_NodeFromHandle(item) : pTree->_GetRoot();
}

const void* ChildOf(FCTreeNode* pNode, int index)
{
    FCTreeNode* pChild = pNode ? pNode->GetChildAt(index) : nullptr;
    return pChild ? pChild->_GetHandle() : nullptr;
}

bool IsExpandable(FCTreeNode* pNode) { return pNode && (!pNode->GetParent() || pNode->GetCount() > 0); }
} // namespace OutlineRows
