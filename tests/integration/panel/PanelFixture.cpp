#include "PanelFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "common/qz_host_document.h"
#include "common/qz_staffset_panel.h"
#include "plugin/FinaleExtension.h"

namespace
{

constexpr int kList = 101;
constexpr int kEdit = 102;
constexpr int kColumns = 5;

std::string CellText(int window, int row, int column)
{
    char buffer[256] = {};
    qzui_table_cell_text(window, kList, row, column, buffer, sizeof buffer);
    return buffer;
}

/* Every cell of the list read one by one, each followed by a zero byte... */
std::string CellsOneByOne(int window, int rows)
{
    std::string texts;
    const int columns = qzui_table_column_count(window, kList);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            texts += CellText(window, row, column) + '\0';
    return texts;
}

/* ...as the read of the whole list gives them. */
std::string WholeList(int window)
{
    std::vector<char> buffer(64);
    int length = qzui_table_texts(window, kList, buffer.data(), static_cast<int>(buffer.size()));
    if (length >= static_cast<int>(buffer.size())) {
        buffer.resize(static_cast<size_t>(length) + 1);
        length = qzui_table_texts(window, kList, buffer.data(), static_cast<int>(buffer.size()));
    }
    return length < 0 ? "<missing>" : std::string(buffer.data(), static_cast<size_t>(length));
}

bool IsEnabled(int window, int tag)
{
    qzui_element info{};
    return qzui_element_info(window, tag, &info) == QZUI_OK && info.enabled;
}

} // namespace

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

void PanelFixture::SetUp()
{
    HostsimFixture::SetUp();
    if (HasFatalFailure())
        return;
    std::string pattern = (std::filesystem::temp_directory_path() / "qzpanel-XXXXXX").string();
    ASSERT_NE(nullptr, mkdtemp(pattern.data()));
    folder = pattern;
    Host()->hostsim_set_folder(16, folder.c_str());
    qzui_set_alert_callback(&PanelFixture::OnAlert, this);
    qzui_set_beep_callback(&PanelFixture::OnBeep, this);
}

void PanelFixture::TearDown()
{
    if (invoked)
        Terminate();
    qzui_set_alert_callback(nullptr, nullptr);
    qzui_set_beep_callback(nullptr, nullptr);
    std::error_code ec;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(folder, ec);
    HostsimFixture::TearDown();
}

int PanelFixture::OnAlert(void* context, int kind, const char* title, const char* message, const char* const*, int)
{
    auto* self = static_cast<PanelFixture*>(context);
    self->alerts.push_back(std::string(title ? title : "") + ": " + (message ? message : ""));
    if (!self->answers.empty()) {
        int answer = self->answers.front();
        self->answers.pop_front();
        return answer;
    }
    if (kind == QZUI_ALERT_YESNO || kind == QZUI_ALERT_YESNOCANCEL || kind == QZUI_ALERT_OKCANCEL)
        ADD_FAILURE() << "unexpected question: " << self->alerts.back();
    return 0;
}

void PanelFixture::OnBeep(void* context) { ++static_cast<PanelFixture*>(context)->beeps; }

/* ---- Entry points ---- */

void PanelFixture::Invoke()
{
    PluginCall("invoke", [] { EXPECT_EQ(nullptr, FinaleExtensionInvoke(nullptr)); });
    invoked = true;
}

void PanelFixture::Terminate()
{
    PluginCall("terminate", [] { FinaleExtensionTerminate(); });
    invoked = false;
}

int PanelFixture::Window() const { return qzui_find_window(qz::kPanelLayout); }

/* ---- User actions ---- */

void PanelFixture::SelectRow(int row)
{
    PluginCall("select row", [&] { ASSERT_EQ(QZUI_OK, qzui_select_row(Window(), kList, row)); });
}

void PanelFixture::Press(int tag)
{
    PluginCall("press", [&] { ASSERT_EQ(QZUI_OK, qzui_press_button(Window(), tag)) << "button " << tag; });
}

void PanelFixture::TypeName(const std::string& name)
{
    PluginCall("type", [&] { ASSERT_EQ(QZUI_OK, qzui_type_text(Window(), kEdit, name.c_str())); });
}

void PanelFixture::DoubleClick(int row)
{
    PluginCall("double click", [&] { ASSERT_EQ(QZUI_OK, qzui_double_click_row(Window(), kList, row)); });
}

void PanelFixture::Activate(bool active)
{
    PluginCall("activate", [&] { ASSERT_EQ(QZUI_OK, qzui_activate(Window(), active ? 1 : 0)); });
}

void PanelFixture::CloseBox()
{
    PluginCall("close box", [&] { ASSERT_EQ(QZUI_OK, qzui_press_close_box(Window())); });
}

void PanelFixture::Tick(int ticks)
{
    PluginCall("timer", [&] { qzui_advance_clock(200u * static_cast<unsigned>(ticks)); });
}

void PanelFixture::MoveWindow(float left, float top)
{
    qzui_rect frame{};
    ASSERT_EQ(QZUI_OK, qzui_window_frame(Window(), &frame));
    frame.left = left;
    frame.top = top;
    PluginCall("move window", [&] { ASSERT_EQ(QZUI_OK, qzui_move_window(Window(), &frame)); });
}

/* ---- Host-side actions ---- */

void PanelFixture::SelectSlots(int first, int last)
{
    hostsim_region region{};
    region.startSlot = static_cast<int16_t>(first);
    region.endSlot = static_cast<int16_t>(last);
    region.startMeasure = 1;
    region.endMeasure = 4;
    region.endPos = 0x7FFFFFFF;
    ASSERT_TRUE(Host()->hostsim_set_selection(&region));
}

void PanelFixture::ClearSelection() { Host()->hostsim_clear_selection(); }

void PanelFixture::PutStaffSet(int staffSet, const std::vector<int16_t>& staves)
{
    std::vector<hostsim_staff_entry> entries;
    for (size_t i = 0; i < staves.size(); ++i)
        entries.push_back(hostsim_staff_entry{staves[i], -288 * static_cast<int32_t>(i), 100});
    ASSERT_TRUE(Host()->hostsim_put_staff_list(qz::StaffSetItem(staffSet), entries.data(), entries.size()));
}

/* ---- Reading the panel ---- */

std::vector<std::string> PanelFixture::Rows() const
{
    std::vector<std::string> rows;
    const int count = qzui_table_row_count(Window(), kList);
    for (int row = 0; row < count; ++row)
        rows.push_back(Row(row));
    EXPECT_EQ(CellsOneByOne(Window(), count), WholeList(Window()));
    return rows;
}

std::string PanelFixture::Row(int row) const
{
    std::string text;
    for (int column = 0; column < kColumns; ++column)
        text += (column ? " | " : "") + CellText(Window(), row, column);
    return text;
}

std::string PanelFixture::Enabled() const { return Enabled({1, 102, 103, 104, 105, 106, 107, 108, 109}); }

std::string PanelFixture::Enabled(std::initializer_list<int> tags) const
{
    std::string text;
    for (int tag : tags)
        if (IsEnabled(Window(), tag))
            text += (text.empty() ? "" : " ") + std::to_string(tag);
    return text;
}

std::string PanelFixture::EditText() const
{
    char buffer[256] = {};
    qzui_element_text(Window(), kEdit, buffer, sizeof buffer);
    return buffer;
}

int PanelFixture::SelectedRow() const { return qzui_table_selected_row(Window(), kList); }

qzui_rect PanelFixture::Frame(int window)
{
    qzui_rect frame{};
    qzui_window_frame(window, &frame);
    return frame;
}

/* ---- Reading the host ---- */

std::vector<int16_t> PanelFixture::StaffSet(int staffSet) const
{
    hostsim_staff_entry entries[64];
    size_t count = Host()->hostsim_staff_list(qz::StaffSetItem(staffSet), 0, entries, 64);
    std::vector<int16_t> staves;
    for (size_t i = 0; i < count && i < 64; ++i)
        staves.push_back(entries[i].staff);
    return staves;
}

int PanelFixture::DisplayedStaffSet() const { return Host()->hostsim_view_state().displayedStaffSet; }

std::vector<std::string> PanelFixture::TakeMenuCommands()
{
    std::vector<std::string> commands;
    for (size_t i = 0; i < Host()->hostsim_menu_log_count(); ++i) {
        hostsim_menu entry{};
        if (Host()->hostsim_menu_log_entry(i, &entry))
            commands.push_back(entry.chars);
    }
    Host()->hostsim_clear_menu_log();
    return commands;
}

std::vector<std::string> PanelFixture::TakeEdits()
{
    std::vector<std::string> edits;
    for (size_t i = 0; i < Host()->hostsim_edit_log_count(); ++i) {
        hostsim_edit entry{};
        if (!Host()->hostsim_edit_log_entry(i, &entry))
            continue;
        if (entry.outcome == HOSTSIM_EDIT_COMMITTED)
            edits.push_back(entry.name);
        else if (entry.outcome == HOSTSIM_EDIT_CANCELLED)
            edits.push_back(std::string("cancelled: ") + entry.name);
    }
    Host()->hostsim_clear_edit_log();
    return edits;
}
