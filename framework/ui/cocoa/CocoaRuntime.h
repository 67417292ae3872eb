#ifndef FRAMEWORK_UI_COCOA_COCOARUNTIME_H
#define FRAMEWORK_UI_COCOA_COCOARUNTIME_H

#import <AppKit/AppKit.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/headless/qzui_driver.h"

class _FCWindowController_cocoa;

/* Process-wide state of the Cocoa platform layer: the application object,
 * the bridges and their window numbers, the driver's callbacks and the
 * driver's clock. Main thread only. */
namespace CocoaRuntime
{
/* Creates the application object on first use; false (with one system-log
   line) when no display can be opened. */
bool StartApplication();
/* The layout file for an ID ("<id>.xib"): the driver's folder, the module's
   folder, then the source resources. Nil when none exists. */
NSString* LayoutPath(int layoutID);
void SetLayoutFolder(const char* path);

void Register(_FCWindowController_cocoa* pBridge);
void Unregister(_FCWindowController_cocoa* pBridge);
/* A loaded window gets the next window number; a released one loses it. */
void WindowLoaded(_FCWindowController_cocoa* pBridge);
void WindowReleased(_FCWindowController_cocoa* pBridge);
std::vector<_FCWindowController_cocoa*> LoadedBridges();
_FCWindowController_cocoa* FindBridge(int windowNumber);
int NumberOf(const _FCWindowController_cocoa* pBridge);
NSWindow* WindowOf(const _FCWindowController_cocoa* pBridge);
void CountRepaint(const _FCWindowController_cocoa* pBridge);
int Repaints(const _FCWindowController_cocoa* pBridge);

/* The driver's clock. A driver that moves it owns the timers: they are
   fired (with -fire) in due order as the clock passes, while the run loop is
   run for the same time in a mode the timers are not scheduled in; their
   run-loop dates are parked in the distant future, so nothing else (a press,
   an alert panel) makes them fall due. */
void TimerCreated(NSTimer* pTimer, int periodMs);
void TimerKilled(NSTimer* pTimer);
uint64_t Now();
int Advance(uint64_t milliseconds);
int FireAll();
/* Handles window-server events for a while without firing timers. */
void Pump(double seconds);

/* A driver registered a callback: modal runs step through it. */
bool DriverAttached();
void SetAlertHandler(qzui_alert_fn fn, void* context);
void SetBeepHandler(qzui_beep_fn fn, void* context);
void SetLogHandler(qzui_log_fn fn, void* context);
void SetModalHandler(qzui_modal_fn fn, void* context);
int BeepCount();
/* One step of the driver's modal loop; false when the driver gave up. */
bool ModalStep(int windowNumber);

/* What the user would see outside the process (a web page, the file viewer,
   the font panel), told to the driver instead; false without a driver
   callback. */
typedef void (*RequestFn)(void* context, int what, const char* argument, int number);
void SetRequestHandler(RequestFn fn, void* context);
bool ReportRequest(int what, const char* argument, int number);
/* The decimal separator a driver set in place of the locale's (null: none). */
void SetDecimalSeparator(const char* separator);
bool DecimalSeparatorOverride(std::string* pSeparator);
} // namespace CocoaRuntime

/* Drains what a block of Cocoa calls autoreleased when it goes out of scope. */
class CocoaPool
{
    NSAutoreleasePool* _pool;

public:
    CocoaPool() : _pool([[NSAutoreleasePool alloc] init]) {}
    ~CocoaPool() { [_pool release]; }
    CocoaPool(const CocoaPool&) = delete;
    CocoaPool& operator=(const CocoaPool&) = delete;
};

#endif
