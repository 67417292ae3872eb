#ifndef QZ_HOST_VERSIONS_H
#define QZ_HOST_VERSIONS_H

/* Host versions the code compares against, and the interface version passed
   as the last argument of nearly every host call. Versions are unsigned
   32-bit numbers compared as such. */

#include <stdint.h>

#ifdef __cplusplus
namespace qz
{
constexpr uint32_t kHostVersion0E = 0x0E000000u; /* oldest path record version */
constexpr uint32_t kHostVersion0F = 0x0F000000u;
constexpr uint32_t kHostVersion10 = 0x10000000u;
constexpr uint32_t kHostVersionUnicode = 0x11000000u; /* UTF-16 texts, newer record layouts */
constexpr uint32_t kHostVersion12 = 0x12000000u;
constexpr uint32_t kHostVersion19 = 0x19000000u; /* preference files, path specs */

/* The interface version passed to the host with nearly every call, and the
   running host version until the host has announced its own. */
constexpr uint32_t kInterfaceVersion = kHostVersion19;
constexpr uint32_t kDefaultHostVersion = kHostVersion19;

constexpr bool IsUnicodeHost(uint32_t version) { return version >= kHostVersionUnicode; }
} // namespace qz
#endif

#endif
