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

void Target(NSControl* control, id target, SEL action)
{
    [control setTarget:target];
    [control setAction:action];
}

/* Tag 1 is the default button (Return), tag 2 cancels (the bridge gives it
   Escape when modal), any other non-zero tag reports its press. */
void SetupButton(_FCWindowController_redaredavizodir* controller, NSButton* button)
{
    const NSInteger tag = [button tag];
    if (tag == 0)
        return;
    Target(button, controller, @selector(buttonPressed:));
    if (tag == 1) {
        [button setAction:@selector(okButtonPressed:)];
        [[controller window] setDefaultButtonCell:[button cell]];
    }
    else if (tag == 2) {
        [button setAction:@selector(cancelButtonPressed:)];
    }
}

/* GNUstep reads a layout font without a size as size 0 (or none) and then
   fails while drawing (README.md); such a cell gets the system font. */
void RepairFont(id cell)
{
    if ([cell respondsToSelector:@selector(font)] && (![cell font] || [[cell font] pointSize] < 1))
        [cell setFont:[NSFont systemFontOfSize:0]];
}

void RepairFonts(NSControl* control)
{
    RepairFont([control cell]);
    RepairFont(control);
    if ([control isKindOfClass:[NSTableView class]]) {
        NSArray* columns = [(NSTableView*)control tableColumns];
        for (NSUInteger i = 0; i < [columns count]; ++i) {
            RepairFont([[columns objectAtIndex:i] dataCell]);
            RepairFont([[columns objectAtIndex:i] headerCell]);
        }
    }
}

/* GNUstep does not read a box's identifier from the layout; it is taken from
   the layout file, matching its boxes and the window's in document order. */
void AssignBoxIdentifiers(NSString* layoutPath, NSView* content)
{
    NSMutableArray* views = [NSMutableArray array];
    CocoaElements::Collect(content, views);
    NSMutableArray* boxes = [NSMutableArray array];
    for (NSUInteger i = 0; i < [views count]; ++i)
        if ([[views objectAtIndex:i] isKindOfClass:[NSBox class]])
            [boxes addObject:[views objectAtIndex:i]];
    NSData* data = [boxes count] && layoutPath ? [NSData dataWithContentsOfFile:layoutPath] : nil;
    NSXMLDocument* document = data ? [[[NSXMLDocument alloc] initWithData:data options:0 error:NULL] autorelease] : nil;
    NSArray* nodes = [document nodesForXPath:@"//box" error:NULL];
    if ([nodes count] != [boxes count])
        return;
    for (NSUInteger i = 0; i < [nodes count]; ++i) {
        NSString* identifier = [[[nodes objectAtIndex:i] attributeForName:@"identifier"] stringValue];
        if (identifier && !CocoaElements::BoxIdentifier([boxes objectAtIndex:i]))
            CocoaElements::SetBoxIdentifier([boxes objectAtIndex:i], identifier);
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
    [[[self existingObjectUserInfo] objectForKey:@"Delegate"] detachOwner];
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
        RepairFonts((NSControl*)view);
    if ([view isKindOfClass:[NSSegmentedControl class]])
        Target((NSControl*)view, self, @selector(segmentedControlPressed:));
    else if ([view isKindOfClass:[NSPopUpButton class]])
        ; /* popups report through their framework control's own polling */
    else if ([view isKindOfClass:[NSButton class]])
        SetupButton(self, (NSButton*)view);
    else if ([view isKindOfClass:[NSTextField class]] && TagOf(view) != 0)
        Observe(self, @selector(editTextChange:), NSControlTextDidChangeNotification, view);
    else if ([view isKindOfClass:[NSStepper class]] && TagOf(view) != 0)
        Target((NSControl*)view, self, @selector(stepperChange:));
    else if ([view isKindOfClass:[NSTableView class]])
        SetupTable(self, (NSTableView*)view);
    NSArray* subviews = [view subviews];
    for (NSUInteger i = 0; i < [subviews count]; ++i)
        [self setupFCControlTargetOf:[subviews objectAtIndex:i]];
}

/* ---- Actions ---- */

- (void)okButtonPressed:(id)sender
{
    if (_pOwner)
        BridgeRuntime::ReportPress(_pOwner, 1);
}

- (void)cancelButtonPressed:(id)sender
{
    if (_pOwner)
        BridgeRuntime::ReportPress(_pOwner, 2);
}

- (void)buttonPressed:(id)sender
{
    if ([sender isKindOfClass:[NSButton class]])
        CocoaElements::SwitchOffRadioSiblings(QZ_AS(NSButton, sender));
    if (_pOwner)
        BridgeRuntime::ReportPress(_pOwner, TagOf(sender));
}

- (void)segmentedControlPressed:(id)sender
{
    if (_pOwner)
        BridgeRuntime::ReportSwitch(_pOwner, TagOf(sender), static_cast<int>([sender selectedSegment]));
}

- (void)stepperChange:(id)sender
{
    if (_pOwner)
        _pOwner->Notify_StepperPressed(sender, TagOf(sender));
}

- (void)tableViewDoubleClick:(id)sender
{
    if (_pOwner)
        _pOwner->Notify_DataListHandleDoubleClick(TagOf(sender), static_cast<int>([sender selectedRow]));
}

- (void)tableViewSelectionChange:(NSNotification*)notification
{
    if (_pOwner)
        _pOwner->Notify_DataListHandleCommand(TagOf([notification object]),
                                              static_cast<int>([[notification object] selectedRow]));
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
    if (_pOwner && !gUndoingActivation)
        _pOwner->Notify_WindowActivated(false);
}

- (void)windowResized:(NSNotification*)notification
{
    NSSize size = CocoaElements::FrameOf([self window]).size;
    if (_pOwner)
        _pOwner->Notify_WindowResized(static_cast<float>(size.width), static_cast<float>(size.height), 0, 0);
}

- (void)windowClosing:(NSNotification*)notification
{
    if (_pOwner)
        _pOwner->Notify_WindowClose();
}

/* Under a driver its clock fires the timers, the run loop never: GNUstep's
   performClick: and alert panels run the default mode for a moment, which
   would fire a timer in the middle of a press. */
- (void)timerEvent:(NSTimer*)timer
{
    if (_pOwner && !BridgeRuntime::DriverAttached())
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
    if (_pOwner && [[column identifier] isEqual:@"check"])
        _pOwner->_TableCheckEdited(TagOf(tableView), static_cast<int>(row), [value intValue] != 0);
}

@end
