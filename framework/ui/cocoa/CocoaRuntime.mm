#import "ui/cocoa/CocoaRuntime.h"

#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"

#include <dlfcn.h>
#include <objc/runtime.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "ui/_FCWindowController_cocoa.h"

namespace
{
using qzui::Hook;

struct State
{
    std::map<const _FCWindowController_cocoa*, int> repaints;
    std::set<NSTimer*> timers;
    std::string layoutFolder;
    bool started = false;
    bool activating = false; /* the bridge is activating a window */
    bool noDisplayReported = false;
    Hook<CocoaRuntime::RequestFn> request;
    bool separatorSet = false;
    std::string separator;
};

State& Get()
{
    static State state;
    return state;
}

/* A connection to the X display, opened only to learn that one can be made,
 * and closed once the application has its own (an X server without other
 * clients may reset itself when the last one leaves, refusing connections
 * for a moment). X11 is loaded only for this. */
class DisplayProbe
{
    void* _pLibrary = nullptr;
    void* _pDisplay = nullptr;

public:
    DisplayProbe()
    {
#ifdef GNUSTEP
        const char* name = std::getenv("DISPLAY");
        if (!name || !*name)
            return;
        _pLibrary = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
        typedef void* (*OpenFn)(const char*);
        OpenFn open = _pLibrary ? reinterpret_cast<OpenFn>(dlsym(_pLibrary, "XOpenDisplay")) : nullptr;
        _pDisplay = open ? open(name) : nullptr;
#endif
    }
    ~DisplayProbe()
    {
        typedef int (*CloseFn)(void*);
        CloseFn close = _pLibrary ? reinterpret_cast<CloseFn>(dlsym(_pLibrary, "XCloseDisplay")) : nullptr;
        if (_pDisplay && close)
            close(_pDisplay);
    }
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;
#ifdef GNUSTEP
    bool Available() const { return _pDisplay != nullptr; }
#else
    bool Available() const { return true; }
#endif
};

bool FileExists(const std::string& path)
{
    FILE* pFile = std::fopen(path.c_str(), "rb");
    if (pFile)
        std::fclose(pFile);
    return pFile != nullptr;
}

std::string ModuleFolder()
{
    static const char kAnchor = 0;
    Dl_info info;
    if (dladdr(&kAnchor, &info) == 0 || !info.dli_fname)
        return {};
    std::string path = info.dli_fname;
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

/* A timer of a driver's clock never falls due on the run loop: GNUstep's
   performClick: and alert panels run the default mode for a moment, which
   would otherwise fire a timer in the middle of a press. The clock calls the
   bridge's handler itself. */
void Park(NSTimer* pTimer) { [pTimer setFireDate:[NSDate distantFuture]]; }

/* A driver attached: its clock owns the timers from now on. */
void ParkAll()
{
    for (std::set<NSTimer*>::iterator it = Get().timers.begin(); it != Get().timers.end(); ++it)
        if ([*it isValid])
            Park(*it);
}

/* The clock moved. Its time is the driver's (a script's wait, a host's
   tick), not the wall clock's: the window system handles what it has
   ready, without sleeping for that long (a wait of a second in a script
   took a second). */
void PumpFor(uint64_t) { CocoaRuntime::PumpPending(); }

/* GNUstep offers every text selected in a view to the other X clients (its
   selection pasteboard, X's primary selection; macOS has nothing like it).
   The first time in a process that starts the pasteboard server, gpbs, and
   waits for it to come up: a second and more in every process that selects
   a field's text, which each of the validator's random sessions does. A
   driver acts as the user of windows that nobody else sees, so under one the
   selection stays in the process; without a driver GNUstep offers it. */
typedef void (*OfferFn)(id, SEL);
OfferFn gOfferSelection = nullptr;

void OfferSelectionUnlessDriven(id self, SEL command)
{
    if (!BridgeRuntime::DriverAttached())
        gOfferSelection(self, command);
}

void KeepSelectionsFromDriverInProcess()
{
    if (!gOfferSelection)
        gOfferSelection =
            CocoaRuntime::ReplaceMethod([NSTextView class], @"copySelection", &OfferSelectionUnlessDriven);
}

/* What a timer handler autoreleases is drained after it. */
void* EnterPool() { return [[NSAutoreleasePool alloc] init]; }
void LeavePool(void* pool) { [(id)pool release]; }
/* ---- Run-loop timers ---- */

int TimerId(NSTimer* pTimer) { return [QZ_AS(NSNumber, [pTimer userInfo]) intValue]; }

NSMutableArray* TimersOf(const _FCWindowController_cocoa* pBridge)
{
    return QZ_AS(NSMutableArray, pBridge->_GetTimers());
}

/* The run-loop timer behind each of the shared runtime's timers (it fires
   while no driver's clock runs the timers). Once a driver attaches, the
   driver's clock owns the timers (BridgeRuntime fires them as it moves) and
   their run-loop dates are parked in the distant future, so nothing else (a
   press, an alert panel) makes them fall due; as the clock moves the run loop
   handles the events it has ready, in a mode the timers are not scheduled in. */
void RunLoopTimerCreated(_FCWindowController_cocoa* pBridge, int timerID, int milliseconds)
{
    CocoaPool pool;
    NSTimer* pTimer =
        [NSTimer timerWithTimeInterval:milliseconds / 1000.0
                                target:QZ_AS(_FCWindowController_redaredavizodir, pBridge->_GetController())
                              selector:@selector(timerEvent:)
                              userInfo:[NSNumber numberWithInt:timerID]
                               repeats:YES];
    Get().timers.insert(pTimer);
    if (BridgeRuntime::DriverAttached())
        Park(pTimer);
    /* A driver's clock runs the timers: the run loop never sees them (it
       only lets go of an invalidated timer when its mode runs, which under a
       driver it never does, so they would pile up). */
    if (!BridgeRuntime::DriverAttached())
        [[NSRunLoop currentRunLoop] addTimer:pTimer forMode:NSDefaultRunLoopMode];
    [TimersOf(pBridge) addObject:pTimer];
}

void RunLoopTimerKilled(_FCWindowController_cocoa* pBridge, int timerID)
{
    NSMutableArray* pTimers = TimersOf(pBridge);
    for (NSInteger i = static_cast<NSInteger>([pTimers count]) - 1; i >= 0; --i) {
        NSTimer* pTimer = [pTimers objectAtIndex:static_cast<NSUInteger>(i)];
        if (TimerId(pTimer) != timerID)
            continue;
        [pTimer invalidate];
        Get().timers.erase(pTimer);
        [pTimers removeObjectAtIndex:static_cast<NSUInteger>(i)];
    }
}

struct RunLoopTimers
{
    RunLoopTimers()
    {
        BridgeRuntime::TimerHooks hooks = {&RunLoopTimerCreated, &RunLoopTimerKilled};
        BridgeRuntime::SetTimerHooks(hooks);
    }
} gRunLoopTimers;
} // namespace

namespace CocoaRuntime
{
bool StartApplication()
{
    State& state = Get();
    if (state.started)
        return true;
    DisplayProbe probe;
    if (!probe.Available()) {
        if (!state.noDisplayReported)
            qzui::ReportSystemLog("no display: run under xvfb-run, or use the terminal mode");
        state.noDisplayReported = true;
        return false;
    }
    /* A pool for everything autoreleased outside a driver call; it lives as
       long as the process. */
    [[NSAutoreleasePool alloc] init];
#ifdef GNUSTEP
    /* Without a window manager (Xvfb) GNUstep draws the title bars itself. */
    [[NSUserDefaults standardUserDefaults]
        registerDefaults:[NSDictionary dictionaryWithObjectsAndKeys:@"NO", @"GSX11HandlesWindowDecorations", nil]];
#endif
    [NSApplication sharedApplication];
    KeepSelectionsFromDriverInProcess();
    BridgeRuntime::SetAttachListener(&ParkAll);
    BridgeRuntime::SetClockListener(&PumpFor);
    BridgeRuntime::SetTimerScope(&EnterPool, &LeavePool);
    if (BridgeRuntime::DriverAttached())
        ParkAll();
    state.started = true;
    return true;
}

NSString* LayoutPath(int layoutID)
{
    std::vector<std::string> names(1, "/" + std::to_string(layoutID) + ".xib");
    std::vector<std::string> folders;
    if (!Get().layoutFolder.empty())
        folders.push_back(Get().layoutFolder);
    folders.push_back(ModuleFolder());
#ifdef __APPLE__
    /* A macOS bundle holds its layouts compiled to nibs in Contents/Resources,
       next to the folder of the module's binary. */
    names.push_back("/" + std::to_string(layoutID) + ".nib");
    folders.push_back(ModuleFolder() + "/../Resources");
#endif
#ifdef QZ_RESOURCES_DIR
    folders.push_back(QZ_RESOURCES_DIR);
#endif
    for (size_t i = 0; i < folders.size(); ++i)
        for (size_t n = 0; n < names.size(); ++n)
            if (!folders[i].empty() && FileExists(folders[i] + names[n]))
                return [NSString stringWithUTF8String:(folders[i] + names[n]).c_str()];
    return nil;
}

void SetLayoutFolder(const char* path) { Get().layoutFolder = path ? path : ""; }

void WindowReleased(const _FCWindowController_cocoa* pBridge) { Get().repaints.erase(pBridge); }

NSWindow* WindowOf(const _FCWindowController_cocoa* pBridge)
{
    if (!pBridge || !pBridge->_GetController())
        return nil;
    return [QZ_AS(NSWindowController, pBridge->_GetController()) window];
}

void CountRepaint(const _FCWindowController_cocoa* pBridge)
{
    if (BridgeRuntime::NumberOf(pBridge))
        ++Get().repaints[pBridge];
}

int Repaints(const _FCWindowController_cocoa* pBridge)
{
    std::map<const _FCWindowController_cocoa*, int>::iterator found = Get().repaints.find(pBridge);
    if (found == Get().repaints.end())
        return BridgeRuntime::NumberOf(pBridge) ? 0 : -1;
    return found->second;
}

AnyFunction ReplaceMethod(Class cls, NSString* selector, AnyFunction fn)
{
    Method method = class_getInstanceMethod(cls, NSSelectorFromString(selector));
    if (!method)
        return nullptr;
    return reinterpret_cast<AnyFunction>(method_setImplementation(method, reinterpret_cast<IMP>(fn)));
}

/* ---- Run-loop timers ---- */

void SetActivating(bool activating) { Get().activating = activating; }

bool Activating() { return Get().activating; }

void Pump(double seconds)
{
    if (!Get().started)
        return;
    CocoaPool pool;
    NSDate* limit = [NSDate dateWithTimeIntervalSinceNow:seconds];
    do {
        NSEvent* event = [NSApp nextEventMatchingMask:NSAnyEventMask
                                            untilDate:limit
                                               inMode:NSEventTrackingRunLoopMode
                                              dequeue:YES];
        if (event)
            [NSApp sendEvent:event];
    } while ([limit timeIntervalSinceNow] > 0);
}

void PumpPending()
{
    if (!Get().started)
        return;
    CocoaPool pool;
    NSDate* now = [NSDate distantPast];
    /* Bounded, so that a window system that keeps posting events cannot
       hold the driver's call. */
    for (int i = 0; i < 1000; ++i) {
        NSEvent* event = [NSApp nextEventMatchingMask:NSAnyEventMask
                                            untilDate:now
                                               inMode:NSEventTrackingRunLoopMode
                                              dequeue:YES];
        if (!event)
            break;
        [NSApp sendEvent:event];
    }
}

/* ---- Driver requests ---- */

void SetRequestHandler(RequestFn fn, void* context)
{
    BridgeRuntime::AttachDriver();
    Get().request.Set(fn, context);
}

bool ReportRequest(int what, const char* argument, int number)
{
    const Hook<RequestFn>& request = Get().request;
    if (!request.fn)
        return false;
    request.fn(request.context, what, argument ? argument : "", number);
    return true;
}

void SetDecimalSeparator(const char* separator)
{
    BridgeRuntime::AttachDriver();
    Get().separatorSet = separator != nullptr;
    Get().separator = separator ? separator : "";
}

bool DecimalSeparatorOverride(std::string* pSeparator)
{
    if (Get().separatorSet)
        *pSeparator = Get().separator;
    return Get().separatorSet;
}
} // namespace CocoaRuntime
