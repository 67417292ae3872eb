#include "document/FCClefDef.h"

#include <cstring>

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"

namespace
{
const FCRecordLayout kLayouts[] = {
    {0, 18, qz::kHostVersion19},
    {qz::kHostVersionUnicode, 20, qz::kHostVersion19},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCClefDef, 18, kLayouts)

uint32_t FCClefDef::Tag() const { return QZ_FOURCC("gbcf"); }
