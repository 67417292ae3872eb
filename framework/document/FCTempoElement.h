#ifndef FRAMEWORK_DOCUMENT_FCTEMPOELEMENT_H
#define FRAMEWORK_DOCUMENT_FCTEMPOELEMENT_H

#include <cstdint>

#include "records/__FCCollectionInciOther.h"
#include "records/__FCInciOther.h"
#include "document/__FCRecordClassMacros.h"

/* A tempo change of a measure (12 bytes). */
class FCTempoElement : public __FCInciOther
{
    FCRECORD_CLASS_MEMBERS(12)
};

/* The tempo changes of a measure. */
class FCTempoElements : public __FCCollectionInciOther
{
public:
    const char* ClassName() const override;
    __FCBaseData* CreateElement() override;
    FCTempoElement* GetItemAt(int index) const;
    /* Orders the elements by their first word, ascending; true when the
       order changed. */
    bool AssureSorted();
};

#endif
