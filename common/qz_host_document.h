#ifndef QZ_HOST_DOCUMENT_H
#define QZ_HOST_DOCUMENT_H

/* Conventions of the host's documents and folders that the plug-in, the
   simulated host and the host program all rely on. */

#include <stdint.h>

#ifdef __cplusplus
namespace qz
{
/* Staff set n (1 to kStaffSetCount) is the system staff list stored under
   item n + kStaffSetItemBase, always in the score (part 0); item 0 is the
   score's own list of every staff. */
constexpr int kStaffSetCount = 8;
constexpr uint16_t kStaffSetItemBase = 65499;
constexpr uint16_t kFirstStaffSetItem = kStaffSetItemBase + 1;
constexpr uint16_t kLastStaffSetItem = kStaffSetItemBase + kStaffSetCount;

/* The item of staff set n (unsigned 16-bit arithmetic, as the host keeps it). */
constexpr uint16_t StaffSetItem(int n) { return static_cast<uint16_t>((n + kStaffSetItemBase) & 0xFFFF); }
constexpr bool IsStaffSetItem(uint16_t item) { return item >= kFirstStaffSetItem && item <= kLastStaffSetItem; }

/* Folder selector of the host's preferences folder. */
constexpr int16_t kPreferencesFolder = 16;
} // namespace qz
#endif

#endif
