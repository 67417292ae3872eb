/* Font listings for the headless bridge: the font families the system's font
 * configuration knows (folder listings are shared by the bridges). */
#include "ui/_FCStrings_cocoa.h"

#include <string>
#include <vector>

#include "strings/FCString.h"
#include "strings/FCStrings.h"
#include "ui/headless/HeadlessFonts.h"

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
    if (!pList || !HeadlessFonts::Families(&names))
        return false;
    for (const std::string& name : names) {
        FCString entry;
        entry.SetUTF8String(name.c_str());
        if (!pList->Find(&entry))
            pList->AddCopy(&entry);
    }
    return true;
}
