#ifndef QZHOST_WINDOW_BRACKETVIEW_H
#define QZHOST_WINDOW_BRACKETVIEW_H

/* The strip at the left of the staff names where the score's staff groups
   are drawn: a bracket, a brace, a square bracket or a line from the top of
   a group's first row to the bottom of its last, outer groups further left.
   Rows line up with the grid's (ScoreGridView.h). */

#import <AppKit/AppKit.h>

#include "qzhost/window/ScoreModel.h"

#include <vector>

@interface QZHostBracketView : NSView {
    std::vector<ScoreBracket>* _pBrackets;
}
/* The width a strip needs for the brackets (0 for none). */
+ (CGFloat)widthForBrackets:(const std::vector<ScoreBracket>&)brackets;
- (void)showBrackets:(const std::vector<ScoreBracket>&)brackets;
@end

#endif
