/* The parts a random session is made of: the drawn steps, the readout of
   the document, and the script expectations that reproducers end in. */

#include "qzhost/script/ScriptParser.h"
#include "qzhost/validate/session/RandomSessionGenerator.h"
#include "qzhost/validate/session/RandomSessionRunner.h"
#include "qzhost/validate/session/ReferenceModelReadout.h"

#include <gtest/gtest.h>

#include <set>

namespace
{

/* A model with the panel open on the test score's six staves. */
ReferenceModel OpenModel()
{
    std::vector<ModelEntry> score;
    for (int staff = 1; staff <= 6; ++staff)
        score.push_back(ModelEntry{staff, -300 * (staff - 1), 100});
    ReferenceModel model(score, {}, true, ModelDocument());
    model.Invoke();
    return model;
}

PanelInputs AllEnabled(int row)
{
    PanelInputs inputs;
    inputs.row = row;
    inputs.enabled = {1, 101, 102, 103, 104, 105, 106, 107, 108, 109};
    return inputs;
}

TEST(StepGenerator, DrawsParsableStepsWithEveryKindOfName)
{
    StepGenerator generator(5);
    const ReferenceModel model = OpenModel();
    std::set<std::string> commands, names;
    for (int i = 0; i < 3000; ++i) {
        const std::string step = generator.Next(model, AllEnabled(i % 10 - 1), 6);
        qzscript::Line line;
        qzscript::Error error;
        ASSERT_TRUE(qzscript::ParseLine(step, 1, line, error)) << step << ": " << error.message;
        ASSERT_FALSE(line.words.empty());
        commands.insert(line.words[0].text);
        if (line.words[0].text == "type")
            names.insert(line.words[1].text);
    }
    for (const char* command : {"row", "type", "select", "press", "wait", "activate", "deactivate", "close", "part"})
        EXPECT_TRUE(commands.count(command)) << command;
    EXPECT_TRUE(names.count(""));
    EXPECT_TRUE(names.count("   "));
    bool longName = false, nonLatin = false;
    for (const std::string& name : names) {
        longName = longName || name.size() >= 255;
        nonLatin = nonLatin || static_cast<unsigned char>(name.back()) >= 0x80;
    }
    EXPECT_TRUE(longName);
    EXPECT_TRUE(nonLatin);
}

TEST(StepGenerator, AnswersComeRightBeforeTheQuestionTheyAnswer)
{
    /* Staff set 2 exists: delete asks, so an answer may come first, and the
       press follows it at once. */
    std::vector<ModelEntry> score = {{1, 0, 100}, {2, -300, 100}};
    ModelDocument start;
    start.sets[1] = {{1, 0, 100}};
    ReferenceModel model(score, {}, true, start);
    model.Invoke();
    PanelInputs inputs = AllEnabled(2);
    inputs.enabled = {1, 101, 102, 103, 107, 108, 109};
    int answers = 0;
    StepGenerator generator(17);
    std::string previous;
    for (int i = 0; i < 2000; ++i) {
        const std::string step = generator.Next(model, inputs, 2);
        if (previous.rfind("answer ", 0) == 0) {
            EXPECT_EQ(step, "press 109");
            ++answers;
        }
        previous = step;
    }
    EXPECT_GT(answers, 10);
}

TEST(StepGenerator, AClosedPanelIsOpenedAgainFirst)
{
    ReferenceModel model = OpenModel();
    model.Close();
    StepGenerator generator(3);
    EXPECT_EQ(generator.Next(model, PanelInputs(), 6), "invoke");
}

TEST(ReferenceModelReadout, StaffNamesShowTheirAccidentalsAsSigns)
{
    EXPECT_EQ(DisplayStaffName("Clarinet in B^flat()"), "Clarinet in B\u266D");
    EXPECT_EQ(DisplayStaffName("Horn in F^sharp() and E^flat()"), "Horn in F\u266F and E\u266D");
    EXPECT_EQ(DisplayStaffName("^font(x)"), "^font(x)");
}

TEST(ReferenceModelReadout, TheFirstDifferingStaffSetIsNamedWithBothVersions)
{
    DocumentReadout got, expected;
    got.categoryExists = expected.categoryExists = true;
    got.document.sets[4] = {{2, 0, 100}, {3, -320, 100}};
    expected.document.sets[4] = {{2, 0, 100}, {3, -320, 80}};
    EXPECT_EQ(FirstStaffSetDifference(got, expected),
              "staff set 5: 2/0/100,3/-320/100 \"\" where 5: 2/0/100,3/-320/80 \"\" was expected");
    expected.document.sets[4] = got.document.sets[4];
    EXPECT_EQ(FirstStaffSetDifference(got, expected), "");
    got.document.names[7] = ModelNameExpression{5, "Low"};
    EXPECT_NE(FirstStaffSetDifference(got, expected).find("\"Low\""), std::string::npos);
}

TEST(ReproducerExpectations, HoldForTheDocumentAndFailOnTheLineThatDiffers)
{
    const std::vector<std::string> start = {"doc test",       "load \"" + std::string(QZV_GOOD_MODULE) + "\"",
                                            "invoke",         "select 2-3 1-8",
                                            "row 6",          "activate",
                                            "type \"Oboen\"", "press 104"};
    std::string message;
    std::vector<std::string> lines = start;
    lines.insert(lines.end(), {"expect name 6 \"Oboen\"", "expect resize 6 \"100,100\"", "expect name 5 \"\""});
    EXPECT_EQ(RunScriptLines(lines, message), 0) << message;

    lines = start;
    lines.push_back("expect resize 6 \"100,80\"");
    EXPECT_EQ(RunScriptLines(lines, message), 9);
    EXPECT_NE(message.find("expected \"100,80\", got \"100,100\""), std::string::npos) << message;

    lines = start;
    lines.insert(lines.end(), {"undo", "expect image \"0123456789abcdef\""});
    EXPECT_EQ(RunScriptLines(lines, message), 10);
    EXPECT_NE(message.find("expected \"0123456789abcdef\", got \""), std::string::npos) << message;
}

} // namespace
