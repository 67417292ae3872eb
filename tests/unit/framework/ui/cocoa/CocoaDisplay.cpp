/* The Cocoa suites need a display server: without one every test is skipped
 * with the reason (the wrapper script starts Xvfb when it is installed). */
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
bool DisplayOpens()
{
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return false;
    void* pX11 = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    if (!pX11)
        return false;
    using OpenFn = void* (*)(const char*);
    using CloseFn = int (*)(void*);
    auto open = reinterpret_cast<OpenFn>(dlsym(pX11, "XOpenDisplay"));
    auto close = reinterpret_cast<CloseFn>(dlsym(pX11, "XCloseDisplay"));
    void* pDisplay = open && close ? open(name) : nullptr;
    if (pDisplay)
        close(pDisplay);
    return pDisplay != nullptr;
}

class CocoaDisplay : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (!DisplayOpens())
            GTEST_SKIP() << "no display server could be started (install xvfb or set DISPLAY)";
    }
};

const ::testing::Environment* const gDisplay = ::testing::AddGlobalTestEnvironment(new CocoaDisplay);
} // namespace
