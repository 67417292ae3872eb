/* The platform's services with the AppKit: alert panels, the beep, the font
 * panel and font manager, the general pasteboard, the user's locale, the
 * workspace and the main menu. A driver (tests, scripts) answers alerts
 * itself, and nothing that would leave the process (a browser, the file
 * viewer) is started for it. */
#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/_cocoalink.h"

#include <string>

#include "ui/_FCUI_cocoa.h"
#include "ui/bridge/WindowBackend.h"

using CocoaElements::TextOf;

namespace
{
/* The index of the button pressed. */
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

NSMenu* BuildMenu(const qzui_menu* pMenu)
{
    NSMenu* pBuilt =
        [[[NSMenu alloc] initWithTitle:[NSString stringWithUTF8String:pMenu->title ? pMenu->title : ""]] autorelease];
    for (int i = 0; i < pMenu->count; ++i) {
        const qzui_menu_item& entry = pMenu->items[i];
        if (entry.separator) {
            [pBuilt addItem:[NSMenuItem separatorItem]];
            continue;
        }
        NSString* title = [NSString stringWithUTF8String:entry.title ? entry.title : ""];
        /* GNUstep declares the result as id<NSMenuItem>, which clang takes
           as an NSMenuItem* only through id. */
        NSMenuItem* pItem = QZ_AS(NSMenuItem, [pBuilt addItemWithTitle:title ? title : @""
                                                                action:NULL
                                                         keyEquivalent:@""]);
        [pItem setTag:entry.tag];
        if (entry.submenu)
            [pBuilt setSubmenu:BuildMenu(entry.submenu) forItem:pItem];
    }
    return pBuilt;
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

/* Without a driver and with a display, the window system shows it itself. */
bool ShownHere() { return !BridgeRuntime::DriverAttached() && CocoaRuntime::StartApplication(); }
} // namespace

namespace WindowBackend
{
int Alert(int kind, const FCString* pTitle, const FCString* pMessage, const char* const* buttons, const int* answers,
          int count)
{
    NSString* title = TextOf(pTitle);
    NSString* message = TextOf(pMessage);
    if (!ShownHere())
        return qzui::ReportAlert(kind, [title UTF8String], [message UTF8String], buttons, count, answers[0]);
    const int pressed = RunAlertPanel(kind, title, message, buttons, count);
    return pressed >= 0 && pressed < count ? answers[pressed] : answers[0];
}

void Beep()
{
    if (CocoaRuntime::StartApplication())
        NSBeep();
}

bool FontPanel(const FCString* pName, int size)
{
    if (!CocoaRuntime::StartApplication())
        return false;
    NSString* name = TextOf(pName);
    if (qzui::ReportRequest(QZUI_REQUEST_FONT_DIALOG, [name UTF8String], size))
        return true;
    NSFont* pSelected = [NSFont fontWithName:name size:size];
    if (pSelected)
        [[NSFontManager sharedFontManager] setSelectedFont:pSelected isMultiple:NO];
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

bool FontExists(const FCString* pName)
{
    if (!CocoaRuntime::StartApplication())
        return false;
    NSString* name = TextOf(pName);
    if ([NSFont fontWithName:name size:12])
        return true;
    return [[[NSFontManager sharedFontManager] availableMembersOfFontFamily:name] count] != 0;
}

bool FontFamilies(std::vector<std::string>* pNames)
{
    if (!CocoaRuntime::StartApplication())
        return false;
    NSArray* families =
        [[[NSFontManager sharedFontManager] availableFontFamilies] sortedArrayUsingSelector:@selector(compare:)];
    for (NSUInteger i = 0; i < [families count]; ++i)
        pNames->push_back([[families objectAtIndex:i] UTF8String]);
    return true;
}

bool Paste(const char* text)
{
    if (!CocoaRuntime::StartApplication())
        return false;
    NSPasteboard* pBoard = [NSPasteboard generalPasteboard];
    NSString* string = text ? [NSString stringWithUTF8String:text] : nil;
    if (!string) {
        [pBoard declareTypes:[NSArray array] owner:nil];
        return false;
    }
    [pBoard declareTypes:[NSArray arrayWithObject:NSStringPboardType] owner:nil];
    return [pBoard setString:string forType:NSStringPboardType] ? true : false;
}

bool PasteboardText(std::string* pText)
{
    if (!CocoaRuntime::StartApplication())
        return false;
    CocoaPool pool;
    NSString* text = [[NSPasteboard generalPasteboard] stringForType:NSStringPboardType];
    const char* utf8 = text ? [text UTF8String] : nullptr;
    if (utf8)
        *pText = utf8;
    return utf8 != nullptr;
}

int PasteboardChanges()
{
    return CocoaRuntime::StartApplication() ? static_cast<int>([[NSPasteboard generalPasteboard] changeCount]) : 0;
}

std::string DecimalSeparator()
{
    std::string chosen;
    if (qzui::DecimalSeparatorOverride(&chosen))
        return chosen;
    NSString* separator = [[NSLocale currentLocale] objectForKey:NSLocaleDecimalSeparator];
    return [separator length] ? [separator UTF8String] : ".";
}

void Open(int request, const FCString* pTarget)
{
    NSString* target = TextOf(pTarget);
    if (qzui::ReportRequest(request, [target UTF8String], 0) || !ShownHere())
        return;
    if (request == QZUI_REQUEST_SHELL_FOLDER)
        [[NSWorkspace sharedWorkspace] selectFile:target inFileViewerRootedAtPath:@""];
    else if (NSURL* url = [NSURL URLWithString:target])
        [[NSWorkspace sharedWorkspace] openURL:url];
}

double Clock() { return [NSDate timeIntervalSinceReferenceDate]; }

int MainMenuItemTag(int menuIndex, int item, int subitem)
{
    if (!NSApp)
        return 0;
    NSMenuItem* pTop = ItemAt([NSApp mainMenu], menuIndex);
    NSMenuItem* pItem = ItemAt([pTop submenu], item);
    if (subitem >= 0)
        pItem = ItemAt([pItem submenu], subitem);
    return pItem ? static_cast<int>([pItem tag]) : 0;
}

bool SetMainMenu(const qzui_menu* pMenu)
{
    if (!CocoaRuntime::StartApplication())
        return false;
    CocoaPool pool;
    [NSApp setMainMenu:pMenu ? BuildMenu(pMenu) : nil];
    return true;
}
} // namespace WindowBackend
