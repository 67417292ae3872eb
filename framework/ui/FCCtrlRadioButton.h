#ifndef FRAMEWORK_UI_FCCTRLRADIOBUTTON_H
#define FRAMEWORK_UI_FCCTRLRADIOBUTTON_H

#include "ui/FCControl.h"

/* A radio button: on or off. Its element is always one of the layout (no
 * element kind is created in code for it). */
class FCCtrlRadioButton : public FCControl
{
    bool _checked;
    bool _checkedset;

public:
    explicit FCCtrlRadioButton(int controlID);

    float _GetAutoCreateWidth() const override;
    void _InitNonWindowHandleStates() override;
    void _StoreNonWindowHandleStates() override;

    void SetCheck(bool state);
    bool GetCheck();
};

#endif
