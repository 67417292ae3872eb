#ifndef FRAMEWORK_UI___FCUSERWINDOW_H
#define FRAMEWORK_UI___FCUSERWINDOW_H

#include <cstdint>

#include "strings/FCString.h"
#include "core/__FCCollection.h"
#include "ui/__FloatRect.h"

class FCControl;
class FCCtrlDataList;
class FCCtrlSwitcher;
class _FCWindowController_cocoa;

/* The platform-neutral side of a plug-in window: a collection of its controls
 * (owned, in the order they were added) plus the property store used while no
 * on-screen window exists, the stored position, shading and buffered control
 * movement. All on-screen work goes through the window's bridge.
 *
 * Virtual operations after those of __FCCollection, in slot order:
 *   _InitNonWindowHandleStates, CloseWindow (abstract), InitWindow,
 *   CloseButtonPressed, OkButtonPressed, CancelButtonPressed, HandleCommand,
 *   HandleSwitcherSelect, HandleUpDownPressed, HandleDataListSelect,
 *   HandleDataListCheck, HandleTimer, HandleActivate, HandleResize, CanClose. */
class __FCUserWindow : public __FCCollection
{
    FCString _title;
    bool _titleset;
    float _width;
    bool _widthset;
    float _height;
    bool _heightset;
    float _clientheight;
    bool _clientheightset;
    float _clientwidth;
    bool _clientwidthset;
    int16_t _returncode;

protected:
    _FCWindowController_cocoa* _pBridge; /* created and owned by the concrete window */

private:
    float _minwidth;
    float _minheight;
    float _lastwidth;
    float _lastheight;
    bool _positionstored;
    float _storedx;
    float _storedy;
    bool _sizestored;
    float _storedwidth;
    float _storedheight;
    bool _shaded;
    float _unshadedheight;
    bool _bufferingmoves;
    bool _closing;

public:
    /* How the window was ended. */
    enum RETURNCODES
    {
        RETURNCODE_CLOSE = 0,
        RETURNCODE_OK = 1,
        RETURNCODE_CANCEL = 2
    };

    __FCUserWindow();
    ~__FCUserWindow() override;

    /* Pushes the flagged title, client width, width, client height and height
       to the screen, then each control's own states in control order. */
    virtual void _InitNonWindowHandleStates();
    virtual void CloseWindow() = 0;
    /* Clears closing and records the loaded frame's size as minimum and last
       size. */
    virtual void InitWindow();
    /* Return code 0/1/2; then, unless closing, CloseWindow() if CanClose(). */
    virtual void CloseButtonPressed();
    virtual void OkButtonPressed();
    virtual void CancelButtonPressed();
    /* Every ordinary control action; the control may be null. */
    virtual void HandleCommand(FCControl* pControl);
    virtual void HandleSwitcherSelect(FCCtrlSwitcher* pSwitcher, int page);
    virtual void HandleUpDownPressed(FCControl* pControl, int delta);
    /* line is -1 when the selection was cleared. */
    virtual void HandleDataListSelect(FCCtrlDataList* pList, int line);
    virtual void HandleDataListCheck(FCCtrlDataList* pList, int line, bool checked);
    virtual void HandleTimer(short id);
    virtual void HandleActivate(bool active);
    virtual void HandleResize(int newWidth, int newHeight, int oldWidth, int oldHeight);
    virtual bool CanClose();

    /* ---- Properties (dual state) ---- */

    void SetTitle(FCString* pTitle);
    void GetTitle(FCString* pTitle);
    void SetWidth(float width);
    void SetHeight(float height);
    void SetClientWidth(float width);
    void SetClientHeight(float height);
    float GetWidth();
    float GetHeight();
    float GetClientWidth();
    float GetClientHeight();

    /* ---- On-screen window ---- */

    bool WindowExists() const;
    bool IsVisible();
    void Hide();
    void Activate();
    void ShowAndActivate();
    void SetWindowAlpha(short percent);
    void SetEnabled(bool state);
    /* Destroys the on-screen window, when it exists. */
    void DestroyWindow();

    /* The first control (in insertion order) with the ID, or null. */
    FCControl* FindControl(int id) const;
    /* Appends the control (the window takes ownership) and sets its window;
       returns it. Null gives null. */
    FCControl* AddControl(FCControl* pControl);

    /* ---- Timers (on screen only; id 0 is refused) ---- */

    void SetTimer(short id, unsigned int milliseconds);
    void StopTimer(short id);

    /* ---- Position memory ---- */

    void SetRestorePositionData(float x, float y, float width, float height);
    void SetRestorePositionOnlyData(float x, float y);
    /* -1 when nothing is stored. */
    float GetStoredX() const;
    float GetStoredY() const;
    float GetStoredWidth() const;
    float GetStoredHeight() const;
    void StorePosition(bool withSize);
    bool RestorePosition();

    /* ---- Shading and buffered movement ---- */

    void Windowshade(bool shade);
    bool IsShaded() const { return _shaded; }
    void StartBufferControlMovement();
    void EndBufferControlMovement();
    bool _IsBufferingMoves() const { return _bufferingmoves; }

    /* ---- State ---- */

    int GetReturnCode() const { return _returncode; }
    void _SetReturnCode(int code) { _returncode = static_cast<int16_t>(code); }
    bool _IsClosing() const { return _closing; }
    void _SetClosing(bool state) { _closing = state; }
    float _GetMinimumWidth() const { return _minwidth; }
    float _GetMinimumHeight() const { return _minheight; }
    _FCWindowController_cocoa* _GetBridge() const { return _pBridge; }
    bool _IsClientWidthSet() const { return _clientwidthset; }
    bool _IsClientHeightSet() const { return _clientheightset; }

    /* Asks the bridge to create each control marked create-in-code. */
    void _CreateDynamicControls();
    /* Copies the on-screen title, sizes and each control's states back;
       a shaded window is unshaded first. */
    void _StoreNonWindowHandleStates();
    /* A size report from the platform; ignored while shaded. */
    void _HandleResizeChange(int width, int height);

private:
    void _EndWithCode(int code);
    bool _ReadFrame(__FloatRect* pRect);
    void _WriteFrame(__FloatRect* pRect);
    void _RecordLastSize();
    /* One size property: on screen the frame's right (or bottom, plus extra)
       edge moves; otherwise the value is stored with its set flag. */
    void _SetDimension(float value, float* pStore, bool* pSet, bool vertical, float extra);
    bool _ShadeState(bool shade);
};

#endif
