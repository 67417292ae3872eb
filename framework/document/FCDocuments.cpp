#include "document/FCDocuments.h"

#include "common/qz_host_versions.h"
#include "document/FCDocument.h"
#include "core/FCIteratorHandler.h"
#include "hostlink/fx_host_abi.h"

namespace
{} // namespace

const char* FCDocuments::ClassName() const { return "FCDocuments"; }

FCDocument* FCDocuments::GetItemAt(int index) const
{
    return dynamic_cast<FCDocument*>(__FCCollection::GetItemAt(index));
}

int FCDocuments::LoadAll()
{
    ClearAll();
    int16_t documentID = 0;
    for (;;) {
        documentID = FX_GetNextEnigmaDocument(documentID, qz::kInterfaceVersion);
        if (documentID == 0)
            break;
        /* A host that repeats an id would never end the walk. */
        for (int index = 0; index < GetCount(); ++index)
            if (GetItemAt(index)->GetID() == documentID)
                return GetCount();
        Add(new FCDocument(documentID));
    }
    return GetCount();
}

int FCDocuments::ForEachWithScope(FCIteratorHandler* pHandler, FCString* pEditName)
{
    if (!pHandler || !pEditName)
        return 0;
    int visits = 0;
    for (int index = 0; index < GetCount(); ++index) {
        FCDocument* pDocument = GetItemAt(index);
        if (!pDocument || !pDocument->SwitchTo(pEditName, true))
            continue;
        const bool goOn = pHandler->Iterate(pDocument);
        pDocument->SwitchBack(true);
        if (!goOn)
            break;
        ++visits;
    }
    return visits;
}
