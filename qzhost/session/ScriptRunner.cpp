#include "qzhost/session/ScriptRunner.h"

#include "qzhost/session/Screen.h"
#include "qzhost/session/Session.h"

#include <iostream>

const ScriptPolicy kRunScriptFile = {true, false, false, ScriptPolicy::kReportFileLine, true};
const ScriptPolicy kRunPipedInput = {false, true, true, ScriptPolicy::kReportLineNumber, false};
const ScriptPolicy kRunAtPrompt = {false, false, true, ScriptPolicy::kReportPrompt, false};
const ScriptPolicy kRunQuietly = {true, false, false, ScriptPolicy::kReportNothing, false};

namespace
{

constexpr int kStatusFailed = 1;
constexpr int kStatusError = 2;

bool Blank(const std::string& text) { return text.find_first_not_of(" \t\r") == std::string::npos; }

} // namespace

ScriptRunner::ScriptRunner(Session& session, const ScriptPolicy& policy, std::ostream& out, const std::string& name)
    : _session(session), _policy(policy), _out(out), _name(name)
{
}

bool ScriptRunner::Ended() const { return (_status != 0 && _policy.stopAtFailure) || _session.QuitRequested(); }

Outcome ScriptRunner::Run(const qzscript::Line& line)
{
    if (Ended())
        return _failure;
    _lastLine = line.number;
    if (line.words.empty())
        return Outcome::Done();
    const SessionCommand* command = nullptr;
    const Outcome outcome = RunSessionLine(_session, line, &command);
    Judge(outcome, line.number, command);
    return outcome;
}

Outcome ScriptRunner::Run(const std::string& text, int number)
{
    if (Ended())
        return _failure;
    if (Blank(text))
        return Outcome::Done();
    if (_policy.echo)
        _out << "> " << text << "\n";
    qzscript::Line line;
    qzscript::Error error;
    if (!qzscript::ParseLine(text, number, line, error)) {
        const Outcome outcome = Outcome::Error(error.message);
        Judge(outcome, number, nullptr);
        return outcome;
    }
    return Run(line);
}

Outcome ScriptRunner::RunScript(const std::string& text)
{
    std::vector<qzscript::Line> lines;
    qzscript::Error error;
    if (!qzscript::ParseScript(text, lines, error)) {
        const Outcome outcome = Outcome::Error(error.message);
        Judge(outcome, error.line, nullptr);
        return outcome;
    }
    return RunLines(lines);
}

Outcome ScriptRunner::RunLines(const std::vector<qzscript::Line>& lines)
{
    Outcome outcome;
    for (size_t i = 0; i < lines.size() && !Ended(); ++i)
        outcome = Run(lines[i]);
    return outcome;
}

void ScriptRunner::Finish()
{
    _session.Finish();
    if (!_policy.findingsAtEnd || _status != 0)
        return;
    const std::string violations = _session.TakeViolations();
    if (violations.empty())
        return;
    const Outcome outcome{Outcome::kFailed, "at the end the host reported: " + violations};
    Judge(outcome, _lastLine, nullptr);
}

void ScriptRunner::Judge(const Outcome& outcome, int number, const SessionCommand* command)
{
    if (outcome.kind != Outcome::kDone) {
        Report(outcome, number);
        if (_status == 0) {
            _status = outcome.kind == Outcome::kFailed ? kStatusFailed : kStatusError;
            _failure = outcome;
            _failedLine = number;
        }
    }
    else if (_policy.showScreen && command && !command->looks) {
        Screen::All(_session, _out);
    }
    std::cout.flush();
    _out.flush();
}

void ScriptRunner::Report(const Outcome& outcome, int number)
{
    switch (_policy.report) {
    case ScriptPolicy::kReportFileLine: _out << _name << ":" << number << ": " << outcome.message << "\n"; break;
    case ScriptPolicy::kReportLineNumber: _out << "line " << number << ": " << outcome.message << "\n"; break;
    case ScriptPolicy::kReportPrompt:
        _out << (outcome.kind == Outcome::kFailed ? "failed: " : "error: ") << outcome.message << "\n";
        break;
    case ScriptPolicy::kReportNothing: break;
    }
}
