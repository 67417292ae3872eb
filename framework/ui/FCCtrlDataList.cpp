#include "ui/FCCtrlDataList.h"

#include "ui/FCDataListRow.h"
#include "ui/_FCWindowController_cocoa.h"

namespace
{
/* Shared by every list: the last cell handed out as UTF-16. */
uint16_t unicodebuffer[512];
const uint16_t kMissingCellUnicode[] = {'?', '?', '?', 0};
const char kMissingCell[] = "???";

FCString* CellOf(FCDataListRow* pRow, int column) { return pRow ? pRow->GetItemAt(column) : nullptr; }
} // namespace

FCCtrlDataList::FCCtrlDataList(int controlID)
    : FCControl(controlID), _usecheckboxes(false), _columntitlesset(false), _columnwidthsset(false), _selectedline(-1),
      _selectionset(false), _fontsize(12)
{
}

const char* FCCtrlDataList::ClassName() const { return "FCCtrlDataList"; }
int FCCtrlDataList::_GetControlType() const { return CTRLTYPE_DATALIST; }
float FCCtrlDataList::_GetAutoCreateWidth() const { return 200; }
float FCCtrlDataList::_GetAutoCreateMultilineHeight() const { return 150; }

void FCCtrlDataList::HandleSelectChange(int) {}
void FCCtrlDataList::HandleUnselect() {}
void FCCtrlDataList::HandleDoubleClick() {}

void FCCtrlDataList::HandleCheckChange(int line, bool checked)
{
    if (FCDataListRow* pRow = GetItemAt(line))
        pRow->SetCheck(checked);
}

/* ---- Load and store ---- */

void FCCtrlDataList::_InitNonWindowHandleStates()
{
    FCControl::_InitNonWindowHandleStates();
    if (!_IsOnScreen())
        return;
    _BuildList();
    if (_selectionset)
        SelectLine(_selectedline, true);
}

void FCCtrlDataList::_StoreNonWindowHandleStates()
{
    FCControl::_StoreNonWindowHandleStates();
    if (_IsOnScreen())
        _selectedline = GetSelectedLine();
}

void FCCtrlDataList::_BuildList()
{
    _FCWindowController_cocoa* pBridge = _GetBridge();
    if (!pBridge)
        return;
    if (_usecheckboxes)
        UseLeftCheckboxColumn();
    for (int i = 0; i < _columntitles.GetCount(); ++i) {
        FCNumber* pWidth = _columnwidths.GetItemAt(i);
        pBridge->TableViewAddColumn(GetControlID(), _columntitles.GetItemAt(i), pWidth ? pWidth->GetFloat() : 0,
                                    _fontsize);
    }
    for (int i = 0; i < GetCount(); ++i) {
        FCDataListRow* pRow = GetItemAt(i);
        if (!pRow)
            continue;
        _ConnectRow(pRow, i);
        if (_usecheckboxes)
            pBridge->TableViewUpdateCheckbox(GetControlID(), i);
    }
    pBridge->TableViewRedraw(GetControlID());
}

void FCCtrlDataList::_ConnectRow(FCDataListRow* pRow, int index)
{
    pRow->_Connect(this, index);
    if (_FCWindowController_cocoa* pBridge = _GetBridge())
        pBridge->TableViewAssureConnected(this);
}

/* ---- Columns ---- */

bool FCCtrlDataList::AddColumn(FCString* pTitle, float width)
{
    if (_IsOnScreen()) {
        _GetBridge()->TableViewAddColumn(GetControlID(), pTitle, width, _fontsize);
        return true;
    }
    FCString empty;
    _columntitles.AddCopy(pTitle ? pTitle : &empty);
    _columnwidths.AddFloat(width);
    _columntitlesset = true;
    _columnwidthsset = true;
    return true;
}

int FCCtrlDataList::GetDetailedColumnCount(bool includeCheckColumn)
{
    if (_IsOnScreen())
        return _GetBridge()->TableViewGetColumnCount(GetControlID(), includeCheckColumn);
    return _columntitles.GetCount();
}

float FCCtrlDataList::GetColumnWidth(int column)
{
    if (_IsOnScreen())
        return _GetBridge()->TableViewGetColumnWidth(GetControlID(), column);
    FCNumber* pWidth = _columnwidths.GetItemAt(column);
    return pWidth ? pWidth->GetFloat() : -1.0f;
}

void FCCtrlDataList::SetColumnTitle(int column, FCString* pTitle)
{
    if (_IsOnScreen()) {
        _GetBridge()->TableViewSetColumnTitle(GetControlID(), column, pTitle);
        return;
    }
    FCString* pStored = _columntitles.GetItemAt(column);
    if (pStored)
        pStored->SetString(pTitle);
}

void FCCtrlDataList::DeleteAllColumns()
{
    if (_IsOnScreen())
        _GetBridge()->TableViewDeleteAllColumns(GetControlID());
}

void FCCtrlDataList::ExpandLastColumn()
{
    if (_IsOnScreen())
        _GetBridge()->TableViewExpandLastColumn(GetControlID());
}

bool FCCtrlDataList::UseLeftCheckboxColumn()
{
    _FCWindowController_cocoa* pBridge = _GetBridge();
    if (!pBridge)
        return false;
    /* Remembered, so that a table loaded later gets its check column too. */
    _usecheckboxes = true;
    if (!pBridge->TableViewHasCheckboxes(GetControlID()))
        pBridge->TableViewUseLeftCheckboxColumn(GetControlID());
    return true;
}

bool FCCtrlDataList::HasCheckboxes()
{
    _FCWindowController_cocoa* pBridge = _GetBridge();
    return pBridge ? pBridge->TableViewHasCheckboxes(GetControlID()) : false;
}

/* ---- Rows ---- */

FCDataListRow* FCCtrlDataList::CreateRow()
{
    int columns = GetDetailedColumnCount(false);
    if (columns <= 0)
        return nullptr;
    auto* pRow = new FCDataListRow();
    FCString empty;
    for (int i = 0; i < columns; ++i)
        pRow->AddCopy(&empty);
    AddRow(pRow);
    return pRow;
}

int FCCtrlDataList::AddRow(FCDataListRow* pRow)
{
    if (!pRow)
        return -1;
    int index = _rows.GetCount();
    bool onScreen = _IsOnScreen();
    if (onScreen) {
        _ConnectRow(pRow, index);
        if (_usecheckboxes)
            _GetBridge()->TableViewUpdateCheckbox(GetControlID(), index);
    }
    _rows.Add(pRow);
    if (onScreen)
        _GetBridge()->TableViewRedraw(GetControlID());
    return index;
}

FCDataListRow* FCCtrlDataList::GetItemAt(int line) const { return static_cast<FCDataListRow*>(_rows.GetItemAt(line)); }

bool FCCtrlDataList::DeleteRow(int line)
{
    bool found = _rows.ClearItemAt(line);
    if (!_IsOnScreen())
        return found;
    _GetBridge()->TableViewRedraw(GetControlID());
    return true;
}

void FCCtrlDataList::DeleteAll()
{
    while (GetCount() > 0)
        DeleteRow(0);
}

void FCCtrlDataList::ReconnectAll()
{
    for (int i = 0; i < GetCount(); ++i)
        if (FCDataListRow* pRow = GetItemAt(i))
            _ConnectRow(pRow, i);
}

void FCCtrlDataList::Redraw()
{
    if (_FCWindowController_cocoa* pBridge = _GetBridge())
        pBridge->TableViewRedraw(GetControlID());
}

const char* FCCtrlDataList::_GetCellCText(FCDataListRow* pRow, int column)
{
    FCString* pCell = CellOf(pRow, column);
    return pCell ? pCell->GetCString() : kMissingCell;
}

const uint16_t* FCCtrlDataList::_GetCellUnicodeText(FCDataListRow* pRow, int column)
{
    FCString* pCell = CellOf(pRow, column);
    if (!pCell)
        return kMissingCellUnicode;
    pCell->CopyToUnicodeBuffer(unicodebuffer, static_cast<int>(sizeof unicodebuffer / sizeof unicodebuffer[0]));
    return unicodebuffer;
}

/* ---- Selection ---- */

bool FCCtrlDataList::SelectLine(int line, bool scrollIntoView)
{
    if (line < 0)
        return false;
    if (_IsOnScreen()) {
        _GetBridge()->TableViewSelectLine(GetControlID(), line, scrollIntoView);
        return true;
    }
    _selectedline = line;
    _selectionset = true;
    return true;
}

int FCCtrlDataList::GetSelectedLine()
{
    if (_IsOnScreen())
        return _GetBridge()->TableViewGetSelectedLine(GetControlID());
    return _selectedline;
}

void FCCtrlDataList::ScrollToTop()
{
    if (GetCount() > 0 && _IsOnScreen())
        _GetBridge()->TableViewScrollToTop(GetControlID());
}
