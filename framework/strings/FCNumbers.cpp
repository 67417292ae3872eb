#include "strings/FCNumbers.h"

FCNumber* FCNumbers::GetItemAt(int index) const { return dynamic_cast<FCNumber*>(__FCCollection::GetItemAt(index)); }

FCNumber* FCNumbers::FindInt(int value) const
{
    for (int i = 0; i < GetCount(); ++i) {
        FCNumber* pNumber = GetItemAt(i);
        if (pNumber && pNumber->GetInt() == value)
            return pNumber;
    }
    return nullptr;
}

FCNumber* FCNumbers::AddUniqueInt(int value)
{
    if (FCNumber* pFound = FindInt(value))
        return pFound;
    auto* pNumber = new FCNumber();
    pNumber->SetInt(value);
    Add(pNumber);
    return pNumber;
}

int FCNumbers::AddInt(int value)
{
    auto* pNumber = new FCNumber();
    pNumber->SetInt(value);
    return Add(pNumber);
}

int FCNumbers::AddFloat(float value)
{
    auto* pNumber = new FCNumber();
    pNumber->SetFloat(value);
    return Add(pNumber);
}
