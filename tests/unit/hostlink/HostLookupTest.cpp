// Finding host functions by name and forwarding calls to them.
#include <CoreFoundation/CoreFoundation.h>

#include <cstring>

#include "EngineFixture.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "plugin/FinaleExtension.h"
#include "hostlink/HostLookup.h"

using hostlinktest::Engine;

namespace
{

using hostlinktest::kVersion;

class HostLookupTest : public hostlinktest::EngineTest
{};

TEST_F(HostLookupTest, ForwardsArgumentsAndResultUnchanged)
{
    EXPECT_EQ(FX_SlotToInst(3, 2, 0x12345678), 302);
    EXPECT_EQ(Engine().calls("FX_SlotToInst"), 1);
    EXPECT_EQ(Engine().last_version(), 0x12345678u);
    EXPECT_EQ(FX_GetCurrentEnigmaDocument(kVersion), 7);
}

TEST_F(HostLookupTest, CAndCppSeeTheSameTable)
{
#define COUNT_ROW(result, name, params, args, confirmed) +1
    constexpr int rows = 0 FX_HOST_FUNCTIONS(COUNT_ROW);
#undef COUNT_ROW
    EXPECT_EQ(Engine().host_function_count(), rows);
}

TEST_F(HostLookupTest, MissingHostFunctionReturnsZeroAndTouchesNoArgument)
{
    EREGION regions[3];
    std::memset(regions, 0x5A, sizeof regions);
    EREGION untouched[3];
    std::memcpy(untouched, regions, sizeof regions);

    EXPECT_EQ(FX_GetCurERegions(&regions[0], &regions[1], &regions[2], kVersion), 0);
    EXPECT_EQ(std::memcmp(regions, untouched, sizeof regions), 0);

    uint16_t name[4] = {1, 2, 3, 4};
    EXPECT_EQ(FX_GetPartName_UTF16(0, name, kVersion), 0);
    EXPECT_EQ(name[0], 1);
    EXPECT_EQ(name[3], 4);
}

TEST_F(HostLookupTest, LookupIsNotRepeatedWhenTheBundleChanges)
{
    EXPECT_IN_FRESH_PROCESS(([] {
        Engine();
        const bool found = FX_GetCurrentEnigmaDocument(kVersion) == 7;
        gFinaleBundle = nullptr;
        return found && FX_GetCurrentEnigmaDocument(kVersion) == 7 &&
               fxhost::Lookup_FX_GetCurrentEnigmaDocument() != nullptr;
    }()));
}

TEST(HostLookupWithoutBundle, MemberFirstCalledBeforeTheBundleIsSetStaysMissing)
{
    EXPECT_IN_FRESH_PROCESS(([] {
        gFinaleBundle = nullptr;
        const bool refusedBefore = FX_GetNextPartID(1, kVersion) == 0;
        Engine(); // the bundle is set from now on
        const bool refusedAfter = FX_GetNextPartID(1, kVersion) == 0;
        const bool otherMemberFound = FX_SlotToInst(1, 0, kVersion) == 100;
        return refusedBefore && refusedAfter && otherMemberFound && Engine().calls("FX_GetNextPartID") == 0;
    }()));
}

TEST(HostLookupWithoutBundle, EveryMemberRefusesWithoutAnEngine)
{
    EXPECT_IN_FRESH_PROCESS(([] {
        int16_t key[3] = {-1, 0, 0};
        uint32_t size = 0;
        return FX_CreateEData(QZ_FOURCC("SOTX"), key, nullptr, 0, kVersion) == 0 && key[0] == -1 &&
               FX_NextEData(QZ_FOURCC("SOTX"), key, nullptr, &size, kVersion) == 0 && size == 0 &&
               FX_GetCurrentPartID(kVersion) == 0;
    }()));
}

// The executable exports its own copies of the forwarders; a bundle that
// stands for it must not hand one of them back as the host's function.
TEST(HostLookupOwnForwarders, LookupInOwnModuleDoesNotReturnTheForwarder)
{
    EXPECT_IN_FRESH_PROCESS(([] {
        gFinaleBundle = CFBundleGetMainBundle();
        CFStringRef name = CFStringCreateWithCString(kCFAllocatorDefault, "FX_InstToSlot", kCFStringEncodingMacRoman);
        const bool trapIsReal = CFBundleGetFunctionPointerForName(gFinaleBundle, name) != nullptr;
        CFRelease(name);
        const bool refused = FX_InstToSlot(5, 0, kVersion) == 0;
        return trapIsReal && refused && fxhost::Lookup_FX_InstToSlot() == nullptr;
    }()));
}

} // namespace
