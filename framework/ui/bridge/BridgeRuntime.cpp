#include "ui/bridge/BridgeRuntime.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>

#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/WindowBackend.h"

namespace
{
using qzui::Hook;

/* One running timer of a bridge. */
struct Timer
{
    _FCWindowController_cocoa* pBridge;
    int id;
    int period;        /* milliseconds, at least 1 */
    uint64_t due;      /* clock time of the next expiry */
    uint64_t sequence; /* creation order, to fire simultaneous timers in order */
};

bool DueBefore(const Timer& a, const Timer& b) { return a.due != b.due ? a.due < b.due : a.sequence < b.sequence; }

struct State
{
    std::vector<_FCWindowController_cocoa*> bridges;
    std::map<const _FCWindowController_cocoa*, int> numbers;
    std::map<const _FCWindowController_cocoa*, int> repaints;
    std::vector<Timer> timers; /* in creation order */
    int windowNumbers = 0;
    uint64_t now = 0;
    uint64_t timerSequence = 0;
    int beeps = 0;
    bool driver = false;
    void (*clockListener)(uint64_t) = nullptr;
    BridgeRuntime::TimerHooks timerHooks = {nullptr, nullptr};
    Hook<qzui_alert_fn> alert;
    Hook<qzui_beep_fn> beep;
    Hook<qzui_log_fn> log;
    Hook<qzui_modal_fn> modal;
    Hook<qzui_file_fn> file;
    Hook<qzui_request_fn> request;
    bool separatorSet = false;
    std::string separator;
};

State& Get()
{
    static State state;
    return state;
}

template <class Pred>
Timer* FindTimer(Pred pred)
{
    std::vector<Timer>& timers = Get().timers;
    auto found = std::find_if(timers.begin(), timers.end(), pred);
    return found == timers.end() ? nullptr : &*found;
}

Timer* TimerOf(const _FCWindowController_cocoa* pBridge, int timerID)
{
    return FindTimer([=](const Timer& timer) { return timer.pBridge == pBridge && timer.id == timerID; });
}

/* The bridge's timers, in creation order. */
std::vector<Timer> TimersOf(const _FCWindowController_cocoa* pBridge)
{
    std::vector<Timer> found;
    std::copy_if(Get().timers.begin(), Get().timers.end(), std::back_inserter(found),
                 [=](const Timer& timer) { return timer.pBridge == pBridge; });
    return found;
}

/* Each handler in a scope of its own (a backend's autorelease pool). */
void Fire(_FCWindowController_cocoa* pBridge, int timerID)
{
    WindowBackend::Scope scope;
    pBridge->Notify_Timer(timerID);
}

/* A driver registering a callback attaches. */
template <class Fn>
void Attach(Hook<Fn>& hook, Fn fn, void* context)
{
    BridgeRuntime::AttachDriver();
    hook.Set(fn, context);
}

const char* OrEmpty(const char* text) { return text ? text : ""; }
} // namespace

namespace BridgeRuntime
{
void Register(_FCWindowController_cocoa* pBridge) { Get().bridges.push_back(pBridge); }

void Unregister(_FCWindowController_cocoa* pBridge)
{
    std::vector<_FCWindowController_cocoa*>& bridges = Get().bridges;
    bridges.erase(std::remove(bridges.begin(), bridges.end(), pBridge), bridges.end());
    WindowReleased(pBridge);
    RemoveTimers(pBridge);
}

int WindowLoaded(_FCWindowController_cocoa* pBridge) { return Get().numbers[pBridge] = ++Get().windowNumbers; }

void WindowReleased(_FCWindowController_cocoa* pBridge)
{
    Get().numbers.erase(pBridge);
    Get().repaints.erase(pBridge);
}

int NumberOf(const _FCWindowController_cocoa* pBridge)
{
    auto found = Get().numbers.find(pBridge);
    return found == Get().numbers.end() ? 0 : found->second;
}

_FCWindowController_cocoa* FindBridge(int windowNumber)
{
    for (const auto& entry : Get().numbers)
        if (entry.second == windowNumber)
            return const_cast<_FCWindowController_cocoa*>(entry.first);
    return nullptr;
}

std::vector<_FCWindowController_cocoa*> LoadedBridges()
{
    std::vector<_FCWindowController_cocoa*> loaded;
    std::copy_if(Get().bridges.begin(), Get().bridges.end(), std::back_inserter(loaded), NumberOf);
    std::sort(loaded.begin(), loaded.end(), [](const _FCWindowController_cocoa* a, const _FCWindowController_cocoa* b) {
        return NumberOf(a) < NumberOf(b);
    });
    return loaded;
}

void ReportPress(_FCWindowController_cocoa* pBridge, int tag)
{
    if (tag == 1)
        pBridge->Notify_OkButtonPressed();
    else if (tag == 2)
        pBridge->Notify_CancelButtonPressed();
    else if (tag != 0)
        pBridge->Notify_ButtonPressed(tag);
}

void ReportSwitch(_FCWindowController_cocoa* pBridge, int tag, int segment)
{
    const int window = NumberOf(pBridge);
    pBridge->Notify_HandleSwitcherSelect(tag, segment);
    if ((pBridge = FindBridge(window)))
        pBridge->Notify_HandleCommand(tag);
}

void CountRepaint(const _FCWindowController_cocoa* pBridge) { ++Get().repaints[pBridge]; }

int Repaints(const _FCWindowController_cocoa* pBridge)
{
    const auto found = Get().repaints.find(pBridge);
    return found == Get().repaints.end() ? 0 : found->second;
}

/* ---- Timers ---- */

void SetTimerHooks(const TimerHooks& hooks) { Get().timerHooks = hooks; }

bool AddTimer(_FCWindowController_cocoa* pBridge, int timerID, int milliseconds)
{
    if (HasTimer(pBridge, timerID))
        return false;
    const int period = std::max(1, milliseconds);
    Get().timers.push_back(
        Timer{pBridge, timerID, period, Get().now + static_cast<uint64_t>(period), ++Get().timerSequence});
    if (Get().timerHooks.created)
        Get().timerHooks.created(pBridge, timerID, milliseconds);
    return true;
}

void RemoveTimer(_FCWindowController_cocoa* pBridge, int timerID)
{
    Timer* pTimer = TimerOf(pBridge, timerID);
    if (!pTimer)
        return;
    Get().timers.erase(Get().timers.begin() + (pTimer - Get().timers.data()));
    if (Get().timerHooks.killed)
        Get().timerHooks.killed(pBridge, timerID);
}

void RemoveTimers(_FCWindowController_cocoa* pBridge)
{
    for (const Timer& timer : TimersOf(pBridge))
        RemoveTimer(pBridge, timer.id);
}

bool HasTimer(const _FCWindowController_cocoa* pBridge, int timerID) { return TimerOf(pBridge, timerID) != nullptr; }

int TimerCount(const _FCWindowController_cocoa* pBridge) { return static_cast<int>(TimersOf(pBridge).size()); }

bool TimerAt(const _FCWindowController_cocoa* pBridge, int index, int* pTimerID, int* pPeriod)
{
    std::vector<Timer> timers = TimersOf(pBridge);
    if (index < 0 || index >= static_cast<int>(timers.size()))
        return false;
    if (pTimerID)
        *pTimerID = timers[static_cast<size_t>(index)].id;
    if (pPeriod)
        *pPeriod = timers[static_cast<size_t>(index)].period;
    return true;
}

uint64_t Now() { return Get().now; }

int Advance(uint64_t milliseconds)
{
    AttachDriver();
    const uint64_t limit = Get().now + milliseconds;
    int fired = 0;
    for (;;) {
        /* The earliest timer of a loaded window due by the limit. */
        Timer* pTimer = nullptr;
        for (Timer& timer : Get().timers)
            if (timer.due <= limit && NumberOf(timer.pBridge) && (!pTimer || DueBefore(timer, *pTimer)))
                pTimer = &timer;
        if (!pTimer)
            break;
        Get().now = std::max(Get().now, pTimer->due);
        pTimer->due += static_cast<uint64_t>(pTimer->period);
        ++fired;
        /* The handler may create or kill timers or close windows: nothing
           found above is used after this call. */
        Fire(pTimer->pBridge, pTimer->id);
    }
    Get().now = limit;
    if (Get().clockListener)
        Get().clockListener(milliseconds);
    return fired;
}

int FireAll()
{
    AttachDriver();
    /* Each timer once: the set is taken before any handler runs, and a timer
       is fired only while it still exists. */
    std::vector<Timer> pending;
    std::copy_if(Get().timers.begin(), Get().timers.end(), std::back_inserter(pending),
                 [](const Timer& timer) { return NumberOf(timer.pBridge) != 0; });
    std::sort(pending.begin(), pending.end(), DueBefore);
    int fired = 0;
    for (const Timer& entry : pending) {
        Timer* pTimer = FindTimer([&](const Timer& timer) { return timer.sequence == entry.sequence; });
        if (!pTimer || !NumberOf(entry.pBridge))
            continue;
        pTimer->due = Get().now + static_cast<uint64_t>(pTimer->period);
        ++fired;
        Fire(entry.pBridge, entry.id);
    }
    return fired;
}

void SetClockListener(void (*listener)(uint64_t)) { Get().clockListener = listener; }

/* ---- The driver ---- */

bool DriverAttached() { return Get().driver; }

void AttachDriver() { Get().driver = true; }

void SetAlertHandler(qzui_alert_fn fn, void* context) { Attach(Get().alert, fn, context); }
void SetBeepHandler(qzui_beep_fn fn, void* context) { Attach(Get().beep, fn, context); }
void SetLogHandler(qzui_log_fn fn, void* context) { Attach(Get().log, fn, context); }
void SetModalHandler(qzui_modal_fn fn, void* context) { Attach(Get().modal, fn, context); }
int BeepCount() { return Get().beeps; }

bool ModalStep(int windowNumber)
{
    const Hook<qzui_modal_fn>& modal = Get().modal;
    return modal.fn && modal.fn(modal.context, windowNumber) == 0;
}
} // namespace BridgeRuntime

void qzui_set_file_callback(qzui_file_fn fn, void* context) { Attach(Get().file, fn, context); }
void qzui_set_request_callback(qzui_request_fn fn, void* context) { Attach(Get().request, fn, context); }

void qzui_set_decimal_separator(const char* separator)
{
    BridgeRuntime::AttachDriver();
    Get().separatorSet = separator != nullptr;
    Get().separator = OrEmpty(separator);
}

namespace qzui
{
int ReportAlert(int kind, const char* title, const char* message, const char* const* buttons, int buttonCount,
                int defaultAnswer)
{
    const Hook<qzui_alert_fn>& alert = Get().alert;
    if (alert.fn)
        return alert.fn(alert.context, kind, OrEmpty(title), OrEmpty(message), buttons, buttonCount);
    std::fprintf(stderr, "[alert] %s: %s [", OrEmpty(title), OrEmpty(message));
    for (int i = 0; i < buttonCount; ++i)
        std::fprintf(stderr, "%s%s", i ? " | " : "", buttons ? OrEmpty(buttons[i]) : "");
    std::fprintf(stderr, "]\n");
    return defaultAnswer;
}

void ReportBeep()
{
    ++Get().beeps;
    const Hook<qzui_beep_fn>& beep = Get().beep;
    if (beep.fn)
        beep.fn(beep.context);
}

void ReportSystemLog(const char* line)
{
    const Hook<qzui_log_fn>& log = Get().log;
    if (!line)
        return;
    if (log.fn)
        log.fn(log.context, line);
    else
        std::fprintf(stderr, "%s\n", line);
}

int ReportFileChoice(int what, const char* title, const char* name, const char* extension, std::string* pPath)
{
    const Hook<qzui_file_fn>& file = Get().file;
    if (!file.fn) {
        std::fprintf(stderr, "[file] %s %s: %s (cancelled)\n", what == QZUI_FILE_SAVE ? "save" : "open", OrEmpty(title),
                     OrEmpty(name));
        return QZUI_FILE_CANCEL;
    }
    const char* path = nullptr;
    const int answer = file.fn(file.context, what, OrEmpty(title), OrEmpty(name), OrEmpty(extension), &path);
    if (answer == QZUI_FILE_ASK_USER)
        return answer;
    if (answer != QZUI_FILE_CHOSEN || !path || !*path)
        return QZUI_FILE_CANCEL;
    if (pPath)
        *pPath = path;
    return QZUI_FILE_CHOSEN;
}

bool ReportRequest(int what, const char* argument, int number)
{
    const Hook<qzui_request_fn>& request = Get().request;
    if (request.fn)
        request.fn(request.context, what, OrEmpty(argument), number);
    return request.fn != nullptr;
}

bool DecimalSeparatorOverride(std::string* pSeparator)
{
    if (Get().separatorSet)
        *pSeparator = Get().separator;
    return Get().separatorSet;
}
} // namespace qzui
