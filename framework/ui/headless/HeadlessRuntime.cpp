#include "HeadlessRuntime.h"

#include <algorithm>
#include <cstdio>

#include "HeadlessWindow.h"
#include "_FCWindowController_cocoa.h"
#include "qzui_hooks.h"

namespace
{
struct State
{
    std::vector<_FCWindowController_cocoa*> bridges;
    _FCWindowController_cocoa* pMain = nullptr;
    uint64_t now = 0;
    uint64_t timerSequence = 0;
    int windowNumbers = 0;
    int beeps = 0;
    qzui_alert_fn alert = nullptr;
    void* alertContext = nullptr;
    qzui_beep_fn beep = nullptr;
    void* beepContext = nullptr;
    qzui_log_fn log = nullptr;
    void* logContext = nullptr;
    qzui_modal_fn modal = nullptr;
    void* modalContext = nullptr;
};

State& Get()
{
    static State state;
    return state;
}

std::vector<HeadlessTimer>* TimersOf(_FCWindowController_cocoa* pBridge)
{
    if (!pBridge->IsWindowLoaded()) return nullptr;
    return static_cast<std::vector<HeadlessTimer>*>(pBridge->_GetTimers());
}

/* The earliest timer due at or before the limit, over every loaded window. */
bool NextDue(uint64_t limit, _FCWindowController_cocoa** ppBridge, HeadlessTimer** ppTimer)
{
    *ppTimer = nullptr;
    for (_FCWindowController_cocoa* pBridge : Get().bridges)
    {
        std::vector<HeadlessTimer>* pTimers = TimersOf(pBridge);
        if (!pTimers) continue;
        for (HeadlessTimer& timer : *pTimers)
        {
            if (timer.due > limit) continue;
            if (*ppTimer && (timer.due > (*ppTimer)->due ||
                             (timer.due == (*ppTimer)->due && timer.sequence > (*ppTimer)->sequence)))
                continue;
            *ppTimer = &timer;
            *ppBridge = pBridge;
        }
    }
    return *ppTimer != nullptr;
}
} // namespace

namespace HeadlessRuntime
{
void Register(_FCWindowController_cocoa* pBridge) { Get().bridges.push_back(pBridge); }

void Unregister(_FCWindowController_cocoa* pBridge)
{
    auto& bridges = Get().bridges;
    bridges.erase(std::remove(bridges.begin(), bridges.end(), pBridge), bridges.end());
    if (Get().pMain == pBridge) Get().pMain = nullptr;
}

HeadlessWindow* WindowOf(const _FCWindowController_cocoa* pBridge)
{
    return pBridge ? static_cast<HeadlessWindow*>(pBridge->_GetController()) : nullptr;
}

std::vector<_FCWindowController_cocoa*> LoadedBridges()
{
    std::vector<_FCWindowController_cocoa*> loaded;
    for (_FCWindowController_cocoa* pBridge : Get().bridges)
        if (WindowOf(pBridge)) loaded.push_back(pBridge);
    std::sort(loaded.begin(), loaded.end(), [](auto* a, auto* b) { return WindowOf(a)->serial < WindowOf(b)->serial; });
    return loaded;
}

_FCWindowController_cocoa* FindBridge(int windowNumber)
{
    for (_FCWindowController_cocoa* pBridge : Get().bridges)
    {
        HeadlessWindow* pWindow = WindowOf(pBridge);
        if (pWindow && pWindow->serial == windowNumber) return pBridge;
    }
    return nullptr;
}

int NextWindowNumber() { return ++Get().windowNumbers; }

_FCWindowController_cocoa* MainBridge() { return Get().pMain; }
void SetMainBridge(_FCWindowController_cocoa* pBridge) { Get().pMain = pBridge; }

uint64_t Now() { return Get().now; }
uint64_t NextTimerSequence() { return ++Get().timerSequence; }

int Advance(uint64_t milliseconds)
{
    uint64_t target = Get().now + milliseconds;
    int fired = 0;
    _FCWindowController_cocoa* pBridge = nullptr;
    HeadlessTimer* pTimer = nullptr;
    while (NextDue(target, &pBridge, &pTimer))
    {
        Get().now = std::max(Get().now, pTimer->due);
        pTimer->due += static_cast<uint64_t>(pTimer->period);
        int id = pTimer->id;
        ++fired;
        /* The handler may create or kill timers or close windows: nothing
           found above is used after this call. */
        pBridge->Notify_Timer(id);
    }
    Get().now = target;
    return fired;
}

int BeepCount() { return Get().beeps; }

void SetAlertHandler(qzui_alert_fn fn, void* context)
{
    Get().alert = fn;
    Get().alertContext = context;
}

void SetBeepHandler(qzui_beep_fn fn, void* context)
{
    Get().beep = fn;
    Get().beepContext = context;
}

void SetLogHandler(qzui_log_fn fn, void* context)
{
    Get().log = fn;
    Get().logContext = context;
}

void SetModalHandler(qzui_modal_fn fn, void* context)
{
    Get().modal = fn;
    Get().modalContext = context;
}

bool ModalStep(int windowNumber)
{
    if (!Get().modal) return false;
    return Get().modal(Get().modalContext, windowNumber) == 0;
}
} // namespace HeadlessRuntime

namespace qzui
{
int ReportAlert(int kind, const char* title, const char* message, const char* const* buttons,
                int buttonCount, int defaultAnswer)
{
    if (!Get().alert) return defaultAnswer;
    return Get().alert(Get().alertContext, kind, title ? title : "", message ? message : "", buttons,
                       buttonCount);
}

void ReportBeep()
{
    ++Get().beeps;
    if (Get().beep) Get().beep(Get().beepContext);
}

void ReportSystemLog(const char* line)
{
    if (!line) return;
    if (Get().log)
        Get().log(Get().logContext, line);
    else
        std::fprintf(stderr, "%s\n", line);
}
} // namespace qzui
