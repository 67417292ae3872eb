/* The timer operations and the not-yet-supported report of the window
 * controller, the same over every element backend. */
#include "ui/_FCWindowController_cocoa.h"

#include <cstdio>

#include "ui/bridge/BridgeRuntime.h"

void _FCWindowController_cocoa::CreateTimer(int timerID, int milliseconds)
{
    AssureTimers();
    if (!BridgeRuntime::AddTimer(this, timerID, milliseconds))
        qzui::ReportSystemLog("Timer already exists!");
}

void _FCWindowController_cocoa::KillTimer(int timerID) { BridgeRuntime::RemoveTimer(this, timerID); }

bool _FCWindowController_cocoa::TimeridExists(int timerID) { return BridgeRuntime::HasTimer(this, timerID); }

void _FCWindowController_cocoa::KillAllTimers() { BridgeRuntime::RemoveTimers(this); }

void _FCWindowController_cocoa::NotYetImplementedError(const char* name)
{
    char line[512];
    std::snprintf(line, sizeof line, "ERROR: '%s' is not yet Cocoa-supported!", name ? name : "");
    qzui::ReportSystemLog(line);
}
