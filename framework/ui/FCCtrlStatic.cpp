#include "ui/FCCtrlStatic.h"

FCCtrlStatic::FCCtrlStatic(int controlID) : FCControl(controlID) {}

int FCCtrlStatic::_GetControlType() const { return CTRLTYPE_STATIC; }

void FCCtrlStatic::Clear()
{
    FCString empty;
    SetText(&empty);
}

void FCCtrlStatic::SetInteger(int value)
{
    FCString text;
    text.SetInteger(value);
    SetText(&text);
}
