#include "document/FCChordSuffixElement.h"

#include <cstring>

#include "core/FinaleVersion.h"

namespace
{
const FCRecordLayout kLayouts[] = {
    {0, 12, 0x19000000},
    {0x11000000, 16, 0x19000000},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCChordSuffixElement, 16, kLayouts)

uint32_t FCChordSuffixElement::Tag() const { return 0x534F4956; }
