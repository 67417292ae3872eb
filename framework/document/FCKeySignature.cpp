#include "document/FCKeySignature.h"

#include "strings/FCString.h"

namespace
{
/* Major keys from seven flats to seven sharps, and their relative minors. */
const char* const kMajorNames[15] = {"Cb", "Gb", "Db", "Ab", "Eb", "Bb", "F", "C", "G", "D", "A", "E", "B", "F#", "C#"};
const char* const kMinorNames[15] = {"ab", "eb", "bb", "f", "c", "g", "d", "a", "e", "b", "f#", "c#", "g#", "d#", "a#"};
constexpr int kMaxAccidentals = 7;
} // namespace

FCKeySignature::FCKeySignature() { _PrepareNewRecord(kRecordSize); }

FCRECORD_CLASS_IDENTITY(FCKeySignature, 46)

uint32_t FCKeySignature::Tag() const { return 0; }

bool FCKeySignature::LoadFirst() { return false; }

int FCKeySignature::_Accidentals() const { return static_cast<int8_t>(GetKeyValue() & 0xFF); }

bool FCKeySignature::IsLinear() const
{
    const int mode = GetKeyValue() >> 8;
    const int count = _Accidentals();
    return (mode == 0 || mode == 1) && count >= -kMaxAccidentals && count <= kMaxAccidentals;
}

bool FCKeySignature::IsMinor() const { return IsLinear() && (GetKeyValue() >> 8) == 1; }

bool FCKeySignature::IsMajor() const { return IsLinear() && (GetKeyValue() >> 8) == 0; }

int FCKeySignature::CalcSharps() const { return IsLinear() && _Accidentals() > 0 ? _Accidentals() : 0; }

int FCKeySignature::CalcFlats() const { return IsLinear() && _Accidentals() < 0 ? -_Accidentals() : 0; }

bool FCKeySignature::MakeString(FCString* pOut) const
{
    if (!pOut || !IsLinear())
        return false;
    const int index = _Accidentals() + kMaxAccidentals;
    pOut->SetCString(IsMinor() ? kMinorNames[index] : kMajorNames[index]);
    pOut->AppendCString(IsMinor() ? " minor" : " major");
    return true;
}
