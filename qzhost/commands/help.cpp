/* help */

#include "qzhost/session/CommandSupport.h"

#include <iomanip>
#include <iostream>

namespace
{

Outcome RunHelp(Session&, const CommandArguments& args)
{
    ArgumentCheck check(args, "help");
    if (!check.Count(0))
        return check.Error();
    for (const SessionCommand* command : AllSessionCommands())
        std::cout << "  " << std::left << std::setw(40) << command->usage << " " << command->summary
                  << (command->mode == CommandMode::kWindow ? " (window)" : "") << "\n";
    std::cout.flush();
    return Outcome::Done();
}

} // namespace

QZHOST_LOOK_COMMAND(help, "help", "help", "lists every command", RunHelp);
