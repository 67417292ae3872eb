#include "ui/headless/HeadlessText.h"

#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"
#include "strings/FCString.h"
#include "strings/fctext_codec.h"
#include "ui/PlatformText.h"

namespace HeadlessText
{
std::u16string ToElement(const FCString* pString)
{
    if (!pString || !pString->_GetBuffer())
        return {};
    const uint16_t* pUnits = pString->_GetBuffer();
    const size_t length = static_cast<size_t>(pString->GetLength());
    if (qz::IsUnicodeHost(GetFinaleFrameworkVersion()))
        return std::u16string(pUnits, pUnits + length);
    /* Older hosts: the 8-bit form (the low byte of each unit, up to the
       first zero), each byte one character. */
    std::u16string out;
    for (size_t i = 0; i < length && (pUnits[i] & 0xFF); ++i)
        out.push_back(static_cast<char16_t>(pUnits[i] & 0xFF));
    return out;
}

std::string ElementUTF8(const FCString* pString) { return ToUTF8(ToElement(pString)); }

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
} // namespace HeadlessText
