/* Folder and font listings for the headless bridge: the real file system and
 * the font families the system's font configuration knows. */
#include "ui/_FCStrings_cocoa.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <string>
#include <vector>

#include "strings/FCString.h"
#include "strings/FCStrings.h"

namespace
{
/* Installed font family names, sorted and without repeats; false when
   fontconfig gives no list. */
bool InstalledFamilies(std::vector<std::string>* pNames)
{
    if (!FcInit())
        return false;
    FcPattern* pPattern = FcPatternCreate();
    FcObjectSet* pObjects = FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr));
    FcFontSet* pFonts = FcFontList(nullptr, pPattern, pObjects);
    if (pFonts)
    {
        for (int i = 0; i < pFonts->nfont; ++i)
        {
            FcChar8* family = nullptr;
            /* The first family name is the font's own; later ones are
               localised aliases. */
            if (FcPatternGetString(pFonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch && family)
                pNames->push_back(reinterpret_cast<const char*>(family));
        }
        FcFontSetDestroy(pFonts);
    }
    FcObjectSetDestroy(pObjects);
    FcPatternDestroy(pPattern);
    std::sort(pNames->begin(), pNames->end());
    pNames->erase(std::unique(pNames->begin(), pNames->end()), pNames->end());
    return pFonts != nullptr;
}

[[maybe_unused]] const bool kFontListerInstalled = [] {
    FCStrings::_pSystemFontLister = &_FCStrings_cocoa::LoadSystemFontNames;
    return true;
}();
} // namespace

bool _FCStrings_cocoa::LoadFolderFiles(FCStrings* pList, const FCString* pFolder)
{
    if (pList)
        pList->LoadFolderFiles(pFolder);
    return true;
}

bool _FCStrings_cocoa::LoadSubfolders(FCStrings* pList, const FCString* pFolder)
{
    if (pList)
        pList->LoadSubfolders(pFolder);
    return true;
}

bool _FCStrings_cocoa::LoadSystemFontNames(FCStrings* pList)
{
    std::vector<std::string> names;
    if (!pList || !InstalledFamilies(&names))
        return false;
    for (const std::string& name : names)
    {
        FCString entry;
        entry.SetUTF8String(name.c_str());
        if (!pList->Find(&entry))
            pList->AddCopy(&entry);
    }
    return true;
}
