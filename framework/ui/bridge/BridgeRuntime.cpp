#include "ui/bridge/BridgeRuntime.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "ui/_FCWindowController_cocoa.h"

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

struct State
{
    std::vector<_FCWindowController_cocoa*> bridges;
    std::map<const _FCWindowController_cocoa*, int> numbers;
    std::vector<Timer> timers;
    int windowNumbers = 0;
    uint64_t now = 0;
    uint64_t timerSequence = 0;
    int beeps = 0;
    bool driver = false;
    void (*attachListener)() = nullptr;
    void (*clockListener)(uint64_t) = nullptr;
    void* (*scopeEnter)() = nullptr;
    void (*scopeLeave)(void*) = nullptr;
    BridgeRuntime::TimerHooks timerHooks = {nullptr, nullptr};
    Hook<qzui_alert_fn> alert;
    Hook<qzui_beep_fn> beep;
    Hook<qzui_log_fn> log;
    Hook<qzui_modal_fn> modal;
};

State& Get()
{
    static State state;
    return state;
}

Timer* FindTimer(const _FCWindowController_cocoa* pBridge, uint64_t sequence)
{
    for (Timer& timer : Get().timers)
        if (timer.pBridge == pBridge && timer.sequence == sequence)
            return &timer;
    return nullptr;
}

/* The earliest timer of a loaded window due at or before the limit. */
Timer* NextDue(uint64_t limit)
{
    Timer* pBest = nullptr;
    for (Timer& timer : Get().timers) {
        if (timer.due > limit || !BridgeRuntime::NumberOf(timer.pBridge))
            continue;
        if (pBest && (timer.due > pBest->due || (timer.due == pBest->due && timer.sequence > pBest->sequence)))
            continue;
        pBest = &timer;
    }
    return pBest;
}

void Fire(_FCWindowController_cocoa* pBridge, int timerID)
{
    void* scope = Get().scopeEnter ? Get().scopeEnter() : nullptr;
    pBridge->Notify_Timer(timerID);
    if (Get().scopeLeave)
        Get().scopeLeave(scope);
}

template <class Pred>
void EraseTimers(Pred pred)
{
    std::vector<Timer>& timers = Get().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(), pred), timers.end());
}

std::vector<const Timer*> TimersOf(const _FCWindowController_cocoa* pBridge)
{
    std::vector<const Timer*> found;
    for (const Timer& timer : Get().timers)
        if (timer.pBridge == pBridge)
            found.push_back(&timer);
    return found;
}
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

void WindowReleased(_FCWindowController_cocoa* pBridge) { Get().numbers.erase(pBridge); }

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
    std::vector<std::pair<int, _FCWindowController_cocoa*>> loaded;
    for (_FCWindowController_cocoa* pBridge : Get().bridges)
        if (int number = NumberOf(pBridge))
            loaded.emplace_back(number, pBridge);
    std::sort(loaded.begin(), loaded.end());
    std::vector<_FCWindowController_cocoa*> result;
    for (const auto& entry : loaded)
        result.push_back(entry.second);
    return result;
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
    if (!HasTimer(pBridge, timerID))
        return;
    EraseTimers([=](const Timer& timer) { return timer.pBridge == pBridge && timer.id == timerID; });
    if (Get().timerHooks.killed)
        Get().timerHooks.killed(pBridge, timerID);
}

void RemoveTimers(_FCWindowController_cocoa* pBridge)
{
    for (const Timer* pTimer : TimersOf(pBridge)) {
        const int timerID = pTimer->id;
        if (Get().timerHooks.killed)
            Get().timerHooks.killed(pBridge, timerID);
    }
    EraseTimers([=](const Timer& timer) { return timer.pBridge == pBridge; });
}

bool HasTimer(const _FCWindowController_cocoa* pBridge, int timerID)
{
    const std::vector<Timer>& timers = Get().timers;
    return std::any_of(timers.begin(), timers.end(),
                       [=](const Timer& timer) { return timer.pBridge == pBridge && timer.id == timerID; });
}

int TimerCount(const _FCWindowController_cocoa* pBridge) { return static_cast<int>(TimersOf(pBridge).size()); }

bool TimerAt(const _FCWindowController_cocoa* pBridge, int index, int* pTimerID, int* pPeriod)
{
    std::vector<const Timer*> timers = TimersOf(pBridge);
    if (index < 0 || index >= static_cast<int>(timers.size()))
        return false;
    if (pTimerID)
        *pTimerID = timers[static_cast<size_t>(index)]->id;
    if (pPeriod)
        *pPeriod = timers[static_cast<size_t>(index)]->period;
    return true;
}

uint64_t Now() { return Get().now; }

void SetClockListener(void (*listener)(uint64_t)) { Get().clockListener = listener; }

void SetTimerScope(void* (*enter)(), void (*leave)(void*))
{
    Get().scopeEnter = enter;
    Get().scopeLeave = leave;
}

int Advance(uint64_t milliseconds)
{
    AttachDriver();
    const uint64_t limit = Get().now + milliseconds;
    int fired = 0;
    while (Timer* pTimer = NextDue(limit)) {
        Get().now = std::max(Get().now, pTimer->due);
        pTimer->due += static_cast<uint64_t>(pTimer->period);
        _FCWindowController_cocoa* pBridge = pTimer->pBridge;
        const int timerID = pTimer->id;
        ++fired;
        /* The handler may create or kill timers or close windows: nothing
           found above is used after this call. */
        Fire(pBridge, timerID);
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
    for (const Timer& timer : Get().timers)
        if (NumberOf(timer.pBridge))
            pending.push_back(timer);
    std::sort(pending.begin(), pending.end(),
              [](const Timer& a, const Timer& b) { return a.due != b.due ? a.due < b.due : a.sequence < b.sequence; });
    int fired = 0;
    for (const Timer& entry : pending) {
        Timer* pTimer = FindTimer(entry.pBridge, entry.sequence);
        if (!pTimer || !NumberOf(entry.pBridge))
            continue;
        pTimer->due = Get().now + static_cast<uint64_t>(pTimer->period);
        ++fired;
        Fire(entry.pBridge, entry.id);
    }
    return fired;
}

/* ---- The driver ---- */

bool DriverAttached() { return Get().driver; }

void AttachDriver()
{
    if (Get().driver)
        return;
    Get().driver = true;
    if (Get().attachListener)
        Get().attachListener();
}

void SetAttachListener(void (*listener)()) { Get().attachListener = listener; }

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

bool HasAlertHandler() { return Get().alert.fn != nullptr; }

int BeepCount() { return Get().beeps; }

bool ModalStep(int windowNumber)
{
    const Hook<qzui_modal_fn>& modal = Get().modal;
    return modal.fn && modal.fn(modal.context, windowNumber) == 0;
}
} // namespace BridgeRuntime

namespace qzui
{
int ReportAlert(int kind, const char* title, const char* message, const char* const* buttons, int buttonCount,
                int defaultAnswer)
{
    const Hook<qzui_alert_fn>& alert = Get().alert;
    if (alert.fn)
        return alert.fn(alert.context, kind, title ? title : "", message ? message : "", buttons, buttonCount);
    /* Nothing is shown silently: without a driver the alert goes to standard
       error, answered with its default button. */
    std::fprintf(stderr, "[alert] %s: %s [", title ? title : "", message ? message : "");
    for (int i = 0; i < buttonCount; ++i)
        std::fprintf(stderr, "%s%s", i ? " | " : "", buttons && buttons[i] ? buttons[i] : "");
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
    if (!line)
        return;
    const Hook<qzui_log_fn>& log = Get().log;
    if (log.fn)
        log.fn(log.context, line);
    else
        std::fprintf(stderr, "%s\n", line);
}
} // namespace qzui
