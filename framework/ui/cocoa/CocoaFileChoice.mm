/* The file dialogs: a save panel for a file to write, an open panel for one
 * file to read. A driver chooses the file itself, unless it hands the
 * question to the panels. */
#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/_cocoalink.h"

#include <string>

#include "ui/_FCUI_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/driver/qzui_driver.h"

namespace
{
/* Runs the panel modally; the chosen path, or nil when cancelled. */
NSString* RunPanel(bool save, NSString* title, NSString* name, NSString* extension)
{
    NSSavePanel* pPanel = save ? [NSSavePanel savePanel] : [NSOpenPanel openPanel];
    NSOpenPanel* pOpen = save ? nil : QZ_AS(NSOpenPanel, pPanel);
    [pPanel setTitle:title];
    if ([extension hasPrefix:@"."])
        extension = [extension substringFromIndex:1];
    if ([extension length])
        [pPanel setAllowedFileTypes:[NSArray arrayWithObject:extension]];
    if (save && [name length])
        [pPanel setNameFieldStringValue:name];
    [pOpen setCanChooseDirectories:NO];
    [pOpen setAllowsMultipleSelection:NO];
    if ([pPanel runModal] != NSFileHandlingPanelOKButton)
        return nil;
    return save ? [[pPanel URL] path] : [[[pOpen URLs] lastObject] path];
}
} // namespace

bool _FCUI_cocoa::ChooseFile(bool save, const FCString* pTitle, const FCString* pName, const FCString* pExtension,
                             FCString* pPath)
{
    if (!pPath)
        return false;
    CocoaPool pool;
    NSString* title = CocoaElements::TextOf(pTitle);
    NSString* name = save ? CocoaElements::TextOf(pName) : @"";
    NSString* extension = CocoaElements::TextOf(pExtension);
    if (BridgeRuntime::DriverAttached() || !CocoaRuntime::StartApplication()) {
        std::string chosen;
        const int answer = qzui::ReportFileChoice(save ? QZUI_FILE_SAVE : QZUI_FILE_OPEN, [title UTF8String],
                                                  [name UTF8String], [extension UTF8String], &chosen);
        if (answer == QZUI_FILE_CHOSEN) {
            _cocoalink_FromUTF8ToFCString(chosen.c_str(), pPath);
            return true;
        }
        if (answer != QZUI_FILE_ASK_USER || !CocoaRuntime::StartApplication())
            return false;
    }
    NSString* path = RunPanel(save, title, name, extension);
    if ([path length])
        _cocoalink_SetNSString(pPath, path);
    return [path length] != 0;
}
