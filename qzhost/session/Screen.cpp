#include "qzhost/session/Screen.h"

#include "qzhost/session/CommandSupport.h"
#include "qzhost/session/Session.h"
#include "qzhost/session/StaffGroups.h"
#include "qzhost/session/StaffNames.h"

#include <algorithm>
#include <ostream>

namespace
{

const int kColumnWidths[] = {4, 22, 7, 18, 18};

/* Characters (not bytes) of a UTF-8 text. */
size_t Columns(const std::string& text)
{
    size_t columns = 0;
    for (unsigned char c : text)
        columns += (c & 0xC0) != 0x80;
    return columns;
}

void PrintRow(std::ostream& out, const char* mark, const std::vector<std::string>& cells)
{
    std::string line = std::string("  ") + mark + " ";
    for (size_t i = 0; i < cells.size(); ++i) {
        const size_t width = i < 5 ? kColumnWidths[i] : 12;
        line += cells[i] + std::string(width > Columns(cells[i]) ? width - Columns(cells[i]) : 1, ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << "\n";
}

std::string StaffLabel(Session& session, int16_t staff)
{
    return std::to_string(staff) + " " + StaffNames::Shown(session.Host(), staff);
}

/* Labels joined by " | ", in lines of about 92 columns, each indented. */
void PrintWrapped(const std::vector<std::string>& labels, std::ostream& out)
{
    std::string line;
    for (const std::string& label : labels) {
        if (!line.empty() && Columns(line) + Columns(label) > 92) {
            out << "    " << line << "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " | ") + label;
    }
    if (!line.empty())
        out << "    " << line << "\n";
}

/* The staves of a staff list (item 0: the score's own order): one per line
   with its distance, or wrapped in a few lines. */
void PrintStaves(Session& session, uint16_t item, int16_t part, bool detailed, std::ostream& out)
{
    std::vector<hostsim_staff_entry> entries(session.Host().hostsim_staff_list(item, part, nullptr, 0));
    entries.resize(session.Host().hostsim_staff_list(item, part, entries.data(), entries.size()));
    if (entries.empty())
        out << "    (no staves)\n";
    std::vector<std::string> labels;
    for (const hostsim_staff_entry& entry : entries) {
        const std::string label = StaffLabel(session, entry.staff);
        if (detailed)
            out << "    " << label << std::string(Columns(label) < 28 ? 28 - Columns(label) : 1, ' ') << "distance "
                << entry.distance << "\n";
        else
            labels.push_back(label);
    }
    PrintWrapped(labels, out);
}

/* The score's staff groups (nothing for a score without any). */
void PrintGroups(Session& session, std::ostream& out)
{
    std::vector<std::string> labels;
    for (const StaffGroup& group : StaffGroups::Read(session.Host()))
        labels.push_back(StaffGroups::Describe(group));
    if (labels.empty())
        return;
    out << "  groups:\n";
    PrintWrapped(labels, out);
}

/* What an alert asks the user to do, as a command of qzhost. */
struct AlertHint
{
    const char* title;
    const char* hint;
};
const AlertHint kAlertHints[] = {
    {"Category doesn't exist", "hint: in qzhost the command category add \"QZ Plug-in Data\" creates the category"},
};

} // namespace

namespace Screen
{

void Panel(Session& session, std::ostream& out)
{
    int window = 0;
    Outcome problem;
    if (!RequirePanel(session, window, problem)) {
        out << "Panel: not open\n";
        return;
    }
    const UiDriver& ui = session.Ui();
    qzui_rect frame{};
    ui.qzui_window_frame(window, &frame);
    char title[256] = "";
    ui.qzui_window_title(window, title, sizeof title);
    out << "Panel \"" << title << "\" at " << frame.left << "," << frame.top
        << (ui.qzui_window_active(window) == 1 ? ", active" : ", inactive")
        << (ui.qzui_window_shaded(window) == 1 ? ", shaded" : "") << "\n";
    const int selected = ui.qzui_table_selected_row(window, kPanelList);
    PrintRow(out, " ", {"#", "Name", "Staves", "Top", "Bottom"});
    const int rows = ui.qzui_table_row_count(window, kPanelList);
    for (int row = 0; row < rows; ++row)
        PrintRow(out, row == selected ? ">" : " ", PanelRowCells(session, window, row));
    out << "  Name: " << qzscript::Quote(ui.ElementText(window, kPanelEdit)) << "\n  Buttons:";
    const std::vector<int> enabled = EnabledPanelControls(session, window);
    for (int tag : PanelControls()) {
        if (tag == kPanelList || tag == kPanelEdit)
            continue;
        const bool on = std::find(enabled.begin(), enabled.end(), tag) != enabled.end();
        out << " " << (on ? "[" : "(") << tag << " " << ui.ElementText(window, tag) << (on ? "]" : ")");
    }
    out << "\n  Enabled: " << JoinInts(std::vector<long long>(enabled.begin(), enabled.end()), " ") << "\n";
}

void Document(Session& session, std::ostream& out)
{
    const int16_t document = session.Host().hostsim_current_document();
    if (!document) {
        out << "Document: none\n";
        return;
    }
    out << session.Host().hostsim_describe_document(document);
}

void View(Session& session, bool detailed, std::ostream& out)
{
    const int16_t document = session.Host().hostsim_current_document();
    if (!document) {
        out << "Score: no document\n";
        return;
    }
    const hostsim_view view = session.Host().hostsim_view_state();
    const int16_t part = session.Host().hostsim_current_part();
    out << "Score: document " << document << ", part " << part
        << (session.Host().hostsim_dirty(document) ? ", changed" : "") << ", view ";
    if (view.displayedStaffSet == 0) {
        out << "all staves\n";
        PrintStaves(session, 0, part, detailed, out);
        if (part == 0)
            PrintGroups(session, out);
        return;
    }
    out << "staff set " << view.displayedStaffSet << "\n";
    PrintStaves(session, qz::StaffSetItem(view.displayedStaffSet), 0, detailed, out);
}

void Selection(Session& session, std::ostream& out)
{
    hostsim_region region{};
    if (!session.Host().hostsim_current_document() || !session.Host().hostsim_get_selection(&region) ||
        (region.startMeasure == 0 && region.endMeasure == 0)) {
        out << "Selection: none\n";
        return;
    }
    const auto range = [](int first, int last) {
        return first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
    };
    out << "Selection: staves " << range(region.startSlot, region.endSlot) << ", measures "
        << range(region.startMeasure, region.endMeasure) << "\n";
}

void Undo(Session& session, std::ostream& out)
{
    const HostEngine& host = session.Host();
    out << "Undo: " << host.hostsim_undo_depth();
    if (host.hostsim_undo_depth())
        out << " (\"" << host.hostsim_undo_name() << "\")";
    out << "   Redo: " << host.hostsim_redo_depth();
    if (host.hostsim_redo_depth())
        out << " (\"" << host.hostsim_redo_name() << "\")";
    out << "\n";
}

void Log(Session& session, std::ostream& out)
{
    out << "Log:\n";
    for (const std::string& line : session.EventLog())
        out << "  " << line << "\n";
    const HostEngine& host = session.Host();
    const size_t menus = host.hostsim_menu_log_count();
    for (size_t i = 0; i < menus; ++i) {
        hostsim_menu menu{};
        if (host.hostsim_menu_log_entry(i, &menu))
            out << "  host menu command " << menu.chars << "\n";
    }
}

void All(Session& session, std::ostream& out)
{
    out << "----------------------------------------------------------------------------\n";
    Panel(session, out);
    View(session, false, out);
    Selection(session, out);
    Undo(session, out);
}

void Event(Session& session, const std::string& line, bool alertAsked, std::ostream& out)
{
    if (line.rfind("alert ", 0) != 0) {
        out << (line == "beep" ? "*** beep ***" : line) << std::endl;
        return;
    }
    if (!alertAsked)
        out << line << "\n";
    const std::deque<AlertRecord>& alerts = session.RecordedAlerts();
    for (const AlertHint& hint : kAlertHints)
        if (!alerts.empty() && alerts.back().title == hint.title)
            out << hint.hint << "\n";
    out.flush();
}

} // namespace Screen
