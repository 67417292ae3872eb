#include "ui/FCCtrlButton.h"

#include "ui/_FCWindowController_cocoa.h"

FCCtrlButton::FCCtrlButton(int controlID) : FCCtrlCheckbox(controlID) {}

int FCCtrlButton::_GetControlType() const { return CTRLTYPE_BUTTON; }
float FCCtrlButton::_GetAutoCreateWidth() const { return 60; }

void FCCtrlButton::ClearShortcutKey()
{
    if (_IsOnScreen())
        _GetBridge()->ClearShortcutKey(GetControlID());
}
