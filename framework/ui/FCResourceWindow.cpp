#include "ui/FCResourceWindow.h"

#include "ui/FCCtrlButton.h"
#include "ui/FCCtrlCheckbox.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCCtrlEdit.h"
#include "ui/FCCtrlLine.h"
#include "ui/FCCtrlListBox.h"
#include "ui/FCCtrlPopup.h"
#include "ui/FCCtrlRadioButton.h"
#include "ui/FCCtrlSlider.h"
#include "ui/FCCtrlStatic.h"
#include "ui/FCCtrlSwitcher.h"
#include "ui/FCCtrlTree.h"
#include "ui/FCCtrlUpDown.h"
#include "ui/_FCWindowController_cocoa.h"

FCResourceWindow::FCResourceWindow(int layoutID) : _layoutid(layoutID), _pParent(nullptr)
{
    _pBridge = new _FCWindowController_cocoa(this, layoutID);
}

FCResourceWindow::~FCResourceWindow()
{
    if (!_pBridge)
        return;
    _pBridge->DestroyWindow();
    delete _pBridge;
    _pBridge = nullptr;
}

void FCResourceWindow::CloseWindow()
{
    _StoreNonWindowHandleStates();
    _SetClosing(true);
    DestroyWindow();
}

void FCResourceWindow::InitWindow()
{
    _CreateDynamicControls();
    __FCUserWindow::InitWindow();
    _InitNonWindowHandleStates();
}

template <class T>
T* FCResourceWindow::_AddNew(short id)
{
    T* pControl = new T(id);
    AddControl(pControl);
    return pControl;
}

FCCtrlButton* FCResourceWindow::AddButton(short id) { return _AddNew<FCCtrlButton>(id); }
FCCtrlEdit* FCResourceWindow::AddEdit(short id) { return _AddNew<FCCtrlEdit>(id); }
FCCtrlCheckbox* FCResourceWindow::AddCheckbox(short id) { return _AddNew<FCCtrlCheckbox>(id); }
FCCtrlDataList* FCResourceWindow::AddDataList(short id) { return _AddNew<FCCtrlDataList>(id); }
FCCtrlListBox* FCResourceWindow::AddListBox(short id) { return _AddNew<FCCtrlListBox>(id); }
FCCtrlRadioButton* FCResourceWindow::AddRadioButton(short id) { return _AddNew<FCCtrlRadioButton>(id); }
FCCtrlStatic* FCResourceWindow::AddStatic(short id) { return _AddNew<FCCtrlStatic>(id); }
FCCtrlPopup* FCResourceWindow::AddPopup(short id) { return _AddNew<FCCtrlPopup>(id); }
FCCtrlUpDown* FCResourceWindow::AddUpDown(short id) { return _AddNew<FCCtrlUpDown>(id); }
FCCtrlSlider* FCResourceWindow::AddSlider(short id) { return _AddNew<FCCtrlSlider>(id); }
FCCtrlSwitcher* FCResourceWindow::AddSwitcher(short id) { return _AddNew<FCCtrlSwitcher>(id); }
FCCtrlTree* FCResourceWindow::AddTree(short id) { return _AddNew<FCCtrlTree>(id); }
FCCtrlLine* FCResourceWindow::AddLine(short id) { return _AddNew<FCCtrlLine>(id); }

void FCResourceWindow::ShowModeless(__FCUserWindow* pParent)
{
    _pParent = pParent;
    if (WindowExists()) {
        _pBridge->ShowWindow(true);
        _pBridge->ActivateWindow();
        return;
    }
    _pBridge->ShowModeless();
}

void FCResourceWindow::ShowModeless(OpaqueCocoaWindow*) { ShowModeless(static_cast<__FCUserWindow*>(nullptr)); }

int FCResourceWindow::ExecuteModal(__FCUserWindow* pParent)
{
    _pParent = pParent;
    return _pBridge->ExecuteModal(pParent) ? GetReturnCode() : 0;
}

int FCResourceWindow::ExecuteModal_EWND(OpaqueCocoaWindow*)
{
    _SetReturnCode(RETURNCODE_CLOSE);
    return ExecuteModal(nullptr);
}
