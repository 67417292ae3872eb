#include "ui/FCCtrlLine.h"

FCCtrlLine::FCCtrlLine(int controlID) : FCControl(controlID), _horizontal(true) {}

int FCCtrlLine::_GetControlType() const { return CTRLTYPE_LINE; }
