#ifndef COMMANDREGISTRY_H
#define COMMANDREGISTRY_H

/* The commands of qzhost. Each command lives in its own source file
   (cmd_<name>.cpp) and registers itself at start-up:

       static int RunFoo(const CommandArgs& args, std::ostream& out, std::ostream& err);
       QZHOST_COMMAND(foo, "foo FILE", "does foo with FILE", RunFoo);

   A subcommand ("qzhost doc import ...") lives in its own file as well:

       QZHOST_SUBCOMMAND(doc, import, "doc import FILE", "imports FILE", RunImport);

   The command function receives the arguments after the command name (for
   a subcommand, after both words) and returns the process exit status. */

#include "qzhost/Registry.h"

#include <iosfwd>
#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;
using CommandFunction = int (*)(const CommandArgs& args, std::ostream& out, std::ostream& err);

struct Command
{
    std::string name;
    std::string usage;   /* e.g. "info MODULE" */
    std::string summary; /* one line */
    CommandFunction run;
};

/* The command that the first words of argv[1..argc-1] name: a subcommand
   ("doc import") before a command ("doc"); `used` = the words consumed. */
const Command* MatchCommand(int argc, char** argv, int& used);
/* Every command, by name. */
std::vector<const Command*> AllCommands();

#define QZHOST_COMMAND(name, usage, summary, run) QZHOST_REGISTER(Command, name, #name, usage, summary, run)
#define QZHOST_SUBCOMMAND(parent, name, usage, summary, run) \
    QZHOST_REGISTER(Command, parent##_##name, #parent " " #name, usage, summary, run)

/* Exit statuses shared by the commands. */
constexpr int kExitOK = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

#endif
