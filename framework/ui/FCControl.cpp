#include "ui/FCControl.h"

#include "ui/_FCWindowController_cocoa.h"
#include "ui/__FCUserWindow.h"

namespace
{
/* The dual-state rule for one property: on screen the bridge applies the
   value, otherwise it is stored with its set flag. */
template <class T, class Apply>
void SetDual(const FCControl& control, T* pStore, bool* pSet, T value, Apply apply)
{
    if (control._IsOnScreen()) {
        apply(control._GetBridge());
        return;
    }
    *pStore = value;
    *pSet = true;
}
} // namespace

FCControl::FCControl(int controlID)
    : _enabled(false), _enabledset(false), _visible(false), _visibleset(false), _left(0), _leftset(false), _top(0),
      _topset(false), _width(0), _widthset(false), _height(0), _heightset(false), _laidoutbywindow(false),
      _createincode(false), _movepending(false), _resizepending(false), _pendingleft(0), _pendingtop(0),
      _pendingwidth(0), _pendingheight(0), _controlid(static_cast<int16_t>(controlID)), _pWindow(nullptr),
      _actionkind(ACTIONKIND_COMMAND)
{
}

FCControl::~FCControl() = default;

const char* FCControl::ClassName() const { return "FCControl"; }
int FCControl::_GetControlType() const { return CTRLTYPE_CONTROL; }
float FCControl::_GetAutoCreateWidth() const { return 70; }
float FCControl::_GetAutoCreateMultilineHeight() const { return 150; }

_FCWindowController_cocoa* FCControl::_GetBridge() const { return _pWindow ? _pWindow->_GetBridge() : nullptr; }

bool FCControl::_IsOnScreen() const
{
    _FCWindowController_cocoa* pBridge = _GetBridge();
    return pBridge && pBridge->IsWindowLoaded();
}

bool FCControl::_IsBuffering() const { return _pWindow && _pWindow->_IsBufferingMoves(); }

bool FCControl::_IsMovePending() const { return _movepending && _IsBuffering() && _IsOnScreen(); }

void FCControl::_InitNonWindowHandleStates()
{
    if (!_IsOnScreen())
        return;
    _FCWindowController_cocoa* pBridge = _GetBridge();
    if (_text.set)
        pBridge->SetDlgItemText(_controlid, &_text.value);
    if (_enabledset)
        pBridge->SetDlgItemEnable(_controlid, _enabled);
    if (_visibleset)
        pBridge->SetDlgItemVisible(_controlid, _visible);
    if (_widthset)
        pBridge->SetDlgItemWidth(_controlid, _width);
    if (_heightset)
        pBridge->SetDlgItemHeight(_controlid, _height);
    if (_leftset)
        SetLeft(_left);
    if (_topset)
        SetTop(_top);
}

void FCControl::_StoreNonWindowHandleStates()
{
    if (!_IsOnScreen())
        return;
    _FCWindowController_cocoa* pBridge = _GetBridge();
    pBridge->GetDlgItemText(_controlid, &_text.value);
    _enabled = pBridge->GetDlgItemEnable(_controlid);
    _visible = pBridge->GetDlgItemVisible(_controlid);
    __FloatRect rect;
    if (!pBridge->GetDlgItemRect(_controlid, &rect))
        return;
    _width = rect.Width();
    _height = rect.Height();
    _left = rect.left;
    _top = rect.top;
}

void FCControl::Repaint() {}

void FCControl::SetEnable(bool state)
{
    SetDual(*this, &_enabled, &_enabledset, state,
            [&](_FCWindowController_cocoa* pBridge) { pBridge->SetDlgItemEnable(_controlid, state); });
}

bool FCControl::GetEnable()
{
    if (_IsOnScreen())
        return _GetBridge()->GetDlgItemEnable(_controlid);
    return _enabled;
}

void FCControl::SetVisible(bool state)
{
    SetDual(*this, &_visible, &_visibleset, state,
            [&](_FCWindowController_cocoa* pBridge) { pBridge->SetDlgItemVisible(_controlid, state); });
}

bool FCControl::GetVisible()
{
    if (_IsOnScreen())
        return _GetBridge()->GetDlgItemVisible(_controlid);
    return _visible;
}

void FCControl::SetKeyboardFocus()
{
    if (_IsOnScreen())
        _GetBridge()->SetDlgItemKeyboardFocus(_controlid);
}

void FCControl::SetText(FCString* pString)
{
    FCString empty;
    FCString* pText = pString ? pString : &empty;
    if (_IsOnScreen()) {
        _GetBridge()->SetDlgItemText(_controlid, pText);
        return;
    }
    _text.value.SetString(pText);
    _text.set = true;
}

void FCControl::GetText(FCString* pString)
{
    if (!pString)
        return;
    if (_IsOnScreen()) {
        _GetBridge()->GetDlgItemText(_controlid, pString);
        return;
    }
    pString->SetString(&_text.value);
}

void FCControl::SetTextAndResize(FCString* pString)
{
    if (!_IsOnScreen())
        return;
    FCString empty;
    bool hasText = pString && pString->GetLength() > 0;
    _GetBridge()->SetDlgItemTextAndResize(_controlid, hasText ? pString : &empty);
}

/* ---- Geometry ---- */

void FCControl::_MoveOnScreen(float x, float y)
{
    if (_IsBuffering()) {
        _pendingleft = static_cast<float>(static_cast<int>(x));
        _pendingtop = static_cast<float>(static_cast<int>(y));
        _movepending = true;
        return;
    }
    _GetBridge()->SetDlgItemPos(_controlid, x, y, true);
}

void FCControl::SetLeft(float value)
{
    SetDual(*this, &_left, &_leftset, value, [&](_FCWindowController_cocoa*) { MoveRelative(value - GetLeft(), 0); });
}

void FCControl::SetTop(float value)
{
    SetDual(*this, &_top, &_topset, value, [&](_FCWindowController_cocoa*) { MoveRelative(0, value - GetTop()); });
}

void FCControl::SetWidth(float value)
{
    SetDual(*this, &_width, &_widthset, value,
            [&](_FCWindowController_cocoa* pBridge) { pBridge->SetDlgItemWidth(_controlid, value); });
}

void FCControl::SetHeight(float value)
{
    SetDual(*this, &_height, &_heightset, value,
            [&](_FCWindowController_cocoa* pBridge) { pBridge->SetDlgItemHeight(_controlid, value); });
}

float FCControl::_GetGeometry(float stored, float (*pick)(const __FloatRect&))
{
    if (!_IsOnScreen())
        return stored;
    __FloatRect rect;
    return _GetBridge()->GetDlgItemRect(_controlid, &rect) ? pick(rect) : -1.0f;
}

float FCControl::GetLeft()
{
    if (_IsMovePending())
        return _pendingleft;
    return _GetGeometry(_left, [](const __FloatRect& rect) { return rect.left; });
}

float FCControl::GetTop()
{
    if (_IsMovePending())
        return _pendingtop;
    return _GetGeometry(_top, [](const __FloatRect& rect) { return rect.top; });
}

float FCControl::GetWidth()
{
    return _GetGeometry(_width, [](const __FloatRect& rect) { return rect.Width(); });
}

float FCControl::GetHeight()
{
    return _GetGeometry(_height, [](const __FloatRect& rect) { return rect.Height(); });
}

void FCControl::MoveRelative(float dx, float dy)
{
    if (!_IsOnScreen()) {
        SetLeft(_left + dx);
        SetTop(_top + dy);
        return;
    }
    if (_IsMovePending()) {
        _MoveOnScreen(_pendingleft + dx, _pendingtop + dy);
        return;
    }
    __FloatRect rect;
    if (!_GetBridge()->GetDlgItemRect(_controlid, &rect))
        return;
    _MoveOnScreen(rect.left + dx, rect.top + dy);
}

void FCControl::MoveAbsolute(float x, float y)
{
    if (!_IsOnScreen()) {
        SetLeft(x);
        SetTop(y);
        return;
    }
    _MoveOnScreen(x, y);
}

void FCControl::ResizeRelative(float dw, float dh)
{
    if (!_IsOnScreen()) {
        SetWidth(_width + dw);
        SetHeight(_height + dh);
        return;
    }
    if (_resizepending && _IsBuffering()) {
        _pendingwidth = static_cast<float>(static_cast<int>(_pendingwidth + dw));
        _pendingheight = static_cast<float>(static_cast<int>(_pendingheight + dh));
        return;
    }
    __FloatRect rect;
    if (!_GetBridge()->GetDlgItemRect(_controlid, &rect))
        return;
    float width = rect.Width() + dw;
    float height = rect.Height() + dh;
    if (_IsBuffering()) {
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
    if (pBridge && _movepending)
        pBridge->SetDlgItemPos(_controlid, _pendingleft, _pendingtop, false);
    if (pBridge && _resizepending)
        pBridge->SetDlgItemSize(_controlid, _pendingwidth, _pendingheight, false);
    _ClearPendingMovement();
}

bool FCControl::_CreateUIControl()
{
    _FCWindowController_cocoa* pBridge = _GetBridge();
    return pBridge ? pBridge->CreateUIControl(this) : false;
}
