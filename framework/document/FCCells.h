#ifndef FRAMEWORK_DOCUMENT_FCCELLS_H
#define FRAMEWORK_DOCUMENT_FCCELLS_H

#include "document/FCCell.h"
#include "document/__FCBrowserRegionBase.h"
#include "core/__FCCollection.h"
#include "hostlink/fx_types.h"

class FCIteratorHandler;

/* A list of cells. */
class FCCells : public __FCCollection
{
public:
    const char* ClassName() const override;

    FCCell* GetItemAt(int index) const;

    /* Fills the list with one cell per measure and slot of the region,
       measure-major, each slot converted through the region's start staff
       list; nothing for a null region or one without measures. The region
       class supplies GetEnigmaRegion(EREGION*). */
    template <class REGION>
    int ApplyRegion(REGION* pRegion)
    {
        if (!pRegion)
            return 0;
        EREGION record{};
        pRegion->GetEnigmaRegion(&record);
        return _ApplyEnigmaRegion(record);
    }
    int _ApplyEnigmaRegion(const EREGION& region);

    /* Iterate over the cells of one measure / one staff; returns the number
       of cells for which the handler answered true. */
    int ForEachAtMeasure(int measure, FCIteratorHandler* pHandler);
    int ForEachAtStaff(int staff, FCIteratorHandler* pHandler);
    /* The first cell of that measure and staff, else null. */
    FCCell* Find(int measure, int staff) const;

private:
    template <class MATCH>
    int _ForEachMatching(FCIteratorHandler* pHandler, MATCH match);
};

#endif
