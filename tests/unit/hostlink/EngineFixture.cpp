#include "EngineFixture.h"

#include <dlfcn.h>

#include <cstdlib>

#include "hostlink/BridgeData.h"
#include "plugin/FinaleExtension.h"

namespace hostlinktest
{

const EngineApi& Engine()
{
    static const EngineApi api = [] {
        EngineApi loaded = LoadEngineModule(HOSTLINK_FAKE_ENGINE, RTLD_NOW | RTLD_LOCAL);
        if (InitializeGlobals() != 0)
            std::abort();
        return loaded;
    }();
    return api;
}

void EngineTest::SetUp()
{
    Engine().reset();
    FinaleEditDepth = 0;
    MassEditDepth = 0;
    CanAddNoteRecordToRests = 1;
}

} // namespace hostlinktest
