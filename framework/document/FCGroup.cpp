#include "document/FCGroup.h"

#include <cstring>
#include <utility>

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCSystemStaff.h"
#include "document/FCSystemStaves.h"
#include "document/FCTextBlock.h"
#include "strings/FCString.h"
#include "core/FinaleVersion.h"

namespace
{
const FCRecordLayout kLayouts[] = {
    {0, 36, 0x09000000},
    {qz::kHostVersionUnicode, 36, qz::kHostVersion19},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCGroup, 40, kLayouts)

uint32_t FCGroup::Tag() const { return QZ_FOURCC("SDNG"); }

bool FCGroup::LoadFirst()
{
    _SetKey(0, 0, 0);
    return LoadNext();
}

namespace
{
/* Index of the staff in the list, -1 when absent. */
int IndexOfStaff(const FCSystemStaves& staves, int staff)
{
    for (int i = 0; i < staves.GetCount(); ++i) {
        const FCSystemStaff* pStaff = staves.GetItemAt(i);
        if (pStaff && pStaff->GetStaff() == staff)
            return i;
    }
    return -1;
}
} // namespace

bool FCGroup::_CalcStaffIndexes(const FCSystemStaves& staves, int* pFirst, int* pLast) const
{
    int first = IndexOfStaff(staves, GetStartStaff());
    int last = IndexOfStaff(staves, GetEndStaff());
    if (first < 0 || last < 0)
        return false;
    if (first > last)
        std::swap(first, last);
    *pFirst = first;
    *pLast = last;
    return true;
}

int FCGroup::CalcStaffSpan() const
{
    FCSystemStaves staves;
    staves.LoadAllForItem(0);
    int first = 0;
    int last = 0;
    return _CalcStaffIndexes(staves, &first, &last) ? last - first + 1 : 0;
}

bool FCGroup::ContainsStaff(int staff) const
{
    FCSystemStaves staves;
    staves.LoadAllForItem(0);
    int first = 0;
    int last = 0;
    if (!_CalcStaffIndexes(staves, &first, &last))
        return false;
    const int index = IndexOfStaff(staves, staff);
    return index >= first && index <= last;
}

FCString* FCGroup::_CreateNameString(int16_t block)
{
    FCString* pString = nullptr;
    FCTextBlock textBlock;
    if (block != 0 && textBlock.Load(static_cast<uint16_t>(block)))
        pString = textBlock.CreateRawTextString();
    return pString ? pString : new FCString();
}

FCString* FCGroup::CreateFullNameString() const { return _CreateNameString(GetFullNameID()); }

FCString* FCGroup::CreateAbbreviatedNameString() const { return _CreateNameString(GetAbbreviatedNameID()); }
