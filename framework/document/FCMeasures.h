#ifndef FRAMEWORK_DOCUMENT_FCMEASURES_H
#define FRAMEWORK_DOCUMENT_FCMEASURES_H

#include "document/FCMeasure.h"
#include "records/__FCCollectionNoInciOther.h"
#include "hostlink/fx_types.h"

/* A list of measures. */
class FCMeasures : public __FCCollectionNoInciOther
{
public:
    const char* ClassName() const override;
    __FCBaseData* CreateElement() override;

    FCMeasure* GetItemAt(int index) const;

    /* Loads every existing measure of the region's measure range; the
       region class supplies GetEnigmaRegion(EREGION*). */
    template <class REGION>
    int LoadRegion(REGION* pRegion)
    {
        EREGION record{};
        if (pRegion)
            pRegion->GetEnigmaRegion(&record);
        return _LoadMeasureRange(pRegion ? record.startMeasure : 0, pRegion ? record.endMeasure : -1);
    }

    /* Empties the list and loads the existing measures first to last. */
    int _LoadMeasureRange(int first, int last);
};

#endif
