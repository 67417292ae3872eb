#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSRUNTIME_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSRUNTIME_H

#include <cstdint>
#include <vector>

#include "ui/headless/qzui_driver.h"

class _FCWindowController_cocoa;
class HeadlessWindow;

/* One running timer of a headless window. */
struct HeadlessTimer
{
    int id;
    int period;        /* milliseconds, at least 1 */
    uint64_t due;      /* virtual clock time of the next expiry */
    uint64_t sequence; /* creation order, to fire simultaneous timers in order */
};

/* Process-wide state of the headless platform: every bridge, the active
 * window, the virtual clock and the driver's callbacks. Everything runs on the
 * one user-interface thread. */
namespace HeadlessRuntime
{
void Register(_FCWindowController_cocoa* pBridge);
void Unregister(_FCWindowController_cocoa* pBridge);
/* Bridges with a loaded window, in the order their windows were loaded. */
std::vector<_FCWindowController_cocoa*> LoadedBridges();
/* The bridge whose window has the driver number, or null. */
_FCWindowController_cocoa* FindBridge(int windowNumber);
/* The loaded window of a bridge, or null. */
HeadlessWindow* WindowOf(const _FCWindowController_cocoa* pBridge);
int NextWindowNumber();

/* The active (main) window's bridge, or null. */
_FCWindowController_cocoa* MainBridge();
void SetMainBridge(_FCWindowController_cocoa* pBridge);

uint64_t Now();
uint64_t NextTimerSequence();
/* Advances the virtual clock, firing due timers in time order; returns the
   number of expiries. */
int Advance(uint64_t milliseconds);
/* Fires every running timer once now, earliest due first; each next expiry
   is a period from now. Returns the number fired. */
int FireAll();

int BeepCount();
void SetAlertHandler(qzui_alert_fn fn, void* context);
void SetBeepHandler(qzui_beep_fn fn, void* context);
void SetLogHandler(qzui_log_fn fn, void* context);
void SetModalHandler(qzui_modal_fn fn, void* context);
/* Runs one step of the driver's modal loop for the window; false when the
   driver gave up (or registered no loop). */
bool ModalStep(int windowNumber);
} // namespace HeadlessRuntime

#endif
