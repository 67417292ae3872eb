/* A module with every entry point the host looks for, one of which crashes
   (QZVALIDATE_CRASH), never returns (QZVALIDATE_HANG) or, at shut-down,
   leaves its own edit depth out of step with the host's
   (QZVALIDATE_UNBALANCED_END). The rest answer as a plug-in does. */

#include <signal.h>
#include <stdint.h>
#include <string.h>
#include <unistd.h>

#define EXPORT __attribute__((visibility("default")))

EXPORT int main(int argc, char** argv) { return argc > 0 && argv ? 1 : 0; }

EXPORT uint32_t FinaleExtensionVersion(uint32_t hostVersion)
{
    (void)hostVersion;
    return 0x0F000000u;
}

EXPORT int32_t FinaleExtensionInit(void* host, uint8_t* flags)
{
    (void)host;
#if defined(QZVALIDATE_CRASH)
    raise(SIGSEGV);
#elif defined(QZVALIDATE_HANG)
    for (;;)
        pause();
#endif
    *flags |= 1;
    return 1;
}

EXPORT int16_t FinaleExtensionEnumerate(void* host, int16_t index, void* record)
{
    (void)host;
    if (index > 0)
        return 0;
    memset(record, 0, 196);
    strcpy((char*)record, "Misbehaving");
    return 1;
}

EXPORT int16_t FinaleExtensionEnumerate_UTF16(void* host, int16_t index, void* record)
{
    (void)host;
    if (index != 0)
        return 0;
    memset(record, 0, 772);
    return 1;
}

EXPORT int32_t FinaleExtensionGetMenuStatus(void) { return 1; }
EXPORT void* FinaleExtensionInvoke(void* window)
{
    (void)window;
    return 0;
}
#if defined(QZVALIDATE_UNBALANCED_END)
EXPORT int32_t FinaleEditDepth = 0;
EXPORT void FinaleExtensionTerminate(void) { FinaleEditDepth = 1; }
#else
EXPORT void FinaleExtensionTerminate(void) {}
#endif
