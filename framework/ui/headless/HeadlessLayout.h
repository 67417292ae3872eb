#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSLAYOUT_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSLAYOUT_H

#include <cstddef>
#include <memory>
#include <string>

#include "ui/headless/HeadlessWindow.h"

/* Prepared window layouts for the headless bridge.
 *
 * A layout is an Interface Builder XML document named by its layout ID in
 * decimal, with the extension ".xib". It is looked for, in order:
 *   1. in the folder a driver set with SetFolder (qzui_set_layout_folder);
 *   2. next to the module (shared library or program) that holds this code;
 *   3. among the layouts embedded into the module at build time. */
namespace HeadlessLayout
{
/* Sets (or, with null or an empty path, clears) the driver's layout folder. */
void SetFolder(const char* path);
/* The layout document's text; false when no layout has the ID. */
bool ReadText(int layoutID, std::string* pText);
/* Builds a window from a layout document; null when the text is not a
   layout with a window. */
std::unique_ptr<HeadlessWindow> Parse(const std::string& text);
/* Reads and parses a layout ahead of the window that opens it (a process
   about to fork, say, so that its children find it parsed); false when no
   layout has the ID or its text is not usable. Parse still compares the text
   it is given with the one parsed, and parses a different one anew. */
bool Preload(int layoutID);
/* ReadText + Parse. */
std::unique_ptr<HeadlessWindow> Load(int layoutID);
/* The embedded copy of a layout (null and size 0 when none). */
const char* Embedded(int layoutID, size_t* pSize);
} // namespace HeadlessLayout

#endif
