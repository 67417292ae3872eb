#ifndef FRAMEWORK_DOCUMENT_FCPERCUSSIONLAYOUTNOTE_H
#define FRAMEWORK_DOCUMENT_FCPERCUSSIONLAYOUTNOTE_H

#include <cstdint>

#include "FCLayoutBuffers.h"
#include "__FCRecordClassMacros.h"
#include "__FCCollectionInciOther.h"
#include "__FCInciOther.h"

/* A note of a percussion layout: 12 bytes below host
 * 0x11000000, 20 bytes from it (where the tag changes too). */
class FCPercussionLayoutNote : public __FCInciOther
{
public:
    FCPercussionLayoutNote();

    FCRECORD_IDENTITY_DECLARE
    FCLAYOUT_RECORD_DECLARE

private:
    FCLayoutBuffers _layouts;
};

/* A list of FCPercussionLayoutNote records. */
FCRECORD_COLLECTION_CLASS(FCPercussionLayoutNotes, __FCCollectionInciOther, FCPercussionLayoutNote)

#endif
