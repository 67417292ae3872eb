#ifndef FRAMEWORK_UI_FCCTRLEDIT_H
#define FRAMEWORK_UI_FCCTRLEDIT_H

#include "ui/FCControl.h"

/* An edit field. Its value lives in the control's text; the number
 * operations write and read that text. */
class FCCtrlEdit : public FCControl
{
public:
    explicit FCCtrlEdit(int controlID);

    const char* ClassName() const override;
    int _GetControlType() const override;
    float _GetAutoCreateWidth() const override;

    /* The decimal text. */
    void SetInteger(int value);
    int GetInteger();
    /* The integer clamped to min .. max (unclamped when min >= max). */
    int GetRangeInteger(int minimum, int maximum);
    /* Sets the field to the nearest bound when the integer lies outside
       min .. max; otherwise leaves the text untouched. */
    void AdjustIntegerWithin(int minimum, int maximum);
    /* The text formatted with "%0.2f". */
    void SetFloat(float value);
    /* On screen the number clamped to min .. max; otherwise the stored
       text's number, unclamped. */
    float GetFloat(float minimum, float maximum);

    /* Disables the field when true, enables it when false. */
    void SetReadOnly(bool state);
    /* On screen only. */
    void SetFocus();
    void ScrollToBottom();
    void SelectAll() {}
    void SetMaxLength(short) {}
};

#endif
