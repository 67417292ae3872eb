#ifndef FRAMEWORK_UI_FCCTRLUPDOWN_H
#define FRAMEWORK_UI_FCCTRLUPDOWN_H

#include <cstdint>

#include "ui/FCControl.h"

class FCCtrlEdit;

/* An up/down control (a stepper), optionally connected to an edit field that
 * shows its value as an integer or as a measurement (in EVPUs, written in the
 * document's default unit), each with its own limits.
 *
 * Off screen the value and the range are kept and pushed when the window
 * loads (value, then range). On screen GetValue is the value last set;
 * GetMinimum/GetMaximum are the connection's limits when an edit field is
 * connected, else the stepper's. */
class FCCtrlUpDown : public FCControl
{
    int32_t _value;
    bool _valueset;
    int32_t _minimum;
    bool _rangeset;
    int32_t _maximum;
    bool _maximumset;
    int32_t _connectionkind;
    FCCtrlEdit* _pConnectedEdit;
    int32_t _intminimum;
    int32_t _intmaximum;
    double _measurementminimum;
    double _measurementmaximum;
    int32_t _lastshownvalue;

public:
    /* Kinds of connection to an edit field. */
    enum CONNECTIONKINDS
    {
        CONNECTION_NONE = 0,
        CONNECTION_INTEGER = 1,
        CONNECTION_MEASUREMENT = 2
    };

    explicit FCCtrlUpDown(int controlID);

    const char* ClassName() const override;
    int _GetControlType() const override;
    float _GetAutoCreateWidth() const override;
    void _InitNonWindowHandleStates() override;
    void _StoreNonWindowHandleStates() override;

    void SetValue(int value);
    int GetValue();
    void SetRange(int minimum, int maximum);
    int GetMinimum();
    int GetMaximum();

    /* Connects an edit field showing an integer within minimum .. maximum.
       False (nothing changed) for a null edit or minimum > maximum. */
    bool ConnectIntegerEdit(FCCtrlEdit* pEdit, int minimum, int maximum);
    /* Connects an edit field showing a measurement (EVPUs, written in the
       document's unit) within minimum .. maximum. False (nothing changed) for
       a null edit or minimum > maximum. */
    bool ConnectMeasurementEdit(FCCtrlEdit* pEdit, double minimum, double maximum);
    /* Back to no connection. */
    void Disconnect();
    int GetConnectionKind() const { return _connectionkind; }
    FCCtrlEdit* GetConnectedEdit() const { return _pConnectedEdit; }

    /* A stepper click reported the stepper's new value: the connected field
       moves by the click from its own value, an unconnected control takes
       the new value. Returns the change for HandleUpDownPressed. */
    int _HandleStepperClick(int stepperValue);
    /* Moves the connected field by delta within the connection's limits. */
    void _HandleConnectedEditEvent(int delta);

private:
    double _ClampToConnection(double value) const;
    /* The connected field's value in the stepper's integer units. */
    int _ReadConnectedValue();
    void _WriteConnectedValue(double value);
    void _ShowValue(int value);
};

#endif
