/* The file dialogs with the AppKit: a save panel for a file to write, an
 * open panel for one file to read. A driver (tests, scripts) chooses the
 * file itself, unless it hands the question to the user's panel. */
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/_cocoalink.h"

#include <string>

#include "strings/FCString.h"
#import "ui/cocoa/CocoaElements.h"
#include "ui/_FCUI_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/driver/qzui_driver.h"

namespace
{
using CocoaElements::TextOf;

/* The file types a panel allows: the extension without its dot; nil (any
   file) when there is none. */
NSArray* TypesOf(NSString* extension)
{
    if ([extension hasPrefix:@"."])
        extension = [extension substringFromIndex:1];
    return [extension length] ? [NSArray arrayWithObject:extension] : nil;
}

/* Runs the panel modally; the chosen path, or nil when cancelled. */
NSString* RunPanel(bool save, NSString* title, NSString* name, NSString* extension)
{
    NSArray* types = TypesOf(extension);
    if (save) {
        NSSavePanel* pPanel = [NSSavePanel savePanel];
        [pPanel setTitle:title];
        if (types)
            [pPanel setAllowedFileTypes:types];
        if ([name length])
            [pPanel setNameFieldStringValue:name];
        if ([pPanel runModal] != NSFileHandlingPanelOKButton)
            return nil;
        return [[pPanel URL] path];
    }
    NSOpenPanel* pPanel = [NSOpenPanel openPanel];
    [pPanel setTitle:title];
    [pPanel setCanChooseDirectories:NO];
    [pPanel setAllowsMultipleSelection:NO];
    if (types)
        [pPanel setAllowedFileTypes:types];
    if ([pPanel runModal] != NSFileHandlingPanelOKButton || [[pPanel URLs] count] == 0)
        return nil;
    return [[[pPanel URLs] objectAtIndex:0] path];
}
} // namespace

bool _FCUI_cocoa::ChooseFile(bool save, const FCString* pTitle, const FCString* pName, const FCString* pExtension,
                             FCString* pPath)
{
    if (!pPath)
        return false;
    CocoaPool pool;
    NSString* title = TextOf(pTitle);
    NSString* name = save ? TextOf(pName) : @"";
    NSString* extension = TextOf(pExtension);
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
    if (![path length])
        return false;
    _cocoalink_SetNSString(pPath, path);
    return true;
}
