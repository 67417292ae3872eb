#ifndef HOSTSIM_TAGRULES_H
#define HOSTSIM_TAGRULES_H

#include <cstdint>
#include <optional>

#include "hostsim/RecordKey.h"

namespace hostsim
{

/* Host version profiles. */
enum class Profile : uint8_t
{
    A,
    B,
    C
};
Profile profileFor(uint32_t hostVersion);

/* What the host knows about a tag: key shape, expected layout version and byte
   size under a host version, and whether the plug-in's bridge should have
   emulated it (preference tags). */
class TagRules
{
public:
    static KeyShape shape(uint32_t tag);
    static bool isPartScopedByDefault(uint32_t tag);
    static bool isRawText(uint32_t tag);

    /* Layout version the framework passes for the tag; empty when any is fine. */
    static std::optional<uint32_t> expectedVersion(uint32_t tag, uint32_t hostVersion);
    /* Byte size of fixed-size tags; empty for variable-size or unknown tags. */
    static std::optional<uint32_t> fixedSize(uint32_t tag, uint32_t hostVersion);
    /* Smallest accepted size of a variable-size tag (0 when none). */
    static uint32_t minimumSize(uint32_t tag, uint32_t hostVersion);
    /* Size of a record created without data and without a size. */
    static uint32_t defaultSize(uint32_t tag, uint32_t hostVersion);

    /* Preference tags the bridge turns into 'ot' loads; the host never sees them. */
    static bool isEmulatedPreference(uint32_t tag);
};

} // namespace hostsim

#endif
