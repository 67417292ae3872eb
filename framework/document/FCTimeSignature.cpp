#include "document/FCTimeSignature.h"

FCTimeSignature::FCTimeSignature() { _PrepareNewRecord(kRecordSize); }

FCRECORD_CLASS_IDENTITY(FCTimeSignature, 112)

uint32_t FCTimeSignature::Tag() const { return 0; }

bool FCTimeSignature::LoadFirst() { return false; }

bool FCTimeSignature::IsCompoundBeatDuration() const
{
    const int duration = GetBeatDuration();
    if (duration <= 0 || duration % 3 != 0)
        return false;
    const int part = duration / 3;
    return (part & (part - 1)) == 0;
}
