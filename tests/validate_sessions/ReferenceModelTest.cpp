/* The reference model is the validator's oracle: these cases hold it to the
   panel's documented behaviour on the small test score (staves 1-6 at
   distances 0, -300, -620, -900, -1250, -1560). */

#include "common/qz_staffset_panel.h"
#include "qzhost/validate/session/ReferenceModel.h"

#include <gtest/gtest.h>

namespace
{

constexpr int kRename = qz::kPanelSetName, kCreate = qz::kPanelCreate, kAdd = qz::kPanelAddStaves,
              kRemove = qz::kPanelRemoveStaves, kUp = qz::kPanelMoveUp, kDown = qz::kPanelMoveDown,
              kDelete = qz::kPanelDelete;
constexpr int kNo = 3, kOK = 0;

std::vector<ModelEntry> Score()
{
    return {{1, 0, 100}, {2, -300, 100}, {3, -620, 100}, {4, -900, 100}, {5, -1250, 100}, {6, -1560, 100}};
}

std::map<int, std::string> Names()
{
    return {{1, "Flute"}, {2, "Clarinet"}, {3, "Horn"}, {4, "Violin I"}, {5, "Viola"}, {6, ""}};
}

ModelDocument WithSets(std::map<int, std::vector<ModelEntry>> sets)
{
    ModelDocument document;
    for (const auto& set : sets)
        document.sets[static_cast<size_t>(set.first - 1)] = set.second;
    document.otherExpressions = {1, 2, 3};
    return document;
}

PanelInputs At(int row, const std::string& edit = "")
{
    PanelInputs inputs;
    inputs.row = row;
    inputs.edit = edit;
    inputs.enabled = {1, 101, 102, 103, 104, 105, 106, 107, 108, 109};
    return inputs;
}

std::vector<int> Staves(const ReferenceModel& model, int n)
{
    std::vector<int> staves;
    for (const ModelEntry& entry : model.Document().sets[static_cast<size_t>(n - 1)])
        staves.push_back(entry.staff);
    return staves;
}

std::vector<int32_t> Distances(const ReferenceModel& model, int n)
{
    std::vector<int32_t> distances;
    for (const ModelEntry& entry : model.Document().sets[static_cast<size_t>(n - 1)])
        distances.push_back(entry.distance);
    return distances;
}

class ReferenceModelTest : public ::testing::Test
{
protected:
    ReferenceModel Open(const ModelDocument& start, bool category = true)
    {
        ReferenceModel model(Score(), Names(), category, start);
        model.Invoke();
        return model;
    }
};

TEST_F(ReferenceModelTest, CreateTakesDistancesFromTheRegionsTopStaffAndShowsTheCountAfterATick)
{
    ReferenceModel model = Open(ModelDocument());
    model.Select(2, 4);
    const StepPrediction step = model.Press(kCreate, At(3, "  Winds "));
    EXPECT_TRUE(step.committed);
    EXPECT_TRUE(step.alerts.empty());
    EXPECT_EQ(Staves(model, 3), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(Distances(model, 3), (std::vector<int32_t>{0, -320, -600}));
    EXPECT_EQ(model.Document().Name(3, true), "Winds");
    EXPECT_EQ(model.ShownRow(3), "3|Winds|-|Clarinet|Violin I");
    model.Wait(200);
    EXPECT_EQ(model.ShownRow(3), "3|Winds|3|Clarinet|Violin I");
    EXPECT_EQ(model.UndoDepth(), 1u);
}

TEST_F(ReferenceModelTest, CreateExplainsAMissingSelectionOrRowAndAsksBeforeReplacing)
{
    ReferenceModel model = Open(WithSets({{3, {{1, 0, 100}}}}));
    EXPECT_EQ(model.Press(kCreate, At(-1)).alerts, (std::vector<std::string>{"No Region Selected"}));
    model.Select(1, 2);
    EXPECT_EQ(model.Press(kCreate, At(0)).alerts, (std::vector<std::string>{"No Staff Set Selection"}));
    model.QueueAnswer(kNo);
    const StepPrediction refused = model.Press(kCreate, At(3, "New"));
    EXPECT_EQ(refused.alerts, (std::vector<std::string>{"Replace Current Staff Set?"}));
    EXPECT_FALSE(refused.committed);
    EXPECT_EQ(Staves(model, 3), (std::vector<int>{1}));
    /* No answer queued: the default button, yes, replaces it. */
    EXPECT_TRUE(model.Press(kCreate, At(3, "New")).committed);
    EXPECT_EQ(Staves(model, 3), (std::vector<int>{1, 2}));
    EXPECT_EQ(model.AlertsSoFar().size(), 4u);
}

TEST_F(ReferenceModelTest, AnAnswerTheAlertHasNoButtonForIsAnErrorAndTheDefaultAnswers)
{
    ReferenceModel model = Open(WithSets({{5, {{6, 0, 100}}}}));
    model.QueueAnswer(kOK);
    const StepPrediction step = model.Press(kDelete, At(5));
    EXPECT_TRUE(step.error);
    EXPECT_TRUE(step.committed);
    EXPECT_FALSE(model.Document().Exists(5));
}

TEST_F(ReferenceModelTest, AddedStavesGoBeforeTheNextLowerMemberAndPushItDown)
{
    ReferenceModel model = Open(WithSets({{2, {{1, 0, 100}, {4, -288, 100}}}}));
    model.Select(2, 3);
    EXPECT_TRUE(model.Press(kAdd, At(2)).committed);
    EXPECT_EQ(Staves(model, 2), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Distances(model, 2), (std::vector<int32_t>{0, -288, -576, -864}));
    /* Below every member: appended 288 below the last. */
    model.Select(6, 6);
    model.Press(kAdd, At(2));
    EXPECT_EQ(Distances(model, 2).back(), -864 - 288);
    /* Nothing new: a beep and no undo step. */
    const StepPrediction again = model.Press(kAdd, At(2));
    EXPECT_FALSE(again.committed);
    EXPECT_EQ(again.beeps, 1);
    EXPECT_EQ(model.UndoDepth(), 2u);
}

TEST_F(ReferenceModelTest, RemovingTheTopStaffMakesTheNextOneTheTopAndRemovingAllDeletesTheName)
{
    ReferenceModel model = Open(WithSets({{2, {{1, 0, 100}, {2, -300, 100}, {3, -620, 100}}}}));
    model.Press(kRename, At(2, "Trio"));
    model.Select(1, 1);
    EXPECT_TRUE(model.Press(kRemove, At(2)).committed);
    EXPECT_EQ(Distances(model, 2), (std::vector<int32_t>{0, -320}));
    EXPECT_EQ(model.Document().Name(2, true), "Trio");
    model.Select(2, 3);
    model.Press(kRemove, At(2));
    EXPECT_FALSE(model.Document().Exists(2));
    EXPECT_TRUE(model.Document().names.empty());
    model.Wait(200);
    EXPECT_EQ(model.ShownRow(2), "2|-|-|-|-");
}

TEST_F(ReferenceModelTest, MovingCarriesTheNameAndRefreshesEveryRowAtOnce)
{
    ReferenceModel model = Open(WithSets({{3, {{2, 0, 100}, {3, -320, 100}}}}));
    model.Press(kRename, At(3, "Pair"));
    EXPECT_TRUE(model.Press(kUp, At(3)).committed);
    EXPECT_EQ(Staves(model, 2), (std::vector<int>{2, 3}));
    EXPECT_FALSE(model.Document().Exists(3));
    EXPECT_EQ(model.Document().Name(2, true), "Pair");
    EXPECT_EQ(model.Document().Name(3, true), "");
    EXPECT_EQ(model.ShownRow(2), "2|Pair|2|Clarinet|Horn");
    EXPECT_EQ(model.ShownRow(3), "3|-|-|-|-");
    /* Row 8 cannot move down, row 1 not up: nothing happens. */
    EXPECT_FALSE(model.Press(kDown, At(8)).committed);
    EXPECT_EQ(model.UndoDepth(), 2u);
}

TEST_F(ReferenceModelTest, WithoutTheCategoryANameCannotBeStoredAndTheWholeCreateIsCancelled)
{
    ReferenceModel model = Open(ModelDocument(), false);
    model.Select(1, 2);
    const StepPrediction create = model.Press(kCreate, At(4, "Named"));
    EXPECT_EQ(create.alerts, (std::vector<std::string>{"Category doesn't exist"}));
    EXPECT_FALSE(create.committed);
    EXPECT_FALSE(model.Document().Exists(4));
    /* An empty name needs no category. */
    EXPECT_TRUE(model.Press(kCreate, At(4, "   ")).committed);
    EXPECT_EQ(model.ShownRow(4), "4|(No Name)|-|Flute|Clarinet");
}

TEST_F(ReferenceModelTest, ABlankNameRemovesTheStoredNameAndLaterNamesSurviveTheGap)
{
    ReferenceModel model = Open(WithSets({{1, {{1, 0, 100}}}, {2, {{2, 0, 100}}}}));
    model.Press(kRename, At(1, "First"));
    model.Press(kRename, At(2, "Second"));
    EXPECT_EQ(model.Document().NameItem(1, true), 4);
    EXPECT_EQ(model.Document().NameItem(2, true), 5);
    EXPECT_TRUE(model.Press(kRename, At(1, " \t ")).committed);
    EXPECT_EQ(model.Document().Name(1, true), "");
    EXPECT_EQ(model.Document().Name(2, true), "Second");
    /* A new name goes above the highest item, not into the gap. */
    model.Press(kRename, At(1, "Again"));
    EXPECT_EQ(model.Document().NameItem(1, true), 6);
}

TEST_F(ReferenceModelTest, UndoRestoresTheDocumentWhileThePanelWaitsForItsTimer)
{
    ReferenceModel model = Open(ModelDocument());
    model.Select(5, 6);
    model.Press(kCreate, At(5, "Low"));
    model.Wait(200);
    EXPECT_EQ(model.ShownRow(5), "5|Low|2|Viola|Staff #6");
    EXPECT_FALSE(model.Undo().error);
    EXPECT_FALSE(model.Document().Exists(5));
    EXPECT_EQ(model.ShownRow(5), "5|Low|2|Viola|Staff #6");
    /* A tick only looks at the counts; activation that changes nothing is
       not seen by the panel. */
    model.Activate(true, true);
    EXPECT_EQ(model.ShownRow(5), "5|Low|2|Viola|Staff #6");
    model.Wait(200);
    EXPECT_EQ(model.ShownRow(5), "5|-|-|-|-");
    EXPECT_FALSE(model.Redo().error);
    EXPECT_EQ(model.Document().Name(5, true), "Low");
    EXPECT_TRUE(model.Redo().error);
}

TEST_F(ReferenceModelTest, InALinkedPartTheRegionComesFromThePartButTheSetGoesToTheScore)
{
    ReferenceModel model = Open(WithSets({{1, {{1, 0, 100}, {6, -288, 100}}}}));
    model.AddPart(1, {{4, 0, 100}, {5, -350, 100}});
    model.SwitchPart(1);
    model.Select(1, 2);
    EXPECT_TRUE(model.Press(kCreate, At(2)).committed);
    EXPECT_EQ(Distances(model, 2), (std::vector<int32_t>{0, -350}));
    /* Adding the part's staves to a score staff set places them by the
       score's order. */
    EXPECT_TRUE(model.Press(kAdd, At(1)).committed);
    EXPECT_EQ(Staves(model, 1), (std::vector<int>{1, 4, 5, 6}));
    /* Back in the score, the same slots are other staves; slots beyond a
       part's staves select nothing there. */
    model.SwitchPart(0);
    model.Select(5, 6);
    model.SwitchPart(1);
    EXPECT_FALSE(model.Press(kCreate, At(3)).committed);
    EXPECT_FALSE(model.Document().Exists(3));
}

TEST_F(ReferenceModelTest, ADisabledButtonIsAnErrorAndChangesNothing)
{
    ReferenceModel model = Open(WithSets({{1, {{1, 0, 100}}}}));
    PanelInputs inputs = At(1);
    inputs.enabled = {1, 101, 102};
    EXPECT_TRUE(model.Press(kDelete, inputs).error);
    EXPECT_TRUE(model.Document().Exists(1));
    model.Close();
    EXPECT_TRUE(model.Press(kDelete, At(1)).error);
}

TEST(ReferenceModelText, TrimRemovesBlanksTabsAndLineEndsAtBothEndsOnly)
{
    EXPECT_EQ(ReferenceModel::Trim(" \t\r\n a b \n\t "), "a b");
    EXPECT_EQ(ReferenceModel::Trim(" \t "), "");
}

} // namespace
