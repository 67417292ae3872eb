/* The platform half of FCUI with the AppKit: alert panels, the beep, the
 * font panel and font manager, the general pasteboard, the user's locale,
 * the workspace and the main menu. A driver (tests, scripts) answers alerts
 * itself, and nothing that would leave the process (a browser, the file
 * viewer) is started for it. */
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/_cocoalink.h"

#include "document/FCFontInfo.h"
#include "strings/FCString.h"
#import "ui/cocoa/CocoaElements.h"
#include "ui/_FCUI_cocoa.h"
#include "ui/driver/qzui_driver.h"
#include "ui/bridge/BridgeRuntime.h"

#include <string>

namespace
{
using CocoaElements::TextOf;

int RunAlertPanel(int kind, NSString* title, NSString* message, const char* const* buttons, int count)
{
    NSAlert* pAlert = [[[NSAlert alloc] init] autorelease];
    [pAlert setMessageText:title];
    [pAlert setInformativeText:message];
    [pAlert setAlertStyle:kind == _FCUI_cocoa::ALERTKIND_ERROR ? NSCriticalAlertStyle : NSInformationalAlertStyle];
    for (int i = 0; i < count; ++i)
        [pAlert addButtonWithTitle:[NSString stringWithUTF8String:buttons[i] ? buttons[i] : ""]];
    return static_cast<int>([pAlert runModal] - NSAlertFirstButtonReturn);
}

/* Clears the general pasteboard and puts the text on it; a nil text (one
   that could not be converted) leaves it cleared. */
bool PutOnPasteboard(NSString* text)
{
    if (!CocoaRuntime::StartApplication())
        return false;
    NSPasteboard* pBoard = [NSPasteboard generalPasteboard];
    if (!text) {
        [pBoard declareTypes:[NSArray array] owner:nil];
        return false;
    }
    [pBoard declareTypes:[NSArray arrayWithObject:NSStringPboardType] owner:nil];
    return [pBoard setString:text forType:NSStringPboardType] ? true : false;
}

/* The n-th item of a menu that is not a separator, or nil. */
NSMenuItem* ItemAt(NSMenu* pMenu, int index)
{
    NSArray* pItems = [pMenu itemArray];
    int seen = 0;
    for (NSUInteger i = 0; i < [pItems count]; ++i) {
        NSMenuItem* pItem = [pItems objectAtIndex:i];
        if ([pItem isSeparatorItem])
            continue;
        if (seen++ == index)
            return pItem;
    }
    return nil;
}
} // namespace

_FCUI_cocoa::_FCUI_cocoa() : _timerstart(0.0), _lasttiming(0.0) {}

int _FCUI_cocoa::ShowAlert(int kind, const FCString* pTitle, const FCString* pMessage, const char* const* buttons,
                           const int* answers, int count)
{
    if (!buttons || !answers || count <= 0)
        return 0;
    CocoaPool pool;
    NSString* title = TextOf(pTitle);
    NSString* message = TextOf(pMessage);
    int answer = answers[0];
    if (BridgeRuntime::DriverAttached() || !CocoaRuntime::StartApplication())
        answer = qzui::ReportAlert(kind, [title UTF8String], [message UTF8String], buttons, count, answers[0]);
    else {
        int pressed = RunAlertPanel(kind, title, message, buttons, count);
        if (pressed >= 0 && pressed < count)
            answer = answers[pressed];
    }
    for (int i = 0; i < count; ++i)
        if (answers[i] == answer)
            return answer;
    return answers[0];
}

void _FCUI_cocoa::Beep()
{
    if (CocoaRuntime::StartApplication())
        NSBeep();
    qzui::ReportBeep();
}

bool _FCUI_cocoa::DisplayFontDialog(FCFontInfo* pFont)
{
    if (!pFont || !CocoaRuntime::StartApplication())
        return false;
    CocoaPool pool;
    FCString name;
    pFont->GetNameString(&name);
    if (CocoaRuntime::ReportRequest(QZUI_REQUEST_FONT_DIALOG, [_cocoalink_MakeNSString(&name) UTF8String],
                                    static_cast<int>(pFont->GetSize())))
        return true;
    NSFontManager* pManager = [NSFontManager sharedFontManager];
    NSFont* pSelected = [NSFont fontWithName:_cocoalink_MakeNSString(&name) size:pFont->GetSize()];
    if (pSelected)
        [pManager setSelectedFont:pSelected isMultiple:NO];
    NSFontPanel* pPanel = [NSFontPanel sharedFontPanel];
    [pPanel orderFront:nil];
    /* Modal until the user closes it; a driver closes it at once. */
    while (!BridgeRuntime::DriverAttached() && [pPanel isVisible]) {
        NSEvent* event = [NSApp nextEventMatchingMask:NSAnyEventMask
                                            untilDate:[NSDate distantFuture]
                                               inMode:NSDefaultRunLoopMode
                                              dequeue:YES];
        if (event)
            [NSApp sendEvent:event];
    }
    [pPanel orderOut:nil];
    return true;
}

bool _FCUI_cocoa::IsFontAvailable(const FCString* pName)
{
    if (!pName || pName->IsEmpty() || !CocoaRuntime::StartApplication())
        return false;
    CocoaPool pool;
    NSString* name = TextOf(pName);
    if ([NSFont fontWithName:name size:12])
        return true;
    return [[[NSFontManager sharedFontManager] availableMembersOfFontFamily:name] count] != 0;
}

bool _FCUI_cocoa::TextToClipboard(const char* text)
{
    CocoaPool pool;
    NSString* ascii = text ? [NSString stringWithCString:text encoding:NSASCIIStringEncoding] : nil;
    return PutOnPasteboard(ascii);
}

bool _FCUI_cocoa::TextToClipboardUTF8(const char* text)
{
    CocoaPool pool;
    NSString* utf8 = text ? [NSString stringWithUTF8String:text] : nil;
    return PutOnPasteboard(utf8);
}

void _FCUI_cocoa::GetDecimalSeparator(FCString* pString)
{
    if (!pString)
        return;
    CocoaPool pool;
    std::string chosen;
    if (CocoaRuntime::DecimalSeparatorOverride(&chosen)) {
        pString->SetUTF8String(chosen.c_str());
        return;
    }
    NSString* separator = [[NSLocale currentLocale] objectForKey:NSLocaleDecimalSeparator];
    _cocoalink_SetNSString(pString, [separator length] ? separator : @".");
}

bool _FCUI_cocoa::DisplayWebURL(const FCString* pURL)
{
    if (!pURL || pURL->IsEmpty())
        return true; /* no address: nothing to open */
    CocoaPool pool;
    if (CocoaRuntime::ReportRequest(QZUI_REQUEST_WEB_URL, [TextOf(pURL) UTF8String], 0))
        return true;
    NSURL* url = [NSURL URLWithString:TextOf(pURL)];
    if (url && !BridgeRuntime::DriverAttached() && CocoaRuntime::StartApplication())
        [[NSWorkspace sharedWorkspace] openURL:url];
    return true;
}

bool _FCUI_cocoa::DisplayShellFolder(const FCString* pPath)
{
    if (!pPath || pPath->IsEmpty())
        return false;
    CocoaPool pool;
    NSString* path = TextOf(pPath);
    if (CocoaRuntime::ReportRequest(QZUI_REQUEST_SHELL_FOLDER, [path UTF8String], 0))
        return true;
    if (!BridgeRuntime::DriverAttached() && CocoaRuntime::StartApplication())
        [[NSWorkspace sharedWorkspace] selectFile:path inFileViewerRootedAtPath:@""];
    return true;
}

void _FCUI_cocoa::StartPerformanceTimer()
{
    _lasttiming = 0.0;
    _timerstart = GetHiResTimer();
}

void _FCUI_cocoa::StopPerformanceTimer() { _lasttiming = GetHiResTimer() - _timerstart; }

double _FCUI_cocoa::GetHiResTimer() { return [NSDate timeIntervalSinceReferenceDate]; }

int _FCUI_cocoa::GetMainMenuItemTag(int menuIndex, int item, int subitem)
{
    if (!NSApp)
        return 0;
    NSMenuItem* pTop = ItemAt([NSApp mainMenu], menuIndex);
    NSMenuItem* pItem = ItemAt([pTop submenu], item);
    if (subitem >= 0)
        pItem = ItemAt([pItem submenu], subitem);
    return pItem ? static_cast<int>([pItem tag]) : 0;
}
