#ifndef FRAMEWORK_UI_FCDATALISTROW_H
#define FRAMEWORK_UI_FCDATALISTROW_H

#include "strings/FCStrings.h"

class FCCtrlDataList;

/* One row of a data list: its strings are the cells (cell 0 first), owned by
 * the row. A row is connected to its list's on-screen table once the list has
 * given it an index. */
class FCDataListRow : public FCStrings
{
    bool _checked;
    int _rowindex;          /* position in the on-screen table; -1 before */
    FCCtrlDataList* _pList; /* not owned; null before */

public:
    FCDataListRow();

    /* Stores the check state; when connected to a list whose table is on
       screen with check boxes, redraws the row's check cell. */
    void SetCheck(bool state);
    bool GetCheck() const { return _checked; }

    int _GetRowIndex() const { return _rowindex; }
    FCCtrlDataList* _GetList() const { return _pList; }
    void _Connect(FCCtrlDataList* pList, int index);
};

#endif
