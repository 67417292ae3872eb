#ifndef QZ_FOURCC_H
#define QZ_FOURCC_H

/* Host record tags are four-character codes packed big-endian into 32 bits:
   QZ_FOURCC("SOTx") == 0x534F5478. Usable in constant expressions and in
   case labels. */

#include <stdint.h>

#ifdef __cplusplus
namespace qz
{
constexpr uint32_t FourCC(const char (&code)[5])
{
    return (uint32_t(uint8_t(code[0])) << 24) | (uint32_t(uint8_t(code[1])) << 16) | (uint32_t(uint8_t(code[2])) << 8) |
           uint32_t(uint8_t(code[3]));
}
} // namespace qz
#define QZ_FOURCC(code) (::qz::FourCC(code))
#endif

#endif
