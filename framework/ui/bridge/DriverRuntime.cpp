/* The driver's calls that the shared runtime and the bridge answer: windows
 * by number, their frames and states, timers, the clock and the callbacks. */
#include "ui/driver/qzui_driver.h"

#include <cstddef>
#include <cstring>
#include <vector>

#include "ui/_FCWindowController_cocoa.h"
#include "ui/__FCUserWindow.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/WindowBackend.h"

namespace
{
/* -1 when the window does not exist, else 1 or 0. */
int Flag(bool exists, bool value) { return exists ? (value ? 1 : 0) : -1; }

/* Menus deeper than this are refused (a cycle in the driver's tree). */
constexpr int kMaxMenuDepth = 16;

bool ValidMenu(const qzui_menu* pMenu, int depth)
{
    if (depth > kMaxMenuDepth || pMenu->count < 0 || (pMenu->count > 0 && !pMenu->items))
        return false;
    for (int i = 0; i < pMenu->count; ++i)
        if (pMenu->items[i].submenu && !ValidMenu(pMenu->items[i].submenu, depth + 1))
            return false;
    return true;
}
} // namespace

int qzui::CopyOut(const std::string& text, char* buf, int size)
{
    if (buf && size > 0) {
        size_t n = text.size() < static_cast<size_t>(size - 1) ? text.size() : static_cast<size_t>(size - 1);
        while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
        std::memcpy(buf, text.data(), n);
        buf[n] = '\0';
    }
    return static_cast<int>(text.size());
}

/* ---- Windows ---- */

int qzui_window_count(void) { return static_cast<int>(BridgeRuntime::LoadedBridges().size()); }

int qzui_window_at(int index)
{
    std::vector<_FCWindowController_cocoa*> loaded = BridgeRuntime::LoadedBridges();
    if (index < 0 || index >= static_cast<int>(loaded.size()))
        return 0;
    return BridgeRuntime::NumberOf(loaded[static_cast<size_t>(index)]);
}

int qzui_find_window(int layout_id)
{
    int found = 0;
    for (_FCWindowController_cocoa* pBridge : BridgeRuntime::LoadedBridges())
        if (pBridge->_GetLayoutID() == layout_id)
            found = BridgeRuntime::NumberOf(pBridge);
    return found;
}

int qzui_window_layout_id(int window)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return pBridge ? pBridge->_GetLayoutID() : -1;
}

int qzui_window_frame(int window, qzui_rect* frame)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge || !frame)
        return QZUI_E_NO_WINDOW;
    __FloatRect rect;
    pBridge->GetWindowFrameRect(&rect);
    *frame = qzui_rect{rect.left, rect.top, rect.Width(), rect.Height()};
    return QZUI_OK;
}

int qzui_move_window(int window, const qzui_rect* frame)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return QZUI_E_NO_WINDOW;
    if (!frame)
        return QZUI_E_RANGE;
    __FloatRect rect{frame->top, frame->left, frame->top + frame->height, frame->left + frame->width};
    pBridge->SetWindowFrameRect(&rect);
    return QZUI_OK;
}

int qzui_window_shaded(int window)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return Flag(pBridge != nullptr, pBridge && pBridge->_GetWindow() && pBridge->_GetWindow()->IsShaded());
}

int qzui_window_modal(int window)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return Flag(pBridge != nullptr, pBridge && pBridge->_IsModalRequested());
}

/* ---- Timers and the clock ---- */

int qzui_timer_count(int window)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return pBridge ? BridgeRuntime::TimerCount(pBridge) : -1;
}

int qzui_timer_info(int window, int index, int* timer_id, int* period_ms)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return pBridge && BridgeRuntime::TimerAt(pBridge, index, timer_id, period_ms) ? QZUI_OK : QZUI_E_RANGE;
}

uint64_t qzui_clock_now(void) { return BridgeRuntime::Now(); }
int qzui_advance_clock(uint64_t milliseconds) { return BridgeRuntime::Advance(milliseconds); }
int qzui_fire_timers(void) { return BridgeRuntime::FireAll(); }

/* ---- Callbacks ---- */

void qzui_set_alert_callback(qzui_alert_fn fn, void* context) { BridgeRuntime::SetAlertHandler(fn, context); }
void qzui_set_beep_callback(qzui_beep_fn fn, void* context) { BridgeRuntime::SetBeepHandler(fn, context); }
void qzui_set_log_callback(qzui_log_fn fn, void* context) { BridgeRuntime::SetLogHandler(fn, context); }
void qzui_set_modal_callback(qzui_modal_fn fn, void* context) { BridgeRuntime::SetModalHandler(fn, context); }
int qzui_beep_count(void) { return BridgeRuntime::BeepCount(); }

int qzui_pasteboard_text(char* buf, int size)
{
    std::string text;
    return WindowBackend::PasteboardText(&text) ? qzui::CopyOut(text, buf, size) : -1;
}

int qzui_pasteboard_change_count(void) { return WindowBackend::PasteboardChanges(); }

int qzui_set_main_menu(const qzui_menu* menu)
{
    if (menu && !ValidMenu(menu, 0))
        return QZUI_E_RANGE;
    return WindowBackend::SetMainMenu(menu) ? QZUI_OK : QZUI_E_NO_WINDOW;
}
