#include "ui/headless/HeadlessServices.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <tuple>

#include "strings/FCString.h"
#include "ui/_FCUI_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/driver/qzui_driver.h"
#include "ui/headless/HeadlessText.h"

#if !defined(__APPLE__)
#include "platform/qz_bundle_resources.h"
#endif

namespace
{
/* A main-menu position: the menu's index, the item's and the subitem's
   (-1 for the item itself), separators not counted below the top level. */
using MenuPosition = std::tuple<int, int, int>;

struct State
{
    std::map<MenuPosition, int> menuTags;
};

State& Get()
{
    static State state;
    return state;
}

#if !defined(__APPLE__)
/* The Core Foundation stand-in's system-log lines reach the driver like the
   bridge's own. */
[[maybe_unused]] const bool kSystemLogInstalled = [] {
    QZCFSetSystemLogHandler(&qzui::ReportSystemLog);
    return true;
}();
#endif

/* The tags of a top-level menu's items (item < 0) and of one item's submenu. */
void AddMenuTags(const qzui_menu& menu, int menuIndex, int item, std::map<MenuPosition, int>* pTags)
{
    int position = 0;
    for (int i = 0; i < menu.count; ++i) {
        const qzui_menu_item& entry = menu.items[i];
        if (entry.separator)
            continue;
        if (item >= 0) {
            (*pTags)[MenuPosition(menuIndex, item, position++)] = entry.tag;
            continue;
        }
        (*pTags)[MenuPosition(menuIndex, position, -1)] = entry.tag;
        if (entry.submenu)
            AddMenuTags(*entry.submenu, menuIndex, position, pTags);
        ++position;
    }
}

/* The fonts matching one property value (every font for a null property),
   with their family names. The caller destroys the set; null when there is
   no list. */
FcFontSet* ListFonts(const char* property, const std::string& value)
{
    static std::unique_ptr<FcConfig, void (*)(FcConfig*)> config(FcInitLoadConfigAndFonts(), &FcConfigDestroy);
    if (!config)
        return nullptr;
    FcPattern* pPattern = FcPatternCreate();
    FcObjectSet* pObjects = FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr));
    if (property)
        FcPatternAddString(pPattern, property, reinterpret_cast<const FcChar8*>(value.c_str()));
    FcFontSet* pFonts = FcFontList(config.get(), pPattern, pObjects);
    FcObjectSetDestroy(pObjects);
    FcPatternDestroy(pPattern);
    return pFonts;
}
} // namespace

namespace HeadlessServices
{
void SetMainMenu(const qzui_menu* pMenu)
{
    Get().menuTags.clear();
    for (int i = 0; pMenu && i < pMenu->count; ++i)
        if (pMenu->items[i].submenu)
            AddMenuTags(*pMenu->items[i].submenu, i, -1, &Get().menuTags);
}

int MainMenuItemTag(int menuIndex, int item, int subitem)
{
    const auto found = Get().menuTags.find(MenuPosition(menuIndex, item, subitem));
    return found == Get().menuTags.end() ? 0 : found->second;
}

bool FontInstalled(const std::string& name)
{
    for (const char* property : {FC_FAMILY, FC_FULLNAME, FC_POSTSCRIPT_NAME}) {
        FcFontSet* pFonts = ListFonts(property, name);
        const bool found = pFonts && pFonts->nfont > 0;
        if (pFonts)
            FcFontSetDestroy(pFonts);
        if (found)
            return true;
    }
    return false;
}

bool FontFamilies(std::vector<std::string>* pNames)
{
    FcFontSet* pFonts = ListFonts(nullptr, std::string());
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
} // namespace HeadlessServices

/* The file dialogs: the driver chooses the file; there is no platform panel
   here, so asking the user cancels. */
bool _FCUI_cocoa::ChooseFile(bool save, const FCString* pTitle, const FCString* pName, const FCString* pExtension,
                             FCString* pPath)
{
    using HeadlessText::ElementUTF8;
    std::string path;
    if (!pPath || qzui::ReportFileChoice(save ? QZUI_FILE_SAVE : QZUI_FILE_OPEN, ElementUTF8(pTitle).c_str(),
                                         save ? ElementUTF8(pName).c_str() : "", ElementUTF8(pExtension).c_str(),
                                         &path) != QZUI_FILE_CHOSEN)
        return false;
    pPath->SetUTF8String(path.c_str());
    return true;
}
