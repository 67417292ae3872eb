#include "ui/FCCtrlListBox.h"

#include "ui/FCDataListRow.h"
#include "ui/_FCWindowController_cocoa.h"

FCCtrlListBox::FCCtrlListBox(int controlID)
    : FCCtrlDataList(controlID), _selecteditem(-1), _selecteditemset(false), _pendingstringsset(false)
{
}

const char* FCCtrlListBox::ClassName() const { return "FCCtrlListBox"; }
int FCCtrlListBox::_GetControlType() const { return CTRLTYPE_LISTBOX; }
float FCCtrlListBox::_GetAutoCreateWidth() const { return 150; }
float FCCtrlListBox::_GetAutoCreateMultilineHeight() const { return 170; }

void FCCtrlListBox::_InitNonWindowHandleStates()
{
    FCControl::_InitNonWindowHandleStates();
    if (!_IsOnScreen())
        return;
    if (_pendingstringsset) {
        FCStrings pending;
        pending.CopyFrom(&_pendingstrings);
        SetStrings(&pending);
    }
    if (_selecteditemset)
        SetSelectedItem(_selecteditem);
    else if (_IsCreateInCode())
        SetSelectedItem(0);
}

void FCCtrlListBox::_StoreNonWindowHandleStates()
{
    FCCtrlDataList::_StoreNonWindowHandleStates();
    if (!_IsOnScreen())
        return;
    /* The items and selection shown become what the list box reports (and
       shows again) while no table exists. */
    _pendingstrings.ClearAll();
    for (int i = 0; i < FCCtrlDataList::GetCount(); ++i) {
        FCDataListRow* pRow = GetItemAt(i);
        FCString empty;
        FCString* pCell = pRow ? pRow->GetItemAt(0) : nullptr;
        _pendingstrings.AddCopy(pCell ? pCell : &empty);
    }
    _pendingstringsset = true;
    _selecteditem = GetSelectedLine();
}

void FCCtrlListBox::_AssureSingleColumn()
{
    _FCWindowController_cocoa* pBridge = _GetBridge();
    if (pBridge->TableViewGetColumnCount(GetControlID(), true) != 0)
        return;
    FCString empty;
    pBridge->TableViewAddColumn(GetControlID(), &empty, 100, GetFontSize());
    pBridge->TableViewExpandLastColumn(GetControlID());
    pBridge->TableViewSetNoHeader(GetControlID());
}

void FCCtrlListBox::AddString(FCString* pString)
{
    if (!pString)
        return;
    if (!_IsOnScreen()) {
        _pendingstrings.AddCopy(pString);
        _pendingstringsset = true;
        return;
    }
    _AssureSingleColumn();
    auto* pRow = new FCDataListRow();
    pRow->AddCopy(pString);
    AddRow(pRow);
}

void FCCtrlListBox::SetStrings(FCStrings* pStrings)
{
    Clear();
    if (!pStrings)
        return;
    for (int i = 0; i < pStrings->GetCount(); ++i)
        AddString(pStrings->GetItemAt(i));
}

void FCCtrlListBox::Clear()
{
    if (_IsOnScreen()) {
        DeleteAll();
        return;
    }
    _pendingstrings.ClearAll();
    _pendingstringsset = true;
}

int FCCtrlListBox::GetCount() const { return _IsOnScreen() ? FCCtrlDataList::GetCount() : _pendingstrings.GetCount(); }

void FCCtrlListBox::GetItemText(int index, FCString* pString) const
{
    if (index < 0 || !pString)
        return;
    FCDataListRow* pRow = GetItemAt(index);
    FCString* pCell = pRow ? pRow->GetItemAt(0) : nullptr;
    if (pCell)
        pString->SetString(pCell);
}

void FCCtrlListBox::SetItemText(int index, FCString* pString)
{
    if (index < 0 || !pString)
        return;
    FCDataListRow* pRow = GetItemAt(index);
    FCString* pCell = pRow ? pRow->GetItemAt(0) : nullptr;
    if (!pCell)
        return;
    pCell->SetString(pString);
    Redraw();
}

void FCCtrlListBox::DeleteItem(int index)
{
    if (index < 0)
        return;
    if (_IsOnScreen())
        DeleteRow(index);
    else
        _pendingstrings.ClearItemAt(index);
}

void FCCtrlListBox::SetSelectedItem(int index)
{
    if (_IsOnScreen()) {
        SelectLine(index, true);
        return;
    }
    _selecteditem = index;
    _selecteditemset = true;
}

int FCCtrlListBox::GetSelectedItem() { return _IsOnScreen() ? GetSelectedLine() : _selecteditem; }

void FCCtrlListBox::ClearSelection()
{
    if (_IsOnScreen())
        _GetBridge()->TableViewClearSelection(GetControlID());
}
