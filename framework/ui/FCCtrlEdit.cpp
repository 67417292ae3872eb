#include "ui/FCCtrlEdit.h"

#include <cstdio>

#include "ui/_FCWindowController_cocoa.h"

FCCtrlEdit::FCCtrlEdit(int controlID) : FCControl(controlID) {}

const char* FCCtrlEdit::ClassName() const { return "FCCtrlEdit"; }
int FCCtrlEdit::_GetControlType() const { return 6; }
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
    if (minimum >= maximum) return value;
    if (value < minimum) return minimum;
    if (value > maximum) return maximum;
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
    if (!_IsOnScreen()) return value;
    if (value < minimum) return minimum;
    if (value > maximum) return maximum;
    return value;
}

void FCCtrlEdit::SetReadOnly(bool state) { SetEnable(!state); }

void FCCtrlEdit::SetFocus()
{
    if (_IsOnScreen()) _GetBridge()->SetEditFocus(GetControlID());
}

void FCCtrlEdit::ScrollToBottom()
{
    if (_IsOnScreen()) _GetBridge()->EditScrollToBottom(GetControlID());
}
