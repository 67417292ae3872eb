#include "document/FCPercussionStaff.h"

#include "document/FCPercussionLayoutNote.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCPercussionStaff, 65, 0x6F744453)

FCPercussionLayoutNotes* FCPercussionStaff::CreateLayoutNotes() const
{
    FCPercussionLayoutNotes* pNotes = new FCPercussionLayoutNotes();
    pNotes->LoadAllForItem(static_cast<uint16_t>(GetLayoutID()));
    return pNotes;
}
