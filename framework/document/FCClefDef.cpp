#include "document/FCClefDef.h"

#include <cstring>

#include "core/FinaleVersion.h"

namespace
{
const FCRecordLayout kLayouts[] = {
    {0, 18, 0x19000000},
    {0x11000000, 20, 0x19000000},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCClefDef, 18, kLayouts)

uint32_t FCClefDef::Tag() const { return 0x67626366; }
