/* The primitive element operations over the views of a loaded Cocoa window. */
#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/NSObject+UserInfo.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"
#import "ui/cocoa/_cocoalink.h"

#include <algorithm>
#include <cmath>

#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/ElementBackend.h"

using ElementBackend::Element;
using ElementBackend::Kind;
using ElementBackend::Number;

namespace
{
using CocoaElements::TextOf;
using CocoaElements::ViewOf;

bool IsA(Element element, Class kind) { return [ViewOf(element) isKindOfClass:kind] ? true : false; }

NSPopUpButton* PopupOf(Element element)
{
    return IsA(element, [NSPopUpButton class]) ? QZ_AS(NSPopUpButton, element) : nil;
}

NSSegmentedControl* SegmentsOf(Element element)
{
    return IsA(element, [NSSegmentedControl class]) ? QZ_AS(NSSegmentedControl, element) : nil;
}

/* A popup item's or a segment's title (empty, never nil). */
NSString* TitleOf(Element element, int index)
{
    NSString* title = nil;
    if (NSSegmentedControl* pSegments = SegmentsOf(element))
        title = [pSegments labelForSegment:index];
    else
        title = [[PopupOf(element) itemAtIndex:index] title];
    return title ? title : @"";
}

/* A new popup item gets a placeholder title first, then its own, so that
   equal titles may repeat. */
NSString* const kItemPlaceholder = @"blahxyx";

/* The element's frame in the content view's coordinates (Cocoa's, y up). */
NSRect ContentFrame(NSView* pFrameView, NSView* pContent)
{
    NSView* pSuper = [pFrameView superview];
    NSRect frame = [pFrameView frame];
    return (pSuper && pSuper != pContent) ? [pSuper convertRect:frame toView:pContent] : frame;
}

void SetContentFrame(NSView* pFrameView, NSView* pContent, NSRect frame)
{
    NSView* pSuper = [pFrameView superview];
    if (pSuper && pSuper != pContent)
        frame = [pContent convertRect:frame toView:pSuper];
    [pFrameView setFrame:frame];
}

NSView* ContentOf(const _FCWindowController_cocoa* pBridge)
{
    return [[QZ_AS(_FCWindowController_redaredavizodir, pBridge->_GetController()) window] contentView];
}

float ContentHeight(NSView* pContent) { return std::floor(static_cast<float>([pContent frame].size.height)); }

NSTableView* TableOf(Element table) { return QZ_AS(NSTableView, table); }

NSTableColumn* ColumnOf(Element table, int column) { return CocoaElements::ColumnAt(TableOf(table), column); }

/* A column showing a check box per row. */
void MakeCheckColumn(NSTableColumn* pColumn)
{
    NSButtonCell* pCell = [[[NSButtonCell alloc] init] autorelease];
    [pCell setButtonType:NSSwitchButton];
    [pCell setTitle:@""];
    [pColumn setDataCell:pCell];
    [pColumn setResizingMask:NSTableColumnNoResizing];
}

} // namespace

namespace ElementBackend
{
Element Find(const _FCWindowController_cocoa* pBridge, int tag, Kind kind)
{
    if (!pBridge->_GetController())
        return nullptr;
    NSView* pView = [QZ_AS(_FCWindowController_redaredavizodir, pBridge->_GetController()) findControlByTag:tag];
    return pView && Is(pView, kind) ? pView : nullptr;
}

bool Is(Element element, Kind kind)
{
    switch (kind) {
    case Kind::Any: return true;
    case Kind::Control: return IsA(element, [NSControl class]);
    /* Popups are buttons to Cocoa but not to the framework. */
    case Kind::Button: return IsA(element, [NSButton class]) && !IsA(element, [NSPopUpButton class]);
    case Kind::PopUp: return IsA(element, [NSPopUpButton class]);
    case Kind::Segmented: return IsA(element, [NSSegmentedControl class]);
    case Kind::Stepper: return IsA(element, [NSStepper class]);
    case Kind::Slider: return IsA(element, [NSSlider class]);
    case Kind::TextField: return IsA(element, [NSTextField class]);
    case Kind::Table: return IsA(element, [NSTableView class]) && !IsA(element, [NSOutlineView class]);
    case Kind::Outline: return IsA(element, [NSOutlineView class]);
    }
    return false;
}

Element Frame(Element element) { return CocoaElements::FrameView(ViewOf(element)); }

bool IsHidden(Element element) { return [ViewOf(element) isHidden] ? true : false; }

void SetHidden(Element element, bool hidden) { [ViewOf(element) setHidden:hidden ? YES : NO]; }

bool IsShown(Element element) { return [ViewOf(element) isHiddenOrHasHiddenAncestor] ? false : true; }

bool IsEnabled(Element element) { return !IsA(element, [NSControl class]) || [QZ_AS(NSControl, element) isEnabled]; }

void SetEnabled(Element element, bool enabled)
{
    [QZ_AS(NSControl, element) setEnabled:enabled ? YES : NO];
    /* A text field shows its state in its text colour. */
    if (IsA(element, [NSTextField class]))
        [QZ_AS(NSTextField, element)
            setTextColor:enabled ? [NSColor controlTextColor] : [NSColor secondarySelectedControlColor]];
}

int State(Element element)
{
    NSInteger state = [QZ_AS(NSButton, element) state];
    return state == NSOnState ? 1 : state == NSMixedState ? 2 : 0;
}

void SetState(Element element, int state)
{
    static const NSInteger kStates[] = {NSOffState, NSOnState, NSMixedState};
    [QZ_AS(NSButton, element) setState:kStates[state]];
}

bool AllowsMixedState(Element element) { return [QZ_AS(NSButton, element) allowsMixedState] ? true : false; }

int ItemCount(Element element)
{
    if (NSSegmentedControl* pSegments = SegmentsOf(element))
        return static_cast<int>([pSegments segmentCount]);
    return static_cast<int>([PopupOf(element) numberOfItems]);
}

void InsertItem(Element element, int index, FCString* pTitle)
{
    CocoaPool pool;
    if (NSSegmentedControl* pSegments = SegmentsOf(element)) {
        [pSegments setSegmentCount:[pSegments segmentCount] + 1];
        SetItemTitle(element, index, pTitle);
        return;
    }
    NSPopUpButton* pPopup = PopupOf(element);
    [pPopup insertItemWithTitle:kItemPlaceholder atIndex:index];
    [[pPopup itemAtIndex:index] setTitle:TextOf(pTitle)];
}

/* GNUstep drops a popup's selection on an insertion or a removal; the
   bridge selects again afterwards. */
void RemoveItem(Element element, int index) { [PopupOf(element) removeItemAtIndex:index]; }

void RemoveAllItems(Element element) { [PopupOf(element) removeAllItems]; }

void GetItemTitle(Element element, int index, FCString* pTitle)
{
    CocoaPool pool;
    _cocoalink_SetNSString(pTitle, TitleOf(element, index));
}

std::string ItemText(Element element, int index)
{
    CocoaPool pool;
    const char* utf8 = [TitleOf(element, index) UTF8String];
    return utf8 ? utf8 : "";
}

void SetItemTitle(Element element, int index, FCString* pTitle)
{
    CocoaPool pool;
    if (NSSegmentedControl* pSegments = SegmentsOf(element)) {
        [pSegments setLabel:TextOf(pTitle) forSegment:index];
        [pSegments setWidth:0 forSegment:index];
        return;
    }
    [[PopupOf(element) itemAtIndex:index] setTitle:TextOf(pTitle)];
}

int SelectedItem(Element element)
{
    if (NSSegmentedControl* pSegments = SegmentsOf(element))
        return static_cast<int>([pSegments selectedSegment]);
    return static_cast<int>([PopupOf(element) indexOfSelectedItem]);
}

void SelectItem(Element element, int index)
{
    if (NSSegmentedControl* pSegments = SegmentsOf(element)) {
        [pSegments setSelectedSegment:index];
        return;
    }
    /* No selection goes first on a removal: GNUstep's cell would keep
       drawing a removed selected item. */
    if (index < 0)
        [PopupOf(element) selectItem:nil];
    else
        [PopupOf(element) selectItemAtIndex:index];
}

/* Steppers and sliders answer the same messages (tick marks: sliders only). */
double GetNumber(Element element, Number number)
{
    id control = ViewOf(element);
    switch (number) {
    case Number::Minimum: return [control minValue];
    case Number::Maximum: return [control maxValue];
    case Number::Value: return [control doubleValue];
    case Number::TickMarks: break;
    }
    return static_cast<double>([QZ_AS(NSSlider, control) numberOfTickMarks]);
}

void SetNumber(Element element, Number number, double value)
{
    id control = ViewOf(element);
    switch (number) {
    case Number::Minimum: [control setMinValue:value]; return;
    case Number::Maximum: [control setMaxValue:value]; return;
    case Number::Value: [control setDoubleValue:value]; return;
    case Number::TickMarks: [QZ_AS(NSSlider, control) setNumberOfTickMarks:static_cast<NSInteger>(value)]; return;
    }
}

void SendAction(_FCWindowController_cocoa*, Element element)
{
    CocoaPool pool;
    NSControl* pControl = QZ_AS(NSControl, element);
    SEL action = IsA(element, [NSTableView class]) ? [QZ_AS(NSTableView, element) doubleAction] : [pControl action];
    [NSApp sendAction:action to:[pControl target] from:pControl];
}
int ColumnCount(Element table) { return static_cast<int>([CocoaElements::Columns(TableOf(table)) count]); }

std::string ColumnIdentifier(Element table, int column)
{
    const char* identifier = [[ColumnOf(table, column) identifier] UTF8String];
    return identifier ? identifier : "";
}

float ColumnWidth(Element table, int column) { return static_cast<float>([ColumnOf(table, column) width]); }

void SetColumnWidth(Element table, int column, float width) { [ColumnOf(table, column) setWidth:width]; }

void SetColumnTitle(Element table, int column, FCString* pTitle)
{
    CocoaPool pool;
    [[ColumnOf(table, column) headerCell] setStringValue:TextOf(pTitle)];
    [[TableOf(table) headerView] setNeedsDisplay:YES];
}

void InsertColumn(Element table, int index, const Column& column)
{
    CocoaPool pool;
    NSString* identifier = [NSString stringWithUTF8String:column.identifier.c_str()];
    NSTableColumn* pColumn = [[[NSTableColumn alloc] initWithIdentifier:identifier] autorelease];
    if (column.check)
        MakeCheckColumn(pColumn);
    [[pColumn headerCell] setStringValue:TextOf(column.pTitle)];
    [pColumn setWidth:column.width];
    [pColumn setEditable:column.check ? YES : NO];
    if (column.fontSize > 0)
        [[pColumn dataCell] setFont:[NSFont systemFontOfSize:column.fontSize]];
    NSTableView* pTable = TableOf(table);
    CocoaElements::AddColumn(pTable, pColumn);
    if (IsA(table, [NSOutlineView class]))
        [QZ_AS(NSOutlineView, table) setOutlineTableColumn:pColumn];
    if (index < ColumnCount(table) - 1)
        [pTable moveColumn:[pTable numberOfColumns] - 1 toColumn:index];
}

void RemoveColumns(Element table) { CocoaElements::RemoveColumns(TableOf(table)); }

float VisibleWidth(Element table)
{
    CGFloat visible = [[TableOf(table) enclosingScrollView] contentSize].width;
    return static_cast<float>(visible > 0 ? visible : [TableOf(table) frame].size.width);
}

void SetRowHeight(Element table, float height) { [TableOf(table) setRowHeight:height]; }

void HideHeader(Element table)
{
    [TableOf(table) setHeaderView:nil];
    [TableOf(table) setCornerView:nil];
}

int RowCount(Element table)
{
    id source = [TableOf(table) dataSource];
    return source ? static_cast<int>([source numberOfRowsInTableView:TableOf(table)]) : 0;
}

void ReloadRows(Element table)
{
    CocoaPool pool;
    [TableOf(table) reloadData];
}

void RedrawRow(Element table, int row) { [TableOf(table) setNeedsDisplayInRect:[TableOf(table) rectOfRow:row]]; }

void ScrollToRow(Element table, int row)
{
    /* An outline's rows are its shown nodes. */
    if (row < (IsA(table, [NSOutlineView class]) ? [TableOf(table) numberOfRows] : RowCount(table)))
        [TableOf(table) scrollRowToVisible:row];
}

bool AllowsEmptySelection(Element table) { return [TableOf(table) allowsEmptySelection] ? true : false; }

int SelectedRow(Element table) { return static_cast<int>([TableOf(table) selectedRow]); }

/* The table's selection notification reports the change. */
void SelectRow(_FCWindowController_cocoa*, Element table, int row)
{
    CocoaPool pool;
    NSTableView* pTable = TableOf(table);
    if (row < 0) {
        [pTable deselectAll:nil];
        return;
    }
    /* The view may not have asked for the rows since they changed. */
    if ([pTable numberOfRows] != RowCount(table))
        [pTable reloadData];
    [pTable selectRowIndexes:[NSIndexSet indexSetWithIndex:static_cast<NSUInteger>(row)] byExtendingSelection:NO];
}

FCCtrlDataList* ListOf(Element table) { return CocoaElements::DataListOf(TableOf(table)); }

void Connect(_FCWindowController_cocoa* pBridge, Element table, FCCtrlDataList* pList)
{
    CocoaPool pool;
    NSTableView* pTable = TableOf(table);
    if (!CocoaElements::DataListOf(pTable))
        QZSetUserInfoPointer(pTable, @"DataList", pList);
    [pTable setDataSource:(id)pBridge->_GetController()];
    [pTable reloadData];
}

void GetFrame(const _FCWindowController_cocoa* pBridge, Element element, __FloatRect* pRect)
{
    NSView* pContent = ContentOf(pBridge);
    NSRect frame = ContentFrame(CocoaElements::FrameView(ViewOf(element)), pContent);
    NSEdgeInsets insets = CocoaElements::Insets(ViewOf(element));
    frame.origin.x += insets.left;
    frame.origin.y += insets.bottom;
    frame.size.width -= insets.left + insets.right;
    frame.size.height -= insets.top + insets.bottom;
    pRect->left = static_cast<float>(frame.origin.x);
    pRect->right = static_cast<float>(frame.origin.x + frame.size.width);
    pRect->top = ContentHeight(pContent) - static_cast<float>(frame.origin.y + frame.size.height);
    pRect->bottom = pRect->top + static_cast<float>(frame.size.height);
}

/* The button insets are added back. */
void SetFrame(const _FCWindowController_cocoa* pBridge, Element element, const __FloatRect& rect, bool redraw)
{
    NSView* pView = ViewOf(element);
    NSView* pFrameView = CocoaElements::FrameView(pView);
    NSView* pContent = ContentOf(pBridge);
    NSEdgeInsets insets = CocoaElements::Insets(pView);
    NSRect frame = NSMakeRect(rect.left - insets.left, ContentHeight(pContent) - rect.bottom - insets.bottom,
                              rect.Width() + insets.left + insets.right, rect.Height() + insets.top + insets.bottom);
    SetContentFrame(pFrameView, pContent, frame);
    if (redraw)
        [pFrameView display];
    else
        [pFrameView setNeedsDisplay:YES];
}
} // namespace ElementBackend
