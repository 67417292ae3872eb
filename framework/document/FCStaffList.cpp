#include "document/FCStaffList.h"

#include "common/qz_fourcc.h"
#include "document/FCStaffListText.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCStaffList, 92, QZ_FOURCC("otDC"))

FCStaffList::FCStaffList() : __FCDynamicNoInciOther(kPieceSize, kPieceSize) {}

int FCStaffList::_Capacity() const { return static_cast<int>(GetLoadedSize() / 2); }

int16_t FCStaffList::_Entry(int index) const
{
    return _GetField(FCRecordField<int16_t>(static_cast<uint32_t>(index) * 2));
}

void FCStaffList::_SetEntry(int index, int16_t staff)
{
    _SetField(FCRecordField<int16_t>(static_cast<uint32_t>(index) * 2), staff);
}

int FCStaffList::GetCount() const
{
    int count = 0;
    while (count < _Capacity() && _Entry(count) != 0)
        ++count;
    return count;
}

int FCStaffList::GetElement(int index) const { return (index >= 0 && index < GetCount()) ? _Entry(index) : 0; }

bool FCStaffList::IncludesStaff(int staff) const
{
    const int count = GetCount();
    for (int i = 0; i < count; ++i)
        if (_Entry(i) == staff)
            return true;
    return false;
}

bool FCStaffList::AddElement(int staff)
{
    if (staff < 1 || staff > INT16_MAX || IncludesStaff(staff))
        return false;
    if (!IsLoaded())
        PrepareNew();
    const int count = GetCount();
    if (count >= _Capacity())
        _Resize(static_cast<uint32_t>(GetLoadedSize()) + kPieceSize);
    _SetEntry(count, static_cast<int16_t>(staff));
    return true;
}

bool FCStaffList::RemoveElement(int staff)
{
    const int count = GetCount();
    int index = 0;
    while (index < count && _Entry(index) != staff)
        ++index;
    if (index == count)
        return false;
    for (int i = index; i + 1 < count; ++i)
        _SetEntry(i, _Entry(i + 1));
    _SetEntry(count - 1, 0);
    const int pieces = (count - 1 + kEntriesPerPiece - 1) / kEntriesPerPiece;
    if (pieces * kEntriesPerPiece < _Capacity())
        _Resize(static_cast<uint32_t>(pieces) * kPieceSize);
    return true;
}

FCString* FCStaffList::CreateTextString() const
{
    return __FCOtherText::CreateItemString<FCStaffListText>(static_cast<int16_t>(GetItemNo()));
}

bool FCStaffList::SaveTextString(const FCString* pString)
{
    return __FCOtherText::SaveItemString<FCStaffListText>(static_cast<int16_t>(GetItemNo()), pString);
}
