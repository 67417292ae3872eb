#include "qzhost/session/SessionCommand.h"

#include "qzhost/session/Session.h"

#include <algorithm>

SessionCommands& SessionCommands::Instance()
{
    static SessionCommands commands;
    return commands;
}

void SessionCommands::Add(const SessionCommand& command) { _commands.push_back(command); }

const SessionCommand* SessionCommands::Find(const std::vector<qzscript::Word>& words, size_t& nameWords) const
{
    if (words.empty() || words[0].quoted)
        return nullptr;
    const SessionCommand* single = nullptr;
    for (const SessionCommand& command : _commands) {
        if (words.size() >= 2 && !words[1].quoted && command.name == words[0].text + " " + words[1].text) {
            nameWords = 2;
            return &command;
        }
        if (command.name == words[0].text)
            single = &command;
    }
    nameWords = 1;
    return single;
}

std::vector<const SessionCommand*> SessionCommands::All() const
{
    std::vector<const SessionCommand*> all;
    for (const SessionCommand& command : _commands)
        all.push_back(&command);
    std::sort(all.begin(), all.end(),
              [](const SessionCommand* a, const SessionCommand* b) { return a->name < b->name; });
    return all;
}

std::vector<std::string> SessionCommands::Words(const std::string& first) const
{
    std::vector<std::string> words;
    for (const SessionCommand& command : _commands) {
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

SessionCommandRegistration::SessionCommandRegistration(const char* name, const char* usage, const char* summary,
                                                       SessionCommandFunction run, bool looks)
{
    SessionCommands::Instance().Add(SessionCommand{name, usage, summary, run, looks});
}

Outcome RunSessionLine(Session& session, const qzscript::Line& line, const SessionCommand** found)
{
    size_t nameWords = 0;
    const SessionCommand* command = SessionCommands::Instance().Find(line.words, nameWords);
    if (found)
        *found = command;
    if (!command)
        return Outcome::Error("unknown command '" + (line.words.empty() ? "" : line.words[0].text) +
                              "' (help lists the commands)");
    CommandArguments args(line.words.begin() + static_cast<long>(nameWords), line.words.end());
    Outcome outcome = command->run(session, args);
    const std::string problem = session.TakeActionProblem();
    if (outcome.kind == Outcome::kDone && !problem.empty())
        outcome = Outcome::Error(problem);
    const std::string violations = session.TakeViolations();
    if (outcome.kind == Outcome::kDone && !violations.empty())
        outcome = Outcome{Outcome::kFailed, "the host reported: " + violations};
    return outcome;
}
