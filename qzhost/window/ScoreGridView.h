#ifndef QZHOST_WINDOW_SCOREGRIDVIEW_H
#define QZHOST_WINDOW_SCOREGRIDVIEW_H

/* The score window's grid: one row per staff of the view, one column per
   measure, the selected cells filled. The user selects a region by
   dragging from one cell to another; on release the grid tells its
   delegate the two cells (rows 0-based from the top, measures 1-based). */

#import <AppKit/AppKit.h>

#include "qzhost/window/ScoreModel.h"

@protocol QZHostScoreGridDelegate
- (void)gridSelectedFromRow:(int)fromRow measure:(int)fromMeasure toRow:(int)toRow measure:(int)toMeasure;
@end

@interface QZHostScoreGridView : NSView {
    ScoreModel* _pModel;
    id _delegate; /* not retained: it owns the window */
    BOOL _dragging;
    int _dragRow;
    int _dragMeasure;
    int _overRow;
    int _overMeasure;
}
+ (CGFloat)rowHeight;
+ (CGFloat)headerHeight;
/* The width a grid of this many measures needs. */
+ (CGFloat)widthForMeasures:(int)measures;
- (void)setDelegate:(id)delegate;
- (void)showModel:(const ScoreModel&)model;
/* The cell under a point of the view; NO outside the cells. */
- (BOOL)cellAtPoint:(NSPoint)point row:(int*)pRow measure:(int*)pMeasure;
/* The centre of a cell, in the view's coordinates. */
- (NSPoint)centreOfRow:(int)row measure:(int)measure;
- (int)rowCount;
- (int)measureCount;
/* Whether the cell is drawn selected. */
- (BOOL)isCellSelectedAtRow:(int)row measure:(int)measure;
@end

#endif
