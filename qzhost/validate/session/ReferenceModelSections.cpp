/* The reference model's third row: staff sets from the score's groups, and
   templates that the session saves and applies again. */

#include "qzhost/validate/session/ReferenceModel.h"

#include <algorithm>

namespace
{
constexpr int kYes = 2;
constexpr int kCancel = 1;
using PlannedSets = std::vector<std::pair<int, std::vector<ModelEntry>>>;

int IndexOf(const std::vector<ModelEntry>& list, int staff)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].staff == staff)
            return static_cast<int>(i);
    return -1;
}

/* True when group a lies inside group b (of two alike, the later one). */
bool Inside(const ModelGroup& a, size_t indexA, const ModelGroup& b, size_t indexB)
{
    if (indexA == indexB || b.first > a.first || b.last < a.last)
        return false;
    return b.first != a.first || b.last != a.last || indexB < indexA;
}

std::vector<int> Staves(const std::vector<ModelEntry>& list)
{
    std::vector<int> staves;
    for (const ModelEntry& entry : list)
        staves.push_back(entry.staff);
    return staves;
}
} // namespace

bool ReferenceModel::AskFile(std::string& path, StepPrediction& out)
{
    if (_answers.empty()) {
        out.error = true; /* a file dialog without an answer is cancelled */
        return false;
    }
    const Answer answer = _answers.front();
    _answers.pop_front();
    if (answer.code == kFileAnswer) {
        path = answer.path;
        return true;
    }
    out.error = answer.code != kCancel;
    return false;
}

void ReferenceModel::WriteSets(const PlannedSets& sets, const std::vector<std::string>& names, StepPrediction& out)
{
    const ModelDocument before = _doc;
    bool lost = false;
    for (size_t i = 0; i < sets.size(); ++i) {
        const int n = sets[i].first;
        _doc.sets[static_cast<size_t>(n - 1)] = sets[i].second;
        const int item = _doc.NameItem(n, _category);
        if (names[i].empty())
            _doc.names.erase(item);
        else if (_category)
            _doc.names[item ? item : _doc.NextExpressionItem()] = ModelNameExpression{n, names[i]};
        else
            lost = true;
    }
    if (lost)
        AskAlert("Category doesn't exist", false, out);
    RunHandlerResult(true, before, out);
    RefreshAll();
}

void ReferenceModel::FromGroups(StepPrediction& out)
{
    if (_groups.empty()) {
        AskAlert("No Staff Groups", false, out);
        return;
    }
    std::vector<size_t> order;
    for (int pass = 0; pass < 2; ++pass)
        for (int first = 0; first < static_cast<int>(_score.size()); ++first)
            for (size_t g = 0; g < _groups.size(); ++g) {
                if (_groups[g].first != first)
                    continue;
                bool inner = false;
                for (size_t other = 0; other < _groups.size(); ++other)
                    inner = inner || Inside(_groups[g], g, _groups[other], other);
                if (inner == (pass == 1))
                    order.push_back(g);
            }
    std::vector<std::vector<int>> held;
    for (const auto& set : _doc.sets)
        held.push_back(Staves(set));
    PlannedSets sets;
    std::vector<std::string> names;
    int skipped = 0, unplaced = 0;
    for (size_t g : order) {
        const ModelGroup& group = _groups[g];
        std::vector<ModelEntry> list;
        for (int index = group.first; index <= group.last; ++index) {
            const ModelEntry& staff = _score[static_cast<size_t>(index)];
            list.push_back(
                ModelEntry{staff.staff, staff.distance - _score[static_cast<size_t>(group.first)].distance, 100});
        }
        if (std::find(held.begin(), held.end(), Staves(list)) != held.end()) {
            ++skipped;
            continue;
        }
        const auto free = std::find_if(held.begin(), held.end(), [](const std::vector<int>& s) { return s.empty(); });
        if (free == held.end()) {
            ++unplaced;
            continue;
        }
        *free = Staves(list);
        sets.emplace_back(static_cast<int>(free - held.begin()) + 1, list);
        names.push_back(group.name);
    }
    if (skipped == static_cast<int>(_groups.size())) {
        AskAlert("Nothing to Create", false, out);
        return;
    }
    if (sets.empty()) {
        AskAlert("No Free Staff Set", false, out);
        return;
    }
    WriteSets(sets, names, out);
    if (unplaced > 0)
        AskAlert("Staff Sets Created", false, out);
}

void ReferenceModel::SaveTemplate(StepPrediction& out)
{
    /* The button may still be enabled after the last set went: nothing is asked. */
    bool any = false;
    for (int n = 1; n <= 8; ++n)
        any = any || _doc.Exists(n);
    std::string path;
    if (!any || !AskFile(path, out))
        return;
    std::vector<ModelTemplateSet> saved;
    for (int n = 1; n <= 8; ++n) {
        if (!_doc.Exists(n))
            continue;
        ModelTemplateSet set;
        set.number = n;
        set.name = _doc.Name(n, _category);
        for (const ModelEntry& entry : _doc.sets[static_cast<size_t>(n - 1)]) {
            const auto texts = _staffTexts.find(entry.staff);
            set.staves.push_back(ModelTemplateSet::Staff{texts != _staffTexts.end() ? texts->second : ModelStaffTexts(),
                                                         entry.distance, entry.resize});
        }
        saved.push_back(set);
    }
    _templates[path] = saved;
}

PlannedSets ReferenceModel::MatchTemplate(const std::vector<ModelTemplateSet>& sets, int& missing) const
{
    PlannedSets planned;
    missing = 0;
    for (const ModelTemplateSet& set : sets) {
        std::vector<ModelEntry> list;
        std::vector<bool> found;
        for (size_t i = 0; i < set.staves.size(); ++i) {
            const ModelTemplateSet::Staff& wanted = set.staves[i];
            int k = 0;
            for (size_t j = 0; j < i; ++j)
                k += set.staves[j].names.full == wanted.names.full;
            const auto match = [&](bool full, int skip) {
                const std::string& text = full ? wanted.names.full : wanted.names.abbreviated;
                for (const ModelEntry& staff : _score) {
                    const auto texts = _staffTexts.find(staff.staff);
                    if (text.empty() || texts == _staffTexts.end() || IndexOf(list, staff.staff) >= 0 ||
                        (full ? texts->second.full : texts->second.abbreviated) != text)
                        continue;
                    if (skip-- == 0)
                        return staff.staff;
                }
                return 0;
            };
            int staff = match(true, k);
            if (!staff)
                staff = match(false, 0);
            list.push_back(ModelEntry{staff, wanted.distance, wanted.resize});
        }
        /* Staves left out close their gaps, top to bottom. */
        for (size_t i = 0; i < list.size();) {
            if (list[i].staff) {
                ++i;
                continue;
            }
            ++missing;
            const int32_t shift = i >= 1             ? list[i - 1].distance - list[i].distance
                                  : list.size() >= 2 ? list[i].distance - list[1].distance
                                                     : 0;
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
            for (size_t j = i; j < list.size(); ++j)
                list[j].distance += shift;
        }
        if (!list.empty())
            planned.emplace_back(set.number, list);
    }
    return planned;
}

bool ReferenceModel::WouldAskApply(const std::string& path) const
{
    const auto found = _templates.find(path);
    if (found == _templates.end())
        return false;
    int missing = 0;
    for (const auto& set : MatchTemplate(found->second, missing))
        if (_doc.Exists(set.first))
            return true;
    return false;
}

void ReferenceModel::ApplyTemplate(StepPrediction& out)
{
    std::string path;
    if (!AskFile(path, out))
        return;
    const auto found = _templates.find(path);
    if (found == _templates.end()) {
        AskAlert("Template Not Read", false, out);
        return;
    }
    int missing = 0;
    const PlannedSets sets = MatchTemplate(found->second, missing);
    if (WouldAskApply(path) && AskAlert("Replace Staff Sets?", true, out) != kYes)
        return;
    std::vector<std::string> names;
    bool held = true;
    for (const auto& set : sets)
        for (const ModelTemplateSet& saved : found->second)
            if (saved.number == set.first) {
                names.push_back(saved.name);
                held = held && _doc.sets[static_cast<size_t>(set.first - 1)] == set.second &&
                       (!_category || _doc.Name(set.first, _category) == saved.name);
            }
    if (!sets.empty() && !held)
        WriteSets(sets, names, out);
    if (missing > 0)
        AskAlert("Staves Not Found", false, out);
}
