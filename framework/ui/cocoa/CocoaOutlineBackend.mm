/* The outline operations of ElementBackend.h over NSOutlineView, and the
 * outline data source of the window controller. An item stands for a node
 * by the node's handle, one item object per handle, so that the outline
 * keeps expansion and selection with it. */
#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/NSObject+UserInfo.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"
#import "ui/cocoa/_cocoalink.h"

#include "strings/FCString.h"
#include "ui/FCCtrlTree.h"
#include "ui/FCTreeNode.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/ElementBackend.h"
#include "ui/bridge/TableRules.h"

using ElementBackend::Element;
using ElementBackend::RowChange;

namespace
{
NSOutlineView* OutlineOf(Element outline) { return QZ_AS(NSOutlineView, outline); }

FCCtrlTree* TreeIn(NSOutlineView* pOutline) { return static_cast<FCCtrlTree*>(QZUserInfoPointer(pOutline, @"Tree")); }

id ItemOf(NSOutlineView* pOutline, const void* handle)
{
    if (!handle)
        return nil;
    NSMutableDictionary* pItems = [[pOutline objectUserInfo] objectForKey:@"Items"];
    if (!pItems) {
        pItems = [NSMutableDictionary dictionary];
        [[pOutline objectUserInfo] setObject:pItems forKey:@"Items"];
    }
    NSValue* key = [NSValue valueWithPointer:handle];
    id item = [pItems objectForKey:key];
    if (!item) {
        item = key;
        [pItems setObject:item forKey:key];
    }
    return item;
}

const void* HandleOf(id item) { return item ? [QZ_AS(NSValue, item) pointerValue] : nullptr; }

/* The node of an item the data source has just handed out (its node is
   alive); the root for none. */
FCTreeNode* NodeOf(NSOutlineView* pOutline, id item) { return OutlineRows::NodeOf(TreeIn(pOutline), HandleOf(item)); }

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

/* Keeps the outline from reporting a change of selection while it lasts:
   GNUstep drops an outline's selection when its data source is set or its
   rows are reloaded (an insertion, a renaming, an expansion) and reports
   that; macOS keeps the selected row. The bridge selects the node again. */
class Unreported
{
public:
    Unreported(_FCWindowController_cocoa* pBridge, NSOutlineView* pOutline)
        : _controller((id)pBridge->_GetController()), _pOutline(pOutline)
    {
        [[NSNotificationCenter defaultCenter] removeObserver:_controller
                                                        name:NSOutlineViewSelectionDidChangeNotification
                                                      object:_pOutline];
    }
    ~Unreported()
    {
        [[NSNotificationCenter defaultCenter] addObserver:_controller
                                                 selector:@selector(outlineViewSelectionChange:)
                                                     name:NSOutlineViewSelectionDidChangeNotification
                                                   object:_pOutline];
    }
    Unreported(const Unreported&) = delete;
    Unreported& operator=(const Unreported&) = delete;

private:
    id _controller;
    NSOutlineView* _pOutline;
};
} // namespace

namespace ElementBackend
{
FCCtrlTree* TreeOf(Element outline) { return TreeIn(OutlineOf(outline)); }

void KeepTree(Element outline, FCCtrlTree* pTree)
{
    CocoaPool pool;
    if (!TreeOf(outline))
        QZSetUserInfoPointer(OutlineOf(outline), @"Tree", pTree);
}

void ChangeRows(_FCWindowController_cocoa* pBridge, Element outline, RowChange change, FCTreeNode* pNode)
{
    CocoaPool pool;
    NSOutlineView* pOutline = OutlineOf(outline);
    Unreported quiet(pBridge, pOutline);
    id controller = (id)pBridge->_GetController();
    switch (change) {
    case RowChange::Connect:
        if ([pOutline dataSource] != controller)
            [pOutline setDataSource:controller];
        return;
    case RowChange::Reload: [pOutline reloadData]; return;
    case RowChange::Expand: [pOutline expandItem:ItemOf(pOutline, pNode->_GetHandle())]; return;
    case RowChange::Collapse: [pOutline collapseItem:ItemOf(pOutline, pNode->_GetHandle())]; return;
    }
}

int ShownRowCount(Element outline) { return static_cast<int>([OutlineOf(outline) numberOfRows]); }

FCTreeNode* NodeAtRow(Element outline, int row)
{
    FCCtrlTree* pTree = TreeOf(outline);
    id item = [OutlineOf(outline) itemAtRow:row];
    return pTree && item ? NodeWithHandle(pTree->_GetRoot(), HandleOf(item)) : nullptr;
}

int DepthOfRow(Element outline, int row) { return static_cast<int>([OutlineOf(outline) levelForRow:row]); }

int RowOfNode(Element outline, FCTreeNode* pNode)
{
    CocoaPool pool;
    return static_cast<int>([OutlineOf(outline) rowForItem:ItemOf(OutlineOf(outline), pNode->_GetHandle())]);
}

bool IsNodeExpanded(Element outline, FCTreeNode* pNode)
{
    CocoaPool pool;
    return [OutlineOf(outline) isItemExpanded:ItemOf(OutlineOf(outline), pNode->_GetHandle())] ? true : false;
}

bool HasSelectedRow(Element outline) { return [OutlineOf(outline) selectedRow] >= 0; }

int SelectedShownRow(Element outline) { return static_cast<int>([OutlineOf(outline) selectedRow]); }

void SelectShownRow(_FCWindowController_cocoa* pBridge, Element outline, int row)
{
    CocoaPool pool;
    NSOutlineView* pOutline = OutlineOf(outline);
    Unreported quiet(pBridge, pOutline);
    if (row < 0)
        [pOutline deselectAll:nil];
    else
        [pOutline selectRowIndexes:[NSIndexSet indexSetWithIndex:static_cast<NSUInteger>(row)] byExtendingSelection:NO];
}
} // namespace ElementBackend

/* The outline data source of the window controller. */
@implementation _FCWindowController_redaredavizodir (TreeControls)

- (NSInteger)outlineView:(NSOutlineView*)outlineView numberOfChildrenOfItem:(id)item
{
    FCTreeNode* pNode = NodeOf(outlineView, item);
    return pNode ? pNode->GetCount() : 0;
}

- (id)outlineView:(NSOutlineView*)outlineView child:(NSInteger)index ofItem:(id)item
{
    return ItemOf(outlineView, OutlineRows::ChildOf(NodeOf(outlineView, item), static_cast<int>(index)));
}

- (BOOL)outlineView:(NSOutlineView*)outlineView isItemExpandable:(id)item
{
    return OutlineRows::IsExpandable(NodeOf(outlineView, item)) ? YES : NO;
}

- (id)outlineView:(NSOutlineView*)outlineView objectValueForTableColumn:(NSTableColumn*)column byItem:(id)item
{
    FCTreeNode* pNode = item ? NodeOf(outlineView, item) : nullptr;
    if (!pNode || ![[column identifier] isEqual:@"treecolumn"])
        return @"";
    FCString text;
    pNode->GetText(&text);
    return _cocoalink_MakeNSString(&text);
}

@end
