/* Staff sets made in one go by FCStaffSetPanelHandler: from the score's
   staff groups, and from a template saved on another score. Each is planned
   first, reading only, so that the panel can ask and tell the user before
   the handler writes the plan in one host edit. */

#include <algorithm>
#include <memory>

#include "document/FCGroup.h"
#include "document/FCPart.h"
#include "document/FCStaff.h"
#include "document/FCSystemStaff.h"
#include "document/FCSystemStaves.h"
#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "staffsetpanel/QZStaffSetTemplate.h"

namespace
{
using PlannedStaff = FCStaffSetPanelHandler::PlannedStaff;
using PlannedStaffSet = FCStaffSetPanelHandler::PlannedStaffSet;

std::string Text(FCString& string)
{
    const char* text = string.GetUTF8String();
    return text ? text : "";
}

/* The text of a string that the caller hands over. */
std::string Utf8(FCString* pString)
{
    std::unique_ptr<FCString> owned(pString);
    return owned ? Text(*owned) : "";
}

/* A staff of the score's staff list: its place, names and distance. */
struct ScoreStaff
{
    int16_t staff;
    int32_t distance;
    std::string fullName;
    std::string abbreviatedName;
};

/* The score's staff list with the staves' names (the score is current). */
std::vector<ScoreStaff> ReadScoreStaves()
{
    FCSystemStaves list;
    list.LoadAllForItem(0);
    std::vector<ScoreStaff> staves;
    for (int index = 0; index < list.GetCount(); ++index) {
        const FCSystemStaff* pEntry = list.GetItemAt(index);
        ScoreStaff staff{pEntry->GetStaff(), pEntry->GetDistance(), "", ""};
        FCStaff record;
        if (record.Load(static_cast<uint16_t>(staff.staff))) {
            staff.fullName = Utf8(record.CreateFullNameString());
            staff.abbreviatedName = Utf8(record.CreateAbbreviatedNameString());
        }
        staves.push_back(staff);
    }
    return staves;
}

/* The staves of staff sets 1 to 8 (index n; empty for a free one). */
std::vector<std::vector<int16_t>> ReadStaffSetStaves()
{
    std::vector<std::vector<int16_t>> sets(FCStaffSetPanelHandler::kLastStaffSet + 1);
    for (int n = FCStaffSetPanelHandler::kFirstStaffSet; n <= FCStaffSetPanelHandler::kLastStaffSet; ++n) {
        FCSystemStaves list;
        list.LoadAllForItem(FCStaffSetPanelHandler::_StaffSetItem(n));
        for (int index = 0; index < list.GetCount(); ++index)
            sets[n].push_back(list.GetItemAt(index)->GetStaff());
    }
    return sets;
}

int IndexOfStaff(const std::vector<ScoreStaff>& score, int16_t staff)
{
    for (size_t index = 0; index < score.size(); ++index)
        if (score[index].staff == staff)
            return static_cast<int>(index);
    return -1;
}

/* A group of two or more staves, as indexes of the score's staff list. */
struct ScoreGroup
{
    int first;
    int last;
    std::string name;
    bool outermost;
};

/* The score's groups of two or more staves, in record order. */
std::vector<ScoreGroup> ReadGroups(const std::vector<ScoreStaff>& score)
{
    std::vector<ScoreGroup> groups;
    FCGroup group;
    for (bool loaded = group.LoadFirst(); loaded; loaded = group.LoadNext()) {
        if (group.CalcStaffSpan() < 2)
            continue;
        int first = IndexOfStaff(score, group.GetStartStaff());
        int last = IndexOfStaff(score, group.GetEndStaff());
        /* The score's list as read here may lack a staff the group names. */
        if (first < 0 || last < 0)
            continue;
        if (first > last)
            std::swap(first, last);
        groups.push_back(ScoreGroup{first, last, Utf8(group.CreateFullNameString()), true});
    }
    return groups;
}

/* Marks the groups that another group contains (of two with the same
   staves, the later one), then orders them: the outermost first, each part
   in the score order of the top staff. */
void OrderGroups(std::vector<ScoreGroup>* pGroups)
{
    std::vector<ScoreGroup>& groups = *pGroups;
    for (size_t inner = 0; inner < groups.size(); ++inner)
        for (size_t outer = 0; outer < groups.size(); ++outer) {
            if (outer == inner || groups[outer].first > groups[inner].first || groups[outer].last < groups[inner].last)
                continue;
            const bool same = groups[outer].first == groups[inner].first && groups[outer].last == groups[inner].last;
            if (!same || outer < inner)
                groups[inner].outermost = false;
        }
    std::stable_sort(groups.begin(), groups.end(), [](const ScoreGroup& a, const ScoreGroup& b) {
        if (a.outermost != b.outermost)
            return a.outermost;
        return a.first < b.first;
    });
}

/* The staff set of a group: its staves in score order, distances relative
   to its top staff, no resize. */
PlannedStaffSet GroupStaffSet(const ScoreGroup& group, const std::vector<ScoreStaff>& score)
{
    PlannedStaffSet set;
    set.name = group.name;
    const int32_t top = score[static_cast<size_t>(group.first)].distance;
    for (int index = group.first; index <= group.last; ++index) {
        const ScoreStaff& staff = score[static_cast<size_t>(index)];
        set.staves.push_back(PlannedStaff{staff.staff, staff.distance - top, FCSystemStaff::kNoResize});
    }
    return set;
}

std::vector<int16_t> StavesOf(const PlannedStaffSet& set)
{
    std::vector<int16_t> staves;
    for (const PlannedStaff& staff : set.staves)
        staves.push_back(staff.staff);
    return staves;
}

/* The score staff for a template staff: the k-th (from 0) staff whose name
   (taken by pName) equals the text and that the set does not hold yet; -1
   when there is none. */
template <class Name>
int16_t FindByName(const std::vector<ScoreStaff>& score, const std::string& text, int k,
                   const std::vector<int16_t>& taken, Name name)
{
    if (text.empty())
        return -1;
    for (const ScoreStaff& staff : score) {
        if (name(staff) != text || std::find(taken.begin(), taken.end(), staff.staff) != taken.end())
            continue;
        if (k-- == 0)
            return staff.staff;
    }
    return -1;
}

/* The k-th occurrence (from 0) of the staff's full name in the template's
   set before it. */
int Occurrence(const QZStaffSetTemplate::StaffSet& set, size_t index)
{
    int k = 0;
    for (size_t before = 0; before < index; ++before)
        k += set.staves[before].fullName == set.staves[index].fullName;
    return k;
}

} // namespace

void FCStaffSetPanelHandler::PlanFromGroups(GroupsPlan* pPlan)
{
    if (!pPlan)
        return;
    *pPlan = GroupsPlan();
    _InScore([&] {
        const std::vector<ScoreStaff> score = ReadScoreStaves();
        std::vector<ScoreGroup> groups = ReadGroups(score);
        OrderGroups(&groups);
        std::vector<std::vector<int16_t>> held = ReadStaffSetStaves();
        pPlan->groups = static_cast<int>(groups.size());
        int next = kFirstStaffSet;
        for (const ScoreGroup& group : groups) {
            PlannedStaffSet set = GroupStaffSet(group, score);
            const std::vector<int16_t> staves = StavesOf(set);
            if (std::find(held.begin(), held.end(), staves) != held.end()) {
                ++pPlan->skipped;
                continue;
            }
            while (next <= kLastStaffSet && !held[static_cast<size_t>(next)].empty())
                ++next;
            if (next > kLastStaffSet) {
                ++pPlan->unplaced;
                continue;
            }
            set.number = next;
            held[static_cast<size_t>(next)] = staves;
            pPlan->sets.push_back(set);
        }
        return true;
    });
}

void FCStaffSetPanelHandler::PlanTemplate(const QZStaffSetTemplate& source, TemplatePlan* pPlan)
{
    if (!pPlan)
        return;
    *pPlan = TemplatePlan();
    _InScore([&] {
        const std::vector<ScoreStaff> score = ReadScoreStaves();
        for (const QZStaffSetTemplate::StaffSet& model : source.GetStaffSets()) {
            PlannedStaffSet set;
            set.number = model.number;
            set.name = model.name;
            std::vector<int16_t> taken;
            for (size_t index = 0; index < model.staves.size(); ++index) {
                const QZStaffSetTemplate::Staff& wanted = model.staves[index];
                int16_t staff = FindByName(score, wanted.fullName, Occurrence(model, index), taken,
                                           [](const ScoreStaff& s) { return s.fullName; });
                if (staff < 0)
                    staff = FindByName(score, wanted.abbreviatedName, 0, taken,
                                       [](const ScoreStaff& s) { return s.abbreviatedName; });
                /* A staff left out is kept as staff 0 until its gap is closed. */
                set.staves.push_back(PlannedStaff{std::max<int16_t>(staff, 0), wanted.distance, wanted.resize});
                if (staff > 0)
                    taken.push_back(staff);
                else
                    pPlan->missing.push_back((wanted.fullName.empty() ? wanted.abbreviatedName : wanted.fullName) +
                                             " (staff set " + std::to_string(model.number) + ")");
            }
            for (size_t index = set.staves.size(); index-- > 0;) {
                if (set.staves[index].staff != 0)
                    continue;
                const int32_t removed = set.staves[index].distance;
                const int32_t* pAbove = index >= 1 ? &set.staves[index - 1].distance : nullptr;
                const int32_t* pNewTop = index == 0 && set.staves.size() >= 2 ? &set.staves[1].distance : nullptr;
                const int32_t shift = _ClosingShift(removed, pAbove, pNewTop);
                set.staves.erase(set.staves.begin() + static_cast<std::ptrdiff_t>(index));
                for (size_t below = index; below < set.staves.size(); ++below)
                    set.staves[below].distance += shift;
            }
            if (!set.staves.empty())
                pPlan->sets.push_back(set);
        }
        return true;
    });
}

void FCStaffSetPanelHandler::ReadTemplate(QZStaffSetTemplate* pTemplate)
{
    if (!pTemplate)
        return;
    pTemplate->GetStaffSets().clear();
    FCString names[kLastStaffSet + 1];
    GetStoredNames(names);
    _InScore([&] {
        const std::vector<ScoreStaff> score = ReadScoreStaves();
        for (int n = kFirstStaffSet; n <= kLastStaffSet; ++n) {
            FCSystemStaves list;
            if (list.LoadAllForItem(_StaffSetItem(n)) < 1)
                continue;
            QZStaffSetTemplate::StaffSet set;
            set.number = n;
            set.name = Text(names[n]);
            for (int index = 0; index < list.GetCount(); ++index) {
                const FCSystemStaff* pEntry = list.GetItemAt(index);
                QZStaffSetTemplate::Staff staff;
                const int found = IndexOfStaff(score, pEntry->GetStaff());
                if (found >= 0) {
                    staff.fullName = score[static_cast<size_t>(found)].fullName;
                    staff.abbreviatedName = score[static_cast<size_t>(found)].abbreviatedName;
                }
                staff.distance = pEntry->GetDistance();
                staff.resize = pEntry->GetResize();
                set.staves.push_back(staff);
            }
            pTemplate->GetStaffSets().push_back(set);
        }
        return true;
    });
}

bool FCStaffSetPanelHandler::WritePlannedStaffSets(const std::vector<PlannedStaffSet>& sets)
{
    if (sets.empty())
        return false;
    const bool named = FindSpecialCategoryID() != -1;
    bool nameLost = false;
    for (const PlannedStaffSet& set : sets) {
        if (!_IsValidStaffSet(set.number) || set.staves.empty())
            return false;
        FCSystemStaves list;
        for (const PlannedStaff& staff : set.staves) {
            FCSystemStaff* pEntry = new FCSystemStaff();
            pEntry->SetStaff(staff.staff);
            pEntry->SetDistance(staff.distance);
            pEntry->SetResize(staff.resize);
            list.Add(pEntry);
        }
        if (!_InScore([&] { return _WriteStaffSet(&list, set.number); }))
            return false;
        FCString name;
        name.SetUTF8String(set.name.c_str());
        nameLost = nameLost || (!named && !name.IsEmpty());
        const bool stored =
            name.IsEmpty() || !named ? DeleteStaffSetName(set.number) : SaveStaffSetName(&name, set.number);
        if (!stored)
            return false;
    }
    if (nameLost)
        AssureCategory();
    return true;
}

bool FCStaffSetPanelHandler::_HoldsPlannedStaffSets(const std::vector<PlannedStaffSet>& sets)
{
    /* Without the category no name is stored, and none is lost again. */
    const bool named = FindSpecialCategoryID() != -1;
    FCString names[kLastStaffSet + 1];
    GetStoredNames(names);
    for (const PlannedStaffSet& set : sets) {
        if (!_IsValidStaffSet(set.number) || (named && set.name != Text(names[set.number])))
            return false;
        const bool same = _InScore([&] {
            FCSystemStaves stored;
            if (stored.LoadAllForItem(_StaffSetItem(set.number)) != static_cast<int>(set.staves.size()))
                return false;
            for (size_t index = 0; index < set.staves.size(); ++index) {
                const FCSystemStaff* pEntry = stored.GetItemAt(static_cast<int>(index));
                const PlannedStaff& planned = set.staves[index];
                if (pEntry->GetStaff() != planned.staff || pEntry->GetDistance() != planned.distance ||
                    pEntry->GetResize() != planned.resize)
                    return false;
            }
            return true;
        });
        if (!same)
            return false;
    }
    return true;
}
