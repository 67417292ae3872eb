#include "ui/FCCtrlEdit.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "ui/_FCWindowController_cocoa.h"

FCCtrlEdit::FCCtrlEdit(int controlID) : FCControl(controlID) {}

const char* FCCtrlEdit::ClassName() const { return "FCCtrlEdit"; }
int FCCtrlEdit::_GetControlType() const { return CTRLTYPE_EDIT; }
float FCCtrlEdit::_GetAutoCreateWidth() const { return 70; }

void FCCtrlEdit::SetInteger(int value)
{
    FCString text;
    text.SetInteger(value);
    SetText(&text);
}

int FCCtrlEdit::GetInteger()
{
    FCString text;
    GetText(&text);
    return text.GetInteger();
}

int FCCtrlEdit::GetRangeInteger(int minimum, int maximum)
{
    int value = GetInteger();
    if (minimum >= maximum)
        return value;
    if (value < minimum)
        return minimum;
    if (value > maximum)
        return maximum;
    return value;
}

void FCCtrlEdit::AdjustIntegerWithin(int minimum, int maximum)
{
    int value = GetInteger();
    if (value < minimum)
        SetInteger(minimum);
    else if (value > maximum)
        SetInteger(maximum);
}

void FCCtrlEdit::SetFloat(float value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%0.2f", static_cast<double>(value));
    FCString text(buffer);
    SetText(&text);
}

float FCCtrlEdit::GetFloat(float minimum, float maximum)
{
    FCString text;
    GetText(&text);
    float value = text.GetFloat();
    if (!_IsOnScreen())
        return value;
    if (value < minimum)
        return minimum;
    if (value > maximum)
        return maximum;
    return value;
}

namespace
{
template <class T>
T ClampWhenOrdered(T value, T minimum, T maximum)
{
    if (minimum > maximum)
        return value;
    return value < minimum ? minimum : value > maximum ? maximum : value;
}

/* Rounded to the nearest integer, halves away from zero, kept within int. */
int RoundToInt(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::round(value);
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}
} // namespace

void FCCtrlEdit::SetMeasurement(double value, __FCBase::MEASUREMENTUNITS units)
{
    FCString text;
    text.SetMeasurement(value, units);
    SetText(&text);
}

double FCCtrlEdit::GetMeasurement(__FCBase::MEASUREMENTUNITS units)
{
    FCString text;
    GetText(&text);
    return text.GetMeasurement(units);
}

double FCCtrlEdit::GetRangeMeasurement(__FCBase::MEASUREMENTUNITS units, double minimum, double maximum)
{
    return ClampWhenOrdered(GetMeasurement(units), minimum, maximum);
}

void FCCtrlEdit::SetMeasurementInteger(double value, __FCBase::MEASUREMENTUNITS units)
{
    SetMeasurement(RoundToInt(value), units);
}

int FCCtrlEdit::GetMeasurementInteger(__FCBase::MEASUREMENTUNITS units) { return RoundToInt(GetMeasurement(units)); }

int FCCtrlEdit::GetRangeMeasurementInteger(__FCBase::MEASUREMENTUNITS units, int minimum, int maximum)
{
    return ClampWhenOrdered(GetMeasurementInteger(units), minimum, maximum);
}

void FCCtrlEdit::SetReadOnly(bool state) { SetEnable(!state); }

void FCCtrlEdit::SetFocus()
{
    if (_IsOnScreen())
        _GetBridge()->SetEditFocus(GetControlID());
}

void FCCtrlEdit::ScrollToBottom()
{
    if (_IsOnScreen())
        _GetBridge()->EditScrollToBottom(GetControlID());
}
