#include "document/FCGroup.h"

#include <cstring>
#include <utility>

#include "document/FCSystemStaff.h"
#include "document/FCSystemStaves.h"
#include "core/FinaleVersion.h"

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
