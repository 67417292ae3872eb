#ifndef FRAMEWORK_UI_FCCUSTOMWINDOW_H
#define FRAMEWORK_UI_FCCUSTOMWINDOW_H

#include "ui/FCResourceWindow.h"

/* A resource window that lays out its controls itself: when every control is
 * marked laid-out-by-window, the controls are shifted into a 20-point margin,
 * the window is sized around them and the OK (1) and Cancel (2) buttons are
 * placed in a band at the bottom right. */
class FCCustomWindow : public FCResourceWindow
{
public:
    explicit FCCustomWindow(int layoutID);

    void _InitNonWindowHandleStates() override;

private:
    bool _AllLaidOutByWindow() const;
    void _LayOut();
};

#endif
