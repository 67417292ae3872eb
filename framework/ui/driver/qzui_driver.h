#ifndef FRAMEWORK_UI_DRIVER_QZUI_DRIVER_H
#define FRAMEWORK_UI_DRIVER_QZUI_DRIVER_H

/* Driver interface of the user interface.
 *
 * Both module variants (headless and Cocoa) export these functions (C linkage).
 * A driver (the host program's terminal and script modes, integration tests)
 * uses them to see the plug-in's windows and to act as the user would. All
 * calls belong on the thread that runs the plug-in.
 *
 * Windows. Every loaded window has a window number, unique in the process
 * and never reused; a closed window's number is no longer found. Numbers are
 * listed in the order the windows were loaded.
 *
 * Coordinates. Window frames are screen rectangles with the origin at the
 * top-left corner of the primary screen, y growing downward (the primary
 * screen is QZUI_SCREEN_WIDTH x QZUI_SCREEN_HEIGHT points; every window has a
 * title bar of QZUI_TITLE_BAR_HEIGHT points included in its frame). Element
 * frames are relative to the top-left corner of the window's content area; an
 * element inside a scroll view (a table) reports the scroll view's frame.
 *
 * Elements are addressed by tag (the control ID).
 *
 * Texts are UTF-8. A text reader copies at most size - 1 bytes and a zero
 * into buf (nothing when buf is null or size <= 0) and returns the full
 * length in bytes, or -1 when the window or element does not exist; so does
 * every count of a window's elements, columns, rows, items or timers. A
 * selected index is -1 for none (or a missing element).
 *
 * Results of the actions: QZUI_OK (0) when done, or a negative QZUI_E_ code.
 *
 * What the actions do, as the platform would report them:
 *  - qzui_press_button: the button must be enabled and shown. A check box or
 *    radio button changes its state first. Tag 1 calls the window's
 *    OkButtonPressed, tag 2 its CancelButtonPressed, any other non-zero tag
 *    goes by the control's action kind (OK, Close, Cancel or HandleCommand).
 *  - qzui_type_text: replaces the text of an editable, enabled text field;
 *    the text-change report (HandleCommand) follows.
 *  - qzui_select_row: selects a row of a table (-1 clears the selection). A
 *    change calls the list's HandleSelectChange(row) or HandleUnselect(),
 *    then the window's HandleDataListSelect(list, row or -1), then
 *    HandleCommand(list); selecting the row already selected reports nothing.
 *    A selection made by the plug-in itself is reported the same way.
 *  - qzui_double_click_row: selects the row (as above), then the list's
 *    HandleDoubleClick.
 *  - qzui_toggle_row_check: flips the row's check box in the "check" column:
 *    the row's SetCheck, the list's HandleCheckChange, then the window's
 *    HandleDataListCheck.
 *  - qzui_activate: the window becomes the active window (HandleActivate(true);
 *    the window active before gets HandleActivate(false)) or stops being it.
 *  - qzui_press_close_box: asks CanClose; when it answers true the window
 *    closes (CloseWindow). QZUI_REFUSED when it answered false.
 *  - qzui_move_window: sets the window's frame; a change of size is reported
 *    to the window (HandleResize).
 *  - qzui_advance_clock: advances the virtual clock, firing every timer that
 *    falls due, in time order (timers due at the same time in the order they
 *    were created), each as HandleTimer(id). Returns the number of expiries.
 *
 * Table cells are read through the table's data source: the column whose
 * identifier is "col" followed by n shows cell n - 1 of the row (empty when
 * the row has fewer cells), the "check" column shows "1" or "0".
 *
 * Callbacks (one of each kind; null removes it):
 *  - alert: kind (QZUI_ALERT_...), title, message, the button titles in order
 *    (the first is the default) -> the answer code (0 OK, 1 Cancel, 2 Yes,
 *    3 No). An answer that is not the code of one of the buttons counts as
 *    the default button. Without an alert callback the default button's code
 *    is taken and the alert is written to standard error.
 *  - beep: once per beep (the count is also kept, qzui_beep_count).
 *  - log: one system-log line (without one, lines go to standard error).
 *  - modal: a window runs modally; the callback is called again and again
 *    with the window's number until the window has closed. It acts through
 *    the functions above and returns 0 to go on, or non-zero to give up, which
 *    closes the window (as the window's CloseWindow does). Without a modal
 *    callback a modal window is closed at once.
 */

#include <stdint.h>

#include "common/qz_export.h"

#define QZUI_SCREEN_WIDTH 1920
#define QZUI_SCREEN_HEIGHT 1080
#define QZUI_TITLE_BAR_HEIGHT 22

#define QZUI_OK 0
#define QZUI_REFUSED 1
#define QZUI_E_NO_WINDOW (-1)
#define QZUI_E_NO_ELEMENT (-2)
#define QZUI_E_WRONG_KIND (-3)
#define QZUI_E_DISABLED (-4)
#define QZUI_E_RANGE (-5)

/* Element kinds reported by qzui_element_info. */
#define QZUI_KIND_VIEW 0
#define QZUI_KIND_BOX 1
#define QZUI_KIND_PUSH_BUTTON 2
#define QZUI_KIND_CHECK_BOX 3
#define QZUI_KIND_RADIO_BUTTON 4
#define QZUI_KIND_TEXT_FIELD 5
#define QZUI_KIND_SCROLL_VIEW 6
#define QZUI_KIND_CLIP_VIEW 7
#define QZUI_KIND_TABLE 8
#define QZUI_KIND_OUTLINE 9
#define QZUI_KIND_POPUP 10
#define QZUI_KIND_STEPPER 11
#define QZUI_KIND_SLIDER 12
#define QZUI_KIND_SEGMENTED 13
#define QZUI_KIND_OTHER 14

/* Alert kinds. */
#define QZUI_ALERT_ERROR 0
#define QZUI_ALERT_INFO 1
#define QZUI_ALERT_NEUTRAL 2
#define QZUI_ALERT_OKCANCEL 3
#define QZUI_ALERT_YESNO 4
#define QZUI_ALERT_YESNOCANCEL 5

#ifdef __cplusplus
extern "C" {
#endif

typedef struct qzui_rect
{
    float left;
    float top;
    float width;
    float height;
} qzui_rect;

typedef struct qzui_element
{
    int kind; /* QZUI_KIND_... */
    int tag;
    int enabled;
    int visible;  /* not hidden itself nor inside a hidden view */
    int editable; /* text fields */
    int state;    /* buttons: 0 off, 1 on, 2 mixed */
    int focused;  /* holds the keyboard focus */
    qzui_rect frame;
} qzui_element;

typedef int (*qzui_alert_fn)(void* context, int kind, const char* title, const char* message,
                             const char* const* buttons, int button_count);
typedef void (*qzui_beep_fn)(void* context);
typedef void (*qzui_log_fn)(void* context, const char* line);
typedef int (*qzui_modal_fn)(void* context, int window);

/* ---- Windows ---- */

/* Number of loaded windows, and the window number at an index (0 if none). */
QZ_EXPORT int qzui_window_count(void);
QZ_EXPORT int qzui_window_at(int index);
/* The number of the newest loaded window built from the layout, or 0. */
QZ_EXPORT int qzui_find_window(int layout_id);
QZ_EXPORT int qzui_window_layout_id(int window);
QZ_EXPORT int qzui_window_title(int window, char* buf, int size);
QZ_EXPORT int qzui_window_frame(int window, qzui_rect* frame);
/* 1 yes, 0 no, -1 no such window. */
QZ_EXPORT int qzui_window_visible(int window);
QZ_EXPORT int qzui_window_active(int window);
QZ_EXPORT int qzui_window_shaded(int window);
QZ_EXPORT int qzui_window_modal(int window);
/* Times the window's content was marked for redisplay since it loaded. */
QZ_EXPORT int qzui_window_repaint_count(int window);

/* ---- Elements ---- */

/* The tagged elements (non-zero tag), in depth-first order. */
QZ_EXPORT int qzui_element_count(int window);
QZ_EXPORT int qzui_element_tag_at(int window, int index);
QZ_EXPORT int qzui_element_info(int window, int tag, qzui_element* info);
/* A button's title or a text field's text. */
QZ_EXPORT int qzui_element_text(int window, int tag, char* buf, int size);

/* ---- Tables ---- */

/* Columns, the check column included. */
QZ_EXPORT int qzui_table_column_count(int window, int tag);
QZ_EXPORT int qzui_table_column_identifier(int window, int tag, int column, char* buf, int size);
QZ_EXPORT int qzui_table_column_title(int window, int tag, int column, char* buf, int size);
/* The width, or -1 for a missing column. */
QZ_EXPORT float qzui_table_column_width(int window, int tag, int column);
QZ_EXPORT int qzui_table_row_count(int window, int tag);
QZ_EXPORT int qzui_table_cell_text(int window, int tag, int row, int column, char* buf, int size);
/* Every cell in one read: row by row, each row's columns in order (the check
   column included), each cell's text as qzui_table_cell_text gives it (cut at
   a zero character) followed by a zero byte. The whole goes into buf when it
   fits (size > the length), else buf is left empty; returns the length in
   bytes, or -1 for a missing table. */
QZ_EXPORT int qzui_table_texts(int window, int tag, char* buf, int size);
QZ_EXPORT int qzui_table_selected_row(int window, int tag);

/* ---- Timers and the virtual clock ---- */

QZ_EXPORT int qzui_timer_count(int window);
/* The timer at an index: its id and period in milliseconds. */
QZ_EXPORT int qzui_timer_info(int window, int index, int* timer_id, int* period_ms);
QZ_EXPORT uint64_t qzui_clock_now(void);
QZ_EXPORT int qzui_advance_clock(uint64_t milliseconds);
/* Fires every running timer once now, in the order they fall due, and counts
   each one's next period from now. Returns the number fired. */
QZ_EXPORT int qzui_fire_timers(void);

/* ---- Actions ---- */

QZ_EXPORT int qzui_press_button(int window, int tag);
/* Clicks a segment of a segmented control (a switcher): the segment becomes
   the selected one, then HandleSwitcherSelect(switcher, segment) and
   HandleCommand(switcher). */
QZ_EXPORT int qzui_click_segment(int window, int tag, int segment);
QZ_EXPORT int qzui_type_text(int window, int tag, const char* text);
QZ_EXPORT int qzui_select_row(int window, int tag, int row);
QZ_EXPORT int qzui_double_click_row(int window, int tag, int row);
QZ_EXPORT int qzui_toggle_row_check(int window, int tag, int row);
QZ_EXPORT int qzui_activate(int window, int active);
QZ_EXPORT int qzui_press_close_box(int window);
QZ_EXPORT int qzui_move_window(int window, const qzui_rect* frame);

/* ---- Steppers, popups, sliders, switchers and outlines ----
 *
 *  - qzui_click_stepper: clicks the up (up != 0) or down arrow. The value
 *    moves by one within the stepper's limits (it stays at a limit); then the
 *    up/down control with the tag takes the new value and the window's
 *    HandleUpDownPressed(control, new - old) follows. A stepper connected to
 *    an edit field moves the field from the value it shows.
 *  - qzui_pick_popup_item: chooses an item of a popup; the popup is a button,
 *    so the press is routed by its action kind (HandleCommand by default).
 *  - qzui_move_slider: drags the thumb to a value (kept within the limits);
 *    a slider reports nothing to the window.
 *  - qzui_select_outline_row: selects a shown outline row (-1 clears the
 *    selection); a change reaches the window as HandleCommand(tree).
 *  - qzui_expand_outline_row: opens (expand != 0) or closes the disclosure
 *    triangle of a row; closing a row whose child is selected clears the
 *    selection, reported as above.
 * The outline rows are the rows shown: each top-level item, followed by its
 * children when it is expanded. Any output of a state reader may be null. */

typedef struct qzui_outline_row
{
    int depth;      /* 0 for a top-level item, 1 for a child */
    int expandable; /* the item has children */
    int expanded;
    int selected;
} qzui_outline_row;

QZ_EXPORT int qzui_click_stepper(int window, int tag, int up);
QZ_EXPORT int qzui_stepper_state(int window, int tag, int* value, int* minimum, int* maximum);

QZ_EXPORT int qzui_pick_popup_item(int window, int tag, int index);
QZ_EXPORT int qzui_popup_item_count(int window, int tag);
QZ_EXPORT int qzui_popup_item_text(int window, int tag, int index, char* buf, int size);
QZ_EXPORT int qzui_popup_selected(int window, int tag);

QZ_EXPORT int qzui_move_slider(int window, int tag, double value);
/* The limits, the value and the number of tick marks. */
QZ_EXPORT int qzui_slider_state(int window, int tag, double* minimum, double* maximum, double* value, int* tick_marks);

QZ_EXPORT int qzui_segment_count(int window, int tag);
QZ_EXPORT int qzui_segment_title(int window, int tag, int segment, char* buf, int size);
QZ_EXPORT int qzui_segment_selected(int window, int tag);

QZ_EXPORT int qzui_outline_row_count(int window, int tag);
QZ_EXPORT int qzui_outline_row_info(int window, int tag, int row, qzui_outline_row* info);
/* The text the row shows in the outline's column. */
QZ_EXPORT int qzui_outline_row_text(int window, int tag, int row, char* buf, int size);
QZ_EXPORT int qzui_outline_selected_row(int window, int tag);
QZ_EXPORT int qzui_select_outline_row(int window, int tag, int row);
QZ_EXPORT int qzui_expand_outline_row(int window, int tag, int row, int expand);

/* ---- Callbacks and settings ---- */

QZ_EXPORT void qzui_set_alert_callback(qzui_alert_fn fn, void* context);
QZ_EXPORT void qzui_set_beep_callback(qzui_beep_fn fn, void* context);
QZ_EXPORT void qzui_set_log_callback(qzui_log_fn fn, void* context);
QZ_EXPORT void qzui_set_modal_callback(qzui_modal_fn fn, void* context);
QZ_EXPORT int qzui_beep_count(void);
/* A folder searched first for layout files ("<layout id>.xib"); null or ""
   clears it. */
QZ_EXPORT void qzui_set_layout_folder(const char* path);
/* Looks a layout up ahead of the window that opens it, e.g. before a process
   forks children that open it; the headless bridge also parses it then, and
   a window opened later still reads the layout anew and parses a changed
   text again. 1 when the layout was found (and parsed), 0 otherwise. */
QZ_EXPORT int qzui_preload_layout(int layoutID);

/* ---- UI services: main menu, pasteboard, shown requests, locale ----
 *
 * What the plug-in's user-interface services (FCUI) hand to the platform
 * outside any window. Alerts and beeps use the callbacks above.
 *
 * Main menu. The driver registers the application's main menu as a tree:
 * the main menu's items are the top-level menus (index 0 the application
 * menu), each with its submenu of items; an item has a tag (the host command
 * code it runs), may be a separator, and may have a submenu of its own. The
 * tree is copied; null removes it (no main menu). FCUI::MenuPositionCommand
 * maps positions through it.
 *
 * Pasteboard. FCUI::TextToClipboard... clears the in-memory pasteboard and
 * puts plain text on it; the driver reads it (UTF-8) with the usual text
 * reader convention, -1 when the pasteboard holds no text. The change count
 * grows by one at every clearing.
 *
 * Shown requests. Opening a web address, revealing a file or folder in the
 * file viewer, and running the font panel are reported to the request
 * callback: what (QZUI_REQUEST_...), the argument (the address, the path, the
 * font name; UTF-8) and a number (the font size for the font panel, else 0).
 * The font panel counts as closed when the callback returns. Without a
 * callback the request is written to standard error.
 *
 * Locale. The decimal separator comes from the user's locale (LC_ALL,
 * LC_NUMERIC, LANG); the driver may set it instead (null: the locale's
 * again). */

#define QZUI_REQUEST_WEB_URL 0
#define QZUI_REQUEST_SHELL_FOLDER 1
#define QZUI_REQUEST_FONT_DIALOG 2

typedef struct qzui_menu qzui_menu;

typedef struct qzui_menu_item
{
    const char* title; /* UTF-8; may be null */
    int tag;
    int separator;            /* non-zero: a separator line */
    const qzui_menu* submenu; /* null: none */
} qzui_menu_item;

struct qzui_menu
{
    const char* title;
    const qzui_menu_item* items;
    int count;
};

typedef void (*qzui_request_fn)(void* context, int what, const char* argument, int number);

/* QZUI_OK, or QZUI_E_RANGE for a negative count or items missing. */
QZ_EXPORT int qzui_set_main_menu(const qzui_menu* menu);
QZ_EXPORT int qzui_pasteboard_text(char* buf, int size);
QZ_EXPORT int qzui_pasteboard_change_count(void);
QZ_EXPORT void qzui_set_request_callback(qzui_request_fn fn, void* context);
QZ_EXPORT void qzui_set_decimal_separator(const char* separator);

/* ---- Choosing a file ----
 *
 * FCUI's file dialogs (a file to write, a file to read) go to the file
 * callback: what (QZUI_FILE_SAVE or QZUI_FILE_OPEN), the dialog's title,
 * the proposed file name ("" when none, always "" for QZUI_FILE_OPEN) and
 * the extension (".json"; "" when none), all UTF-8. It answers:
 *  - QZUI_FILE_CHOSEN with *path set to the chosen file (UTF-8; the driver
 *    keeps it until its next call). A relative path is taken from the
 *    current directory; a file to write gets the extension when it lacks it.
 *    An empty or null path counts as cancelled;
 *  - QZUI_FILE_CANCEL: the user cancelled;
 *  - QZUI_FILE_ASK_USER: the platform's own panel asks the user (the Cocoa
 *    variant; the headless one has none and takes it as cancelled).
 * Without a file callback the dialog is written to standard error and
 * cancelled; the Cocoa variant without any driver shows its panel. */

#define QZUI_FILE_SAVE 0
#define QZUI_FILE_OPEN 1

#define QZUI_FILE_CANCEL 0
#define QZUI_FILE_CHOSEN 1
#define QZUI_FILE_ASK_USER 2

typedef int (*qzui_file_fn)(void* context, int what, const char* title, const char* name, const char* extension,
                            const char** path);

QZ_EXPORT void qzui_set_file_callback(qzui_file_fn fn, void* context);

#ifdef __cplusplus
}
#endif

#endif
