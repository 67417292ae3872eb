#ifndef STAFFSETPANEL_FCCTRLSTAFFSETDATALIST_H
#define STAFFSETPANEL_FCCTRLSTAFFSETDATALIST_H

#include "ui/FCCtrlDataList.h"

/* The staff set panel's list: a selection change enables the panel's
 * buttons for the selected row, a double click switches the view to the
 * selected staff set. It reaches the panel through its parent window.
 *
 * Keeps the virtual operations of FCCtrlDataList; overrides
 * HandleSelectChange and HandleDoubleClick. */
class FCCtrlStaffSetDataList : public FCCtrlDataList
{
public:
    explicit FCCtrlStaffSetDataList(int controlID);

    void HandleSelectChange(int row) override;
    void HandleDoubleClick() override;
};

#endif
