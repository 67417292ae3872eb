#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include "common/qz_host_versions.h"

namespace
{

struct RunResult
{
    int status = -1;
    std::string output; /* stdout and stderr */
};

RunResult RunQzhost(const std::string& arguments, const std::string& environment = "")
{
    RunResult run;
    const std::string command = environment + " '" QZTEST_QZHOST "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[1024];
    size_t count = 0;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, count);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(QzhostInfo, PrintsTheHandshakeAndTheMenuEntryOfTheModule)
{
    const RunResult run = RunQzhost("info '" QZTEST_MODULE "'");
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* expected :
         {"main: 1\n", "version 0x19000000 answered 0x0F000000\n", "init: 1, flags 0x01\n",
          "menu text:   QZ Staff Set Panel...\n", "description: Name and view staff sets for the score.\n",
          "short name:  Staff Set Panel\n", "entries: 1\n", "UTF-16 entries: 1\n", "menu status: 1\n"})
        EXPECT_TRUE(Contains(run.output, expected)) << "missing: " << expected << "\n" << run.output;
    EXPECT_TRUE(Contains(run.output, "UTF-16 entry 0:\n  menu text:   QZ Staff Set Panel...\n")) << run.output;
}

TEST(QzhostInfo, GoesOnWithoutAnEngineThatCannotBeLoaded)
{
    const RunResult run = RunQzhost("info '" QZTEST_MODULE "'", "QZ_HOSTSIM=/nonexistent/libfxhostsim.so");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "running the plug-in without it")) << run.output;
    EXPECT_TRUE(Contains(run.output, "engine: none\n")) << run.output;
    EXPECT_TRUE(Contains(run.output, "QZ Staff Set Panel...")) << run.output;
}

TEST(QzhostInfo, FailsOnAPathThatIsNoModule)
{
    const RunResult run = RunQzhost("info /nonexistent/module.so");
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(Contains(run.output, "cannot load plug-in module '/nonexistent/module.so'")) << run.output;
}

TEST(QzhostInfo, FailsOnAModuleWithoutTheEntryPoints)
{
    const RunResult run = RunQzhost("info '" QZTEST_FAKE_ENGINE "'");
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(Contains(run.output, "missing entry point(s) main, FinaleExtensionVersion")) << run.output;
}

TEST(QzhostCommands, AnUnknownOrMissingCommandIsAUsageError)
{
    EXPECT_EQ(RunQzhost("").status, 2);
    const RunResult run = RunQzhost("no-such-command");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.output, "unknown command 'no-such-command'")) << run.output;
    EXPECT_TRUE(Contains(run.output, "qzhost info MODULE")) << run.output;
    EXPECT_EQ(RunQzhost("info").status, 2);
}
