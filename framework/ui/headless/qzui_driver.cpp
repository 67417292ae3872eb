/* The driver's calls for the layouts of the headless windows. */
#include "ui/driver/qzui_driver.h"

#include "ui/headless/HeadlessLayout.h"

void qzui_set_layout_folder(const char* path) { HeadlessLayout::SetFolder(path); }

int qzui_preload_layout(int layoutID) { return HeadlessLayout::Preload(layoutID) ? 1 : 0; }
