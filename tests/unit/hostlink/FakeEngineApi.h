#ifndef QZ_TESTS_HOSTLINK_FAKEENGINEAPI_H
#define QZ_TESTS_HOSTLINK_FAKEENGINEAPI_H

#include <gtest/gtest.h>

#include <unistd.h>

#include "support/FakeEngine.h"

namespace hostlinktest
{

// The tag written as four characters.
inline uint32_t TagOf(const char* code)
{
    uint32_t tag = 0;
    for (int i = 0; i < 4; ++i)
        tag = (tag << 8) | static_cast<unsigned char>(code[i]);
    return tag;
}

#define FAKE_ENGINE_API(X) \
    X(reset)               \
    X(calls)               \
    X(put_record)          \
    X(get_record)          \
    X(saves_of)            \
    X(refuse_saves_of)     \
    X(set_result)          \
    X(set_fret_answer)     \
    X(last_version)        \
    X(seen_note_ids)       \
    X(host_function_count)

// The fake engine's control functions, found in the loaded engine module.
struct EngineApi
{
#define FAKE_ENGINE_MEMBER(name) decltype(&fake_engine_##name) name;
    FAKE_ENGINE_API(FAKE_ENGINE_MEMBER)
#undef FAKE_ENGINE_MEMBER
};

// Loads a module and its control functions; aborts the test program when
// the module cannot be loaded.
EngineApi LoadEngineModule(const char* path, int dlopenMode);

// Runs body in a fresh process (the bridge's lookups are kept per process)
// and expects it to return true within 20 seconds.
#define EXPECT_IN_FRESH_PROCESS(body)                                                      \
    do {                                                                                   \
        GTEST_FLAG_SET(death_test_style, "threadsafe");                                    \
        EXPECT_EXIT((alarm(20), _exit((body) ? 0 : 1)), ::testing::ExitedWithCode(0), ""); \
    } while (0)

} // namespace hostlinktest

#endif
