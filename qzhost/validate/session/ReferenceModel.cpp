#include "qzhost/validate/session/ReferenceModel.h"

#include "common/qz_staffset_panel.h"

#include <algorithm>
#include <charconv>

namespace
{

constexpr int32_t kStaffStep = 288;
/* Answer codes of alerts, as the session gives them. */
constexpr int kOK = 0;
constexpr int kYes = 2;
constexpr int kNo = 3;

int IndexOf(const std::vector<ModelEntry>& list, int staff)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].staff == staff)
            return static_cast<int>(i);
    return -1;
}

bool Contains(const std::vector<int>& values, int value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

/* A row as the panel shows it: number, name, count, top and bottom staff. */
/* Appends a number's digits without a text of its own. */
void AppendNumber(std::string& text, int number)
{
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    text.append(digits, end.ptr);
}

void AppendRowText(std::string& text, int row, const ModelRow& shown)
{
    if (row == 0)
        text += '-';
    else
        AppendNumber(text, row);
    text += '|';
    text += shown.name;
    text += '|';
    if (shown.count < 1)
        text += '-';
    else
        AppendNumber(text, shown.count);
    text += '|';
    text += shown.top;
    text += '|';
    text += shown.bottom;
}

std::string RowText(int row, const ModelRow& shown)
{
    std::string text;
    AppendRowText(text, row, shown);
    return text;
}

} // namespace

int ModelDocument::NameItem(int n, bool categoryExists) const
{
    if (!categoryExists)
        return 0;
    /* In item order; gaps in the numbering are stepped over, so that deleting
       one name never hides the names stored after it. */
    for (const auto& expression : names)
        if (expression.second.staffSet == n)
            return expression.first;
    return 0;
}

std::string ModelDocument::Name(int n, bool categoryExists) const
{
    const int item = NameItem(n, categoryExists);
    return item ? names.at(item).name : std::string();
}

int ModelDocument::NextExpressionItem() const
{
    int highest = names.empty() ? 0 : names.rbegin()->first;
    for (int item : otherExpressions)
        highest = std::max(highest, item);
    return highest + 1;
}

ReferenceModel::ReferenceModel(const std::vector<ModelEntry>& score, const std::map<int, std::string>& names,
                               bool categoryExists, const ModelDocument& start)
    : _score(score), _staffNames(names), _category(categoryExists), _doc(start)
{
}

std::string ReferenceModel::Trim(const std::string& text)
{
    const char* const blanks = " \r\n\t";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

int ReferenceModel::ScoreIndex(int staff) const { return IndexOf(_score, staff); }

std::vector<int> ReferenceModel::Parts() const
{
    std::vector<int> parts = {0};
    for (const auto& part : _parts)
        parts.push_back(part.first);
    return parts;
}

int ReferenceModel::Count(int row) const
{
    return row == 0 ? static_cast<int>(_score.size()) : static_cast<int>(_doc.sets[row - 1].size());
}

ModelRow ReferenceModel::Render(int row) const
{
    ModelRow shown;
    shown.count = Count(row);
    if (row == 0) {
        shown.name = "All Staves";
        return shown;
    }
    if (!_doc.Exists(row)) {
        shown.name = shown.top = shown.bottom = "-";
        return shown;
    }
    const std::string name = _doc.Name(row, _category);
    shown.name = name.empty() ? "(No Name)" : name;
    const auto staffName = [this](int staff) {
        const auto found = _staffNames.find(staff);
        return found != _staffNames.end() && !found->second.empty() ? found->second : "Staff #" + std::to_string(staff);
    };
    shown.top = staffName(_doc.sets[row - 1].front().staff);
    shown.bottom = staffName(_doc.sets[row - 1].back().staff);
    return shown;
}

std::string ReferenceModel::ShownRow(int row) const { return RowText(row, _shown[static_cast<size_t>(row)]); }

void ReferenceModel::ShownRowInto(int row, std::string& text) const
{
    text.clear();
    AppendRowText(text, row, _shown[static_cast<size_t>(row)]);
}

std::string ReferenceModel::FreshRow(int row) const { return RowText(row, Render(row)); }

void ReferenceModel::RefreshAll()
{
    for (int row = 0; row < 9; ++row)
        _shown[static_cast<size_t>(row)] = Render(row);
}

void ReferenceModel::RefreshWhenCountsDiffer()
{
    for (int row = 0; row < 9; ++row)
        if (_shown[static_cast<size_t>(row)].count != Count(row)) {
            RefreshAll();
            return;
        }
}

void ReferenceModel::Invoke()
{
    _open = true;
    _clock = 0;
    RefreshAll();
}

void ReferenceModel::Wait(long long milliseconds)
{
    if (!_open)
        return;
    const long long ticks = (_clock + milliseconds) / 200 - _clock / 200;
    _clock += milliseconds;
    if (ticks > 0)
        RefreshWhenCountsDiffer();
}

void ReferenceModel::Commit(const ModelDocument& before)
{
    _undo.emplace_back(before, _doc);
    _redo.clear();
}

StepPrediction ReferenceModel::Undo()
{
    StepPrediction out;
    if (_undo.empty()) {
        out.error = true;
        return out;
    }
    _doc = _undo.back().first;
    _redo.push_back(_undo.back());
    _undo.pop_back();
    return out;
}

StepPrediction ReferenceModel::Redo()
{
    StepPrediction out;
    if (_redo.empty()) {
        out.error = true;
        return out;
    }
    _doc = _redo.back().second;
    _undo.push_back(_redo.back());
    _redo.pop_back();
    return out;
}

int ReferenceModel::AskAlert(const std::string& title, bool yesNo, StepPrediction& out)
{
    out.alerts.push_back(title);
    _alertLog.push_back(title);
    const int byDefault = yesNo ? kYes : kOK;
    if (_answers.empty())
        return byDefault;
    const int answer = _answers.front().code;
    _answers.pop_front();
    const bool fits = yesNo ? (answer == kYes || answer == kNo) : answer == kOK;
    if (!fits) {
        out.error = true; /* the alert has no such button: its default answers */
        return byDefault;
    }
    return answer;
}

std::vector<int> ReferenceModel::SelectedStaves() const
{
    std::vector<int> staves;
    /* A selection made in another part may reach past this part's staves:
       slots without a staff are left out. */
    for (int slot = _selection.first; slot >= 1 && slot <= std::min(_selection.last, SlotCount()); ++slot)
        staves.push_back(PartList()[static_cast<size_t>(slot - 1)].staff);
    return staves;
}

bool ReferenceModel::StoreName(ModelDocument& doc, int n, const std::string& name, StepPrediction& out)
{
    const int item = doc.NameItem(n, _category);
    if (name.empty()) {
        doc.names.erase(item);
        return true;
    }
    if (!_category) {
        AskAlert("Category doesn't exist", false, out);
        return false;
    }
    doc.names[item ? item : doc.NextExpressionItem()] = ModelNameExpression{n, name};
    return true;
}

std::vector<ModelEntry> ReferenceModel::RegionList() const
{
    /* The region's own staff list: the current part's. */
    const std::vector<ModelEntry>& region = PartList();
    const int last = std::min(_selection.last, SlotCount());
    std::vector<ModelEntry> list;
    if (_selection.first > last)
        return list; /* no staff at any selected slot */
    const int32_t top = region[static_cast<size_t>(_selection.first - 1)].distance;
    for (int slot = _selection.first; slot <= last; ++slot) {
        const ModelEntry& staff = region[static_cast<size_t>(slot - 1)];
        list.push_back(ModelEntry{staff.staff, staff.distance - top, 100});
    }
    return list;
}

bool ReferenceModel::Create(ModelDocument& doc, int n, const std::string& name, StepPrediction& out)
{
    const std::vector<ModelEntry> list = RegionList();
    if (list.empty())
        return false;
    /* Made again as it is, the set changes nothing. */
    if (doc.sets[static_cast<size_t>(n - 1)] == list && doc.Name(n, _category) == name)
        return false;
    doc.sets[static_cast<size_t>(n - 1)] = list;
    return StoreName(doc, n, name, out);
}

bool ReferenceModel::AddStaves(ModelDocument& doc, int n) const
{
    std::vector<ModelEntry> set = doc.sets[static_cast<size_t>(n - 1)];
    if (set.empty())
        return false;
    bool changed = false;
    for (int staff : SelectedStaves()) {
        if (IndexOf(set, staff) >= 0)
            continue;
        const int position = ScoreIndex(staff);
        if (position < 0)
            return false;
        int anchor = -1;
        for (size_t i = static_cast<size_t>(position); i < _score.size() && anchor < 0; ++i)
            anchor = IndexOf(set, _score[i].staff);
        ModelEntry entry{staff, 0, 100};
        if (anchor < 0) {
            entry.distance = set.back().distance - kStaffStep;
            set.push_back(entry);
        }
        else {
            const size_t at = static_cast<size_t>(anchor);
            entry.distance = at >= 1 ? set[at - 1].distance - kStaffStep : 0;
            set.insert(set.begin() + anchor, entry);
            for (size_t i = at + 1; i < set.size(); ++i)
                set[i].distance -= kStaffStep;
        }
        changed = true;
    }
    if (changed)
        doc.sets[static_cast<size_t>(n - 1)] = set;
    return changed;
}

bool ReferenceModel::RemoveStaves(ModelDocument& doc, int n) const
{
    std::vector<ModelEntry> set = doc.sets[static_cast<size_t>(n - 1)];
    bool changed = false;
    for (int staff : SelectedStaves()) {
        const int found = IndexOf(set, staff);
        if (found < 0)
            continue;
        const size_t j = static_cast<size_t>(found);
        const int32_t distance = set[j].distance;
        int32_t shift = -distance;
        if (j >= 1)
            shift = set[j - 1].distance - distance;
        else if (set.size() >= 2)
            shift = -(distance + set[1].distance);
        set.erase(set.begin() + found);
        for (size_t i = j; i < set.size(); ++i)
            set[i].distance += shift;
        changed = true;
    }
    if (!changed)
        return false;
    doc.sets[static_cast<size_t>(n - 1)] = set;
    if (set.empty())
        doc.names.erase(doc.NameItem(n, _category));
    return true;
}

void ReferenceModel::Swap(ModelDocument& doc, int a, int b) const
{
    const int itemA = doc.NameItem(a, _category);
    const int itemB = doc.NameItem(b, _category);
    if (itemA)
        doc.names[itemA].staffSet = b;
    if (itemB)
        doc.names[itemB].staffSet = a;
    std::swap(doc.sets[static_cast<size_t>(a - 1)], doc.sets[static_cast<size_t>(b - 1)]);
}

void ReferenceModel::Delete(ModelDocument& doc, int n) const
{
    doc.names.erase(doc.NameItem(n, _category));
    doc.sets[static_cast<size_t>(n - 1)].clear();
}

bool ReferenceModel::WouldAsk(int control, const PanelInputs& inputs) const
{
    if (!_open || !Contains(inputs.enabled, control) || inputs.row < 1 || !_doc.Exists(inputs.row))
        return false;
    return control == qz::kPanelDelete || (control == qz::kPanelCreate && HasSelection());
}

void ReferenceModel::RunHandlerResult(bool ok, const ModelDocument& before, StepPrediction& out)
{
    if (ok) {
        Commit(before);
        out.committed = true;
    }
    else {
        _doc = before; /* the host cancels the edit */
    }
}

StepPrediction ReferenceModel::Press(int control, const PanelInputs& inputs)
{
    StepPrediction out;
    if (!_open || !Contains(inputs.enabled, control)) {
        out.error = true;
        return out;
    }
    const int row = inputs.row;
    const bool exists = _doc.Exists(row);
    const ModelDocument before = _doc;
    const auto updateRow = [this, row] {
        const ModelRow fresh = Render(row);
        ModelRow& shown = _shown[static_cast<size_t>(row)];
        shown.name = fresh.name;
        shown.top = fresh.top;
        shown.bottom = fresh.bottom;
    };
    switch (control) {
    case qz::kPanelSetName:
        /* Storing the name held (none for a set without one) changes nothing. */
        if (row < 1 || !exists || _doc.Name(row, _category) == Trim(inputs.edit))
            break;
        RunHandlerResult(StoreName(_doc, row, Trim(inputs.edit), out), before, out);
        if (out.committed)
            updateRow();
        break;
    case qz::kPanelCreate:
        if (!HasSelection()) {
            AskAlert("No Region Selected", false, out);
            break;
        }
        if (row < 1) {
            AskAlert("No Staff Set Selection", false, out);
            break;
        }
        if (exists && AskAlert("Replace Current Staff Set?", true, out) != kYes)
            break;
        RunHandlerResult(Create(_doc, row, Trim(inputs.edit), out), before, out);
        if (out.committed)
            updateRow();
        break;
    case qz::kPanelAddStaves:
    case qz::kPanelRemoveStaves:
        if (!HasSelection() || row < 1 || !exists)
            break;
        RunHandlerResult(control == qz::kPanelAddStaves ? AddStaves(_doc, row) : RemoveStaves(_doc, row), before, out);
        if (out.committed)
            updateRow();
        else
            out.beeps = 1;
        break;
    case qz::kPanelMoveUp:
    case qz::kPanelMoveDown:
        if (!exists || (control == qz::kPanelMoveUp && row < 2) || (control == qz::kPanelMoveDown && row > 7))
            break;
        Swap(_doc, row, control == qz::kPanelMoveUp ? row - 1 : row + 1);
        RunHandlerResult(true, before, out);
        RefreshAll();
        break;
    case qz::kPanelFromGroups: FromGroups(out); break;
    case qz::kPanelSaveTemplate: SaveTemplate(out); break;
    case qz::kPanelApplyTemplate: ApplyTemplate(out); break;
    case qz::kPanelDelete:
        if (row < 1 || !exists || AskAlert("Delete Staff Set?", true, out) != kYes)
            break;
        Delete(_doc, row);
        RunHandlerResult(true, before, out);
        RefreshAll();
        break;
    default: break;
    }
    _beeps += out.beeps;
    return out;
}
