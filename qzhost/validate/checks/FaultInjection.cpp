#include "qzhost/validate/checks/FaultInjection.h"

#include "qzhost/session/CommandSupport.h"
#include "qzhost/session/Session.h"
#include "qzhost/validate/ChildChannel.h"
#include "qzhost/validate/session/SessionScript.h"
#include "qzhost/validate/session/RandomSessionRunner.h"
#include "qzhost/validate/session/ReferenceModelReadout.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>

namespace
{

const char* const kFaultCheckSurvival = "the plug-in survives every refused host call";
const char* const kFaultCheckBaseline = "every command without faults does what the reference model does";
const char* const kFaultCheckDocument = "a refused host call leaves the document as before or as the command makes it";
const char* const kFaultCheckPanel = "the panel shows the document after a refused host call";
const char* const kFaultCheckOpenEdit = "no host edit is left open after a refused host call";

using namespace ChildMessage;

bool IsRecordFunction(const std::string& function)
{
    static const std::set<std::string> kRecordFunctions = {"FX_LoadEData",   "FX_SaveEData", "FX_CreateEData",
                                                           "FX_DeleteEData", "FX_NextEData", "FX_PreviousEData"};
    return kRecordFunctions.count(function) != 0;
}

std::string DescribeDocument(const Session& session)
{
    const DocumentReadout readout = ReadDocument(session);
    std::string text;
    for (int n = 1; n <= 8; ++n)
        text += DescribeStaffSet(readout, n) + "\n";
    return text;
}

/* Starts a session and brings the panel to the command; false (with the
   problem sent) when that fails. */
bool Prepare(Session& session, const ChildChannel& channel, const std::string& module, const FaultScenario& scenario)
{
    std::string error;
    if (!session.Start(false, true, error)) {
        channel.Send(kProblem, "the session did not start: " + error);
        return false;
    }
    std::vector<std::string> lines = SetupLines(scenario.setup, module);
    lines.insert(lines.end(), scenario.prepare.begin(), scenario.prepare.end());
    Outcome outcome;
    for (const std::string& line : lines)
        if (!RunScriptLine(session, line, outcome)) {
            channel.Send(kProblem, "`" + line + "`: " + outcome.message);
            return false;
        }
    return true;
}

/* The panel's nine rows, one a line; "" when the panel is not open. */
std::string ShownRows(const Session& session)
{
    const int window = session.PanelWindow();
    if (!window || session.Ui().qzui_window_visible(window) != 1)
        return "";
    std::string rows;
    for (const std::string& row : PanelRows(session, window))
        rows += row + "\n";
    return rows;
}

/* The rows the document calls for, as a full refresh would show them. */
std::string FreshRows(const Session& session)
{
    const std::vector<ModelEntry> score = ReadScoreList(session);
    const DocumentReadout readout = ReadDocument(session);
    ReferenceModel fresh(score, ReadStaffNames(session, score), readout.categoryExists, readout.document);
    fresh.Invoke();
    std::string rows;
    for (int row = 0; row < kPanelRows; ++row)
        rows += fresh.FreshRow(row) + "\n";
    return rows;
}

/* The panel after a refused call may show the document as a full refresh
   shows it, or exactly what it shows without the fault, or what it shows
   when the command changes nothing (the panel polls only the staff counts,
   so a change that keeps them is not seen before a refresh). */
std::string PanelDifference(const Session& session, const FaultBaseline& baseline)
{
    const std::string rows = ShownRows(session);
    if (rows.empty())
        return "the panel is no longer open";
    if (rows == FreshRows(session) || rows == baseline.panel || rows == baseline.unchangedPanel)
        return "";
    return "the panel shows\n" + rows + "where the document calls for\n" + FreshRows(session);
}

void Inject(const HostEngine& host, const InjectedFault& fault)
{
    if (fault.byRecord)
        host.hostsim_fail_record(fault.function.c_str(), fault.tag, fault.key, 1);
    else
        host.hostsim_fail(fault.function.c_str(), HOSTSIM_FAIL_REFUSE, 1);
}

std::string Message(const ChildMessages& messages, char tag)
{
    for (const auto& message : messages)
        if (message.first == tag)
            return message.second;
    return "";
}

SessionSetup Demo()
{
    SessionSetup setup;
    setup.demo = true;
    return setup;
}

SessionSetup Sets(std::initializer_list<std::pair<const int, std::vector<int>>> sets)
{
    SessionSetup setup;
    setup.sets = sets;
    return setup;
}

} // namespace

bool InjectedFault::IsRead() const
{
    /* A refused slot lookup reads as a slot without a staff, and the staff
       names the host composes fall back to the stored text: reads of their
       own kind. */
    return function == "FX_LoadEData" || function == "FX_NextEData" || function == "FX_PreviousEData" ||
           function == "FX_SlotToInst" || function == "FX_AutoNumberedName_UTF16";
}

std::string InjectedFault::Describe() const
{
    if (!byRecord)
        return function;
    char tagText[5] = {static_cast<char>(tag >> 24), static_cast<char>(tag >> 16), static_cast<char>(tag >> 8),
                       static_cast<char>(tag), 0};
    return function + " '" + tagText + "' (" + std::to_string(key[0]) + "," + std::to_string(key[1]) + "," +
           std::to_string(key[2]) + ")";
}

const std::vector<FaultScenario>& FaultScenarios()
{
    static const std::vector<FaultScenario> scenarios = {
        {"create a named staff set", Sets({}), {"select 2-4 1-8", "row 3", "activate", "type \"Winds\""}, "press 104"},
        {"replace a staff set",
         Sets({{3, {1, 2}}}),
         {"row 3", "type \"Old\"", "press 103", "select 2-4 1-8", "activate", "type \"New\"", "answer yes"},
         "press 104"},
        {"rename a staff set",
         Sets({{2, {1, 4}}}),
         {"row 2", "type \"Old\"", "press 103", "type \"New\""},
         "press 103"},
        {"clear a name", Sets({{2, {1, 4}}}), {"row 2", "type \"Old\"", "press 103", "type \"\""}, "press 103"},
        {"add staves", Sets({{2, {1, 4}}}), {"select 2-3 1-8", "row 2", "activate"}, "press 105"},
        {"remove a staff", Sets({{2, {1, 2, 4}}}), {"select 1-1 1-8", "row 2", "activate"}, "press 106"},
        {"remove the last staff",
         Sets({{2, {4}}}),
         {"row 2", "type \"Solo\"", "press 103", "select 4-4 1-8", "activate"},
         "press 106"},
        {"move a named staff set up",
         Sets({{3, {2, 3}}, {2, {5}}}),
         {"row 2", "type \"Lower\"", "press 103", "row 3", "type \"Pair\"", "press 103"},
         "press 107"},
        {"move a named staff set down", Sets({{3, {2, 3}}}), {"row 3", "type \"Pair\"", "press 103"}, "press 108"},
        {"delete a named staff set",
         Sets({{5, {1, 6}}}),
         {"row 5", "type \"Gone\"", "press 103", "answer yes"},
         "press 109"},
        /* What the panel does besides its commands: the timer's refresh after
           a change behind its back, opening, and switching the view. */
        {"refresh on a timer tick",
         Sets({{2, {1, 4}}}),
         {"row 2", "type \"Named\"", "press 103", "select 2-3 1-8", "row 4", "activate", "press 104", "undo"},
         "wait 200"},
        {"open the panel again", Sets({{2, {1, 4}}}), {"row 2", "type \"Named\"", "press 103", "close"}, "invoke"},
        {"switch the view to a staff set", Sets({{2, {1, 4}}}), {"row 2", "activate"}, "press 1"},
        {"staff sets from the score's groups", Demo(), {"activate"}, "press 110"},
        {"save a template",
         Sets({{2, {1, 4}}}),
         {"row 2", "type \"Pair\"", "press 103", "answer file \"t.json\""},
         "press 111"},
        {"apply a template",
         Sets({{2, {1, 4}}}),
         {"row 2", "type \"Pair\"", "press 103", "answer file \"t.json\"", "press 111", "answer yes", "press 109",
          "answer file \"t.json\""},
         "press 112"},
    };
    return scenarios;
}

FaultBaseline LearnScenario(const std::string& module, const FaultScenario& scenario)
{
    FaultBaseline baseline;
    std::vector<std::string> steps = scenario.prepare;
    steps.push_back(scenario.command);
    const SessionRun checked = ReplaySession(module, scenario.setup, steps);
    if (checked.failed || checked.inconclusive) {
        baseline.problem =
            checked.inconclusive ? "the reference model cannot follow the scenario" : checked.failure.detail;
        return baseline;
    }
    const ChildOutcome outcome = RunInChildProcess([&](const ChildChannel& channel) {
        Session session;
        if (Prepare(session, channel, module, scenario)) {
            const HostEngine& host = session.Host();
            host.hostsim_clear_call_log();
            const size_t first = host.hostsim_call_log_count();
            Outcome result;
            RunScriptLine(session, scenario.command, result);
            std::set<std::tuple<std::string, uint32_t, int16_t, int16_t, int16_t>> seen;
            for (size_t i = first; i < host.hostsim_call_log_count(); ++i) {
                hostsim_call call{};
                if (!host.hostsim_call_log_entry(i, &call) || !call.inPluginCall || !call.function)
                    continue;
                const std::string function = call.function;
                const auto sendOnce = [&](uint32_t tag, const int16_t* key, bool byRecord) {
                    if (seen.insert({function, tag, key[0], key[1], byRecord ? key[2] : int16_t(-32768)}).second)
                        channel.Send(kHostCall, function + kFieldSeparator + (byRecord ? "1" : "0") + kFieldSeparator +
                                                    std::to_string(tag) + kFieldSeparator + std::to_string(key[0]) +
                                                    kFieldSeparator + std::to_string(key[1]) + kFieldSeparator +
                                                    std::to_string(key[2]));
                };
                const int16_t none[3] = {0, 0, 0};
                sendOnce(0, none, false);
                if (IsRecordFunction(function) && call.keyParts > 0)
                    sendOnce(call.tag, call.key, true);
            }
            channel.Send(kDocument, DescribeDocument(session));
            RunScriptLine(session, "wait 200", result);
            channel.Send(kPanel, ShownRows(session));
        }
        session.Finish();
    });
    const ChildOutcome unchanged = RunInChildProcess([&](const ChildChannel& channel) {
        Session session;
        Outcome result;
        if (Prepare(session, channel, module, scenario) && RunScriptLine(session, "wait 200", result))
            channel.Send(kPanel, ShownRows(session));
        session.Finish();
    });
    baseline.unchangedPanel = Message(unchanged.messages, kPanel);
    for (const auto& message : outcome.messages) {
        if (message.first == kProblem)
            baseline.problem = message.second;
        if (message.first == kDocument)
            baseline.document = message.second;
        if (message.first == kPanel)
            baseline.panel = message.second;
        if (message.first != kHostCall)
            continue;
        const std::vector<std::string> fields = SplitText(message.second, kFieldSeparator);
        InjectedFault fault;
        fault.function = fields[0];
        fault.byRecord = fields[1] == "1";
        fault.tag = static_cast<uint32_t>(std::strtoul(fields[2].c_str(), nullptr, 10));
        for (int i = 0; i < 3; ++i)
            fault.key[i] = static_cast<int16_t>(std::atoi(fields[static_cast<size_t>(3 + i)].c_str()));
        baseline.faults.push_back(fault);
    }
    if (baseline.problem.empty() && !outcome.abnormalEnd.empty())
        baseline.problem = "without faults, " + outcome.abnormalEnd;
    return baseline;
}

namespace
{

/* One refusal in a fresh session of the child: the command with the fault,
   then what is wrong with the document, the panel and the open edits. */
void RunFaultInChild(const ChildChannel& channel, const std::string& module, const FaultScenario& scenario,
                     const FaultBaseline& baseline, const InjectedFault& fault)
{
    Session session;
    if (Prepare(session, channel, module, scenario)) {
        const HostEngine& host = session.Host();
        const std::vector<uint8_t> before = DocumentImage(session);
        Inject(host, fault);
        Outcome result;
        RunScriptLine(session, scenario.command, result);
        if (!fault.byRecord)
            host.hostsim_fail(fault.function.c_str(), HOSTSIM_FAIL_OFF, 0);
        if (host.hostsim_open_edit_depth() != 0)
            channel.Send(kEditVerdict, std::to_string(host.hostsim_open_edit_depth()) + " host edits are still open");
        const std::string after = DescribeDocument(session);
        if (DocumentImage(session) != before && after != baseline.document)
            channel.Send(kDocumentVerdict, "the staff sets are\n" + after +
                                               "neither the document before the command nor\n" + baseline.document);
        RunScriptLine(session, "wait 200", result);
        const std::string panel = PanelDifference(session, baseline);
        if (!panel.empty())
            channel.Send(kPanelVerdict, panel);
    }
    session.Finish();
}

FaultVerdict ReadVerdict(const ChildMessages& messages, const std::string& abnormalEnd)
{
    FaultVerdict verdict;
    verdict.document = Message(messages, kDocumentVerdict);
    verdict.panel = Message(messages, kPanelVerdict);
    verdict.openEdit = Message(messages, kEditVerdict);
    const std::string problem = Message(messages, kProblem);
    if (!problem.empty())
        verdict.crash = "the scenario could not be prepared: " + problem;
    if (!abnormalEnd.empty())
        verdict.crash = "the session ended abnormally: " + abnormalEnd;
    return verdict;
}

/* Runs faults[first..] one after another in one child, each in a fresh
   session (kSession marks its start), and adds their verdicts; a child that
   ends abnormally ends the batch, and the fault it was running gets the end. */
void RunFaultBatch(const std::string& module, const FaultScenario& scenario, const FaultBaseline& baseline,
                   const std::vector<InjectedFault>& faults, std::vector<FaultVerdict>& verdicts)
{
    const size_t first = verdicts.size();
    const ChildOutcome outcome = RunInChildProcess([&](const ChildChannel& channel) {
        for (size_t i = first; i < faults.size(); ++i) {
            channel.Send(kSession, std::to_string(i));
            RunFaultInChild(channel, module, scenario, baseline, faults[i]);
        }
    });
    const std::vector<ChildMessages> runs = MessagesBySession(outcome.messages);
    const std::string end = outcome.started ? outcome.abnormalEnd : "its process did not start";
    for (size_t i = 0; i < runs.size(); ++i)
        verdicts.push_back(ReadVerdict(runs[i], i + 1 == runs.size() ? end : ""));
}

bool Failed(const FaultVerdict& verdict)
{
    return !verdict.crash.empty() || !verdict.document.empty() || !verdict.panel.empty() || !verdict.openEdit.empty();
}

bool operator==(const FaultVerdict& a, const FaultVerdict& b)
{
    return a.crash == b.crash && a.document == b.document && a.panel == b.panel && a.openEdit == b.openEdit;
}

} // namespace

FaultVerdict RunWithFault(const std::string& module, const FaultScenario& scenario, const FaultBaseline& baseline,
                          const InjectedFault& fault)
{
    std::vector<FaultVerdict> verdicts;
    RunFaultBatch(module, scenario, baseline, {fault}, verdicts);
    return verdicts.front();
}

std::vector<FaultVerdict> RunWithFaults(const std::string& module, const FaultScenario& scenario,
                                        const FaultBaseline& baseline, const std::vector<InjectedFault>& faults)
{
    std::vector<FaultVerdict> verdicts;
    while (verdicts.size() < faults.size()) {
        const size_t first = verdicts.size();
        RunFaultBatch(module, scenario, baseline, faults, verdicts);
        for (size_t i = first + 1; i < verdicts.size(); ++i) {
            if (!Failed(verdicts[i]))
                continue;
            const FaultVerdict alone = RunWithFault(module, scenario, baseline, faults[i]);
            if (alone == verdicts[i])
                continue;
            const std::string note = std::string(" (run alone in a fresh process it ") +
                                     (Failed(alone) ? "failed otherwise" : "passed") +
                                     "; it failed after other refusals in the same process)";
            for (std::string* field :
                 {&verdicts[i].crash, &verdicts[i].document, &verdicts[i].panel, &verdicts[i].openEdit})
                if (!field->empty())
                    *field += note;
        }
    }
    return verdicts;
}

void RunFaultInjection(const ValidationContext& context, CheckReporter& report)
{
    char* resolved = context.module.empty() ? nullptr : realpath(context.module.c_str(), nullptr);
    const std::string module = resolved ? resolved : context.module;
    std::free(resolved);
    CheckResult survivalResult{kFaultCheckSurvival, true, "", "", {}};
    CheckResult baselineResult{kFaultCheckBaseline, true, "", "", {}};
    CheckResult documentResult{kFaultCheckDocument, true, "", "", {}};
    CheckResult panelResult{kFaultCheckPanel, true, "", "", {}};
    CheckResult editResult{kFaultCheckOpenEdit, true, "", "", {}};
    std::map<const CheckResult*, int> failures;
    const auto note = [&failures](CheckResult& result, const std::string& where, const std::string& what) {
        if (what.empty())
            return;
        if (std::getenv("QZVALIDATE_VERBOSE"))
            std::fprintf(stderr, "%s: %s: %s\n", result.name.c_str(), where.c_str(), what.c_str());
        if (failures[&result]++ == 0)
            result.detail = where + ": " + what;
        result.passed = false;
    };
    long long faults = 0, readsTakenAsMissing = 0;
    for (const FaultScenario& scenario : FaultScenarios()) {
        const FaultBaseline baseline = LearnScenario(module, scenario);
        note(baselineResult, scenario.name, baseline.problem);
        if (!baseline.problem.empty())
            continue;
        const std::vector<FaultVerdict> verdicts = RunWithFaults(module, scenario, baseline, baseline.faults);
        for (size_t i = 0; i < verdicts.size(); ++i) {
            const InjectedFault& fault = baseline.faults[i];
            const FaultVerdict& verdict = verdicts[i];
            ++faults;
            const std::string where = scenario.name + " with " + fault.Describe() + " refused once";
            note(survivalResult, where, verdict.crash);
            note(editResult, where, verdict.openEdit);
            if (fault.IsRead()) {
                readsTakenAsMissing += !verdict.document.empty() || !verdict.panel.empty();
                continue;
            }
            note(documentResult, where, verdict.document);
            note(panelResult, where, verdict.panel);
        }
    }
    survivalResult.figures["faults"] = faults;
    survivalResult.figures["reads taken as missing"] = readsTakenAsMissing;
    for (CheckResult* result : {&survivalResult, &baselineResult, &documentResult, &panelResult, &editResult}) {
        if (!result->passed)
            result->detail = std::to_string(failures[result]) + " failed, the first: " + result->detail;
        else
            result->detail =
                std::to_string(faults) + " refused calls in " + std::to_string(FaultScenarios().size()) + " commands";
        report.Report(*result);
    }
}

QZVALIDATE_CHECKS(fault_injection, 7, "refused host calls during panel commands", RunFaultInjection);
