#ifndef FRAMEWORK_CORE___FCCELLDETAIL_H
#define FRAMEWORK_CORE___FCCELLDETAIL_H

#include <cstdint>

#include "records/__FCBaseData.h"

class FCCell;

/* Detail records of one cell (one measure of one staff): key (staff,
 * measure, incident). The staff and measure come from an attached cell,
 * which is not owned.
 *
 * A cell is attached with ConnectCell(cell); the cell class supplies
 * GetStaff() and GetMeasure(). Code that walks cells without cell objects
 * attaches a bare (staff, measure) with _AttachCell.
 *
 * Virtual operations after those of __FCBaseData, in slot order:
 *   _SaveMeasureFlag, SaveNew. */
class __FCCellDetail : public __FCBaseData
{
    __FCBase* _pcell; /* not owned; may be null with a bare key */
    bool _hascell;
    int16_t _cellstaff;
    int16_t _cellmeasure;

public:
    __FCCellDetail();

    const char* ClassName() const override;

    /* Loads incident 0 of the attached cell; false without a cell. */
    bool LoadFirst() override;
    /* Loads the next incident; on failure the incident is restored. */
    bool LoadNext() override;

    /* Marks in the cell's measure record that the measure holds a detail of
       this kind (called after a successful SaveNew). */
    virtual bool _SaveMeasureFlag() = 0;
    /* Creates a new incident in the attached cell. */
    virtual bool SaveNew();

    /* Attaches a cell (null detaches). */
    template <class CELL>
    void ConnectCell(CELL* pCell)
    {
        if (pCell)
            _AttachCell(pCell, static_cast<int16_t>(pCell->GetStaff()), static_cast<int16_t>(pCell->GetMeasure()));
        else
            _DetachCell();
    }
    /* The attached cell object (null when none or a bare key). */
    template <class CELL = FCCell>
    CELL* GetConnectedCell() const
    {
        return static_cast<CELL*>(_pcell);
    }

    bool _HasCell() const { return _hascell; }
    int16_t _GetCellStaff() const { return _cellstaff; }
    int16_t _GetCellMeasure() const { return _cellmeasure; }
    void _AttachCell(__FCBase* pCell, int16_t staff, int16_t measure);
    void _DetachCell();
    /* Gives another cell detail the same cell attachment. */
    void _CopyCellTo(__FCCellDetail* pOther) const;

    int16_t GetItemInci() const { return _GetKeyPart(2); }

protected:
    /* Sets the key to (cell staff, cell measure, incident) and loads. */
    bool _LoadCellIncident(int16_t incident);
};

#endif
