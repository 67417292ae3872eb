#ifndef QZ_HOSTLINK_PREFRECORDEMULATION_H
#define QZ_HOSTLINK_PREFRECORDEMULATION_H

#include <optional>

#include "hostlink/fx_types.h"

namespace fxhost
{

// Loads and saves of preference records that the host keeps as 'ot..'
// records. Each gives no value when the tag (with the key's item) is not
// emulated and must go to the host unchanged.
std::optional<fxbool> LoadEmulatedPrefs(uint32_t tag, const int16_t* key, void* buffer, uint32_t* size);
std::optional<fxbool> SaveEmulatedPrefs(uint32_t tag, const int16_t* key, const void* buffer, uint32_t size);

} // namespace fxhost

#endif
