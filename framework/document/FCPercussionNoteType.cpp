#include "document/FCPercussionNoteType.h"

const char* FCPercussionNoteType::ClassName() const { return "FCPercussionNoteType"; }

const char* FCPercussionNoteTypes::ClassName() const { return "FCPercussionNoteTypes"; }

FCPercussionNoteType* FCPercussionNoteTypes::GetItemAt(int index) const
{
    return dynamic_cast<FCPercussionNoteType*>(__FCCollection::GetItemAt(index));
}

FCPercussionNoteType* FCPercussionNoteTypes::FindNoteTypeID(int noteTypeID) const
{
    for (int i = 0; i < GetCount(); ++i) {
        FCPercussionNoteType* pType = GetItemAt(i);
        if (pType && pType->GetNoteTypeID() == noteTypeID)
            return pType;
    }
    return nullptr;
}

FCPercussionNoteType* FCPercussionNoteTypes::AddUniqueNoteType(int noteTypeID)
{
    if (FCPercussionNoteType* pFound = FindNoteTypeID(noteTypeID))
        return pFound;
    FCPercussionNoteType* pType = new FCPercussionNoteType(noteTypeID);
    Add(pType);
    return pType;
}
