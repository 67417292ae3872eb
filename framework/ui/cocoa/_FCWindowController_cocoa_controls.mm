/* The Cocoa bridge's operations for the tree, up/down and popup controls:
 * outlines read their rows from the tree control through the window
 * controller, steppers report to their up/down control. Built once those
 * controls are part of the framework. */
#ifdef QZ_HAS_OTHER_CONTROLS

#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/NSObject+UserInfo.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"
#import "ui/cocoa/_cocoalink.h"

#include <algorithm>
#include <cmath>

#include "strings/FCString.h"
#include "ui/FCCtrlTree.h"
#include "ui/FCCtrlUpDown.h"
#include "ui/FCTreeNode.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/__FCUserWindow.h"

namespace
{
NSOutlineView* Outline(const _FCWindowController_cocoa* pBridge, int controlID)
{
    if (!pBridge->_GetController())
        return nil;
    NSView* pView = [QZ_AS(_FCWindowController_redaredavizodir, pBridge->_GetController()) findControlByTag:controlID];
    return [pView isKindOfClass:[NSOutlineView class]] ? QZ_AS(NSOutlineView, pView) : nil;
}

FCCtrlTree* TreeOf(NSOutlineView* pOutline)
{
    return pOutline ? static_cast<FCCtrlTree*>(QZUserInfoPointer(pOutline, @"Tree")) : nullptr;
}

/* An outline item stands for a node by the node's handle; one item object
   per handle, so that the outline keeps expansion and selection with it. */
id ItemOf(NSOutlineView* pOutline, FCTreeNode* pNode)
{
    if (!pNode || !pNode->_GetHandle())
        return nil;
    NSMutableDictionary* pItems = [[pOutline objectUserInfo] objectForKey:@"Items"];
    if (!pItems) {
        pItems = [NSMutableDictionary dictionary];
        [[pOutline objectUserInfo] setObject:pItems forKey:@"Items"];
    }
    NSValue* key = [NSValue valueWithPointer:pNode->_GetHandle()];
    id item = [pItems objectForKey:key];
    if (!item) {
        item = key;
        [pItems setObject:item forKey:key];
    }
    return item;
}

/* The node of an item the data source has just handed out (its node is
   alive). */
FCTreeNode* NodeOf(id item)
{
    return item ? FCTreeNode::_NodeFromHandle([QZ_AS(NSValue, item) pointerValue]) : nullptr;
}

/* The node under pUnder whose handle is the given one, found without reading
   the handle: a row the outline still shows may stand for a node that has
   just been deleted, whose handle is gone with it. */
FCTreeNode* NodeWithHandle(FCTreeNode* pUnder, const void* handle)
{
    for (int i = 0; i < pUnder->GetCount(); ++i) {
        FCTreeNode* pChild = pUnder->GetChildAt(i);
        if (pChild->_GetHandle() == handle)
            return pChild;
        if (FCTreeNode* pFound = NodeWithHandle(pChild, handle))
            return pFound;
    }
    return nullptr;
}

/* The node of a row the outline shows; null once the node is gone. */
FCTreeNode* NodeAtRow(NSOutlineView* pOutline, NSInteger row)
{
    FCCtrlTree* pTree = TreeOf(pOutline);
    id item = row >= 0 ? [pOutline itemAtRow:row] : nil;
    return pTree && item ? NodeWithHandle(pTree->_GetRoot(), [QZ_AS(NSValue, item) pointerValue]) : nullptr;
}

/* A node of the outline's tree that is still attached to it. */
bool IsKnown(NSOutlineView* pOutline, FCTreeNode* pNode)
{
    FCCtrlTree* pTree = TreeOf(pOutline);
    return pTree && pNode && pNode->GetTree() == pTree && pTree->IsNodeAttached(pNode, nullptr);
}

FCTreeNode* ParentOf(FCCtrlTree* pTree, FCTreeNode* pNode)
{
    FCTreeNode* pParent = pNode->GetParent();
    return pParent == pTree->_GetRoot() ? nullptr : pParent;
}
FCTreeNode* SelectedNode(NSOutlineView* pOutline) { return NodeAtRow(pOutline, [pOutline selectedRow]); }

/* Runs a change of the outline's rows (a reload, an expansion) with the
   selection kept on its node; GNUstep drops the selection on such changes.
   The change itself reports nothing; a selected node that is no longer shown
   (or a deleted one) loses the selection, which is reported. */
void KeepingSelection(_FCWindowController_cocoa* pBridge, NSOutlineView* pOutline, SEL change, id argument)
{
    const bool hadSelection = [pOutline selectedRow] >= 0;
    FCTreeNode* pSelected = SelectedNode(pOutline);
    id controller = (id)pBridge->_GetController();
    NSNotificationCenter* pCenter = [NSNotificationCenter defaultCenter];
    [pCenter removeObserver:controller name:NSOutlineViewSelectionDidChangeNotification object:pOutline];
    [pOutline performSelector:change withObject:argument];
    NSInteger now = -1;
    for (NSInteger shown = 0; pSelected && now < 0 && shown < [pOutline numberOfRows]; ++shown)
        if (NodeOf([pOutline itemAtRow:shown]) == pSelected)
            now = shown;
    if (now >= 0)
        [pOutline selectRowIndexes:[NSIndexSet indexSetWithIndex:static_cast<NSUInteger>(now)] byExtendingSelection:NO];
    else
        [pOutline deselectAll:nil];
    [pCenter addObserver:controller
                selector:@selector(outlineViewSelectionChange:)
                    name:NSOutlineViewSelectionDidChangeNotification
                  object:pOutline];
    if (hadSelection && now < 0)
        pBridge->Notify_HandleCommand(static_cast<int>([pOutline tag]));
}
} // namespace

void _FCWindowController_cocoa::OutlineViewSetupColumn(int controlID, int fontSize)
{
    NSOutlineView* pOutline = Outline(this, controlID);
    if (!pOutline)
        return;
    CocoaPool pool;
    CocoaElements::RemoveColumns(pOutline);
    NSTableColumn* pColumn = [[[NSTableColumn alloc] initWithIdentifier:@"treecolumn"] autorelease];
    [pColumn setWidth:std::max<CGFloat>(100, [pOutline frame].size.width)];
    [pColumn setEditable:NO];
    [[pColumn dataCell] setFont:[NSFont systemFontOfSize:fontSize]];
    CocoaElements::AddColumn(pOutline, pColumn);
    [pOutline setOutlineTableColumn:pColumn];
    [pOutline setHeaderView:nil];
    [pOutline setCornerView:nil];
    float line = std::ceil(static_cast<float>(fontSize) * 1.2f);
    [pOutline setRowHeight:std::max(16.0f, line + 3)];
}

void _FCWindowController_cocoa::OutlineViewAssureConnected(FCCtrlTree* pTree)
{
    NSOutlineView* pOutline = pTree ? Outline(this, pTree->GetControlID()) : nil;
    if (!pOutline)
        return;
    CocoaPool pool;
    if (!TreeOf(pOutline))
        QZSetUserInfoPointer(pOutline, @"Tree", pTree);
    /* Connecting reloads the rows (a node was added or inserted): on
       GNUstep both a new data source and a reload drop the selection. */
    id controller = (id)_controller;
    if ([pOutline dataSource] != controller)
        KeepingSelection(this, pOutline, @selector(setDataSource:), controller);
    KeepingSelection(this, pOutline, @selector(reloadData), nil);
}

void _FCWindowController_cocoa::OutlineViewRefreshData(int controlID)
{
    NSOutlineView* pOutline = Outline(this, controlID);
    if (!pOutline)
        return;
    CocoaPool pool;
    KeepingSelection(this, pOutline, @selector(reloadData), nil);
}

FCTreeNode* _FCWindowController_cocoa::OutlineViewGetSelectedNode(int controlID)
{
    NSOutlineView* pOutline = Outline(this, controlID);
    FCTreeNode* pNode = pOutline ? SelectedNode(pOutline) : nullptr;
    return IsKnown(pOutline, pNode) ? pNode : nullptr;
}

void _FCWindowController_cocoa::OutlineViewSetSelectedNode(int controlID, FCTreeNode* pNode)
{
    NSOutlineView* pOutline = Outline(this, controlID);
    if (!IsKnown(pOutline, pNode))
        return;
    CocoaPool pool;
    if (FCTreeNode* pParent = ParentOf(TreeOf(pOutline), pNode))
        OutlineViewExpandNode(controlID, pParent, true);
    NSInteger row = [pOutline rowForItem:ItemOf(pOutline, pNode)];
    if (row < 0 || row == [pOutline selectedRow])
        return;
    [pOutline selectRowIndexes:[NSIndexSet indexSetWithIndex:static_cast<NSUInteger>(row)] byExtendingSelection:NO];
    [pOutline scrollRowToVisible:row];
}

void _FCWindowController_cocoa::OutlineViewExpandNode(int controlID, FCTreeNode* pNode, bool expand)
{
    NSOutlineView* pOutline = Outline(this, controlID);
    if (!IsKnown(pOutline, pNode))
        return;
    CocoaPool pool;
    id item = ItemOf(pOutline, pNode);
    if (expand && pNode->IsContainer())
        KeepingSelection(this, pOutline, @selector(expandItem:), item);
    else if (!expand)
        KeepingSelection(this, pOutline, @selector(collapseItem:), item);
}

bool _FCWindowController_cocoa::OutlineViewIsNodeExpanded(int controlID, FCTreeNode* pNode)
{
    NSOutlineView* pOutline = Outline(this, controlID);
    return IsKnown(pOutline, pNode) && [pOutline isItemExpanded:ItemOf(pOutline, pNode)];
}

namespace
{
void ExpandTopLevel(_FCWindowController_cocoa* pBridge, int controlID, bool expand)
{
    NSOutlineView* pOutline = Outline(pBridge, controlID);
    FCCtrlTree* pTree = TreeOf(pOutline);
    if (!pTree)
        return;
    FCTreeNode* pRoot = pTree->_GetRoot();
    for (int i = 0; i < pRoot->GetCount(); ++i)
        if (pRoot->GetChildAt(i)->IsContainer())
            pBridge->OutlineViewExpandNode(controlID, pRoot->GetChildAt(i), expand);
}
} // namespace

void _FCWindowController_cocoa::OutlineViewExpandAllContainers(int id) { ExpandTopLevel(this, id, true); }

void _FCWindowController_cocoa::OutlineViewCollapseAllContainers(int id) { ExpandTopLevel(this, id, false); }

/* The outline data source of the window controller. */
@implementation _FCWindowController_redaredavizodir (TreeControls)

- (NSInteger)outlineView:(NSOutlineView*)outlineView numberOfChildrenOfItem:(id)item
{
    FCCtrlTree* pTree = TreeOf(outlineView);
    if (!pTree)
        return 0;
    FCTreeNode* pNode = item ? NodeOf(item) : pTree->_GetRoot();
    return pNode ? pNode->GetCount() : 0;
}

- (id)outlineView:(NSOutlineView*)outlineView child:(NSInteger)index ofItem:(id)item
{
    FCCtrlTree* pTree = TreeOf(outlineView);
    FCTreeNode* pNode = !pTree ? nullptr : item ? NodeOf(item) : pTree->_GetRoot();
    return pNode ? ItemOf(outlineView, pNode->GetChildAt(static_cast<int>(index))) : nil;
}

- (BOOL)outlineView:(NSOutlineView*)outlineView isItemExpandable:(id)item
{
    (void)outlineView;
    FCTreeNode* pNode = NodeOf(item);
    return pNode && pNode->IsContainer() ? YES : NO;
}

- (id)outlineView:(NSOutlineView*)outlineView objectValueForTableColumn:(NSTableColumn*)column byItem:(id)item
{
    (void)outlineView;
    (void)column;
    FCTreeNode* pNode = NodeOf(item);
    if (!pNode)
        return @"";
    FCString text;
    pNode->GetText(&text);
    return _cocoalink_MakeNSString(&text);
}

@end

#endif
