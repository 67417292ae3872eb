#ifndef FRAMEWORK_CORE___FCCOLLECTIONCELLDETAIL_H
#define FRAMEWORK_CORE___FCCOLLECTIONCELLDETAIL_H

#include <cstdint>

#include "records/__FCCollectionDetail.h"
#include "hostlink/fx_types.h"

class FCCell;
class __FCCellDetail;

/* A list of cell details (__FCCellDetail): all details of one cell, of the
 * cells of a region or of the whole document. Elements keep the cell they
 * were loaded from (a cell object for LoadAllInCell, a bare staff/measure
 * key for the region and document walks).
 *
 * Virtual operations after those of __FCCollectionData, in slot order:
 *   LoadAllInCell. LoadAll is overridden. */
class __FCCollectionCellDetail : public __FCCollectionDetail
{
public:
    const char* ClassName() const override;

    /* Every detail of every cell of the document: measure by measure, and
       within a measure staff by staff in staff order. */
    int LoadAll() override;
    /* All incidents of the detail in that cell; the cell class supplies
       GetStaff() and GetMeasure(). */
    virtual int LoadAllInCell(FCCell* pCell);

    /* For each staff slot of the region (start to end slot) and within it
       each measure (start to end measure), all details of that cell. The
       staff of a slot is asked from the host in the region's start list. The
       region class supplies GetEnigmaRegion(EREGION*). */
    template <class REGION>
    int LoadAllForRegion(REGION* pRegion)
    {
        EREGION record{};
        return _LoadAllForEnigmaRegion(_ReadRegion(pRegion, &record), false);
    }

    /* Appends all incidents (or only the first when firstOnly) of the cell
       (staff, measure); pCell is attached to each element (may be null). */
    int _AppendCellDetails(__FCCellDetail* pScratch, __FCBase* pCell, int16_t staff, int16_t measure, bool firstOnly);
    /* The region walk of LoadAllForRegion on a host region record; null
       empties the list. */
    int _LoadAllForEnigmaRegion(const EREGION* pRegion, bool firstOnly);
    /* The host region record of a region object; null for a null region. */
    template <class REGION>
    static const EREGION* _ReadRegion(REGION* pRegion, EREGION* pRecord)
    {
        if (!pRegion)
            return nullptr;
        pRegion->GetEnigmaRegion(pRecord);
        return pRecord;
    }
    /* Scratch element of the list's class as a cell detail (caller deletes). */
    __FCCellDetail* _CreateScratchCellDetail();
};

#endif
