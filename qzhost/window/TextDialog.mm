#import "qzhost/window/TextDialog.h"

namespace
{
/* The panel's width and height, its margin and a button's size. */
const NSRect kPanel = {{0, 0}, {380, 120}};
const CGFloat kMargin = 20;
const NSSize kButton = {90, 28};
} // namespace

@implementation QZHostTextDialog

- (NSButton*)addButton:(NSString*)title at:(CGFloat)left action:(SEL)action key:(NSString*)key
{
    NSButton* button =
        [[[NSButton alloc] initWithFrame:NSMakeRect(left, 12, kButton.width, kButton.height)] autorelease];
    [button setTitle:title];
    [button setBezelStyle:NSRoundedBezelStyle];
    [button setTarget:self];
    [button setAction:action];
    [button setKeyEquivalent:key];
    [[_panel contentView] addSubview:button];
    return button;
}

- (id)initWithTitle:(NSString*)title prompt:(NSString*)prompt
{
    self = [super init];
    if (!self)
        return nil;
    _panel = [[NSPanel alloc] initWithContentRect:kPanel
                                        styleMask:NSTitledWindowMask
                                          backing:NSBackingStoreBuffered
                                            defer:NO];
    [_panel setTitle:title];
    NSTextField* label =
        [[[NSTextField alloc] initWithFrame:NSMakeRect(kMargin, 82, NSWidth(kPanel) - 2 * kMargin, 20)] autorelease];
    [label setStringValue:prompt];
    [label setEditable:NO];
    [label setSelectable:NO];
    [label setBezeled:NO];
    [label setDrawsBackground:NO];
    [[_panel contentView] addSubview:label];
    _field =
        [[[NSTextField alloc] initWithFrame:NSMakeRect(kMargin, 52, NSWidth(kPanel) - 2 * kMargin, 24)] autorelease];
    [[_panel contentView] addSubview:_field];
    [self addButton:@"OK" at:NSWidth(kPanel) - kMargin - kButton.width action:@selector(ok:) key:@"\r"];
    [self addButton:@"Cancel"
                 at:NSWidth(kPanel) - kMargin - 2 * kButton.width - 10
             action:@selector(cancel:)
                key:@"\033"];
    [_panel setInitialFirstResponder:_field];
    return self;
}

- (void)dealloc
{
    [_panel release];
    [super dealloc];
}

- (void)ok:(id)sender
{
    (void)sender;
    [NSApp stopModalWithCode:NSOKButton];
}

- (void)cancel:(id)sender
{
    (void)sender;
    [NSApp stopModalWithCode:NSCancelButton];
}

- (NSString*)run
{
    [_panel center];
    const NSInteger code = [NSApp runModalForWindow:_panel];
    [_panel orderOut:nil];
    return code == NSOKButton ? [[[_field stringValue] copy] autorelease] : nil;
}

+ (NSString*)askWithTitle:(NSString*)title prompt:(NSString*)prompt
{
    QZHostTextDialog* dialog = [[[QZHostTextDialog alloc] initWithTitle:title prompt:prompt] autorelease];
    return [dialog run];
}

@end
