#ifndef QZTEST_RUNPROGRAM_H
#define QZTEST_RUNPROGRAM_H

/* Runs a command line through the shell, as a person would type it, and
   keeps its exit status and what it printed. */

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/ReadFile.h"

struct ProgramRun
{
    int status = -1; /* exit status; -1 when it could not start or a signal ended it */
    std::string out; /* standard output (with standard error when merged) */
    std::string err; /* standard error, when kept apart */
};

/* What becomes of the program's standard error. */
enum class ErrorOutput
{
    Apart,  /* in ProgramRun::err */
    Merged, /* in ProgramRun::out, in the order it was written */
    Dropped
};

inline ProgramRun RunProgram(const std::string& commandLine, ErrorOutput errors = ErrorOutput::Apart)
{
    ProgramRun run;
    std::string errFile;
    std::string redirect = " 2>/dev/null";
    if (errors == ErrorOutput::Merged) {
        redirect = " 2>&1";
    }
    else if (errors == ErrorOutput::Apart) {
        std::string pattern = (std::filesystem::temp_directory_path() / "qztest-stderr-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd < 0)
            return run;
        close(fd);
        errFile = pattern;
        redirect = " 2>'" + errFile + "'";
    }
    const std::string command = "{ " + commandLine + "\n}" + redirect;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t count = 0;
        while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.out.append(buffer, count);
        const int status = pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    if (!errFile.empty()) {
        run.err = ReadFile(errFile);
        std::error_code ignored;
        std::filesystem::remove(errFile, ignored);
    }
    return run;
}

/* True when the shell finds the program. */
inline bool HasProgram(const std::string& name)
{
    return RunProgram("command -v '" + name + "'", ErrorOutput::Dropped).status == 0;
}

#endif
