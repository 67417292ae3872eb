#import "qzhost/window/BracketView.h"

#import "qzhost/window/ScoreGridView.h"

#include "hostsim/hostsim_api_types.h"

#include <algorithm>

namespace
{
const CGFloat kLevelWidth = 9;
const CGFloat kEdge = 3;
const CGFloat kHook = 5;

void StrokeLine(NSPoint from, NSPoint to, CGFloat width)
{
    NSBezierPath* path = [NSBezierPath bezierPath];
    [path setLineWidth:width];
    [path moveToPoint:from];
    [path lineToPoint:to];
    [path stroke];
}

/* A vertical line with hooks towards the names at both ends. */
void DrawHooked(CGFloat x, CGFloat top, CGFloat bottom, CGFloat width)
{
    StrokeLine(NSMakePoint(x, top), NSMakePoint(x, bottom), width);
    StrokeLine(NSMakePoint(x, top + 0.5), NSMakePoint(x + kHook, top + 0.5), 1);
    StrokeLine(NSMakePoint(x, bottom - 0.5), NSMakePoint(x + kHook, bottom - 0.5), 1);
}

/* Two curves that meet in a point at the middle, facing left. */
void DrawBrace(CGFloat x, CGFloat top, CGFloat bottom)
{
    const CGFloat middle = (top + bottom) / 2;
    const CGFloat right = x + kHook;
    NSBezierPath* path = [NSBezierPath bezierPath];
    [path setLineWidth:1.5];
    [path moveToPoint:NSMakePoint(right, top)];
    [path curveToPoint:NSMakePoint(x - 1, middle)
         controlPoint1:NSMakePoint(x, top)
         controlPoint2:NSMakePoint(right, middle)];
    [path curveToPoint:NSMakePoint(right, bottom)
         controlPoint1:NSMakePoint(right, middle)
         controlPoint2:NSMakePoint(x, bottom)];
    [path stroke];
}
} // namespace

@implementation QZHostBracketView

+ (CGFloat)widthForBrackets:(const std::vector<ScoreBracket>&)brackets
{
    int levels = 0;
    for (const ScoreBracket& bracket : brackets)
        levels = std::max(levels, bracket.level + 1);
    return levels == 0 ? 0 : kEdge + levels * kLevelWidth;
}

- (id)initWithFrame:(NSRect)frame
{
    self = [super initWithFrame:frame];
    if (self)
        _pBrackets = new std::vector<ScoreBracket>();
    return self;
}

- (void)dealloc
{
    delete _pBrackets;
    [super dealloc];
}

- (BOOL)isFlipped
{
    return YES;
}

- (void)showBrackets:(const std::vector<ScoreBracket>&)brackets
{
    *_pBrackets = brackets;
    [self setNeedsDisplay:YES];
}

- (void)drawRect:(NSRect)dirty
{
    (void)dirty;
    const CGFloat rowHeight = [QZHostScoreGridView rowHeight];
    const CGFloat header = [QZHostScoreGridView headerHeight];
    [[NSColor blackColor] set];
    for (const ScoreBracket& bracket : *_pBrackets) {
        const CGFloat x = kEdge + bracket.level * kLevelWidth;
        const CGFloat top = header + rowHeight * bracket.firstRow + 3;
        const CGFloat bottom = header + rowHeight * (bracket.lastRow + 1) - 3;
        switch (bracket.style) {
        case HOSTSIM_BRACKET_BRACE: DrawBrace(x, top, bottom); break;
        case HOSTSIM_BRACKET_BRACKET: DrawHooked(x + 1, top, bottom, 3); break;
        case HOSTSIM_BRACKET_SQUARE: DrawHooked(x, top, bottom, 1); break;
        default: StrokeLine(NSMakePoint(x, top), NSMakePoint(x, bottom), 1); break;
        }
    }
}

@end
