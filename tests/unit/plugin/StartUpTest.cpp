#include "plugin/FinaleExtension.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include "common/qz_host_versions.h"

namespace
{

/* Declared first: runs before any test sets the version. */
TEST(RunningVersion, IsTheDefaultUntilTheHandshake) { EXPECT_EQ(GetFinaleFrameworkVersion(), qz::kHostVersion19); }

char gProgramName[] = "host";
char* gArguments[] = {gProgramName, nullptr};

CFBundleRef EngineBundle()
{
    CFStringRef identifier = CFStringCreateWithCString(kCFAllocatorDefault, QZ_ENGINE_BUNDLE_ID, kCFStringEncodingUTF8);
    CFBundleRef bundle = CFBundleGetBundleWithIdentifier(identifier);
    CFRelease(identifier);
    return bundle;
}

class StartUp : public ::testing::Test
{
protected:
    void SetUp() override { gFinaleBundle = nullptr; }
    void TearDown() override { gFinaleBundle = nullptr; }
};

/* Runs check in a child process with the fake engine loaded; the child's
   exit status is the verdict. */
void InChildWithEngine(void (*check)())
{
    EXPECT_EXIT(
        {
            if (!dlopen(QZTEST_FAKE_ENGINE, RTLD_NOW | RTLD_LOCAL)) {
                fprintf(stderr, "%s\n", dlerror());
                std::exit(2);
            }
            check();
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace

TEST_F(StartUp, MainWithoutArgumentsDoesNothing)
{
    EXPECT_EQ(PluginMain(0, gArguments), 0);
    EXPECT_EQ(gFinaleBundle, nullptr);
    EXPECT_EQ(PluginMain(1, nullptr), 0);
    EXPECT_EQ(gFinaleBundle, nullptr);
}

TEST_F(StartUp, MainFallsBackToTheMainBundleWithoutAnEngine)
{
    ASSERT_EQ(EngineBundle(), nullptr);
    EXPECT_EQ(PluginMain(1, gArguments), 1);
    EXPECT_EQ(gFinaleBundle, CFBundleGetMainBundle());
    EXPECT_EQ(GetFinaleBundleRef(), gFinaleBundle);
}

TEST_F(StartUp, InitializeGlobalsKeepsTheBundleItHolds)
{
    CFBundleRef main = CFBundleGetMainBundle();
    gFinaleBundle = main;
    EXPECT_EQ(InitializeGlobals(), 0);
    EXPECT_EQ(gFinaleBundle, main);
}

TEST_F(StartUp, TheEngineIsPreferredToTheMainBundle)
{
    InChildWithEngine([] {
        CFBundleRef engine = EngineBundle();
        if (!engine || engine == CFBundleGetMainBundle() || PluginMain(1, gArguments) != 1 || gFinaleBundle != engine)
            std::exit(1);
        CFStringRef name =
            CFStringCreateWithCString(kCFAllocatorDefault, "qztest_engine_function", kCFStringEncodingMacRoman);
        auto function = reinterpret_cast<int (*)()>(CFBundleGetFunctionPointerForName(gFinaleBundle, name));
        CFRelease(name);
        std::exit(function && function() == 25 ? 0 : 3);
    });
}

TEST_F(StartUp, ABundleAlreadyHeldIsKeptEvenWhenTheEngineIsLoaded)
{
    InChildWithEngine([] {
        gFinaleBundle = CFBundleGetMainBundle();
        std::exit(InitializeGlobals() == 0 && gFinaleBundle == CFBundleGetMainBundle() ? 0 : 1);
    });
}
