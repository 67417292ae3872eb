#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSFONTS_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSFONTS_H

#include <string>
#include <vector>

/* The fonts installed on the system, from the system's font configuration.
 * The bridge keeps a configuration of its own (loaded on first use, released
 * at exit), so it never changes the process's default one. */
namespace HeadlessFonts
{
/* A font of that family, full name or PostScript name is installed. */
bool IsInstalled(const std::string& name);
/* The installed font families, sorted, each once; false when the font
   configuration gives no list. */
bool Families(std::vector<std::string>* pNames);
} // namespace HeadlessFonts

#endif
