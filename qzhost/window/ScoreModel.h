#ifndef QZHOST_WINDOW_SCOREMODEL_H
#define QZHOST_WINDOW_SCOREMODEL_H

/* What the window mode shows of the host: the staves of the current score
   view from top to bottom, the measures, the selection and what the host's
   menus offer. It is read afresh after every change (ScoreReader.h); two
   models are equal exactly when the window would look the same. */

#include "qzhost/session/StaffGroups.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct ScoreRow
{
    int16_t staff = 0;
    /* The staff's slot in the current part's own order (1-based), the slot
       the host's selection counts in; 0 when the part does not show it. */
    int slot = 0;
    std::string name;

    bool operator==(const ScoreRow& other) const
    {
        return staff == other.staff && slot == other.slot && name == other.name;
    }
};

/* A selection of staff slots and measures, both ranges inclusive; nothing
   is selected when the measures are 0. */
struct ScoreSelection
{
    int firstSlot = 0;
    int lastSlot = 0;
    int firstMeasure = 0;
    int lastMeasure = 0;

    bool Empty() const { return firstMeasure == 0 && lastMeasure == 0; }
    bool operator==(const ScoreSelection& other) const
    {
        return firstSlot == other.firstSlot && lastSlot == other.lastSlot && firstMeasure == other.firstMeasure &&
               lastMeasure == other.lastMeasure;
    }
};

/* A staff group's bracket beside the staff names: from its first to its
   last row (0-based, top first), drawn level steps away from the left edge
   (0 outermost: a group inside another is drawn nearer the names). */
struct ScoreBracket
{
    size_t firstRow = 0;
    size_t lastRow = 0;
    int style = 0; /* HOSTSIM_BRACKET_... */
    int level = 0;

    bool operator==(const ScoreBracket& other) const
    {
        return firstRow == other.firstRow && lastRow == other.lastRow && style == other.style && level == other.level;
    }
};

struct ScoreModel
{
    static constexpr int kStaffSets = 8;

    bool documentOpen = false;
    int displayedStaffSet = 0; /* 0 = all staves */
    std::vector<ScoreRow> rows;
    std::vector<ScoreBracket> brackets;
    int measures = 0;
    ScoreSelection selection;
    /* Index 1 to 8: the staff set exists in the score. */
    std::array<bool, kStaffSets + 1> staffSets{};
    size_t undoSteps = 0;
    size_t redoSteps = 0;
    std::string undoName;
    std::string redoName;
    /* The plug-in's menu entry; "" when no plug-in is loaded. */
    std::string pluginEntry;

    bool operator==(const ScoreModel& other) const;
    bool operator!=(const ScoreModel& other) const { return !(*this == other); }

    /* The brackets of the groups beside the rows: each group with a style
       and at least one of its staves shown spans from the first to the last
       row showing one of them. A bracket's level is the number of others
       that enclose its rows (of two with the same rows, the later one is
       inside). */
    void PlaceBrackets(const std::vector<StaffGroup>& groups);
    /* The window's title: what the view shows. */
    std::string Title() const;
    /* Whether the cell of a row (0-based, top first) and a measure
       (1-based) lies in the selection. */
    bool Selected(size_t row, int measure) const;
    /* The selection a drag from one cell to another makes: the slots from
       the higher to the lower of the two rows' staves and the measures
       between the two, whichever way the drag went. Empty when a row is out
       of range, a measure is outside 1 to measures, or a row's staff has no
       slot in the current part. */
    ScoreSelection DragSelection(size_t fromRow, int fromMeasure, size_t toRow, int toMeasure) const;
    /* The menu titles of the Edit menu ("Undo NAME", "Redo NAME"). */
    std::string UndoTitle() const;
    std::string RedoTitle() const;
};

#endif
