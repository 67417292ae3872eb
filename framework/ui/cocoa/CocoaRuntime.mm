#import "ui/cocoa/CocoaRuntime.h"

#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "ui/_FCWindowController_cocoa.h"

namespace
{
struct State
{
    std::string layoutFolder;
    bool started = false;
    bool activating = false;
    bool noDisplayReported = false;
};

State& Get()
{
    static State state;
    return state;
}

/* A connection to the X display, opened to learn that one can be made and
   closed only once the application has its own: an X server whose last
   client leaves resets itself and refuses connections for a moment. */
class DisplayProbe
{
    void* _pLibrary = nullptr;
    void* _pDisplay = nullptr;

    template <typename Fn>
    Fn Symbol(const char* name) const
    {
        return _pLibrary ? reinterpret_cast<Fn>(dlsym(_pLibrary, name)) : nullptr;
    }

public:
    DisplayProbe()
    {
        const char* name = std::getenv("DISPLAY");
        _pLibrary = name && *name ? dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL) : nullptr;
        if (auto open = Symbol<void* (*)(const char*)>("XOpenDisplay"))
            _pDisplay = open(name);
    }
    ~DisplayProbe()
    {
        auto close = Symbol<int (*)(void*)>("XCloseDisplay");
        if (close && _pDisplay)
            close(_pDisplay);
    }
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;
    bool Available() const { return _pDisplay != nullptr; }
};

std::string ModuleFolder()
{
    static const char kAnchor = 0;
    Dl_info info;
    if (dladdr(&kAnchor, &info) == 0 || !info.dli_fname)
        return {};
    const std::string path = info.dli_fname;
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

/* ---- Run-loop timers ----
   Without a driver, the bridge's timers run as NSTimers on the run loop.
   Under a driver its clock fires them (BridgeRuntime), and the controller
   ignores the run loop's firings (README.md). A timer made under a driver is
   not scheduled at all: the run loop lets go of an invalidated timer only
   when its mode runs, which under a driver it never does, so they would pile
   up. */

NSMutableArray* TimersOf(const _FCWindowController_cocoa* pBridge)
{
    return QZ_AS(NSMutableArray, pBridge->_GetTimers());
}

void RunLoopTimerCreated(_FCWindowController_cocoa* pBridge, int timerID, int milliseconds)
{
    CocoaPool pool;
    NSTimer* pTimer =
        [NSTimer timerWithTimeInterval:milliseconds / 1000.0
                                target:QZ_AS(_FCWindowController_redaredavizodir, pBridge->_GetController())
                              selector:@selector(timerEvent:)
                              userInfo:[NSNumber numberWithInt:timerID]
                               repeats:YES];
    if (!BridgeRuntime::DriverAttached())
        [[NSRunLoop currentRunLoop] addTimer:pTimer forMode:NSDefaultRunLoopMode];
    [TimersOf(pBridge) addObject:pTimer];
}

void RunLoopTimerKilled(_FCWindowController_cocoa* pBridge, int timerID)
{
    NSMutableArray* pTimers = TimersOf(pBridge);
    for (NSInteger i = static_cast<NSInteger>([pTimers count]) - 1; i >= 0; --i) {
        NSTimer* pTimer = [pTimers objectAtIndex:static_cast<NSUInteger>(i)];
        if ([QZ_AS(NSNumber, [pTimer userInfo]) intValue] != timerID)
            continue;
        [pTimer invalidate];
        [pTimers removeObjectAtIndex:static_cast<NSUInteger>(i)];
    }
}

struct RunLoopTimers
{
    RunLoopTimers() { BridgeRuntime::SetTimerHooks({&RunLoopTimerCreated, &RunLoopTimerKilled}); }
} gRunLoopTimers;

/* The driver's clock moved: its time is the driver's (a script's wait, a
   host's tick), so the window system handles what it has ready without
   waiting that long in real time. */
void PumpFor(uint64_t) { CocoaRuntime::Pump(0); }

/* GNUstep offers every text selected in a view to the other X clients (X's
   primary selection). The first time in a process that starts the pasteboard
   server gpbs and waits for it, more than a second in every process that
   selects a field's text (each of the validator's random sessions). Nobody
   else sees a driver's windows, so under one the selection stays in the
   process. */
void (*gOfferSelection)(id, SEL) = nullptr;

void OfferSelectionUnlessDriven(id self, SEL command)
{
    if (!BridgeRuntime::DriverAttached())
        gOfferSelection(self, command);
}
} // namespace

namespace CocoaRuntime
{
bool StartApplication()
{
    State& state = Get();
    if (state.started)
        return true;
#ifdef GNUSTEP
    DisplayProbe probe;
    if (!probe.Available()) {
        if (!state.noDisplayReported)
            qzui::ReportSystemLog("no display: run under xvfb-run, or use the terminal mode");
        state.noDisplayReported = true;
        return false;
    }
#endif
    /* A pool for what is autoreleased outside a driver call, for the
       process's life. */
    [[NSAutoreleasePool alloc] init];
#ifdef GNUSTEP
    /* Without a window manager (Xvfb) GNUstep draws the title bars itself. */
    [[NSUserDefaults standardUserDefaults]
        registerDefaults:[NSDictionary dictionaryWithObjectsAndKeys:@"NO", @"GSX11HandlesWindowDecorations", nil]];
#endif
    [NSApplication sharedApplication];
    if (!gOfferSelection)
        gOfferSelection = ReplaceMethod([NSTextView class], @"copySelection", &OfferSelectionUnlessDriven);
    BridgeRuntime::SetClockListener(&PumpFor);
    state.started = true;
    return true;
}

NSString* LayoutPath(int layoutID)
{
    std::vector<std::string> names(1, "/" + std::to_string(layoutID) + ".xib");
    std::vector<std::string> folders = {Get().layoutFolder, ModuleFolder()};
#ifdef __APPLE__
    /* A macOS bundle keeps its layouts compiled to nibs in Contents/Resources. */
    names.push_back("/" + std::to_string(layoutID) + ".nib");
    folders.push_back(ModuleFolder() + "/../Resources");
#endif
#ifdef QZ_RESOURCES_DIR
    folders.push_back(QZ_RESOURCES_DIR);
#endif
    for (const std::string& folder : folders)
        for (const std::string& name : names)
            if (!folder.empty() && access((folder + name).c_str(), R_OK) == 0)
                return [NSString stringWithUTF8String:(folder + name).c_str()];
    return nil;
}

void SetLayoutFolder(const char* path) { Get().layoutFolder = path ? path : ""; }

NSWindow* WindowOf(const _FCWindowController_cocoa* pBridge)
{
    return pBridge ? [QZ_AS(NSWindowController, pBridge->_GetController()) window] : nil;
}

void SetActivating(bool activating) { Get().activating = activating; }

bool Activating() { return Get().activating; }

void Pump(double seconds)
{
    if (!Get().started)
        return;
    CocoaPool pool;
    NSDate* limit = [NSDate dateWithTimeIntervalSinceNow:seconds];
    /* Bounded once the time is up, so that a window system that keeps posting
       events cannot hold the driver's call. */
    for (int handled = 0; handled < 1000 || [limit timeIntervalSinceNow] > 0; ++handled) {
        NSEvent* event = [NSApp nextEventMatchingMask:NSAnyEventMask
                                            untilDate:limit
                                               inMode:NSEventTrackingRunLoopMode
                                              dequeue:YES];
        if (!event)
            break;
        [NSApp sendEvent:event];
    }
}
} // namespace CocoaRuntime
