#include "strings/FCSettingsPair.h"

namespace
{

void CopyTrimmed(FCString* pTarget, FCString* pSource)
{
    pTarget->Clear();
    if (pSource)
        pTarget->SetString(pSource);
    pTarget->TrimWhitespace();
}

} // namespace

FCSettingsPair::FCSettingsPair(FCString* pKey, FCString* pValue)
{
    CopyTrimmed(&_key, pKey);
    CopyTrimmed(&_value, pValue);
}

void FCSettingsPair::SetValue(FCString* pValue) { CopyTrimmed(&_value, pValue); }

FCSettingsPair* FCSettingsPair::CreateCopy() { return new FCSettingsPair(&_key, &_value); }
