#ifndef QZHOST_VALIDATIONCHECKS_H
#define QZHOST_VALIDATIONCHECKS_H

/* The checks of `qzhost validate`. Each group of checks lives in its own
   source file and registers itself with the strictness level from which it
   runs (a level runs every group registered at it or below):

       static void RunCycles(const ValidationContext& context, CheckReporter& report);
       QZVALIDATE_CHECKS(cycles, 3, "invoke and terminate cycles", RunCycles);

   The validator runs the groups of each level in a child process of their
   own, so that a module that crashes ends that level's checks as a failed
   check (with its signal), never the run. A group reports one result per
   check through the reporter, as soon as it is known. */

#include "qzhost/Registry.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct ValidationContext
{
    std::string module; /* path of the module under test */
    int level = 1;      /* the level asked for, 1-10 */
    uint64_t seed = 0;  /* seeds every random choice of the run */
    /* Random session steps to run; 0 takes the level's own number (tests
       scale it down). */
    long long randomSteps = 0;
};

struct CheckResult
{
    std::string name; /* e.g. "exports", "undo restores the document" */
    bool passed = false;
    /* What failed: the step, the seed, the first differing record; for a
       passed check, an optional short summary. */
    std::string detail;
    /* A qzhost script that shows the failure again; "" when there is none. */
    std::string reproducer;
    /* Counts worth printing: "steps", "faults", "kills", "cycles", ... */
    std::map<std::string, long long> figures;
    /* The module cannot be checked any further (it does not load, it lacks
       an entry point the later checks need): no higher level runs. */
    bool fatal = false;
};

class CheckReporter
{
public:
    virtual ~CheckReporter() = default;
    virtual void Report(const CheckResult& result) = 0;
};

using CheckGroupFunction = void (*)(const ValidationContext& context, CheckReporter& report);

struct CheckGroup
{
    std::string id;
    int level = 1; /* lowest level that runs the group */
    std::string title;
    CheckGroupFunction run = nullptr;
};

/* The groups registered at exactly this level, sorted by id (so that runs
   are repeatable whatever the link order). */
std::vector<const CheckGroup*> CheckGroupsAtLevel(int level);
/* The distinct levels that have groups, ascending. */
std::vector<int> CheckLevels();

#define QZVALIDATE_CHECKS(id, level, title, run) QZHOST_REGISTER(CheckGroup, id, #id, level, title, run)

#endif
