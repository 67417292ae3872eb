/* The panel's command buttons: each checks the list and score selections,
   asks where needed, runs one FCStaffSetPanelHandler as one undoable host
   edit and refreshes the panel. */

#include "staffsetpanel/FCStaffSetPanelWindow.h"

#include "ui/FCControl.h"
#include "ui/FCCtrlEdit.h"
#include "staffsetpanel/FCCtrlStaffSetDataList.h"
#include "document/FCMusicRegion.h"
#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "ui/FCUI.h"
#include "records/FCUndoBlock.h"

namespace
{

/* The current score selection, read afresh; false when nothing is selected. */
bool ReadSelection(FCMusicRegion* pRegion)
{
    pRegion->SetCurrentSelection();
    return pRegion->GetStartMeasure() != 0 || pRegion->GetEndMeasure() != 0;
}

/* The button commands by control ID. */
struct CommandEntry
{
    int controlID;
    void (FCStaffSetPanelWindow::*command)();
};
const CommandEntry kCommands[] = {
    {FCStaffSetPanelWindow::CONTROL_SETNAME, &FCStaffSetPanelWindow::RenameSelected},
    {FCStaffSetPanelWindow::CONTROL_CREATE, &FCStaffSetPanelWindow::CreateNewStaffSet},
    {FCStaffSetPanelWindow::CONTROL_ADDSTAVES, &FCStaffSetPanelWindow::AddStaves},
    {FCStaffSetPanelWindow::CONTROL_REMOVESTAVES, &FCStaffSetPanelWindow::RemoveStaves},
    {FCStaffSetPanelWindow::CONTROL_MOVEUP, &FCStaffSetPanelWindow::MoveUp},
    {FCStaffSetPanelWindow::CONTROL_MOVEDOWN, &FCStaffSetPanelWindow::MoveDown},
    {FCStaffSetPanelWindow::CONTROL_DELETE, &FCStaffSetPanelWindow::DeleteStaffSet},
    {FCStaffSetPanelWindow::CONTROL_FROMGROUPS, &FCStaffSetPanelWindow::CreateFromGroups},
    {FCStaffSetPanelWindow::CONTROL_SAVETEMPLATE, &FCStaffSetPanelWindow::SaveTemplate},
    {FCStaffSetPanelWindow::CONTROL_APPLYTEMPLATE, &FCStaffSetPanelWindow::ApplyTemplate},
};

} // namespace

void FCStaffSetPanelWindow::HandleCommand(FCControl* pControl) { ProcessCommand(pControl); }

bool FCStaffSetPanelWindow::ProcessCommand(FCControl* pControl)
{
    if (!pControl)
        return false;
    for (const CommandEntry& entry : kCommands) {
        if (entry.controlID != pControl->GetControlID())
            continue;
        (this->*entry.command)();
        return true;
    }
    return false;
}

void FCStaffSetPanelWindow::_GetTrimmedName(FCString* pName)
{
    pName->Clear();
    if (_pNameEdit)
        _pNameEdit->GetText(pName);
    pName->TrimWhitespace();
}

bool FCStaffSetPanelWindow::_RunHandler(FCString* pName, int row, FCMusicRegion* pRegion, int kind)
{
    FCStaffSetPanelHandler handler(pName, row, _pUI, pRegion);
    handler.SetOperationKind(kind);
    FCUndoBlock undoBlock;
    FCString undoText(kUndoText);
    return undoBlock.Execute(&handler, &undoText);
}

void FCStaffSetPanelWindow::RenameSelected()
{
    const int row = _GetSelectedRow();
    if (row < 1 || !StaffSetExists(row))
        return;
    FCString name;
    _GetTrimmedName(&name);
    if (_RunHandler(&name, row, nullptr, FCStaffSetPanelHandler::OPERATION_RENAME))
        UpdateRowInfo(row);
}

void FCStaffSetPanelWindow::CreateNewStaffSet()
{
    FCMusicRegion region;
    if (!ReadSelection(&region)) {
        if (_pUI)
            _pUI->AlertInfoCString("Please select a region that should be created as a staff set.",
                                   "No Region Selected");
        return;
    }
    const int row = _GetSelectedRow();
    if (row < 1) {
        if (_pUI)
            _pUI->AlertInfoCString(
                "Please select a staff set (1-8) in the list, where the created staff set should be placed.",
                "No Staff Set Selection");
        return;
    }
    if (StaffSetExists(row)) {
        if (!_pUI)
            return;
        const int answer = _pUI->AlertYesNoCString(
            "A staff set already exist at the selected position. Do you want to replace the current staff set?",
            "Replace Current Staff Set?");
        if (answer != FCUI::ALERTRESULT_YES)
            return;
    }
    FCString name;
    _GetTrimmedName(&name);
    if (_RunHandler(&name, row, &region, FCStaffSetPanelHandler::OPERATION_CREATE))
        UpdateRowInfo(row);
}

void FCStaffSetPanelWindow::AddStaves() { _ChangeStaffSetStaves(FCStaffSetPanelHandler::OPERATION_ADDSTAVES); }

void FCStaffSetPanelWindow::RemoveStaves() { _ChangeStaffSetStaves(FCStaffSetPanelHandler::OPERATION_REMOVESTAVES); }

/* Adds the selection's staves to, or removes them from, the selected staff
   set; a change that changed nothing beeps. Removing also redraws the score. */
void FCStaffSetPanelWindow::_ChangeStaffSetStaves(int kind)
{
    FCMusicRegion region;
    const int row = _GetSelectedRow();
    if (!ReadSelection(&region) || row < 1 || !StaffSetExists(row))
        return;
    FCString name;
    _GetTrimmedName(&name);
    if (!_RunHandler(&name, row, &region, kind)) {
        if (_pUI)
            _pUI->Beep();
        return;
    }
    UpdateRowInfo(row);
    if (kind == FCStaffSetPanelHandler::OPERATION_REMOVESTAVES && _pUI)
        _pUI->RedrawDocument();
}

void FCStaffSetPanelWindow::MoveUp()
{
    const int row = _GetSelectedRow();
    if (row >= 2 && row <= kLastRow && StaffSetExists(row))
        ProcessMove(row, false);
}

void FCStaffSetPanelWindow::MoveDown()
{
    const int row = _GetSelectedRow();
    if (row >= 1 && row <= kLastRow - 1 && StaffSetExists(row))
        ProcessMove(row, true);
}

void FCStaffSetPanelWindow::ProcessMove(int row, bool down)
{
    FCString empty;
    const int kind = down ? FCStaffSetPanelHandler::OPERATION_MOVEDOWN : FCStaffSetPanelHandler::OPERATION_MOVEUP;
    if (!_RunHandler(&empty, row, nullptr, kind))
        return;
    RefereshAllData();
    if (_pStaffSetList)
        _pStaffSetList->SelectLine(down ? row + 1 : row - 1, true);
    if (_pUI)
        _pUI->MenuCommand(FCUI::MENUCMD_STS0);
}

void FCStaffSetPanelWindow::DeleteStaffSet()
{
    const int row = _GetSelectedRow();
    if (row < 1 || !StaffSetExists(row) || !_pUI)
        return;
    if (_pUI->AlertYesNoCString("Do you really want to delete the selected staff set?", "Delete Staff Set?") !=
        FCUI::ALERTRESULT_YES)
        return;
    FCString empty;
    if (!_RunHandler(&empty, row, nullptr, FCStaffSetPanelHandler::OPERATION_DELETE))
        return;
    RefereshAllData();
    _pUI->MenuCommand(FCUI::MENUCMD_STS0);
}
