#ifndef HOSTSIM_SESSION_API_H
#define HOSTSIM_SESSION_API_H

/* Driver functions for interactive and scripted host sessions (qzhost):
   what a person sees of the score and what a script sets up the way another
   program would. Same conventions as hostsim_api.h. */

#include "hostsim/hostsim_api.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Name of the step the next redo would re-apply, "" when there is none. */
HOSTSIM_API const char* hostsim_redo_name(void);
/* A staff's full name as the host shows it, "" when it has none. */
/* Item of the first expression category with exactly this name, 0 when none. */
HOSTSIM_API int16_t hostsim_find_category(const char* name);
/* Adds a category with a new item and a new category ID; returns the item, 0 on failure. */
HOSTSIM_API int16_t hostsim_add_category(const char* name);
/* Deletes every category with exactly this name; returns how many went. */
HOSTSIM_API int hostsim_remove_categories(const char* name);
/* The current document's number of measures, 0 without a document. */
HOSTSIM_API int16_t hostsim_measure_count(void);
/* Writes a staff list in the score (part 0) whatever part is current,
   without an edit; count 0 deletes the list. */
HOSTSIM_API int hostsim_put_score_staff_list(uint16_t item, const hostsim_staff_entry* entries, size_t count);
/* A command of the host's own menus (the user picked it), carried out and
   logged like the same code from FX_ExecuteMenuItem; returns the host's
   answer (0 without a document or for an unknown code). */
HOSTSIM_API int32_t hostsim_menu_command(uint32_t code);

#ifdef __cplusplus
}
#endif

/* Every driver function, for drivers that resolve them one by one:
   X(name) for each. */
// clang-format off
#define HOSTSIM_DRIVER_FUNCTIONS(X)                                                               \
    X(hostsim_reset) X(hostsim_set_profile) X(hostsim_profile) X(hostsim_set_strict)               \
    X(hostsim_set_main_thread) X(hostsim_begin_plugin_call) X(hostsim_end_plugin_call)            \
    X(hostsim_new_document) X(hostsim_close_document) X(hostsim_set_current_document)             \
    X(hostsim_current_document) X(hostsim_set_current_part) X(hostsim_current_part)               \
    X(hostsim_open_document) X(hostsim_save_document) X(hostsim_describe_document)                \
    X(hostsim_staff_list) X(hostsim_view_state) X(hostsim_dirty) X(hostsim_menu_log_count)        \
    X(hostsim_menu_log_entry) X(hostsim_clear_call_log) X(hostsim_clear_edit_log) X(hostsim_violation_count) X(hostsim_violation_at)                  \
    X(hostsim_undo) X(hostsim_redo) X(hostsim_undo_depth) X(hostsim_redo_depth)                   \
    X(hostsim_undo_name) X(hostsim_set_selection) X(hostsim_clear_selection)                      \
    X(hostsim_get_selection) X(hostsim_set_folder) X(hostsim_folder)                              \
    X(hostsim_use_user_preferences) X(hostsim_redo_name) X(hostsim_staff_name)                    \
    X(hostsim_find_category) X(hostsim_add_category) X(hostsim_remove_categories)                 \
    X(hostsim_put_score_staff_list) X(hostsim_measure_count) X(hostsim_import_musicxml)           \
    X(hostsim_document_image) X(hostsim_expression_count) X(hostsim_expression_at)                \
    X(hostsim_get_record) X(hostsim_call_log_count) X(hostsim_call_log_entry) X(hostsim_fail)     \
    X(hostsim_fail_record) X(hostsim_refuse_edit_start) X(hostsim_open_edit_depth) X(hostsim_menu_command) X(hostsim_new_large_document)
// clang-format on

#endif
