#import "ui/cocoa/_NSWindowDelegate_redaredavizodir.h"

#include "ui/_FCWindowController_cocoa.h"

@implementation _NSWindowDelegate_redaredavizodir

- (id)initWithOwner:(_FCWindowController_cocoa*)pOwner
{
    if ((self = [super init]))
        _pOwner = pOwner;
    return self;
}

- (void)detachOwner
{
    _pOwner = nullptr;
}

- (BOOL)windowShouldClose:(id)sender
{
    return !_pOwner || _pOwner->Notify_WindowCanClose() ? YES : NO;
}

@end
