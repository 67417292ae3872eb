#import "ui/cocoa/CocoaRuntime.h"

#import "ui/cocoa/CocoaElements.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "ui/_FCWindowController_cocoa.h"
#include "ui/headless/qzui_hooks.h"

namespace
{
using qzui::Hook;

/* The driver's schedule of one timer. */
struct TimerSchedule
{
    int period;
    uint64_t due;
    uint64_t sequence;
};

struct State
{
    std::vector<_FCWindowController_cocoa*> bridges;
    std::map<const _FCWindowController_cocoa*, int> numbers;
    std::map<const _FCWindowController_cocoa*, int> repaints;
    std::map<NSTimer*, TimerSchedule> timers;
    std::string layoutFolder;
    int windowNumbers = 0;
    uint64_t now = 0;
    uint64_t timerSequence = 0;
    int beeps = 0;
    bool driver = false;
    bool started = false;
    bool noDisplayReported = false;
    Hook<qzui_alert_fn> alert;
    Hook<qzui_beep_fn> beep;
    Hook<qzui_log_fn> log;
    Hook<qzui_modal_fn> modal;
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
        if (!name || !*name) return;
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
        if (_pDisplay && close) close(_pDisplay);
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
    if (pFile) std::fclose(pFile);
    return pFile != nullptr;
}

std::string ModuleFolder()
{
    static const char kAnchor = 0;
    Dl_info info;
    if (dladdr(&kAnchor, &info) == 0 || !info.dli_fname) return {};
    std::string path = info.dli_fname;
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

/* The earliest timer due at or before the limit, over every loaded window;
   at equal times the one created first. */
NSTimer* NextDue(uint64_t limit)
{
    NSTimer* pBest = nil;
    const TimerSchedule* pBestSchedule = nullptr;
    for (std::map<NSTimer*, TimerSchedule>::iterator it = Get().timers.begin(); it != Get().timers.end(); ++it) {
        const TimerSchedule& schedule = it->second;
        if (schedule.due > limit || ![it->first isValid]) continue;
        if (pBestSchedule && (schedule.due > pBestSchedule->due ||
                              (schedule.due == pBestSchedule->due && schedule.sequence > pBestSchedule->sequence)))
            continue;
        pBest = it->first;
        pBestSchedule = &schedule;
    }
    return pBest;
}

/* A timer of a driver's clock never falls due on the run loop: GNUstep's
   performClick: and alert panels run the default mode for a moment, which
   would otherwise fire a timer in the middle of a press. The driver fires it
   with -fire, which leaves a repeating timer's own date alone. */
void Park(NSTimer* pTimer) { [pTimer setFireDate:[NSDate distantFuture]]; }

void AttachDriver()
{
    if (Get().driver) return;
    Get().driver = true;
    for (std::map<NSTimer*, TimerSchedule>::iterator it = Get().timers.begin(); it != Get().timers.end(); ++it)
        if ([it->first isValid]) Park(it->first);
}

void Fire(NSTimer* pTimer, uint64_t nextDue)
{
    Get().timers[pTimer].due = nextDue;
    [pTimer retain]; /* the handler may kill the timer */
    [pTimer fire];
    [pTimer release];
}
} // namespace

namespace CocoaRuntime
{
bool StartApplication()
{
    State& state = Get();
    if (state.started) return true;
    DisplayProbe probe;
    if (!probe.Available()) {
        if (!state.noDisplayReported) qzui::ReportSystemLog("no display: run under xvfb-run, or use the terminal mode");
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
    state.started = true;
    return true;
}

NSString* LayoutPath(int layoutID)
{
    std::vector<std::string> names(1, "/" + std::to_string(layoutID) + ".xib");
    std::vector<std::string> folders;
    if (!Get().layoutFolder.empty()) folders.push_back(Get().layoutFolder);
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

void Register(_FCWindowController_cocoa* pBridge) { Get().bridges.push_back(pBridge); }

void Unregister(_FCWindowController_cocoa* pBridge)
{
    std::vector<_FCWindowController_cocoa*>& bridges = Get().bridges;
    bridges.erase(std::remove(bridges.begin(), bridges.end(), pBridge), bridges.end());
    WindowReleased(pBridge);
}

void WindowLoaded(_FCWindowController_cocoa* pBridge)
{
    Get().numbers[pBridge] = ++Get().windowNumbers;
    Get().repaints[pBridge] = 0;
}

void WindowReleased(_FCWindowController_cocoa* pBridge)
{
    Get().numbers.erase(pBridge);
    Get().repaints.erase(pBridge);
}

std::vector<_FCWindowController_cocoa*> LoadedBridges()
{
    std::vector<std::pair<int, _FCWindowController_cocoa*>> loaded;
    for (size_t i = 0; i < Get().bridges.size(); ++i)
        if (int number = NumberOf(Get().bridges[i])) loaded.push_back(std::make_pair(number, Get().bridges[i]));
    std::sort(loaded.begin(), loaded.end());
    std::vector<_FCWindowController_cocoa*> result;
    for (size_t i = 0; i < loaded.size(); ++i)
        result.push_back(loaded[i].second);
    return result;
}

_FCWindowController_cocoa* FindBridge(int windowNumber)
{
    if (windowNumber <= 0) return nullptr;
    for (std::map<const _FCWindowController_cocoa*, int>::iterator it = Get().numbers.begin();
         it != Get().numbers.end(); ++it)
        if (it->second == windowNumber) return const_cast<_FCWindowController_cocoa*>(it->first);
    return nullptr;
}

int NumberOf(const _FCWindowController_cocoa* pBridge)
{
    std::map<const _FCWindowController_cocoa*, int>::iterator found = Get().numbers.find(pBridge);
    return found == Get().numbers.end() ? 0 : found->second;
}

NSWindow* WindowOf(const _FCWindowController_cocoa* pBridge)
{
    if (!pBridge || !pBridge->_GetController()) return nil;
    return [QZ_AS(NSWindowController, pBridge->_GetController()) window];
}

void CountRepaint(const _FCWindowController_cocoa* pBridge)
{
    if (NumberOf(pBridge)) ++Get().repaints[pBridge];
}

int Repaints(const _FCWindowController_cocoa* pBridge)
{
    std::map<const _FCWindowController_cocoa*, int>::iterator found = Get().repaints.find(pBridge);
    return found == Get().repaints.end() ? -1 : found->second;
}

/* ---- The driver's clock ---- */

void TimerCreated(NSTimer* pTimer, int periodMs)
{
    int period = std::max(1, periodMs);
    TimerSchedule schedule = {period, Get().now + static_cast<uint64_t>(period), ++Get().timerSequence};
    Get().timers[pTimer] = schedule;
    if (Get().driver) Park(pTimer);
}

void TimerKilled(NSTimer* pTimer) { Get().timers.erase(pTimer); }

uint64_t Now() { return Get().now; }

int Advance(uint64_t milliseconds)
{
    CocoaPool pool;
    AttachDriver();
    const uint64_t limit = Get().now + milliseconds;
    int fired = 0;
    while (NSTimer* pTimer = NextDue(limit)) {
        const TimerSchedule schedule = Get().timers[pTimer];
        Get().now = schedule.due;
        Fire(pTimer, schedule.due + static_cast<uint64_t>(schedule.period));
        ++fired;
    }
    Get().now = limit;
    Pump(static_cast<double>(milliseconds) / 1000.0);
    return fired;
}

int FireAll()
{
    CocoaPool pool;
    AttachDriver();
    int fired = 0;
    /* Each timer once, earliest due first, counted from now again. */
    typedef std::pair<std::pair<uint64_t, uint64_t>, NSTimer*> Entry;
    std::vector<Entry> order;
    for (std::map<NSTimer*, TimerSchedule>::iterator it = Get().timers.begin(); it != Get().timers.end(); ++it)
        if ([it->first isValid]) order.push_back(Entry(std::make_pair(it->second.due, it->second.sequence), it->first));
    std::sort(order.begin(), order.end());
    for (size_t i = 0; i < order.size(); ++i) {
        NSTimer* pTimer = order[i].second;
        std::map<NSTimer*, TimerSchedule>::iterator found = Get().timers.find(pTimer);
        if (found == Get().timers.end() || ![pTimer isValid]) continue;
        Fire(pTimer, Get().now + static_cast<uint64_t>(found->second.period));
        ++fired;
    }
    return fired;
}

void Pump(double seconds)
{
    if (!Get().started) return;
    CocoaPool pool;
    NSDate* limit = [NSDate dateWithTimeIntervalSinceNow:seconds];
    do {
        NSEvent* event = [NSApp nextEventMatchingMask:NSAnyEventMask
                                            untilDate:limit
                                               inMode:NSEventTrackingRunLoopMode
                                              dequeue:YES];
        if (event) [NSApp sendEvent:event];
    } while ([limit timeIntervalSinceNow] > 0);
}

/* ---- Driver callbacks ---- */

bool DriverAttached() { return Get().driver; }

void SetAlertHandler(qzui_alert_fn fn, void* context)
{
    AttachDriver();
    Get().alert.Set(fn, context);
}

void SetBeepHandler(qzui_beep_fn fn, void* context)
{
    AttachDriver();
    Get().beep.Set(fn, context);
}

void SetLogHandler(qzui_log_fn fn, void* context)
{
    AttachDriver();
    Get().log.Set(fn, context);
}

void SetModalHandler(qzui_modal_fn fn, void* context)
{
    AttachDriver();
    Get().modal.Set(fn, context);
}

int BeepCount() { return Get().beeps; }

bool ModalStep(int windowNumber)
{
    const Hook<qzui_modal_fn>& modal = Get().modal;
    return modal.fn && modal.fn(modal.context, windowNumber) == 0;
}
void SetRequestHandler(RequestFn fn, void* context)
{
    AttachDriver();
    Get().request.Set(fn, context);
}

bool ReportRequest(int what, const char* argument, int number)
{
    const Hook<RequestFn>& request = Get().request;
    if (!request.fn) return false;
    request.fn(request.context, what, argument ? argument : "", number);
    return true;
}

void SetDecimalSeparator(const char* separator)
{
    AttachDriver();
    Get().separatorSet = separator != nullptr;
    Get().separator = separator ? separator : "";
}

bool DecimalSeparatorOverride(std::string* pSeparator)
{
    if (Get().separatorSet) *pSeparator = Get().separator;
    return Get().separatorSet;
}
} // namespace CocoaRuntime

namespace qzui
{
int ReportAlert(int kind, const char* title, const char* message, const char* const* buttons, int buttonCount,
                int defaultAnswer)
{
    const Hook<qzui_alert_fn>& alert = Get().alert;
    if (!alert.fn) return defaultAnswer;
    return alert.fn(alert.context, kind, title ? title : "", message ? message : "", buttons, buttonCount);
}

void ReportBeep()
{
    ++Get().beeps;
    const Hook<qzui_beep_fn>& beep = Get().beep;
    if (beep.fn) beep.fn(beep.context);
}

void ReportSystemLog(const char* line)
{
    if (!line) return;
    const Hook<qzui_log_fn>& log = Get().log;
    if (log.fn)
        log.fn(log.context, line);
    else
        std::fprintf(stderr, "%s\n", line);
}
} // namespace qzui
