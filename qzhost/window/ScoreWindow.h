#ifndef QZHOST_WINDOW_SCOREWINDOW_H
#define QZHOST_WINDOW_SCOREWINDOW_H

/* The score window: the names of the staves the view shows, top to bottom,
   beside the grid of staves by measures (ScoreGridView.h). Its size follows
   the number of staves and measures. */

#import <AppKit/AppKit.h>

#include "qzhost/window/ScoreModel.h"

#include <string>
#include <vector>

@class QZHostScoreGridView;

@interface QZHostScoreWindow : NSObject {
    NSWindow* _window;
    NSView* _names;
    QZHostScoreGridView* _grid;
}
/* The grid reports drags to the delegate; the window tells it when it closes. */
- (id)initWithDelegate:(id)delegate;
- (void)showModel:(const ScoreModel&)model;
- (NSWindow*)window;
- (QZHostScoreGridView*)grid;
/* The staff names as the window shows them, top to bottom (none when it
   shows why there are none). */
- (std::vector<std::string>)staffNames;
@end

#endif
