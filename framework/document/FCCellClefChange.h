#ifndef FRAMEWORK_DOCUMENT_FCCELLCLEFCHANGE_H
#define FRAMEWORK_DOCUMENT_FCCELLCLEFCHANGE_H

#include <cstdint>

#include "__FCCollectionInciOther.h"
#include "__FCInciOther.h"
#include "__FCRecordClassMacros.h"

/* A clef change inside a cell (12 bytes). */
class FCCellClefChange : public __FCInciOther
{
    FCRECORD_CLASS_MEMBERS(12)
};

/* A list of FCCellClefChange records. */
FCRECORD_COLLECTION_CLASS(FCCellClefChanges, __FCCollectionInciOther, FCCellClefChange)

#endif
