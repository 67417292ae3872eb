#ifndef FRAMEWORK_UI_BRIDGE_BRIDGERUNTIME_H
#define FRAMEWORK_UI_BRIDGE_BRIDGERUNTIME_H

#include <cstdint>
#include <string>
#include <vector>

#include "ui/driver/qzui_driver.h"

class _FCWindowController_cocoa;

/* Process-wide state shared by every element backend: the bridges and their
 * window numbers, the running timers and the driver's clock, and the
 * callbacks a driver registered. Everything runs on the one user-interface
 * thread. */
namespace BridgeRuntime
{
void Register(_FCWindowController_cocoa* pBridge);
/* Also drops the bridge's window number and timers. */
void Unregister(_FCWindowController_cocoa* pBridge);
/* A loaded window gets the next window number (returned); a released one
   loses it. */
int WindowLoaded(_FCWindowController_cocoa* pBridge);
void WindowReleased(_FCWindowController_cocoa* pBridge);
/* The window number of a bridge, 0 when its window is not loaded. */
int NumberOf(const _FCWindowController_cocoa* pBridge);
/* The bridge whose window has the number, or null. */
_FCWindowController_cocoa* FindBridge(int windowNumber);
/* Bridges with a loaded window, in the order their windows were loaded. */
std::vector<_FCWindowController_cocoa*> LoadedBridges();
/* Times a loaded window's content was marked for redrawing (0 at first). */
void CountRepaint(const _FCWindowController_cocoa* pBridge);
int Repaints(const _FCWindowController_cocoa* pBridge);

/* A press of the button with the tag: tag 1 reaches the OK handler, tag 2
   Cancel, any other non-zero tag the button handler. */
void ReportPress(_FCWindowController_cocoa* pBridge, int tag);
/* A switcher's new segment: the switcher handler, then (unless that closed
   the window) the command handler. */
void ReportSwitch(_FCWindowController_cocoa* pBridge, int tag, int segment);

/* ---- Timers ---- */

/* A backend whose window system runs timers of its own (without a driver)
   is told when a bridge's timer is created and when one is killed. */
struct TimerHooks
{
    void (*created)(_FCWindowController_cocoa* pBridge, int timerID, int milliseconds);
    void (*killed)(_FCWindowController_cocoa* pBridge, int timerID);
};
void SetTimerHooks(const TimerHooks& hooks);

/* Schedules a timer a period (at least 1 ms) from now; false when the
   bridge already has one with the ID. */
bool AddTimer(_FCWindowController_cocoa* pBridge, int timerID, int milliseconds);
void RemoveTimer(_FCWindowController_cocoa* pBridge, int timerID);
void RemoveTimers(_FCWindowController_cocoa* pBridge);
bool HasTimer(const _FCWindowController_cocoa* pBridge, int timerID);
/* The bridge's timers in creation order: their IDs and periods. */
int TimerCount(const _FCWindowController_cocoa* pBridge);
bool TimerAt(const _FCWindowController_cocoa* pBridge, int index, int* pTimerID, int* pPeriod);

/* The driver's clock: timers of loaded windows fire (Notify_Timer) as it
   passes, in due order, at equal times in the order they were created.
   Advance returns the number of expiries. */
uint64_t Now();
int Advance(uint64_t milliseconds);
/* Fires every running timer once now, earliest due first; each next expiry
   is a period from now. Returns the number fired. */
int FireAll();
/* Called after the clock moved, with the time it moved (a backend that lets
   its window system run for as long). */
void SetClockListener(void (*listener)(uint64_t milliseconds));

/* ---- The driver ---- */

/* True once a driver registered a callback or moved the clock. */
bool DriverAttached();
void AttachDriver();
void SetAlertHandler(qzui_alert_fn fn, void* context);
void SetBeepHandler(qzui_beep_fn fn, void* context);
void SetLogHandler(qzui_log_fn fn, void* context);
void SetModalHandler(qzui_modal_fn fn, void* context);
int BeepCount();
/* One step of the driver's modal loop for the window; false when the driver
   gave up (or registered no loop). */
bool ModalStep(int windowNumber);
} // namespace BridgeRuntime

/* The outlets for what the user would see or hear outside a window, each to
 * the callback a driver registered (qzui_driver.h); without one, each is
 * written to standard error. */
namespace qzui
{
/* An alert of a kind QZUI_ALERT_... (texts in UTF-8, buttons in order, the
   first the default): the driver's answer code, else defaultAnswer. */
int ReportAlert(int kind, const char* title, const char* message, const char* const* buttons, int buttonCount,
                int defaultAnswer);
/* Counts a beep and tells the driver. */
void ReportBeep();
void ReportSystemLog(const char* line);
/* A file dialog (QZUI_FILE_SAVE or _OPEN, texts in UTF-8, null taken as
   ""): QZUI_FILE_CHOSEN with *pPath set (never empty), QZUI_FILE_CANCEL
   (also without a file callback), or QZUI_FILE_ASK_USER. */
int ReportFileChoice(int what, const char* title, const char* name, const char* extension, std::string* pPath);
/* What would leave the process (a web page, the file viewer, the font
   panel), to the driver's request callback (argument null taken as ""):
   false without one. */
bool ReportRequest(int what, const char* argument, int number);
/* The decimal separator a driver set in place of the locale's; false when
   none is set. */
bool DecimalSeparatorOverride(std::string* pSeparator);

/* Copies UTF-8 text into a driver's buffer as every driver call does: at
   most size - 1 bytes and a zero, never splitting a character, nothing for a
   null buffer or size <= 0. Returns the full length in bytes. */
int CopyOut(const std::string& text, char* buf, int size);

/* A driver callback with its context. */
template <class Fn>
struct Hook
{
    Fn fn = nullptr;
    void* context = nullptr;

    void Set(Fn newFn, void* newContext)
    {
        fn = newFn;
        context = newContext;
    }
};
} // namespace qzui

#endif
