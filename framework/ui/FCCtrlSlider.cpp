#include "ui/FCCtrlSlider.h"

#include "ui/_FCWindowController_cocoa.h"

FCCtrlSlider::FCCtrlSlider(int controlID)
    : FCControl(controlID), _minimum(0), _minimumset(false), _maximum(0), _maximumset(false), _thumbposition(0),
      _thumbpositionset(false)
{
}

int FCCtrlSlider::_GetControlType() const { return CTRLTYPE_SLIDER; }
float FCCtrlSlider::_GetAutoCreateWidth() const { return 150; }

void FCCtrlSlider::_InitNonWindowHandleStates()
{
    FCControl::_InitNonWindowHandleStates();
    if (!_IsOnScreen())
        return;
    _FCWindowController_cocoa* pBridge = _GetBridge();
    const int id = GetControlID();
    if (_minimumset)
        pBridge->SetSliderMin(id, _minimum);
    if (_maximumset)
        pBridge->SetSliderMax(id, _maximum);
    if (_thumbpositionset)
        pBridge->SetSliderThumbValue(id, _thumbposition);
}

void FCCtrlSlider::_StoreNonWindowHandleStates()
{
    FCControl::_StoreNonWindowHandleStates();
    if (!_IsOnScreen())
        return;
    _minimum = GetMinValue();
    _maximum = GetMaxValue();
    _thumbposition = GetThumbPosition();
}

void FCCtrlSlider::SetMinValue(int value)
{
    _SetNumber(&_minimum, &_minimumset, value, &_FCWindowController_cocoa::SetSliderMin);
}
void FCCtrlSlider::SetMaxValue(int value)
{
    _SetNumber(&_maximum, &_maximumset, value, &_FCWindowController_cocoa::SetSliderMax);
}
void FCCtrlSlider::SetThumbPosition(int value)
{
    _SetNumber(&_thumbposition, &_thumbpositionset, value, &_FCWindowController_cocoa::SetSliderThumbValue);
}

int FCCtrlSlider::GetMinValue() { return _GetNumber(_minimum, &_FCWindowController_cocoa::GetSliderMin); }
int FCCtrlSlider::GetMaxValue() { return _GetNumber(_maximum, &_FCWindowController_cocoa::GetSliderMax); }
int FCCtrlSlider::GetThumbPosition()
{
    return _GetNumber(_thumbposition, &_FCWindowController_cocoa::GetSliderThumbValue);
}

void FCCtrlSlider::_SetNumber(int32_t* pField, bool* pSet, int value,
                              void (_FCWindowController_cocoa::*setter)(int, int))
{
    if (_IsOnScreen()) {
        (_GetBridge()->*setter)(GetControlID(), value);
        return;
    }
    *pField = value;
    *pSet = true;
}

int FCCtrlSlider::_GetNumber(int32_t stored, int (_FCWindowController_cocoa::*getter)(int))
{
    return _IsOnScreen() ? (_GetBridge()->*getter)(GetControlID()) : stored;
}
