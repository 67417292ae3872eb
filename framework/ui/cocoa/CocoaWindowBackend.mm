/* The primitive window operations over the AppKit: the window controller
 * loaded from the layout, its NSWindow, the views of its elements and the
 * run-loop timers behind the shared runtime's timers. */
#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/NSObject+UserInfo.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"
#import "ui/cocoa/_cocoalink.h"

#include <cmath>

#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/WindowBackend.h"

using WindowBackend::Box;
using WindowBackend::Element;
using WindowBackend::NewElement;

namespace
{
_FCWindowController_redaredavizodir* ControllerOf(const _FCWindowController_cocoa* pBridge)
{
    return QZ_AS(_FCWindowController_redaredavizodir, pBridge->_GetController());
}

using CocoaRuntime::WindowOf;

using CocoaElements::ViewOf;

Box BoxOf(NSRect rect)
{
    return Box{static_cast<float>(rect.origin.x), static_cast<float>(rect.origin.y),
               static_cast<float>(rect.size.width), static_cast<float>(rect.size.height)};
}

/* Elements with a title (buttons, boxes) take it; other controls a string value. */
bool HasTitle(NSView* pView)
{
    return ([pView isKindOfClass:[NSButton class]] && ![pView isKindOfClass:[NSPopUpButton class]]) ||
           [pView isKindOfClass:[NSBox class]];
}

/* Lets go of a controller and of what its window's views keep for it. */
void Discard(_FCWindowController_redaredavizodir* pController)
{
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

/* ---- Elements made in code ---- */

/* Single-line elements: the small control size and font, sized to fit,
   then given the control's default width (widened by the insets). */
NSView* Small(NSControl* pControl, float width)
{
    [[pControl cell] setControlSize:NSSmallControlSize];
    [pControl setFont:[NSFont systemFontOfSize:[NSFont smallSystemFontSize]]];
    [pControl sizeToFit];
    NSEdgeInsets insets = CocoaElements::Insets(pControl);
    NSRect frame = [pControl frame];
    frame.size.width = width + insets.left + insets.right;
    [pControl setFrame:frame];
    return pControl;
}

/* A table or outline inside a bordered scroll view with a vertical scroller,
   placed at (10, 10). */
NSView* NewTable(const NewElement& element)
{
    const bool outline = element.kind == NewElement::Kind::Outline;
    Class tableClass = outline ? [NSOutlineView class] : [NSTableView class];
    NSScrollView* pScroll =
        [[[NSScrollView alloc] initWithFrame:NSMakeRect(10, 10, element.width, element.height)] autorelease];
    [pScroll setBorderType:NSBezelBorder];
    [pScroll setHasVerticalScroller:YES];
    NSSize inside = [pScroll contentSize];
    NSTableView* pTable =
        [[[tableClass alloc] initWithFrame:NSMakeRect(0, 0, inside.width, inside.height)] autorelease];
    [pTable setTag:element.tag];
    CocoaElements::EnsureDrawable(pTable);
    if (element.kind != NewElement::Kind::Table) {
        [pTable setHeaderView:nil];
        [pTable setCornerView:nil];
    }
    if (element.kind == NewElement::Kind::ListBox)
        [pTable setAllowsEmptySelection:NO];
    [pScroll setDocumentView:pTable];
    return pScroll;
}

NSView* NewButton(const NewElement& element)
{
    NSButton* pButton = [[[NSButton alloc] initWithFrame:NSMakeRect(0, 0, element.width, 20)] autorelease];
    if (element.kind == NewElement::Kind::CheckBox) {
        [pButton setButtonType:NSSwitchButton];
        [pButton setAllowsMixedState:element.allowsMixed ? YES : NO];
    }
    else
        [pButton setBezelStyle:NSRoundedBezelStyle];
    [pButton setTitle:@""];
    return Small(pButton, element.width);
}

NSView* NewTextField(const NewElement& element)
{
    NSTextField* pField = [[[NSTextField alloc] initWithFrame:NSMakeRect(0, 0, element.width, 5)] autorelease];
    if (element.kind == NewElement::Kind::StaticText) {
        [pField setBezeled:NO];
        [pField setDrawsBackground:NO];
        [pField setEditable:NO];
        [pField setSelectable:NO];
    }
    return Small(pField, element.width);
}

/* A separator box, found by its identifier. */
NSView* NewSeparator(const NewElement& element)
{
    NSRect frame = element.vertical ? NSMakeRect(0, 0, 1, element.height) : NSMakeRect(0, 0, element.width, 1);
    NSBox* pBox = [[[NSBox alloc] initWithFrame:frame] autorelease];
    [pBox setBoxType:NSBoxSeparator];
    CocoaElements::SetBoxIdentifier(pBox, [NSString stringWithFormat:@"%d", element.tag]);
    return pBox;
}

NSView* NewView(const NewElement& element)
{
    const NSRect line = NSMakeRect(0, 0, element.width, 20);
    switch (element.kind) {
    case NewElement::Kind::Stepper: return [[[NSStepper alloc] initWithFrame:line] autorelease];
    case NewElement::Kind::Table:
    case NewElement::Kind::ListBox:
    case NewElement::Kind::Outline: return NewTable(element);
    case NewElement::Kind::PushButton:
    case NewElement::Kind::CheckBox: return NewButton(element);
    case NewElement::Kind::TextField:
    case NewElement::Kind::StaticText: return NewTextField(element);
    case NewElement::Kind::PopUp:
        return Small([[[NSPopUpButton alloc] initWithFrame:NSMakeRect(0, 0, element.width, 22)
                                                 pullsDown:NO] autorelease],
                     element.width);
    case NewElement::Kind::Separator: return NewSeparator(element);
    case NewElement::Kind::Slider: return [[[NSSlider alloc] initWithFrame:line] autorelease];
    case NewElement::Kind::Segmented: break;
    }
    NSSegmentedControl* pSegments =
        [[[NSSegmentedControl alloc] initWithFrame:NSMakeRect(0, 0, element.width, 24)] autorelease];
    [pSegments setSegmentCount:1]; /* one unlabelled segment */
    return pSegments;
}

} // namespace

namespace WindowBackend
{
void* EnterScope() { return [[NSAutoreleasePool alloc] init]; }
void LeaveScope(void* scope) { [QZ_AS(NSAutoreleasePool, scope) release]; }
bool Start() { return CocoaRuntime::StartApplication(); }
void* NewTimerList() { return [[NSMutableArray alloc] init]; }
void DeleteTimerList(void* list) { [QZ_AS(NSMutableArray, list) release]; }

/* Asking for the window reads the layout; windowDidLoad wires it. */
void* Load(_FCWindowController_cocoa* pBridge)
{
    NSString* path = CocoaRuntime::LayoutPath(pBridge->_GetLayoutID());
    if (!path)
        return nullptr;
    _FCWindowController_redaredavizodir* pController =
        [[_FCWindowController_redaredavizodir alloc] initWithLayoutPath:path owner:pBridge];
    if (![pController window]) {
        Discard(pController);
        return nullptr;
    }
    return pController;
}

void Release(_FCWindowController_cocoa* pBridge, void* controller)
{
    Discard(QZ_AS(_FCWindowController_redaredavizodir, controller));
}

bool IsVisible(const _FCWindowController_cocoa* pBridge) { return [WindowOf(pBridge) isVisible] ? true : false; }

void OrderFront(_FCWindowController_cocoa* pBridge, bool key)
{
    if (key)
        [WindowOf(pBridge) makeKeyAndOrderFront:nil];
    else
        [WindowOf(pBridge) orderFront:nil];
}

void OrderOut(_FCWindowController_cocoa* pBridge)
{
    [WindowOf(pBridge) orderOut:nil];
    /* GNUstep keeps an ordered-out window main and key. */
    ElementBackend::Deactivate(pBridge);
}

void Activate(_FCWindowController_cocoa* pBridge)
{
    NSWindow* pWindow = WindowOf(pBridge);
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

/* The window posts its will-close notification as it closes. */
void Close(_FCWindowController_cocoa* pBridge)
{
    NSWindow* pWindow = WindowOf(pBridge);
    [[pWindow retain] autorelease];
    [pWindow close];
}

void Repaint(const _FCWindowController_cocoa* pBridge) { [[WindowOf(pBridge) contentView] setNeedsDisplay:YES]; }

void Center(_FCWindowController_cocoa* pBridge) { [WindowOf(pBridge) center]; }

/* The window is kept until the modal run's scope ends. */
void* BeginModal(_FCWindowController_cocoa* pBridge)
{
    NSWindow* pWindow = [[WindowOf(pBridge) retain] autorelease];
    return [NSApp beginModalSessionForWindow:pWindow];
}

bool ModalStep(void* session)
{
    return [NSApp runModalSession:static_cast<NSModalSession>(session)] == NSRunContinuesResponse;
}

void EndModal(void* session) { [NSApp endModalSession:static_cast<NSModalSession>(session)]; }

bool WaitForUser()
{
    [NSApp nextEventMatchingMask:NSAnyEventMask
                       untilDate:[NSDate distantFuture]
                          inMode:NSModalPanelRunLoopMode
                         dequeue:NO];
    return true;
}

void GetTitle(const _FCWindowController_cocoa* pBridge, FCString* pTitle)
{
    _cocoalink_SetNSString(pTitle, [WindowOf(pBridge) title]);
}

void SetTitle(_FCWindowController_cocoa* pBridge, FCString* pTitle)
{
    [WindowOf(pBridge) setTitle:CocoaElements::TextOf(pTitle)];
}

Box Frame(const _FCWindowController_cocoa* pBridge) { return BoxOf(CocoaElements::FrameOf(WindowOf(pBridge))); }

/* The bridge reports the change of size: the window's own resize report is
   not listened to meanwhile. */
void SetFrame(_FCWindowController_cocoa* pBridge, const Box& frame)
{
    NSWindow* pWindow = WindowOf(pBridge);
    _FCWindowController_redaredavizodir* pController = ControllerOf(pBridge);
    NSNotificationCenter* pCenter = [NSNotificationCenter defaultCenter];
    [pCenter removeObserver:pController name:NSWindowDidResizeNotification object:pWindow];
    CocoaElements::SetFrameOf(pWindow, NSMakeRect(frame.x, frame.y, frame.width, frame.height));
    [pCenter addObserver:pController
                selector:@selector(windowResized:)
                    name:NSWindowDidResizeNotification
                  object:pWindow];
}

Box ContentFrame(const _FCWindowController_cocoa* pBridge) { return BoxOf([[WindowOf(pBridge) contentView] frame]); }

float ScreenHeight()
{
    NSArray* pScreens = [NSScreen screens];
    return [pScreens count] ? std::floor(static_cast<float>([[pScreens objectAtIndex:0] frame].size.height)) : 0;
}

float TitleBarHeight() { return CocoaElements::TitleBarHeight(); }

Box MaximumSize(const _FCWindowController_cocoa* pBridge)
{
    NSSize size = [WindowOf(pBridge) maxSize];
    return BoxOf(NSMakeRect(0, 0, size.width, size.height));
}

void SetMaximumSize(_FCWindowController_cocoa* pBridge, const Box& size)
{
    [WindowOf(pBridge) setMaxSize:NSMakeSize(size.width, size.height)];
}

void SetAlpha(_FCWindowController_cocoa* pBridge, float alpha) { [WindowOf(pBridge) setAlphaValue:alpha]; }

void Focus(_FCWindowController_cocoa* pBridge, Element element, bool inFrame)
{
    NSView* pView = ViewOf(element);
    [WindowOf(pBridge) makeFirstResponder:inFrame ? CocoaElements::FrameView(pView) : pView];
}

void GetText(Element element, FCString* pText)
{
    NSView* pView = ViewOf(element);
    if (HasTitle(pView))
        _cocoalink_SetNSString(pText, [QZ_AS(NSButton, pView) title]);
    else if ([pView isKindOfClass:[NSControl class]])
        _cocoalink_SetNSString(pText, [QZ_AS(NSControl, pView) stringValue]);
}

void SetText(Element element, FCString* pText)
{
    NSView* pView = ViewOf(element);
    if (HasTitle(pView))
        [QZ_AS(NSButton, pView) setTitle:CocoaElements::TextOf(pText)];
    else if ([pView isKindOfClass:[NSControl class]])
        [QZ_AS(NSControl, pView) setStringValue:CocoaElements::TextOf(pText)];
}

Box TextSize(Element element)
{
    NSTextField* pField = QZ_AS(NSTextField, element);
    NSDictionary* attributes = [NSDictionary dictionaryWithObject:[pField font] forKey:NSFontAttributeName];
    NSSize size = [[pField stringValue] sizeWithAttributes:attributes];
    return BoxOf(NSMakeRect(0, 0, size.width, size.height));
}

bool VisibleSize(Element field, Box* pSize)
{
    NSScrollView* pScroll = [ViewOf(field) enclosingScrollView];
    if (!pScroll)
        return false;
    NSSize visible = [pScroll contentSize];
    *pSize = BoxOf(NSMakeRect(0, 0, visible.width, visible.height));
    return true;
}

void SetScrolledSize(Element field, const Box& size)
{
    NSView* pField = ViewOf(field);
    NSScrollView* pScroll = [pField enclosingScrollView];
    NSRect frame = NSMakeRect(0, 0, size.width, size.height);
    frame.origin.y = [[pScroll contentView] isFlipped] ? 0 : [pScroll contentSize].height - size.height;
    [pField setFrame:frame];
    NSView* pDocument = [pScroll documentView];
    if (pDocument && pDocument != pField)
        [pDocument setFrameSize:frame.size];
}

void ScrollToBottom(Element field)
{
    NSView* pField = ViewOf(field);
    NSRect bounds = [pField bounds];
    [pField scrollRectToVisible:NSMakeRect(0, [pField isFlipped] ? NSMaxY(bounds) - 1 : 0, 1, 1)];
}

void SetKeyEquivalent(Element button, const char* key)
{
    [QZ_AS(NSButton, button) setKeyEquivalent:[NSString stringWithUTF8String:key]];
}

void Create(_FCWindowController_cocoa* pBridge, const NewElement& element)
{
    NSView* pView = NewView(element);
    if ([pView isKindOfClass:[NSControl class]])
        [QZ_AS(NSControl, pView) setTag:element.tag];
    [[WindowOf(pBridge) contentView] addSubview:pView];
    [ControllerOf(pBridge) setupFCControlTargetOf:pView];
}
} // namespace WindowBackend
