#ifndef QZ_TESTS_HOSTLINK_ENGINEFIXTURE_H
#define QZ_TESTS_HOSTLINK_ENGINEFIXTURE_H

#include "FakeEngineApi.h"
#include "common/qz_host_versions.h"
#include "hostlink/fx_host_abi.h"

namespace hostlinktest
{

// The host version the tests pass to the host functions.
constexpr uint32_t kVersion = qz::kHostVersion19;

// Loads the fake engine module as a host would (local symbols only) and
// brings the bridge up on it (InitializeGlobals); once per process.
const EngineApi& Engine();

// Tests that need the engine: every test starts from an empty engine and
// from closed edit brackets.
class EngineTest : public ::testing::Test
{
protected:
    void SetUp() override;
};

} // namespace hostlinktest

#endif
