#ifndef FRAMEWORK_CORE___FCBROWSERREGIONBASE_H
#define FRAMEWORK_CORE___FCBROWSERREGIONBASE_H

#include <cstdint>

#include "core/FCIteratorHandler.h"
#include "records/__FCBrowserBase.h"
#include "hostlink/fx_types.h"

class FCCell;
class FCMusicRegion;

/* Visits the cells of a region, measure by measure and within a measure
 * slot by slot; what to do with one cell is the subclass's
 * RegionIterateCellHandler.
 *
 * The region class supplies GetEnigmaRegion(EREGION*) and a constructor
 * from an EREGION*; the cell class a constructor (measure, staff).
 *
 * Virtual operations after those of __FCBrowserBase:
 *   RegionIterateCellHandler. ForEach is overridden. */
class __FCBrowserRegionBase : public __FCBrowserBase
{
public:
    const char* ClassName() const override;

    /* Walks the current selection of the current document. */
    int ForEach(FCIteratorHandler* pHandler) override;

    /* What to do with one cell; false stops the walk. */
    virtual bool RegionIterateCellHandler(FCCell* pCell, FCIteratorHandler* pHandler, FCMusicRegion* pRegion) = 0;

    /* Walks the cells of pRegion; returns the number of cells for which
       RegionIterateCellHandler returned true. */
    template <class REGION, class CELL = FCCell>
    int ForEachInRegion(FCIteratorHandler* pHandler, REGION* pRegion)
    {
        if (!pRegion)
            return 0;
        EREGION record{};
        pRegion->GetEnigmaRegion(&record);
        return _WalkRegionCells(record, [&](int16_t measure, int16_t staff) {
            CELL cell(measure, staff);
            return RegionIterateCellHandler(&cell, pHandler, pRegion);
        });
    }

    /* The walk itself, on a host region record: for each measure from the
       start to the end measure and within it each slot from the start to the
       end slot, visit(measure, staff of the slot in the start list). Stops
       when visit returns false; returns the number of true answers. */
    template <class VISIT>
    static int _WalkRegionCells(const EREGION& region, VISIT visit)
    {
        /* No measures (both 0), or a start after the end: nothing to visit. */
        if (region.startMeasure > region.endMeasure || (region.startMeasure == 0 && region.endMeasure == 0))
            return 0;
        int count = 0;
        for (int measure = region.startMeasure; measure <= region.endMeasure; ++measure) {
            for (int slot = region.startSlot; slot <= region.endSlot; ++slot) {
                if (!visit(static_cast<int16_t>(measure), _SlotToStaff(slot, region.startStaffList)))
                    return count;
                ++count;
            }
        }
        return count;
    }

    /* The staff at a slot of a staff list, as the host gives it. */
    static int16_t _SlotToStaff(int slot, uint16_t staffList);

protected:
    /* Offers the handler each detail record of one cell whose position in
       the measure lies within the region, in incident order. False when the
       handler stopped the walk; true when the records are exhausted (also
       when the cell has none). */
    template <class DETAIL, class CELL, class REGION>
    static bool _IterateCellDetails(CELL* pCell, FCIteratorHandler* pHandler, REGION* pRegion)
    {
        if (!pCell || !pHandler || !pRegion)
            return false;
        DETAIL record;
        record.ConnectCell(pCell);
        for (bool loaded = record.LoadFirst(); loaded; loaded = record.LoadNext()) {
            if (pRegion->IsCellPosWithin(pCell, record.GetMeasurePos()) && !pHandler->Iterate(&record))
                return false;
        }
        return true;
    }
};

#endif
