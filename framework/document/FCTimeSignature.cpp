#include "FCTimeSignature.h"

#include <cstring>

FCTimeSignature::FCTimeSignature()
{
    std::memset(_record, 0, sizeof _record);
    _PrepareNewRecord(kRecordSize);
}

int FCTimeSignature::GetClassID() const { return 112; }

const char* FCTimeSignature::ClassName() const { return "FCTimeSignature"; }

void* FCTimeSignature::Allocate() { return _record; }

__FCBaseData* FCTimeSignature::CreateObject() { return new FCTimeSignature(); }

uint32_t FCTimeSignature::Tag() const { return 0; }

uint32_t FCTimeSignature::DataSizeLoad() const { return kRecordSize; }

bool FCTimeSignature::LoadFirst() { return false; }

bool FCTimeSignature::IsCompoundBeatDuration() const
{
    const int duration = GetBeatDuration();
    if (duration <= 0 || duration % 3 != 0)
        return false;
    const int part = duration / 3;
    return (part & (part - 1)) == 0;
}
