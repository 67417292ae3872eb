/* The platform's font listing, installed as FCStrings' font lister (folder
 * listings are shared by the bridges). */
#include <string>
#include <vector>

#include "strings/FCString.h"
#include "strings/FCStrings.h"
#include "ui/_FCStrings_cocoa.h"
#include "ui/bridge/WindowBackend.h"

namespace
{
[[maybe_unused]] const bool kFontListerInstalled = [] {
    FCStrings::_pSystemFontLister = &_FCStrings_cocoa::LoadSystemFontNames;
    return true;
}();
} // namespace

bool _FCStrings_cocoa::LoadSystemFontNames(FCStrings* pList)
{
    std::vector<std::string> names;
    WindowBackend::Scope scope;
    if (!pList || !WindowBackend::FontFamilies(&names))
        return false;
    for (const std::string& name : names) {
        FCString entry;
        entry.SetUTF8String(name.c_str());
        if (!pList->Find(&entry))
            pList->AddCopy(&entry);
    }
    return true;
}
