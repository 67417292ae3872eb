/* The primitives the driver's calls read and act through, over real Cocoa
 * windows: a press is the button's next state and its action, typing sets the
 * value and posts the text-did-change notification, the close box is
 * performClose:, and everything read comes back from the views themselves. */
#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"
#import "ui/cocoa/_cocoalink.h"

#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/ElementBackend.h"
#include "ui/driver/qzui_driver.h"

using ElementBackend::Element;

namespace
{
using CocoaElements::ViewOf;

int ButtonKind(NSButton* pButton)
{
    if (CocoaElements::IsRadioButton(pButton))
        return QZUI_KIND_RADIO_BUTTON;
    if ([[pButton cell] showsStateBy] != NSNoCellMask || [pButton allowsMixedState])
        return QZUI_KIND_CHECK_BOX;
    return QZUI_KIND_PUSH_BUTTON;
}

/* A nil text is empty. */
std::string UTF8(NSString* text)
{
    const char* utf8 = text ? [text UTF8String] : nullptr;
    return utf8 ? utf8 : "";
}

using CocoaRuntime::WindowOf;
} // namespace

namespace ElementBackend
{
/* The tagged views (non-zero tag), depth first. */
std::vector<Element> TaggedElements(const _FCWindowController_cocoa* pBridge)
{
    CocoaPool pool;
    NSMutableArray* pAll = [NSMutableArray array];
    CocoaElements::Collect([WindowOf(pBridge) contentView], pAll);
    std::vector<Element> tagged;
    for (NSUInteger i = 0; i < [pAll count]; ++i) {
        NSView* pView = [pAll objectAtIndex:i];
        if ([pView isKindOfClass:[NSControl class]] && [QZ_AS(NSControl, pView) tag] != 0)
            tagged.push_back(pView);
    }
    return tagged;
}

int TagOf(Element element) { return static_cast<int>([QZ_AS(NSControl, element) tag]); }

int KindCode(Element element)
{
    NSView* pView = ViewOf(element);
    if ([pView isKindOfClass:[NSPopUpButton class]])
        return QZUI_KIND_POPUP;
    if ([pView isKindOfClass:[NSButton class]])
        return ButtonKind(QZ_AS(NSButton, pView));
    /* A subclass before its superclass. */
    const struct
    {
        Class viewClass;
        int kind;
    } kinds[] = {{[NSBox class], QZUI_KIND_BOX},
                 {[NSTextField class], QZUI_KIND_TEXT_FIELD},
                 {[NSScrollView class], QZUI_KIND_SCROLL_VIEW},
                 {[NSClipView class], QZUI_KIND_CLIP_VIEW},
                 {[NSOutlineView class], QZUI_KIND_OUTLINE},
                 {[NSTableView class], QZUI_KIND_TABLE},
                 {[NSStepper class], QZUI_KIND_STEPPER},
                 {[NSSlider class], QZUI_KIND_SLIDER},
                 {[NSSegmentedControl class], QZUI_KIND_SEGMENTED},
                 {[NSControl class], QZUI_KIND_OTHER}};
    for (const auto& entry : kinds)
        if ([pView isKindOfClass:entry.viewClass])
            return entry.kind;
    return QZUI_KIND_VIEW;
}

bool IsEditable(Element element) { return [QZ_AS(NSTextField, element) isEditable] ? true : false; }

bool HasFocus(const _FCWindowController_cocoa*, Element element)
{
    NSView* pView = ViewOf(element);
    id responder = [[pView window] firstResponder];
    if (responder == pView)
        return true;
    /* A field being edited hands the keyboard to the window's field editor. */
    return [responder isKindOfClass:[NSText class]] && [QZ_AS(NSText, responder) delegate] == (id)pView;
}

std::string Text(Element element)
{
    CocoaPool pool;
    NSView* pView = ViewOf(element);
    if (Is(element, Kind::Button) || [pView isKindOfClass:[NSBox class]])
        return UTF8([QZ_AS(NSButton, pView) title]);
    if ([pView isKindOfClass:[NSControl class]])
        return UTF8([QZ_AS(NSControl, pView) stringValue]);
    return std::string();
}

std::string ColumnTitle(Element table, int column)
{
    CocoaPool pool;
    return UTF8([[CocoaElements::ColumnAt(QZ_AS(NSTableView, table), column) headerCell] stringValue]);
}

std::string CellText(Element table, int row, int column)
{
    CocoaPool pool;
    NSTableView* pTable = QZ_AS(NSTableView, table);
    id value = [[pTable dataSource] tableView:pTable
                    objectValueForTableColumn:CocoaElements::ColumnAt(pTable, column)
                                          row:row];
    return UTF8([value isKindOfClass:[NSString class]] ? value : [value description]);
}

void Click(_FCWindowController_cocoa*, Element button)
{
    CocoaPool pool;
    CocoaElements::Click(QZ_AS(NSButton, button));
}

bool Type(_FCWindowController_cocoa*, Element field, const char* text)
{
    CocoaPool pool;
    NSString* typed = [NSString stringWithUTF8String:text];
    if (!typed)
        return false;
    [QZ_AS(NSTextField, field) setStringValue:typed];
    [[NSNotificationCenter defaultCenter] postNotificationName:NSControlTextDidChangeNotification object:ViewOf(field)];
    return true;
}

std::string WindowTitle(const _FCWindowController_cocoa* pBridge)
{
    CocoaPool pool;
    return UTF8([WindowOf(pBridge) title]);
}

bool IsActive(const _FCWindowController_cocoa* pBridge) { return [WindowOf(pBridge) isMainWindow] ? true : false; }

void Deactivate(_FCWindowController_cocoa* pBridge)
{
    CocoaPool pool;
    NSWindow* pWindow = WindowOf(pBridge);
    if ([pWindow isMainWindow])
        [pWindow resignMainWindow];
    if ([pWindow isKeyWindow])
        [pWindow resignKeyWindow];
}

std::string ShownText(FCString* pText)
{
    CocoaPool pool;
    return UTF8(_cocoalink_MakeNSString(pText));
}

/* The close button asks the delegate (CanClose) and closes on yes. */
bool PressCloseBox(_FCWindowController_cocoa* pBridge)
{
    CocoaPool pool;
    const int window = BridgeRuntime::NumberOf(pBridge);
    NSWindow* pWindow = [[WindowOf(pBridge) retain] autorelease];
    [pWindow performClose:nil];
    pBridge = BridgeRuntime::FindBridge(window);
    return !(pBridge && pBridge->_IsWindowOpen() && [pWindow isVisible]);
}
} // namespace ElementBackend

/* ---- Layouts ---- */

void qzui_set_layout_folder(const char* path) { CocoaRuntime::SetLayoutFolder(path); }

int qzui_preload_layout(int layoutID)
{
    CocoaPool pool;
    return CocoaRuntime::LayoutPath(layoutID) ? 1 : 0;
}
