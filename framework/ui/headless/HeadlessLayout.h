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
 *   1. in the driver's folder (qzui_set_layout_folder);
 *   2. next to the module (shared library or program) that holds this code;
 *   3. among the layouts embedded into the module at build time.
 * The last document parsed is kept, and a layout looked up ahead
 * (qzui_preload_layout) is parsed then; a text that differs from the one
 * kept is parsed anew. */
namespace HeadlessLayout
{
/* Builds a window from a layout document; null when the text is not a
   layout with a window. */
std::unique_ptr<HeadlessWindow> Parse(const std::string& text);
/* Reads and parses the layout; null when no layout has the ID. */
std::unique_ptr<HeadlessWindow> Load(int layoutID);
/* The embedded copy of a layout (null and size 0 when none). */
const char* Embedded(int layoutID, size_t* pSize);
} // namespace HeadlessLayout

#endif
