#ifndef QZHOST_VALIDATE_VALIDATIONRUNNER_H
#define QZHOST_VALIDATE_VALIDATIONRUNNER_H

/* Runs the validator's groups of checks level by level, each level in a
   child process of its own, a few levels at a time. The child sends every
   result back through its channel as soon as the group reports it; a child that dies from a signal,
   ends without finishing or outlives its time limit becomes a failed check
   of the group it was running. A level with a fatal result, a crash or a
   hang ends the run: the levels above it are not started. */

#include "qzhost/validate/ValidationReport.h"

struct ValidationOptions
{
    std::string module;
    int level = 5;
    uint64_t seed = 0;
    /* Limit for one level's child process; 0 takes the default. */
    int timeoutSeconds = 0;
};

struct LevelRun;

class ValidationRunner
{
public:
    static constexpr int kDefaultTimeoutSeconds = 1800;

    explicit ValidationRunner(const ValidationOptions& options);
    ValidationReport Run();

private:
    LevelRun StartLevel(int level, int limit) const;
    static bool Ended(LevelRun& run);
    static LevelReport JudgeLevel(LevelRun& run, int limit, std::string& stopped);

    ValidationOptions _options;
    ValidationContext _context;
};

/* The short name of a signal ("SIGSEGV"), or "signal N". */
std::string SignalName(int signal);

/* Where the validator's temporary folders go: $TMPDIR when set, else a
   memory file system when there is one (/dev/shm; the plug-in syncs every
   preference file it saves, which on a disk costs more than a whole session
   step), else the system's temporary folder. */
std::string TemporaryFolderBase();
extern const char* const kMemoryTemporaryFolder;

#endif
