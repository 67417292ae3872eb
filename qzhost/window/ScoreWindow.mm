#import "qzhost/window/ScoreWindow.h"

#import "qzhost/window/BracketView.h"
#import "qzhost/window/ScoreGridView.h"

#include <algorithm>

namespace
{
const CGFloat kNamesWidth = 180;
const CGFloat kMargin = 10;
const CGFloat kMinRows = 4;
/* The label that says why there are no names. */
const NSInteger kNoteTag = 1;
} // namespace

@implementation QZHostScoreWindow

- (id)initWithDelegate:(id)delegate
{
    self = [super init];
    if (!self)
        return nil;
    _window =
        [[NSWindow alloc] initWithContentRect:NSMakeRect(80, 200, 600, 300)
                                    styleMask:NSTitledWindowMask | NSClosableWindowMask | NSMiniaturizableWindowMask
                                      backing:NSBackingStoreBuffered
                                        defer:NO];
    [_window setReleasedWhenClosed:NO];
    /* Below the menu bar, at the left of the screen. */
    const NSRect screen = [[NSScreen mainScreen] visibleFrame];
    [_window setFrameTopLeftPoint:NSMakePoint(NSMinX(screen) + 20, NSMaxY(screen) - 40)];
    [_window setDelegate:delegate];
    _names = [[NSView alloc] initWithFrame:NSMakeRect(0, 0, kNamesWidth, 100)];
    _grid = [[QZHostScoreGridView alloc] initWithFrame:NSMakeRect(kNamesWidth, 0, 400, 100)];
    [_grid setDelegate:delegate];
    [[_window contentView] addSubview:_names];
    [[_window contentView] addSubview:_grid];
    return self;
}

- (void)dealloc
{
    [_window setDelegate:nil];
    [_window close];
    [_names release];
    [_grid release];
    [_window release];
    [super dealloc];
}

- (NSWindow*)window
{
    return _window;
}

- (QZHostScoreGridView*)grid
{
    return _grid;
}

- (NSTextField*)labelWithText:(const std::string&)text frame:(NSRect)frame
{
    NSTextField* label = [[[NSTextField alloc] initWithFrame:frame] autorelease];
    [label setStringValue:[NSString stringWithUTF8String:text.c_str()]];
    [label setEditable:NO];
    [label setSelectable:NO];
    [label setBezeled:NO];
    [label setBordered:NO];
    [label setDrawsBackground:NO];
    return label;
}

/* The names column is rebuilt with the model: the groups' brackets at its
   left, then one label a staff, level with its grid row. Content
   coordinates grow upwards; the rows go down. */
- (void)layoutNames:(const ScoreModel&)model height:(CGFloat)height
{
    NSArray* old = [NSArray arrayWithArray:[_names subviews]];
    for (NSUInteger i = 0; i < [old count]; ++i)
        [[old objectAtIndex:i] removeFromSuperview];
    const CGFloat rowHeight = [QZHostScoreGridView rowHeight];
    const CGFloat top = height - [QZHostScoreGridView headerHeight];
    const CGFloat strip = [QZHostBracketView widthForBrackets:model.brackets];
    if (strip > 0) {
        QZHostBracketView* brackets =
            [[[QZHostBracketView alloc] initWithFrame:NSMakeRect(kMargin / 2, 0, strip, height)] autorelease];
        [brackets showBrackets:model.brackets];
        [_names addSubview:brackets];
    }
    for (size_t row = 0; row < model.rows.size(); ++row) {
        const NSRect frame = NSMakeRect(kMargin + strip, top - rowHeight * (row + 1) + 2,
                                        kNamesWidth - 2 * kMargin - strip, rowHeight - 4);
        [_names addSubview:[self labelWithText:model.rows[row].name frame:frame]];
    }
    if (model.rows.empty()) {
        NSTextField* note = [self labelWithText:model.documentOpen ? "(no staves)" : "(no document)"
                                          frame:NSMakeRect(kMargin, top - rowHeight + 2, kNamesWidth, rowHeight - 4)];
        [note setTag:kNoteTag];
        [_names addSubview:note];
    }
}

- (void)showModel:(const ScoreModel&)model
{
    const CGFloat rows = std::max<CGFloat>(kMinRows, model.rows.size());
    const CGFloat height = [QZHostScoreGridView headerHeight] + rows * [QZHostScoreGridView rowHeight] + kMargin;
    const CGFloat gridWidth = [QZHostScoreGridView widthForMeasures:model.measures];
    [_window setTitle:[NSString stringWithUTF8String:model.Title().c_str()]];
    /* The window keeps its top left corner as it grows or shrinks. */
    const NSRect before = [_window frame];
    [_window setContentSize:NSMakeSize(kNamesWidth + gridWidth + kMargin, height)];
    [_window setFrameTopLeftPoint:NSMakePoint(NSMinX(before), NSMaxY(before))];
    [_names setFrame:NSMakeRect(0, 0, kNamesWidth, height)];
    [_grid setFrame:NSMakeRect(kNamesWidth, 0, gridWidth, height)];
    [self layoutNames:model height:height];
    [_grid showModel:model];
    [[_window contentView] setNeedsDisplay:YES];
}

- (std::vector<std::string>)staffNames
{
    std::vector<std::string> names;
    NSArray* labels = [_names subviews];
    for (NSUInteger i = 0; i < [labels count]; ++i) {
        NSTextField* label = (NSTextField*)(id)[labels objectAtIndex:i];
        if ([label isKindOfClass:[NSTextField class]] && [label tag] != kNoteTag)
            names.push_back([[label stringValue] UTF8String]);
    }
    return names;
}

@end
