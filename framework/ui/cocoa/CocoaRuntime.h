#ifndef FRAMEWORK_UI_COCOA_COCOARUNTIME_H
#define FRAMEWORK_UI_COCOA_COCOARUNTIME_H

#import <AppKit/AppKit.h>

#include <string>

#include "ui/bridge/BridgeRuntime.h"

class _FCWindowController_cocoa;

/* Process-wide state of the Cocoa backend beside the shared runtime: the
 * application object, layout files, repaint counts, run-loop timers and the
 * driver's requests. Main thread only. */
namespace CocoaRuntime
{
/* Creates the application object on first use; false (with one system-log
   line) when no display can be opened. */
bool StartApplication();
/* The layout file for an ID ("<id>.xib"): the driver's folder, the module's
   folder, then the source resources. Nil when none exists. */
NSString* LayoutPath(int layoutID);
void SetLayoutFolder(const char* path);

/* The repaint count of a loaded window (0 at first), dropped with the
   window. */
void WindowReleased(const _FCWindowController_cocoa* pBridge);
NSWindow* WindowOf(const _FCWindowController_cocoa* pBridge);
void CountRepaint(const _FCWindowController_cocoa* pBridge);
int Repaints(const _FCWindowController_cocoa* pBridge);

/* Under a driver only the bridge makes a window the active one (the driver
   acts as the user); set while it does. */
void SetActivating(bool activating);
bool Activating();

/* Makes fn the implementation of an instance method of cls; the one it had,
   or null (nothing replaced) where the class has no such method. For the
   GNUstep methods whose behaviour differs from the AppKit's in a way that
   a subclass cannot reach (README.md). */
typedef void (*AnyFunction)(); /* converts to and from any function's type */
AnyFunction ReplaceMethod(Class cls, NSString* selector, AnyFunction fn);
template <typename Fn>
Fn ReplaceMethod(Class cls, NSString* selector, Fn fn)
{
    return reinterpret_cast<Fn>(ReplaceMethod(cls, selector, reinterpret_cast<AnyFunction>(fn)));
}

/* Handles window-server events for a while without firing timers. */
void Pump(double seconds);
/* Handles the window-server events that are ready, without waiting. */
void PumpPending();

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
