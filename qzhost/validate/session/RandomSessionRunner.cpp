#include "qzhost/validate/session/RandomSessionRunner.h"

#include "qzhost/session/CommandSupport.h"
#include "qzhost/session/Session.h"
#include "qzhost/session/SessionCommand.h"
#include "qzhost/validate/ChildChannel.h"
#include "qzhost/validate/session/SessionScript.h"
#include "qzhost/validate/session/ReferenceModelReadout.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <sstream>

const char* const kCheckUndo = "undo and redo restore the document";
const char* const kCheckDocument = "the document matches the reference model";
const char* const kCheckPanel = "the panel shows the reference model";
const char* const kCheckSteps = "every step runs as the reference model predicts";

namespace
{

using namespace ChildMessage;
/* Linked parts whose staff lists the model takes from the document. */
constexpr int kLinkedPartsLooked = 4;

/* One field of a staff list's entries, as the script language lists it. */
std::string JoinField(const std::vector<ModelEntry>& entries, int64_t (*field)(const ModelEntry&))
{
    std::string text;
    for (size_t i = 0; i < entries.size(); ++i)
        text += (i ? "," : "") + std::to_string(field(entries[i]));
    return text;
}

/* The fields compared, in order, each with the expectation that shows it. */
struct ComparedField
{
    const char* expectation;
    int64_t (*value)(const ModelEntry&);
};
const ComparedField kComparedFields[] = {
    {"staffset", [](const ModelEntry& entry) -> int64_t { return entry.staff; }},
    {"distances", [](const ModelEntry& entry) -> int64_t { return entry.distance; }},
    {"resize", [](const ModelEntry& entry) -> int64_t { return entry.resize; }},
};

/* The first record in which the document differs from the model, as a
   description and the expectation that shows it; false when they agree. */
bool FirstDifference(const DocumentReadout& got, const ModelDocument& model, bool category, std::string& detail,
                     std::string& expectation)
{
    for (int n = 1; n <= 8; ++n) {
        const auto& have = got.document.sets[static_cast<size_t>(n - 1)];
        const auto& want = model.sets[static_cast<size_t>(n - 1)];
        const std::string number = std::to_string(n);
        const bool sameEntries =
            have.size() == want.size() &&
            std::equal(have.begin(), have.end(), want.begin(), [](const ModelEntry& a, const ModelEntry& b) {
                return a.staff == b.staff && a.distance == b.distance && a.resize == b.resize;
            });
        for (size_t f = 0; !sameEntries && f < sizeof kComparedFields / sizeof kComparedFields[0]; ++f) {
            const ComparedField& field = kComparedFields[f];
            const std::string wanted = JoinField(want, field.value), had = JoinField(have, field.value);
            if (wanted != had) {
                detail = "staff set " + number + " " + field.expectation + ": the document has \"" + had +
                         "\", the model \"" + wanted + "\"";
                expectation = std::string("expect ") + field.expectation + " " + number + " " + qzscript::Quote(wanted);
                return true;
            }
        }
        const std::string haveName = got.document.Name(n, got.categoryExists);
        const std::string wantName = model.Name(n, category);
        if (haveName != wantName) {
            detail = "staff set " + number + " name: the document has " + qzscript::Quote(haveName) + ", the model " +
                     qzscript::Quote(wantName);
            expectation = "expect name " + number + " " + qzscript::Quote(wantName);
            return true;
        }
    }
    return false;
}

/* One session in the child: the setup, then the steps, checking each. */
class CheckedSession
{
public:
    using NextStep = std::function<bool(const ReferenceModel&, const PanelInputs&, int, std::string&)>;

    CheckedSession(const ChildChannel& channel, const std::string& module) : _channel(channel), _module(module) {}

    void Run(const std::function<SessionSetup(int)>& makeSetup, const NextStep& next)
    {
        std::string error;
        if (!_session.Start(false, true, error))
            return Fail(kCheckSteps, -1, "the session did not start: " + error, {});
        /* No check reads the engine's log of host calls, which would
           otherwise grow by every call of every step. */
        _session.Host().hostsim_keep_call_log(0);
        Outcome outcome;
        if (!RunScriptLine(_session, "doc test", outcome))
            return Fail(kCheckSteps, -1, "the test document did not open: " + outcome.message, {});
        std::vector<ModelEntry> score = ReadScoreList(_session);
        const SessionSetup setup = makeSetup(static_cast<int>(score.size()));
        _channel.Send(kSetupCategory, setup.category ? "1" : "0");
        if (setup.demo)
            _channel.Send(kSetupDemo, "1");
        for (const auto& set : setup.sets) {
            std::string staves;
            for (int staff : set.second)
                staves += (staves.empty() ? "" : ",") + std::to_string(staff);
            _channel.Send(kSetupStaffSet, std::to_string(set.first) + ":" + staves);
        }
        const std::vector<std::string> lines = SetupLines(setup, _module);
        /* The test document is open already; the demo score opens anew. */
        for (size_t i = setup.demo ? 0 : 1; i < lines.size(); ++i)
            if (!RunScriptLine(_session, lines[i], outcome))
                return Fail(kCheckSteps, -1, "setup line `" + lines[i] + "`: " + outcome.message, {});
        if (setup.demo)
            score = ReadScoreList(_session);
        const DocumentReadout start = ReadDocument(_session);
        _model.reset(
            new ReferenceModel(score, ReadStaffNames(_session, score), start.categoryExists,
                               setup.demo ? start.document : SetupDocument(setup, start.document.otherExpressions)));
        _model->SetGroups(ReadGroups(_session, score));
        _model->SetStaffTexts(ReadStaffTexts(_session, score));
        for (int part = 1; part <= kLinkedPartsLooked; ++part) {
            std::vector<hostsim_staff_entry> list(
                _session.Host().hostsim_staff_list(0, static_cast<int16_t>(part), nullptr, 0));
            list.resize(_session.Host().hostsim_staff_list(0, static_cast<int16_t>(part), list.data(), list.size()));
            std::vector<ModelEntry> entries;
            for (const hostsim_staff_entry& entry : list)
                entries.push_back(ModelEntry{entry.staff, entry.distance, entry.resize});
            if (!entries.empty())
                _model->AddPart(part, entries);
        }
        _model->Invoke();
        _image = DocumentImage(_session);
        std::string step;
        for (int index = 0;; ++index) {
            const PanelInputs inputs = Inputs();
            if (!next(*_model, inputs, static_cast<int>(score.size()), step))
                break;
            _channel.Send(kStep, step);
            if (!Step(index, step, inputs))
                return;
        }
    }

    void Finish() { _session.Finish(); }
    bool Failed() const { return _failed; }

private:
    void Fail(const char* check, int step, const std::string& detail, const std::vector<std::string>& expectations)
    {
        _failed = true;
        std::string payload = std::string(check) + kFieldSeparator + std::to_string(step) + kFieldSeparator + detail;
        for (const std::string& line : expectations)
            payload += kFieldSeparator + line;
        _channel.Send(kFailure, payload);
    }

    PanelInputs Inputs() const
    {
        PanelInputs inputs;
        const int window = _session.PanelWindow();
        if (!window || !_session.Ui().qzui_window_visible || _session.Ui().qzui_window_visible(window) != 1)
            return inputs;
        inputs.row = _session.Ui().qzui_table_selected_row(window, kPanelList);
        inputs.edit = _session.Ui().ElementText(window, kPanelEdit);
        inputs.enabled = EnabledPanelControls(_session, window);
        for (int tag : qz::kPanelThirdRowButtons) {
            qzui_element info{};
            if (_session.Ui().qzui_element_info(window, tag, &info) == QZUI_OK && info.enabled)
                inputs.enabled.push_back(tag);
        }
        inputs.active = _session.Ui().qzui_window_active(window) == 1;
        return inputs;
    }

    /* Applies a step to the model, given what the panel showed before it;
       false when the model cannot follow it. */
    bool Predict(const std::string& text, const PanelInputs& inputs, StepPrediction& prediction)
    {
        qzscript::Line line;
        qzscript::Error error;
        if (!qzscript::ParseLine(text, 1, line, error) || line.words.empty())
            return false;
        const std::string& word = line.words[0].text;
        const std::string argument = line.words.size() > 1 ? line.words[1].text : "";
        if (word == "row" || word == "type") {
            const bool editable =
                std::find(inputs.enabled.begin(), inputs.enabled.end(), kPanelEdit) != inputs.enabled.end();
            prediction.error = !_model->Open() || (word == "type" && !editable);
            return true;
        }
        if (word == "select") {
            qzscript::Range range;
            std::string problem;
            if (argument == "none")
                _model->SelectNone();
            else if (qzscript::ParseRange(argument, 1, 32767, range, problem))
                _model->Select(range.first, range.last);
            return true;
        }
        if (word == "answer") {
            if (argument == "file" && line.words.size() > 2)
                _model->QueueFile(line.words[2].text);
            static const char* const kWords[] = {"ok", "cancel", "yes", "no"};
            for (int code = 0; code < 4; ++code)
                if (argument == kWords[code])
                    _model->QueueAnswer(code);
            return true;
        }
        if (word == "press") {
            prediction = _model->Press(std::atoi(argument.c_str()), inputs);
            return true;
        }
        if (word == "part") {
            const int part = std::atoi(argument.c_str());
            if (!_model->HasPart(part))
                return false;
            _model->SwitchPart(part);
            return true;
        }
        if (word == "staffset")
            return true; /* another program's write: the panel's model knows nothing of it */
        if (word == "undo" || word == "redo") {
            prediction = word == "undo" ? _model->Undo() : _model->Redo();
            return true;
        }
        if (word == "wait") {
            _model->Wait(std::atoll(argument.c_str()));
            return true;
        }
        if (word == "activate" || word == "deactivate") {
            prediction.error = !_model->Open();
            _model->Activate(word == "activate", inputs.active);
            return true;
        }
        if (word == "close") {
            prediction.error = !_model->Open();
            _model->Close();
            return true;
        }
        if (word == "invoke" && !_model->Open()) {
            _model->Invoke();
            return true;
        }
        return false;
    }

    bool Step(int index, const std::string& text, const PanelInputs& inputs)
    {
        StepPrediction prediction;
        const size_t alertsBefore = _session.RecordedAlerts().size();
        if (!Predict(text, inputs, prediction)) {
            _channel.Send(kInconclusive, text);
            return false;
        }
        Outcome outcome;
        RunScriptLine(_session, text, outcome);
        /* A document whose image did not change reads as before; only a
           changed image is copied. */
        std::vector<uint8_t> after;
        const bool changed = ImageChanged(_session, _image, after);
        if (!_readout || changed)
            _readout.reset(new DocumentReadout(ReadDocument(_session)));
        _stepText = &text;
        const bool passed = CheckUndo(index, prediction, changed ? after : _image) && CheckDocument(index) &&
                            CheckPanel(index) && CheckOutcome(index, prediction, outcome, alertsBefore);
        if (changed)
            _image = std::move(after);
        return passed;
    }

    /* How a failure names the step being checked. */
    std::string Where(int index) const { return "step " + std::to_string(index + 1) + " `" + *_stepText + "`: "; }

    bool CheckUndo(int index, const StepPrediction& prediction, const std::vector<uint8_t>& after)
    {
        const HostEngine& host = _session.Host();
        const size_t depth = host.hostsim_undo_depth();
        if (depth != _model->UndoDepth()) {
            const std::string want = std::to_string(_model->UndoDepth());
            Fail(kCheckUndo, index,
                 Where(index) + "the host has " + std::to_string(depth) + " undo steps, the model " + want,
                 {"expect undo " + want + " \"" + (_model->UndoDepth() ? "Staff Set Panel" : "") + "\""});
            return false;
        }
        if (!prediction.committed)
            return true;
        /* The images are compared where the engine keeps them; only one
           that differs is copied, for its fingerprint. */
        host.hostsim_undo();
        const std::string undone = SameImage(_session, _image) ? "" : ImageFingerprint(DocumentImage(_session));
        host.hostsim_redo();
        const std::string redone = SameImage(_session, after) ? "" : ImageFingerprint(DocumentImage(_session));
        if (!undone.empty()) {
            Fail(kCheckUndo, index,
                 Where(index) + "undo left the document image " + undone + ", before the step it was " +
                     ImageFingerprint(_image),
                 {"undo", "expect image \"" + ImageFingerprint(_image) + "\""});
            return false;
        }
        if (!redone.empty()) {
            Fail(kCheckUndo, index,
                 Where(index) + "redo left the document image " + redone + ", after the step it was " +
                     ImageFingerprint(after),
                 {"undo", "redo", "expect image \"" + ImageFingerprint(after) + "\""});
            return false;
        }
        return true;
    }

    bool CheckDocument(int index)
    {
        std::string detail, expectation;
        if (!FirstDifference(*_readout, _model->Document(), _model->CategoryExists(), detail, expectation))
            return true;
        Fail(kCheckDocument, index, Where(index) + detail, {expectation});
        return false;
    }

    bool CheckPanel(int index)
    {
        const int window = _session.PanelWindow();
        if (!_model->Open() || !window)
            return true;
        ReadPanelRows(_session, window, _panelScratch, _shown);
        for (int row = 0; row < kPanelRows; ++row) {
            const std::string& got = _shown[static_cast<size_t>(row)];
            const std::string& want = _want;
            _model->ShownRowInto(row, _want);
            if (got != want) {
                Fail(kCheckPanel, index,
                     Where(index) + "row " + std::to_string(row) + " shows " + qzscript::Quote(got) + ", the model " +
                         qzscript::Quote(want),
                     {"expect row " + std::to_string(row) + " " + qzscript::Quote(want)});
                return false;
            }
        }
        return true;
    }

    bool CheckOutcome(int index, const StepPrediction& prediction, const Outcome& outcome, size_t alertsBefore)
    {
        if ((outcome.kind != Outcome::kDone) != prediction.error) {
            Fail(kCheckSteps, index,
                 Where(index) + (prediction.error ? "the model expected the step to be refused" : outcome.message), {});
            return false;
        }
        std::vector<std::string> titles;
        const std::deque<AlertRecord>& alerts = _session.RecordedAlerts();
        for (size_t i = alertsBefore; i < alerts.size(); ++i)
            titles.push_back(alerts[i].title);
        if (titles != prediction.alerts || _session.Beeps() != _model->BeepsSoFar()) {
            std::vector<std::string> expectations;
            for (const std::string& title : _model->AlertsSoFar())
                expectations.push_back("expect alert " + qzscript::Quote(title));
            expectations.push_back("expect no-alert");
            expectations.push_back("expect beeps " + std::to_string(_model->BeepsSoFar()));
            Fail(kCheckSteps, index,
                 Where(index) + std::to_string(titles.size()) + " alerts and " + std::to_string(_session.Beeps()) +
                     " beeps so far, the model " + std::to_string(prediction.alerts.size()) + " alerts and " +
                     std::to_string(_model->BeepsSoFar()) + " beeps",
                 expectations);
            return false;
        }
        return true;
    }

    const ChildChannel& _channel;
    std::string _module;
    Session _session;
    const std::string* _stepText = nullptr; /* the step being checked */
    /* The panel's rows and the model's, kept between steps for their buffers. */
    PanelRowsScratch _panelScratch;
    std::vector<std::string> _shown;
    std::string _want;
    std::unique_ptr<ReferenceModel> _model;
    std::vector<uint8_t> _image;
    std::unique_ptr<DocumentReadout> _readout; /* of the document as _image shows it */
    bool _failed = false;
};

void ReadMessage(SessionRun& run, const std::string& message)
{
    const std::string payload = message.substr(1);
    switch (message[0]) {
    case kSetupCategory: run.setup.category = payload == "1"; break;
    case kSetupDemo: run.setup.demo = true; break;
    case kSetupStaffSet: {
        const size_t colon = payload.find(':');
        std::vector<int>& staves = run.setup.sets[std::atoi(payload.c_str())];
        for (const std::string& staff : SplitText(payload.substr(colon + 1), ','))
            if (!staff.empty())
                staves.push_back(std::atoi(staff.c_str()));
        break;
    }
    case kStep: run.steps.push_back(payload); break;
    case kInconclusive: run.inconclusive = true; break;
    case kFailure: {
        const std::vector<std::string> fields = SplitText(payload, kFieldSeparator);
        run.failed = true;
        run.failure.check = fields[0];
        run.failure.step = std::atoi(fields.size() > 1 ? fields[1].c_str() : "-1");
        run.failure.detail = fields.size() > 2 ? fields[2] : "";
        run.failure.expectations.assign(fields.begin() + std::min<long>(3, static_cast<long>(fields.size())),
                                        fields.end());
        break;
    }
    default: break;
    }
}

/* Runs `body` in a child process and reads its messages into runs: one run
   for every session the child began (kSession), or one for the whole child
   when it sends no kSession. How the child ended is the last run's. */
std::vector<SessionRun> RunBatchInChild(const std::function<void(const ChildChannel&)>& body)
{
    std::vector<SessionRun> runs(1);
    const ChildOutcome outcome = RunInChildProcess(body);
    SessionRun* run = &runs.back();
    if (!outcome.started) {
        run->failed = true;
        run->failure = {kCheckSteps, -1, "the session's process did not start", {}};
        return runs;
    }
    const std::vector<ChildMessages> sessions = MessagesBySession(outcome.messages);
    runs.resize(sessions.size());
    for (size_t i = 0; i < sessions.size(); ++i)
        for (const auto& message : sessions[i])
            ReadMessage(runs[i], std::string(1, message.first) + message.second);
    run = &runs.back();
    if (!run->failed && !outcome.abnormalEnd.empty()) {
        run->failed = true;
        run->failure.check = kCheckSteps;
        run->failure.step = static_cast<int>(run->steps.size()) - 1;
        run->failure.detail = "the session's " + outcome.abnormalEnd.substr(4);
        if (!run->steps.empty())
            run->failure.detail =
                "step " + std::to_string(run->steps.size()) + " `" + run->steps.back() + "`: " + run->failure.detail;
    }
    return runs;
}

/* Runs `body`, one session, in a child process. */
SessionRun RunInChild(const std::function<void(const ChildChannel&)>& body) { return RunBatchInChild(body).front(); }

/* One generated session in the child; false when it failed. */
bool RunGeneratedInChild(const ChildChannel& channel, const std::string& module, const SessionOrder& order)
{
    StepGenerator generator(order.seed);
    CheckedSession session(channel, module);
    int left = order.length;
    session.Run([&](int staves) { return generator.MakeSetup(staves); },
                [&](const ReferenceModel& model, const PanelInputs& inputs, int staves, std::string& step) {
                    if (left-- <= 0)
                        return false;
                    step = generator.Next(model, inputs, staves);
                    return true;
                });
    session.Finish();
    return !session.Failed();
}

} // namespace

SessionRun RunGeneratedSession(const std::string& module, uint64_t seed, int length)
{
    PreloadModules(module);
    const SessionOrder order{seed, length};
    return RunInChild([&](const ChildChannel& channel) { RunGeneratedInChild(channel, module, order); });
}

std::vector<SessionRun> RunGeneratedSessions(const std::string& module, const std::vector<SessionOrder>& orders)
{
    PreloadModules(module);
    return RunBatchInChild([&](const ChildChannel& channel) {
        for (size_t i = 0; i < orders.size(); ++i) {
            channel.Send(kSession, std::to_string(i));
            if (!RunGeneratedInChild(channel, module, orders[i]))
                return;
        }
    });
}

SessionRun ReplaySession(const std::string& module, const SessionSetup& setup, const std::vector<std::string>& steps)
{
    PreloadModules(module);
    SessionRun run = RunInChild([&](const ChildChannel& channel) {
        CheckedSession session(channel, module);
        size_t next = 0;
        session.Run([&](int) { return setup; },
                    [&](const ReferenceModel&, const PanelInputs&, int, std::string& step) {
                        if (next >= steps.size())
                            return false;
                        step = steps[next++];
                        return true;
                    });
        session.Finish();
    });
    run.setup = setup;
    return run;
}

int RunScriptLines(const std::vector<std::string>& lines, std::string& message)
{
    SessionRun run = RunInChild([&](const ChildChannel& channel) {
        Session session;
        std::string error;
        int failed = 0;
        Outcome outcome;
        if (!session.Start(false, true, error)) {
            failed = 1;
            outcome = Outcome::Error(error);
        }
        for (size_t i = 0; !failed && i < lines.size(); ++i)
            if (!RunScriptLine(session, lines[i], outcome))
                failed = static_cast<int>(i) + 1;
        session.Finish();
        if (failed)
            channel.Send(kFailure, std::string(kCheckSteps) + kFieldSeparator + std::to_string(failed) +
                                       kFieldSeparator + outcome.message);
    });
    message = run.failure.detail;
    return run.failed ? std::max(1, run.failure.step) : 0;
}
