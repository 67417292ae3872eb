#include "ui/FCCtrlPopup.h"

#include "ui/_FCWindowController_cocoa.h"

FCCtrlPopup::FCCtrlPopup(int controlID)
    : FCControl(controlID), _selecteditem(-1), _selecteditemset(false), _itemsassigned(false)
{
}

const char* FCCtrlPopup::ClassName() const { return "FCCtrlPopup"; }
int FCCtrlPopup::_GetControlType() const { return CTRLTYPE_POPUP; }
float FCCtrlPopup::_GetAutoCreateWidth() const { return 100; }

void FCCtrlPopup::_InitNonWindowHandleStates()
{
    FCControl::_InitNonWindowHandleStates();
    if (!_IsOnScreen())
        return;
    _FCWindowController_cocoa* pBridge = _GetBridge();
    const int id = GetControlID();
    if (_itemsassigned) {
        pBridge->ClearAllPopupItems(id);
        for (int i = 0; i < _items.GetCount(); ++i)
            pBridge->AppendPopupItem(id, _items.GetItemAt(i));
    }
    if (_selecteditemset)
        pBridge->SelectPopupItem(id, _selecteditem);
    else if (_IsCreateInCode())
        pBridge->SelectPopupItem(id, 0);
}

void FCCtrlPopup::_StoreNonWindowHandleStates()
{
    FCControl::_StoreNonWindowHandleStates();
    if (!_IsOnScreen())
        return;
    _FCWindowController_cocoa* pBridge = _GetBridge();
    const int id = GetControlID();
    _items.ClearAll();
    const int count = pBridge->GetPopupItemCount(id);
    for (int i = 0; i < count; ++i) {
        FCString text;
        pBridge->GetPopupItemText(id, i, &text);
        _items.AddCopy(&text);
    }
    _selecteditem = pBridge->GetSelectedPopupItem(id);
}

bool FCCtrlPopup::_IsStoredIndex(int index) const { return index >= 0 && index < _items.GetCount(); }

void FCCtrlPopup::AddString(FCString* pString)
{
    if (!pString)
        return;
    if (_IsOnScreen()) {
        _GetBridge()->AppendPopupItem(GetControlID(), pString);
        return;
    }
    _items.AddCopy(pString);
    _itemsassigned = true;
}

void FCCtrlPopup::SetStrings(FCStrings* pStrings)
{
    Clear();
    if (!pStrings)
        return;
    for (int i = 0; i < pStrings->GetCount(); ++i)
        AddString(pStrings->GetItemAt(i));
}

void FCCtrlPopup::Clear()
{
    if (_IsOnScreen()) {
        _GetBridge()->ClearAllPopupItems(GetControlID());
        return;
    }
    _items.ClearAll();
    _itemsassigned = true;
    _selecteditem = -1;
}

int FCCtrlPopup::GetCount()
{
    return _IsOnScreen() ? _GetBridge()->GetPopupItemCount(GetControlID()) : _items.GetCount();
}

void FCCtrlPopup::DeleteItem(int index)
{
    if (_IsOnScreen()) {
        _GetBridge()->DeletePopupItem(GetControlID(), index);
        return;
    }
    if (!_IsStoredIndex(index))
        return;
    _items.ClearItemAt(index);
    _itemsassigned = true;
    /* The stored selection follows its item; a deleted one falls back to 0. */
    if (_selecteditem > index)
        --_selecteditem;
    else if (_selecteditem == index)
        _selecteditem = _items.GetCount() > 0 ? 0 : -1;
}

void FCCtrlPopup::InsertString(int index, FCString* pString)
{
    if (pString && _IsOnScreen())
        _GetBridge()->InsertString(GetControlID(), index, pString);
}

void FCCtrlPopup::SetItemText(int index, FCString* pString)
{
    if (!pString || !_IsOnScreen() || index < 0 || index >= GetCount())
        return;
    _FCWindowController_cocoa* pBridge = _GetBridge();
    const int id = GetControlID();
    const int selected = pBridge->GetSelectedPopupItem(id);
    pBridge->DeletePopupItem(id, index);
    pBridge->InsertString(id, index, pString);
    pBridge->SelectPopupItem(id, selected);
}

void FCCtrlPopup::SetSelectedItem(int index)
{
    if (_IsOnScreen()) {
        _GetBridge()->SelectPopupItem(GetControlID(), index);
        return;
    }
    /* Without assigned items the layout's items are not known yet: any
       non-negative index is kept and checked when the window loads. */
    if (index < 0 || (_itemsassigned && !_IsStoredIndex(index)))
        return;
    _selecteditem = index;
    _selecteditemset = true;
}

int FCCtrlPopup::GetSelectedItem()
{
    return _IsOnScreen() ? _GetBridge()->GetSelectedPopupItem(GetControlID()) : _selecteditem;
}
