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

class CommandRegistry
{
public:
    static CommandRegistry& Instance();

    void Add(const Command& command);
    const Command* Find(const std::string& name) const;
    /* The command that the first words of argv[1..argc-1] name: a subcommand
       ("doc import") before a command ("doc"); `used` = the words consumed. */
    const Command* Match(int argc, char** argv, int& used) const;
    /* Every command, by name. */
    std::vector<const Command*> All() const;

private:
    CommandRegistry() = default;
    std::vector<Command> _commands;
};

/* Registers a command when the program starts. */
class CommandRegistration
{
public:
    CommandRegistration(const char* name, const char* usage, const char* summary, CommandFunction run);
};

#define QZHOST_COMMAND(name, usage, summary, run) \
    static const CommandRegistration qzhostCommand_##name(#name, usage, summary, run)

#define QZHOST_SUBCOMMAND(parent, name, usage, summary, run) \
    static const CommandRegistration qzhostCommand_##parent##_##name(#parent " " #name, usage, summary, run)

/* Exit statuses shared by the commands. */
constexpr int kExitOK = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

#endif
