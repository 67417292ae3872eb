#ifndef FRAMEWORK_UI_FCCTRLDATALIST_H
#define FRAMEWORK_UI_FCCTRLDATALIST_H

#include <cstdint>

#include "ui/FCControl.h"
#include "strings/FCNumbers.h"
#include "strings/FCStrings.h"
#include "core/__FCCollection.h"

class FCDataListRow;

/* The multi-column list control: rows of text cells, optional check boxes,
 * single selection. The control owns the rows; the on-screen table reads them
 * through the bridge's data source ("col" + n is cell n - 1, "check" is the
 * row's check state).
 *
 * Columns, rows and the selection set while no table is on screen are kept
 * here and moved to the table when the window loads.
 *
 * Virtual operations after those of FCControl, in slot order:
 *   HandleSelectChange, HandleUnselect, HandleCheckChange, HandleDoubleClick. */
class FCCtrlDataList : public FCControl
{
    bool _usecheckboxes;
    FCStrings _columntitles;
    bool _columntitlesset;
    FCNumbers _columnwidths;
    bool _columnwidthsset;
    int _selectedline;
    bool _selectionset;
    __FCCollection _rows;
    int _fontsize;

public:
    explicit FCCtrlDataList(int controlID);

    const char* ClassName() const override;
    int _GetControlType() const override;
    float _GetAutoCreateWidth() const override;
    float _GetAutoCreateMultilineHeight() const override;
    /* FCControl step, _BuildList, then the stored selection. */
    void _InitNonWindowHandleStates() override;
    /* FCControl step, then the selected line. */
    void _StoreNonWindowHandleStates() override;

    /* A selection change to row line (line >= 0). Does nothing here. */
    virtual void HandleSelectChange(int line);
    /* The selection was cleared. Does nothing here. */
    virtual void HandleUnselect();
    /* Stores the state into the row (nothing when the line has no row). */
    virtual void HandleCheckChange(int line, bool checked);
    virtual void HandleDoubleClick();

    /* ---- Columns ---- */

    bool AddColumn(FCString* pTitle, float width);
    int GetDetailedColumnCount(bool includeCheckColumn);
    float GetColumnWidth(int column);
    void SetColumnTitle(int column, FCString* pTitle);
    void DeleteAllColumns();
    void ExpandLastColumn();
    /* Shows a check column on the left (also when the table is loaded later);
       false without a bridge. */
    bool UseLeftCheckboxColumn();
    bool HasCheckboxes();
    void UseGrid() {}
    void UseFullRowSelect() {}
    int GetFontSize() const { return _fontsize; }
    void SetFontSize(int size) { _fontsize = size; }

    /* ---- Rows ---- */

    /* A new row with one empty cell per column, added; null without columns. */
    FCDataListRow* CreateRow();
    /* Takes ownership; the row's index, or -1 for null. */
    int AddRow(FCDataListRow* pRow);
    FCDataListRow* GetItemAt(int line) const;
    int GetCount() const { return _rows.GetCount(); }
    bool DeleteRow(int line);
    void DeleteAll();
    void ReconnectAll();
    void Redraw();
    /* The cell's 8-bit text, or "???" for a missing row or cell. */
    static const char* _GetCellCText(FCDataListRow* pRow, int column);
    /* The cell's UTF-16 text in one shared buffer of 512 units (a longer
       cell is cut at 511 units), valid until the next call; "???" for a
       missing row or cell. */
    static const uint16_t* _GetCellUnicodeText(FCDataListRow* pRow, int column);

    /* ---- Selection ---- */

    bool SelectLine(int line, bool scrollIntoView);
    int GetSelectedLine();
    void ScrollToTop();

    /* ---- Internal ---- */

    bool _UsesCheckboxes() const { return _usecheckboxes; }
    /* Connects the row to this list at index (and to the on-screen table). */
    void _ConnectRow(FCDataListRow* pRow, int index);
    void _BuildList();
};

#endif
