/* The driver interface over real Cocoa windows: actions go through the
 * controls as a click or keystroke would (the button's next state and its
 * action, the text-did-change notification, the table's selection, the
 * window's close button), and everything read comes back from the views
 * themselves. */
#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"

#include <cstring>
#include <string>

#include "ui/_FCWindowController_cocoa.h"
#include "ui/__FCUserWindow.h"
#include "ui/driver/qzui_driver.h"

namespace
{
NSWindow* Window(int number) { return CocoaRuntime::WindowOf(BridgeRuntime::FindBridge(number)); }

_FCWindowController_redaredavizodir* Controller(_FCWindowController_cocoa* pBridge)
{
    return static_cast<_FCWindowController_redaredavizodir*>(pBridge->_GetController());
}

NSView* Element(int number, int tag)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(number);
    return pBridge ? [Controller(pBridge) findControlByTag:tag] : nil;
}

NSTableView* Table(int number, int tag)
{
    NSView* pView = Element(number, tag);
    bool table = [pView isKindOfClass:[NSTableView class]] && ![pView isKindOfClass:[NSOutlineView class]];
    return table ? QZ_AS(NSTableView, pView) : nil;
}

int Flag(bool exists, bool value) { return exists ? (value ? 1 : 0) : -1; }

bool IsButton(NSView* pView)
{
    return [pView isKindOfClass:[NSButton class]] && ![pView isKindOfClass:[NSPopUpButton class]];
}

int ButtonKind(NSButton* pButton)
{
    if (CocoaElements::IsRadioButton(pButton))
        return QZUI_KIND_RADIO_BUTTON;
    if ([[pButton cell] showsStateBy] != NSNoCellMask || [pButton allowsMixedState])
        return QZUI_KIND_CHECK_BOX;
    return QZUI_KIND_PUSH_BUTTON;
}

int KindOf(NSView* pView)
{
    if ([pView isKindOfClass:[NSBox class]])
        return QZUI_KIND_BOX;
    if ([pView isKindOfClass:[NSPopUpButton class]])
        return QZUI_KIND_POPUP;
    if ([pView isKindOfClass:[NSButton class]])
        return ButtonKind(QZ_AS(NSButton, pView));
    if ([pView isKindOfClass:[NSTextField class]])
        return QZUI_KIND_TEXT_FIELD;
    if ([pView isKindOfClass:[NSScrollView class]])
        return QZUI_KIND_SCROLL_VIEW;
    if ([pView isKindOfClass:[NSClipView class]])
        return QZUI_KIND_CLIP_VIEW;
    if ([pView isKindOfClass:[NSOutlineView class]])
        return QZUI_KIND_OUTLINE;
    if ([pView isKindOfClass:[NSTableView class]])
        return QZUI_KIND_TABLE;
    if ([pView isKindOfClass:[NSStepper class]])
        return QZUI_KIND_STEPPER;
    if ([pView isKindOfClass:[NSSlider class]])
        return QZUI_KIND_SLIDER;
    if ([pView isKindOfClass:[NSSegmentedControl class]])
        return QZUI_KIND_SEGMENTED;
    if ([pView isKindOfClass:[NSControl class]])
        return QZUI_KIND_OTHER;
    return QZUI_KIND_VIEW;
}

int StateOf(NSView* pView)
{
    if (!IsButton(pView))
        return 0;
    NSInteger state = [QZ_AS(NSButton, pView) state];
    return state == NSOnState ? 1 : state == NSMixedState ? 2 : 0;
}

bool HasFocus(NSWindow* pWindow, NSView* pView)
{
    id responder = [pWindow firstResponder];
    if (responder == pView)
        return true;
    /* A field being edited hands the keyboard to the window's field editor. */
    return [responder isKindOfClass:[NSText class]] && [QZ_AS(NSText, responder) delegate] == (id)pView;
}

/* The tagged views (non-zero tag; boxes by identifier), depth first. */
NSArray* TaggedViews(NSWindow* pWindow)
{
    NSMutableArray* pAll = [NSMutableArray array];
    CocoaElements::Collect([pWindow contentView], pAll);
    NSMutableArray* pTagged = [NSMutableArray array];
    for (NSUInteger i = 0; i < [pAll count]; ++i) {
        NSView* pView = [pAll objectAtIndex:i];
        if ([pView isKindOfClass:[NSControl class]] && [QZ_AS(NSControl, pView) tag] != 0)
            [pTagged addObject:pView];
    }
    return pTagged;
}

/* What a user action needs: the window's bridge and the element, which must
   be enabled and shown. */
int Target(int number, int tag, _FCWindowController_cocoa** ppBridge, NSView** ppView)
{
    *ppBridge = BridgeRuntime::FindBridge(number);
    if (!*ppBridge)
        return QZUI_E_NO_WINDOW;
    *ppView = [Controller(*ppBridge) findControlByTag:tag];
    if (!*ppView)
        return QZUI_E_NO_ELEMENT;
    bool enabled = ![*ppView isKindOfClass:[NSControl class]] || [QZ_AS(NSControl, *ppView) isEnabled];
    if (!enabled || [*ppView isHiddenOrHasHiddenAncestor])
        return QZUI_E_DISABLED;
    return QZUI_OK;
}

NSInteger RowCount(NSTableView* pTable)
{
    id source = [pTable dataSource];
    return source ? [source numberOfRowsInTableView:pTable] : 0;
}

/* Selects a row as a click does; the table reports a change. */
int SelectRow(int number, int tag, int row, bool allowClear)
{
    CocoaPool pool;
    _FCWindowController_cocoa* pBridge = nullptr;
    NSView* pView = nil;
    int result = Target(number, tag, &pBridge, &pView);
    if (result != QZUI_OK)
        return result;
    if (!Table(number, tag))
        return QZUI_E_WRONG_KIND;
    NSTableView* pTable = QZ_AS(NSTableView, pView);
    bool clearing = row == -1 && allowClear && [pTable allowsEmptySelection];
    if (!clearing && (row < 0 || row >= RowCount(pTable)))
        return QZUI_E_RANGE;
    if ([pTable selectedRow] == row)
        return QZUI_OK;
    if ([pTable numberOfRows] != RowCount(pTable))
        [pTable reloadData];
    if (clearing)
        [pTable deselectAll:nil];
    else
        [pTable selectRowIndexes:[NSIndexSet indexSetWithIndex:static_cast<NSUInteger>(row)] byExtendingSelection:NO];
    return QZUI_OK;
}

NSTableColumn* Column(int window, int tag, int column)
{
    NSTableView* pTable = Table(window, tag);
    return pTable ? CocoaElements::ColumnAt(pTable, column) : nil;
}
} // namespace

/* ---- Windows ---- */

int qzui_window_title(int window, char* buf, int size)
{
    CocoaPool pool;
    NSWindow* pWindow = Window(window);
    return pWindow ? CocoaElements::CopyUTF8([pWindow title], buf, size) : -1;
}

int qzui_window_visible(int window)
{
    NSWindow* pWindow = Window(window);
    return Flag(pWindow != nil, [pWindow isVisible]);
}

int qzui_window_active(int window)
{
    NSWindow* pWindow = Window(window);
    return Flag(pWindow != nil, [pWindow isMainWindow]);
}

int qzui_window_repaint_count(int window)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return pBridge ? CocoaRuntime::Repaints(pBridge) : -1;
}

/* ---- Elements ---- */

int qzui_element_count(int window)
{
    CocoaPool pool;
    NSWindow* pWindow = Window(window);
    return pWindow ? static_cast<int>([TaggedViews(pWindow) count]) : -1;
}

int qzui_element_tag_at(int window, int index)
{
    CocoaPool pool;
    NSWindow* pWindow = Window(window);
    if (!pWindow)
        return 0;
    NSArray* pTagged = TaggedViews(pWindow);
    if (index < 0 || index >= static_cast<int>([pTagged count]))
        return 0;
    return static_cast<int>([[pTagged objectAtIndex:static_cast<NSUInteger>(index)] tag]);
}

int qzui_element_info(int window, int tag, qzui_element* info)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return QZUI_E_NO_WINDOW;
    NSView* pView = [Controller(pBridge) findControlByTag:tag];
    if (!pView || !info)
        return QZUI_E_NO_ELEMENT;
    __FloatRect rect;
    pBridge->GetDlgItemRect(tag, &rect);
    bool control = [pView isKindOfClass:[NSControl class]];
    info->kind = KindOf(pView);
    info->tag = tag;
    info->enabled = !control || [QZ_AS(NSControl, pView) isEnabled] ? 1 : 0;
    info->visible = [pView isHiddenOrHasHiddenAncestor] ? 0 : 1;
    info->editable = [pView isKindOfClass:[NSTextField class]] && [QZ_AS(NSTextField, pView) isEditable] ? 1 : 0;
    info->state = StateOf(pView);
    info->focused = tag != 0 && HasFocus([pView window], pView) ? 1 : 0;
    info->frame = qzui_rect{rect.left, rect.top, rect.Width(), rect.Height()};
    return QZUI_OK;
}

int qzui_element_text(int window, int tag, char* buf, int size)
{
    CocoaPool pool;
    NSView* pView = Element(window, tag);
    if (!pView)
        return -1;
    if (IsButton(pView) || [pView isKindOfClass:[NSBox class]])
        return CocoaElements::CopyUTF8([QZ_AS(NSButton, pView) title], buf, size);
    if ([pView isKindOfClass:[NSControl class]])
        return CocoaElements::CopyUTF8([QZ_AS(NSControl, pView) stringValue], buf, size);
    return CocoaElements::CopyUTF8(@"", buf, size);
}

/* ---- Tables ---- */

int qzui_table_column_count(int window, int tag)
{
    CocoaPool pool;
    NSTableView* pTable = Table(window, tag);
    return pTable ? static_cast<int>([CocoaElements::Columns(pTable) count]) : -1;
}

int qzui_table_column_identifier(int window, int tag, int column, char* buf, int size)
{
    CocoaPool pool;
    NSTableColumn* pColumn = Column(window, tag, column);
    return pColumn ? CocoaElements::CopyUTF8([pColumn identifier], buf, size) : -1;
}

int qzui_table_column_title(int window, int tag, int column, char* buf, int size)
{
    CocoaPool pool;
    NSTableColumn* pColumn = Column(window, tag, column);
    return pColumn ? CocoaElements::CopyUTF8([[pColumn headerCell] stringValue], buf, size) : -1;
}

float qzui_table_column_width(int window, int tag, int column)
{
    CocoaPool pool;
    NSTableColumn* pColumn = Column(window, tag, column);
    return pColumn ? static_cast<float>([pColumn width]) : -1.0f;
}

int qzui_table_row_count(int window, int tag)
{
    NSTableView* pTable = Table(window, tag);
    return pTable ? static_cast<int>(RowCount(pTable)) : -1;
}

int qzui_table_cell_text(int window, int tag, int row, int column, char* buf, int size)
{
    CocoaPool pool;
    NSTableView* pTable = Table(window, tag);
    if (!pTable)
        return -1;
    NSTableColumn* pColumn = CocoaElements::ColumnAt(pTable, column);
    id source = [pTable dataSource];
    if (!pColumn || !source || row < 0 || row >= RowCount(pTable))
        return CocoaElements::CopyUTF8(@"", buf, size);
    id value = [source tableView:pTable objectValueForTableColumn:pColumn row:row];
    return CocoaElements::CopyUTF8([value isKindOfClass:[NSString class]] ? value : [value description], buf, size);
}

int qzui_table_selected_row(int window, int tag)
{
    NSTableView* pTable = Table(window, tag);
    return pTable ? static_cast<int>([pTable selectedRow]) : -1;
}

/* ---- Actions ---- */

int qzui_press_button(int window, int tag)
{
    CocoaPool pool;
    _FCWindowController_cocoa* pBridge = nullptr;
    NSView* pView = nil;
    int result = Target(window, tag, &pBridge, &pView);
    if (result != QZUI_OK)
        return result;
    if (!IsButton(pView))
        return QZUI_E_WRONG_KIND;
    CocoaElements::Click(QZ_AS(NSButton, pView));
    return QZUI_OK;
}

int qzui_click_segment(int window, int tag, int segment)
{
    CocoaPool pool;
    _FCWindowController_cocoa* pBridge = nullptr;
    NSView* pView = nil;
    int result = Target(window, tag, &pBridge, &pView);
    if (result != QZUI_OK)
        return result;
    if (![pView isKindOfClass:[NSSegmentedControl class]])
        return QZUI_E_WRONG_KIND;
    NSSegmentedControl* pSegments = QZ_AS(NSSegmentedControl, pView);
    if (segment < 0 || segment >= [pSegments segmentCount])
        return QZUI_E_RANGE;
    [pSegments setSelectedSegment:segment];
    [pSegments sendAction:[pSegments action] to:[pSegments target]];
    return QZUI_OK;
}

int qzui_type_text(int window, int tag, const char* text)
{
    CocoaPool pool;
    _FCWindowController_cocoa* pBridge = nullptr;
    NSView* pView = nil;
    int result = Target(window, tag, &pBridge, &pView);
    if (result != QZUI_OK)
        return result;
    if (![pView isKindOfClass:[NSTextField class]] || ![QZ_AS(NSTextField, pView) isEditable])
        return QZUI_E_WRONG_KIND;
    NSString* typed = [NSString stringWithUTF8String:text ? text : ""];
    if (!typed)
        return QZUI_E_RANGE;
    [QZ_AS(NSTextField, pView) setStringValue:typed];
    [[NSNotificationCenter defaultCenter] postNotificationName:NSControlTextDidChangeNotification object:pView];
    return QZUI_OK;
}

int qzui_select_row(int window, int tag, int row) { return SelectRow(window, tag, row, true); }

int qzui_double_click_row(int window, int tag, int row)
{
    int result = SelectRow(window, tag, row, false);
    if (result != QZUI_OK)
        return result;
    /* The selection report may have closed the window. */
    NSTableView* pTable = Table(window, tag);
    if (!pTable)
        return QZUI_E_NO_WINDOW;
    CocoaPool pool;
    [NSApp sendAction:[pTable doubleAction] to:[pTable target] from:pTable];
    return QZUI_OK;
}

int qzui_toggle_row_check(int window, int tag, int row)
{
    CocoaPool pool;
    _FCWindowController_cocoa* pBridge = nullptr;
    NSView* pView = nil;
    int result = Target(window, tag, &pBridge, &pView);
    if (result != QZUI_OK)
        return result;
    NSTableView* pTable = Table(window, tag);
    NSTableColumn* pCheck = pTable ? CocoaElements::ColumnAt(pTable, 0) : nil;
    if (!pCheck || ![[pCheck identifier] isEqual:@"check"])
        return QZUI_E_WRONG_KIND;
    if (row < 0 || row >= RowCount(pTable))
        return QZUI_E_RANGE;
    /* What the check box cell hands its table when clicked. */
    id source = [pTable dataSource];
    int checked = [[source tableView:pTable objectValueForTableColumn:pCheck row:row] intValue];
    [source tableView:pTable setObjectValue:[NSNumber numberWithInt:checked ? 0 : 1] forTableColumn:pCheck row:row];
    [pTable setNeedsDisplayInRect:[pTable rectOfRow:row]];
    return QZUI_OK;
}

int qzui_activate(int window, int active)
{
    CocoaPool pool;
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return QZUI_E_NO_WINDOW;
    if (active) {
        pBridge->ActivateWindow();
        return QZUI_OK;
    }
    NSWindow* pWindow = CocoaRuntime::WindowOf(pBridge);
    if ([pWindow isMainWindow])
        [pWindow resignMainWindow];
    if ([pWindow isKeyWindow])
        [pWindow resignKeyWindow];
    return QZUI_OK;
}

int qzui_press_close_box(int window)
{
    CocoaPool pool;
    NSWindow* pWindow = Window(window);
    if (!pWindow)
        return QZUI_E_NO_WINDOW;
    [[pWindow retain] autorelease];
    /* The close button asks the delegate (CanClose) and closes on yes. */
    [pWindow performClose:nil];
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    bool stillOpen = pBridge && pBridge->_IsWindowOpen() && [pWindow isVisible];
    return stillOpen ? QZUI_REFUSED : QZUI_OK;
}

/* ---- Callbacks and settings ---- */

void qzui_set_layout_folder(const char* path) { CocoaRuntime::SetLayoutFolder(path); }

int qzui_preload_layout(int layoutID)
{
    CocoaPool pool;
    return CocoaRuntime::LayoutPath(layoutID) ? 1 : 0;
}
