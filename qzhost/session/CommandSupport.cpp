#include "qzhost/session/CommandSupport.h"

#include <algorithm>
#include <iterator>
#include <cstdlib>
#include <cstring>

bool ArgumentCheck::Fail(const std::string& problem)
{
    if (_problem.empty())
        _problem = problem;
    return false;
}

bool ArgumentCheck::Count(size_t min, size_t max)
{
    if (_args.size() >= min && _args.size() <= max)
        return true;
    return Fail(std::string(_args.size() < min ? "too few" : "too many") + " arguments; usage: " + _usage);
}

bool ArgumentCheck::Integer(size_t index, long long min, long long max, long long& out, bool hex)
{
    std::string problem;
    if (index >= _args.size())
        return Fail(std::string("usage: ") + _usage);
    if (!qzscript::ParseInteger(_args[index].text, min, max, out, problem, hex))
        return Fail(problem);
    return true;
}

bool ArgumentCheck::Text(size_t index, std::string& out)
{
    if (index >= _args.size())
        return Fail(std::string("usage: ") + _usage);
    out = _args[index].text;
    return true;
}

bool ArgumentCheck::Choice(size_t index, std::initializer_list<const char*> words, int& out)
{
    if (index < _args.size()) {
        int position = 0;
        for (const char* word : words) {
            if (_args[index].text == word) {
                out = position;
                return true;
            }
            ++position;
        }
    }
    std::string problem = index < _args.size() ? "'" + _args[index].text + "' is not one of" : "expected one of";
    for (const char* word : words)
        problem += std::string(" ") + word;
    return Fail(problem);
}

bool ArgumentCheck::YesNo(size_t index, bool& out)
{
    int choice = 0;
    if (!Choice(index, {"yes", "no"}, choice))
        return false;
    out = choice == 0;
    return true;
}

const std::vector<int>& PanelControls()
{
    static const std::vector<int> controls(std::begin(qz::kPanelEnablingControls),
                                           std::end(qz::kPanelEnablingControls));
    return controls;
}

bool RequirePanel(Session& session, int& window, Outcome& error)
{
    if (!session.PluginLoaded()) {
        error = Outcome::Error("no plug-in is loaded (load first)");
        return false;
    }
    if (!session.Ui().qzui_find_window) {
        error = Outcome::Error("the plug-in module has no headless user interface");
        return false;
    }
    window = session.PanelWindow();
    if (!window || session.Ui().qzui_window_visible(window) != 1) {
        error = Outcome::Error("the panel is not open (invoke opens it)");
        return false;
    }
    return true;
}

Outcome UiOutcome(int code, const std::string& what)
{
    switch (code) {
    case QZUI_OK: return Outcome::Done();
    case QZUI_REFUSED: return Outcome::Done(); /* the window said no; that is the user's result */
    case QZUI_E_NO_WINDOW: return Outcome::Error(what + ": the window is gone");
    case QZUI_E_NO_ELEMENT: return Outcome::Error(what + ": no such control");
    case QZUI_E_WRONG_KIND: return Outcome::Error(what + ": the control cannot do that");
    case QZUI_E_DISABLED: return Outcome::Error(what + ": the control is disabled");
    case QZUI_E_RANGE: return Outcome::Error(what + ": out of range");
    default: return Outcome::Error(what + ": failed (" + std::to_string(code) + ")");
    }
}

namespace
{

/* The list's cell columns ("col1", "col2", ...) in cell order, of its
   `count` columns. */
std::vector<int> CellColumns(const UiDriver& ui, int window, int count)
{
    std::vector<std::pair<int, int>> columns; /* cell number, column index */
    columns.reserve(static_cast<size_t>(count > 0 ? count : 0));
    for (int column = 0; column < count; ++column) {
        char identifier[32] = "";
        ui.qzui_table_column_identifier(window, kPanelList, column, identifier, sizeof identifier);
        if (std::strncmp(identifier, "col", 3) == 0)
            columns.emplace_back(std::atoi(identifier + 3), column);
    }
    std::sort(columns.begin(), columns.end());
    std::vector<int> ordered;
    ordered.reserve(columns.size());
    for (const auto& column : columns)
        ordered.push_back(column.second);
    return ordered;
}

std::vector<int> CellColumns(const UiDriver& ui, int window)
{
    return CellColumns(ui, window, ui.qzui_table_column_count(window, kPanelList));
}

/* The rows from one read of every cell (`count` a row, each ended by a zero
   byte); rows past the list's end stay empty, as their cells read. */
void RowsFromTexts(int count, PanelRowsScratch& scratch, std::vector<std::string>& rows)
{
    std::vector<std::pair<const char*, size_t>>& cells = scratch.cells;
    cells.clear();
    const char* const end = scratch.texts.c_str() + scratch.texts.size();
    for (const char* pCell = scratch.texts.c_str(); pCell < end;) {
        const size_t length = std::strlen(pCell);
        cells.emplace_back(pCell, length);
        pCell += length + 1;
    }
    const size_t width = static_cast<size_t>(count > 0 ? count : 1);
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t i = 0; i < scratch.columns.size(); ++i) {
            const size_t cell = row * width + static_cast<size_t>(scratch.columns[i]);
            if (i)
                rows[row] += '|';
            if (cell < cells.size())
                rows[row].append(cells[cell].first, cells[cell].second);
        }
}

std::vector<std::string> RowCells(const UiDriver& ui, int window, int row, const std::vector<int>& columns)
{
    std::vector<std::string> cells;
    for (int column : columns)
        cells.push_back(ui.CellText(window, kPanelList, row, column));
    return cells;
}

} // namespace

std::vector<std::string> PanelRowCells(const Session& session, int window, int row)
{
    return RowCells(session.Ui(), window, row, CellColumns(session.Ui(), window));
}

Outcome AdvancePanelClock(Session& session, long long milliseconds)
{
    if (!session.PluginLoaded() || !session.Ui().qzui_advance_clock)
        return Outcome::Error("no plug-in with a user interface is loaded (load first)");
    session.PluginCall("timers", [&] { session.Ui().qzui_advance_clock(static_cast<uint64_t>(milliseconds)); });
    return Outcome::Done();
}

Outcome LetTimePass(Session& session, long long milliseconds)
{
    const Session::RealTimeWait& wait = session.GetRealTimeWait();
    if (!wait || !session.PluginLoaded() || !session.Ui().qzui_advance_clock)
        return AdvancePanelClock(session, milliseconds); /* which says what is missing */
    wait(milliseconds);
    return Outcome::Done();
}

std::vector<std::string> PanelRows(const Session& session, int window)
{
    PanelRowsScratch scratch;
    std::vector<std::string> rows;
    ReadPanelRows(session, window, scratch, rows);
    return rows;
}

void ReadPanelRows(const Session& session, int window, PanelRowsScratch& scratch, std::vector<std::string>& rows)
{
    const int count = session.Ui().qzui_table_column_count(window, kPanelList);
    if (window != scratch.window || count != scratch.count) {
        scratch.columns = CellColumns(session.Ui(), window, count);
        scratch.window = window;
        scratch.count = count;
    }
    rows.resize(kPanelRows);
    for (std::string& row : rows)
        row.clear();
    if (session.Ui().TableTexts(window, kPanelList, scratch.texts)) {
        RowsFromTexts(count, scratch, rows);
        return;
    }
    for (int row = 0; row < kPanelRows; ++row) {
        std::string& text = rows[static_cast<size_t>(row)];
        for (size_t i = 0; i < scratch.columns.size(); ++i) {
            if (i)
                text += '|';
            session.Ui().AppendCellText(text, window, kPanelList, row, scratch.columns[i]);
        }
    }
}

std::vector<int> EnabledPanelControls(const Session& session, int window)
{
    std::vector<int> enabled;
    for (int tag : PanelControls()) {
        qzui_element info{};
        if (session.Ui().qzui_element_info(window, tag, &info) == QZUI_OK && info.enabled)
            enabled.push_back(tag);
    }
    return enabled;
}

std::string JoinInts(const std::vector<long long>& values, const char* separator)
{
    std::string text;
    for (size_t i = 0; i < values.size(); ++i)
        text += (i ? separator : "") + std::to_string(values[i]);
    return text;
}

std::string YesNoWord(bool value) { return value ? "yes" : "no"; }

Outcome CompareText(const std::string& expected, const std::string& got)
{
    if (expected == got)
        return Outcome::Done();
    return Outcome::Expected(qzscript::Quote(expected), qzscript::Quote(got));
}

Outcome ExpectYesNo(const CommandArguments& args, const char* usage, bool actual)
{
    ArgumentCheck check(args, usage);
    bool expected = false;
    if (!check.Count(1) || !check.YesNo(0, expected))
        return check.Error();
    return expected == actual ? Outcome::Done() : Outcome::Expected(YesNoWord(expected), YesNoWord(actual));
}

Outcome PanelAction(Session& session, const std::string& what,
                    const std::function<int(const UiDriver& ui, int window)>& action)
{
    int window = 0;
    Outcome error;
    if (!RequirePanel(session, window, error))
        return error;
    int result = 0;
    session.PluginCall(what.c_str(), [&] { result = action(session.Ui(), window); });
    return UiOutcome(result, what);
}

std::vector<hostsim_staff_entry> ScoreStaffSet(const Session& session, int number)
{
    const uint16_t item = qz::StaffSetItem(number);
    std::vector<hostsim_staff_entry> entries(session.Host().hostsim_staff_list(item, 0, nullptr, 0));
    entries.resize(session.Host().hostsim_staff_list(item, 0, entries.data(), entries.size()));
    return entries;
}

Outcome ExpectStaffSetField(Session& session, const CommandArguments& args, const char* usage, long long min,
                            long long max, StaffEntryField field)
{
    ArgumentCheck check(args, usage);
    long long number = 0;
    std::string text, problem;
    std::vector<long long> expected;
    if (!check.Count(2) || !check.Integer(0, 1, 8, number) || !check.Text(1, text))
        return check.Error();
    if (!qzscript::ParseIntegerList(text, min, max, expected, problem))
        return Outcome::Error(problem);
    if (!session.Host().hostsim_current_document())
        return Outcome::Error("no document is open");
    std::vector<long long> got;
    for (const hostsim_staff_entry& entry : ScoreStaffSet(session, static_cast<int>(number)))
        got.push_back(field(entry));
    return CompareText(JoinInts(expected, ","), JoinInts(got, ","));
}
