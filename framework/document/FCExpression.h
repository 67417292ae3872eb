#ifndef FRAMEWORK_DOCUMENT_FCEXPRESSION_H
#define FRAMEWORK_DOCUMENT_FCEXPRESSION_H

#include <cstdint>

#include "__FCCollectionInciOther.h"
#include "__FCInciOther.h"
#include "__FCRecordClassMacros.h"

/* An expression assignment to a measure (24 bytes). */
class FCExpression : public __FCInciOther
{
    FCRECORD_CLASS_MEMBERS(24)
};

/* A list of FCExpression records. */
FCRECORD_COLLECTION_CLASS(FCExpressions, __FCCollectionInciOther, FCExpression)

#endif
