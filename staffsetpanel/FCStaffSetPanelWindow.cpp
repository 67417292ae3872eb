#include "staffsetpanel/FCStaffSetPanelWindow.h"

#include <memory>

#include "ui/FCCtrlButton.h"
#include "ui/FCCtrlEdit.h"
#include "staffsetpanel/FCCtrlStaffSetDataList.h"
#include "ui/FCDataListRow.h"
#include "document/FCMusicRegion.h"
#include "document/FCPart.h"
#include "document/FCStaff.h"
#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "document/FCSystemStaff.h"
#include "document/FCSystemStaves.h"
#include "ui/FCUI.h"
#include "hostlink/fx_host_abi.h"
#include "common/qz_host_versions.h"

const char* const FCStaffSetPanelWindow::kUndoText = "Staff Set Panel";

namespace
{

/* The list's columns: title and width. */
struct ListColumn
{
    const char* title;
    float width;
};
const ListColumn kColumns[] = {{"#", 40}, {"Name", 130}, {"Staves", 60}, {"Top", 90}, {"Bottom", 90}};
enum
{
    CELL_NUMBER,
    CELL_NAME,
    CELL_STAVES,
    CELL_TOP,
    CELL_BOTTOM
};
constexpr int kListFontSize = 11;

/* The timer's tick counter; the shown document is checked when it reaches
   FCStaffSetPanelWindow::kDocumentCheckTicks - 1. */
int secondcounter = 0;

/* The score's staff list item, or staff set n's item. */
uint16_t StaffListItem(int staffSet) { return staffSet == 0 ? 0 : FCStaffSetPanelHandler::_StaffSetItem(staffSet); }

/* Runs operation() with the score as the current part; false (without
   running it) when the score cannot be made current. */
template <class Operation>
bool InScore(Operation operation)
{
    /* The common case, the score already current, needs no switch. */
    if (FX_GetCurrentPartID(qz::kInterfaceVersion) == 0) {
        operation();
        return true;
    }
    FCPart score(0);
    if (!score.SwitchTo())
        return false;
    operation();
    score.SwitchBack();
    return true;
}

/* The staff's full name as shown, "Staff #" + number when it has none. */
void StaffDisplayName(int staffNumber, FCString* pName)
{
    pName->Clear();
    FCStaff staff;
    if (staff.Load(static_cast<uint16_t>(staffNumber))) {
        std::unique_ptr<FCString> pFull(staff.CreateDisplayFullNameString());
        if (pFull)
            pName->SetString(pFull.get());
    }
    if (!pName->IsEmpty())
        return;
    pName->SetCString("Staff #");
    pName->AppendInteger(staffNumber);
}

void SetCell(FCDataListRow* pRow, int cell, FCString* pText)
{
    if (FCString* pCell = pRow->GetItemAt(cell))
        pCell->SetString(pText);
}

void SetCellCString(FCDataListRow* pRow, int cell, const char* text)
{
    FCString string(text);
    SetCell(pRow, cell, &string);
}

/* The rows' document data, read for all rows at once: the categories and
   the expressions once (not once per row), the staff lists in the score with
   one switch of the part, counted without building list objects. */
} // namespace

struct FCStaffSetPanelWindow::_ListSnapshot
{
    static constexpr int kRows = FCStaffSetPanelWindow::kLastRow + 1;
    int counts[kRows] = {};
    int16_t first[kRows] = {};
    int16_t last[kRows] = {};
    FCString names[kRows];

    void Read(FCUI* pUI)
    {
        InScore([&] {
            FCSystemStaff entry;
            for (int row = 0; row < kRows; ++row) {
                const uint16_t item = StaffListItem(row);
                counts[row] = FCSystemStaves::CountIncidentsOf(&entry, item);
                if (counts[row] < 1)
                    continue;
                if (entry.Load(item, 0))
                    first[row] = entry.GetStaff();
                if (entry.Load(item, static_cast<int16_t>(counts[row] - 1)))
                    last[row] = entry.GetStaff();
            }
        });
        FCStaffSetPanelHandler handler(nullptr, 1, pUI, nullptr);
        handler.GetStoredNames(names);
    }
};

namespace
{

bool HasSelection()
{
    FCMusicRegion region;
    region.SetCurrentSelection();
    return region.GetStartMeasure() != 0 || region.GetEndMeasure() != 0;
}

} // namespace

FCStaffSetPanelWindow::FCStaffSetPanelWindow(FCUI* pUI)
    : FCResourceWindow(LAYOUT_ID), _shadewheninactive(false), _showndocument(), _pOkButton(nullptr),
      _pCloseButton(nullptr), _pNameEdit(nullptr), _pSetNameButton(nullptr), _pStaffSetList(nullptr),
      _pCreateButton(nullptr), _pAddStavesButton(nullptr), _pRemoveStavesButton(nullptr), _pMoveUpButton(nullptr),
      _pMoveDownButton(nullptr), _pDeleteButton(nullptr), _pFromGroupsButton(nullptr), _pSaveTemplateButton(nullptr),
      _pApplyTemplateButton(nullptr), _pUI(pUI)
{
    LoadUserPrefs();
}

FCStaffSetPanelWindow::~FCStaffSetPanelWindow() = default;

void FCStaffSetPanelWindow::LinkControls()
{
    _pOkButton = AddButton(CONTROL_OK);
    _pOkButton->SetActionKind(FCControl::ACTIONKIND_OK);
    _pCloseButton = AddButton(CONTROL_CLOSE);
    _pCloseButton->SetActionKind(FCControl::ACTIONKIND_CLOSE);
    _pStaffSetList = static_cast<FCCtrlStaffSetDataList*>(AddControl(new FCCtrlStaffSetDataList(CONTROL_LIST)));
    _pNameEdit = AddEdit(CONTROL_NAMEEDIT);
    _pSetNameButton = AddButton(CONTROL_SETNAME);
    _pCreateButton = AddButton(CONTROL_CREATE);
    _pAddStavesButton = AddButton(CONTROL_ADDSTAVES);
    _pRemoveStavesButton = AddButton(CONTROL_REMOVESTAVES);
    _pMoveUpButton = AddButton(CONTROL_MOVEUP);
    _pMoveDownButton = AddButton(CONTROL_MOVEDOWN);
    _pDeleteButton = AddButton(CONTROL_DELETE);
    _pFromGroupsButton = AddButton(CONTROL_FROMGROUPS);
    _pSaveTemplateButton = AddButton(CONTROL_SAVETEMPLATE);
    _pApplyTemplateButton = AddButton(CONTROL_APPLYTEMPLATE);
    _pStaffSetList->SetFontSize(kListFontSize);
}

void FCStaffSetPanelWindow::InitWindow()
{
    LoadQZPluginToolSettings();
    if (_pStaffSetList)
        _pStaffSetList->UseFullRowSelect();
    FCResourceWindow::InitWindow();
    if (!_pStaffSetList)
        return;
    for (const ListColumn& column : kColumns) {
        FCString title(column.title);
        _pStaffSetList->AddColumn(&title, column.width);
    }
    CreateListLines();
    EnableControlsForRow(_GetSelectedRow());
    RestorePosition();
    SetTimer(kTimerID, kTimerPeriod);
}

void FCStaffSetPanelWindow::CloseWindow()
{
    StorePosition(false);
    FCResourceWindow::CloseWindow();
}

void FCStaffSetPanelWindow::OkButtonPressed() { SwitchToSelected(); }

int FCStaffSetPanelWindow::_GetSelectedRow() { return _pStaffSetList ? _pStaffSetList->GetSelectedLine() : -1; }

/* ---- Enabling ---- */

void FCStaffSetPanelWindow::EnableControls() { EnableControlsForRow(_GetSelectedRow()); }

void FCStaffSetPanelWindow::EnableControlsForRow(int row) { _EnableControlsForRow(row, nullptr); }

void FCStaffSetPanelWindow::_EnableControlsForRow(int row, const FCString* pKnownName)
{
    if (!_pStaffSetList)
        return;
    const bool staffSetRow = row >= 1;
    const bool exists = staffSetRow && StaffSetExists(row);
    const bool selection = HasSelection();
    _pOkButton->SetEnable(row == kScoreRow || exists);
    _pNameEdit->SetEnable(staffSetRow);
    _pSetNameButton->SetEnable(exists);
    _pCreateButton->SetEnable(staffSetRow && selection);
    _pAddStavesButton->SetEnable(exists && selection);
    _pRemoveStavesButton->SetEnable(exists && selection);
    _pMoveUpButton->SetEnable(row >= 2 && exists);
    _pMoveDownButton->SetEnable(row <= kLastRow - 1 && exists);
    _pDeleteButton->SetEnable(exists);
    const bool document = FCDocument().GetID() != 0;
    _pFromGroupsButton->SetEnable(document);
    _pApplyTemplateButton->SetEnable(document);
    _pSaveTemplateButton->SetEnable(document && _AnyStaffSetExists());
    if (!staffSetRow)
        return;
    FCString name;
    if (!pKnownName)
        FormatStaffSetName(&name, row, false);
    else if (exists)
        name.SetString(pKnownName);
    _pNameEdit->SetText(&name);
}

bool FCStaffSetPanelWindow::_AnyStaffSetExists()
{
    for (int staffSet = 1; staffSet <= kLastRow; ++staffSet)
        if (StaffSetExists(staffSet))
            return true;
    return false;
}

/* ---- Switching the view ---- */

void FCStaffSetPanelWindow::SwitchToSelected()
{
    const int row = _GetSelectedRow();
    if (row < 0 || row > kLastRow || !_pUI)
        return;
    if (row >= 1 && !StaffSetExists(row))
        return;
    _pUI->MenuCommand(FCUI::MENUCMD_VWSC);
    _pUI->MenuCommand(FCUI::MENUCMD_DOES);
    _pUI->MenuCommand(static_cast<FCUI::MENU_COMMANDS>(FCUI::MENUCMD_STS0 + row));
}

/* ---- List contents ---- */

void FCStaffSetPanelWindow::_WriteCount(FCDataListRow* pRow, int count)
{
    pRow->SetUserData(reinterpret_cast<void*>(static_cast<intptr_t>(count)));
    FCString text;
    if (count < 1)
        text.SetCString("-");
    else
        text.SetInteger(count);
    SetCell(pRow, CELL_STAVES, &text);
}

void FCStaffSetPanelWindow::_FillRow(FCDataListRow* pRow, int row, bool withCount)
{
    _ListSnapshot snapshot;
    snapshot.Read(_pUI);
    _FillRowFrom(pRow, row, withCount, snapshot);
}

void FCStaffSetPanelWindow::_FillRowFrom(FCDataListRow* pRow, int row, bool withCount, const _ListSnapshot& snapshot)
{
    if (row == kScoreRow) {
        SetCellCString(pRow, CELL_NUMBER, "-");
        SetCellCString(pRow, CELL_NAME, "All Staves");
    }
    else {
        const bool exists = snapshot.counts[row] >= 1;
        FCString number;
        number.SetInteger(row);
        SetCell(pRow, CELL_NUMBER, &number);
        FCString name;
        if (!exists)
            name.SetCString("-");
        else if (snapshot.names[row].IsEmpty())
            name.SetCString("(No Name)");
        else
            name.SetString(&snapshot.names[row]);
        SetCell(pRow, CELL_NAME, &name);
        FCString top("-");
        FCString bottom("-");
        if (exists) {
            StaffDisplayName(snapshot.first[row], &top);
            StaffDisplayName(snapshot.last[row], &bottom);
        }
        SetCell(pRow, CELL_TOP, &top);
        SetCell(pRow, CELL_BOTTOM, &bottom);
    }
    if (withCount)
        _WriteCount(pRow, snapshot.counts[row]);
}

void FCStaffSetPanelWindow::CreateListLines()
{
    if (!_pStaffSetList)
        return;
    _pStaffSetList->DeleteAll();
    _ListSnapshot snapshot;
    snapshot.Read(_pUI);
    for (int row = kScoreRow; row <= kLastRow; ++row) {
        FCDataListRow* pRow = _pStaffSetList->CreateRow();
        if (pRow)
            _FillRowFrom(pRow, row, true, snapshot);
    }
    _pStaffSetList->Redraw();
}

void FCStaffSetPanelWindow::RefereshAllData()
{
    if (!_pStaffSetList)
        return;
    _ListSnapshot snapshot;
    snapshot.Read(_pUI);
    for (int row = kScoreRow; row <= kLastRow; ++row)
        if (FCDataListRow* pRow = _pStaffSetList->GetItemAt(row))
            _FillRowFrom(pRow, row, true, snapshot);
    _showndocument = FCDocument();
    _pStaffSetList->Redraw();
    const int selected = _GetSelectedRow();
    const bool known = selected >= 1 && selected <= kLastRow;
    _EnableControlsForRow(selected, known ? &snapshot.names[selected] : nullptr);
}

bool FCStaffSetPanelWindow::AreListCountersUpToDate()
{
    if (!_pStaffSetList)
        return true;
    /* All nine lists in one switch to the score; a score that cannot be made
       current counts as empty lists. */
    bool upToDate = true;
    auto compare = [&](bool counted) {
        FCSystemStaff scratch;
        for (int row = kScoreRow; row <= kLastRow && upToDate; ++row) {
            FCDataListRow* pRow = _pStaffSetList->GetItemAt(row);
            if (!pRow)
                continue;
            const auto stored = reinterpret_cast<intptr_t>(pRow->GetUserData());
            upToDate = stored == (counted ? FCSystemStaves::CountIncidentsOf(&scratch, StaffListItem(row)) : 0);
        }
    };
    if (!InScore([&] { compare(true); }))
        compare(false);
    return upToDate;
}

void FCStaffSetPanelWindow::UpdateRowInfo(int row)
{
    if (!_pStaffSetList || row < 1 || row > kLastRow)
        return;
    FCDataListRow* pRow = _pStaffSetList->GetItemAt(row);
    if (!pRow)
        return;
    _FillRow(pRow, row, false);
    _pStaffSetList->Redraw();
}

void FCStaffSetPanelWindow::FormatStaffSetName(FCString* pString, int staffSet, bool placeholder)
{
    if (!pString)
        return;
    pString->Clear();
    if (!StaffSetExists(staffSet)) {
        if (placeholder)
            pString->SetCString("-");
        return;
    }
    FCStaffSetPanelHandler handler(nullptr, staffSet, _pUI, nullptr);
    handler.GetStoredName(pString, staffSet);
    if (pString->IsEmpty() && placeholder)
        pString->SetCString("(No Name)");
}

void FCStaffSetPanelWindow::FormatTopBottomNames(FCString* pTop, FCString* pBottom, int staffSet, bool placeholder)
{
    if (!pTop || !pBottom)
        return;
    pTop->Clear();
    pBottom->Clear();
    bool exists = false;
    int first = 0;
    int last = 0;
    if (staffSet >= 1 && staffSet <= kLastRow)
        InScore([&] {
            FCSystemStaves staves;
            if (staves.LoadAllForItem(StaffListItem(staffSet)) < 1)
                return;
            exists = true;
            first = staves.GetItemAt(0)->GetStaff();
            last = staves.GetItemAt(staves.GetCount() - 1)->GetStaff();
        });
    if (!exists) {
        if (placeholder) {
            pTop->SetCString("-");
            pBottom->SetCString("-");
        }
        return;
    }
    StaffDisplayName(first, pTop);
    StaffDisplayName(last, pBottom);
}

int FCStaffSetPanelWindow::CountStaffSetStaves(int staffSet)
{
    if (staffSet < 0 || staffSet > kLastRow)
        return 0;
    int count = 0;
    InScore([&] {
        FCSystemStaves staves;
        count = staves.CountForItem(StaffListItem(staffSet));
    });
    return count;
}

bool FCStaffSetPanelWindow::StaffSetExists(int staffSet)
{
    if (staffSet < 1 || staffSet > kLastRow)
        return false;
    bool exists = false;
    InScore([&] {
        FCSystemStaff first;
        exists = first.Load(StaffListItem(staffSet), 0);
    });
    return exists;
}

/* ---- Polling ---- */

void FCStaffSetPanelWindow::HandleTimer(short)
{
    const int ticks = secondcounter++;
    if (ticks >= kDocumentCheckTicks - 1) {
        secondcounter = 0;
        if (_showndocument.GetID() != FCDocument().GetID()) {
            RefereshAllData();
            return;
        }
    }
    if (!AreListCountersUpToDate())
        RefereshAllData();
}

void FCStaffSetPanelWindow::HandleActivate(bool active)
{
    if (!AreListCountersUpToDate())
        RefereshAllData();
    if (_shadewheninactive)
        Windowshade(!active);
    else if (IsShaded())
        Windowshade(false);
    EnableControlsForRow(_GetSelectedRow());
}
