#include "ui/PlatformText.h"

#include <cstdio>
#include <string>

#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"
#include "strings/FCString.h"

namespace
{
constexpr size_t kOldHostLimit = 5000;

/* Written out here because the platforms disagree on the form (GNUstep
   writes Latin-1 characters in octal). */
std::string NonLossyAscii(const char16_t* units, size_t count)
{
    std::string out;
    for (size_t i = 0; i < count; ++i) {
        const char16_t unit = units[i];
        if (unit == u'\\')
            out += "\\\\";
        else if (unit < 0x80)
            out.push_back(static_cast<char>(unit));
        else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
            out += escape;
        }
    }
    return out;
}
} // namespace

namespace qzui
{
void SetFromViewText(FCString* pString, const char16_t* units, size_t count)
{
    if (!pString)
        return;
    if (!qz::IsUnicodeHost(GetFinaleFrameworkVersion())) {
        std::string ascii = NonLossyAscii(units, count);
        if (ascii.size() > kOldHostLimit)
            ascii.resize(kOldHostLimit);
        pString->SetCString(ascii.c_str());
        return;
    }
    if (count == 0) {
        pString->SetCString("");
        return;
    }
    std::u16string text(units, units + count);
    for (char16_t& unit : text)
        if (unit == 0x2028)
            unit = 13;
    pString->SetUnicodeString(reinterpret_cast<const uint16_t*>(text.data()), static_cast<int>(text.size()));
}
} // namespace qzui
