#include "FCControl.h"

#include "_FCWindowController_cocoa.h"
#include "__FCUserWindow.h"

FCControl::FCControl(int controlID)
    : _enabled(false), _enabledset(false), _visible(false), _visibleset(false),
      _left(0), _leftset(false), _top(0), _topset(false), _width(0), _widthset(false),
      _height(0), _heightset(false), _laidoutbywindow(false), _createincode(false),
      _movepending(false), _resizepending(false), _pendingleft(0), _pendingtop(0),
      _pendingwidth(0), _pendingheight(0), _controlid(static_cast<int16_t>(controlID)),
      _pWindow(nullptr), _actionkind(ACTIONKIND_COMMAND)
{
}

FCControl::~FCControl() = default;

const char* FCControl::ClassName() const { return "FCControl"; }
int FCControl::_GetControlType() const { return 0; }
float FCControl::_GetAutoCreateWidth() const { return 70; }
float FCControl::_GetAutoCreateMultilineHeight() const { return 150; }

_FCWindowController_cocoa* FCControl::_GetBridge() const
{
    return _pWindow ? _pWindow->_GetBridge() : nullptr;
}

bool FCControl::_IsOnScreen() const
{
    _FCWindowController_cocoa* pBridge = _GetBridge();
    return pBridge && pBridge->IsWindowLoaded();
}

bool FCControl::_IsBuffering() const
{
    return _pWindow && _pWindow->_IsBufferingMoves();
}

void FCControl::_InitNonWindowHandleStates()
{
    if (!_IsOnScreen()) return;
    _FCWindowController_cocoa* pBridge = _GetBridge();
    if (_text.set) pBridge->SetDlgItemText(_controlid, &_text.value);
    if (_enabledset) pBridge->SetDlgItemEnable(_controlid, _enabled);
    if (_visibleset) pBridge->SetDlgItemVisible(_controlid, _visible);
    if (_widthset) pBridge->SetDlgItemWidth(_controlid, _width);
    if (_heightset) pBridge->SetDlgItemHeight(_controlid, _height);
    if (_leftset) SetLeft(_left);
    if (_topset) SetTop(_top);
}

void FCControl::_StoreNonWindowHandleStates()
{
    if (!_IsOnScreen()) return;
    _FCWindowController_cocoa* pBridge = _GetBridge();
    pBridge->GetDlgItemText(_controlid, &_text.value);
    _enabled = pBridge->GetDlgItemEnable(_controlid);
    _visible = pBridge->GetDlgItemVisible(_controlid);
    __FloatRect rect;
    if (!pBridge->GetDlgItemRect(_controlid, &rect)) return;
    _width = rect.Width();
    _height = rect.Height();
    _left = rect.left;
    _top = rect.top;
}

void FCControl::Repaint() {}

void FCControl::SetEnable(bool state)
{
    if (_IsOnScreen())
    {
        _GetBridge()->SetDlgItemEnable(_controlid, state);
        return;
    }
    _enabled = state;
    _enabledset = true;
}

bool FCControl::GetEnable()
{
    if (_IsOnScreen()) return _GetBridge()->GetDlgItemEnable(_controlid);
    return _enabled;
}

void FCControl::SetVisible(bool state)
{
    if (_IsOnScreen())
    {
        _GetBridge()->SetDlgItemVisible(_controlid, state);
        return;
    }
    _visible = state;
    _visibleset = true;
}

bool FCControl::GetVisible()
{
    if (_IsOnScreen()) return _GetBridge()->GetDlgItemVisible(_controlid);
    return _visible;
}

void FCControl::SetKeyboardFocus()
{
    if (_IsOnScreen()) _GetBridge()->SetDlgItemKeyboardFocus(_controlid);
}

void FCControl::SetText(FCString* pString)
{
    FCString empty;
    FCString* pText = pString ? pString : &empty;
    if (_IsOnScreen())
    {
        _GetBridge()->SetDlgItemText(_controlid, pText);
        return;
    }
    _text.value.SetString(pText);
    _text.set = true;
}

void FCControl::GetText(FCString* pString)
{
    if (!pString) return;
    if (_IsOnScreen())
    {
        _GetBridge()->GetDlgItemText(_controlid, pString);
        return;
    }
    pString->SetString(&_text.value);
}

void FCControl::SetTextAndResize(FCString* pString)
{
    if (!_IsOnScreen()) return;
    FCString empty;
    bool hasText = pString && pString->GetLength() > 0;
    _GetBridge()->SetDlgItemTextAndResize(_controlid, hasText ? pString : &empty);
}

/* ---- Geometry ---- */

void FCControl::_MoveOnScreen(float x, float y)
{
    if (_IsBuffering())
    {
        _pendingleft = static_cast<float>(static_cast<int>(x));
        _pendingtop = static_cast<float>(static_cast<int>(y));
        _movepending = true;
        return;
    }
    _GetBridge()->SetDlgItemPos(_controlid, x, y, true);
}

void FCControl::SetLeft(float value)
{
    if (_IsOnScreen())
    {
        MoveRelative(value - GetLeft(), 0);
        return;
    }
    _left = value;
    _leftset = true;
}

void FCControl::SetTop(float value)
{
    if (_IsOnScreen())
    {
        MoveRelative(0, value - GetTop());
        return;
    }
    _top = value;
    _topset = true;
}

void FCControl::SetWidth(float value)
{
    if (_IsOnScreen())
    {
        _GetBridge()->SetDlgItemWidth(_controlid, value);
        return;
    }
    _width = value;
    _widthset = true;
}

void FCControl::SetHeight(float value)
{
    if (_IsOnScreen())
    {
        _GetBridge()->SetDlgItemHeight(_controlid, value);
        return;
    }
    _height = value;
    _heightset = true;
}

float FCControl::GetLeft()
{
    if (!_IsOnScreen()) return _left;
    if (_movepending) return _pendingleft;
    __FloatRect rect;
    return _GetBridge()->GetDlgItemRect(_controlid, &rect) ? rect.left : -1.0f;
}

float FCControl::GetTop()
{
    if (!_IsOnScreen()) return _top;
    if (_movepending) return _pendingtop;
    __FloatRect rect;
    return _GetBridge()->GetDlgItemRect(_controlid, &rect) ? rect.top : -1.0f;
}

float FCControl::GetWidth()
{
    if (!_IsOnScreen()) return _width;
    __FloatRect rect;
    return _GetBridge()->GetDlgItemRect(_controlid, &rect) ? rect.Width() : -1.0f;
}

float FCControl::GetHeight()
{
    if (!_IsOnScreen()) return _height;
    __FloatRect rect;
    return _GetBridge()->GetDlgItemRect(_controlid, &rect) ? rect.Height() : -1.0f;
}

void FCControl::MoveRelative(float dx, float dy)
{
    if (!_IsOnScreen())
    {
        SetLeft(_left + dx);
        SetTop(_top + dy);
        return;
    }
    __FloatRect rect;
    if (!_GetBridge()->GetDlgItemRect(_controlid, &rect)) return;
    _MoveOnScreen(rect.left + dx, rect.top + dy);
}

void FCControl::MoveAbsolute(float x, float y)
{
    if (!_IsOnScreen())
    {
        SetLeft(x);
        SetTop(y);
        return;
    }
    _MoveOnScreen(x, y);
}

void FCControl::ResizeRelative(float dw, float dh)
{
    if (!_IsOnScreen())
    {
        SetWidth(_width + dw);
        SetHeight(_height + dh);
        return;
    }
    __FloatRect rect;
    if (!_GetBridge()->GetDlgItemRect(_controlid, &rect)) return;
    float width = rect.Width() + dw;
    float height = rect.Height() + dh;
    if (_IsBuffering())
    {
        _pendingwidth = static_cast<float>(static_cast<int>(width));
        _pendingheight = static_cast<float>(static_cast<int>(height));
        _resizepending = true;
        return;
    }
    _GetBridge()->SetDlgItemSize(_controlid, width, height, true);
}

void FCControl::_ClearPendingMovement()
{
    _movepending = false;
    _resizepending = false;
}

void FCControl::_ApplyPendingMovement()
{
    _FCWindowController_cocoa* pBridge = _GetBridge();
    if (pBridge && _movepending) pBridge->SetDlgItemPos(_controlid, _pendingleft, _pendingtop, false);
    if (pBridge && _resizepending)
        pBridge->SetDlgItemSize(_controlid, _pendingwidth, _pendingheight, false);
    _ClearPendingMovement();
}

bool FCControl::_CreateUIControl()
{
    _FCWindowController_cocoa* pBridge = _GetBridge();
    return pBridge ? pBridge->CreateUIControl(this) : false;
}
