/* The platform half of FCUI for the headless bridge: everything the user
 * would see or hear goes to the driver (qzui_driver.h); fonts come from the
 * system's font configuration (HeadlessFonts), the decimal separator from the user's locale
 * and the clock is monotonic. */
#include "ui/_FCUI_cocoa.h"

#include <langinfo.h>
#include <locale.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "document/FCFontInfo.h"
#include "strings/FCString.h"
#include "ui/headless/HeadlessFonts.h"
#include "ui/headless/HeadlessServices.h"
#include "ui/headless/HeadlessText.h"
#include "ui/driver/qzui_driver.h"
#include "ui/bridge/BridgeRuntime.h"

namespace
{
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

bool IsPlainASCII(const char* text)
{
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
        if (*p > 0x7F)
            return false;
    return true;
}
} // namespace

_FCUI_cocoa::_FCUI_cocoa() : _timerstart(0.0), _lasttiming(0.0) {}

int _FCUI_cocoa::ShowAlert(int kind, const FCString* pTitle, const FCString* pMessage, const char* const* buttons,
                           const int* answers, int count)
{
    if (!buttons || !answers || count <= 0)
        return 0;
    const std::string title = HeadlessText::ElementUTF8(pTitle);
    const std::string message = HeadlessText::ElementUTF8(pMessage);
    const int answer = qzui::ReportAlert(kind, title.c_str(), message.c_str(), buttons, count, answers[0]);
    for (int i = 0; i < count; ++i)
        if (answers[i] == answer)
            return answer;
    return answers[0];
}

void _FCUI_cocoa::Beep() { qzui::ReportBeep(); }

bool _FCUI_cocoa::DisplayFontDialog(FCFontInfo* pFont)
{
    if (!pFont)
        return false;
    FCString name;
    pFont->GetNameString(&name);
    HeadlessServices::ReportRequest(QZUI_REQUEST_FONT_DIALOG, HeadlessText::ElementUTF8(&name), pFont->GetSize());
    return true;
}

bool _FCUI_cocoa::IsFontAvailable(const FCString* pName)
{
    if (!pName || pName->IsEmpty())
        return false;
    return HeadlessFonts::IsInstalled(HeadlessText::ElementUTF8(pName));
}

bool _FCUI_cocoa::TextToClipboard(const char* text)
{
    HeadlessServices::ClearPasteboard();
    if (!text || !IsPlainASCII(text))
        return false;
    HeadlessServices::SetPasteboardText(text);
    return true;
}

bool _FCUI_cocoa::TextToClipboardUTF8(const char* text)
{
    HeadlessServices::ClearPasteboard();
    std::u16string units;
    if (!text || !HeadlessText::FromUTF8(text, &units))
        return false;
    HeadlessServices::SetPasteboardText(text);
    return true;
}

void _FCUI_cocoa::GetDecimalSeparator(FCString* pString)
{
    if (!pString)
        return;
    std::string separator;
    if (!HeadlessServices::DecimalSeparatorOverride(&separator))
        separator = LocaleDecimalSeparator();
    pString->SetUTF8String(separator.c_str());
}

bool _FCUI_cocoa::DisplayWebURL(const FCString* pURL)
{
    /* No address: nothing to open (the result is true all the same). */
    if (pURL && !pURL->IsEmpty())
        HeadlessServices::ReportRequest(QZUI_REQUEST_WEB_URL, HeadlessText::ElementUTF8(pURL), 0);
    return true;
}

bool _FCUI_cocoa::DisplayShellFolder(const FCString* pPath)
{
    if (!pPath || pPath->IsEmpty())
        return false;
    HeadlessServices::ReportRequest(QZUI_REQUEST_SHELL_FOLDER, HeadlessText::ElementUTF8(pPath), 0);
    return true;
}

void _FCUI_cocoa::StartPerformanceTimer()
{
    _lasttiming = 0.0;
    _timerstart = GetHiResTimer();
}

void _FCUI_cocoa::StopPerformanceTimer() { _lasttiming = GetHiResTimer() - _timerstart; }

double _FCUI_cocoa::GetHiResTimer()
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceStart).count();
}

int _FCUI_cocoa::GetMainMenuItemTag(int menuIndex, int item, int subitem)
{
    return HeadlessServices::MainMenuItemTag(menuIndex, item, subitem);
}
