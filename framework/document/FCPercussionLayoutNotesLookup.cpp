#include "document/FCPercussionLayoutNotesLookup.h"

#include <cstdint>

#include "document/FCPercussionLayoutNote.h"

FCPercussionLayoutNotesLookup::FCPercussionLayoutNotesLookup() = default;

FCPercussionLayoutNotesLookup::~FCPercussionLayoutNotesLookup() = default;

const char* FCPercussionLayoutNotesLookup::ClassName() const { return "FCPercussionLayoutNotesLookup"; }

FCPercussionLayoutNotes* FCPercussionLayoutNotesLookup::GetPercussionLayoutNotes(int layoutID)
{
    if (layoutID < 1 || layoutID > UINT16_MAX)
        return nullptr;
    std::unique_ptr<FCPercussionLayoutNotes>& pNotes = _layouts[layoutID];
    if (!pNotes) {
        pNotes.reset(new FCPercussionLayoutNotes());
        pNotes->LoadAllForItem(static_cast<uint16_t>(layoutID));
    }
    return pNotes->GetCount() > 0 ? pNotes.get() : nullptr;
}

FCPercussionLayoutNote* FCPercussionLayoutNotesLookup::FindPercussionLayoutRawNote(int layoutID, int rawNoteType)
{
    FCPercussionLayoutNotes* pNotes = GetPercussionLayoutNotes(layoutID);
    return pNotes ? pNotes->FindRawNoteType(rawNoteType) : nullptr;
}
