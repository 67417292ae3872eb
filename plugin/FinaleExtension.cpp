#include "plugin/FinaleExtension.h"

#include "plugin/EnumerationRecords.h"

#include "common/qz_host_versions.h"

static_assert(FX_DEFAULT_HOST_VERSION == qz::kDefaultHostVersion,
              "the C header's default host version is the framework's");

#ifndef QZ_ENGINE_BUNDLE_ID
#error "QZ_ENGINE_BUNDLE_ID (the host engine's bundle identifier) must be defined"
#endif

CFBundleRef GetFinaleBundleRef() { return gFinaleBundle; }

namespace
{

CFBundleRef EngineBundleByIdentifier()
{
    CFStringRef identifier =
        CFStringCreateWithCString(kCFAllocatorDefault, QZ_ENGINE_BUNDLE_ID, kCFStringEncodingMacRoman);
    if (!identifier)
        return nullptr;
    CFBundleRef bundle = CFBundleGetBundleWithIdentifier(identifier);
    CFRelease(identifier);
    return bundle;
}

} // namespace

int16_t InitializeGlobals(void)
{
    if (!gFinaleBundle)
        gFinaleBundle = EngineBundleByIdentifier();
    if (!gFinaleBundle)
        gFinaleBundle = CFBundleGetMainBundle();
    return gFinaleBundle ? 0 : -1;
}

int PluginMain(int argc, char** argv)
{
    if (argc == 0 || !argv)
        return 0;
    return InitializeGlobals() == 0 ? 1 : 0;
}

uint32_t FinaleExtensionVersion(uint32_t hostVersion)
{
    SetFinaleFrameworkVersion(hostVersion);
    return FX_EXTENSION_VERSION_ANSWER;
}

int32_t FinaleExtensionInit(void*, uint8_t* flags)
{
    if (flags)
        *flags |= 0x01;
    return 1;
}

int16_t FinaleExtensionEnumerate(void*, int16_t index, void* record)
{
    if (index > 0 || !record)
        return 0;
    EnumerationRecords::Fill(record);
    return 1;
}

int16_t FinaleExtensionEnumerate_UTF16(void*, int16_t index, void* record)
{
    if (index != 0 || !record)
        return 0;
    EnumerationRecords::FillUTF16(record);
    return 1;
}

int32_t FinaleExtensionGetMenuStatus(void) { return 1; }

#define FX_DEFINE_EXTENSION_ALIAS(alias, target, result, params, args) \
    result alias params { return target args; }
FX_EXTENSION_ALIASES(FX_DEFINE_EXTENSION_ALIAS)
#undef FX_DEFINE_EXTENSION_ALIAS
