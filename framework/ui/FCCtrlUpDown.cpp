#include "ui/FCCtrlUpDown.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "ui/FCCtrlEdit.h"
#include "ui/_FCWindowController_cocoa.h"

namespace
{
/* A measurement limit as a stepper value: truncated, kept within int. */
int TruncatedLimit(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

/* One step beyond a limit, without overflowing. */
int Beyond(int limit, int step)
{
    long long value = static_cast<long long>(limit) + step;
    return static_cast<int>(std::min<long long>(INT_MAX, std::max<long long>(INT_MIN, value)));
}
} // namespace

FCCtrlUpDown::FCCtrlUpDown(int controlID)
    : FCControl(controlID), _value(0), _valueset(false), _minimum(0), _rangeset(false), _maximum(0), _maximumset(false),
      _connectionkind(CONNECTION_NONE), _pConnectedEdit(nullptr), _intminimum(0), _intmaximum(0),
      _measurementminimum(0), _measurementmaximum(0), _lastshownvalue(0)
{
}

const char* FCCtrlUpDown::ClassName() const { return "FCCtrlUpDown"; }
int FCCtrlUpDown::_GetControlType() const { return CTRLTYPE_UPDOWN; }
float FCCtrlUpDown::_GetAutoCreateWidth() const { return 19; }

void FCCtrlUpDown::_InitNonWindowHandleStates()
{
    FCControl::_InitNonWindowHandleStates();
    if (!_IsOnScreen())
        return;
    /* A fresh element shows 0 until a value is pushed. */
    _lastshownvalue = 0;
    if (_valueset)
        SetValue(_value);
    if (_rangeset)
        _GetBridge()->SetStepperMinMax(GetControlID(), _minimum, _maximum);
}

void FCCtrlUpDown::_StoreNonWindowHandleStates()
{
    FCControl::_StoreNonWindowHandleStates();
    if (!_IsOnScreen())
        return;
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
    if (!_IsOnScreen()) {
        _value = value;
        _valueset = true;
        return;
    }
    const int previous = _lastshownvalue;
    if (_connectionkind != CONNECTION_NONE) {
        const double clamped = _ClampToConnection(value);
        if (value != previous)
            _WriteConnectedValue(clamped);
        value = TruncatedLimit(clamped);
    }
    _ShowValue(value);
}

int FCCtrlUpDown::GetValue() { return _IsOnScreen() ? _lastshownvalue : _value; }

void FCCtrlUpDown::SetRange(int minimum, int maximum)
{
    if (_IsOnScreen()) {
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
    if (_connectionkind == CONNECTION_INTEGER)
        return _intminimum;
    if (_connectionkind == CONNECTION_MEASUREMENT)
        return TruncatedLimit(_measurementminimum);
    return _IsOnScreen() ? _GetBridge()->GetStepperMin(GetControlID()) : _minimum;
}

int FCCtrlUpDown::GetMaximum()
{
    if (_connectionkind == CONNECTION_INTEGER)
        return _intmaximum;
    if (_connectionkind == CONNECTION_MEASUREMENT)
        return TruncatedLimit(_measurementmaximum);
    return _IsOnScreen() ? _GetBridge()->GetStepperMax(GetControlID()) : _maximum;
}

/* ---- Connection to an edit field ---- */

bool FCCtrlUpDown::ConnectIntegerEdit(FCCtrlEdit* pEdit, int minimum, int maximum)
{
    if (!pEdit || minimum > maximum)
        return false;
    _connectionkind = CONNECTION_INTEGER;
    _pConnectedEdit = pEdit;
    _intminimum = minimum;
    _intmaximum = maximum;
    /* The stepper itself may always go one step past the field's limits, so
       that a click is seen whatever the user typed into the field. */
    SetRange(Beyond(minimum, -1), Beyond(maximum, 1));
    return true;
}

bool FCCtrlUpDown::ConnectMeasurementEdit(FCCtrlEdit* pEdit, double minimum, double maximum)
{
    if (!pEdit || !(minimum <= maximum))
        return false;
    _connectionkind = CONNECTION_MEASUREMENT;
    _pConnectedEdit = pEdit;
    _measurementminimum = minimum;
    _measurementmaximum = maximum;
    SetRange(Beyond(TruncatedLimit(minimum), -1), Beyond(TruncatedLimit(maximum), 1));
    return true;
}

void FCCtrlUpDown::Disconnect()
{
    _connectionkind = CONNECTION_NONE;
    _pConnectedEdit = nullptr;
}

double FCCtrlUpDown::_ClampToConnection(double value) const
{
    if (_connectionkind == CONNECTION_INTEGER)
        return std::min<double>(_intmaximum, std::max<double>(_intminimum, value));
    if (_connectionkind == CONNECTION_MEASUREMENT)
        return std::min(_measurementmaximum, std::max(_measurementminimum, value));
    return value;
}

int FCCtrlUpDown::_ReadConnectedValue()
{
    if (!_pConnectedEdit)
        return _lastshownvalue;
    if (_connectionkind == CONNECTION_INTEGER)
        return static_cast<int>(_ClampToConnection(_pConnectedEdit->GetInteger()));
    if (_connectionkind == CONNECTION_MEASUREMENT)
        return TruncatedLimit(_ClampToConnection(_pConnectedEdit->GetMeasurement(__FCBase::MEASUREMENTUNIT_DEFAULT)));
    return _lastshownvalue;
}

void FCCtrlUpDown::_WriteConnectedValue(double value)
{
    if (!_pConnectedEdit)
        return;
    if (_connectionkind == CONNECTION_INTEGER)
        _pConnectedEdit->SetInteger(static_cast<int>(value));
    if (_connectionkind == CONNECTION_MEASUREMENT)
        _pConnectedEdit->SetMeasurement(value, __FCBase::MEASUREMENTUNIT_DEFAULT);
}

void FCCtrlUpDown::_HandleConnectedEditEvent(int delta)
{
    if (!_pConnectedEdit)
        return;
    if (_connectionkind == CONNECTION_INTEGER)
        _WriteConnectedValue(_ClampToConnection(static_cast<double>(_pConnectedEdit->GetInteger()) + delta));
    if (_connectionkind == CONNECTION_MEASUREMENT) {
        const double shown = _ClampToConnection(_pConnectedEdit->GetMeasurement(__FCBase::MEASUREMENTUNIT_DEFAULT));
        _WriteConnectedValue(_ClampToConnection(shown + delta));
    }
}

int FCCtrlUpDown::_HandleStepperClick(int stepperValue)
{
    const int previous = GetValue();
    const int delta = static_cast<int>(static_cast<long long>(stepperValue) - previous);
    if (_connectionkind == CONNECTION_NONE || !_pConnectedEdit || !_IsOnScreen()) {
        SetValue(stepperValue);
        return delta;
    }
    /* The field moves from the value it shows (the user may have typed a
       new one), and the stepper follows the field. */
    _HandleConnectedEditEvent(delta);
    _ShowValue(_ReadConnectedValue());
    return delta;
}
