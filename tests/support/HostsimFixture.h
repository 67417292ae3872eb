#ifndef QZTEST_HOSTSIMFIXTURE_H
#define QZTEST_HOSTSIMFIXTURE_H

/* GoogleTest fixture for tests that run the plug-in's code against the
   simulated host.

   - The host engine (libfxhostsim.so) is loaded once per process with
     RTLD_NOW | RTLD_LOCAL, as the host program loads it, and its driver API
     is reached through `Host()` (one function pointer per hostsim_* function,
     same names; see hostsim_api.h).
   - The plug-in's code is linked into the test (qzmodule_parts). Once per
     process the fixture runs its start-up (`PluginMain(1, argv)`, which runs
     InitializeGlobals and finds the engine by its bundle identifier); every
     test then passes the profile to FinaleExtensionVersion.
   - Before each test: hostsim is reset, set to the profile, given the
     document of `Seed()` (the test document with the "QZ Plug-in Data"
     category by default) and switched to strict mode.
   - After each test: every strict violation (warnings included) fails the
     test; hostsim is reset.

   Override Profile() / Seed() in a derived fixture to change them. Wrap each
   plug-in entry call or UI event in PluginCall() so that hostsim checks it
   ends with no open edit, the part restored and the edit depths equal. */

#include <gtest/gtest.h>

#include <cstdint>

#include "hostsim/hostsim_api.h"

#define QZTEST_HOSTSIM_API(X)                                                                       \
    X(hostsim_reset) X(hostsim_set_profile) X(hostsim_profile) X(hostsim_set_strict)                 \
    X(hostsim_set_allocation_policy) X(hostsim_set_incident_compaction) X(hostsim_set_part_scoped) \
    X(hostsim_set_main_thread) X(hostsim_begin_plugin_call) X(hostsim_end_plugin_call)              \
    X(hostsim_new_document) X(hostsim_close_document) X(hostsim_set_current_document)               \
    X(hostsim_current_document) X(hostsim_add_part) X(hostsim_set_current_part)                     \
    X(hostsim_current_part) X(hostsim_set_measures) X(hostsim_open_document)                        \
    X(hostsim_save_document) X(hostsim_describe_document) X(hostsim_add_staff)                      \
    X(hostsim_put_staff_list) X(hostsim_put_category) X(hostsim_put_text_expression)                \
    X(hostsim_put_other) X(hostsim_delete_record) X(hostsim_get_record) X(hostsim_list_records)     \
    X(hostsim_record_count) X(hostsim_staff_list) X(hostsim_expression_count)                       \
    X(hostsim_expression_at) X(hostsim_view_state) X(hostsim_dirty) X(hostsim_counter)              \
    X(hostsim_open_edit_depth) X(hostsim_call_log_count) X(hostsim_call_log_entry)                  \
    X(hostsim_call_count) X(hostsim_call_log_text) X(hostsim_clear_call_log)                        \
    X(hostsim_edit_log_count) X(hostsim_edit_log_entry) X(hostsim_clear_edit_log)                   \
    X(hostsim_menu_log_count) X(hostsim_menu_log_entry) X(hostsim_clear_menu_log)                   \
    X(hostsim_redraw_count) X(hostsim_last_redraw) X(hostsim_alert_count) X(hostsim_alert_text)     \
    X(hostsim_urls_handed_out) X(hostsim_saved_frame) X(hostsim_violation_count)                    \
    X(hostsim_violation_at) X(hostsim_violations_text) X(hostsim_clear_violations) X(hostsim_undo)  \
    X(hostsim_redo) X(hostsim_undo_depth) X(hostsim_redo_depth) X(hostsim_undo_name)                \
    X(hostsim_set_selection) X(hostsim_clear_selection) X(hostsim_get_selection)                    \
    X(hostsim_set_folder) X(hostsim_folder) X(hostsim_use_user_preferences) X(hostsim_set_font) X(hostsim_fail)                     \
    X(hostsim_fail_record) X(hostsim_refuse_edit_start) X(hostsim_auto_numbered_names)              \
    X(hostsim_selection_garbage) X(hostsim_set_macho) X(hostsim_set_dialog_answer)                 \
    X(hostsim_set_window_info) X(hostsim_scroll_count) X(hostsim_last_scroll)                       \
    X(hostsim_set_dialog_changed) X(hostsim_dialog_count) X(hostsim_dialog_entry)                   \
    X(hostsim_new_large_document)

/* The driver API of the loaded engine. */
struct HostsimApi {
#define QZTEST_HOSTSIM_MEMBER(name) decltype(&::name) name = nullptr;
    QZTEST_HOSTSIM_API(QZTEST_HOSTSIM_MEMBER)
#undef QZTEST_HOSTSIM_MEMBER
    void* handle = nullptr;
};

class HostsimFixture : public ::testing::Test {
public:
    /* The engine, loaded on first use; null when it cannot be loaded (the
       reason is in LoadError()). */
    static const HostsimApi* Host();
    static const char* LoadError();

protected:
    virtual uint32_t Profile() const { return 0x19000000u; }
    virtual int Seed() const { return HOSTSIM_SEED_TEST_QZ; }

    void SetUp() override;
    void TearDown() override;

    /* Runs one plug-in entry call or UI event between hostsim's checks. */
    template <class F>
    void PluginCall(const char* what, F&& call) {
        Host()->hostsim_begin_plugin_call(what);
        call();
        Host()->hostsim_end_plugin_call(PluginEditDepth());
    }
    /* The plug-in's exported edit depth; -1 without the plug-in. */
    static int32_t PluginEditDepth();

    int16_t document = 0;
};

#endif
