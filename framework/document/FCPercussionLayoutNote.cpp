#include "document/FCPercussionLayoutNote.h"

#include <cstring>

#include "core/FinaleVersion.h"

namespace
{
const FCRecordLayout kLayouts[] = {
    {0, 12, 0x19000000},
    {0x11000000, 20, 0x19000000},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCPercussionLayoutNote, 64, kLayouts)

uint32_t FCPercussionLayoutNote::Tag() const { return GetFinaleFrameworkVersion() >= 0x11000000 ? 0x534F4469 : 0x4F024469; }

const char* FCPercussionLayoutNotes::ClassName() const { return "FCPercussionLayoutNotes"; }

__FCBaseData* FCPercussionLayoutNotes::CreateElement() { return new FCPercussionLayoutNote(); }

FCPercussionLayoutNote* FCPercussionLayoutNotes::GetItemAt(int index) const
{
    return dynamic_cast<FCPercussionLayoutNote*>(__FCCollectionInciOther::GetItemAt(index));
}

FCPercussionLayoutNote* FCPercussionLayoutNotes::FindRawNoteType(int rawNoteType) const
{
    for (int i = 0; i < GetCount(); ++i) {
        FCPercussionLayoutNote* pNote = GetItemAt(i);
        if (pNote && pNote->GetRawNoteType() == rawNoteType)
            return pNote;
    }
    return nullptr;
}
