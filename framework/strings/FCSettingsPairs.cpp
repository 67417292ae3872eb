#include "strings/FCSettingsPairs.h"

#include "strings/FCStrings.h"

const char* FCSettingsPairs::ClassName() const { return "FCSettingsPairs"; }

FCSettingsPair* FCSettingsPairs::GetItemAt(int index) const
{
    return dynamic_cast<FCSettingsPair*>(__FCCollection::GetItemAt(index));
}

FCSettingsPair* FCSettingsPairs::FindKey(FCString* pKey) const
{
    if (!pKey)
        return nullptr;
    for (int i = 0; i < GetCount(); ++i) {
        FCSettingsPair* pPair = GetItemAt(i);
        if (pPair && pPair->GetKey()->CompareNoCase(pKey) == 0)
            return pPair;
    }
    return nullptr;
}

/* Defined with the pairs it makes, so that the string list itself does not
   depend on them. */
FCSettingsPairs* FCStrings::CreateSettingsPairs() const
{
    auto* pPairs = new FCSettingsPairs();
    for (int i = 0; i < GetCount(); ++i) {
        FCString* pLine = GetItemAt(i);
        if (!pLine)
            continue;
        /* A pair line has a key before its first "=". */
        const int equals = pLine->FindFirst("=");
        if (equals < 1)
            continue;
        FCString key;
        FCString value;
        pLine->MakeSubString(0, static_cast<uint64_t>(equals), &key);
        pLine->MakeSubString(static_cast<uint64_t>(equals) + 1, pLine->GetLength(), &value);
        pPairs->Add(new FCSettingsPair(&key, &value));
    }
    return pPairs;
}
