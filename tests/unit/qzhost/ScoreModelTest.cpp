/* The window mode's picture of the score: which cells a drag selects, which
   cells show selected, the Edit menu's titles, staff names without caret
   commands, and that every visible change makes the window redraw. */

#include "qzhost/session/StaffNames.h"
#include "qzhost/window/ScoreModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace
{

ScoreRow Row(int16_t staff, int slot) { return ScoreRow{staff, slot, "Staff " + std::to_string(staff)}; }

/* Staff set view: staves 9, 2 and 5 in the set's order (slots 9, 2, 5 of
   the part), and staff 20, which the part does not show. */
ScoreModel StaffSetView()
{
    ScoreModel model;
    model.documentOpen = true;
    model.displayedStaffSet = 3;
    model.measures = 12;
    model.rows = {Row(9, 9), Row(2, 2), Row(5, 5), Row(20, 0)};
    return model;
}

bool Same(const ScoreSelection& got, int firstSlot, int lastSlot, int firstMeasure, int lastMeasure)
{
    return got.firstSlot == firstSlot && got.lastSlot == lastSlot && got.firstMeasure == firstMeasure &&
           got.lastMeasure == lastMeasure;
}

} // namespace

TEST(ScoreModelDrag, AnyDirectionSelectsTheSameRegionInSlotsOfThePart)
{
    const ScoreModel model = StaffSetView();
    /* Rows 0 and 2 hold slots 9 and 5: the region runs from slot 5 to 9,
       whichever corner the drag started at. */
    EXPECT_TRUE(Same(model.DragSelection(0, 3, 2, 7), 5, 9, 3, 7));
    EXPECT_TRUE(Same(model.DragSelection(2, 7, 0, 3), 5, 9, 3, 7));
    EXPECT_TRUE(Same(model.DragSelection(2, 3, 0, 7), 5, 9, 3, 7));
    EXPECT_TRUE(Same(model.DragSelection(1, 12, 1, 12), 2, 2, 12, 12));
}

TEST(ScoreModelDrag, CellsOutsideTheScoreOrWithoutASlotSelectNothing)
{
    const ScoreModel model = StaffSetView();
    EXPECT_TRUE(model.DragSelection(0, 1, 3, 4).Empty()) << "staff 20 has no slot in the part";
    EXPECT_TRUE(model.DragSelection(3, 1, 3, 1).Empty());
    EXPECT_TRUE(model.DragSelection(0, 1, 4, 1).Empty()) << "row 4 does not exist";
    EXPECT_TRUE(model.DragSelection(0, 0, 1, 3).Empty()) << "measure 0";
    EXPECT_TRUE(model.DragSelection(0, 1, 1, 13).Empty()) << "measure 13 of 12";
    ScoreModel empty;
    EXPECT_TRUE(empty.DragSelection(0, 1, 0, 1).Empty());
}

TEST(ScoreModelCells, SelectionShowsOnTheRowsOfItsSlotsAndMeasuresInclusive)
{
    ScoreModel model = StaffSetView();
    model.selection = ScoreSelection{2, 5, 4, 6};
    std::vector<std::vector<int>> shown(model.rows.size());
    for (size_t row = 0; row < model.rows.size(); ++row)
        for (int measure = 1; measure <= model.measures; ++measure)
            if (model.Selected(row, measure))
                shown[row].push_back(measure);
    const std::vector<int> bars = {4, 5, 6};
    EXPECT_TRUE(shown[0].empty()) << "slot 9 lies outside 2-5";
    EXPECT_EQ(shown[1], bars);
    EXPECT_EQ(shown[2], bars);
    EXPECT_TRUE(shown[3].empty()) << "a row without a slot never shows selected";
    EXPECT_FALSE(model.Selected(99, 5));
}

TEST(ScoreModelCells, NoMeasuresMeansNoSelection)
{
    ScoreModel model = StaffSetView();
    model.selection = ScoreSelection{1, 9, 0, 0};
    for (size_t row = 0; row < model.rows.size(); ++row)
        EXPECT_FALSE(model.Selected(row, 1));
}

TEST(ScoreModelBrackets, EachGroupShownSpansItsRowsAndNestedOnesStepInwards)
{
    ScoreModel model = StaffSetView(); /* staves 9, 2, 5, 20 */
    const int kBrace = 1, kBracket = 2, kSquare = 4;
    model.PlaceBrackets({
        {"Strings", kBracket, {2, 3, 4, 5, 6}}, /* rows 1 and 2 */
        {"", kSquare, {2, 3}},                  /* row 1, inside Strings */
        {"Same rows", kBrace, {5, 2}},          /* inside both before it */
        {"Hidden", kBracket, {7, 8}},           /* no staff shown */
        {"No bracket", 0, {9, 20}},
        {"Wide", kBrace, {20, 9}}, /* rows 0 to 3, around everything */
    });
    const std::vector<ScoreBracket> expected = {
        {1, 2, kBracket, 1}, {1, 1, kSquare, 3}, {1, 2, kBrace, 2}, {0, 3, kBrace, 0}};
    EXPECT_EQ(model.brackets, expected);
}

TEST(ScoreModelMenus, EditTitlesCarryTheStepNamesOnlyWhenThereIsAStep)
{
    ScoreModel model;
    EXPECT_EQ(model.UndoTitle(), "Undo");
    EXPECT_EQ(model.RedoTitle(), "Redo");
    model.undoSteps = 2;
    model.undoName = "Staff Set Panel";
    model.redoName = "stale";
    EXPECT_EQ(model.UndoTitle(), "Undo Staff Set Panel");
    EXPECT_EQ(model.RedoTitle(), "Redo") << "no redo step, whatever name is left";
    model.redoSteps = 1;
    model.redoName = "";
    EXPECT_EQ(model.RedoTitle(), "Redo");
}

TEST(ScoreModelTitle, SaysWhatTheViewShows)
{
    ScoreModel model;
    EXPECT_EQ(model.Title(), "Score: no document");
    model.documentOpen = true;
    EXPECT_EQ(model.Title(), "Score: all staves");
    model.displayedStaffSet = 8;
    EXPECT_EQ(model.Title(), "Score: staff set 8");
}

TEST(ScoreModelNames, CaretCommandsBecomeSignsOrGo)
{
    EXPECT_EQ(StaffNames::Plain("Clarinet in B^flat()"), "Clarinet in B\u266D");
    EXPECT_EQ(StaffNames::Plain("Horn in F^sharp() / E^natural()"), "Horn in F\u266F / E\u266E");
    EXPECT_EQ(StaffNames::Plain("^font(Times,4096)^size(12)Violin I"), "Violin I");
    EXPECT_EQ(StaffNames::Plain("A^^B"), "A^B");
    EXPECT_EQ(StaffNames::Plain("Solo ^flat(unterminated"), "Solo ^flat(unterminated");
    EXPECT_EQ(StaffNames::Plain("x^ y (z)"), "x^ y (z)");
    EXPECT_EQ(StaffNames::Plain("ends with ^"), "ends with ^");
    EXPECT_EQ(StaffNames::Plain(""), "");
}

/* The window redraws only when the model changes: a change of anything it
   shows must make the models differ. */
TEST(ScoreModelEquality, EveryVisibleChangeMakesADifference)
{
    const ScoreModel base = StaffSetView();
    const std::vector<std::function<void(ScoreModel&)>> changes = {
        [](ScoreModel& m) { m.documentOpen = false; },
        [](ScoreModel& m) { m.displayedStaffSet = 0; },
        [](ScoreModel& m) { m.rows[1].name = "Oboe"; },
        [](ScoreModel& m) { m.rows[2].slot = 6; },
        [](ScoreModel& m) { m.rows[0].staff = 10; },
        [](ScoreModel& m) { m.rows.pop_back(); },
        [](ScoreModel& m) {
            m.brackets.push_back(ScoreBracket{0, 1, 2, 0});
        },
        [](ScoreModel& m) { m.measures = 13; },
        [](ScoreModel& m) { m.selection.lastMeasure = 1; },
        [](ScoreModel& m) { m.selection.firstSlot = 2; },
        [](ScoreModel& m) { m.staffSets[4] = true; },
        [](ScoreModel& m) { m.undoSteps = 1; },
        [](ScoreModel& m) { m.redoSteps = 1; },
        [](ScoreModel& m) { m.undoName = "Staff Set Panel"; },
        [](ScoreModel& m) { m.redoName = "Staff Set Panel"; },
        [](ScoreModel& m) { m.pluginEntry = "QZ Staff Set Panel..."; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        ScoreModel changed = base;
        changes[i](changed);
        EXPECT_NE(changed, base) << "change " << i;
    }
    EXPECT_EQ(StaffSetView(), base);
}
