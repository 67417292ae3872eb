#include "ui/headless/HeadlessFonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace
{
struct ConfigDeleter
{
    void operator()(FcConfig* pConfig) const { FcConfigDestroy(pConfig); }
};

/* The bridge's own font configuration; null when it cannot be loaded. */
FcConfig* Configuration()
{
    static std::unique_ptr<FcConfig, ConfigDeleter> config;
    static std::once_flag loaded;
    std::call_once(loaded, [] { config.reset(FcInitLoadConfigAndFonts()); });
    return config.get();
}

/* The fonts matching one property value (every font for a null property),
   with their family names. The caller destroys the set; null when there is
   no list. */
FcFontSet* List(const char* property, const std::string& value)
{
    FcConfig* pConfig = Configuration();
    if (!pConfig)
        return nullptr;
    FcPattern* pPattern = FcPatternCreate();
    FcObjectSet* pObjects = FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr));
    if (property)
        FcPatternAddString(pPattern, property, reinterpret_cast<const FcChar8*>(value.c_str()));
    FcFontSet* pFonts = FcFontList(pConfig, pPattern, pObjects);
    FcObjectSetDestroy(pObjects);
    FcPatternDestroy(pPattern);
    return pFonts;
}
} // namespace

namespace HeadlessFonts
{
bool IsInstalled(const std::string& name)
{
    for (const char* property : {FC_FAMILY, FC_FULLNAME, FC_POSTSCRIPT_NAME}) {
        FcFontSet* pFonts = List(property, name);
        const bool found = pFonts && pFonts->nfont > 0;
        if (pFonts)
            FcFontSetDestroy(pFonts);
        if (found)
            return true;
    }
    return false;
}

bool Families(std::vector<std::string>* pNames)
{
    FcFontSet* pFonts = List(nullptr, std::string());
    if (!pFonts)
        return false;
    for (int i = 0; i < pFonts->nfont; ++i) {
        FcChar8* family = nullptr;
        /* The first family name is the font's own; later ones are localised
           aliases. */
        if (FcPatternGetString(pFonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch && family)
            pNames->push_back(reinterpret_cast<const char*>(family));
    }
    FcFontSetDestroy(pFonts);
    std::sort(pNames->begin(), pNames->end());
    pNames->erase(std::unique(pNames->begin(), pNames->end()), pNames->end());
    return true;
}
} // namespace HeadlessFonts
