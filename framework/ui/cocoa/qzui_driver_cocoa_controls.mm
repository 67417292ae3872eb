/* The driver interface for the other controls over Cocoa views: steppers,
 * popups, sliders, segmented controls, outlines. Built once those controls
 * are part of the framework. */
#ifdef QZ_HAS_OTHER_CONTROLS

#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"

#include <cstring>

#include "ui/FCTreeNode.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/driver/qzui_driver.h"

namespace
{
NSView* Element(int window, int tag)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return nil;
    return [QZ_AS(_FCWindowController_redaredavizodir, pBridge->_GetController()) findControlByTag:tag];
}

template <class T>
T* OfClass(int window, int tag)
{
    NSView* pView = Element(window, tag);
    if (![pView isKindOfClass:[T class]])
        return nil;
    return (T*)(id)pView;
}

/* The element a user acts on: of the class, enabled and shown. */
template <class T>
int Target(int window, int tag, _FCWindowController_cocoa** ppBridge, T** ppView)
{
    *ppBridge = BridgeRuntime::FindBridge(window);
    if (!*ppBridge)
        return QZUI_E_NO_WINDOW;
    NSView* pView = Element(window, tag);
    if (!pView)
        return QZUI_E_NO_ELEMENT;
    if (![pView isKindOfClass:[T class]])
        return QZUI_E_WRONG_KIND;
    *ppView = (T*)(id)pView;
    if (![(NSControl*)pView isEnabled] || [pView isHiddenOrHasHiddenAncestor])
        return QZUI_E_DISABLED;
    return QZUI_OK;
}

} // namespace

/* ---- Steppers, popups, sliders, segments ---- */

/* ---- Outlines ---- */

int qzui_outline_row_count(int window, int tag)
{
    NSOutlineView* pOutline = OfClass<NSOutlineView>(window, tag);
    return pOutline ? static_cast<int>([pOutline numberOfRows]) : -1;
}

int qzui_outline_row_info(int window, int tag, int row, qzui_outline_row* info)
{
    if (!BridgeRuntime::FindBridge(window))
        return QZUI_E_NO_WINDOW;
    NSOutlineView* pOutline = OfClass<NSOutlineView>(window, tag);
    if (!pOutline)
        return QZUI_E_NO_ELEMENT;
    if (row < 0 || row >= [pOutline numberOfRows] || !info)
        return QZUI_E_RANGE;
    id item = [pOutline itemAtRow:row];
    info->depth = static_cast<int>([pOutline levelForRow:row]);
    info->expandable = [pOutline isExpandable:item] ? 1 : 0;
    info->expanded = info->expandable && [pOutline isItemExpanded:item] ? 1 : 0;
    info->selected = [pOutline selectedRow] == row ? 1 : 0;
    return QZUI_OK;
}

int qzui_outline_row_text(int window, int tag, int row, char* buf, int size)
{
    CocoaPool pool;
    NSOutlineView* pOutline = OfClass<NSOutlineView>(window, tag);
    if (!pOutline || row < 0 || row >= [pOutline numberOfRows])
        return -1;
    id source = [pOutline dataSource];
    NSTableColumn* pColumn = CocoaElements::ColumnAt(pOutline, 0);
    id value = source && pColumn
                   ? [source outlineView:pOutline objectValueForTableColumn:pColumn byItem:[pOutline itemAtRow:row]]
                   : nil;
    return CocoaElements::CopyUTF8([value isKindOfClass:[NSString class]] ? value : @"", buf, size);
}

int qzui_outline_selected_row(int window, int tag)
{
    NSOutlineView* pOutline = OfClass<NSOutlineView>(window, tag);
    return pOutline ? static_cast<int>([pOutline selectedRow]) : -1;
}

int qzui_select_outline_row(int window, int tag, int row)
{
    CocoaPool pool;
    _FCWindowController_cocoa* pBridge = nullptr;
    NSOutlineView* pOutline = nil;
    int result = Target(window, tag, &pBridge, &pOutline);
    if (result != QZUI_OK)
        return result;
    if (row != -1 && (row < 0 || row >= [pOutline numberOfRows]))
        return QZUI_E_RANGE;
    if ([pOutline selectedRow] == row)
        return QZUI_OK;
    /* The outline reports the change (HandleCommand). */
    if (row == -1)
        [pOutline deselectAll:nil];
    else
        [pOutline selectRowIndexes:[NSIndexSet indexSetWithIndex:static_cast<NSUInteger>(row)] byExtendingSelection:NO];
    return QZUI_OK;
}

int qzui_expand_outline_row(int window, int tag, int row, int expand)
{
    CocoaPool pool;
    _FCWindowController_cocoa* pBridge = nullptr;
    NSOutlineView* pOutline = nil;
    int result = Target(window, tag, &pBridge, &pOutline);
    if (result != QZUI_OK)
        return result;
    if (row < 0 || row >= [pOutline numberOfRows])
        return QZUI_E_RANGE;
    id item = [pOutline itemAtRow:row];
    if (![pOutline isExpandable:item])
        return QZUI_E_WRONG_KIND;
    /* As the disclosure triangle does, through the bridge (which keeps the
       selection with its node). */
    pBridge->OutlineViewExpandNode(tag, FCTreeNode::_NodeFromHandle([QZ_AS(NSValue, item) pointerValue]), expand != 0);
    return QZUI_OK;
}

#endif
