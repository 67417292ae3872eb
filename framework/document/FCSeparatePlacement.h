#ifndef FRAMEWORK_DOCUMENT_FCSEPARATEPLACEMENT_H
#define FRAMEWORK_DOCUMENT_FCSEPARATEPLACEMENT_H

#include <cstdint>

#include "records/__FCCollectionInciOther.h"
#include "records/__FCInciOther.h"
#include "document/__FCRecordClassMacros.h"

/* A per-staff placement of a repeat element (12 bytes). Its tag is set by the owner (custom tag) or the class default.
 */
class FCSeparatePlacement : public __FCInciOther
{
    FCRECORD_CLASS_MEMBERS(12)
};

/* A list of FCSeparatePlacement records. */
class FCSeparatePlacements : public __FCCollectionInciOther
{
public:
    const char* ClassName() const override;
    __FCBaseData* CreateElement() override;
    FCSeparatePlacement* GetItemAt(int index) const;
    /* Deletes the placements (from the list only) that belong to another
       measure than the one given; returns the number kept. */
    int KeepOnlyMeasure(int measure);
};

#endif
