/* The driver interface for the UI services over Cocoa: the application's
 * main menu, the general pasteboard, the driver's requests and decimal
 * separator. */
#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"

#include <algorithm>
#include <cstring>

#include "ui/bridge/BridgeRuntime.h"
#include "ui/driver/qzui_driver.h"

namespace
{
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
        NSMenuItem* pItem = QZ_AS(NSMenuItem, [pBuilt addItemWithTitle:title ? title : @""
                                                                action:NULL
                                                         keyEquivalent:@""]);
        [pItem setTag:entry.tag];
        if (entry.submenu)
            [pBuilt setSubmenu:BuildMenu(entry.submenu) forItem:pItem];
    }
    return pBuilt;
}
} // namespace

/* ---- UI services ---- */

int qzui_set_main_menu(const qzui_menu* menu)
{
    if (!CocoaRuntime::StartApplication())
        return QZUI_E_NO_WINDOW;
    CocoaPool pool;
    [NSApp setMainMenu:menu ? BuildMenu(menu) : nil];
    return QZUI_OK;
}

int qzui_pasteboard_text(char* buf, int size)
{
    if (!CocoaRuntime::StartApplication())
        return -1;
    CocoaPool pool;
    NSString* text = [[NSPasteboard generalPasteboard] stringForType:NSStringPboardType];
    const char* utf8 = text ? [text UTF8String] : nullptr;
    return utf8 ? qzui::CopyOut(utf8, buf, size) : -1;
}

int qzui_pasteboard_change_count(void)
{
    if (!CocoaRuntime::StartApplication())
        return 0;
    return static_cast<int>([[NSPasteboard generalPasteboard] changeCount]);
}

void qzui_set_request_callback(qzui_request_fn fn, void* context) { CocoaRuntime::SetRequestHandler(fn, context); }

void qzui_set_decimal_separator(const char* separator) { CocoaRuntime::SetDecimalSeparator(separator); }
