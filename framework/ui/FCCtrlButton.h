#ifndef FRAMEWORK_UI_FCCTRLBUTTON_H
#define FRAMEWORK_UI_FCCTRLBUTTON_H

#include "ui/FCCtrlCheckbox.h"

/* A push button. Its action kind decides whether a press is routed as OK,
 * Close, Cancel or a command. */
class FCCtrlButton : public FCCtrlCheckbox
{
public:
    explicit FCCtrlButton(int controlID);

    int _GetControlType() const override;
    float _GetAutoCreateWidth() const override;

    /* Removes the button's key equivalent (on screen only). */
    void ClearShortcutKey();
};

#endif
