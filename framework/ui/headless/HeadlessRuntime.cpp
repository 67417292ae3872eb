#include "ui/headless/HeadlessRuntime.h"

#include <algorithm>
#include <cstdio>

#include "ui/headless/HeadlessWindow.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/headless/qzui_hooks.h"

namespace
{
using qzui::Hook;

struct State
{
    std::vector<_FCWindowController_cocoa*> bridges;
    _FCWindowController_cocoa* pMain = nullptr;
    uint64_t now = 0;
    uint64_t timerSequence = 0;
    int windowNumbers = 0;
    int beeps = 0;
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

std::vector<HeadlessTimer>* TimersOf(_FCWindowController_cocoa* pBridge)
{
    if (!pBridge->IsWindowLoaded()) return nullptr;
    return static_cast<std::vector<HeadlessTimer>*>(pBridge->_GetTimers());
}

/* The earliest timer due at or before the limit, over every loaded window. */
bool NextDue(uint64_t limit, _FCWindowController_cocoa** ppBridge, HeadlessTimer** ppTimer)
{
    *ppTimer = nullptr;
    for (_FCWindowController_cocoa* pBridge : Get().bridges) {
        std::vector<HeadlessTimer>* pTimers = TimersOf(pBridge);
        if (!pTimers) continue;
        for (HeadlessTimer& timer : *pTimers) {
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
    for (_FCWindowController_cocoa* pBridge : Get().bridges) {
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
    while (NextDue(target, &pBridge, &pTimer)) {
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

int FireAll()
{
    /* Each timer once: the set is taken before any handler runs, and a timer
       is fired only while it still exists. */
    struct Pending
    {
        _FCWindowController_cocoa* pBridge;
        uint64_t sequence;
        uint64_t due;
    };
    std::vector<Pending> pending;
    for (_FCWindowController_cocoa* pBridge : Get().bridges)
        if (std::vector<HeadlessTimer>* pTimers = TimersOf(pBridge))
            for (const HeadlessTimer& timer : *pTimers)
                pending.push_back({pBridge, timer.sequence, timer.due});
    std::sort(pending.begin(), pending.end(), [](const Pending& a, const Pending& b) {
        return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
    });
    int fired = 0;
    for (const Pending& entry : pending) {
        auto& bridges = Get().bridges;
        if (std::find(bridges.begin(), bridges.end(), entry.pBridge) == bridges.end()) continue;
        std::vector<HeadlessTimer>* pTimers = TimersOf(entry.pBridge);
        if (!pTimers) continue;
        for (HeadlessTimer& timer : *pTimers) {
            if (timer.sequence != entry.sequence) continue;
            timer.due = Get().now + static_cast<uint64_t>(timer.period);
            ++fired;
            entry.pBridge->Notify_Timer(timer.id);
            break;
        }
    }
    return fired;
}

int BeepCount() { return Get().beeps; }

void SetAlertHandler(qzui_alert_fn fn, void* context) { Get().alert.Set(fn, context); }
void SetBeepHandler(qzui_beep_fn fn, void* context) { Get().beep.Set(fn, context); }
void SetLogHandler(qzui_log_fn fn, void* context) { Get().log.Set(fn, context); }
void SetModalHandler(qzui_modal_fn fn, void* context) { Get().modal.Set(fn, context); }

bool ModalStep(int windowNumber)
{
    const auto& modal = Get().modal;
    return modal.fn && modal.fn(modal.context, windowNumber) == 0;
}
} // namespace HeadlessRuntime

namespace qzui
{
int ReportAlert(int kind, const char* title, const char* message, const char* const* buttons, int buttonCount,
                int defaultAnswer)
{
    const auto& alert = Get().alert;
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
    const auto& beep = Get().beep;
    if (beep.fn) beep.fn(beep.context);
}

void ReportSystemLog(const char* line)
{
    if (!line) return;
    const auto& log = Get().log;
    if (log.fn)
        log.fn(log.context, line);
    else
        std::fprintf(stderr, "%s\n", line);
}
} // namespace qzui
