/* FCString measurements: text in the host's units and EVPUs. Defined with the
 * user-interface services because the formatting ends with the user's decimal
 * separator, which the platform half of FCUI knows; the default unit comes
 * from the document's general preferences.
 *
 * Everything before the separator step is independent of the process locale
 * (the number conversions of FCString are). */
#include <cmath>
#include <climits>
#include <cstring>

#include "document/FCGeneralPrefs.h"
#include "strings/FCString.h"
#include "ui/_FCUI_cocoa.h"

namespace
{
/* Unit suffixes accepted when parsing, in search order (first match wins). */
struct UnitSuffix
{
    const char* suffix;
    int unit;
};

constexpr UnitSuffix kUnitSuffixes[] = {
    {"EVPUs", __FCBase::MEASUREMENTUNIT_EVPUS},    {"evpus", __FCBase::MEASUREMENTUNIT_EVPUS},
    {"inches", __FCBase::MEASUREMENTUNIT_INCHES},  {"inch", __FCBase::MEASUREMENTUNIT_INCHES},
    {"in", __FCBase::MEASUREMENTUNIT_INCHES},      {"centimeters", __FCBase::MEASUREMENTUNIT_CENTIMETERS},
    {"cm", __FCBase::MEASUREMENTUNIT_CENTIMETERS}, {"millimeters", __FCBase::MEASUREMENTUNIT_MILLIMETERS},
    {"mm", __FCBase::MEASUREMENTUNIT_MILLIMETERS}, {"picas", __FCBase::MEASUREMENTUNIT_PICAS},
    {"points", __FCBase::MEASUREMENTUNIT_POINTS},  {"pts", __FCBase::MEASUREMENTUNIT_POINTS},
    {"spaces", __FCBase::MEASUREMENTUNIT_SPACES},  {"sp", __FCBase::MEASUREMENTUNIT_SPACES},
    {"e", __FCBase::MEASUREMENTUNIT_EVPUS},        {"i", __FCBase::MEASUREMENTUNIT_INCHES},
    {"''", __FCBase::MEASUREMENTUNIT_INCHES},      {"c", __FCBase::MEASUREMENTUNIT_CENTIMETERS},
    {"pt", __FCBase::MEASUREMENTUNIT_POINTS},      {"p", __FCBase::MEASUREMENTUNIT_PICAS},
    {"s", __FCBase::MEASUREMENTUNIT_SPACES},
};

constexpr float kEVPUsPerInch = 288.0f;
constexpr float kEVPUsPerPica = 48.0f;
constexpr float kEVPUsPerSpace = 24.0f;
constexpr float kEVPUsPerPoint = 4.0f;
constexpr float kPointsPerEVPU = 0.25f;

/* Unit 0 stands for the document's own unit. */
int ResolveUnit(int unit)
{
    if (unit != __FCBase::MEASUREMENTUNIT_DEFAULT) return unit;
    FCGeneralPrefs prefs;
    if (!prefs.Load(1)) return __FCBase::MEASUREMENTUNIT_DEFAULT;
    return prefs.GetMeasurementUnit();
}

/* "%d" of a whole value; values beyond the integer range keep "%f". */
void AppendWhole(FCString* pText, float value)
{
    if (value >= static_cast<float>(INT_MIN) && value < static_cast<float>(INT_MAX))
        pText->AppendInteger(static_cast<int>(value));
    else
        pText->AppendFloat(value);
}

/* Picas as "NpM": whole picas, "p", and the remaining points. */
void AppendPicas(FCString* pText, float evpus)
{
    FCString picas;
    picas.SetFloat(evpus / kEVPUsPerPica);
    const int dot = picas.FindFirst(".");
    if (dot >= 0) {
        FCString whole;
        picas.MakeSubString(0, static_cast<uint64_t>(dot), &whole);
        whole.AppendCString("p");
        picas = whole;
    }
    const float wholePicas = std::trunc(evpus / kEVPUsPerPica);
    FCString points;
    points.SetFloat((evpus - wholePicas * kEVPUsPerPica) * kPointsPerEVPU);
    if (points.StartsWith("-")) points.DeleteCharacterAt(0);
    pText->AppendString(&picas);
    pText->AppendString(&points);
}

/* Keeps decimals - 1 digits after the ".", then drops trailing zeros and a
   "." left at the end. */
void TrimDecimals(FCString* pText, int decimals)
{
    const int dot = pText->FindFirst(".");
    if (dot < 0) return;
    const uint64_t keep = static_cast<uint64_t>(dot + decimals);
    if (pText->GetLength() > keep) pText->DeleteCharactersAt(keep, pText->GetLength() - keep);
    while (pText->GetLength() > static_cast<uint64_t>(dot) + 1 && pText->GetItemAt(-1) == '0')
        pText->DeleteCharacterAt(-1);
    if (pText->GetItemAt(-1) == '.') pText->DeleteCharacterAt(-1);
}

/* Cuts a unit suffix (alone or followed by ".") off the end of the text;
   returns its unit, or the given unit when none matches. */
int TakeUnitSuffix(FCString* pText, int unit)
{
    for (const UnitSuffix& entry : kUnitSuffixes) {
        const uint64_t length = std::strlen(entry.suffix);
        FCString dotted(entry.suffix);
        dotted.AppendCString(".");
        uint64_t cut = 0;
        if (pText->EndsWith(entry.suffix))
            cut = length;
        else if (pText->EndsWith(dotted.GetCString()))
            cut = length + 1;
        else
            continue;
        pText->DeleteCharactersAt(pText->GetLength() - cut, cut);
        pText->TrimWhitespace();
        return entry.unit;
    }
    return unit;
}

/* "NpM" or "N" read as picas. The points of a negative "-NpM" count
   against the picas, as they were written ("-1p6" is -72 EVPUs). */
float ParsePicas(const FCString& text)
{
    const int p = text.FindFirst("p");
    if (p < 0) return text.GetFloat(0) * kEVPUsPerPica;
    FCString before, after;
    text.MakeSubString(0, static_cast<uint64_t>(p), &before);
    text.MakeSubString(static_cast<uint64_t>(p) + 1, text.GetLength(), &after);
    before.TrimWhitespace();
    const float points = after.GetFloat(0) * kEVPUsPerPoint;
    const float picas = before.GetFloat(0) * kEVPUsPerPica;
    return before.StartsWith("-") ? picas - points : picas + points;
}
} // namespace

void FCString::SetMeasurement(double evpus, int unit)
{
    const float value = static_cast<float>(evpus);
    unit = ResolveUnit(unit);
    Clear();
    /* A value that is not a number has no text in any unit. */
    if (!std::isfinite(value)) return;
    int decimals = 3;
    switch (unit) {
    case MEASUREMENTUNIT_EVPUS:
        if (value == std::round(value))
            AppendWhole(this, value);
        else
            AppendFloat(value);
        break;
    case MEASUREMENTUNIT_INCHES:
        AppendFloat(value / kEVPUsPerInch);
        decimals = 6;
        break;
    case MEASUREMENTUNIT_CENTIMETERS:
        AppendFloat(value * 100000.0f / 11338583.0f);
        decimals = 6;
        break;
    case MEASUREMENTUNIT_POINTS: AppendFloat(value * kPointsPerEVPU); break;
    case MEASUREMENTUNIT_PICAS: AppendPicas(this, value); break;
    case MEASUREMENTUNIT_SPACES:
        AppendFloat(value / kEVPUsPerSpace);
        decimals = 6;
        break;
    default: return;
    }
    TrimDecimals(this, decimals);

    FCString separator;
    _FCUI_cocoa().GetDecimalSeparator(&separator);
    if (!separator.IsEmpty() && !separator.IsEqualCString(".")) Replace(".", separator.GetUTF8String());
}

double FCString::GetMeasurement(int unit) const
{
    FCString text(*this);
    text.Replace(",", ".");
    text.TrimWhitespace();
    unit = TakeUnitSuffix(&text, ResolveUnit(unit));
    const float value = text.GetFloat(0);
    float evpus = 0.0f;
    switch (unit) {
    case MEASUREMENTUNIT_EVPUS: evpus = value; break;
    case MEASUREMENTUNIT_INCHES: evpus = value * kEVPUsPerInch; break;
    case MEASUREMENTUNIT_CENTIMETERS: evpus = value * 1134.0f / 10.0f; break;
    case MEASUREMENTUNIT_POINTS: evpus = value * kEVPUsPerPoint; break;
    case MEASUREMENTUNIT_PICAS: evpus = ParsePicas(text); break;
    case MEASUREMENTUNIT_SPACES: evpus = value * kEVPUsPerSpace; break;
    case MEASUREMENTUNIT_MILLIMETERS: evpus = value * 1134.0f / 100.0f; break;
    default: return 0.0;
    }
    /* "inf", "nan" and overflowing numbers are no measurement. */
    return std::isfinite(evpus) ? evpus : 0.0;
}
