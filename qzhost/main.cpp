/* qzhost: the host program. Loads the simulated host engine and a plug-in
   module and drives them; what it does is chosen by the command name. */

#include "qzhost/CommandRegistry.h"

#include <iostream>

namespace
{

void PrintUsage(std::ostream& out)
{
    out << "usage: qzhost COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Command* command : AllCommands())
        out << "  qzhost " << command->usage << "\n      " << command->summary << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(std::cout);
        return kExitOK;
    }
    int used = 1;
    const Command* command = MatchCommand(argc, argv, used);
    if (!command) {
        std::cerr << "qzhost: unknown command '" << name << "'\n";
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    return command->run(CommandArgs(argv + 1 + used, argv + argc), std::cout, std::cerr);
}
