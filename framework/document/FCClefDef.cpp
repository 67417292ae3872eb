#include "FCClefDef.h"

#include <cstring>

#include "FinaleExtension.h"

namespace
{
const FCRecordLayout kLayouts[] = {
    {0, 18, 0x19000000},
    {0x11000000, 20, 0x19000000},
};
} // namespace

FCClefDef::FCClefDef() : _layouts(kLayouts, 2) {}

FCRECORD_CLASS_IDENTITY(FCClefDef, 18)
FCLAYOUT_RECORD_MEMBERS(FCClefDef, _layouts)

uint32_t FCClefDef::Tag() const { return 0x67626366; }
