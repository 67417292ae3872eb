/* FCString measurements: text in the host's units and EVPUs. Defined with the
 * user-interface services because the formatting ends with the user's decimal
 * separator, which the platform half of FCUI knows; the default unit comes
 * from the document's general preferences.
 *
 * Everything before the separator step is independent of the process locale
 * (the number conversions of FCString are). */
#include <charconv>
#include <climits>
#include <cmath>
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

/* Digits written before the text is cut to its kept decimals (at most five):
   enough that the rounding of the last one never reaches a kept one. */
constexpr int kWrittenDecimals = 9;

/* How far a typed value's float may lie from the decimal typed: the parse
   and the unit's multiplication round once each. */
constexpr int kMeantUlps = 2;

float StepsAway(float value, float toward)
{
    for (int step = 0; step < kMeantUlps; ++step)
        value = std::nextafter(value, toward);
    return value;
}

/* The decimal a float of EVPUs stands for: the one with the fewest digits
   within kMeantUlps units in its last place, as a double. It is 140.4 for
   the float 140.399994 that 35.1 points become (written "%f" and cut, its
   points would show 35.09), and 4.32 for the 4.3199997 of 0.015 inches.
   Converted and cut from there, a measurement shows the digits the user
   typed, and a value truly below a cut (35.096 points) stays below it. */
double MeantDecimal(float value)
{
    const double below = StepsAway(value, -HUGE_VALF);
    const double above = StepsAway(value, HUGE_VALF);
    for (int digits = 1; digits <= 9; ++digits) {
        char text[64];
        const std::to_chars_result written =
            std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits);
        double candidate = value;
        std::from_chars(text, written.ptr, candidate);
        if (candidate >= below && candidate <= above)
            return candidate;
    }
    return value;
}

/* The value with kWrittenDecimals decimals and a ".", whatever the locale. */
void AppendDecimals(FCString* pText, double value)
{
    char text[400];
    const std::to_chars_result written =
        std::to_chars(text, text + sizeof text - 1, value, std::chars_format::fixed, kWrittenDecimals);
    *written.ptr = 0;
    pText->AppendCString(text);
}

/* Unit 0 stands for the document's own unit. */
int ResolveUnit(int unit)
{
    if (unit != __FCBase::MEASUREMENTUNIT_DEFAULT)
        return unit;
    FCGeneralPrefs prefs;
    if (!prefs.Load(1))
        return __FCBase::MEASUREMENTUNIT_DEFAULT;
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
void AppendPicas(FCString* pText, double evpus)
{
    FCString picas;
    AppendDecimals(&picas, evpus / kEVPUsPerPica);
    const int dot = picas.FindFirst(".");
    if (dot >= 0) {
        FCString whole;
        picas.MakeSubString(0, static_cast<uint64_t>(dot), &whole);
        whole.AppendCString("p");
        picas = whole;
    }
    const double wholePicas = std::trunc(evpus / kEVPUsPerPica);
    FCString points;
    AppendDecimals(&points, (evpus - wholePicas * kEVPUsPerPica) * kPointsPerEVPU);
    if (points.StartsWith("-"))
        points.DeleteCharacterAt(0);
    pText->AppendString(&picas);
    pText->AppendString(&points);
}

/* Keeps decimals - 1 digits after the ".", then drops trailing zeros and a
   "." left at the end. */
void TrimDecimals(FCString* pText, int decimals)
{
    const int dot = pText->FindFirst(".");
    if (dot < 0)
        return;
    const uint64_t keep = static_cast<uint64_t>(dot + decimals);
    if (pText->GetLength() > keep)
        pText->DeleteCharactersAt(keep, pText->GetLength() - keep);
    while (pText->GetLength() > static_cast<uint64_t>(dot) + 1 && pText->GetItemAt(-1) == '0')
        pText->DeleteCharacterAt(-1);
    if (pText->GetItemAt(-1) == '.')
        pText->DeleteCharacterAt(-1);
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
    if (p < 0)
        return text.GetFloat(0) * kEVPUsPerPica;
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
    if (!std::isfinite(value))
        return;
    const double meant = MeantDecimal(value);
    int decimals = 3;
    switch (unit) {
    case MEASUREMENTUNIT_EVPUS:
        if (value == std::round(value))
            AppendWhole(this, value);
        else
            AppendDecimals(this, meant);
        break;
    case MEASUREMENTUNIT_INCHES:
        AppendDecimals(this, meant / kEVPUsPerInch);
        decimals = 6;
        break;
    case MEASUREMENTUNIT_CENTIMETERS:
        AppendDecimals(this, meant * 100000.0 / 11338583.0);
        decimals = 6;
        break;
    case MEASUREMENTUNIT_POINTS: AppendDecimals(this, meant * kPointsPerEVPU); break;
    case MEASUREMENTUNIT_PICAS: AppendPicas(this, meant); break;
    case MEASUREMENTUNIT_SPACES:
        AppendDecimals(this, meant / kEVPUsPerSpace);
        decimals = 6;
        break;
    default: return;
    }
    TrimDecimals(this, decimals);

    FCString separator;
    _FCUI_cocoa().GetDecimalSeparator(&separator);
    if (!separator.IsEmpty() && !separator.IsEqualCString("."))
        Replace(".", separator.GetUTF8String());
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
