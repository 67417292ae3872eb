// The record loader and saver: fret instrument records are checked, emulated
// preference records are served from 'ot..' records, the rest goes to the
// host unchanged.
#include <cstdio>
#include <cstring>

#include "hostlink/HostLookup.h"
#include "common/qz_fourcc.h"
#include "hostlink/PrefMapArrays.h"
#include "hostlink/PrefRecordEmulation.h"

using fxhost::CallHost;

namespace
{

constexpr uint32_t kFretInstrumentTag = QZ_FOURCC("O\tfI");
constexpr uint32_t kOldestEmulatedSaveVersion = 0x08000000;

bool AnyByteSet(const void* buffer, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] != 0)
            return true;
    }
    return false;
}

// Fret instrument records are loaded whole into a cleared buffer. Returns
// true with the result when the load ends here; false when the request goes
// on to the host.
bool LoadFretInstrument(uint32_t tag, const int16_t* key, void* buffer, uint32_t* size, uint32_t version,
                        fxbool& result)
{
    if (size == nullptr || *size < sizeof(EDTFretInstrument)) {
        std::fprintf(stderr, "Assertion failed: (*size >= sizeof(EDTFretInstrument)), function FX_LoadEData.\n");
        result = 0;
        return true;
    }
    std::memset(buffer, 0, sizeof(EDTFretInstrument));
    const fxhost::FX_LoadEData_Ptr host = fxhost::Lookup_FX_LoadEData();
    if (host == nullptr) {
        result = AnyByteSet(buffer, sizeof(EDTFretInstrument)) ? 1 : 0;
        return true;
    }
    result = host(tag, key, buffer, size, version);
    return result == 0;
}

} // namespace

extern "C" QZ_EXPORT fxbool FX_LoadEData(uint32_t tag, const int16_t* key, void* buffer, uint32_t* size,
                                         uint32_t version)
{
    if (tag == kFretInstrumentTag && buffer != nullptr) {
        fxbool result = 0;
        if (LoadFretInstrument(tag, key, buffer, size, version, result))
            return result;
    }
    if (const std::optional<fxbool> emulated = fxhost::LoadEmulatedPrefs(tag, key, buffer, size))
        return *emulated;
    return CallHost(fxhost::Lookup_FX_LoadEData(), tag, key, buffer, size, version);
}

extern "C" QZ_EXPORT fxbool FX_SaveEData(uint32_t tag, const int16_t* key, const void* buffer, uint32_t size,
                                         uint32_t version)
{
    if (version >= kOldestEmulatedSaveVersion) {
        if (const std::optional<fxbool> emulated = fxhost::SaveEmulatedPrefs(tag, key, buffer, size))
            return *emulated;
    }
    return CallHost(fxhost::Lookup_FX_SaveEData(), tag, key, buffer, size, version);
}
