#ifndef QZHOST_RANDOMSESSIONGENERATOR_H
#define QZHOST_RANDOMSESSIONGENERATOR_H

/* Draws random panel sessions: a starting document and then one script line
   per step (rows, names, selections, commands, alert answers, undo, redo,
   timer ticks, activation), all from one seeded generator, so that a seed
   gives the same session again. */

#include "qzhost/validate/session/ReferenceModel.h"

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

/* The document a session starts from: the small test score or the demo
   score, with or without the special category and with some staff sets
   written beforehand. */
struct SessionSetup
{
    bool demo = false; /* the demo score (with staff groups) instead of the test document */
    bool category = true;
    std::map<int, std::vector<int>> sets; /* staff set -> staves */
};

/* The script lines that build the setup and open the panel; `module` is the
   module to load ("" for the default one). */
std::vector<std::string> SetupLines(const SessionSetup& setup, const std::string& module);
/* The model's starting document for a setup (expression items from the
   document's own other expressions). */
ModelDocument SetupDocument(const SessionSetup& setup, const std::vector<int>& otherExpressions);

class StepGenerator
{
public:
    explicit StepGenerator(uint64_t seed) : _random(seed) {}

    SessionSetup MakeSetup(int scoreStaves);
    /* The next step's line, given the model and what the panel shows. */
    std::string Next(const ReferenceModel& model, const PanelInputs& inputs, int scoreStaves);

    /* The names a session types: ordinary, long, empty, blank, non-Latin. */
    static const std::vector<std::string>& Names();

private:
    int Pick(int first, int last);
    bool Chance(int percent) { return Pick(1, 100) <= percent; }
    std::string PressLine(const ReferenceModel& model, const PanelInputs& inputs);
    std::string SelectLine(int scoreStaves);
    /* A press of the third row's buttons, with the file its dialog takes. */
    std::string ThirdRowLine(const ReferenceModel& model, const PanelInputs& inputs);

    std::mt19937_64 _random;
    std::vector<std::string> _pending; /* lines already decided, in order */
};

/* One session's seed from the run's seed and the session's index. */
uint64_t SessionSeed(uint64_t runSeed, long long session);

#endif
