#ifndef FRAMEWORK_UI_BRIDGE_WINDOWBACKEND_H
#define FRAMEWORK_UI_BRIDGE_WINDOWBACKEND_H

#include <string>
#include <vector>

#include "ui/bridge/ElementBackend.h"
#include "ui/driver/qzui_driver.h"

class FCString;
class _FCWindowController_cocoa;

/* The primitive window operations the bridge's window rules are written
 * against (loading and closing, the modal run, frames, titles, texts of
 * elements, elements made in code). Each backend (headless/, cocoa/) defines
 * every function once over its own window system. A bridge handed over has
 * a loaded window unless said otherwise; the rules (the neutral result
 * without a window, coordinate conversions, when the framework is told of a
 * change) stay in framework/ui/bridge/. */
namespace WindowBackend
{
using ElementBackend::Element;

/* Brackets a window operation (an autorelease pool): Enter's result is
   handed to Leave. */
void* EnterScope();
void LeaveScope(void* scope);
class Scope
{
    void* _scope;

public:
    Scope() : _scope(EnterScope()) {}
    ~Scope() { LeaveScope(_scope); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
};

/* Starts the window system once; false (reported to the system log) when
   there is none to start, such as no display. */
bool Start();
/* Reads the bridge's layout into a new window, not shown, its elements wired
   to the bridge (the window system started); the platform controller, or
   null when the layout is missing or cannot be read. */
void* Load(_FCWindowController_cocoa* pBridge);
/* Lets go of a controller made by Load, after the bridge dropped it and its
   window number. */
void Release(_FCWindowController_cocoa* pBridge, void* controller);

/* The list of run-loop timers a bridge keeps (null where the window system
   keeps none). */
void* NewTimerList();
void DeleteTimerList(void* list);

bool IsVisible(const _FCWindowController_cocoa* pBridge);
/* Orders the window front, as the key window when asked. */
void OrderFront(_FCWindowController_cocoa* pBridge, bool key);
/* Orders the window out: it stops being the active window. */
void OrderOut(_FCWindowController_cocoa* pBridge);
/* Orders the window front and makes it the active window (the window active
   before stops being it). */
void Activate(_FCWindowController_cocoa* pBridge);
/* Closes the window; the window system tells the bridge (Notify_WindowClose)
   as it closes. */
void Close(_FCWindowController_cocoa* pBridge);
/* Marks the content for redisplay (counted for the driver). */
void Repaint(const _FCWindowController_cocoa* pBridge);
void Center(_FCWindowController_cocoa* pBridge);

/* The window system's modal session for the window: one step of it runs
   (false once the window system ended the session). */
void* BeginModal(_FCWindowController_cocoa* pBridge);
bool ModalStep(void* session);
void EndModal(void* session);
/* Waits for the user's next event in a modal session; false when the window
   system has no user of its own. */
bool WaitForUser();

void GetTitle(const _FCWindowController_cocoa* pBridge, FCString* pTitle);
void SetTitle(_FCWindowController_cocoa* pBridge, FCString* pTitle);

/* A rectangle by its origin (bottom-left, y up) and size. */
struct Box
{
    float x, y, width, height;
};
/* The window's frame on the primary screen (content and title bar). */
Box Frame(const _FCWindowController_cocoa* pBridge);
/* Sets it and redisplays; the window system does not report the change. */
void SetFrame(_FCWindowController_cocoa* pBridge, const Box& frame);
/* The content view's frame within the window. */
Box ContentFrame(const _FCWindowController_cocoa* pBridge);
/* The primary screen's height, and a title bar's (no window needed). */
float ScreenHeight();
float TitleBarHeight();
/* The size the user may resize the window to (width and height of a Box). */
Box MaximumSize(const _FCWindowController_cocoa* pBridge);
void SetMaximumSize(_FCWindowController_cocoa* pBridge, const Box& size);
/* 0 (transparent) to 1. */
void SetAlpha(_FCWindowController_cocoa* pBridge, float alpha);

/* Gives the element the keyboard focus (inFrame: the view it is shown in). */
void Focus(_FCWindowController_cocoa* pBridge, Element element, bool inFrame);
/* An element's title (buttons, boxes) or value (other controls); nothing
   for other elements. */
void GetText(Element element, FCString* pText);
void SetText(Element element, FCString* pText);
/* The size the element's text needs in its font. */
Box TextSize(Element element);
/* The visible size of the scroll view a text field is shown in; false when
   it is in none. */
bool VisibleSize(Element field, Box* pSize);
/* Sizes a text field inside its scroll view, its top at the top of the
   visible area (the scroll view's document sized alike). */
void SetScrolledSize(Element field, const Box& size);
void ScrollToBottom(Element field);
/* A button's shortcut key ("" for none). */
void SetKeyEquivalent(Element button, const char* key);

/* An element made in code: its kind, the control's ID (a separator's
   identifier), the control's default width and multi-line height. */
struct NewElement
{
    enum class Kind
    {
        Stepper,
        Table,
        ListBox, /* a table without header that keeps a row selected */
        Outline,
        PushButton,
        CheckBox,
        TextField,
        StaticText,
        PopUp,
        Separator,
        Slider,
        Segmented
    } kind;
    int tag;
    float width, height; /* a separator is width x 1, or 1 x height */
    bool allowsMixed;    /* check boxes */
    bool vertical;       /* separators */
};
/* Adds the element to the window's content, wired like the layout's. */
void Create(_FCWindowController_cocoa* pBridge, const NewElement& element);

/* ---- The platform's services (_FCUI_cocoa), with or without a window ---- */

/* Shows an alert of a kind (buttons in order, the first the default) and
   returns the answer code of the button pressed, or the driver's answer. */
int Alert(int kind, const FCString* pTitle, const FCString* pMessage, const char* const* buttons, const int* answers,
          int count);
/* The window system's own beep (the driver is told by the bridge). */
void Beep();
/* Shows the font panel with the font preselected until it is closed, or
   tells the driver; false when there is no font panel to show. */
bool FontPanel(const FCString* pName, int size);
bool FontExists(const FCString* pName);
/* The installed font families in UTF-8, in the platform's order; false when
   the platform gives no list. */
bool FontFamilies(std::vector<std::string>* pNames);
/* Clears the general pasteboard and puts the UTF-8 text on it (null: leaves
   it cleared); false when nothing was put there. */
bool Paste(const char* text);
/* The pasteboard's text in UTF-8 (false when it holds none) and how often it
   was cleared. */
bool PasteboardText(std::string* pText);
int PasteboardChanges();
/* The decimal separator a driver chose, else the user's locale's ("."
   without one), in UTF-8. */
std::string DecimalSeparator();
/* Opens a web address (QZUI_REQUEST_WEB_URL) or reveals a file in the file
   viewer (QZUI_REQUEST_SHELL_FOLDER), or tells the driver so. */
void Open(int request, const FCString* pTarget);
/* Seconds since the platform's reference date. */
double Clock();
int MainMenuItemTag(int menuIndex, int item, int subitem);
/* Replaces the main menu with a copy of a well-formed tree (null: none);
   false when there is no window system. */
bool SetMainMenu(const qzui_menu* pMenu);
} // namespace WindowBackend

#endif
