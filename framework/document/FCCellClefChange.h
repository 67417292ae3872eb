#ifndef FRAMEWORK_DOCUMENT_FCCELLCLEFCHANGE_H
#define FRAMEWORK_DOCUMENT_FCCELLCLEFCHANGE_H

#include <cstdint>

#include "records/__FCCollectionInciOther.h"
#include "records/__FCInciOther.h"
#include "document/__FCRecordClassMacros.h"

/* A clef change inside a cell (12 bytes). */
class FCCellClefChange : public __FCInciOther
{
    FCRECORD_CLASS_MEMBERS(12)
};

/* A list of FCCellClefChange records. */
FCRECORD_COLLECTION_CLASS(FCCellClefChanges, __FCCollectionInciOther, FCCellClefChange)

#endif
