#ifndef QZHOST_RANDOMSESSIONCHILD_H
#define QZHOST_RANDOMSESSIONCHILD_H

/* Sessions run in child processes of their own (the plug-in keeps
   process-wide state, as under `qzhost script`); the child tells the parent
   what happened through tagged messages in memory it shares with the parent,
   so that even a child that dies leaves what it said before. */

#include "qzhost/session/SessionCommand.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class Session;

class ChildChannel
{
public:
    explicit ChildChannel(void* area) : _area(area) {}
    void Send(char tag, const std::string& payload) const;

private:
    void* _area;
};

struct ChildOutcome
{
    std::vector<std::pair<char, std::string>> messages;
    bool started = true;
    /* How the child ended: "" when it exited with status 0. */
    std::string abnormalEnd;
};

/* Loads the engine and a plug-in module into this process without calling
   either, so that every child starts with them loaded (as fresh as a child
   that loads them itself, without the loader's work). */
void PreloadModules(const std::string& plugin);

ChildOutcome RunInChildProcess(const std::function<void(const ChildChannel&)>& body);

/* Parses and runs one script line; false unless it was done. */
bool RunScriptLine(Session& session, const std::string& text, Outcome& outcome);

std::vector<std::string> SplitText(const std::string& text, char separator);

#endif
