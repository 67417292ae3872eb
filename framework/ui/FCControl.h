#ifndef FRAMEWORK_UI_FCCONTROL_H
#define FRAMEWORK_UI_FCCONTROL_H

#include <cstdint>

#include "strings/FCString.h"
#include "core/__FCBase.h"
#include "ui/__FloatRect.h"

class __FCUserWindow;
class _FCWindowController_cocoa;

/* A text kept while no on-screen element exists, with its assigned flag. */
struct _NONWINDOW_PROPERTY_FCSTRING
{
    FCString value;
    bool set = false;
};

/* The base of every control.
 *
 * A control is bound to the layout element whose tag equals its control ID.
 * While that element exists (the control has a window whose bridge reports a
 * loaded window) every property operation goes to the bridge; otherwise the
 * value is kept in the control's property store with its set flag. At load,
 * _InitNonWindowHandleStates pushes the flagged values to the screen; before
 * the window is destroyed, _StoreNonWindowHandleStates copies the on-screen
 * values back (without setting flags).
 *
 * Virtual operations after those of __FCBase, in slot order:
 *   _GetControlType, _GetAutoCreateWidth, _GetAutoCreateMultilineHeight,
 *   _InitNonWindowHandleStates, _StoreNonWindowHandleStates, Repaint,
 *   SetEnable, GetEnable, SetVisible, SetKeyboardFocus, SetText, GetText,
 *   ResizeRelative. */
class FCControl : public __FCBase
{
    _NONWINDOW_PROPERTY_FCSTRING _text;
    bool _enabled;
    bool _enabledset;
    bool _visible;
    bool _visibleset;
    float _left;
    bool _leftset;
    float _top;
    bool _topset;
    float _width;
    bool _widthset;
    float _height;
    bool _heightset;
    bool _laidoutbywindow;
    bool _createincode;
    bool _movepending;
    bool _resizepending;
    float _pendingleft;
    float _pendingtop;
    float _pendingwidth;
    float _pendingheight;
    int16_t _controlid;
    __FCUserWindow* _pWindow;
    int _actionkind;

public:
    /* What a press of the control means (see __FCUserWindow routing). */
    enum ACTIONKINDS
    {
        ACTIONKIND_COMMAND = 0,
        ACTIONKIND_OK = 1,
        ACTIONKIND_CLOSE = 2,
        ACTIONKIND_CANCEL = 3
    };

    /* The type code of each control class (_GetControlType): the bridge
       chooses the on-screen element for a control created in code by it. 12
       names no class; an element asked for with it is created as nothing. */
    enum CONTROLTYPES
    {
        CTRLTYPE_CONTROL = 0, /* also FCCtrlRadioButton */
        CTRLTYPE_UPDOWN = 1,
        CTRLTYPE_DATALIST = 2,
        CTRLTYPE_TREE = 3,
        CTRLTYPE_BUTTON = 4,
        CTRLTYPE_CHECKBOX = 5,
        CTRLTYPE_EDIT = 6,
        CTRLTYPE_STATIC = 7,
        CTRLTYPE_POPUP = 8,
        CTRLTYPE_LINE = 9,
        CTRLTYPE_SLIDER = 10,
        CTRLTYPE_LISTBOX = 11,
        CTRLTYPE_NONE = 12,
        CTRLTYPE_SWITCHER = 13
    };

    explicit FCControl(int controlID);

    const char* ClassName() const override;
    ~FCControl() override;

    /* Type code the bridge uses to create an element in code (0 here). */
    virtual int _GetControlType() const;
    /* Default size of an element created in code, in points. */
    virtual float _GetAutoCreateWidth() const;
    virtual float _GetAutoCreateMultilineHeight() const;
    /* Pushes text, enabled, visible, width, height, left, top when flagged. */
    virtual void _InitNonWindowHandleStates();
    /* Copies the on-screen text, enabled, visible and geometry to the store. */
    virtual void _StoreNonWindowHandleStates();
    virtual void Repaint();
    virtual void SetEnable(bool state);
    virtual bool GetEnable();
    virtual void SetVisible(bool state);
    /* On screen only. */
    virtual void SetKeyboardFocus();
    /* A null text sends the empty string. */
    virtual void SetText(FCString* pString);
    virtual void GetText(FCString* pString);
    virtual void ResizeRelative(float dw, float dh);

    /* On screen only: sets the text and lets the element size itself. */
    void SetTextAndResize(FCString* pString);
    bool GetVisible();
    void SetLeft(float value);
    void SetTop(float value);
    void SetWidth(float value);
    void SetHeight(float value);
    /* On screen: -1 when the element is missing; the pending position while
       a buffered move waits. */
    float GetLeft();
    float GetTop();
    float GetWidth();
    float GetHeight();
    void MoveRelative(float dx, float dy);
    void MoveAbsolute(float x, float y);
    /* Asks the bridge to create the element; false without window or bridge. */
    bool _CreateUIControl();

    int GetControlID() const { return _controlid; }
    /* The owning window (set by the window's add operations). */
    __FCUserWindow* GetParent() const { return _pWindow; }
    void _SetParent(__FCUserWindow* pWindow) { _pWindow = pWindow; }
    int GetActionKind() const { return _actionkind; }
    void SetActionKind(int kind) { _actionkind = kind; }

    bool _IsLaidOutByWindow() const { return _laidoutbywindow; }
    void _SetLaidOutByWindow(bool state) { _laidoutbywindow = state; }
    bool _IsCreateInCode() const { return _createincode; }
    void _SetCreateInCode(bool state) { _createincode = state; }

    /* Buffered movement (driven by the window). */
    bool _HasPendingMovement() const { return _movepending || _resizepending; }
    void _ClearPendingMovement();
    void _ApplyPendingMovement();

    /* True when the control's on-screen element can exist: the control has a
       window whose bridge reports a loaded window. */
    bool _IsOnScreen() const;
    /* The window's bridge, or null. */
    _FCWindowController_cocoa* _GetBridge() const;

private:
    bool _IsBuffering() const;
    /* A buffered move waits: later moves start from its position. */
    bool _IsMovePending() const;
    /* The stored value off screen; on screen a value picked from the
       element's rectangle, -1 when the element is missing. */
    float _GetGeometry(float stored, float (*pick)(const __FloatRect&));
    void _MoveOnScreen(float x, float y);
};

#endif
