#ifndef QZHOST_VALIDATE_SESSIONSCRIPT_H
#define QZHOST_VALIDATE_SESSIONSCRIPT_H

/* Runs a few lines of the script language in a session, as `qzhost script`
   runs a file; the validator's groups drive the plug-in this way. */

#include "qzhost/session/Session.h"
#include "qzhost/session/SessionCommand.h"

#include <string>

namespace SessionScript
{

/* Runs every line of script until one does not succeed; "" when all did,
   else "line: the problem" (a finding of the engine's strict mode counts). */
std::string Run(Session& session, const std::string& script);

/* A session with the engine in strict mode, a fresh preferences folder and
   the module loaded; "" or why it could not start. */
std::string Start(Session& session, const std::string& module);

} // namespace SessionScript

/* Parses and runs one script line; false unless it was done. */
bool RunScriptLine(Session& session, const std::string& text, Outcome& outcome);

/* Loads the engine and a plug-in module into this process, so that every
   child starts with them loaded (as fresh as a child that loads them itself,
   without the loader's work). Of the plug-in it calls only main (which finds
   the engine's bundle) and the headless interface's layout preload (the
   panel's layout parsed), for the children to find both done. */
void PreloadModules(const std::string& plugin);

#endif
