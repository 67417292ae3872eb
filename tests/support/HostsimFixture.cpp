#include "support/HostsimFixture.h"

#include <dlfcn.h>

#include <string>

/* The plug-in's start-up, linked into the test program. */
extern "C" uint32_t FinaleExtensionVersion(uint32_t hostVersion);
extern "C" int32_t FinaleEditDepth;
int PluginMain(int argc, char** argv);

namespace
{

std::string& loadError()
{
    static std::string error;
    return error;
}

HostsimApi* load()
{
    static HostsimApi api;
    void* handle = dlopen(QZTEST_HOSTSIM_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        loadError() = dlerror();
        return nullptr;
    }
    api.handle = handle;
#define QZTEST_HOSTSIM_RESOLVE(name)                                       \
    api.name = reinterpret_cast<decltype(api.name)>(dlsym(handle, #name)); \
    if (!api.name) {                                                       \
        loadError() = "libfxhostsim.so lacks " #name;                      \
        return nullptr;                                                    \
    }
    QZTEST_HOSTSIM_API(QZTEST_HOSTSIM_RESOLVE)
#undef QZTEST_HOSTSIM_RESOLVE
    return &api;
}

/* Runs the plug-in's start-up once per process (its lookups last as long). */
bool startPlugin()
{
    static const int started = [] {
        char name[] = "qztest";
        char* argv[] = {name, nullptr};
        return PluginMain(1, argv);
    }();
    return started == 1;
}

} // namespace

const HostsimApi* HostsimFixture::Host()
{
    static const HostsimApi* api = load();
    return api;
}

const char* HostsimFixture::LoadError() { return loadError().c_str(); }

int32_t HostsimFixture::PluginEditDepth() { return FinaleEditDepth; }

void HostsimFixture::SetUp()
{
    const HostsimApi* host = Host();
    ASSERT_NE(host, nullptr) << LoadError();
    host->hostsim_reset();
    host->hostsim_set_profile(Profile());
    host->hostsim_set_main_thread();
    document = host->hostsim_new_document(Seed());
    ASSERT_GT(document, 0);
    ASSERT_TRUE(startPlugin()) << "the plug-in did not find the host engine";
    FinaleExtensionVersion(Profile());
    host->hostsim_set_strict(1);
}

void HostsimFixture::TearDown()
{
    const HostsimApi* host = Host();
    if (!host)
        return;
    if (host->hostsim_violation_count(HOSTSIM_SEVERITY_WARNING))
        ADD_FAILURE() << "strict violations:\n" << host->hostsim_violations_text(HOSTSIM_SEVERITY_WARNING);
    host->hostsim_reset();
}
