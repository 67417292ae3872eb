#ifndef TESTS_INTEGRATION_PANEL_PANELFIXTURE_H
#define TESTS_INTEGRATION_PANEL_PANELFIXTURE_H

/* A session of the staff set panel: the plug-in's code and the headless
   bridge linked into the test, the simulated host in strict mode with the
   demo score (or the test document), the preferences folder a temporary
   folder of the test's own. Every plug-in entry call and user action runs
   between hostsim's checks (PluginCall); the panel is shut down at the end.

   Alerts are recorded ("title: message") and answered from a queue of
   answers (the default button's answer when the queue is empty); beeps are
   counted. */

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/HostsimFixture.h"
#include "ui/driver/qzui_driver.h"

class PanelFixture : public HostsimFixture
{
protected:
    int Seed() const override { return HOSTSIM_SEED_DEMO; }
    void SetUp() override;
    void TearDown() override;

public:
    /* Public, so that tables of test steps can act on the fixture. */

    /* ---- Plug-in entry points ---- */
    void Invoke();
    void Terminate();
    /* The panel's window number (0 when it is not on screen). */
    int Window() const;

    /* ---- User actions (each one plug-in call) ---- */
    void SelectRow(int row);
    void Press(int tag);
    void TypeName(const std::string& name);
    void DoubleClick(int row);
    void Activate(bool active);
    void CloseBox();
    void Tick(int ticks = 1);
    void MoveWindow(float left, float top);

    /* ---- Host-side actions ---- */
    /* Selects measures 1 to 4 of score slots first to last. */
    void SelectSlots(int first, int last);
    void ClearSelection();
    void PutStaffSet(int staffSet, const std::vector<int16_t>& staves);

    /* ---- Reading the panel ---- */
    /* Each row as "cell | cell | cell | cell | cell". */
    std::vector<std::string> Rows() const;
    std::string Row(int row) const;
    /* The enabled buttons among 1 and 103 to 109 and whether the edit is
       enabled, e.g. "1 102 103 107". */
    std::string Enabled() const;
    /* The same for the given controls. */
    std::string Enabled(std::initializer_list<int> tags) const;
    std::string EditText() const;
    int SelectedRow() const;
    /* A window's frame as the driver reports it. */
    static qzui_rect Frame(int window);

    /* ---- Reading the host ---- */
    std::vector<int16_t> StaffSet(int staffSet) const;
    int DisplayedStaffSet() const;
    /* The menu commands run since the last call, as their four characters. */
    std::vector<std::string> TakeMenuCommands();
    /* Names of the committed edits since the last call; cancelled ones as
       "cancelled: name". */
    std::vector<std::string> TakeEdits();

    /* ---- Files ---- */
    std::string PrefsFile() const { return folder + "/qzpluginprefs.txt"; }
    std::string OptionsFile() const { return folder + "/qzpluginoptions.txt"; }

    std::deque<int> answers;
    std::vector<std::string> alerts;
    int beeps = 0;
    std::string folder;
    bool invoked = false;

private:
    static int OnAlert(void* context, int kind, const char* title, const char* message, const char* const* buttons,
                       int buttonCount);
    static void OnBeep(void* context);
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

#endif
