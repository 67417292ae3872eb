#include "qzhost/CommandRegistry.h"

#include <algorithm>

CommandRegistry& CommandRegistry::Instance()
{
    static CommandRegistry registry;
    return registry;
}

void CommandRegistry::Add(const Command& command) { _commands.push_back(command); }

const Command* CommandRegistry::Find(const std::string& name) const
{
    for (const Command& command : _commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

const Command* CommandRegistry::Match(int argc, char** argv, int& used) const
{
    if (argc >= 3)
        if (const Command* sub = Find(std::string(argv[1]) + " " + argv[2])) {
            used = 2;
            return sub;
        }
    used = 1;
    return argc >= 2 ? Find(argv[1]) : nullptr;
}

std::vector<const Command*> CommandRegistry::All() const
{
    std::vector<const Command*> all;
    for (const Command& command : _commands)
        all.push_back(&command);
    std::sort(all.begin(), all.end(), [](const Command* a, const Command* b) { return a->name < b->name; });
    return all;
}

CommandRegistration::CommandRegistration(const char* name, const char* usage, const char* summary, CommandFunction run)
{
    CommandRegistry::Instance().Add(Command{name, usage, summary, run});
}
