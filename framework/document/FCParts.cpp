#include "document/FCParts.h"

#include "core/FCIteratorHandler.h"
#include "document/FCPart.h"
#include "document/__FCPartSorterByID.h"
#include "hostlink/fx_host_abi.h"

namespace
{
constexpr uint32_t kInterfaceVersion = 0x19000000;

template <class MATCH>
FCPart* FindFirstPart(const FCParts& parts, MATCH match)
{
    for (int index = 0; index < parts.GetCount(); ++index) {
        FCPart* pPart = parts.GetItemAt(index);
        if (pPart && match(*pPart))
            return pPart;
    }
    return nullptr;
}
} // namespace

const char* FCParts::ClassName() const { return "FCParts"; }

FCPart* FCParts::GetItemAt(int index) const { return dynamic_cast<FCPart*>(__FCCollection::GetItemAt(index)); }

int FCParts::LoadAll()
{
    ClearAll();
    int16_t partID = 0;
    for (;;) {
        FCPart* pPart = new FCPart(partID);
        if (!pPart->Load(static_cast<uint16_t>(partID))) {
            delete pPart;
            break;
        }
        Add(pPart);
        partID = FX_GetNextPartID(partID, kInterfaceVersion);
        /* -1 ends the walk; a host that repeats an id would never end it. */
        if (partID == -1 || FindFirstPart(*this, [partID](const FCPart& part) { return part.GetID() == partID; }))
            break;
    }
    return GetCount();
}

FCPart* FCParts::FindPart(const FCPart* pPart) const
{
    if (!pPart)
        return nullptr;
    return FindFirstPart(*this, [pPart](const FCPart& part) {
        return part.GetID() == pPart->GetID() && part.GetDocumentID() == pPart->GetDocumentID();
    });
}

FCPart* FCParts::GetScore() const
{
    return FindFirstPart(*this, [](const FCPart& part) { return part.GetID() == 0; });
}

FCPart* FCParts::GetCurrent() const
{
    return FindFirstPart(*this, [](const FCPart& part) { return part.IsCurrent(); });
}

void FCParts::SortByOrderID()
{
    __FCPartSorterByID sorter;
    Sort(&sorter);
}

int FCParts::ForEachWithScope(FCIteratorHandler* pHandler)
{
    if (!pHandler || !pHandler->PreProcess())
        return 0;
    int visits = 0;
    for (int index = 0; index < GetCount(); ++index) {
        FCPart* pPart = GetItemAt(index);
        if (!pPart || !pPart->SwitchTo())
            continue;
        const bool goOn = pHandler->Iterate(pPart);
        pPart->SwitchBack();
        if (!goOn)
            break;
        ++visits;
    }
    pHandler->PostProcess();
    return visits;
}
