#ifndef FRAMEWORK_UI_FCCTRLLINE_H
#define FRAMEWORK_UI_FCCTRLLINE_H

#include "ui/FCControl.h"

/* A separator line, horizontal unless asked otherwise. Created in code it is
 * a separator box whose identifier is the control ID in decimal: horizontal
 * lines take the default width and a height of 1, vertical ones a width of 1
 * and the default multiline height. */
class FCCtrlLine : public FCControl
{
    bool _horizontal;

public:
    explicit FCCtrlLine(int controlID);

    int _GetControlType() const override;

    bool IsHorizontal() const { return _horizontal; }
    void SetHorizontal(bool state) { _horizontal = state; }
};

#endif
