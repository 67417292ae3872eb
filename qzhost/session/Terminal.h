#ifndef QZHOST_TERMINAL_H
#define QZHOST_TERMINAL_H

/* The interactive terminal of qzhost run: a prompt with line editing,
   history and completion of command words (libedit); alerts are asked at
   the prompt; the panel's timers run in real time while the prompt waits.
   Returns when the input ends or quit is given. */

class Session;

namespace Terminal
{
void Run(Session& session);
}

#endif
