#include "FCGroup.h"

#include <cstring>

#include "FinaleExtension.h"

namespace
{
const FCRecordLayout kLayouts[] = {
    {0, 36, 0x09000000},
    {0x11000000, 36, 0x19000000},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCGroup, 40, kLayouts)

uint32_t FCGroup::Tag() const { return 0x53444E47; }

bool FCGroup::LoadFirst()
{
    _SetKey(0, 0, 0);
    return LoadNext();
}
