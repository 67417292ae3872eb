#ifndef FRAMEWORK_UI_COCOA__FCWINDOWCONTROLLER_REDAREDAVIZODIR_H
#define FRAMEWORK_UI_COCOA__FCWINDOWCONTROLLER_REDAREDAVIZODIR_H

#import <AppKit/AppKit.h>

class _FCWindowController_cocoa;

/* The Cocoa window controller of one framework window: loads the layout,
 * wires its elements, turns actions and notifications into the bridge's
 * Notify_ calls, fires its timers and is the data source of its tables. */
@interface _FCWindowController_redaredavizodir : NSWindowController {
    _FCWindowController_cocoa* _pOwner;
}
/* The layout file is read when the window is first asked for. */
- (id)initWithLayoutPath:(NSString*)path owner:(_FCWindowController_cocoa*)pOwner;
/* Stops every report to a bridge that is going away. */
- (void)detachOwner;
/* Depth-first from the content view: an NSBox whose identifier reads as the
   tag, or an NSControl with the tag. */
- (NSView*)findControlByTag:(int)tag;
- (void)setupFCWindowTargets;
- (void)setupFCControlTargetOf:(NSView*)view;

- (void)okButtonPressed:(id)sender;
- (void)cancelButtonPressed:(id)sender;
- (void)buttonPressed:(id)sender;
- (void)segmentedControlPressed:(id)sender;
- (void)stepperChange:(id)sender;
- (void)tableViewDoubleClick:(id)sender;
- (void)tableViewSelectionChange:(NSNotification*)notification;
- (void)outlineViewSelectionChange:(NSNotification*)notification;
- (void)editTextChange:(NSNotification*)notification;
- (void)windowActivated:(NSNotification*)notification;
- (void)windowDeactivated:(NSNotification*)notification;
- (void)windowResized:(NSNotification*)notification;
- (void)windowClosing:(NSNotification*)notification;
- (void)timerEvent:(NSTimer*)timer;
@end

#endif
