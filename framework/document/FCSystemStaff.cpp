#include "document/FCSystemStaff.h"

#include <cstring>

#include "records/__FCNoInciDetail.h"

namespace
{
/* The resize detail of a list entry: key (list item, staff, 0), 10 bytes,
   the first word the percentage. */
class ResizeDetail : public __FCNoInciDetail
{
public:
    ResizeDetail(uint16_t item, int16_t staff)
    {
        std::memset(_record, 0, sizeof _record);
        _SetKey(static_cast<int16_t>(item), staff, 0);
    }
    void* Allocate() override { return _record; }
    __FCBaseData* CreateObject() override { return nullptr; }
    uint32_t Tag() const override { return FCSystemStaff::kResizeTag; }
    uint32_t DataSizeLoad() const override { return FCSystemStaff::kResizeRecordSize; }
    bool LoadFirst() override { return false; }

    bool LoadPercent(int32_t* pPercent)
    {
        if (!LoadDataBlock())
            return false;
        *pPercent = _GetField(kPercent);
        return true;
    }
    bool WritePercent(int32_t percent)
    {
        if (!_PrepareNewRecord(FCSystemStaff::kResizeRecordSize))
            return false;
        _SetField(kPercent, static_cast<int16_t>(percent));
        return Save();
    }

private:
    static constexpr FCRecordField<int16_t> kPercent{0};
    unsigned char _record[FCSystemStaff::kResizeRecordSize];
};
} // namespace

FCSystemStaff::FCSystemStaff() : _resize(kNoResize) { _PrepareNewRecord(kRecordSize); }

int FCSystemStaff::GetClassID() const { return 101; }

const char* FCSystemStaff::ClassName() const { return "FCSystemStaff"; }

void* FCSystemStaff::Allocate() { return _record; }

__FCBaseData* FCSystemStaff::CreateObject() { return new FCSystemStaff(); }

uint32_t FCSystemStaff::Tag() const { return kTag; }

uint32_t FCSystemStaff::DataSizeLoad() const { return kRecordSize; }

void FCSystemStaff::CloneMemoryFrom(__FCBaseData* pSource)
{
    if (!pSource || pSource == this || !pSource->IsLoaded() || !pSource->_GetData())
        return;
    const uint64_t size = pSource->GetLoadedSize() < kRecordSize ? pSource->GetLoadedSize() : kRecordSize;
    std::memset(_record, 0, sizeof _record);
    std::memcpy(_record, pSource->_GetData(), static_cast<size_t>(size));
    _AssignData(_record, kRecordSize);
    _SetLoadedSize(size);
    if (FCSystemStaff* pEntry = dynamic_cast<FCSystemStaff*>(pSource))
        _resize = pEntry->_resize;
}

bool FCSystemStaff::LoadFirst() { return false; }

void FCSystemStaff::_LoadResize()
{
    _resize = kNoResize;
    if (GetItemNo() == 0)
        return;
    int32_t percent = kNoResize;
    if (ResizeDetail(GetItemNo(), GetStaff()).LoadPercent(&percent))
        _resize = percent;
}

bool FCSystemStaff::Load(uint16_t item, int16_t incident)
{
    if (!__FCInciOther::Load(item, incident))
        return false;
    _LoadResize();
    return true;
}

bool FCSystemStaff::_SaveResize(bool recordSaved)
{
    if (!recordSaved)
        return false;
    if (_resize == kNoResize) {
        DeleteResizeData();
        return true;
    }
    return ResizeDetail(GetItemNo(), GetStaff()).WritePercent(_resize);
}

bool FCSystemStaff::Save() { return _SaveResize(__FCInciOther::Save()); }

bool FCSystemStaff::SaveNew(uint16_t item) { return _SaveResize(__FCInciOther::SaveNew(item)); }

bool FCSystemStaff::DeleteResizeData()
{
    if (GetItemNo() == 0)
        return false;
    return ResizeDetail(GetItemNo(), GetStaff()).DeleteData();
}
