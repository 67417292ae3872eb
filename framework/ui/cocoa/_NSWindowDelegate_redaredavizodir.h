#ifndef FRAMEWORK_UI_COCOA__NSWINDOWDELEGATE_REDAREDAVIZODIR_H
#define FRAMEWORK_UI_COCOA__NSWINDOWDELEGATE_REDAREDAVIZODIR_H

#import <AppKit/AppKit.h>

class _FCWindowController_cocoa;

/* A framework window's Cocoa delegate: asks the window whether the user may
 * close it. */
@interface _NSWindowDelegate_redaredavizodir : NSObject {
    _FCWindowController_cocoa* _pOwner;
}
- (id)initWithOwner:(_FCWindowController_cocoa*)pOwner;
/* Stops answering for a bridge that is going away. */
- (void)detachOwner;
- (BOOL)windowShouldClose:(id)sender;
@end

#endif
