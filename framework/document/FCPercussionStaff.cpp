#include "document/FCPercussionStaff.h"

#include "common/qz_fourcc.h"
#include "document/FCPercussionLayoutNote.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCPercussionStaff, 65, QZ_FOURCC("otDS"))

FCPercussionLayoutNotes* FCPercussionStaff::CreateLayoutNotes() const
{
    FCPercussionLayoutNotes* pNotes = new FCPercussionLayoutNotes();
    pNotes->LoadAllForItem(static_cast<uint16_t>(GetLayoutID()));
    return pNotes;
}
