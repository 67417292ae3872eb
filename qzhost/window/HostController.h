#ifndef QZHOST_WINDOW_HOSTCONTROLLER_H
#define QZHOST_WINDOW_HOSTCONTROLLER_H

/* The window mode's host: the session, the score window and the menus.
   Every user action runs the same command of the script language that the
   terminal runs (invoke, undo, redo, view, select), so the window and the
   terminal change the host in one way. The window and the menus follow the
   host: after each action, and on a short timer for what changes without
   the host program's doing (the panel's commands). */

#import <AppKit/AppKit.h>

#include "qzhost/session/SessionCommand.h"

#include <iosfwd>
#include <string>
#include <vector>

class Session;
struct ScoreModel;

/* The session as Objective-C code holds it: GCC cannot write the type
   encoding of a pointer to the session class itself (its members hold
   std::function), but can that of a structure holding the pointer. */
struct SessionRef
{
    Session* session;
};
@class QZHostMenus;
@class QZHostScoreWindow;

@interface QZHostController : NSObject {
    SessionRef _session;
    std::ostream* _pErrors;
    QZHostScoreWindow* _scoreWindow;
    QZHostMenus* _menus;
    ScoreModel* _pShown;
    NSTimer* _refreshTimer;
    NSTimeInterval _clockTime; /* when the plug-in's clock last moved */
    Outcome* _pLastOutcome;
    NSMutableArray* _textAnswers; /* queued answers of text dialogs; NSNull for Cancel */
    BOOL _scripted;
    BOOL _quit;
}
/* Builds the window and the menus (NSApp must exist); problems of user
   actions go to errors. */
- (id)initWithSession:(SessionRef)session errors:(std::ostream*)pErrors;
/* Shows the window, installs the menus and starts following the host. */
- (void)start;
/* Stops following the host and closes the window. */
- (void)stop;
- (BOOL)quitRequested;
- (void)requestQuit;

/* Reads the host and updates the window and the menus when anything they
   show changed. */
- (void)refresh;
/* Runs a command of the script language as a user action. */
- (Outcome)runWords:(const std::vector<std::string>&)words;
- (Outcome)runLine:(const qzscript::Line&)line;
/* The outcome of the last menu action or drag; Done when none. */
- (Outcome)takeLastOutcome;
/* The answer to the next dialog that asks for a text: the text, or nil for
   its Cancel button. */
- (void)queueTextAnswer:(NSString*)text;
/* In a script a text dialog is never shown: it takes the queued answer, or
   is cancelled. */
- (void)setScripted:(BOOL)scripted;

- (SessionRef)session;
- (QZHostScoreWindow*)scoreWindow;
- (QZHostMenus*)menus;

/* Menu actions. */
- (void)invokePlugin:(id)sender;
- (void)undo:(id)sender;
- (void)redo:(id)sender;
- (void)showAllStaves:(id)sender;
- (void)showStaffSet:(id)sender;
/* Asks for a name and adds an expression category with it (category add). */
- (void)newExpressionCategory:(id)sender;
- (void)quit:(id)sender;
@end

#endif
