#include "ui/FCCtrlRadioButton.h"

#include "ui/_FCWindowController_cocoa.h"

FCCtrlRadioButton::FCCtrlRadioButton(int controlID) : FCControl(controlID), _checked(false), _checkedset(false) {}

float FCCtrlRadioButton::_GetAutoCreateWidth() const { return 100; }

void FCCtrlRadioButton::_InitNonWindowHandleStates()
{
    FCControl::_InitNonWindowHandleStates();
    if (_checkedset && _IsOnScreen())
        _GetBridge()->SetDlgItemCheck(GetControlID(), _checked ? 1 : 0);
}

void FCCtrlRadioButton::_StoreNonWindowHandleStates()
{
    FCControl::_StoreNonWindowHandleStates();
    if (_IsOnScreen())
        _checked = _GetBridge()->GetDlgItemCheck(GetControlID()) != 0;
}

void FCCtrlRadioButton::SetCheck(bool state)
{
    if (_IsOnScreen()) {
        _GetBridge()->SetDlgItemCheck(GetControlID(), state ? 1 : 0);
        return;
    }
    _checked = state;
    _checkedset = true;
}

bool FCCtrlRadioButton::GetCheck()
{
    return _IsOnScreen() ? _GetBridge()->GetDlgItemCheck(GetControlID()) != 0 : _checked;
}
