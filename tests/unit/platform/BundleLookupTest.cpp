#include <CoreFoundation/CoreFoundation.h>

#include "TestBundles.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include <memory>

int qztest_shared_name(void) { return 1; }
int qztest_program_only(void) { return 1; }

namespace
{

struct StringReleaser
{
    void operator()(const void* string) const { CFRelease(string); }
};
using OwnedString = std::unique_ptr<const QZCFString, StringReleaser>;

OwnedString MakeString(const char* text)
{
    return OwnedString(CFStringCreateWithCString(kCFAllocatorDefault, text, kCFStringEncodingMacRoman));
}

CFBundleRef BundleWithIdentifier(const char* identifier)
{
    return CFBundleGetBundleWithIdentifier(MakeString(identifier).get());
}

using IntFunction = int (*)(void);

IntFunction Lookup(CFBundleRef bundle, const char* name)
{
    return reinterpret_cast<IntFunction>(CFBundleGetFunctionPointerForName(bundle, MakeString(name).get()));
}

void* LoadTestModule()
{
    void* handle = dlopen(QZTEST_LOADED_BUNDLE, RTLD_NOW | RTLD_LOCAL);
    EXPECT_NE(handle, nullptr) << dlerror();
    return handle;
}

/* Looks a function up in a bundle while the program's static objects are
   being destroyed (it was constructed before any bundle existed, so it is
   destroyed after the stand-in's own statics). */
struct LookupAtExit
{
    CFBundleRef bundle = nullptr;
    ~LookupAtExit()
    {
        if (bundle && !Lookup(bundle, "qztest_program_only"))
            _exit(7);
    }
} gLookupAtExit;

} // namespace

TEST(BundleByIdentifier, IsNullWhenNoLoadedModuleDeclaresIt)
{
    EXPECT_EQ(BundleWithIdentifier("org.qzstaffset.test.absent"), nullptr);
    EXPECT_EQ(BundleWithIdentifier(""), nullptr);
    EXPECT_EQ(CFBundleGetBundleWithIdentifier(nullptr), nullptr);
}

TEST(BundleByIdentifier, FindsAModuleOnlyOnceItIsLoaded)
{
    ASSERT_EQ(BundleWithIdentifier(QZTEST_LOADED_ID), nullptr);
    void* handle = LoadTestModule();
    ASSERT_NE(handle, nullptr);

    CFBundleRef bundle = BundleWithIdentifier(QZTEST_LOADED_ID);
    ASSERT_NE(bundle, nullptr);
    EXPECT_TRUE(CFBundleIsExecutableLoaded(bundle));
    EXPECT_EQ(BundleWithIdentifier(QZTEST_LOADED_ID), bundle);
    IntFunction own = Lookup(bundle, "qztest_shared_name");
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own(), 3);
    dlclose(handle);
}

TEST(BundleByIdentifier, IsTheModuleThatDeclaresItNotOneThatSeesItThroughDependencies)
{
    /* The program sees the linked module's identifier through its global
       scope, yet it is not that bundle. */
    CFBundleRef bundle = BundleWithIdentifier(QZTEST_LINKED_ID);
    ASSERT_NE(bundle, nullptr);
    EXPECT_NE(bundle, CFBundleGetMainBundle());
    IntFunction linkedOnly = Lookup(bundle, "qztest_linked_only");
    ASSERT_NE(linkedOnly, nullptr);
    EXPECT_EQ(linkedOnly(), qztest_linked_only());
}

TEST(BundleFunctionLookup, GivesTheBundlesOwnDefinitionOfASharedName)
{
    IntFunction linked = Lookup(BundleWithIdentifier(QZTEST_LINKED_ID), "qztest_shared_name");
    IntFunction program = Lookup(CFBundleGetMainBundle(), "qztest_shared_name");
    ASSERT_NE(linked, nullptr);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(linked(), 2);
    EXPECT_EQ(program(), 1);
}

TEST(BundleFunctionLookup, NeverReturnsADefinitionOfAnotherModule)
{
    void* handle = LoadTestModule();
    ASSERT_NE(handle, nullptr);
    CFBundleRef loaded = BundleWithIdentifier(QZTEST_LOADED_ID);
    ASSERT_NE(loaded, nullptr);
    /* A plain dlsym on the module does reach its dependency's definition. */
    ASSERT_NE(dlsym(handle, "qztest_linked_only"), nullptr);
    EXPECT_EQ(Lookup(loaded, "qztest_linked_only"), nullptr);
    EXPECT_EQ(Lookup(loaded, "qztest_program_only"), nullptr);
    EXPECT_EQ(Lookup(loaded, "malloc"), nullptr);
    EXPECT_EQ(Lookup(loaded, "no_such_function_anywhere"), nullptr);
    EXPECT_EQ(dlerror(), nullptr) << "a miss must not leave a loader error behind";
    dlclose(handle);
}

TEST(MainBundle, IsTheProgramAndItsLookupsStayInIt)
{
    CFBundleRef main = CFBundleGetMainBundle();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(CFBundleGetMainBundle(), main);
    EXPECT_TRUE(CFBundleIsExecutableLoaded(main));
    IntFunction programOnly = Lookup(main, "qztest_program_only");
    ASSERT_NE(programOnly, nullptr);
    EXPECT_EQ(programOnly(), 1);
    EXPECT_EQ(Lookup(main, "qztest_linked_only"), nullptr);
    EXPECT_EQ(Lookup(main, "malloc"), nullptr);
}

TEST(BundleArguments, NullOrForeignArgumentsFindNothing)
{
    CFBundleRef main = CFBundleGetMainBundle();
    EXPECT_EQ(CFBundleGetFunctionPointerForName(nullptr, MakeString("qztest_program_only").get()), nullptr);
    EXPECT_EQ(CFBundleGetFunctionPointerForName(main, nullptr), nullptr);
    EXPECT_FALSE(CFBundleIsExecutableLoaded(nullptr));
    /* A string is not a bundle. */
    OwnedString notABundle = MakeString("x");
    EXPECT_FALSE(CFBundleIsExecutableLoaded(reinterpret_cast<CFBundleRef>(const_cast<QZCFString*>(notABundle.get()))));
}

TEST(BundleOwnership, ReleasingABundleTheCallerDoesNotOwnChangesNothing)
{
    CFBundleRef main = CFBundleGetMainBundle();
    CFRelease(main);
    CFRelease(main);
    EXPECT_EQ(CFBundleGetMainBundle(), main);
    EXPECT_NE(Lookup(main, "qztest_program_only"), nullptr);
}

TEST(BundleOwnership, ABundleStaysUsableWhileTheProgramExits)
{
    EXPECT_EXIT(
        {
            gLookupAtExit.bundle = CFBundleGetMainBundle();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}
