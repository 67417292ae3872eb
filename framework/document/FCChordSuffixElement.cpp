#include "document/FCChordSuffixElement.h"

#include <cstring>

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"

namespace
{
const FCRecordLayout kLayouts[] = {
    {0, 12, qz::kHostVersion19},
    {qz::kHostVersionUnicode, 16, qz::kHostVersion19},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCChordSuffixElement, 16, kLayouts)

uint32_t FCChordSuffixElement::Tag() const { return QZ_FOURCC("SOIV"); }
