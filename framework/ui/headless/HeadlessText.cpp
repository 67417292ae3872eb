#include "ui/headless/HeadlessText.h"

#include <cstdio>
#include <cstring>

#include "common/qz_host_versions.h"
#include "strings/FCString.h"
#include "core/FinaleVersion.h"
#include "strings/fctext_codec.h"
#include "ui/PlatformText.h"
#include "ui/bridge/BridgeRuntime.h"

namespace
{
bool UnicodeHost() { return qz::IsUnicodeHost(GetFinaleFrameworkVersion()); }

} // namespace

namespace HeadlessText
{
std::u16string Units(const FCString* pString)
{
    if (!pString || !pString->_GetBuffer())
        return {};
    const uint16_t* pUnits = pString->_GetBuffer();
    return std::u16string(pUnits, pUnits + pString->GetLength());
}

std::string UnitsToUTF8(const FCString* pString)
{
    if (!pString || !pString->_GetBuffer())
        return {};
    return fctext::Utf16ToUtf8(pString->_GetBuffer(), pString->GetLength());
}

std::u16string ToElement(FCString* pString)
{
    if (!pString)
        return {};
    if (UnicodeHost())
        return Units(pString);
    /* Older hosts: the 8-bit form, each byte one character. */
    std::u16string out;
    for (const char* p = pString->GetCString(); *p; ++p)
        out.push_back(static_cast<unsigned char>(*p));
    return out;
}

std::string ElementUTF8(const FCString* pString)
{
    if (!pString)
        return {};
    FCString copy(*pString);
    return ToUTF8(ToElement(&copy));
}

void FromElement(const std::u16string& text, FCString* pString)
{
    qzui::SetFromViewText(pString, text.data(), text.size());
}

std::string ToUTF8(const std::u16string& text)
{
    return fctext::Utf16ToUtf8(reinterpret_cast<const uint16_t*>(text.data()), text.size());
}

bool FromUTF8(const std::string& text, std::u16string* pOut)
{
    /* The codec replaces every malformed sequence, so well-formed input is
       exactly the input that encodes back to the same bytes. */
    *pOut = fctext::Utf8ToUtf16(text.data(), text.size());
    if (ToUTF8(*pOut) == text)
        return true;
    pOut->clear();
    return false;
}

int CopyOut(const std::string& text, char* buf, int size) { return qzui::CopyOut(text, buf, size); }
} // namespace HeadlessText
