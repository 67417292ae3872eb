#ifndef QZHOST_WINDOW_WINDOWSCRIPT_H
#define QZHOST_WINDOW_WINDOWSCRIPT_H

/* Plays a command file in the window mode, one line a turn of the run loop,
   so that the window, the panel and their timers run between the lines as
   they do for a person; then ends the session. Lines of the script language
   change the host as the terminal does: the window follows on its timer, so
   a script lets time pass (wait) before it looks at the window. Besides the
   script language it knows what only the window has:

       dialog "TEXT"|cancel            the answer to the next dialog that asks
                                       for a text (unanswered: cancelled)
       drag ROW MEASURE ROW MEASURE    a drag in the grid from one cell to
                                       another (rows from 1 at the top)
       menu "MENU" "ITEM"              picks a menu item (an item titled
                                       "Undo Staff Set Panel" answers to "Undo")
       wait MS                         lets MS milliseconds pass on the run loop
       expect names "NAME|NAME|..."    the staff names the window shows
       expect cells ROWS MEASURES|none the cells the grid shows selected
       expect menu "MENU" "ITEM" "TITLE" enabled|disabled

   Failures are reported as `qzhost script` reports them: "FILE:LINE: ...",
   status 1 for an expectation or a strict-mode finding (also one still
   pending when the session ends), 2 for a command error. */

#import <AppKit/AppKit.h>

#include "qzhost/script/ScriptParser.h"

#include <iosfwd>
#include <string>
#include <vector>

@class QZHostController;
class ScriptRunner;

@interface QZHostWindowScript : NSObject {
    QZHostController* _controller; /* not retained: it outlives the script */
    std::vector<qzscript::Line>* _pLines;
    ScriptRunner* _pRunner;
    size_t _next;
    int _lastLine;
}
- (id)initWithController:(QZHostController*)controller
                   lines:(const std::vector<qzscript::Line>&)lines
                    name:(const std::string&)name
                  errors:(std::ostream*)pErrors;
/* Schedules the first line on the run loop. */
- (void)start;
/* Drops the line waiting for its turn (the run is ending). */
- (void)stop;
/* Ends the session and judges what the engine found after the last line,
   as `qzhost script` does. */
- (void)finish;
/* 0 while nothing failed. */
- (int)status;
/* The number of the last line run. */
- (int)lastLine;
@end

#endif
