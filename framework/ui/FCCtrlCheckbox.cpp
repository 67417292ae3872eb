#include "ui/FCCtrlCheckbox.h"

#include "ui/_FCWindowController_cocoa.h"

FCCtrlCheckbox::FCCtrlCheckbox(int controlID)
    : FCControl(controlID), _checkstate(0), _checkstateset(false), _allowmixedstate(false)
{
}

int FCCtrlCheckbox::_GetControlType() const { return CTRLTYPE_CHECKBOX; }
float FCCtrlCheckbox::_GetAutoCreateWidth() const { return 100; }

void FCCtrlCheckbox::_InitNonWindowHandleStates()
{
    FCControl::_InitNonWindowHandleStates();
    if (_checkstateset && _IsOnScreen())
        _GetBridge()->SetDlgItemCheck(GetControlID(), _checkstate);
}

void FCCtrlCheckbox::_StoreNonWindowHandleStates()
{
    FCControl::_StoreNonWindowHandleStates();
    if (_IsOnScreen())
        _checkstate = _GetBridge()->GetDlgItemCheck(GetControlID());
}

void FCCtrlCheckbox::SetCheck(short state)
{
    if (_IsOnScreen()) {
        _GetBridge()->SetDlgItemCheck(GetControlID(), state);
        return;
    }
    _checkstate = state;
    _checkstateset = true;
}

int FCCtrlCheckbox::GetCheck() { return _IsOnScreen() ? _GetBridge()->GetDlgItemCheck(GetControlID()) : _checkstate; }
