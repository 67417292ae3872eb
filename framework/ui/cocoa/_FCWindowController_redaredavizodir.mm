#import "ui/cocoa/_FCWindowController_redaredavizodir.h"

#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/NSObject+UserInfo.h"
#import "ui/cocoa/_NSWindowDelegate_redaredavizodir.h"

#include "ui/FCCtrlDataList.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"

namespace
{
/* Set while a window's unasked-for activation is undone. */
bool gUndoingActivation = false;

int TagOf(id sender) { return [sender respondsToSelector:@selector(tag)] ? static_cast<int>([sender tag]) : 0; }

void Observe(id observer, SEL selector, NSString* name, id object)
{
    [[NSNotificationCenter defaultCenter] addObserver:observer selector:selector name:name object:object];
}

void SetupButton(_FCWindowController_redaredavizodir* controller, NSButton* button, bool modal)
{
    switch ([button tag]) {
    case 0: return;
    case 1:
        [button setTarget:controller];
        [button setAction:@selector(okButtonPressed:)];
        [[controller window] setDefaultButtonCell:[button cell]];
        return;
    case 2:
        [button setTarget:controller];
        [button setAction:@selector(cancelButtonPressed:)];
        if (modal)
            [button setKeyEquivalent:@"\x1b"];
        return;
    default:
        [button setTarget:controller];
        [button setAction:@selector(buttonPressed:)];
        return;
    }
}

/* GNUstep reads some layout fonts (the "system" kind) as size 0 or not at
   all, and then fails while drawing; such cells get the standard system
   font. */
bool NeedsFont(NSFont* font) { return !font || [font pointSize] < 1; }

void RepairCellFont(id cell)
{
    if ([cell respondsToSelector:@selector(font)] && NeedsFont([cell font]))
        [cell setFont:[NSFont systemFontOfSize:0]];
}

void RepairFont(NSControl* control)
{
    if ([control cell])
        RepairCellFont([control cell]);
    if (NeedsFont([control font]))
        [control setFont:[NSFont systemFontOfSize:0]];
    if ([control isKindOfClass:[NSTableView class]]) {
        NSArray* columns = [(NSTableView*)control tableColumns];
        for (NSUInteger i = 0; i < [columns count]; ++i) {
            RepairCellFont([[columns objectAtIndex:i] dataCell]);
            RepairCellFont([[columns objectAtIndex:i] headerCell]);
        }
    }
}

/* Layout boxes carry their identifier as an attribute that not every AppKit
   reads (GNUstep does not); it is taken from the layout file, matching the
   boxes of the file and of the window in document order. */
void AssignBoxIdentifiers(NSString* layoutPath, NSView* content)
{
    NSMutableArray* views = [NSMutableArray array];
    CocoaElements::Collect(content, views);
    NSMutableArray* boxes = [NSMutableArray array];
    for (NSUInteger i = 0; i < [views count]; ++i)
        if ([[views objectAtIndex:i] isKindOfClass:[NSBox class]])
            [boxes addObject:[views objectAtIndex:i]];
    if ([boxes count] == 0 || !layoutPath)
        return;
    NSData* data = [NSData dataWithContentsOfFile:layoutPath];
    NSXMLDocument* document = data ? [[[NSXMLDocument alloc] initWithData:data options:0 error:NULL] autorelease] : nil;
    NSArray* nodes = [document nodesForXPath:@"//box" error:NULL];
    if ([nodes count] != [boxes count])
        return;
    for (NSUInteger i = 0; i < [nodes count]; ++i) {
        NSBox* box = [boxes objectAtIndex:i];
        NSString* identifier = [[[nodes objectAtIndex:i] attributeForName:@"identifier"] stringValue];
        if (identifier && !CocoaElements::BoxIdentifier(box))
            CocoaElements::SetBoxIdentifier(box, identifier);
    }
}

void SetupTable(_FCWindowController_redaredavizodir* controller, NSTableView* table)
{
    CocoaElements::EnsureDrawable(table);
    [table setAllowsColumnSelection:NO];
    [table setAllowsMultipleSelection:NO];
    if ([table isKindOfClass:[NSOutlineView class]]) {
        Observe(controller, @selector(outlineViewSelectionChange:), NSOutlineViewSelectionDidChangeNotification, table);
        return;
    }
    Observe(controller, @selector(tableViewSelectionChange:), NSTableViewSelectionDidChangeNotification, table);
    [table setTarget:controller];
    [table setDoubleAction:@selector(tableViewDoubleClick:)];
}
} // namespace

@implementation _FCWindowController_redaredavizodir

- (id)initWithLayoutPath:(NSString*)path owner:(_FCWindowController_cocoa*)pOwner
{
    _pOwner = pOwner;
    return [super initWithWindowNibPath:path owner:self];
}

- (void)detachOwner
{
    _pOwner = nullptr;
    _NSWindowDelegate_redaredavizodir* delegate = [[self existingObjectUserInfo] objectForKey:@"Delegate"];
    [delegate detachOwner];
}

- (void)dealloc
{
    [[NSNotificationCenter defaultCenter] removeObserver:self];
    [self removeObjectUserInfo];
    [super dealloc];
}

- (void)windowDidLoad
{
    [super windowDidLoad];
    [self setupFCWindowTargets];
}

- (NSView*)findControlByTag:(int)tag
{
    return CocoaElements::FindByTag([[self window] contentView], tag);
}

- (void)setupFCWindowTargets
{
    NSWindow* window = [self window];
    [window setMinSize:[window frame].size];
    [window setLevel:NSFloatingWindowLevel];
    Observe(self, @selector(windowActivated:), NSWindowDidBecomeMainNotification, window);
    Observe(self, @selector(windowDeactivated:), NSWindowDidResignMainNotification, window);
    Observe(self, @selector(windowResized:), NSWindowDidResizeNotification, window);
    Observe(self, @selector(windowClosing:), NSWindowWillCloseNotification, window);
    _NSWindowDelegate_redaredavizodir* delegate = [[_NSWindowDelegate_redaredavizodir alloc] initWithOwner:_pOwner];
    [[self objectUserInfo] setObject:delegate forKey:@"Delegate"];
    [window setDelegate:(id)delegate];
    [delegate release];
    AssignBoxIdentifiers([self windowNibPath], [window contentView]);
    [self setupFCControlTargetOf:[window contentView]];
}

- (void)setupFCControlTargetOf:(NSView*)view
{
    if ([view isKindOfClass:[NSControl class]])
        RepairFont((NSControl*)view);
    if ([view isKindOfClass:[NSSegmentedControl class]]) {
        [(NSControl*)view setTarget:self];
        [(NSControl*)view setAction:@selector(segmentedControlPressed:)];
    }
    else if ([view isKindOfClass:[NSPopUpButton class]])
        ; /* popups report through their framework control's own polling */
    else if ([view isKindOfClass:[NSButton class]])
        SetupButton(self, (NSButton*)view, _pOwner && _pOwner->_IsModalRequested());
    else if ([view isKindOfClass:[NSTextField class]] && [(NSTextField*)view tag] != 0)
        Observe(self, @selector(editTextChange:), NSControlTextDidChangeNotification, view);
    else if ([view isKindOfClass:[NSStepper class]] && [(NSStepper*)view tag] != 0) {
        [(NSControl*)view setTarget:self];
        [(NSControl*)view setAction:@selector(stepperChange:)];
    }
    else if ([view isKindOfClass:[NSTableView class]])
        SetupTable(self, (NSTableView*)view);

    NSArray* subviews = [view subviews];
    for (NSUInteger i = 0; i < [subviews count]; ++i)
        [self setupFCControlTargetOf:[subviews objectAtIndex:i]];
}

/* ---- Actions ---- */

- (void)okButtonPressed:(id)sender
{
    (void)sender;
    if (_pOwner)
        _pOwner->Notify_OkButtonPressed();
}

- (void)cancelButtonPressed:(id)sender
{
    (void)sender;
    if (_pOwner)
        _pOwner->Notify_CancelButtonPressed();
}

- (void)buttonPressed:(id)sender
{
    if ([sender isKindOfClass:[NSButton class]])
        CocoaElements::SwitchOffRadioSiblings(QZ_AS(NSButton, sender));
    if (_pOwner)
        _pOwner->Notify_ButtonPressed(TagOf(sender));
}

- (void)segmentedControlPressed:(id)sender
{
    if (!_pOwner)
        return;
    [self retain]; /* the switcher handler may close the window */
    int tag = TagOf(sender);
    _pOwner->Notify_HandleSwitcherSelect(tag, static_cast<int>([(NSSegmentedControl*)sender selectedSegment]));
    if (_pOwner)
        _pOwner->Notify_HandleCommand(tag);
    [self autorelease];
}

- (void)stepperChange:(id)sender
{
#ifdef QZ_HAS_OTHER_CONTROLS
    if (_pOwner)
        _pOwner->Notify_StepperPressed(sender, TagOf(sender));
#else
    if (_pOwner)
        _pOwner->Notify_HandleCommand(TagOf(sender));
#endif
}

- (void)tableViewDoubleClick:(id)sender
{
    if (_pOwner)
        _pOwner->Notify_DataListHandleDoubleClick(TagOf(sender), static_cast<int>([sender selectedRow]));
}

- (void)tableViewSelectionChange:(NSNotification*)notification
{
    NSTableView* table = [notification object];
    if (_pOwner)
        _pOwner->Notify_DataListHandleCommand(TagOf(table), static_cast<int>([table selectedRow]));
}

- (void)outlineViewSelectionChange:(NSNotification*)notification
{
    if (_pOwner)
        _pOwner->Notify_HandleCommand(TagOf([notification object]));
}

- (void)editTextChange:(NSNotification*)notification
{
    if (_pOwner)
        _pOwner->Notify_HandleCommand(TagOf([notification object]));
}

- (void)windowActivated:(NSNotification*)notification
{
    (void)notification;
    if (!_pOwner)
        return;
    /* Under a driver, a window the bridge did not activate (the window
       server's late focus report of an earlier activation) stops being the
       active one again, unreported. */
    if (BridgeRuntime::DriverAttached() && !CocoaRuntime::Activating()) {
        gUndoingActivation = true;
        [[self window] resignMainWindow];
        gUndoingActivation = false;
        return;
    }
    _pOwner->Notify_WindowActivated(true);
}

- (void)windowDeactivated:(NSNotification*)notification
{
    (void)notification;
    if (_pOwner && !gUndoingActivation)
        _pOwner->Notify_WindowActivated(false);
}

- (void)windowResized:(NSNotification*)notification
{
    (void)notification;
    NSSize size = CocoaElements::FrameOf([self window]).size;
    if (_pOwner)
        _pOwner->Notify_WindowResized(static_cast<float>(size.width), static_cast<float>(size.height), 0, 0);
}

- (void)windowClosing:(NSNotification*)notification
{
    (void)notification;
    if (_pOwner)
        _pOwner->Notify_WindowClose();
}

- (void)timerEvent:(NSTimer*)timer
{
    if (_pOwner)
        _pOwner->Notify_Timer([QZ_AS(NSNumber, [timer userInfo]) intValue]);
}

/* ---- Table data source ---- */

- (NSInteger)numberOfRowsInTableView:(NSTableView*)tableView
{
    FCCtrlDataList* pList = CocoaElements::DataListOf(tableView);
    return pList ? pList->GetCount() : 0;
}

- (id)tableView:(NSTableView*)tableView objectValueForTableColumn:(NSTableColumn*)column row:(NSInteger)row
{
    return CocoaElements::CellValue(CocoaElements::DataListOf(tableView), [column identifier], static_cast<int>(row));
}

- (void)tableView:(NSTableView*)tableView
    setObjectValue:(id)value
    forTableColumn:(NSTableColumn*)column
               row:(NSInteger)row
{
    if (!_pOwner || ![[column identifier] isEqual:@"check"])
        return;
    _pOwner->_TableCheckEdited(TagOf(tableView), static_cast<int>(row), [value intValue] != 0);
}

@end
