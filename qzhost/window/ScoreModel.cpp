#include "qzhost/window/ScoreModel.h"

#include <algorithm>
#include <cctype>

namespace
{

std::string StepTitle(const char* verb, size_t steps, const std::string& name)
{
    return steps == 0 || name.empty() ? std::string(verb) : std::string(verb) + " " + name;
}

struct CaretSign
{
    const char* command;
    const char* sign;
};

const CaretSign kCaretSigns[] = {{"flat", "\u266D"}, {"sharp", "\u266F"}, {"natural", "\u266E"}};

} // namespace

std::string ScoreModel::PlainName(const std::string& caretText)
{
    std::string plain;
    for (size_t at = 0; at < caretText.size();) {
        if (caretText.compare(at, 2, "^^") == 0) {
            plain += '^';
            at += 2;
            continue;
        }
        size_t end = at + 1;
        while (caretText[at] == '^' && end < caretText.size() &&
               std::isalpha(static_cast<unsigned char>(caretText[end])))
            ++end;
        const size_t close = caretText.find(')', end);
        if (caretText[at] != '^' || end == at + 1 || end >= caretText.size() || caretText[end] != '(' ||
            close == std::string::npos) {
            /* Text, or a caret that starts no command: kept as written. */
            plain += caretText[at++];
            continue;
        }
        const std::string command = caretText.substr(at + 1, end - at - 1);
        for (const CaretSign& sign : kCaretSigns)
            if (command == sign.command)
                plain += sign.sign;
        at = close + 1;
    }
    return plain;
}

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
