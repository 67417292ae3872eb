/* The driver interface for the other controls over Cocoa views: steppers,
 * popups, sliders, segmented controls, outlines. Built once those controls
 * are part of the framework. */
#ifdef QZ_HAS_OTHER_CONTROLS

#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"

#include <algorithm>
#include <cstring>

#include "ui/FCTreeNode.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/driver/qzui_driver.h"

namespace
{
NSView* Element(int window, int tag)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge) return nil;
    return [QZ_AS(_FCWindowController_redaredavizodir, pBridge->_GetController()) findControlByTag:tag];
}

template <class T>
T* OfClass(int window, int tag)
{
    NSView* pView = Element(window, tag);
    if (![pView isKindOfClass:[T class]]) return nil;
    return (T*)(id)pView;
}

/* The element a user acts on: of the class, enabled and shown. */
template <class T>
int Target(int window, int tag, _FCWindowController_cocoa** ppBridge, T** ppView)
{
    *ppBridge = BridgeRuntime::FindBridge(window);
    if (!*ppBridge) return QZUI_E_NO_WINDOW;
    NSView* pView = Element(window, tag);
    if (!pView) return QZUI_E_NO_ELEMENT;
    if (![pView isKindOfClass:[T class]]) return QZUI_E_WRONG_KIND;
    *ppView = (T*)(id)pView;
    if (![(NSControl*)pView isEnabled] || [pView isHiddenOrHasHiddenAncestor]) return QZUI_E_DISABLED;
    return QZUI_OK;
}

} // namespace

/* ---- Steppers, popups, sliders, segments ---- */

int qzui_click_stepper(int window, int tag, int up)
{
    CocoaPool pool;
    _FCWindowController_cocoa* pBridge = nullptr;
    NSStepper* pStepper = nil;
    int result = Target(window, tag, &pBridge, &pStepper);
    if (result != QZUI_OK) return result;
    double moved = [pStepper doubleValue] + (up ? 1.0 : -1.0);
    [pStepper setDoubleValue:std::min([pStepper maxValue], std::max([pStepper minValue], moved))];
    if (tag != 0) [NSApp sendAction:[pStepper action] to:[pStepper target] from:pStepper];
    return QZUI_OK;
}

int qzui_stepper_state(int window, int tag, int* value, int* minimum, int* maximum)
{
    if (!BridgeRuntime::FindBridge(window)) return QZUI_E_NO_WINDOW;
    NSStepper* pStepper = OfClass<NSStepper>(window, tag);
    if (!pStepper) return QZUI_E_NO_ELEMENT;
    if (value) *value = [pStepper intValue];
    if (minimum) *minimum = static_cast<int>([pStepper minValue]);
    if (maximum) *maximum = static_cast<int>([pStepper maxValue]);
    return QZUI_OK;
}

int qzui_pick_popup_item(int window, int tag, int index)
{
    CocoaPool pool;
    _FCWindowController_cocoa* pBridge = nullptr;
    NSPopUpButton* pPopup = nil;
    int result = Target(window, tag, &pBridge, &pPopup);
    if (result != QZUI_OK) return result;
    if (index < 0 || index >= [pPopup numberOfItems]) return QZUI_E_RANGE;
    [pPopup selectItemAtIndex:index];
    /* A popup is a button: the choice is routed by the control's action kind. */
    if (tag != 0) pBridge->Notify_ButtonPressed(tag);
    return QZUI_OK;
}

int qzui_popup_item_count(int window, int tag)
{
    NSPopUpButton* pPopup = OfClass<NSPopUpButton>(window, tag);
    return pPopup ? static_cast<int>([pPopup numberOfItems]) : -1;
}

int qzui_popup_item_text(int window, int tag, int index, char* buf, int size)
{
    CocoaPool pool;
    NSPopUpButton* pPopup = OfClass<NSPopUpButton>(window, tag);
    if (!pPopup || index < 0 || index >= [pPopup numberOfItems]) return -1;
    return CocoaElements::CopyUTF8([[pPopup itemAtIndex:index] title], buf, size);
}

int qzui_popup_selected(int window, int tag)
{
    NSPopUpButton* pPopup = OfClass<NSPopUpButton>(window, tag);
    return pPopup ? static_cast<int>([pPopup indexOfSelectedItem]) : -1;
}

int qzui_move_slider(int window, int tag, double value)
{
    _FCWindowController_cocoa* pBridge = nullptr;
    NSSlider* pSlider = nil;
    int result = Target(window, tag, &pBridge, &pSlider);
    if (result != QZUI_OK) return result;
    [pSlider setDoubleValue:std::min([pSlider maxValue], std::max([pSlider minValue], value))];
    return QZUI_OK;
}

int qzui_slider_state(int window, int tag, double* minimum, double* maximum, double* value, int* tick_marks)
{
    if (!BridgeRuntime::FindBridge(window)) return QZUI_E_NO_WINDOW;
    NSSlider* pSlider = OfClass<NSSlider>(window, tag);
    if (!pSlider) return QZUI_E_NO_ELEMENT;
    if (minimum) *minimum = [pSlider minValue];
    if (maximum) *maximum = [pSlider maxValue];
    if (value) *value = [pSlider doubleValue];
    if (tick_marks) *tick_marks = static_cast<int>([pSlider numberOfTickMarks]);
    return QZUI_OK;
}

int qzui_segment_count(int window, int tag)
{
    NSSegmentedControl* pSegments = OfClass<NSSegmentedControl>(window, tag);
    return pSegments ? static_cast<int>([pSegments segmentCount]) : -1;
}

int qzui_segment_title(int window, int tag, int segment, char* buf, int size)
{
    CocoaPool pool;
    NSSegmentedControl* pSegments = OfClass<NSSegmentedControl>(window, tag);
    if (!pSegments || segment < 0 || segment >= [pSegments segmentCount]) return -1;
    return CocoaElements::CopyUTF8([pSegments labelForSegment:segment], buf, size);
}

int qzui_segment_selected(int window, int tag)
{
    NSSegmentedControl* pSegments = OfClass<NSSegmentedControl>(window, tag);
    return pSegments ? static_cast<int>([pSegments selectedSegment]) : -1;
}

/* ---- Outlines ---- */

int qzui_outline_row_count(int window, int tag)
{
    NSOutlineView* pOutline = OfClass<NSOutlineView>(window, tag);
    return pOutline ? static_cast<int>([pOutline numberOfRows]) : -1;
}

int qzui_outline_row_info(int window, int tag, int row, qzui_outline_row* info)
{
    if (!BridgeRuntime::FindBridge(window)) return QZUI_E_NO_WINDOW;
    NSOutlineView* pOutline = OfClass<NSOutlineView>(window, tag);
    if (!pOutline) return QZUI_E_NO_ELEMENT;
    if (row < 0 || row >= [pOutline numberOfRows] || !info) return QZUI_E_RANGE;
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
    if (!pOutline || row < 0 || row >= [pOutline numberOfRows]) return -1;
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
    if (result != QZUI_OK) return result;
    if (row != -1 && (row < 0 || row >= [pOutline numberOfRows])) return QZUI_E_RANGE;
    if ([pOutline selectedRow] == row) return QZUI_OK;
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
    if (result != QZUI_OK) return result;
    if (row < 0 || row >= [pOutline numberOfRows]) return QZUI_E_RANGE;
    id item = [pOutline itemAtRow:row];
    if (![pOutline isExpandable:item]) return QZUI_E_WRONG_KIND;
    /* As the disclosure triangle does, through the bridge (which keeps the
       selection with its node). */
    pBridge->OutlineViewExpandNode(tag, FCTreeNode::_NodeFromHandle([QZ_AS(NSValue, item) pointerValue]), expand != 0);
    return QZUI_OK;
}

#endif
