/* The bridge's reports into the framework window. They are the same for
 * every platform bridge: each platform turns its own events into these calls. */
#include "ui/_FCWindowController_cocoa.h"

#include "ui/FCControl.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCCtrlSwitcher.h"
#include "ui/__FCUserWindow.h"

void _FCWindowController_cocoa::Notify_InitWindow()
{
    if (_pWindow)
        _pWindow->InitWindow();
}

void _FCWindowController_cocoa::Notify_OkButtonPressed()
{
    if (_pWindow)
        _pWindow->OkButtonPressed();
}

void _FCWindowController_cocoa::Notify_CancelButtonPressed()
{
    if (_pWindow)
        _pWindow->CancelButtonPressed();
}

void _FCWindowController_cocoa::Notify_ButtonPressed(int id)
{
    if (!_pWindow)
        return;
    FCControl* pControl = _pWindow->FindControl(id);
    switch (pControl ? pControl->GetActionKind() : FCControl::ACTIONKIND_COMMAND) {
    case FCControl::ACTIONKIND_OK: _pWindow->OkButtonPressed(); break;
    case FCControl::ACTIONKIND_CLOSE: _pWindow->CloseButtonPressed(); break;
    case FCControl::ACTIONKIND_CANCEL: _pWindow->CancelButtonPressed(); break;
    default: _pWindow->HandleCommand(pControl); break;
    }
}

void _FCWindowController_cocoa::Notify_HandleCommand(int id)
{
    if (_pWindow)
        _pWindow->HandleCommand(_pWindow->FindControl(id));
}

void _FCWindowController_cocoa::Notify_HandleSwitcherSelect(int id, int segment)
{
    if (!_pWindow)
        return;
    FCControl* pControl = _pWindow->FindControl(id);
    bool isSwitcher = pControl && pControl->_GetControlType() == FCControl::CTRLTYPE_SWITCHER;
    _pWindow->HandleSwitcherSelect(isSwitcher ? dynamic_cast<FCCtrlSwitcher*>(pControl) : nullptr, segment);
}

/* The data list bound to a control ID, or null when the control is another kind. */
static FCCtrlDataList* DataListOf(FCControl* pControl)
{
    if (!pControl)
        return nullptr;
    int type = pControl->_GetControlType();
    return (type == FCControl::CTRLTYPE_DATALIST || type == FCControl::CTRLTYPE_LISTBOX)
               ? static_cast<FCCtrlDataList*>(pControl)
               : nullptr;
}

void _FCWindowController_cocoa::Notify_DataListHandleDoubleClick(int id, int)
{
    if (!_pWindow)
        return;
    if (FCCtrlDataList* pList = DataListOf(_pWindow->FindControl(id)))
        pList->HandleDoubleClick();
}

void _FCWindowController_cocoa::Notify_DataListHandleCommand(int id, int row)
{
    if (!_pWindow)
        return;
    FCControl* pControl = _pWindow->FindControl(id);
    if (FCCtrlDataList* pList = DataListOf(pControl)) {
        if (row >= 0)
            pList->HandleSelectChange(row);
        else {
            pList->HandleUnselect();
            row = -1;
        }
        _pWindow->HandleDataListSelect(pList, row);
    }
    _pWindow->HandleCommand(pControl);
}

void _FCWindowController_cocoa::Notify_WindowActivated(bool active)
{
    if (_pWindow)
        _pWindow->HandleActivate(active);
}

void _FCWindowController_cocoa::Notify_WindowResized(float width, float height, float, float)
{
    if (_pWindow)
        _pWindow->_HandleResizeChange(static_cast<int>(width), static_cast<int>(height));
}

void _FCWindowController_cocoa::Notify_WindowClose()
{
    if (!_pWindow)
        return;
    if (_windowopen) {
        _windowopen = false;
        _pWindow->CloseWindow();
    }
    if (_modalrun)
        _modalrun = false;
}

bool _FCWindowController_cocoa::Notify_WindowCanClose() { return _pWindow ? _pWindow->CanClose() : true; }

void _FCWindowController_cocoa::Notify_Timer(int id)
{
    if (_pWindow)
        _pWindow->HandleTimer(static_cast<short>(id));
}
