#include "qzhost/window/ScoreModel.h"

#include <algorithm>

namespace
{

std::string StepTitle(const char* verb, size_t steps, const std::string& name)
{
    return steps == 0 || name.empty() ? std::string(verb) : std::string(verb) + " " + name;
}

} // namespace

bool ScoreModel::operator==(const ScoreModel& other) const
{
    return documentOpen == other.documentOpen && displayedStaffSet == other.displayedStaffSet && rows == other.rows &&
           brackets == other.brackets && measures == other.measures && selection == other.selection &&
           staffSets == other.staffSets && undoSteps == other.undoSteps && redoSteps == other.redoSteps &&
           undoName == other.undoName && redoName == other.redoName && pluginEntry == other.pluginEntry;
}

void ScoreModel::PlaceBrackets(const std::vector<StaffGroup>& groups)
{
    brackets.clear();
    for (const StaffGroup& group : groups) {
        if (group.bracket == 0)
            continue;
        ScoreBracket bracket;
        bool found = false;
        for (size_t row = 0; row < rows.size(); ++row) {
            if (std::find(group.staves.begin(), group.staves.end(), rows[row].staff) == group.staves.end())
                continue;
            bracket.firstRow = found ? bracket.firstRow : row;
            bracket.lastRow = row;
            found = true;
        }
        bracket.style = group.bracket;
        if (found)
            brackets.push_back(bracket);
    }
    for (size_t i = 0; i < brackets.size(); ++i)
        for (size_t j = 0; j < brackets.size(); ++j) {
            const bool encloses =
                brackets[j].firstRow <= brackets[i].firstRow && brackets[j].lastRow >= brackets[i].lastRow;
            const bool same =
                brackets[j].firstRow == brackets[i].firstRow && brackets[j].lastRow == brackets[i].lastRow;
            if (i != j && encloses && (!same || j < i))
                ++brackets[i].level;
        }
}

std::string ScoreModel::Title() const
{
    if (!documentOpen)
        return "Score: no document";
    return displayedStaffSet == 0 ? "Score: all staves" : "Score: staff set " + std::to_string(displayedStaffSet);
}

bool ScoreModel::Selected(size_t row, int measure) const
{
    if (selection.Empty() || row >= rows.size() || rows[row].slot == 0)
        return false;
    const int slot = rows[row].slot;
    return slot >= selection.firstSlot && slot <= selection.lastSlot && measure >= selection.firstMeasure &&
           measure <= selection.lastMeasure;
}

ScoreSelection ScoreModel::DragSelection(size_t fromRow, int fromMeasure, size_t toRow, int toMeasure) const
{
    if (fromRow >= rows.size() || toRow >= rows.size())
        return ScoreSelection();
    const int fromSlot = rows[fromRow].slot;
    const int toSlot = rows[toRow].slot;
    if (fromSlot == 0 || toSlot == 0)
        return ScoreSelection();
    if (std::min(fromMeasure, toMeasure) < 1 || std::max(fromMeasure, toMeasure) > measures)
        return ScoreSelection();
    ScoreSelection made;
    made.firstSlot = std::min(fromSlot, toSlot);
    made.lastSlot = std::max(fromSlot, toSlot);
    made.firstMeasure = std::min(fromMeasure, toMeasure);
    made.lastMeasure = std::max(fromMeasure, toMeasure);
    return made;
}

std::string ScoreModel::UndoTitle() const { return StepTitle("Undo", undoSteps, undoName); }

std::string ScoreModel::RedoTitle() const { return StepTitle("Redo", redoSteps, redoName); }
