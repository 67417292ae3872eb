#include "document/FCPercussionLayoutNote.h"

#include <cstring>

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"

namespace
{
const FCRecordLayout kLayouts[] = {
    {0, 12, qz::kHostVersion19},
    {qz::kHostVersionUnicode, 20, qz::kHostVersion19},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCPercussionLayoutNote, 64, kLayouts)

uint32_t FCPercussionLayoutNote::Tag() const
{
    return qz::IsUnicodeHost(GetFinaleFrameworkVersion()) ? QZ_FOURCC("SODi") : QZ_FOURCC("O\002Di");
}

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
