#ifndef QZHOST_FAULTINJECTION_H
#define QZHOST_FAULTINJECTION_H

/* Refused host calls during panel commands: each command runs once to learn
   which host functions (and which records) it calls, then once per call with
   that call refused by the engine. Afterwards the document must be as it was
   before the command (the edit was cancelled) or as the command makes it
   without faults (which the reference model confirms), the panel must show
   the document as it is, and no host edit may be left open. */

#include "qzhost/validate/session/RandomSessionGenerator.h"
#include "qzhost/validate/ValidationChecks.h"

#include <cstdint>
#include <string>
#include <vector>

/* A panel in a given state, and the command to run there. */
struct FaultScenario
{
    std::string name;
    SessionSetup setup;
    std::vector<std::string> prepare; /* steps that lead up to the command */
    std::string command;
};
const std::vector<FaultScenario>& FaultScenarios();

/* One refusal: a host function's next call, or its next call for one record. */
struct InjectedFault
{
    std::string function;
    bool byRecord = false;
    uint32_t tag = 0;
    int16_t key[3] = {0, 0, 0};
    std::string Describe() const;
    /* A refused read looks to the plug-in like a missing record (a slot
       without a staff, a name the host cannot compose), so the plug-in may go
       on with what it saw: only its survival and the open edits are judged
       then. */
    bool IsRead() const;
};

/* What a scenario's command does without faults. */
struct FaultBaseline
{
    std::vector<InjectedFault> faults; /* one per distinct call */
    std::string document;              /* the staff sets afterwards, described */
    std::string panel;                 /* the panel's rows after the command and a tick */
    std::string unchangedPanel;        /* the rows after a tick without the command */
    std::string problem;               /* why there is no baseline; "" when there is */
};
FaultBaseline LearnScenario(const std::string& module, const FaultScenario& scenario);

/* The checks one refusal can fail; "" for each that held. */
struct FaultVerdict
{
    std::string crash, document, panel, openEdit;
};
FaultVerdict RunWithFault(const std::string& module, const FaultScenario& scenario, const FaultBaseline& baseline,
                          const InjectedFault& fault);

/* The verdicts of the faults, in order. They run one after another in a
   child process, each in a fresh session, as a batch of sessions does; a
   fault that fails after others in the same child runs again alone, and its
   verdict says so when it ran otherwise there. */
std::vector<FaultVerdict> RunWithFaults(const std::string& module, const FaultScenario& scenario,
                                        const FaultBaseline& baseline, const std::vector<InjectedFault>& faults);

void RunFaultInjection(const ValidationContext& context, CheckReporter& report);

#endif
