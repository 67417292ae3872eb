#ifndef QZHOST_RANDOMSESSIONCHILD_H
#define QZHOST_RANDOMSESSIONCHILD_H

/* Sessions run in child processes of their own (the plug-in keeps
   process-wide state, as under `qzhost script`); the child tells the parent
   what happened through tagged messages on a pipe, so that even a child that
   dies leaves what it said before. */

#include "qzhost/session/SessionCommand.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class Session;

class ChildChannel
{
public:
    explicit ChildChannel(int fd) : _fd(fd) {}
    void Send(char tag, const std::string& payload) const;

private:
    int _fd;
};

struct ChildOutcome
{
    std::vector<std::pair<char, std::string>> messages;
    bool started = true;
    /* How the child ended: "" when it exited with status 0. */
    std::string abnormalEnd;
};

ChildOutcome RunInChildProcess(const std::function<void(const ChildChannel&)>& body);

/* Parses and runs one script line; false unless it was done. */
bool RunScriptLine(Session& session, const std::string& text, Outcome& outcome);

std::vector<std::string> SplitText(const std::string& text, char separator);

#endif
