#ifndef QZTEST_HOSTSIMFIXTURE_H
#define QZTEST_HOSTSIMFIXTURE_H

/* GoogleTest fixture for tests that run the plug-in's code against the
   simulated host.

   - The host engine (libfxhostsim.so) is loaded once per process with
     RTLD_NOW | RTLD_LOCAL, as the host program loads it, and its driver API
     is reached through `Host()` (one function pointer per hostsim_* function,
     same names; see hostsim_api.h).
   - The plug-in's code is linked into the test (qzmodule_parts). Once per
     process the fixture runs its start-up (`PluginMain(1, argv)`, which runs
     InitializeGlobals and finds the engine by its bundle identifier); every
     test then passes the profile to FinaleExtensionVersion.
   - Before each test: hostsim is reset, set to the profile, given the
     document of `Seed()` (the test document with the "QZ Plug-in Data"
     category by default) and switched to strict mode.
   - After each test: every strict violation (warnings included) fails the
     test; hostsim is reset.

   Override Profile() / Seed() in a derived fixture to change them. Wrap each
   plug-in entry call or UI event in PluginCall() so that hostsim checks it
   ends with no open edit, the part restored and the edit depths equal. */

#include <gtest/gtest.h>

#include <cstdint>

#include "common/qz_host_versions.h"
#include "hostsim/hostsim_api.h"
#include "hostsim/hostsim_api_names.h"

/* Every function of the driver API, resolved by name (generated from
   hostsim_api.h). */
#define QZTEST_HOSTSIM_API(X) HOSTSIM_API_NAMES(X)

/* The driver API of the loaded engine. */
struct HostsimApi
{
#define QZTEST_HOSTSIM_MEMBER(name) decltype(&::name) name = nullptr;
    QZTEST_HOSTSIM_API(QZTEST_HOSTSIM_MEMBER)
#undef QZTEST_HOSTSIM_MEMBER
    void* handle = nullptr;
};

class HostsimFixture : public ::testing::Test
{
public:
    /* The engine, loaded on first use; null when it cannot be loaded (the
       reason is in LoadError()). */
    static const HostsimApi* Host();
    static const char* LoadError();

protected:
    virtual uint32_t Profile() const { return qz::kHostVersion19; }
    virtual int Seed() const { return HOSTSIM_SEED_TEST_QZ; }

    void SetUp() override;
    void TearDown() override;

    /* Runs one plug-in entry call or UI event between hostsim's checks. */
    template <class F>
    void PluginCall(const char* what, F&& call)
    {
        Host()->hostsim_begin_plugin_call(what);
        call();
        Host()->hostsim_end_plugin_call(PluginEditDepth());
    }
    /* The plug-in's exported edit depth; -1 without the plug-in. */
    static int32_t PluginEditDepth();

    int16_t document = 0;
};

#endif
