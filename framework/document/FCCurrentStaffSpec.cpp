#include "document/FCCurrentStaffSpec.h"

#include "document/FCCell.h"

namespace
{
/* The 8-byte key of the record: staff, measure, 32-bit position. */
constexpr FCRecordField<int16_t> kKeyStaff{0};
constexpr FCRecordField<int16_t> kKeyMeasure{2};
constexpr FCRecordField<int32_t> kKeyPosition{4};
constexpr uint32_t kKeySize = 8;
} // namespace

const char* FCCurrentStaffSpec::ClassName() const { return "FCCurrentStaffSpec"; }

__FCBaseData* FCCurrentStaffSpec::CreateObject() { return new FCCurrentStaffSpec(); }

uint32_t FCCurrentStaffSpec::Tag() const { return kTag; }

bool FCCurrentStaffSpec::LoadForCell(FCCell* pCell, int position)
{
    if (!pCell)
        return false;
    void* pKey = _GetKeyBytes();
    kKeyStaff.Write(pKey, kKeySize, static_cast<int16_t>(pCell->GetStaff()));
    kKeyMeasure.Write(pKey, kKeySize, static_cast<int16_t>(pCell->GetMeasure()));
    kKeyPosition.Write(pKey, kKeySize, static_cast<int32_t>(position));
    return LoadDataBlock();
}

bool FCCurrentStaffSpec::Load(uint16_t) { return false; }

bool FCCurrentStaffSpec::SaveAs(uint16_t) { return false; }

bool FCCurrentStaffSpec::SaveNew() { return false; }

bool FCCurrentStaffSpec::Save() { return false; }

uint16_t FCCurrentStaffSpec::GetItemNo() const { return 0; }
