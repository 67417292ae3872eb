/* The platform half of FCUI over the backends' service primitives: the
 * neutral results of missing arguments, the answers an alert may give, the
 * texts the pasteboard takes, and the performance timer. */
#include <cstring>

#include "common/qz_utf.h"
#include "document/FCFontInfo.h"
#include "strings/FCString.h"
#include "ui/_FCUI_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/WindowBackend.h"

using WindowBackend::Scope;

namespace
{
bool IsPlainASCII(const char* text)
{
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
        if (*p > 0x7F)
            return false;
    return true;
}

bool IsUTF8(const char* text)
{
    std::u16string units;
    return qz::Utf8ToUtf16(text, std::strlen(text), units, qz::Malformed::Refuse);
}
} // namespace

_FCUI_cocoa::_FCUI_cocoa() : _timerstart(0.0), _lasttiming(0.0) {}

/* An answer that is none of the buttons' counts as the default button's. */
int _FCUI_cocoa::ShowAlert(int kind, const FCString* pTitle, const FCString* pMessage, const char* const* buttons,
                           const int* answers, int count)
{
    if (!buttons || !answers || count <= 0)
        return 0;
    Scope scope;
    const int answer = WindowBackend::Alert(kind, pTitle, pMessage, buttons, answers, count);
    for (int i = 0; i < count; ++i)
        if (answers[i] == answer)
            return answer;
    return answers[0];
}

void _FCUI_cocoa::Beep()
{
    WindowBackend::Beep();
    qzui::ReportBeep();
}

bool _FCUI_cocoa::DisplayFontDialog(FCFontInfo* pFont)
{
    if (!pFont)
        return false;
    Scope scope;
    FCString name;
    pFont->GetNameString(&name);
    return WindowBackend::FontPanel(&name, static_cast<int>(pFont->GetSize()));
}

bool _FCUI_cocoa::IsFontAvailable(const FCString* pName)
{
    if (!pName || pName->IsEmpty())
        return false;
    Scope scope;
    return WindowBackend::FontExists(pName);
}

bool _FCUI_cocoa::TextToClipboard(const char* text)
{
    Scope scope;
    return WindowBackend::Paste(text && IsPlainASCII(text) ? text : nullptr);
}

bool _FCUI_cocoa::TextToClipboardUTF8(const char* text)
{
    Scope scope;
    return WindowBackend::Paste(text && IsUTF8(text) ? text : nullptr);
}

void _FCUI_cocoa::GetDecimalSeparator(FCString* pString)
{
    if (!pString)
        return;
    Scope scope;
    pString->SetUTF8String(WindowBackend::DecimalSeparator().c_str());
}

/* No address: nothing to open (the result is true all the same). */
bool _FCUI_cocoa::DisplayWebURL(const FCString* pURL)
{
    Scope scope;
    if (pURL && !pURL->IsEmpty())
        WindowBackend::Open(QZUI_REQUEST_WEB_URL, pURL);
    return true;
}

bool _FCUI_cocoa::DisplayShellFolder(const FCString* pPath)
{
    if (!pPath || pPath->IsEmpty())
        return false;
    Scope scope;
    WindowBackend::Open(QZUI_REQUEST_SHELL_FOLDER, pPath);
    return true;
}

void _FCUI_cocoa::StartPerformanceTimer()
{
    _lasttiming = 0.0;
    _timerstart = GetHiResTimer();
}

void _FCUI_cocoa::StopPerformanceTimer() { _lasttiming = GetHiResTimer() - _timerstart; }

double _FCUI_cocoa::GetHiResTimer() { return WindowBackend::Clock(); }

int _FCUI_cocoa::GetMainMenuItemTag(int menuIndex, int item, int subitem)
{
    return WindowBackend::MainMenuItemTag(menuIndex, item, subitem);
}
