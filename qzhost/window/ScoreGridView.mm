#import "qzhost/window/ScoreGridView.h"

#include <algorithm>

namespace
{
const CGFloat kRowHeight = 22;
const CGFloat kHeaderHeight = 18;
const CGFloat kCellWidth = 26;
const CGFloat kMinCellWidth = 8;
const CGFloat kMaxGridWidth = 900;
} // namespace

@implementation QZHostScoreGridView

+ (CGFloat)rowHeight
{
    return kRowHeight;
}

+ (CGFloat)headerHeight
{
    return kHeaderHeight;
}

+ (CGFloat)widthForMeasures:(int)measures
{
    const CGFloat cell = std::max(kMinCellWidth, std::min(kCellWidth, kMaxGridWidth / std::max(1, measures)));
    return cell * std::max(1, measures);
}

- (id)initWithFrame:(NSRect)frame
{
    self = [super initWithFrame:frame];
    if (self) {
        _pModel = new ScoreModel();
        _overRow = -1;
    }
    return self;
}

- (void)dealloc
{
    delete _pModel;
    [super dealloc];
}

- (BOOL)isFlipped
{
    return YES;
}

- (BOOL)acceptsFirstMouse:(NSEvent*)event
{
    (void)event;
    return YES;
}

- (void)setDelegate:(id)delegate
{
    _delegate = delegate;
}

- (void)showModel:(const ScoreModel&)model
{
    *_pModel = model;
    [self setNeedsDisplay:YES];
}

- (CGFloat)cellWidth
{
    return [self bounds].size.width / std::max(1, _pModel->measures);
}

- (NSRect)rectOfRow:(int)row measure:(int)measure
{
    const CGFloat width = [self cellWidth];
    return NSMakeRect(width * (measure - 1), kHeaderHeight + kRowHeight * row, width, kRowHeight);
}

- (BOOL)cellAtPoint:(NSPoint)point row:(int*)pRow measure:(int*)pMeasure
{
    if (_pModel->measures <= 0 || point.x < 0 || point.y < kHeaderHeight)
        return NO;
    const int row = static_cast<int>((point.y - kHeaderHeight) / kRowHeight);
    const int measure = static_cast<int>(point.x / [self cellWidth]) + 1;
    if (row < 0 || row >= static_cast<int>(_pModel->rows.size()) || measure < 1 || measure > _pModel->measures)
        return NO;
    *pRow = row;
    *pMeasure = measure;
    return YES;
}

- (NSPoint)centreOfRow:(int)row measure:(int)measure
{
    const NSRect cell = [self rectOfRow:row measure:measure];
    return NSMakePoint(NSMidX(cell), NSMidY(cell));
}

- (int)rowCount
{
    return static_cast<int>(_pModel->rows.size());
}

- (int)measureCount
{
    return _pModel->measures;
}

- (BOOL)isCellSelectedAtRow:(int)row measure:(int)measure
{
    return row >= 0 && _pModel->Selected(static_cast<size_t>(row), measure);
}

/* While dragging, the cells between the start and the pointer. */
- (BOOL)isCellPendingAtRow:(int)row measure:(int)measure
{
    if (!_dragging || _overRow < 0)
        return NO;
    return row >= std::min(_dragRow, _overRow) && row <= std::max(_dragRow, _overRow) &&
           measure >= std::min(_dragMeasure, _overMeasure) && measure <= std::max(_dragMeasure, _overMeasure);
}

- (void)drawHeader
{
    NSDictionary* attributes = [NSDictionary dictionaryWithObject:[NSFont systemFontOfSize:9]
                                                           forKey:NSFontAttributeName];
    const CGFloat width = [self cellWidth];
    const int every = width >= 18 ? 1 : (width >= 9 ? 4 : 8);
    for (int measure = 1; measure <= _pModel->measures; ++measure) {
        if (measure != 1 && measure % every != 0)
            continue;
        NSString* number = [NSString stringWithFormat:@"%d", measure];
        [number drawAtPoint:NSMakePoint(width * (measure - 1) + 2, 2) withAttributes:attributes];
    }
}

- (void)drawRect:(NSRect)dirty
{
    (void)dirty;
    [[NSColor whiteColor] set];
    NSRectFill([self bounds]);
    [self drawHeader];
    NSColor* selected = [NSColor colorWithCalibratedRed:0.55 green:0.70 blue:0.95 alpha:1.0];
    NSColor* pending = [NSColor colorWithCalibratedRed:0.80 green:0.87 blue:0.98 alpha:1.0];
    NSColor* line = [NSColor colorWithCalibratedWhite:0.75 alpha:1.0];
    const int rows = static_cast<int>(_pModel->rows.size());
    for (int row = 0; row < rows; ++row)
        for (int measure = 1; measure <= _pModel->measures; ++measure) {
            const NSRect cell = [self rectOfRow:row measure:measure];
            if ([self isCellPendingAtRow:row measure:measure]) {
                [pending set];
                NSRectFill(cell);
            }
            else if ([self isCellSelectedAtRow:row measure:measure]) {
                [selected set];
                NSRectFill(cell);
            }
            [line set];
            NSFrameRect(cell);
        }
}

- (void)mouseDown:(NSEvent*)event
{
    NSPoint point = [self convertPoint:[event locationInWindow] fromView:nil];
    int row = 0;
    int measure = 0;
    if (![self cellAtPoint:point row:&row measure:&measure])
        return;
    _dragging = YES;
    _dragRow = _overRow = row;
    _dragMeasure = _overMeasure = measure;
    [self setNeedsDisplay:YES];
}

- (void)mouseDragged:(NSEvent*)event
{
    if (!_dragging)
        return;
    NSPoint point = [self convertPoint:[event locationInWindow] fromView:nil];
    /* Past the edges the drag keeps to the last row or measure. */
    const NSRect bounds = [self bounds];
    point.x = std::max<CGFloat>(0, std::min(point.x, NSMaxX(bounds) - 1));
    point.y = std::max(kHeaderHeight, std::min(point.y, kHeaderHeight + kRowHeight * _pModel->rows.size() - 1));
    int row = 0;
    int measure = 0;
    if ([self cellAtPoint:point row:&row measure:&measure]) {
        _overRow = row;
        _overMeasure = measure;
        [self setNeedsDisplay:YES];
    }
}

- (void)mouseUp:(NSEvent*)event
{
    if (!_dragging)
        return;
    [self mouseDragged:event];
    _dragging = NO;
    [self setNeedsDisplay:YES];
    [_delegate gridSelectedFromRow:_dragRow measure:_dragMeasure toRow:_overRow measure:_overMeasure];
}

@end
