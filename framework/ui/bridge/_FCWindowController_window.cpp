/* The bridge's window: loading and releasing it, the modeless and modal
 * runs, closing, activation, caption and frames, over the backend's
 * primitive window operations; its timers and its not-yet-supported report,
 * kept by the shared runtime. */
#include <algorithm>
#include <cstdio>

#include "ui/_FCWindowController_cocoa.h"
#include "ui/__FCUserWindow.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/WindowBackend.h"

using WindowBackend::Scope;

_FCWindowController_cocoa::_FCWindowController_cocoa(__FCUserWindow* pWindow, int layoutID)
    : _windowopen(false), _layoutid(layoutID), _modalrun(false), _modalrequested(false), _pWindow(pWindow),
      _controller(nullptr), _timers(nullptr)
{
    BridgeRuntime::Register(this);
}

_FCWindowController_cocoa::~_FCWindowController_cocoa()
{
    DestroyWindow();
    WindowBackend::DeleteTimerList(_timers);
    _timers = nullptr;
    BridgeRuntime::Unregister(this);
}

/* ---- Loading and closing ---- */

/* The window gets its number before the framework window initialises it,
   and in a modal window button 2 answers Escape; a layout that cannot be
   read is written to the system log. */
bool _FCWindowController_cocoa::_LoadController()
{
    _controller = WindowBackend::Load(this);
    if (!_controller) {
        char line[128];
        std::snprintf(line, sizeof line, "Layout %d was not found or could not be read; the window does not open.",
                      _layoutid);
        qzui::ReportSystemLog(line);
        return false;
    }
    ElementBackend::Element cancel =
        _modalrequested ? ElementBackend::Find(this, 2, ElementBackend::Kind::Button) : nullptr;
    if (cancel)
        WindowBackend::SetKeyEquivalent(cancel, "\x1b");
    BridgeRuntime::WindowLoaded(this);
    Notify_InitWindow();
    return true;
}

void _FCWindowController_cocoa::_ReleaseController()
{
    void* controller = _controller;
    if (!controller)
        return;
    _controller = nullptr;
    BridgeRuntime::WindowReleased(this);
    WindowBackend::Release(this, controller);
}

void _FCWindowController_cocoa::_PostWillClose() { WindowBackend::Close(this); }

void _FCWindowController_cocoa::ShowModeless()
{
    if (_controller || !WindowBackend::Start())
        return;
    Scope scope;
    _modalrequested = false;
    _windowopen = true;
    if (!_LoadController()) {
        _windowopen = false;
        return;
    }
    /* Shown and ordered front; it becomes the active window only when
       activated. */
    WindowBackend::OrderFront(this, false);
}

bool _FCWindowController_cocoa::ExecuteModal(__FCUserWindow* pParent)
{
    if (_controller || !WindowBackend::Start())
        return false;
    Scope scope;
    _modalrequested = true;
    _windowopen = true;
    if (!_LoadController()) {
        _windowopen = false;
        return false;
    }
    _modalrun = true;
    if (!pParent)
        WindowBackend::Center(this);
    const int number = BridgeRuntime::NumberOf(this);
    /* The session runs until the window closes (Notify_WindowClose ends the
       modal run); a driver acts as the user between steps. */
    void* session = WindowBackend::BeginModal(this);
    while (_modalrun && _controller) {
        if (!WindowBackend::ModalStep(session))
            break;
        if (!BridgeRuntime::DriverAttached() && WindowBackend::WaitForUser())
            continue;
        if (BridgeRuntime::ModalStep(number))
            continue;
        /* The driver gave up (or has no modal loop): the window closes. */
        if (_pWindow)
            _pWindow->CloseWindow();
        if (_modalrun && _controller)
            DestroyWindow();
    }
    WindowBackend::EndModal(session);
    bool endedByClose = !_modalrun;
    _modalrun = false;
    DestroyWindow();
    return endedByClose;
}

void _FCWindowController_cocoa::DestroyWindow()
{
    if (!_controller)
        return;
    Scope scope;
    bool wasOpen = _windowopen;
    _windowopen = false;
    KillAllTimers();
    WindowBackend::DeleteTimerList(_timers);
    _timers = nullptr;
    if (wasOpen)
        CloseWindow();
    _ReleaseController();
}

void _FCWindowController_cocoa::CloseWindow()
{
    if (!_controller)
        return;
    Scope scope;
    _PostWillClose();
}

void _FCWindowController_cocoa::AssureTimers()
{
    if (!_timers)
        _timers = WindowBackend::NewTimerList();
}

/* ---- Window ---- */

bool _FCWindowController_cocoa::IsWindowVisible() { return _controller && WindowBackend::IsVisible(this); }

void _FCWindowController_cocoa::ActivateWindow()
{
    if (_controller)
        WindowBackend::Activate(this);
}

void _FCWindowController_cocoa::ShowWindow(bool show)
{
    if (!_controller)
        return;
    if (show)
        WindowBackend::OrderFront(this, true);
    else
        WindowBackend::OrderOut(this);
}

void _FCWindowController_cocoa::RepaintWindow()
{
    if (!_controller)
        return;
    WindowBackend::Repaint(this);
    BridgeRuntime::CountRepaint(this);
}

void _FCWindowController_cocoa::SetWindowCaption(FCString* pString)
{
    if (_controller && pString)
        WindowBackend::SetTitle(this, pString);
}

void _FCWindowController_cocoa::GetWindowCaption(FCString* pString)
{
    if (_controller && pString)
        WindowBackend::GetTitle(this, pString);
}

namespace
{
/* The window's frame on screen, or its content's frame (all 0 without a
   window). Frames on screen are seen from the top-left corner of the primary
   screen (y down); the window system measures them from its bottom-left. */
void ReadRect(const _FCWindowController_cocoa* pBridge, __FloatRect* pRect, bool onScreen)
{
    if (!pRect)
        return;
    *pRect = __FloatRect{0, 0, 0, 0};
    if (!pBridge->IsWindowLoaded())
        return;
    const WindowBackend::Box box = onScreen ? WindowBackend::Frame(pBridge) : WindowBackend::ContentFrame(pBridge);
    const float screen = WindowBackend::ScreenHeight();
    const float top = onScreen ? screen - (box.y + box.height) : box.y;
    const float bottom = onScreen ? screen - box.y : box.y + box.height;
    *pRect = __FloatRect{top, box.x, bottom, box.x + box.width};
}
} // namespace

void _FCWindowController_cocoa::GetWindowFrameRect(__FloatRect* pRect) { ReadRect(this, pRect, true); }

/* A change of size is reported to the window with the size before. */
void _FCWindowController_cocoa::SetWindowFrameRect(__FloatRect* pRect)
{
    if (!_controller || !pRect)
        return;
    Scope scope;
    const WindowBackend::Box old = WindowBackend::Frame(this);
    BridgeRuntime::CountRepaint(this);
    WindowBackend::SetFrame(this, WindowBackend::Box{pRect->left, WindowBackend::ScreenHeight() - pRect->bottom,
                                                     std::max(0.0f, pRect->Width()), std::max(0.0f, pRect->Height())});
    const WindowBackend::Box now = WindowBackend::Frame(this);
    if (now.width != old.width || now.height != old.height)
        Notify_WindowResized(now.width, now.height, old.width, old.height);
}

void _FCWindowController_cocoa::GetWindowContentRect(__FloatRect* pRect) { ReadRect(this, pRect, false); }

float _FCWindowController_cocoa::GetWindowTitleHeight()
{
    return WindowBackend::Start() ? WindowBackend::TitleBarHeight() : 0;
}

namespace
{
/* Changes one dimension of the window's maximum size. */
void SetMaximum(_FCWindowController_cocoa* pBridge, float WindowBackend::Box::*dimension, float value)
{
    WindowBackend::Box size = WindowBackend::MaximumSize(pBridge);
    size.*dimension = value;
    WindowBackend::SetMaximumSize(pBridge, size);
}
} // namespace

void _FCWindowController_cocoa::SetMaximumResizeWidth(float width)
{
    if (_controller)
        SetMaximum(this, &WindowBackend::Box::width, width);
}

void _FCWindowController_cocoa::SetMaximumResizeHeight(float height)
{
    if (_controller)
        SetMaximum(this, &WindowBackend::Box::height, height);
}

void _FCWindowController_cocoa::SetWindowAlpha(int percent)
{
    if (_controller)
        WindowBackend::SetAlpha(this, std::min(1.0f, std::max(0.0f, static_cast<float>(percent) / 100.0f)));
}

/* ---- Timers and reports ---- */

void _FCWindowController_cocoa::CreateTimer(int timerID, int milliseconds)
{
    AssureTimers();
    if (!BridgeRuntime::AddTimer(this, timerID, milliseconds))
        qzui::ReportSystemLog("Timer already exists!");
}

void _FCWindowController_cocoa::KillTimer(int timerID) { BridgeRuntime::RemoveTimer(this, timerID); }

bool _FCWindowController_cocoa::TimeridExists(int timerID) { return BridgeRuntime::HasTimer(this, timerID); }

void _FCWindowController_cocoa::KillAllTimers() { BridgeRuntime::RemoveTimers(this); }

void _FCWindowController_cocoa::NotYetImplementedError(const char* name)
{
    char line[512];
    std::snprintf(line, sizeof line, "ERROR: '%s' is not yet Cocoa-supported!", name ? name : "");
    qzui::ReportSystemLog(line);
}
