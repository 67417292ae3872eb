/* The headless bridge's outlines: the rows of a tree control on the
 * in-memory element tree. */
#include "ui/_FCWindowController_cocoa.h"

#include <algorithm>
#include <cmath>

#include "ui/FCCtrlTree.h"
#include "ui/FCTreeNode.h"
#include "ui/headless/HeadlessOutline.h"
#include "ui/headless/HeadlessRuntime.h"
#include "ui/headless/HeadlessWindow.h"

namespace
{
HeadlessElement* OfKind(const _FCWindowController_cocoa* pBridge, int id, HeadlessKind kind)
{
    HeadlessWindow* pWindow = HeadlessRuntime::WindowOf(pBridge);
    HeadlessElement* pElement = pWindow ? pWindow->content->FindByTag(id) : nullptr;
    return pElement && pElement->kind == kind ? pElement : nullptr;
}

/* The line height of the control font at a point size. */
float LineHeight(int fontSize) { return std::ceil(static_cast<float>(fontSize) * 1.2f); }
} // namespace

/* ---- Elements: outlines ---- */

namespace
{
HeadlessElement* Outline(const _FCWindowController_cocoa* pBridge, int id)
{
    return OfKind(pBridge, id, HeadlessKind::OutlineView);
}

/* A selection change is reported as the platform does, as a command. */
void ReportOutlineSelection(_FCWindowController_cocoa* pBridge, HeadlessElement* pOutline, bool changed)
{
    if (changed)
        pBridge->Notify_HandleCommand(pOutline->tag);
}

const void* ItemOf(FCTreeNode* pNode) { return pNode ? pNode->_GetHandle() : nullptr; }

/* The node's item when the outline shows the node's tree and the node is
   in it; null otherwise. */
const void* KnownItem(const HeadlessElement* pOutline, FCTreeNode* pNode)
{
    const void* parent = nullptr;
    const void* item = ItemOf(pNode);
    return item && HeadlessOutline::FindParent(*pOutline, item, &parent) ? item : nullptr;
}
} // namespace

void _FCWindowController_cocoa::OutlineViewSetupColumn(int id, int fontSize)
{
    HeadlessElement* pOutline = Outline(this, id);
    if (!pOutline)
        return;
    HeadlessColumn column;
    column.identifier = "treecolumn";
    column.width = std::max(100.0f, pOutline->width);
    column.editable = false;
    pOutline->columns.assign(1, column);
    pOutline->hasHeader = false;
    pOutline->rowHeight = std::max(16.0f, LineHeight(fontSize) + 3);
}

void _FCWindowController_cocoa::OutlineViewAssureConnected(FCCtrlTree* pTree)
{
    HeadlessElement* pOutline = pTree ? Outline(this, pTree->GetControlID()) : nullptr;
    if (!pOutline)
        return;
    if (!pOutline->tree)
        pOutline->tree = pTree;
    pOutline->dataSourceSet = true;
}

void _FCWindowController_cocoa::OutlineViewRefreshData(int id)
{
    HeadlessElement* pOutline = Outline(this, id);
    if (!pOutline)
        return;
    ++pOutline->reloads;
    ReportOutlineSelection(this, pOutline, HeadlessOutline::Prune(pOutline));
}

FCTreeNode* _FCWindowController_cocoa::OutlineViewGetSelectedNode(int id)
{
    HeadlessElement* pOutline = Outline(this, id);
    if (!pOutline || !pOutline->selectedOutlineItem)
        return nullptr;
    /* Only an item still in the tree is turned back into its node. */
    for (const HeadlessOutline::Row& row : HeadlessOutline::VisibleRows(*pOutline))
        if (row.item == pOutline->selectedOutlineItem)
            return FCTreeNode::_NodeFromHandle(row.item);
    return nullptr;
}

void _FCWindowController_cocoa::OutlineViewSetSelectedNode(int id, FCTreeNode* pNode)
{
    HeadlessElement* pOutline = Outline(this, id);
    const void* item = pOutline ? KnownItem(pOutline, pNode) : nullptr;
    if (!item)
        return;
    const void* parent = nullptr;
    HeadlessOutline::FindParent(*pOutline, item, &parent);
    if (parent)
        HeadlessOutline::Expand(pOutline, parent, true);
    pOutline->topRow = HeadlessOutline::RowOf(*pOutline, item);
    ReportOutlineSelection(this, pOutline, HeadlessOutline::Select(pOutline, item));
}

void _FCWindowController_cocoa::OutlineViewExpandNode(int id, FCTreeNode* pNode, bool expand)
{
    HeadlessElement* pOutline = Outline(this, id);
    const void* item = pOutline ? KnownItem(pOutline, pNode) : nullptr;
    if (item)
        ReportOutlineSelection(this, pOutline, HeadlessOutline::Expand(pOutline, item, expand));
}

bool _FCWindowController_cocoa::OutlineViewIsNodeExpanded(int id, FCTreeNode* pNode)
{
    HeadlessElement* pOutline = Outline(this, id);
    const void* item = pOutline ? KnownItem(pOutline, pNode) : nullptr;
    return item && HeadlessOutline::IsExpanded(*pOutline, item);
}

namespace
{
void ExpandEveryTopLevelItem(_FCWindowController_cocoa* pBridge, HeadlessElement* pOutline, bool expand)
{
    if (!pOutline)
        return;
    bool changed = false;
    for (const void* item : HeadlessOutline::Children(*pOutline, nullptr))
        changed = HeadlessOutline::Expand(pOutline, item, expand) || changed;
    ReportOutlineSelection(pBridge, pOutline, changed);
}
} // namespace

void _FCWindowController_cocoa::OutlineViewExpandAllContainers(int id)
{
    ExpandEveryTopLevelItem(this, Outline(this, id), true);
}

void _FCWindowController_cocoa::OutlineViewCollapseAllContainers(int id)
{
    ExpandEveryTopLevelItem(this, Outline(this, id), false);
}
