#include <dlfcn.h>

#include "support/HostsimFixture.h"
#include "common/qz_host_versions.h"
#include "hostlink/fx_host_abi.h"

namespace
{

using FixtureTest = HostsimFixture;

TEST_F(FixtureTest, EngineIsLoadedLocally)
{
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "hostsim_reset"), nullptr);
    EXPECT_NE(dlsym(Host()->handle, "QZCFBundleIdentifier"), nullptr);
}

TEST_F(FixtureTest, PluginBridgeReachesTheEngine)
{
    Host()->hostsim_clear_call_log();
    EXPECT_EQ(FX_GetCurrentEnigmaDocument(qz::kHostVersion19), document);
    EXPECT_EQ(Host()->hostsim_call_count("FX_GetCurrentEnigmaDocument"), 1u);
}

TEST_F(FixtureTest, PluginCallChecksTheEditBracket)
{
    std::u16string name = u"Staff Set Panel";
    PluginCall("edit", [&] {
        EXPECT_TRUE(FX_StartFinaleEdit_UTF16(reinterpret_cast<const uint16_t*>(name.c_str()), qz::kHostVersion19));
        EXPECT_TRUE(FX_EndFinaleEdit(qz::kHostVersion19));
    });
    EXPECT_EQ(Host()->hostsim_violation_count(HOSTSIM_SEVERITY_WARNING), 0u) << Host()->hostsim_violations_text(0);
    EXPECT_EQ(Host()->hostsim_undo_depth(), 1u);
}

} // namespace
