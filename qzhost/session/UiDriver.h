#ifndef QZHOST_UIDRIVER_H
#define QZHOST_UIDRIVER_H

/* The driver interface of the plug-in's headless user interface, resolved
   by name in the loaded plug-in module. */

#include "ui/driver/qzui_driver.h"

#include <string>

class ModuleHost;

// clang-format off
#define QZHOST_UI_FUNCTIONS(X)                                                                    \
    X(qzui_find_window) X(qzui_window_title) X(qzui_window_frame) X(qzui_window_visible)           \
    X(qzui_window_active) X(qzui_window_shaded) X(qzui_element_count) X(qzui_element_tag_at)      \
    X(qzui_element_info) X(qzui_element_text) X(qzui_table_column_count)                          \
    X(qzui_table_column_identifier) X(qzui_table_row_count) X(qzui_table_cell_text)               \
    X(qzui_table_selected_row) X(qzui_advance_clock) X(qzui_press_button) X(qzui_type_text)       \
    X(qzui_select_row) X(qzui_double_click_row) X(qzui_activate) X(qzui_press_close_box)          \
    X(qzui_move_window) X(qzui_set_alert_callback) X(qzui_set_beep_callback)                      \
    X(qzui_set_log_callback) X(qzui_set_file_callback) X(qzui_beep_count)
// clang-format on

struct UiDriver
{
#define QZHOST_UI_MEMBER(name) decltype(&::name) name = nullptr;
    QZHOST_UI_FUNCTIONS(QZHOST_UI_MEMBER)
#undef QZHOST_UI_MEMBER
    /* Optional: a module without it is read cell by cell. */
    decltype(&::qzui_table_texts) qzui_table_texts = nullptr;

    bool Resolve(const ModuleHost& host, std::string& missing);

    /* An element's text ("" when it has none). */
    std::string ElementText(int window, int tag) const;
    std::string CellText(int window, int tag, int row, int column) const;
    /* Appends a cell's text to out, with no text made for the cell alone. */
    void AppendCellText(std::string& out, int window, int tag, int row, int column) const;
    /* Every cell of a table in one read, each text followed by a zero byte
       (qzui_table_texts); false where the module has no such read or the
       table is missing. */
    bool TableTexts(int window, int tag, std::string& texts) const;
};

#endif
