#include <gtest/gtest.h>

#include <string>

#include "common/qz_host_versions.h"
#include "support/RunProgram.h"

namespace
{

/* qzhost with the arguments; standard output and error together. */
ProgramRun RunQzhost(const std::string& arguments, const std::string& environment = "")
{
    return RunProgram(environment + " '" + QZTEST_QZHOST + "' " + arguments, ErrorOutput::Merged);
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(QzhostInfo, PrintsTheHandshakeAndTheMenuEntryOfTheModule)
{
    const ProgramRun run = RunQzhost(std::string("info '") + QZTEST_MODULE + "'");
    EXPECT_EQ(run.status, 0) << run.out;
    for (const char* expected :
         {"main: 1\n", "version 0x19000000 answered 0x0F000000\n", "init: 1, flags 0x01\n",
          "menu text:   QZ Staff Set Panel...\n", "description: Name and view staff sets for the score.\n",
          "short name:  Staff Set Panel\n", "entries: 1\n", "UTF-16 entries: 1\n", "menu status: 1\n"})
        EXPECT_TRUE(Contains(run.out, expected)) << "missing: " << expected << "\n" << run.out;
    EXPECT_TRUE(Contains(run.out, "UTF-16 entry 0:\n  menu text:   QZ Staff Set Panel...\n")) << run.out;
}

TEST(QzhostInfo, GoesOnWithoutAnEngineThatCannotBeLoaded)
{
    const ProgramRun run =
        RunQzhost(std::string("info '") + QZTEST_MODULE + "'", "QZ_HOSTSIM=/nonexistent/libfxhostsim.so");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(Contains(run.out, "running the plug-in without it")) << run.out;
    EXPECT_TRUE(Contains(run.out, "engine: none\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "QZ Staff Set Panel...")) << run.out;
}

TEST(QzhostInfo, FailsOnAPathThatIsNoModule)
{
    const ProgramRun run = RunQzhost("info /nonexistent/module.so");
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(Contains(run.out, "cannot load plug-in module '/nonexistent/module.so'")) << run.out;
}

TEST(QzhostInfo, FailsOnAModuleWithoutTheEntryPoints)
{
    const ProgramRun run = RunQzhost(std::string("info '") + QZTEST_FAKE_ENGINE + "'");
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(Contains(run.out, "missing entry point(s) main, FinaleExtensionVersion")) << run.out;
}

TEST(QzhostCommands, AnUnknownOrMissingCommandIsAUsageError)
{
    EXPECT_EQ(RunQzhost("").status, 2);
    const ProgramRun run = RunQzhost("no-such-command");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.out, "unknown command 'no-such-command'")) << run.out;
    EXPECT_TRUE(Contains(run.out, "qzhost info MODULE")) << run.out;
    EXPECT_EQ(RunQzhost("info").status, 2);
}
