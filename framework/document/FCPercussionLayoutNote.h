#ifndef FRAMEWORK_DOCUMENT_FCPERCUSSIONLAYOUTNOTE_H
#define FRAMEWORK_DOCUMENT_FCPERCUSSIONLAYOUTNOTE_H

#include <cstdint>

#include "document/FCLayoutBuffers.h"
#include "document/__FCRecordClassMacros.h"
#include "records/__FCCollectionInciOther.h"
#include "records/__FCInciOther.h"

/* A note of a percussion layout: 12 bytes below host
 * 0x11000000, 20 bytes from it (where the tag changes too). Keyed by the
 * layout id and the note's incident. The note type word (as stored) and the
 * staff position sit at the start of both layouts. */
class FCPercussionLayoutNote : public __FCInciOther
{
public:
    FCPercussionLayoutNote();

    FCRECORD_IDENTITY_DECLARE
    FCLAYOUT_RECORD_DECLARE

#define FCPERCUSSIONLAYOUTNOTE_FIELDS(X) \
    X(RawNoteType, uint16_t, 0)          \
    X(StaffPosition, int16_t, 2)
    FCPERCUSSIONLAYOUTNOTE_FIELDS(FCRECORD_FIELD)

private:
    FCLayoutBuffers _layouts;
};

/* A list of FCPercussionLayoutNote records. */
class FCPercussionLayoutNotes : public __FCCollectionInciOther
{
public:
    const char* ClassName() const override;
    __FCBaseData* CreateElement() override;
    FCPercussionLayoutNote* GetItemAt(int index) const;
    /* The first note whose stored note type word equals rawNoteType (still
       owned by the list), or null. */
    FCPercussionLayoutNote* FindRawNoteType(int rawNoteType) const;
};

#endif
