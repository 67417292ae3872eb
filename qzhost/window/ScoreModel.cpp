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
           measures == other.measures && selection == other.selection && staffSets == other.staffSets &&
           undoSteps == other.undoSteps && redoSteps == other.redoSteps && undoName == other.undoName &&
           redoName == other.redoName && pluginEntry == other.pluginEntry;
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
