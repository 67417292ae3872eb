#ifndef QZHOST_WINDOW_WINDOWMODE_H
#define QZHOST_WINDOW_WINDOWMODE_H

/* The window mode of `qzhost run` (built where GNUstep is): a GNUstep
   application with the score window, the host's menus and the plug-in's
   panel in a window of its own. */

#include <iosfwd>
#include <string>

class Session;

namespace WindowMode
{
/* What a run without a display says, on one line. */
extern const char* const kNoDisplay;

/* Whether $DISPLAY names a display that a connection can be made to. */
bool DisplayAvailable();

/* Runs the application on a session whose document is open and whose
   plug-in (the Cocoa variant) is loaded, until the user quits or closes the
   score window. With a script (a file, or "-" for standard input) its lines
   are played on the run loop (WindowScript.h) and the run ends after the
   last one. The plug-in is terminated before it returns. Returns the exit
   status: 0, or the script's failure. */
int Run(Session& session, const std::string& script, std::ostream& out, std::ostream& err);
} // namespace WindowMode

#endif
