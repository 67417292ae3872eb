#ifndef QZHOST_RANDOMSESSIONSHRINK_H
#define QZHOST_RANDOMSESSIONSHRINK_H

/* Delta debugging over the recorded steps of a failing session: finds a
   shorter sequence that still fails the same way, by leaving out ever smaller
   chunks and keeping every candidate that still fails. */

#include <functional>
#include <string>
#include <vector>

/* True when the candidate still fails. It may shorten the candidate to the
   steps that ran up to the failure. */
using StillFails = std::function<bool(std::vector<std::string>& candidate)>;

struct ShrinkResult
{
    std::vector<std::string> steps;
    int tries = 0; /* candidates replayed */
};

/* `steps` must fail; at most `maxTries` candidates are replayed. The result
   fails too, and no single step can be left out of it without losing the
   failure (unless the budget ran out first). */
ShrinkResult ShrinkSteps(const std::vector<std::string>& steps, const StillFails& stillFails, int maxTries);

#endif
