#include "ui/headless/HeadlessServices.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "ui/headless/HeadlessText.h"
#include "ui/driver/qzui_driver.h"
#include "ui/bridge/BridgeRuntime.h"

#if !defined(__APPLE__)
#include "platform/qz_bundle_resources.h"
#endif

namespace
{
struct MenuNode
{
    int tag = 0;
    bool separator = false;
    std::unique_ptr<std::vector<MenuNode>> submenu;
};

struct State
{
    std::unique_ptr<std::vector<MenuNode>> mainMenu;
    bool pasteboardHasText = false;
    std::string pasteboard;
    int pasteboardChanges = 0;
    qzui_request_fn request = nullptr;
    void* requestContext = nullptr;
    bool separatorSet = false;
    std::string separator;
};

State& Get()
{
    static State state;
    return state;
}

#if !defined(__APPLE__)
/* The Core Foundation stand-in's system-log lines reach the driver like the
   bridge's own. */
[[maybe_unused]] const bool kSystemLogInstalled = [] {
    QZCFSetSystemLogHandler(&qzui::ReportSystemLog);
    return true;
}();
#endif

/* Menus deeper than this are refused (a cycle in the driver's tree). */
constexpr int kMaxMenuDepth = 16;

bool CopyMenu(const qzui_menu* pMenu, int depth, std::unique_ptr<std::vector<MenuNode>>* pOut)
{
    if (depth > kMaxMenuDepth || pMenu->count < 0 || (pMenu->count > 0 && !pMenu->items))
        return false;
    auto nodes = std::make_unique<std::vector<MenuNode>>(static_cast<size_t>(pMenu->count));
    for (int i = 0; i < pMenu->count; ++i) {
        const qzui_menu_item& item = pMenu->items[i];
        MenuNode& node = (*nodes)[static_cast<size_t>(i)];
        node.tag = item.tag;
        node.separator = item.separator != 0;
        if (item.submenu && !CopyMenu(item.submenu, depth + 1, &node.submenu))
            return false;
    }
    *pOut = std::move(nodes);
    return true;
}

/* The index-th item of a menu that is not a separator, or null. */
const MenuNode* NthItem(const std::vector<MenuNode>* pMenu, int index)
{
    if (!pMenu || index < 0)
        return nullptr;
    for (const MenuNode& node : *pMenu) {
        if (node.separator)
            continue;
        if (index-- == 0)
            return &node;
    }
    return nullptr;
}

const char* RequestName(int what)
{
    switch (what) {
    case QZUI_REQUEST_WEB_URL: return "web address";
    case QZUI_REQUEST_SHELL_FOLDER: return "file viewer";
    default: return "font panel";
    }
}
} // namespace

namespace HeadlessServices
{
int MainMenuItemTag(int menuIndex, int item, int subitem)
{
    const std::vector<MenuNode>* pMain = Get().mainMenu.get();
    if (!pMain || menuIndex < 0 || static_cast<size_t>(menuIndex) >= pMain->size())
        return 0;
    const MenuNode& top = (*pMain)[static_cast<size_t>(menuIndex)];
    const MenuNode* pItem = NthItem(top.submenu.get(), item);
    if (!pItem)
        return 0;
    if (subitem == -1)
        return pItem->tag;
    const MenuNode* pSubitem = NthItem(pItem->submenu.get(), subitem);
    return pSubitem ? pSubitem->tag : 0;
}

void ClearPasteboard()
{
    Get().pasteboard.clear();
    Get().pasteboardHasText = false;
    ++Get().pasteboardChanges;
}

void SetPasteboardText(const std::string& utf8)
{
    Get().pasteboard = utf8;
    Get().pasteboardHasText = true;
}

void ReportRequest(int what, const std::string& argument, int number)
{
    if (Get().request) {
        Get().request(Get().requestContext, what, argument.c_str(), number);
        return;
    }
    if (what == QZUI_REQUEST_FONT_DIALOG)
        std::fprintf(stderr, "[%s] %s %d\n", RequestName(what), argument.c_str(), number);
    else
        std::fprintf(stderr, "[%s] %s\n", RequestName(what), argument.c_str());
}

bool DecimalSeparatorOverride(std::string* pSeparator)
{
    if (!Get().separatorSet)
        return false;
    *pSeparator = Get().separator;
    return true;
}
} // namespace HeadlessServices

/* ---- Driver interface ---- */

int qzui_set_main_menu(const qzui_menu* menu)
{
    if (!menu) {
        Get().mainMenu.reset();
        return QZUI_OK;
    }
    std::unique_ptr<std::vector<MenuNode>> copy;
    if (!CopyMenu(menu, 0, &copy))
        return QZUI_E_RANGE;
    Get().mainMenu = std::move(copy);
    return QZUI_OK;
}

int qzui_pasteboard_text(char* buf, int size)
{
    if (!Get().pasteboardHasText)
        return -1;
    return HeadlessText::CopyOut(Get().pasteboard, buf, size);
}

int qzui_pasteboard_change_count(void) { return Get().pasteboardChanges; }

void qzui_set_request_callback(qzui_request_fn fn, void* context)
{
    Get().request = fn;
    Get().requestContext = context;
}

void qzui_set_decimal_separator(const char* separator)
{
    Get().separatorSet = separator != nullptr;
    Get().separator = separator ? separator : "";
}
