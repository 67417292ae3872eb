#include "FCChordSuffixElement.h"

#include <cstring>

#include "FinaleExtension.h"

namespace
{
const FCRecordLayout kLayouts[] = {
    {0, 12, 0x19000000},
    {0x11000000, 16, 0x19000000},
};
} // namespace

FCChordSuffixElement::FCChordSuffixElement() : _layouts(kLayouts, 2) {}

FCRECORD_CLASS_IDENTITY(FCChordSuffixElement, 16)
FCLAYOUT_RECORD_MEMBERS(FCChordSuffixElement, _layouts)

uint32_t FCChordSuffixElement::Tag() const { return 0x534F4956; }
