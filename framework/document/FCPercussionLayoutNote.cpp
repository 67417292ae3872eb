#include "FCPercussionLayoutNote.h"

#include <cstring>

#include "FinaleExtension.h"

namespace
{
const FCRecordLayout kLayouts[] = {
    {0, 12, 0x19000000},
    {0x11000000, 20, 0x19000000},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCPercussionLayoutNote, 64, kLayouts)

uint32_t FCPercussionLayoutNote::Tag() const { return GetFinaleFrameworkVersion() >= 0x11000000 ? 0x534F4469 : 0x4F024469; }
