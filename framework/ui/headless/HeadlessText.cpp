#include "HeadlessText.h"

#include <cstdio>
#include <cstring>

#include "FCString.h"
#include "FinaleExtension.h"

namespace
{
constexpr uint32_t kUnicodeHost = 0x11000000;
constexpr size_t kOldHostLimit = 5000;

bool UnicodeHost() { return GetFinaleFrameworkVersion() >= kUnicodeHost; }

void AppendUTF8(std::string* pOut, uint32_t cp)
{
    if (cp < 0x80)
        pOut->push_back(static_cast<char>(cp));
    else if (cp < 0x800)
    {
        pOut->push_back(static_cast<char>(0xC0 | (cp >> 6)));
        pOut->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
    else if (cp < 0x10000)
    {
        pOut->push_back(static_cast<char>(0xE0 | (cp >> 12)));
        pOut->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        pOut->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
    else
    {
        pOut->push_back(static_cast<char>(0xF0 | (cp >> 18)));
        pOut->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        pOut->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        pOut->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

/* The platform's non-lossy ASCII form: ASCII kept, a backslash doubled,
   anything else written as \uXXXX. */
std::string NonLossyAscii(const std::u16string& text)
{
    std::string out;
    for (char16_t unit : text)
    {
        if (unit == u'\\')
            out += "\\\\";
        else if (unit < 0x80)
            out.push_back(static_cast<char>(unit));
        else
        {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
            out += escape;
        }
    }
    return out;
}
} // namespace

namespace HeadlessText
{
std::u16string Units(const FCString* pString)
{
    if (!pString || !pString->_GetBuffer()) return {};
    const uint16_t* pUnits = pString->_GetBuffer();
    return std::u16string(pUnits, pUnits + pString->GetLength());
}

std::u16string ToElement(FCString* pString)
{
    if (!pString) return {};
    if (UnicodeHost()) return Units(pString);
    /* Older hosts: the 8-bit form, each byte one character. */
    std::u16string out;
    for (const char* p = pString->GetCString(); *p; ++p) out.push_back(static_cast<unsigned char>(*p));
    return out;
}

void FromElement(const std::u16string& text, FCString* pString)
{
    if (!pString) return;
    if (!UnicodeHost())
    {
        std::string ascii = NonLossyAscii(text);
        if (ascii.size() > kOldHostLimit) ascii.resize(kOldHostLimit);
        pString->SetCString(ascii.c_str());
        return;
    }
    std::u16string units = text;
    for (char16_t& unit : units)
        if (unit == 0x2028) unit = 13;
    if (units.empty())
        pString->SetCString("");
    else
        pString->SetUnicodeString(reinterpret_cast<const uint16_t*>(units.data()), static_cast<int>(units.size()));
}

std::string ToUTF8(const std::u16string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
    {
        uint32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
        {
            AppendUTF8(&out, 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00));
            continue;
        }
        AppendUTF8(&out, (unit >= 0xD800 && unit <= 0xDFFF) ? 0xFFFD : unit);
    }
    return out;
}

bool FromUTF8(const std::string& text, std::u16string* pOut)
{
    pOut->clear();
    size_t i = 0;
    while (i < text.size())
    {
        auto lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
        if (extra < 0) return pOut->clear(), false;
        uint32_t cp = extra == 0 ? lead : (lead & (0x3F >> extra));
        for (int k = 1; k <= extra; ++k)
        {
            if (i + k >= text.size()) return pOut->clear(), false;
            auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return pOut->clear(), false;
            cp = (cp << 6) | (next & 0x3F);
        }
        i += extra + 1;
        if (cp >= 0x10000)
        {
            cp -= 0x10000;
            pOut->push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            pOut->push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        }
        else
            pOut->push_back(static_cast<char16_t>(cp));
    }
    return true;
}

int CopyOut(const std::string& text, char* buf, int size)
{
    if (buf && size > 0)
    {
        size_t n = text.size() < static_cast<size_t>(size - 1) ? text.size() : static_cast<size_t>(size - 1);
        while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
        std::memcpy(buf, text.data(), n);
        buf[n] = '\0';
    }
    return static_cast<int>(text.size());
}
} // namespace HeadlessText
