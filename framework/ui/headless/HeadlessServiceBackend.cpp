/* The platform's services of the headless backend: everything the user
 * would see or hear goes to the driver (qzui_driver.h); fonts come from the
 * system's font configuration (HeadlessServices), the decimal separator from the
 * user's locale, and the clock is monotonic. */
#include "ui/bridge/WindowBackend.h"

#include <langinfo.h>
#include <locale.h>

#include <chrono>
#include <cstdio>

#include "ui/bridge/BridgeRuntime.h"
#include "ui/headless/HeadlessServices.h"
#include "ui/headless/HeadlessText.h"

namespace
{
/* The in-memory pasteboard. */
struct
{
    bool hasText = false;
    std::string text;
    int changes = 0;
} gPasteboard;

/* The decimal separator of the user's numeric locale, read without touching
   the process locale; "." when the locale cannot be made. */
std::string LocaleDecimalSeparator()
{
    locale_t userLocale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (!userLocale)
        return ".";
    const char* radix = nl_langinfo_l(RADIXCHAR, userLocale);
    std::string separator = radix && *radix ? radix : ".";
    freelocale(userLocale);
    return separator;
}

/* A request goes to the driver, without one to standard error. */
void Request(int what, const FCString* pArgument, int number)
{
    const std::string argument = HeadlessText::ElementUTF8(pArgument);
    if (qzui::ReportRequest(what, argument.c_str(), number))
        return;
    if (what == QZUI_REQUEST_FONT_DIALOG)
        std::fprintf(stderr, "[font panel] %s %d\n", argument.c_str(), number);
    else
        std::fprintf(stderr, "[%s] %s\n", what == QZUI_REQUEST_WEB_URL ? "web address" : "file viewer",
                     argument.c_str());
}
} // namespace

namespace WindowBackend
{
int Alert(int kind, const FCString* pTitle, const FCString* pMessage, const char* const* buttons, const int* answers,
          int count)
{
    const std::string title = HeadlessText::ElementUTF8(pTitle);
    const std::string message = HeadlessText::ElementUTF8(pMessage);
    return qzui::ReportAlert(kind, title.c_str(), message.c_str(), buttons, count, answers[0]);
}

void Beep() {}

bool FontPanel(const FCString* pName, int size)
{
    Request(QZUI_REQUEST_FONT_DIALOG, pName, size);
    return true;
}

bool FontExists(const FCString* pName) { return HeadlessServices::FontInstalled(HeadlessText::ElementUTF8(pName)); }

bool FontFamilies(std::vector<std::string>* pNames) { return HeadlessServices::FontFamilies(pNames); }

bool Paste(const char* text)
{
    ++gPasteboard.changes;
    gPasteboard.hasText = text != nullptr;
    gPasteboard.text = text ? text : "";
    return text != nullptr;
}

bool PasteboardText(std::string* pText)
{
    if (gPasteboard.hasText)
        *pText = gPasteboard.text;
    return gPasteboard.hasText;
}

int PasteboardChanges() { return gPasteboard.changes; }

std::string DecimalSeparator()
{
    std::string separator;
    return qzui::DecimalSeparatorOverride(&separator) ? separator : LocaleDecimalSeparator();
}

void Open(int request, const FCString* pTarget) { Request(request, pTarget, 0); }

double Clock() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

int MainMenuItemTag(int menuIndex, int item, int subitem)
{
    return HeadlessServices::MainMenuItemTag(menuIndex, item, subitem);
}

bool SetMainMenu(const qzui_menu* pMenu)
{
    HeadlessServices::SetMainMenu(pMenu);
    return true;
}
} // namespace WindowBackend
