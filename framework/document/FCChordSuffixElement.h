#ifndef FRAMEWORK_DOCUMENT_FCCHORDSUFFIXELEMENT_H
#define FRAMEWORK_DOCUMENT_FCCHORDSUFFIXELEMENT_H

#include <cstdint>

#include "document/FCLayoutBuffers.h"
#include "document/__FCRecordClassMacros.h"
#include "records/__FCCollectionInciOther.h"
#include "records/__FCInciOther.h"

/* An element of a chord suffix: 12 bytes below host
 * 0x11000000, 16 bytes from it. */
class FCChordSuffixElement : public __FCInciOther
{
public:
    FCChordSuffixElement();

    FCRECORD_IDENTITY_DECLARE
    FCLAYOUT_RECORD_DECLARE

private:
    FCLayoutBuffers _layouts;
};

/* A list of FCChordSuffixElement records. */
FCRECORD_COLLECTION_CLASS(FCChordSuffixElements, __FCCollectionInciOther, FCChordSuffixElement)

#endif
