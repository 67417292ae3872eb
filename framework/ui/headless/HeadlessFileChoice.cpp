/* The file dialogs of the headless bridge: the driver chooses the file; a
 * platform panel does not exist here, so asking the user cancels. */
#include "ui/_FCUI_cocoa.h"

#include <string>

#include "strings/FCString.h"
#include "ui/bridge/FileChoiceRuntime.h"
#include "ui/driver/qzui_driver.h"
#include "ui/headless/HeadlessText.h"

namespace
{} // namespace

bool _FCUI_cocoa::ChooseFile(bool save, const FCString* pTitle, const FCString* pName, const FCString* pExtension,
                             FCString* pPath)
{
    if (!pPath)
        return false;
    const std::string title = HeadlessText::ElementUTF8(pTitle);
    const std::string name = save ? HeadlessText::ElementUTF8(pName) : std::string();
    const std::string extension = HeadlessText::ElementUTF8(pExtension);
    std::string path;
    if (qzui::ReportFileChoice(save ? QZUI_FILE_SAVE : QZUI_FILE_OPEN, title.c_str(), name.c_str(), extension.c_str(),
                               &path) != QZUI_FILE_CHOSEN)
        return false;
    pPath->SetUTF8String(path.c_str());
    return true;
}
