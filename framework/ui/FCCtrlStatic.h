#ifndef FRAMEWORK_UI_FCCTRLSTATIC_H
#define FRAMEWORK_UI_FCCTRLSTATIC_H

#include "ui/FCControl.h"

/* A static text: a label whose value is the control's text. */
class FCCtrlStatic : public FCControl
{
public:
    explicit FCCtrlStatic(int controlID);

    int _GetControlType() const override;

    /* Sets the empty text. */
    void Clear();
    /* Sets the decimal text. */
    void SetInteger(int value);
};

#endif
