#ifndef FRAMEWORK_UI__FCUI_COCOA_H
#define FRAMEWORK_UI__FCUI_COCOA_H

class FCFontInfo;
class FCString;

/* The platform half of FCUI: what the platform itself shows or answers
 * (alert panels, the beep, the font panel, fonts, the pasteboard, the
 * locale, the web browser and file viewer, the file dialogs, the clock,
 * the main menu).
 *
 * Two implementations share this declaration: the Cocoa one and a headless
 * one that hands everything to the driver (qzui_driver.h). Neither throws;
 * null arguments give the neutral result. */
class _FCUI_cocoa
{
    double _timerstart; /* seconds since the platform's reference date */
    double _lasttiming; /* seconds */

public:
    /* Alert kinds, one per FCUI alert operation. */
    enum ALERTKINDS
    {
        ALERTKIND_ERROR = 0,
        ALERTKIND_INFO = 1,
        ALERTKIND_NEUTRAL = 2,
        ALERTKIND_OKCANCEL = 3,
        ALERTKIND_YESNO = 4,
        ALERTKIND_YESNOCANCEL = 5
    };

    _FCUI_cocoa();

    /* Shows a modal alert panel: title, message (unchanged) and the buttons
       in order, the first being the default. answers[i] is the answer code
       of buttons[i]; the code of the button pressed is returned (answers[0]
       when the platform gives no usable answer). */
    int ShowAlert(int kind, const FCString* pTitle, const FCString* pMessage, const char* const* buttons,
                  const int* answers, int count);

    void Beep();
    /* Preselects the font (name and size) in the font panel and runs it
       modally until closed; the choice is not written back. False for a null
       font. */
    bool DisplayFontDialog(FCFontInfo* pFont);
    /* True when the platform can make a font of that name; false for a null
       or empty name. */
    bool IsFontAvailable(const FCString* pName);
    /* Clears the general pasteboard and puts the text on it as plain text:
       8-bit text in the platform's ASCII encoding, or UTF-8. */
    bool TextToClipboard(const char* text);
    bool TextToClipboardUTF8(const char* text);
    /* The user's locale's decimal separator (nothing for a null string). */
    void GetDecimalSeparator(FCString* pString);
    /* Opens the address with the default handler (nothing for a null or
       empty address). True. */
    bool DisplayWebURL(const FCString* pURL);
    /* Reveals the file or folder in the file viewer; false when the path
       cannot be made into a file address. */
    bool DisplayShellFolder(const FCString* pPath);

    /* Asks the user for a file to write (save) or to read: the dialog's
       title, the proposed name (save only; may be null) and the extension
       (may be null). False on cancel; on true pPath holds the path as the
       user or the driver chose it. */
    bool ChooseFile(bool save, const FCString* pTitle, const FCString* pName, const FCString* pExtension,
                    FCString* pPath);

    void StartPerformanceTimer();
    void StopPerformanceTimer();
    double ReturnPerformanceTiming() const { return _lasttiming; }
    /* Seconds since the platform's reference date. */
    double GetHiResTimer();

    /* The tag of an item of the application's main menu: top-level menu
       index, the non-separator item within it, and (subitem >= 0) the
       non-separator item within that item's submenu. 0 when not found. */
    int GetMainMenuItemTag(int menuIndex, int item, int subitem);
};

#endif
