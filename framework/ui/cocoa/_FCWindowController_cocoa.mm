/* The Cocoa bridge: every window operation carried out on the Cocoa window
 * loaded from the window's layout. */
#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/NSObject+UserInfo.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"
#import "ui/cocoa/_cocoalink.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "ui/FCControl.h"
#include "ui/FCCtrlCheckbox.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCDataListRow.h"
#ifdef QZ_HAS_OTHER_CONTROLS
#include "ui/FCCtrlLine.h"
#include "ui/FCCtrlTree.h"
#endif
#include "strings/FCString.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/__FCUserWindow.h"
#include "ui/bridge/BridgeRuntime.h"

namespace
{
_FCWindowController_redaredavizodir* ControllerOf(const _FCWindowController_cocoa* pBridge)
{
    return static_cast<_FCWindowController_redaredavizodir*>(pBridge->_GetController());
}

NSWindow* WindowOf(const _FCWindowController_cocoa* pBridge)
{
    return pBridge->_GetController() ? [ControllerOf(pBridge) window] : nil;
}

int TimerId(NSTimer* pTimer) { return [QZ_AS(NSNumber, [pTimer userInfo]) intValue]; }

NSMutableArray* TimersOf(const _FCWindowController_cocoa* pBridge)
{
    return QZ_AS(NSMutableArray, pBridge->_GetTimers());
}

NSView* Element(const _FCWindowController_cocoa* pBridge, int controlID)
{
    return pBridge->_GetController() ? [ControllerOf(pBridge) findControlByTag:controlID] : nil;
}

/* The element with the tag when it is of the class, else nil. */
template <class T>
T* ElementOf(const _FCWindowController_cocoa* pBridge, int controlID)
{
    NSView* pView = Element(pBridge, controlID);
    if (![pView isKindOfClass:[T class]])
        return nil;
    return (T*)(id)pView; /* through id: GCC checks protocols on a direct cast */
}

/* Buttons proper: popups are buttons to Cocoa but not to the framework. */
NSButton* Button(const _FCWindowController_cocoa* pBridge, int controlID)
{
    NSButton* pButton = ElementOf<NSButton>(pBridge, controlID);
    return [pButton isKindOfClass:[NSPopUpButton class]] ? nil : pButton;
}

float Whole(CGFloat value) { return std::floor(static_cast<float>(value)); }

float PrimaryScreenHeight()
{
    NSArray* pScreens = [NSScreen screens];
    if ([pScreens count] == 0)
        return 0;
    return Whole([[pScreens objectAtIndex:0] frame].size.height);
}

NSString* Text(FCString* pString) { return pString ? _cocoalink_MakeNSString(pString) : @""; }

/* Elements with a title (buttons, boxes) take it; other controls a string value. */
bool HasTitle(NSView* pView)
{
    return ([pView isKindOfClass:[NSButton class]] && ![pView isKindOfClass:[NSPopUpButton class]]) ||
           [pView isKindOfClass:[NSBox class]];
}
} // namespace

_FCWindowController_cocoa::_FCWindowController_cocoa(__FCUserWindow* pWindow, int layoutID)
    : _windowopen(false), _layoutid(layoutID), _modalrun(false), _modalrequested(false), _pWindow(pWindow),
      _controller(nullptr), _timers(nullptr)
{
    BridgeRuntime::Register(this);
}

_FCWindowController_cocoa::~_FCWindowController_cocoa()
{
    DestroyWindow();
    [TimersOf(this) release];
    _timers = nullptr;
    BridgeRuntime::Unregister(this);
}

/* ---- Loading and closing ---- */

bool _FCWindowController_cocoa::_LoadController()
{
    if (!CocoaRuntime::StartApplication())
        return false;
    NSString* path = CocoaRuntime::LayoutPath(_layoutid);
    if (!path) {
        char line[128];
        std::snprintf(line, sizeof line, "Layout %d was not found; the window does not open.", _layoutid);
        qzui::ReportSystemLog(line);
        return false;
    }
    _FCWindowController_redaredavizodir* pController =
        [[_FCWindowController_redaredavizodir alloc] initWithLayoutPath:path owner:this];
    _controller = pController;
    CocoaRuntime::WindowLoaded(this);
    /* Asking for the window loads the layout; windowDidLoad wires it and
       initialises the framework window. */
    if (![pController window]) {
        qzui::ReportSystemLog("The layout could not be read; the window does not open.");
        _ReleaseController();
        return false;
    }
    return true;
}

void _FCWindowController_cocoa::_ReleaseController()
{
    _FCWindowController_redaredavizodir* pController = ControllerOf(this);
    if (!pController)
        return;
    _controller = nullptr;
    CocoaRuntime::WindowReleased(this);
    [pController detachOwner];
    [[NSNotificationCenter defaultCenter] removeObserver:pController];
    NSWindow* pWindow = [pController isWindowLoaded] ? [pController window] : nil;
    if (pWindow) {
        NSMutableArray* pViews = [NSMutableArray array];
        CocoaElements::Collect([pWindow contentView], pViews);
        for (NSUInteger i = 0; i < [pViews count]; ++i) {
            id pView = [pViews objectAtIndex:i];
            if ([pView isKindOfClass:[NSTableView class]])
                [pView setDataSource:nil];
            [pView removeObjectUserInfo];
        }
        [pWindow setDelegate:nil];
    }
    /* Released once the current event is over: the release may come from
       inside one of the window's own notifications. */
    [pController autorelease];
}

void _FCWindowController_cocoa::_PostWillClose()
{
    if (NSWindow* pWindow = WindowOf(this))
        [[NSNotificationCenter defaultCenter] postNotificationName:NSWindowWillCloseNotification object:pWindow];
}

void _FCWindowController_cocoa::ShowModeless()
{
    if (_controller || !CocoaRuntime::StartApplication())
        return;
    CocoaPool pool;
    _modalrequested = false;
    _windowopen = true;
    if (!_LoadController()) {
        _windowopen = false;
        return;
    }
    /* Shown and ordered front; it becomes the active window only when
       activated. */
    [WindowOf(this) orderFront:nil];
}

bool _FCWindowController_cocoa::ExecuteModal(__FCUserWindow* pParent)
{
    if (_controller || !CocoaRuntime::StartApplication())
        return false;
    CocoaPool pool;
    _modalrequested = true;
    _windowopen = true;
    if (!_LoadController()) {
        _windowopen = false;
        return false;
    }
    _modalrun = true;
    NSWindow* pWindow = [[WindowOf(this) retain] autorelease];
    if (!pParent)
        [pWindow center];
    const int number = BridgeRuntime::NumberOf(this);
    /* The session runs until the window closes (Notify_WindowClose ends
       the modal run); a driver acts as the user between steps. */
    NSModalSession session = [NSApp beginModalSessionForWindow:pWindow];
    while (_modalrun && _controller) {
        if ([NSApp runModalSession:session] != NSRunContinuesResponse)
            break;
        if (!BridgeRuntime::DriverAttached()) {
            [NSApp nextEventMatchingMask:NSAnyEventMask
                               untilDate:[NSDate distantFuture]
                                  inMode:NSModalPanelRunLoopMode
                                 dequeue:NO];
            continue;
        }
        if (BridgeRuntime::ModalStep(number))
            continue;
        /* The driver gave up: the window closes. */
        if (_pWindow)
            _pWindow->CloseWindow();
        if (_modalrun && _controller)
            DestroyWindow();
    }
    [NSApp endModalSession:session];
    bool endedByClose = !_modalrun;
    _modalrun = false;
    DestroyWindow();
    return endedByClose;
}

void _FCWindowController_cocoa::DestroyWindow()
{
    if (!_controller)
        return;
    CocoaPool pool;
    bool wasOpen = _windowopen;
    _windowopen = false;
    KillAllTimers();
    [TimersOf(this) release];
    _timers = nullptr;
    if (wasOpen)
        CloseWindow();
    _ReleaseController();
}

void _FCWindowController_cocoa::CloseWindow()
{
    NSWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    CocoaPool pool;
    [[pWindow retain] autorelease];
    [pWindow close];
}

/* ---- Window ---- */

bool _FCWindowController_cocoa::IsWindowVisible() { return [WindowOf(this) isVisible] ? true : false; }

void _FCWindowController_cocoa::ActivateWindow()
{
    NSWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    [NSApp activateIgnoringOtherApps:YES];
    /* The window active before stops being it (GNUstep does not always tell
       it when the application itself is not active). */
    NSArray* pWindows = [NSApp windows];
    for (NSUInteger i = 0; i < [pWindows count]; ++i) {
        NSWindow* pOther = [pWindows objectAtIndex:i];
        if (pOther != pWindow && [pOther isMainWindow])
            [pOther resignMainWindow];
    }
    CocoaRuntime::SetActivating(true);
    [pWindow makeKeyAndOrderFront:nil];
    [pWindow makeMainWindow];
    CocoaRuntime::SetActivating(false);
}

void _FCWindowController_cocoa::ShowWindow(bool show)
{
    NSWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    if (show) {
        [pWindow makeKeyAndOrderFront:nil];
        return;
    }
    [pWindow orderOut:nil];
    /* An ordered-out window stops being the active one. */
    if ([pWindow isMainWindow])
        [pWindow resignMainWindow];
    if ([pWindow isKeyWindow])
        [pWindow resignKeyWindow];
}

void _FCWindowController_cocoa::RepaintWindow()
{
    NSWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    [[pWindow contentView] setNeedsDisplay:YES];
    CocoaRuntime::CountRepaint(this);
}

void _FCWindowController_cocoa::SetWindowCaption(FCString* pString)
{
    NSWindow* pWindow = WindowOf(this);
    if (pWindow && pString)
        [pWindow setTitle:Text(pString)];
}

void _FCWindowController_cocoa::GetWindowCaption(FCString* pString)
{
    NSWindow* pWindow = WindowOf(this);
    if (pWindow && pString)
        _cocoalink_SetNSString(pString, [pWindow title]);
}

void _FCWindowController_cocoa::GetWindowFrameRect(__FloatRect* pRect)
{
    if (!pRect)
        return;
    *pRect = __FloatRect{0, 0, 0, 0};
    NSWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    NSRect frame = CocoaElements::FrameOf(pWindow);
    const float screen = PrimaryScreenHeight();
    pRect->left = static_cast<float>(frame.origin.x);
    pRect->right = static_cast<float>(frame.origin.x + frame.size.width);
    pRect->bottom = screen - static_cast<float>(frame.origin.y);
    pRect->top = screen - static_cast<float>(frame.origin.y + frame.size.height);
}

void _FCWindowController_cocoa::SetWindowFrameRect(__FloatRect* pRect)
{
    NSWindow* pWindow = WindowOf(this);
    if (!pWindow || !pRect)
        return;
    CocoaPool pool;
    NSRect frame = NSMakeRect(pRect->left, PrimaryScreenHeight() - pRect->bottom, std::max(0.0f, pRect->Width()),
                              std::max(0.0f, pRect->Height()));
    CocoaRuntime::CountRepaint(this);
    /* A change of size is reported by the window's resize notification. */
    CocoaElements::SetFrameOf(pWindow, frame);
}

void _FCWindowController_cocoa::GetWindowContentRect(__FloatRect* pRect)
{
    if (!pRect)
        return;
    *pRect = __FloatRect{0, 0, 0, 0};
    NSWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    NSRect frame = [[pWindow contentView] frame];
    pRect->left = static_cast<float>(frame.origin.x);
    pRect->top = static_cast<float>(frame.origin.y);
    pRect->right = static_cast<float>(frame.origin.x + frame.size.width);
    pRect->bottom = static_cast<float>(frame.origin.y + frame.size.height);
}

float _FCWindowController_cocoa::GetWindowTitleHeight()
{
    if (!CocoaRuntime::StartApplication())
        return 0;
    return CocoaElements::TitleBarHeight();
}

void _FCWindowController_cocoa::SetMaximumResizeWidth(float width)
{
    NSWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    NSSize size = [pWindow maxSize];
    size.width = width;
    [pWindow setMaxSize:size];
}

void _FCWindowController_cocoa::SetMaximumResizeHeight(float height)
{
    NSWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    NSSize size = [pWindow maxSize];
    size.height = height;
    [pWindow setMaxSize:size];
}

void _FCWindowController_cocoa::SetWindowAlpha(int percent)
{
    float alpha = std::min(1.0f, std::max(0.0f, static_cast<float>(percent) / 100.0f));
    [WindowOf(this) setAlphaValue:alpha];
}

/* ---- Elements: generic ---- */

void _FCWindowController_cocoa::SetDlgItemKeyboardFocus(int controlID)
{
    NSView* pView = Element(this, controlID);
    if (pView)
        [WindowOf(this) makeFirstResponder:CocoaElements::FrameView(pView)];
}

/* ---- Elements: text ---- */

void _FCWindowController_cocoa::SetDlgItemText(int controlID, FCString* pString)
{
    NSView* pView = Element(this, controlID);
    if (!pView)
        return;
    CocoaPool pool;
    if (HasTitle(pView))
        [QZ_AS(NSButton, pView) setTitle:Text(pString)];
    else if ([pView isKindOfClass:[NSControl class]])
        [QZ_AS(NSControl, pView) setStringValue:Text(pString)];
}

void _FCWindowController_cocoa::GetDlgItemText(int controlID, FCString* pString)
{
    NSView* pView = Element(this, controlID);
    if (!pView || !pString)
        return;
    CocoaPool pool;
    if (HasTitle(pView))
        _cocoalink_SetNSString(pString, [QZ_AS(NSButton, pView) title]);
    else if ([pView isKindOfClass:[NSControl class]])
        _cocoalink_SetNSString(pString, [QZ_AS(NSControl, pView) stringValue]);
}

void _FCWindowController_cocoa::SetDlgItemTextAndResize(int controlID, FCString* pString)
{
    SetDlgItemText(controlID, pString);
    NSTextField* pField = ElementOf<NSTextField>(this, controlID);
    NSScrollView* pScroll = [pField enclosingScrollView];
    if (!pScroll)
        return;
    CocoaPool pool;
    NSDictionary* attributes = [NSDictionary dictionaryWithObject:[pField font] forKey:NSFontAttributeName];
    NSSize text = [[pField stringValue] sizeWithAttributes:attributes];
    NSSize visible = [pScroll contentSize];
    NSRect frame = NSMakeRect(0, 0, std::max(visible.width, text.width), std::max(visible.height, text.height + 10));
    /* Pinned to the top of the visible area. */
    frame.origin.y = [[pScroll contentView] isFlipped] ? 0 : visible.height - frame.size.height;
    [pField setFrame:frame];
    NSView* pDocument = [pScroll documentView];
    if (pDocument && pDocument != pField)
        [pDocument setFrameSize:frame.size];
}

/* ---- Elements: buttons and edit fields ---- */

void _FCWindowController_cocoa::ClearShortcutKey(int id) { [Button(this, id) setKeyEquivalent:@""]; }

void _FCWindowController_cocoa::SetEditFocus(int controlID)
{
    if (NSTextField* pField = ElementOf<NSTextField>(this, controlID))
        [WindowOf(this) makeFirstResponder:pField];
}

void _FCWindowController_cocoa::EditScrollToBottom(int controlID)
{
    NSTextField* pField = ElementOf<NSTextField>(this, controlID);
    NSScrollView* pScroll = [pField enclosingScrollView];
    if (!pScroll)
        return;
    NSRect bounds = [pField bounds];
    [pField scrollRectToVisible:NSMakeRect(0, [pField isFlipped] ? NSMaxY(bounds) - 1 : 0, 1, 1)];
}

/* ---- Elements created in code ---- */

namespace
{
/* Single-line elements: the small control size and font, sized to fit,
   then given the control's default width (widened by the insets). */
void MakeSmall(NSControl* pControl, float width)
{
    [[pControl cell] setControlSize:NSSmallControlSize];
    [pControl setFont:[NSFont systemFontOfSize:[NSFont smallSystemFontSize]]];
    [pControl sizeToFit];
    NSEdgeInsets insets = CocoaElements::Insets(pControl);
    NSRect frame = [pControl frame];
    frame.size.width = width + insets.left + insets.right;
    [pControl setFrame:frame];
}

/* A table or outline inside a bordered scroll view with a vertical scroller,
   placed at (10, 10). */
NSView* NewTable(FCControl* pControl, bool outline, float width, float height)
{
    const int code = pControl->_GetControlType();
    Class tableClass = outline ? [NSOutlineView class] : [NSTableView class];
    NSScrollView* pScroll = [[[NSScrollView alloc] initWithFrame:NSMakeRect(10, 10, width, height)] autorelease];
    [pScroll setBorderType:NSBezelBorder];
    [pScroll setHasVerticalScroller:YES];
    NSSize inside = [pScroll contentSize];
    NSTableView* pTable =
        [[[tableClass alloc] initWithFrame:NSMakeRect(0, 0, inside.width, inside.height)] autorelease];
    [pTable setTag:pControl->GetControlID()];
    CocoaElements::EnsureDrawable(pTable);
    if (outline || code == 11) {
        [pTable setHeaderView:nil];
        [pTable setCornerView:nil];
    }
    if (code == 11)
        [pTable setAllowsEmptySelection:NO];
    /* A control with a table's code that is no data list (a foreign
       subclass) keeps its font. */
    if (FCCtrlDataList* pList = outline ? nullptr : dynamic_cast<FCCtrlDataList*>(pControl))
        pList->SetFontSize(11);
#ifdef QZ_HAS_OTHER_CONTROLS
    if (FCCtrlTree* pTree = outline ? dynamic_cast<FCCtrlTree*>(pControl) : nullptr)
        pTree->SetFontSize(11);
#endif
    [pScroll setDocumentView:pTable];
    return pScroll;
}

NSButton* NewButton(FCControl* pControl, float width, bool checkBox)
{
    NSButton* pButton = [[[NSButton alloc] initWithFrame:NSMakeRect(0, 0, width, 20)] autorelease];
    if (checkBox) {
        [pButton setButtonType:NSSwitchButton];
        FCCtrlCheckbox* pCheckbox = dynamic_cast<FCCtrlCheckbox*>(pControl);
        [pButton setAllowsMixedState:pCheckbox && pCheckbox->GetAllowMixedState() ? YES : NO];
    }
    else
        [pButton setBezelStyle:NSRoundedBezelStyle];
    [pButton setTitle:@""];
    MakeSmall(pButton, width);
    return pButton;
}

NSTextField* NewTextField(float width, bool editable)
{
    NSTextField* pField = [[[NSTextField alloc] initWithFrame:NSMakeRect(0, 0, width, 5)] autorelease];
    if (!editable) {
        [pField setBezeled:NO];
        [pField setDrawsBackground:NO];
        [pField setEditable:NO];
        [pField setSelectable:NO];
    }
    MakeSmall(pField, width);
    return pField;
}

/* A separator box, found by its identifier: horizontal unless its control
   asks otherwise. */
NSBox* NewSeparator(FCControl* pControl, float width, float height)
{
    bool horizontal = true;
#ifdef QZ_HAS_OTHER_CONTROLS
    if (FCCtrlLine* pLine = dynamic_cast<FCCtrlLine*>(pControl))
        horizontal = pLine->IsHorizontal();
#else
    (void)height;
#endif
    const int id = pControl->GetControlID();
    NSRect frame = horizontal ? NSMakeRect(0, 0, width, 1) : NSMakeRect(0, 0, 1, height);
    NSBox* pBox = [[[NSBox alloc] initWithFrame:frame] autorelease];
    [pBox setBoxType:NSBoxSeparator];
    CocoaElements::SetBoxIdentifier(pBox, [NSString stringWithFormat:@"%d", id]);
    return pBox;
}

/* The element for a type code; nil for codes without one. */
NSView* NewElement(FCControl* pControl, float width, float tall)
{
    switch (pControl->_GetControlType()) {
    case FCControl::CTRLTYPE_UPDOWN: return [[[NSStepper alloc] initWithFrame:NSMakeRect(0, 0, width, 20)] autorelease];
    case FCControl::CTRLTYPE_DATALIST:
    case FCControl::CTRLTYPE_LISTBOX: return NewTable(pControl, false, width, tall);
    case FCControl::CTRLTYPE_TREE: return NewTable(pControl, true, width, tall);
    case FCControl::CTRLTYPE_BUTTON: return NewButton(pControl, width, false);
    case FCControl::CTRLTYPE_CHECKBOX: return NewButton(pControl, width, true);
    case FCControl::CTRLTYPE_EDIT: return NewTextField(width, true);
    case FCControl::CTRLTYPE_STATIC: return NewTextField(width, false);
    case FCControl::CTRLTYPE_POPUP: {
        NSPopUpButton* pPopup = [[[NSPopUpButton alloc] initWithFrame:NSMakeRect(0, 0, width, 22)
                                                            pullsDown:NO] autorelease];
        MakeSmall(pPopup, width);
        return pPopup;
    }
    case FCControl::CTRLTYPE_LINE: return NewSeparator(pControl, width, tall);
    case FCControl::CTRLTYPE_SLIDER: return [[[NSSlider alloc] initWithFrame:NSMakeRect(0, 0, width, 20)] autorelease];
    case FCControl::CTRLTYPE_SWITCHER: {
        NSSegmentedControl* pSegments =
            [[[NSSegmentedControl alloc] initWithFrame:NSMakeRect(0, 0, width, 24)] autorelease];
        [pSegments setSegmentCount:1]; /* one unlabelled segment */
        return pSegments;
    }
    default: return nil;
    }
}
} // namespace

bool _FCWindowController_cocoa::CreateUIControl(FCControl* pControl)
{
    NSWindow* pWindow = WindowOf(this);
    if (!pControl || !pWindow)
        return false;
    if (pControl->_GetControlType() == FCControl::CTRLTYPE_NONE)
        return true;
    CocoaPool pool;
    NSView* pElement = NewElement(pControl, pControl->_GetAutoCreateWidth(), pControl->_GetAutoCreateMultilineHeight());
    if (!pElement)
        return false;
    if ([pElement isKindOfClass:[NSControl class]])
        [(NSControl*)pElement setTag:pControl->GetControlID()];
    [[pWindow contentView] addSubview:pElement];
    [ControllerOf(this) setupFCControlTargetOf:pElement];
    return true;
}

/* ---- Timers ---- */

void _FCWindowController_cocoa::AssureTimers()
{
    if (!_timers)
        _timers = [[NSMutableArray alloc] init];
}

namespace
{
/* The run-loop timer behind each of the shared runtime's timers (it fires
   while no driver's clock runs the timers). */
void RunLoopTimerCreated(_FCWindowController_cocoa* pBridge, int timerID, int milliseconds)
{
    CocoaPool pool;
    NSTimer* pTimer = [NSTimer timerWithTimeInterval:milliseconds / 1000.0
                                              target:ControllerOf(pBridge)
                                            selector:@selector(timerEvent:)
                                            userInfo:[NSNumber numberWithInt:timerID]
                                             repeats:YES];
    CocoaRuntime::TimerCreated(pTimer);
    /* A driver's clock runs the timers: the run loop never sees them (it
       only lets go of an invalidated timer when its mode runs, which under a
       driver it never does, so they would pile up). */
    if (!BridgeRuntime::DriverAttached())
        [[NSRunLoop currentRunLoop] addTimer:pTimer forMode:NSDefaultRunLoopMode];
    [TimersOf(pBridge) addObject:pTimer];
}

void RunLoopTimerKilled(_FCWindowController_cocoa* pBridge, int timerID)
{
    NSMutableArray* pTimers = TimersOf(pBridge);
    for (NSInteger i = static_cast<NSInteger>([pTimers count]) - 1; i >= 0; --i) {
        NSTimer* pTimer = [pTimers objectAtIndex:static_cast<NSUInteger>(i)];
        if (TimerId(pTimer) != timerID)
            continue;
        [pTimer invalidate];
        CocoaRuntime::TimerKilled(pTimer);
        [pTimers removeObjectAtIndex:static_cast<NSUInteger>(i)];
    }
}

struct RunLoopTimers
{
    RunLoopTimers()
    {
        BridgeRuntime::TimerHooks hooks = {&RunLoopTimerCreated, &RunLoopTimerKilled};
        BridgeRuntime::SetTimerHooks(hooks);
    }
} gRunLoopTimers;
} // namespace

/* ---- Table check boxes ---- */
