#ifndef FRAMEWORK_UI_FCCTRLSLIDER_H
#define FRAMEWORK_UI_FCCTRLSLIDER_H

#include <cstdint>

#include "ui/FCControl.h"

/* A slider with integer limits and thumb position. On screen the limits are
 * the slider's, truncated (0 without a slider element), and the thumb
 * position is the slider's value + 0.49, truncated (-1 without one). */
class FCCtrlSlider : public FCControl
{
    int32_t _minimum;
    bool _minimumset;
    int32_t _maximum;
    bool _maximumset;
    int32_t _thumbposition;
    bool _thumbpositionset;

public:
    explicit FCCtrlSlider(int controlID);

    int _GetControlType() const override;
    float _GetAutoCreateWidth() const override;
    void _InitNonWindowHandleStates() override;
    void _StoreNonWindowHandleStates() override;

    void SetMinValue(int value);
    void SetMaxValue(int value);
    void SetThumbPosition(int value);
    int GetMinValue();
    int GetMaxValue();
    int GetThumbPosition();

private:
    /* The dual-state rule for one of the slider's numbers. */
    void _SetNumber(int32_t* pField, bool* pSet, int value, void (_FCWindowController_cocoa::*setter)(int, int));
    int _GetNumber(int32_t stored, int (_FCWindowController_cocoa::*getter)(int));
};

#endif
