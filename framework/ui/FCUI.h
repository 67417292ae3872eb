#ifndef FRAMEWORK_UI_FCUI_H
#define FRAMEWORK_UI_FCUI_H

#include <cstdint>

#include "ui/_FCUI_cocoa.h"
#include "core/__FCBase.h"
#include "common/qz_export.h"

class FCFontInfo;
class FCString;

/* The host menu commands by number: X(number, enumerator, four-character
   code). The code "\0\0\0\0" marks a number with no command. */
// clang-format off
#define FCUI_MENU_COMMAND_TABLE(X)                                                                         \
    X(0, MENUCMD_NONE, "\0\0\0\0") X(1, MENUCMD_MSPN, "MSpN") X(2, MENUCMD_MSPB, "MSpB")                   \
    X(3, MENUCMD_MSPT, "MSpT") X(4, MENUCMD_MUAN, "MUAn") X(5, MENUCMD_MUUP_5, "MUup")                     \
    X(6, MENUCMD_MUDN, "MUdn") X(7, MENUCMD_MELK, "MELk") X(8, MENUCMD_MEUL, "MEUl")                       \
    X(9, MENUCMD_MUTI, "MUTi") X(10, MENUCMD_MURS, "MURs") X(11, MENUCMD_MUSL, "MUSl")                     \
    X(12, MENUCMD_UPGR, "UpGr") X(13, MENUCMD_MUUP_13, "MUUp") X(14, MENUCMD_MUDO, "MUDo")                 \
    X(15, MENUCMD_MUST, "MUSt") X(16, MENUCMD_MECL, "MECl") X(17, MENUCMD_ENDS, "EnDS")                    \
    X(18, MENUCMD_ENFS, "EnFS") X(19, MENUCMD_ENFF, "EnFF") X(20, MENUCMD_ENST, "EnST")                    \
    X(21, MENUCMD_MRBM, "MRbm") X(22, MENUCMD_VWSC, "VwSc") X(23, MENUCMD_VWPG, "VwPg")                    \
    X(24, MENUCMD_VWSQ, "VwSq") X(25, MENUCMD_VWRE, "VwRe") X(26, MENUCMD_DOES, "DOes")                    \
    X(27, MENUCMD_STS0, "StS0") X(28, MENUCMD_STS1, "StS1") X(29, MENUCMD_STS2, "StS2")                    \
    X(30, MENUCMD_STS3, "StS3") X(31, MENUCMD_STS4, "StS4") X(32, MENUCMD_STS5, "StS5")                    \
    X(33, MENUCMD_STS6, "StS6") X(34, MENUCMD_STS7, "StS7") X(35, MENUCMD_STS8, "StS8")                    \
    X(36, MENUCMD_MERT, "MERt") X(37, MENUCMD_MMCR, "MMCr") X(38, MENUCMD_MMBR, "MMBr")                    \
    X(39, MENUCMD_TOSE, "TOSe") X(40, MENUCMD_TOST, "TOSt") X(41, MENUCMD_TOMS, "TOMs")                    \
    X(42, MENUCMD_TOKY, "TOKy") X(43, MENUCMD_TOTI, "TOTi") X(44, MENUCMD_TOCL, "TOCl")                    \
    X(45, MENUCMD_TORP, "TORp") X(46, MENUCMD_TOAR, "TOAr") X(47, MENUCMD_TOCH, "TOCh")                    \
    X(48, MENUCMD_TOEX, "TOEx") X(49, MENUCMD_TOGR, "TOGr") X(50, MENUCMD_TOHA, "TOHa")                    \
    X(51, MENUCMD_TOHY, "TOHy") X(52, MENUCMD_TOLY, "TOLy") X(53, MENUCMD_TOMI, "TOMi")                    \
    X(54, MENUCMD_UNUSED_54, "\0\0\0\0") X(55, MENUCMD_TONT, "TONt") X(56, MENUCMD_TOOS, "TOOs")           \
    X(57, MENUCMD_TOPG, "TOPg") X(58, MENUCMD_TORS, "TORs") X(59, MENUCMD_TOSP, "TOSp")                    \
    X(60, MENUCMD_UNUSED_60, "\0\0\0\0") X(61, MENUCMD_TOTX, "TOTx") X(62, MENUCMD_TOTP, "TOTp")           \
    X(63, MENUCMD_TOZM, "TOZm")
// clang-format on

/* User-interface services that belong to no window: alerts and questions,
 * host menu commands, the host's document window, the host's selection and
 * symbol dialogs, fonts, the clipboard, a high-resolution clock, opening a
 * web address or a folder. One object is made by the plug-in's invoke entry
 * with the host's window reference. The platform's share is done by the
 * _FCUI_cocoa member.
 *
 * Alerts. Each exists in three forms: FCString arguments, zero-terminated
 * 8-bit text (...CString) and zero-terminated UTF-8 (...UTF8). The first
 * argument is the message, the second the title. A null message shows
 * nothing; a null or empty title is replaced by the alert's fallback title
 * (AlertNeutral keeps an empty one). Window shading is suspended
 * (__bWindowshadeAllowed false) while an alert is up.
 *
 * Question answers: ALERTRESULT_OK, _CANCEL, _YES, _NO, or _NONE when no
 * message was given. */
class FCUI : public __FCBase
{
    void* _hostwindow;  /* the host's window reference, from the invoke entry */
    _FCUI_cocoa _cocoa; /* the platform half */

public:
    enum ALERTRESULTS
    {
        ALERTRESULT_OK = 0,
        ALERTRESULT_CANCEL = 1,
        ALERTRESULT_YES = 2,
        ALERTRESULT_NO = 3,
        ALERTRESULT_NONE = 4
    };

    /* Host menu commands by number (0 to 63); see FCUI_MENU_COMMAND_TABLE.
       Stored as an int, so that a number outside the table is a value the
       enumeration holds, which MenuCommand can refuse. */
    enum MENU_COMMANDS : int
    {
#define FCUI_MENU_COMMAND_ENUM(number, name, code) name = number,
        FCUI_MENU_COMMAND_TABLE(FCUI_MENU_COMMAND_ENUM)
#undef FCUI_MENU_COMMAND_ENUM
    };

    explicit FCUI(void* hostWindow = nullptr);
    ~FCUI() override;

    const char* ClassName() const override;

    void* GetHostWindow() const { return _hostwindow; }
    _FCUI_cocoa* _GetCocoa() { return &_cocoa; }

    /* ---- Alerts ---- */

    void AlertError(const FCString* pMessage, const FCString* pTitle);
    void AlertErrorCString(const char* message, const char* title);
    void AlertErrorUTF8(const char* message, const char* title);
    void AlertInfo(const FCString* pMessage, const FCString* pTitle);
    void AlertInfoCString(const char* message, const char* title);
    void AlertInfoUTF8(const char* message, const char* title);
    void AlertNeutral(const FCString* pMessage, const FCString* pTitle);
    void AlertNeutralCString(const char* message, const char* title);
    void AlertNeutralUTF8(const char* message, const char* title);
    /* ALERTRESULT_OK or _CANCEL. */
    int AlertOkCancel(const FCString* pMessage, const FCString* pTitle);
    int AlertOkCancelCString(const char* message, const char* title);
    int AlertOkCancelUTF8(const char* message, const char* title);
    /* ALERTRESULT_YES or _NO. */
    int AlertYesNo(const FCString* pMessage, const FCString* pTitle);
    int AlertYesNoCString(const char* message, const char* title);
    int AlertYesNoUTF8(const char* message, const char* title);
    /* ALERTRESULT_YES, _NO or _CANCEL. */
    int AlertYesNoCancel(const FCString* pMessage, const FCString* pTitle);
    int AlertYesNoCancelCString(const char* message, const char* title);
    int AlertYesNoCancelUTF8(const char* message, const char* title);

    /* ---- Host requests ---- */

    /* The host command code of a command number; 0 for a number outside 0
       to 63 and for the numbers with no command. */
    static uint32_t GetMenuCommandCode(int command);
    /* Asks the host to run the menu command. False without asking when the
       number is outside 0 to 63 or has no command (number 0 asks with code
       0); otherwise whether the host answered non-zero. */
    bool MenuCommand(MENU_COMMANDS command);
    /* Runs the command of a main-menu position (menu -1 or 100: the
       application menu; item and subitem count non-separator items; subitem
       -1: the item itself). Only on hosts from 0x11000000 on; false when the
       position has no command. */
    bool MenuPositionCommand(int menu, int item, int subitem);
    /* Redraws the music of the host's current region. */
    void RedrawDocument();

    /* The host's current document window; false, 0, 0, 100 and null when the
       host cannot tell. The page is reported in page view only, the measure
       outside it only. */
    bool IsPageView();
    int GetCurrentPage();
    int GetCurrentMeasure();
    int GetZoomLevel();
    void* GetDocumentWindow();

    /* Scrolls the host view to the measure and staff; staff 0 means the
       first existing staff (1 to 101), and nothing happens without one. */
    void MoveToMeasure(int measure, int staff);
    int GetMaxLayers();

    /* The host's selection dialogs with id preselected: the chosen id, or 0
       when the host fails. A change reported by the dialog redraws the
       current region. */
    unsigned short DisplayTextExpressionDialog(unsigned short id);
    unsigned short DisplayArticulationDialog(unsigned short id);
    unsigned short DisplayShapeDialog(unsigned short id);
    /* The host's symbol dialog for the font with the symbol preselected: the
       chosen symbol, or 0 (also for a null font). */
    int DisplaySymbolDialog(FCFontInfo* pFont, int symbol);

    /* ---- Platform services ---- */

    void Beep();
    bool DisplayFontDialog(FCFontInfo* pFont);
    bool IsFontAvailable(const FCString* pName);
    bool TextToClipboard(const char* text);
    bool TextToClipboardUTF8(const char* text);
    void GetDecimalSeparator(FCString* pString);
    bool DisplayWebURL(const FCString* pURL);
    bool DisplayShellFolder(const FCString* pPath);

    /* Asks the user for a file to write. pTitle: dialog title; pSuggestedName:
       proposed file name (may be null); pExtension: e.g. ".json" (appended
       when the chosen name lacks it, in any case). Returns false on cancel;
       on true pResult holds the full path. */
    bool DisplaySaveFileDialog(const FCString* pTitle, const FCString* pSuggestedName, const FCString* pExtension,
                               FCString* pResult);
    /* Asks the user for an existing file to read, of the extension (may be
       null); same conventions, the path taken as chosen. */
    bool DisplayOpenFileDialog(const FCString* pTitle, const FCString* pExtension, FCString* pResult);
    void StartPerformanceTimer();
    void StopPerformanceTimer();
    double ReturnPerformanceTiming() const;
    double GetHiResTimer();

private:
    /* Shows an alert of a kind: fallback title, shading suspended. Returns
       the answer, or ALERTRESULT_NONE for a null message. */
    int _ShowAlert(int kind, const FCString* pMessage, const FCString* pTitle);
    /* The selection dialog of a host kind. */
    unsigned short _SelectionDialog(int kind, unsigned short id);
    /* Both file dialogs: the platform's answer, the extension appended to a
       file to save, a relative path made absolute. */
    bool _ChooseFile(bool save, const FCString* pTitle, const FCString* pName, const FCString* pExtension,
                     FCString* pResult);
    /* Redraws the host's current region (false when the host gives none). */
    bool _RedrawCurrentRegion();
};

/* Dialog-procedure helpers of the host's old dialog interface: the procedure
   unchanged, and nothing. Both tell the user through the host's alert when
   the host does not run as a Mach-O host. */
QZ_EXTERN_C QZ_EXPORT void* NewFF_DialogHandlerProc(void* proc);
QZ_EXTERN_C QZ_EXPORT void DisposeFF_DialogHandlerProc(void* proc);

#endif
