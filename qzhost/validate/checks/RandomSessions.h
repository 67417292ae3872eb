#ifndef QZHOST_RANDOMSESSIONS_H
#define QZHOST_RANDOMSESSIONS_H

/* The validator's random panel sessions: sessions of drawn steps on the
   test score, each checked against the reference model after every step; a
   failure is shrunk to the shortest sequence of steps that still fails and
   handed back as a script for `qzhost script`. */

#include "qzhost/validate/session/RandomSessionRunner.h"
#include "qzhost/validate/ValidationChecks.h"

/* Steps per session. */
constexpr int kRandomSessionLength = 100;
/* Sessions run one after another in one child process. */
constexpr int kSessionsPerChild = 40;

/* The sessions of the next child: from session `first` of the run's seed on,
   while steps are left. */
std::vector<SessionOrder> NextSessionOrders(uint64_t runSeed, long long first, long long stepsLeft);

/* The number of random steps a run takes: the context's own count when it
   gives one, else $QZVALIDATE_STEPS when set, else 10,000 (100,000 from
   level 10 on). */
long long RandomStepsFor(const ValidationContext& context);

/* Shrinks a failing run and writes the script that shows its failure. */
struct Reproducer
{
    SessionRun shrunk;
    std::string script;
    int tries = 0;
    /* The script's failing line (1-based) when replayed; 0 when it passed. */
    int failingLine = 0;
    std::string failingMessage;
};
Reproducer MakeReproducer(const std::string& module, const SessionRun& failing, const std::string& origin,
                          int maxTries);

void RunRandomSessions(const ValidationContext& context, CheckReporter& report);

#endif
