#ifndef FRAMEWORK_UI_BRIDGE_FILECHOICERUNTIME_H
#define FRAMEWORK_UI_BRIDGE_FILECHOICERUNTIME_H

#include <string>

/* The outlet of the file dialogs: the file callback a driver registered
 * (qzui_driver.h, "Choosing a file"). */
namespace qzui
{
/* Hands a file dialog (QZUI_FILE_SAVE or _OPEN, texts in UTF-8, null taken
   as "") to the driver. Returns QZUI_FILE_CHOSEN with *pPath set (never
   empty), QZUI_FILE_CANCEL, or QZUI_FILE_ASK_USER. Without a file callback
   the dialog is written to standard error and cancelled. */
int ReportFileChoice(int what, const char* title, const char* name, const char* extension, std::string* pPath);
} // namespace qzui

#endif
