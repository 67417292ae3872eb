#ifndef HOSTSIM_API_USER_H
#define HOSTSIM_API_USER_H

/* What the user does in the host around the plug-in: undo and redo, the
   selection, the host's own menus, folders and fonts, the document window
   and the answers of the host's dialogs. */

#include "hostsim/hostsim_api_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Undo ------------------------------------------------------------------ */
HOSTSIM_API int hostsim_undo(void);
HOSTSIM_API int hostsim_redo(void);
HOSTSIM_API size_t hostsim_undo_depth(void);
HOSTSIM_API size_t hostsim_redo_depth(void);
HOSTSIM_API const char* hostsim_undo_name(void);
/* Name of the step the next redo would re-apply, "" when there is none. */
HOSTSIM_API const char* hostsim_redo_name(void);

/* ---- Selection ------------------------------------------------------------- */
HOSTSIM_API int hostsim_set_selection(const hostsim_region* region);
HOSTSIM_API int hostsim_clear_selection(void);
HOSTSIM_API int hostsim_get_selection(hostsim_region* out);

/* A command of the host's own menus (the user picked it), carried out and
   logged like the same code from FX_ExecuteMenuItem; returns the host's
   answer (0 without a document or for an unknown code). */
HOSTSIM_API int32_t hostsim_menu_command(uint32_t code);

/* ---- Folders and fonts ----------------------------------------------------- */
HOSTSIM_API int hostsim_set_folder(int16_t selector, const char* path);
/* The folder for a selector ("" when none); selector 16 defaults to a fresh
   temporary directory, made on first use and removed at reset. */
HOSTSIM_API const char* hostsim_folder(int16_t selector);
/* For interactive sessions: selector 16 becomes the user's own preferences
   folder ($XDG_CONFIG_HOME/qzhost, else ~/.config/qzhost), made when
   missing, so the panel's settings last from one run to the next. Returns
   the folder, "" when there is none. */
HOSTSIM_API const char* hostsim_use_user_preferences(void);
HOSTSIM_API int hostsim_set_font(int16_t number, const char* name);

/* ---- Document window, scrolling, dialogs ------------------------------------ */
/* The window the host reports; null (the state after a reset): the host
   cannot tell and FX_GetCurrentWindowInfo refuses. */
HOSTSIM_API void hostsim_set_window_info(const hostsim_window_info* info);
/* Successful FX_ScrollTo requests, and the last one's measure and staff. */
HOSTSIM_API size_t hostsim_scroll_count(void);
HOSTSIM_API int hostsim_last_scroll(int16_t* measure, int16_t* staff);
/* Change flag of the selection dialogs: 0 or 1, or -1 (after a reset) for
   "changed when the answer differs from the preselected id". */
HOSTSIM_API void hostsim_set_dialog_changed(int32_t changed);
HOSTSIM_API size_t hostsim_dialog_count(void);
HOSTSIM_API int hostsim_dialog_entry(size_t index, hostsim_dialog* out);

#ifdef __cplusplus
}
#endif

#endif
