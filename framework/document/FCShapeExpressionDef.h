#ifndef FRAMEWORK_DOCUMENT_FCSHAPEEXPRESSIONDEF_H
#define FRAMEWORK_DOCUMENT_FCSHAPEEXPRESSIONDEF_H

#include <cstdint>

#include "document/__FCDynamicNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

class FCString;

/* A shape expression definition: a 12-byte head followed by the
 * zero-terminated description (UTF-16 on hosts from 0x11000000, else 8-bit),
 * the whole record padded to a multiple of 12 bytes. Its tag is set by the
 * owner (custom tag) or the class default. */
class FCShapeExpressionDef : public __FCDynamicNoInciOther
{
public:
    static constexpr uint32_t kPieceSize = 12;
    static constexpr uint32_t kDescriptionOffset = 12;

    FCShapeExpressionDef();
    FCRECORD_IDENTITY_DECLARE

    /* Sets the string from the description (empty without one); nothing for
       null. */
    void GetDescription(FCString* pDescription) const;
    /* Replaces the description, resizing the record; the head is kept.
       Nothing for null. */
    void SetDescription(const FCString* pDescription);
    /* The description in a new string that the caller owns. */
    FCString* CreateDescription() const;
};

#endif
