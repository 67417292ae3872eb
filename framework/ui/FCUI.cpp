#include "ui/FCUI.h"

#include <cctype>
#include <cstring>
#include <filesystem>
#include <string>

#include "document/FCFontInfo.h"
#include "document/FCStaff.h"
#include "strings/FCString.h"
#include "ui/FCUIGlobals.h"
#include "core/FinaleVersion.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "hostlink/fx_host_abi.h"

namespace
{
constexpr uint32_t kVersion = qz::kInterfaceVersion;

/* How each alert kind looks and answers. */
struct AlertStyle
{
    const char* fallbackTitle; /* null: an empty title stays empty */
    const char* buttons[3];
    int answers[3];
    int count;
};

const AlertStyle& StyleOf(int kind)
{
    static const AlertStyle styles[] = {
        {"Error", {"Ok"}, {FCUI::ALERTRESULT_OK}, 1},
        {"Information", {"Ok"}, {FCUI::ALERTRESULT_OK}, 1},
        {nullptr, {"Ok"}, {FCUI::ALERTRESULT_OK}, 1},
        {"Ok/Cancel?", {"Ok", "Cancel"}, {FCUI::ALERTRESULT_OK, FCUI::ALERTRESULT_CANCEL}, 2},
        {"Yes/No?", {"Yes", "No"}, {FCUI::ALERTRESULT_YES, FCUI::ALERTRESULT_NO}, 2},
        {"Yes/No/Cancel?",
         {"Yes", "No", "Cancel"},
         {FCUI::ALERTRESULT_YES, FCUI::ALERTRESULT_NO, FCUI::ALERTRESULT_CANCEL},
         3},
    };
    return styles[kind];
}

/* Text of an 8-bit or UTF-8 argument; null stays null. */
struct TextArgument
{
    FCString text;
    const FCString* pointer = nullptr;

    TextArgument(const char* value, bool utf8)
    {
        if (!value)
            return;
        if (utf8)
            text.SetUTF8String(value);
        else
            text.SetCString(value);
        pointer = &text;
    }
};

/* The UTF-8 text of a string (empty for null). */
std::string UTF8Of(const FCString* pString)
{
    if (!pString)
        return std::string();
    FCString copy(*pString);
    const char* text = copy.GetUTF8String();
    return text ? std::string(text) : std::string();
}

/* Whether the path ends with the extension, letters of either case alike. */
bool HasExtension(const std::string& path, const std::string& extension)
{
    if (path.size() < extension.size())
        return false;
    const size_t start = path.size() - extension.size();
    for (size_t i = 0; i < extension.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(path[start + i])) !=
            std::tolower(static_cast<unsigned char>(extension[i])))
            return false;
    return true;
}

/* Suspends window shading for as long as it lives. */
struct ShadingSuspension
{
    ShadingSuspension() { __bWindowshadeAllowed = false; }
    ~ShadingSuspension() { __bWindowshadeAllowed = true; }
    ShadingSuspension(const ShadingSuspension&) = delete;
    ShadingSuspension& operator=(const ShadingSuspension&) = delete;
};

/* The host's current window information; false when the host cannot tell. */
bool ReadWindowInfo(EWINDOWINFO* pInfo)
{
    std::memset(pInfo, 0, sizeof *pInfo);
    return FX_GetCurrentWindowInfo(pInfo, kVersion) != 0;
}

constexpr uint32_t kMenuCommandCodes[] = {
#define FCUI_MENU_COMMAND_CODE(number, name, code) QZ_FOURCC(code),
    FCUI_MENU_COMMAND_TABLE(FCUI_MENU_COMMAND_CODE)
#undef FCUI_MENU_COMMAND_CODE
};
constexpr int kMenuCommandCount = static_cast<int>(sizeof kMenuCommandCodes / sizeof kMenuCommandCodes[0]);
static_assert(kMenuCommandCount == 64, "64 menu command numbers");

/* Host kinds of the selection dialogs. */
constexpr int kArticulationDialog = 1;
constexpr int kShapeDialog = 3;
constexpr int kTextExpressionDialog = 4;

/* Staves tried by MoveToMeasure for "the first staff". */
constexpr int kFirstStaffSearchLimit = 101;

/* Alert shown by the dialog-procedure helpers on a host that is not Mach-O. */
constexpr int16_t kHostAlertKind = 48;
const char* const kNotMachOText = "Should not get here!";
} // namespace

FCUI::FCUI(void* hostWindow) : _hostwindow(hostWindow) {}

FCUI::~FCUI() = default;

const char* FCUI::ClassName() const { return "FCUI"; }

/* ---- Alerts ---- */

int FCUI::_ShowAlert(int kind, const FCString* pMessage, const FCString* pTitle)
{
    if (!pMessage)
        return ALERTRESULT_NONE;
    const AlertStyle& style = StyleOf(kind);
    FCString title;
    if (pTitle && !pTitle->IsEmpty())
        title.SetString(pTitle);
    else if (style.fallbackTitle)
        title.SetCString(style.fallbackTitle);
    ShadingSuspension suspension;
    return _cocoa.ShowAlert(kind, &title, pMessage, style.buttons, style.answers, style.count);
}

/* The three entry forms of every alert, from one table:
   X(operation, result type, kind, return keyword or nothing). */
#define FCUI_ALERT_TABLE(X)                                         \
    X(AlertError, void, _FCUI_cocoa::ALERTKIND_ERROR, )             \
    X(AlertInfo, void, _FCUI_cocoa::ALERTKIND_INFO, )               \
    X(AlertNeutral, void, _FCUI_cocoa::ALERTKIND_NEUTRAL, )         \
    X(AlertOkCancel, int, _FCUI_cocoa::ALERTKIND_OKCANCEL, return ) \
    X(AlertYesNo, int, _FCUI_cocoa::ALERTKIND_YESNO, return )       \
    X(AlertYesNoCancel, int, _FCUI_cocoa::ALERTKIND_YESNOCANCEL, return )

#define FCUI_DEFINE_ALERT(operation, result, kind, ret)                                    \
    result FCUI::operation(const FCString* pMessage, const FCString* pTitle)               \
    {                                                                                      \
        ret static_cast<result>(_ShowAlert(kind, pMessage, pTitle));                       \
    }                                                                                      \
    result FCUI::operation##CString(const char* message, const char* title)                \
    {                                                                                      \
        const TextArgument messageText(message, false), titleText(title, false);           \
        ret static_cast<result>(_ShowAlert(kind, messageText.pointer, titleText.pointer)); \
    }                                                                                      \
    result FCUI::operation##UTF8(const char* message, const char* title)                   \
    {                                                                                      \
        const TextArgument messageText(message, true), titleText(title, true);             \
        ret static_cast<result>(_ShowAlert(kind, messageText.pointer, titleText.pointer)); \
    }
FCUI_ALERT_TABLE(FCUI_DEFINE_ALERT)
#undef FCUI_DEFINE_ALERT
#undef FCUI_ALERT_TABLE

/* ---- Host requests ---- */

uint32_t FCUI::GetMenuCommandCode(int command)
{
    if (command < 0 || command >= kMenuCommandCount)
        return 0;
    return kMenuCommandCodes[command];
}

bool FCUI::MenuCommand(MENU_COMMANDS command)
{
    const int number = static_cast<int>(command);
    if (number < 0 || number >= kMenuCommandCount)
        return false;
    const uint32_t code = GetMenuCommandCode(number);
    if (number != 0 && code == 0)
        return false;
    return FX_ExecuteMenuItem(code, kVersion) != 0;
}

bool FCUI::MenuPositionCommand(int menu, int item, int subitem)
{
    if (GetFinaleFrameworkVersion() < qz::kHostVersionUnicode)
        return false;
    if (menu < -1)
        return false;
    const int menuIndex = menu == 100 ? 0 : menu + 1;
    const int tag = _cocoa.GetMainMenuItemTag(menuIndex, item, subitem);
    if (tag == 0)
        return false;
    return FX_ExecuteMenuItem(static_cast<uint32_t>(tag), kVersion) != 0;
}

bool FCUI::_RedrawCurrentRegion()
{
    EREGION regions[3];
    std::memset(regions, 0, sizeof regions);
    if (!FX_GetCurERegions(&regions[0], &regions[1], &regions[2], kVersion))
        return false;
    return FX_RedrawMusic(&regions[1], kVersion) != 0;
}

void FCUI::RedrawDocument() { _RedrawCurrentRegion(); }

bool FCUI::IsPageView()
{
    EWINDOWINFO info;
    return ReadWindowInfo(&info) && info.pageView != 0;
}

int FCUI::GetCurrentPage()
{
    EWINDOWINFO info;
    if (!ReadWindowInfo(&info) || !info.pageView)
        return 0;
    return info.page;
}

int FCUI::GetCurrentMeasure()
{
    EWINDOWINFO info;
    if (!ReadWindowInfo(&info) || info.pageView)
        return 0;
    return info.measure;
}

int FCUI::GetZoomLevel()
{
    EWINDOWINFO info;
    return ReadWindowInfo(&info) ? info.zoom : 100;
}

void* FCUI::GetDocumentWindow()
{
    EWINDOWINFO info;
    return ReadWindowInfo(&info) ? info.window : nullptr;
}

void FCUI::MoveToMeasure(int measure, int staff)
{
    if (staff == 0) {
        FCStaff probe;
        for (int candidate = 1; candidate <= kFirstStaffSearchLimit && staff == 0; ++candidate)
            if (probe.Load(static_cast<uint16_t>(candidate)))
                staff = candidate;
        if (staff == 0)
            return;
    }
    FX_ScrollTo(static_cast<int16_t>(measure), static_cast<int16_t>(staff), kVersion);
}

int FCUI::GetMaxLayers() { return FX_GetMaxLayers(kVersion); }

unsigned short FCUI::_SelectionDialog(int kind, unsigned short id)
{
    fxbool changed = 0;
    const int16_t chosen =
        FX_SelectionDialog(static_cast<int16_t>(kind), _hostwindow, static_cast<int16_t>(id), &changed, kVersion);
    if (changed)
        _RedrawCurrentRegion();
    return static_cast<unsigned short>(chosen);
}

unsigned short FCUI::DisplayTextExpressionDialog(unsigned short id)
{
    return _SelectionDialog(kTextExpressionDialog, id);
}

unsigned short FCUI::DisplayArticulationDialog(unsigned short id) { return _SelectionDialog(kArticulationDialog, id); }

unsigned short FCUI::DisplayShapeDialog(unsigned short id) { return _SelectionDialog(kShapeDialog, id); }

int FCUI::DisplaySymbolDialog(FCFontInfo* pFont, int symbol)
{
    if (!pFont)
        return 0;
    FCString name;
    pFont->GetNameString(&name);
    const int16_t size = pFont->GetSize();
    const int16_t style = static_cast<int16_t>(pFont->GetEffects());
    /* The running version is compared, unsigned, with the number 2011: every
       host version is above it, so the 32-bit character variant is used. */
    if (GetFinaleFrameworkVersion() > 2011u)
        return FX_SymbolDialog_UTF32(name.GetUTF8String(), size, style, symbol, kVersion);
    return FX_SymbolDialog(name.GetCString(), size, style, static_cast<int16_t>(symbol), kVersion);
}

/* ---- Platform services ---- */

void FCUI::Beep() { _cocoa.Beep(); }
bool FCUI::DisplayFontDialog(FCFontInfo* pFont) { return _cocoa.DisplayFontDialog(pFont); }
bool FCUI::IsFontAvailable(const FCString* pName) { return _cocoa.IsFontAvailable(pName); }
bool FCUI::TextToClipboard(const char* text) { return _cocoa.TextToClipboard(text); }
bool FCUI::TextToClipboardUTF8(const char* text) { return _cocoa.TextToClipboardUTF8(text); }
void FCUI::GetDecimalSeparator(FCString* pString) { _cocoa.GetDecimalSeparator(pString); }
bool FCUI::DisplayWebURL(const FCString* pURL) { return _cocoa.DisplayWebURL(pURL); }
bool FCUI::DisplayShellFolder(const FCString* pPath) { return _cocoa.DisplayShellFolder(pPath); }

bool FCUI::DisplaySaveFileDialog(const FCString* pTitle, const FCString* pSuggestedName, const FCString* pExtension,
                                 FCString* pResult)
{
    return _ChooseFile(true, pTitle, pSuggestedName, pExtension, pResult);
}

bool FCUI::DisplayOpenFileDialog(const FCString* pTitle, const FCString* pExtension, FCString* pResult)
{
    return _ChooseFile(false, pTitle, nullptr, pExtension, pResult);
}

bool FCUI::_ChooseFile(bool save, const FCString* pTitle, const FCString* pName, const FCString* pExtension,
                       FCString* pResult)
{
    if (!pResult)
        return false;
    FCString chosen;
    {
        ShadingSuspension suspension;
        if (!_cocoa.ChooseFile(save, pTitle, pName, pExtension, &chosen))
            return false;
    }
    std::string path = UTF8Of(&chosen);
    if (path.empty())
        return false;
    const std::string extension = UTF8Of(pExtension);
    if (save && !HasExtension(path, extension))
        path += extension;
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::u8path(path), ignored);
    if (!absolute.empty())
        path = absolute.u8string();
    pResult->SetUTF8String(path.c_str());
    return true;
}

void FCUI::StartPerformanceTimer() { _cocoa.StartPerformanceTimer(); }
void FCUI::StopPerformanceTimer() { _cocoa.StopPerformanceTimer(); }
double FCUI::ReturnPerformanceTiming() const { return _cocoa.ReturnPerformanceTiming(); }
double FCUI::GetHiResTimer() { return _cocoa.GetHiResTimer(); }

/* ---- Exported dialog procedures ---- */

namespace
{
void WarnUnlessMachO()
{
    if (!FX_IsMachO(kVersion))
        FX_AlertMessage(nullptr, kHostAlertKind, 0, kNotMachOText, kVersion);
}
} // namespace

void* NewFF_DialogHandlerProc(void* proc)
{
    WarnUnlessMachO();
    return proc;
}

void DisposeFF_DialogHandlerProc(void* /*proc*/) { WarnUnlessMachO(); }
