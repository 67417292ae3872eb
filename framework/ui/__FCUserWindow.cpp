#include "ui/__FCUserWindow.h"

#include "ui/FCControl.h"
#include "ui/FCCtrlSwitcher.h"
#include "ui/FCUIGlobals.h"
#include "ui/_FCWindowController_cocoa.h"

namespace
{
FCControl* ControlAt(const __FCUserWindow* pWindow, int index)
{
    return static_cast<FCControl*>(pWindow->GetItemAt(index));
}

float Whole(float value) { return static_cast<float>(static_cast<int>(value)); }
} // namespace

__FCUserWindow::__FCUserWindow()
    : _titleset(false), _width(0), _widthset(false), _height(0), _heightset(false), _clientheight(0),
      _clientheightset(false), _clientwidth(0), _clientwidthset(false), _returncode(0), _pBridge(nullptr), _minwidth(0),
      _minheight(0), _lastwidth(0), _lastheight(0), _positionstored(false), _storedx(0), _storedy(0),
      _sizestored(false), _storedwidth(0), _storedheight(0), _shaded(false), _unshadedheight(0), _bufferingmoves(false),
      _closing(false)
{
}

__FCUserWindow::~__FCUserWindow() = default;

/* ---- Property stores ---- */

void __FCUserWindow::_InitNonWindowHandleStates()
{
    if (!WindowExists())
        return;
    if (_titleset)
        _pBridge->SetWindowCaption(&_title);
    if (_clientwidthset)
        SetClientWidth(_clientwidth);
    if (_widthset)
        SetWidth(_width);
    if (_clientheightset)
        SetClientHeight(_clientheight);
    if (_heightset)
        SetHeight(_height);
    for (int i = 0; i < GetCount(); ++i)
        if (FCControl* pControl = ControlAt(this, i))
            pControl->_InitNonWindowHandleStates();
}

void __FCUserWindow::_StoreNonWindowHandleStates()
{
    if (!WindowExists())
        return;
    /* The window is going: what is kept is its full size, and the next one
       opens unshaded. */
    if (_shaded)
        _ShadeState(false);
    _pBridge->GetWindowCaption(&_title);
    _clientwidth = GetClientWidth();
    _width = GetWidth();
    _clientheight = GetClientHeight();
    _height = GetHeight();
    for (int i = 0; i < GetCount(); ++i)
        if (FCControl* pControl = ControlAt(this, i))
            pControl->_StoreNonWindowHandleStates();
}

/* ---- Default handlers ---- */

void __FCUserWindow::InitWindow()
{
    _closing = false;
    /* A window just loaded has its layout's full height. */
    _shaded = false;
    __FloatRect frame;
    if (!_ReadFrame(&frame))
        return;
    _minwidth = frame.Width();
    _minheight = frame.Height();
    _lastwidth = _minwidth;
    _lastheight = _minheight;
}

void __FCUserWindow::_EndWithCode(int code)
{
    _SetReturnCode(code);
    if (_closing)
        return;
    if (CanClose())
        CloseWindow();
}

void __FCUserWindow::CloseButtonPressed() { _EndWithCode(RETURNCODE_CLOSE); }
void __FCUserWindow::OkButtonPressed() { _EndWithCode(RETURNCODE_OK); }
void __FCUserWindow::CancelButtonPressed() { _EndWithCode(RETURNCODE_CANCEL); }
void __FCUserWindow::HandleCommand(FCControl*) {}
/* Page visibility is the switcher control's own business; a window without
   switchers has nothing to do here. */
void __FCUserWindow::HandleSwitcherSelect(FCCtrlSwitcher* pSwitcher, int page)
{
    if (pSwitcher && pSwitcher->_GetControlType() == FCControl::CTRLTYPE_SWITCHER)
        pSwitcher->HandleVisibleStates(page);
}
void __FCUserWindow::HandleUpDownPressed(FCControl*, int) {}
void __FCUserWindow::HandleDataListSelect(FCCtrlDataList*, int) {}
void __FCUserWindow::HandleDataListCheck(FCCtrlDataList*, int, bool) {}
void __FCUserWindow::HandleTimer(short) {}
void __FCUserWindow::HandleActivate(bool) {}
void __FCUserWindow::HandleResize(int, int, int, int) {}
bool __FCUserWindow::CanClose() { return true; }

/* ---- Title and sizes ---- */

void __FCUserWindow::SetTitle(FCString* pTitle)
{
    if (!pTitle)
        return;
    if (WindowExists()) {
        _pBridge->SetWindowCaption(pTitle);
        return;
    }
    _title.SetString(pTitle);
    _titleset = true;
}

void __FCUserWindow::GetTitle(FCString* pTitle)
{
    if (!pTitle)
        return;
    if (WindowExists())
        _pBridge->GetWindowCaption(pTitle);
    else
        pTitle->SetString(&_title);
}

bool __FCUserWindow::_ReadFrame(__FloatRect* pRect)
{
    if (!WindowExists())
        return false;
    _pBridge->GetWindowFrameRect(pRect);
    return true;
}

void __FCUserWindow::_WriteFrame(__FloatRect* pRect) { _pBridge->SetWindowFrameRect(pRect); }

void __FCUserWindow::_RecordLastSize()
{
    __FloatRect frame;
    if (!_ReadFrame(&frame))
        return;
    _lastwidth = frame.Width();
    _lastheight = frame.Height();
}

void __FCUserWindow::_SetDimension(float value, float* pStore, bool* pSet, bool vertical, float extra)
{
    __FloatRect frame;
    if (!_ReadFrame(&frame)) {
        *pStore = value;
        *pSet = true;
        return;
    }
    if (vertical)
        frame.bottom = frame.top + value + extra;
    else
        frame.right = frame.left + value;
    _WriteFrame(&frame);
    _RecordLastSize();
}

void __FCUserWindow::SetWidth(float width) { _SetDimension(width, &_width, &_widthset, false, 0); }

void __FCUserWindow::SetClientWidth(float width)
{
    _SetDimension(width < 0 ? 0 : width, &_clientwidth, &_clientwidthset, false, 0);
}

void __FCUserWindow::SetHeight(float height) { _SetDimension(height < 0 ? 0 : height, &_height, &_heightset, true, 0); }

void __FCUserWindow::SetClientHeight(float height)
{
    float titleHeight = WindowExists() ? _pBridge->GetWindowTitleHeight() : 0;
    _SetDimension(height < 0 ? 0 : height, &_clientheight, &_clientheightset, true, titleHeight);
}

float __FCUserWindow::GetWidth()
{
    __FloatRect frame;
    return _ReadFrame(&frame) ? frame.Width() : _width;
}

float __FCUserWindow::GetHeight()
{
    __FloatRect frame;
    return _ReadFrame(&frame) ? frame.Height() : _height;
}

float __FCUserWindow::GetClientWidth()
{
    __FloatRect frame;
    return _ReadFrame(&frame) ? frame.Width() : _clientwidth;
}

float __FCUserWindow::GetClientHeight()
{
    __FloatRect frame;
    if (!_ReadFrame(&frame))
        return _clientheight;
    return frame.Height() - _pBridge->GetWindowTitleHeight();
}

/* ---- On-screen window ---- */

bool __FCUserWindow::WindowExists() const { return _pBridge && _pBridge->IsWindowLoaded(); }

bool __FCUserWindow::IsVisible() { return WindowExists() && _pBridge->IsWindowVisible(); }

void __FCUserWindow::Hide()
{
    if (WindowExists())
        _pBridge->ShowWindow(false);
}

void __FCUserWindow::Activate()
{
    if (WindowExists())
        _pBridge->ActivateWindow();
}

void __FCUserWindow::ShowAndActivate()
{
    if (!WindowExists())
        return;
    _pBridge->ShowWindow(true);
    _pBridge->ActivateWindow();
}

void __FCUserWindow::SetWindowAlpha(short percent)
{
    if (WindowExists())
        _pBridge->SetWindowAlpha(percent);
}

void __FCUserWindow::SetEnabled(bool) {}

void __FCUserWindow::DestroyWindow()
{
    if (WindowExists())
        _pBridge->DestroyWindow();
}

FCControl* __FCUserWindow::FindControl(int id) const
{
    for (int i = 0; i < GetCount(); ++i) {
        FCControl* pControl = ControlAt(this, i);
        if (pControl && pControl->GetControlID() == id)
            return pControl;
    }
    return nullptr;
}

FCControl* __FCUserWindow::AddControl(FCControl* pControl)
{
    if (!pControl)
        return nullptr;
    Add(pControl);
    pControl->_SetParent(this);
    return pControl;
}

void __FCUserWindow::_CreateDynamicControls()
{
    if (!WindowExists())
        return;
    for (int i = 0; i < GetCount(); ++i) {
        FCControl* pControl = ControlAt(this, i);
        if (pControl && pControl->_IsCreateInCode())
            pControl->_CreateUIControl();
    }
}

/* ---- Timers ---- */

void __FCUserWindow::SetTimer(short id, unsigned int milliseconds)
{
    if (!WindowExists() || id == 0)
        return;
    if (milliseconds != 0)
        _pBridge->CreateTimer(id, static_cast<int>(milliseconds));
    else
        _pBridge->KillTimer(id);
}

void __FCUserWindow::StopTimer(short id) { SetTimer(id, 0); }

/* ---- Position memory ---- */

void __FCUserWindow::SetRestorePositionData(float x, float y, float width, float height)
{
    _positionstored = true;
    _sizestored = true;
    _storedx = x;
    _storedy = y;
    _storedwidth = width;
    _storedheight = height;
    if (_shaded)
        _unshadedheight = height;
}

void __FCUserWindow::SetRestorePositionOnlyData(float x, float y)
{
    _positionstored = true;
    _sizestored = false;
    _storedx = x;
    _storedy = y;
    _storedwidth = 0;
    _storedheight = 0;
}

float __FCUserWindow::GetStoredX() const { return _positionstored ? _storedx : -1.0f; }
float __FCUserWindow::GetStoredY() const { return _positionstored ? _storedy : -1.0f; }
float __FCUserWindow::GetStoredWidth() const { return _sizestored ? _storedwidth : -1.0f; }
float __FCUserWindow::GetStoredHeight() const { return _sizestored ? _storedheight : -1.0f; }

void __FCUserWindow::StorePosition(bool withSize)
{
    if (!WindowExists())
        return;
    bool wasShaded = _shaded;
    if (wasShaded)
        _ShadeState(false);
    __FloatRect frame;
    _ReadFrame(&frame);
    _storedx = frame.left;
    _storedy = frame.top;
    _storedwidth = frame.Width();
    _storedheight = frame.Height();
    _positionstored = true;
    _sizestored = withSize;
    if (wasShaded)
        _ShadeState(true);
}

bool __FCUserWindow::RestorePosition()
{
    if (!_positionstored || !WindowExists())
        return false;
    bool wasShaded = _shaded;
    if (wasShaded)
        _ShadeState(false);
    __FloatRect frame;
    _ReadFrame(&frame);
    float width = Whole(frame.Width());
    float height = Whole(frame.Height());
    if (_sizestored) {
        if (_storedwidth < _minwidth)
            _storedwidth = _minwidth;
        if (_storedheight < _minheight)
            _storedheight = _minheight;
        width = _storedwidth;
        height = _storedheight;
    }
    frame.left = _storedx;
    frame.top = _storedy;
    frame.right = _storedx + width;
    frame.bottom = _storedy + height;
    _WriteFrame(&frame);
    /* With only a position stored, the window keeps its size: report that
       size rather than the zero placeholders of the store. */
    _HandleResizeChange(static_cast<int>(width), static_cast<int>(height));
    if (wasShaded)
        _ShadeState(true);
    return true;
}

void __FCUserWindow::_HandleResizeChange(int width, int height)
{
    if (_shaded)
        return;
    if (_lastwidth != 0)
        HandleResize(width, height, static_cast<int>(_lastwidth), static_cast<int>(_lastheight));
    _lastwidth = static_cast<float>(width);
    _lastheight = static_cast<float>(height);
}

/* ---- Shading ---- */

bool __FCUserWindow::_ShadeState(bool shade)
{
    __FloatRect frame;
    if (!_ReadFrame(&frame))
        return false;
    _shaded = shade;
    if (shade) {
        _unshadedheight = Whole(frame.Height());
        frame.bottom = frame.top + Whole(_pBridge->GetWindowTitleHeight());
    }
    else {
        frame.bottom = frame.top + _unshadedheight;
    }
    _WriteFrame(&frame);
    return true;
}

void __FCUserWindow::Windowshade(bool shade)
{
    if (!WindowExists() || shade == _shaded || !__bWindowshadeAllowed)
        return;
    _ShadeState(shade);
}

/* ---- Buffered control movement ---- */

void __FCUserWindow::StartBufferControlMovement()
{
    if (!WindowExists())
        return;
    for (int i = 0; i < GetCount(); ++i)
        if (FCControl* pControl = ControlAt(this, i))
            pControl->_ClearPendingMovement();
    _bufferingmoves = true;
}

void __FCUserWindow::EndBufferControlMovement()
{
    if (!_bufferingmoves || !WindowExists())
        return;
    bool anyPending = false;
    for (int i = 0; i < GetCount() && !anyPending; ++i) {
        FCControl* pControl = ControlAt(this, i);
        anyPending = pControl && pControl->_HasPendingMovement();
    }
    /* Buffering ends in either case; without pending moves nothing is
       repainted. */
    _bufferingmoves = false;
    if (!anyPending)
        return;
    for (int i = 0; i < GetCount(); ++i)
        if (FCControl* pControl = ControlAt(this, i))
            pControl->_ApplyPendingMovement();
    _pBridge->RepaintWindow();
}
