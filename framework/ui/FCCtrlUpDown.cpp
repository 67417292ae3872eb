#include "FCCtrlUpDown.h"

#include <algorithm>
#include <climits>

#include "FCCtrlEdit.h"
#include "_FCWindowController_cocoa.h"

namespace
{
/* One step beyond a limit, without overflowing. */
int Beyond(int limit, int step)
{
    long long value = static_cast<long long>(limit) + step;
    return static_cast<int>(std::min<long long>(INT_MAX, std::max<long long>(INT_MIN, value)));
}
} // namespace

FCCtrlUpDown::FCCtrlUpDown(int controlID)
    : FCControl(controlID), _value(0), _valueset(false), _minimum(0), _rangeset(false), _maximum(0),
      _maximumset(false), _connectionkind(CONNECTION_NONE), _pConnectedEdit(nullptr), _intminimum(0),
      _intmaximum(0), _measurementminimum(0), _measurementmaximum(0), _lastshownvalue(0)
{
}

const char* FCCtrlUpDown::ClassName() const { return "FCCtrlUpDown"; }
int FCCtrlUpDown::_GetControlType() const { return 1; }
float FCCtrlUpDown::_GetAutoCreateWidth() const { return 19; }

void FCCtrlUpDown::_InitNonWindowHandleStates()
{
    FCControl::_InitNonWindowHandleStates();
    if (!_IsOnScreen()) return;
    /* A fresh element shows 0 until a value is pushed. */
    _lastshownvalue = 0;
    if (_valueset) SetValue(_value);
    if (_rangeset) _GetBridge()->SetStepperMinMax(GetControlID(), _minimum, _maximum);
}

void FCCtrlUpDown::_StoreNonWindowHandleStates()
{
    FCControl::_StoreNonWindowHandleStates();
    if (!_IsOnScreen()) return;
    _value = _lastshownvalue;
    _minimum = _GetBridge()->GetStepperMin(GetControlID());
    _maximum = _GetBridge()->GetStepperMax(GetControlID());
}

void FCCtrlUpDown::_ShowValue(int value)
{
    _lastshownvalue = value;
    _GetBridge()->SetStepperValue(GetControlID(), value);
}

void FCCtrlUpDown::SetValue(int value)
{
    if (!_IsOnScreen())
    {
        _value = value;
        _valueset = true;
        return;
    }
    const int previous = _lastshownvalue;
    if (_connectionkind != CONNECTION_NONE)
    {
        const bool changed = value != previous;
        value = _ClampToConnection(value);
        if (changed) _WriteConnectedValue(value);
    }
    _ShowValue(value);
}

int FCCtrlUpDown::GetValue() { return _IsOnScreen() ? _lastshownvalue : _value; }

void FCCtrlUpDown::SetRange(int minimum, int maximum)
{
    if (_IsOnScreen())
    {
        _GetBridge()->SetStepperMinMax(GetControlID(), minimum, maximum);
        return;
    }
    _minimum = minimum;
    _maximum = maximum;
    _rangeset = true;
    _maximumset = true;
}

int FCCtrlUpDown::GetMinimum()
{
    if (_connectionkind == CONNECTION_INTEGER) return _intminimum;
    if (_connectionkind == CONNECTION_MEASUREMENT) return static_cast<int>(_measurementminimum);
    return _IsOnScreen() ? _GetBridge()->GetStepperMin(GetControlID()) : _minimum;
}

int FCCtrlUpDown::GetMaximum()
{
    if (_connectionkind == CONNECTION_INTEGER) return _intmaximum;
    if (_connectionkind == CONNECTION_MEASUREMENT) return static_cast<int>(_measurementmaximum);
    return _IsOnScreen() ? _GetBridge()->GetStepperMax(GetControlID()) : _maximum;
}

/* ---- Connection to an edit field ---- */

bool FCCtrlUpDown::ConnectIntegerEdit(FCCtrlEdit* pEdit, int minimum, int maximum)
{
    if (!pEdit || minimum > maximum) return false;
    _connectionkind = CONNECTION_INTEGER;
    _pConnectedEdit = pEdit;
    _intminimum = minimum;
    _intmaximum = maximum;
    /* The stepper itself may always go one step past the field's limits, so
       that a click is seen whatever the user typed into the field. */
    SetRange(Beyond(minimum, -1), Beyond(maximum, 1));
    return true;
}

void FCCtrlUpDown::Disconnect()
{
    _connectionkind = CONNECTION_NONE;
    _pConnectedEdit = nullptr;
}

int FCCtrlUpDown::_ClampToConnection(int value) const
{
    if (_connectionkind == CONNECTION_INTEGER) return std::min(_intmaximum, std::max(_intminimum, value));
    return value;
}

int FCCtrlUpDown::_ReadConnectedValue()
{
    if (!_pConnectedEdit) return _lastshownvalue;
    if (_connectionkind == CONNECTION_INTEGER) return _ClampToConnection(_pConnectedEdit->GetInteger());
    return _lastshownvalue;
}

void FCCtrlUpDown::_WriteConnectedValue(double value)
{
    if (!_pConnectedEdit) return;
    if (_connectionkind == CONNECTION_INTEGER) _pConnectedEdit->SetInteger(static_cast<int>(value));
}

void FCCtrlUpDown::_HandleConnectedEditEvent(int delta)
{
    if (!_pConnectedEdit) return;
    if (_connectionkind == CONNECTION_INTEGER)
    {
        long long moved = static_cast<long long>(_pConnectedEdit->GetInteger()) + delta;
        moved = std::min<long long>(_intmaximum, std::max<long long>(_intminimum, moved));
        _pConnectedEdit->SetInteger(static_cast<int>(moved));
    }
}

int FCCtrlUpDown::_HandleStepperClick(int stepperValue)
{
    const int previous = GetValue();
    const int delta = static_cast<int>(static_cast<long long>(stepperValue) - previous);
    if (_connectionkind == CONNECTION_NONE || !_pConnectedEdit || !_IsOnScreen())
    {
        SetValue(stepperValue);
        return delta;
    }
    /* The field moves from the value it shows (the user may have typed a
       new one), and the stepper follows the field. */
    _HandleConnectedEditEvent(delta);
    _ShowValue(_ReadConnectedValue());
    return delta;
}
