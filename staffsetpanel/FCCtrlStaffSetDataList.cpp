#include "staffsetpanel/FCCtrlStaffSetDataList.h"

#include "staffsetpanel/FCStaffSetPanelWindow.h"

namespace
{

FCStaffSetPanelWindow* PanelOf(FCControl* pControl)
{
    return dynamic_cast<FCStaffSetPanelWindow*>(pControl->GetParent());
}

} // namespace

FCCtrlStaffSetDataList::FCCtrlStaffSetDataList(int controlID) : FCCtrlDataList(controlID) {}

void FCCtrlStaffSetDataList::HandleSelectChange(int row)
{
    if (FCStaffSetPanelWindow* pPanel = PanelOf(this))
        pPanel->EnableControlsForRow(row);
}

void FCCtrlStaffSetDataList::HandleDoubleClick()
{
    if (FCStaffSetPanelWindow* pPanel = PanelOf(this))
        pPanel->SwitchToSelected();
}
