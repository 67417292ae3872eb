#ifndef FRAMEWORK_UI_FCCTRLCHECKBOX_H
#define FRAMEWORK_UI_FCCTRLCHECKBOX_H

#include <cstdint>

#include "ui/FCControl.h"

/* A check box. Check states: 0 off, 1 on, 2 mixed (where the element allows
 * it; a check box created in code allows it when its allow-mixed flag is set).
 *
 * Virtual operations after those of FCControl: SetCheck, GetCheck. */
class FCCtrlCheckbox : public FCControl
{
    int32_t _checkstate;
    bool _checkstateset;
    bool _allowmixedstate;

public:
    explicit FCCtrlCheckbox(int controlID);

    int _GetControlType() const override;
    float _GetAutoCreateWidth() const override;
    void _InitNonWindowHandleStates() override;
    void _StoreNonWindowHandleStates() override;

    virtual void SetCheck(short state);
    virtual int GetCheck();

    bool GetAllowMixedState() const { return _allowmixedstate; }
    void SetAllowMixedState(bool state) { _allowmixedstate = state; }
};

#endif
