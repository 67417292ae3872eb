#include "qzhost/CommandRegistry.h"

namespace
{

const Command* FindCommand(const std::string& name)
{
    return Registry<Command>::Instance().FindIf([&](const Command& command) { return command.name == name; });
}

} // namespace

const Command* MatchCommand(int argc, char** argv, int& used)
{
    if (argc >= 3)
        if (const Command* sub = FindCommand(std::string(argv[1]) + " " + argv[2])) {
            used = 2;
            return sub;
        }
    used = 1;
    return argc >= 2 ? FindCommand(argv[1]) : nullptr;
}

std::vector<const Command*> AllCommands()
{
    return Registry<Command>::Instance().Sorted([](const Command& a, const Command& b) { return a.name < b.name; });
}
