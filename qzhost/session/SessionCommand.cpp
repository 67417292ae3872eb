#include "qzhost/session/SessionCommand.h"

#include "qzhost/session/Session.h"

#include <algorithm>

namespace
{

CommandMode gMode = CommandMode::kEvery;

bool Usable(const SessionCommand& command) { return command.mode == CommandMode::kEvery || command.mode == gMode; }

/* The command named name: the one of this mode first, then one that works
   everywhere, then (to be refused) a window command. */
const SessionCommand* Named(const std::string& name)
{
    const SessionCommand* found = nullptr;
    for (const SessionCommand& command : Registry<SessionCommand>::Instance().Entries()) {
        if (command.name != name)
            continue;
        if (command.mode == gMode)
            return &command;
        if (!found || Usable(command))
            found = &command;
    }
    return found;
}

} // namespace

void SetSessionCommandMode(CommandMode mode) { gMode = mode; }

CommandMode SessionCommandMode() { return gMode; }

const SessionCommand* FindSessionCommand(const std::vector<qzscript::Word>& words, size_t& nameWords)
{
    if (words.empty() || words[0].quoted)
        return nullptr;
    if (words.size() >= 2 && !words[1].quoted)
        if (const SessionCommand* pair = Named(words[0].text + " " + words[1].text)) {
            nameWords = 2;
            return pair;
        }
    nameWords = 1;
    return Named(words[0].text);
}

std::vector<const SessionCommand*> AllSessionCommands()
{
    return Registry<SessionCommand>::Instance().Sorted(
        [](const SessionCommand& a, const SessionCommand& b) { return a.name < b.name; });
}

std::vector<std::string> SessionCommandWords(const std::string& first)
{
    std::vector<std::string> words;
    for (const SessionCommand& command : Registry<SessionCommand>::Instance().Entries()) {
        if (!Usable(command))
            continue;
        const size_t space = command.name.find(' ');
        if (first.empty())
            words.push_back(command.name.substr(0, space));
        else if (space != std::string::npos && command.name.compare(0, space, first) == 0)
            words.push_back(command.name.substr(space + 1));
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

Outcome WithSessionProblems(Session& session, Outcome outcome)
{
    const std::string problem = session.TakeActionProblem();
    if (outcome.kind == Outcome::kDone && !problem.empty())
        outcome = Outcome::Error(problem);
    const std::string violations = session.TakeViolations();
    if (outcome.kind == Outcome::kDone && !violations.empty())
        outcome = Outcome{Outcome::kFailed, "the host reported: " + violations};
    return outcome;
}

Outcome RunSessionLine(Session& session, const qzscript::Line& line, const SessionCommand** found)
{
    size_t nameWords = 0;
    const SessionCommand* command = FindSessionCommand(line.words, nameWords);
    if (found)
        *found = command;
    if (!command)
        return Outcome::Error("unknown command '" + (line.words.empty() ? "" : line.words[0].text) +
                              "' (help lists the commands)");
    if (!Usable(*command))
        return Outcome::Error("'" + command->name + "' works in the window mode only (qzhost run --window)");
    CommandArguments args(line.words.begin() + static_cast<long>(nameWords), line.words.end());
    return WithSessionProblems(session, command->run(session, args));
}
