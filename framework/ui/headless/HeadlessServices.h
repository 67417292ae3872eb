#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSSERVICES_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSSERVICES_H

#include <string>
#include <vector>

#include "ui/driver/qzui_driver.h"

/* Process-wide state of the headless user-interface services: the main-menu
 * model the driver sets (qzui_driver.h) and the installed fonts. */
namespace HeadlessServices
{
/* The tag at a main-menu position (see _FCUI_cocoa::GetMainMenuItemTag); 0
   when not found or when no main menu is registered. */
int MainMenuItemTag(int menuIndex, int item, int subitem);
void SetMainMenu(const qzui_menu* pMenu);

/* From the system's font configuration, through a configuration of the
   bridge's own (loaded on first use, released at exit), so that the
   process's default one never changes: a font of that family, full name or
   PostScript name is installed; the installed families, sorted, each once
   (false when the configuration gives no list). */
bool FontInstalled(const std::string& name);
bool FontFamilies(std::vector<std::string>* pNames);
} // namespace HeadlessServices

#endif
