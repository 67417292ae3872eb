#include "ui/FCDataListRow.h"

#include "ui/FCCtrlDataList.h"
#include "ui/_FCWindowController_cocoa.h"

FCDataListRow::FCDataListRow() : _checked(false), _rowindex(-1), _pList(nullptr) {}

void FCDataListRow::SetCheck(bool state)
{
    _checked = state;
    if (!_pList || _rowindex < 0 || !_pList->_IsOnScreen())
        return;
    _FCWindowController_cocoa* pBridge = _pList->_GetBridge();
    if (pBridge->TableViewHasCheckboxes(_pList->GetControlID()))
        pBridge->TableViewUpdateCheckbox(_pList->GetControlID(), _rowindex);
}

void FCDataListRow::_Connect(FCCtrlDataList* pList, int index)
{
    _pList = pList;
    _rowindex = index;
}
