#ifndef FRAMEWORK_UI_COCOA_COCOARUNTIME_H
#define FRAMEWORK_UI_COCOA_COCOARUNTIME_H

#import <AppKit/AppKit.h>

#include <objc/runtime.h>

#include <string>

#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/WindowBackend.h"

class _FCWindowController_cocoa;

/* Process-wide state of the Cocoa backend beside the shared runtime: the
 * application, layout files and run-loop timers. Main thread only. */
namespace CocoaRuntime
{
/* Creates the application on first use; false (logged once) without a display. */
bool StartApplication();
/* "<id>.xib" in the driver's folder, the module's folder, then the source
   resources; nil when there is none. */
NSString* LayoutPath(int layoutID);
void SetLayoutFolder(const char* path);

NSWindow* WindowOf(const _FCWindowController_cocoa* pBridge);

/* Set while the bridge makes a window the active one: under a driver no
   other activation counts. */
void SetActivating(bool activating);
bool Activating();

/* Handles window-server events for a while (0: those ready) without firing
   timers. */
void Pump(double seconds);

/* Makes fn the implementation of an instance method of cls and returns the
   one it had (null, nothing replaced, without such a method): for GNUstep
   behaviour that a subclass cannot reach (README.md). */
typedef void (*AnyFunction)(); /* converts to and from any function's type */
template <typename Fn>
Fn ReplaceMethod(Class cls, NSString* selector, Fn fn)
{
    Method method = class_getInstanceMethod(cls, NSSelectorFromString(selector));
    IMP old =
        method ? method_setImplementation(method, reinterpret_cast<IMP>(reinterpret_cast<AnyFunction>(fn))) : nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<AnyFunction>(old));
}
} // namespace CocoaRuntime

/* Drains what a block of Cocoa calls autoreleased when it goes out of scope. */
using CocoaPool = WindowBackend::Scope;

#endif
