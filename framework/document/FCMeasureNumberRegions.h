#ifndef FRAMEWORK_DOCUMENT_FCMEASURENUMBERREGIONS_H
#define FRAMEWORK_DOCUMENT_FCMEASURENUMBERREGIONS_H

#include "document/FCMeasureNumberRegion.h"
#include "records/__FCCollectionNoInciOther.h"

class FCString;

/* The measure number regions of the document. */
class FCMeasureNumberRegions : public __FCCollectionNoInciOther
{
public:
    const char* ClassName() const override;
    __FCBaseData* CreateElement() override;

    FCMeasureNumberRegion* GetItemAt(int index) const;
    /* The first region that includes the measure, else null. */
    FCMeasureNumberRegion* FindMeasure(int measure) const;
    /* The displayed number of the measure from the first region including
       it; returns that region's index. Without one: "#" and the measure
       number (only the number when there are no regions), returning -1. */
    int CalcStringFromNumber(int measure, FCString* pOut) const;
    /* The measure a displayed text stands for, or -1. */
    int CalcNumberFromString(const FCString* pText) const;
};

#endif
