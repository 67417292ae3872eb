/* Random panel sessions: the plug-in of this build passes them; modules
   broken on purpose fail the check that concerns them, and the reproducer
   shows the failure again under `qzhost script`. */

#include "qzhost/session/Session.h"
#include "qzhost/validate/checks/RandomSessions.h"
#include "qzhost/validate/ChildChannel.h"
#include "qzhost/validate/session/SessionScript.h"
#include "qzhost/validate/session/ReferenceModelReadout.h"
#include "support/TempFolder.h"
#include "CollectedChecks.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace
{

Collect RunLevel5(const char* module, long long steps, uint64_t seed = 7)
{
    ValidationContext context;
    context.module = module;
    context.level = 5;
    context.seed = seed;
    context.randomSteps = steps;
    Collect collect;
    RunRandomSessions(context, collect);
    return collect;
}

TEST(RandomSessions, ThePluginOfThisBuildPassesEveryCheck)
{
    const Collect collect = RunLevel5(QZV_GOOD_MODULE, 400);
    ASSERT_EQ(collect.results.size(), 4u);
    for (const CheckResult& result : collect.results)
        EXPECT_TRUE(result.passed) << result.name << ": " << result.detail << "\n" << result.reproducer;
    EXPECT_EQ(collect.results[0].figures.at("steps"), 400);
    EXPECT_EQ(collect.results[0].figures.at("sessions"), 4);
}

/* Runs `qzhost script FILE` on the text; its exit status, and what it
   printed on standard error. */
int RunQzhostScript(const std::string& script, std::string& errors)
{
    TempFolder folder("qzv-repro");
    const std::string file = folder.File("repro.qzs"), log = folder.File("stderr.txt");
    std::ofstream(file) << script;
    const std::string command = std::string("'") + QZV_QZHOST + "' script '" + file + "' >/dev/null 2>'" + log + "'";
    const int status = std::system(command.c_str());
    std::ifstream in(log);
    errors.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

size_t StepLines(const std::string& script)
{
    size_t lines = 0;
    for (char c : script)
        lines += c == '\n';
    return lines;
}

TEST(RandomSessions, AHandlerOutsideAnUndoBlockFailsTheUndoCheckWithAShortReproducer)
{
    const Collect collect = RunLevel5(QZV_SKIPUNDO_MODULE, 2000);
    const CheckResult* undo = collect.Find(kCheckUndo);
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->passed);
    EXPECT_NE(undo->detail.find("seed 7"), std::string::npos) << undo->detail;
    EXPECT_NE(undo->detail.find("undo steps"), std::string::npos) << undo->detail;
    /* The others found nothing before the run stopped. */
    EXPECT_TRUE(collect.Find(kCheckDocument)->passed);
    /* Shrunk: the setup, a handful of steps and the expectation. */
    EXPECT_LT(StepLines(undo->reproducer), 16u) << undo->reproducer;
    std::string errors;
    EXPECT_EQ(RunQzhostScript(undo->reproducer, errors), 1) << undo->reproducer;
    EXPECT_NE(errors.find("unbracketed"), std::string::npos) << errors;
}

TEST(RandomSessions, StaffSetsWrittenWithoutTheirNamesFailTheDocumentCheck)
{
    const Collect collect = RunLevel5(QZV_NAMELESS_MODULE, 2000);
    const CheckResult* document = collect.Find(kCheckDocument);
    ASSERT_NE(document, nullptr);
    EXPECT_FALSE(document->passed);
    EXPECT_NE(document->detail.find(" name: the document has \"\""), std::string::npos) << document->detail;
    EXPECT_TRUE(collect.Find(kCheckUndo)->passed);
    EXPECT_LT(StepLines(document->reproducer), 16u) << document->reproducer;
    /* The script ends in the expectation of the name, and that fails. */
    const std::string last = document->reproducer.substr(document->reproducer.rfind("\nexpect name ") + 1);
    std::string errors;
    EXPECT_EQ(RunQzhostScript(document->reproducer, errors), 1) << document->reproducer;
    EXPECT_NE(errors.find("expected \""), std::string::npos) << errors;
    EXPECT_NE(errors.find(":" + std::to_string(StepLines(document->reproducer)) + ":"), std::string::npos)
        << "not the last line: " << errors << document->reproducer;
    EXPECT_EQ(last.rfind("expect name ", 0), 0u) << last;
}

TEST(RandomSessions, TheSameSeedDrawsTheSameSession)
{
    const SessionRun first = RunGeneratedSession(QZV_GOOD_MODULE, SessionSeed(11, 3), 60);
    const SessionRun second = RunGeneratedSession(QZV_GOOD_MODULE, SessionSeed(11, 3), 60);
    const SessionRun other = RunGeneratedSession(QZV_GOOD_MODULE, SessionSeed(11, 4), 60);
    EXPECT_FALSE(first.failed) << first.failure.detail;
    EXPECT_EQ(first.steps.size(), 60u);
    EXPECT_EQ(first.steps, second.steps);
    EXPECT_NE(first.steps, other.steps);
}

/* What the plug-in, its framework and the engine keep in the process from
   one session to the next must not change the next: a batch runs each
   session as a fresh child alone does, and stops after one that fails. */
TEST(RandomSessions, SessionsInOneProcessRunAsEachAloneAndABatchStopsAtAFailure)
{
    const std::vector<SessionOrder> orders = NextSessionOrders(11, 2, 250);
    const std::vector<SessionRun> together = RunGeneratedSessions(QZV_GOOD_MODULE, orders);
    ASSERT_EQ(together.size(), orders.size());
    for (size_t i = 0; i < orders.size(); ++i) {
        const SessionRun alone = RunGeneratedSession(QZV_GOOD_MODULE, orders[i].seed, orders[i].length);
        EXPECT_FALSE(together[i].failed) << i << ": " << together[i].failure.detail;
        EXPECT_EQ(together[i].steps, alone.steps) << i;
    }
    const std::vector<SessionRun> broken = RunGeneratedSessions(QZV_SKIPUNDO_MODULE, NextSessionOrders(7, 0, 2000));
    ASSERT_FALSE(broken.empty());
    for (size_t i = 0; i + 1 < broken.size(); ++i)
        EXPECT_FALSE(broken[i].failed) << i << ": " << broken[i].failure.detail;
    EXPECT_TRUE(broken.back().failed);
    EXPECT_LT(broken.size(), static_cast<size_t>(kSessionsPerChild));
}

TEST(RandomSessions, TheModelCatchesADocumentChangedBehindThePanel)
{
    SessionSetup setup;
    setup.sets[2] = {1, 4};
    /* Another program rewrites staff set 3 and then staff set 2's list: the
       session knows only the panel, so the first such write is a difference. */
    const SessionRun run = ReplaySession(QZV_GOOD_MODULE, setup, {"row 2", "staffset 3 \"2,5\"", "row 3"});
    ASSERT_TRUE(run.failed);
    EXPECT_FALSE(run.inconclusive);
    EXPECT_EQ(run.failure.check, kCheckDocument);
    EXPECT_EQ(run.failure.step, 1);
    EXPECT_EQ(run.failure.expectations, (std::vector<std::string>{"expect staffset 3 \"\""}));

    const SessionRun moved = ReplaySession(QZV_GOOD_MODULE, setup, {"staffset 2 \"1,4,6\""});
    ASSERT_TRUE(moved.failed);
    EXPECT_EQ(moved.failure.expectations, (std::vector<std::string>{"expect staffset 2 \"1,4\""}));
    EXPECT_NE(moved.failure.detail.find("\"1,4,6\""), std::string::npos) << moved.failure.detail;
}

TEST(RandomSessions, AStepTheModelCannotFollowProvesNothing)
{
    /* Invoking the open panel again is not modelled: the replay says so
       instead of reporting a difference. */
    const SessionRun run = ReplaySession(QZV_GOOD_MODULE, SessionSetup{}, {"row 1", "invoke", "row 2"});
    EXPECT_TRUE(run.inconclusive);
    EXPECT_FALSE(run.failed);
    EXPECT_EQ(run.steps.size(), 2u);
}

TEST(DocumentImage, FollowsEveryChangeAndComesBackWithUndoAndRedo)
{
    /* In a child: the plug-in keeps process-wide state. */
    const ChildOutcome outcome = RunInChildProcess([](const ChildChannel& channel) {
        Session session;
        std::string error;
        Outcome result;
        const auto run = [&](const std::string& line) {
            if (!RunScriptLine(session, line, result))
                channel.Send('E', line + ": " + result.message);
        };
        if (!session.Start(false, true, error))
            return channel.Send('E', error);
        for (const std::string& line :
             std::vector<std::string>{"doc test", "load \"" + std::string(QZV_GOOD_MODULE) + "\"", "invoke",
                                      "select 2-3 1-8", "row 2", "activate", "type \"Pair\""})
            run(line);
        const std::vector<uint8_t> before = DocumentImage(session);
        run("press 104");
        const std::vector<uint8_t> after = DocumentImage(session);
        run("row 1");
        run("row 2"); /* the set name button follows the selection */
        run("type \"Other\"");
        run("press 103"); /* only the name's description changes */
        const std::vector<uint8_t> renamed = DocumentImage(session);
        run("undo");
        const bool renameUndone = DocumentImage(session) == after;
        run("undo");
        const bool createUndone = DocumentImage(session) == before;
        run("redo");
        const bool createRedone = DocumentImage(session) == after;
        session.Finish();
        channel.Send('R', std::string(before != after ? "1" : "0") + (after != renamed ? "1" : "0") +
                              (renameUndone ? "1" : "0") + (createUndone ? "1" : "0") + (createRedone ? "1" : "0") +
                              (ImageFingerprint(before) != ImageFingerprint(after) ? "1" : "0"));
    });
    ASSERT_EQ(outcome.abnormalEnd, "");
    std::string results;
    for (const auto& message : outcome.messages) {
        EXPECT_NE(message.first, 'E') << message.second;
        if (message.first == 'R')
            results = message.second;
    }
    EXPECT_EQ(results, "111111");
}

} // namespace
