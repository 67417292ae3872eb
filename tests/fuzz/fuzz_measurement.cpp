/* Measurement text read and written by FCString, in every unit that has no
 * host preferences behind it.
 *
 * Input: one byte choosing the unit, then the text (UTF-8). */
#include <cmath>
#include <cstdint>
#include <string>

#include "strings/FCString.h"
#include "core/FinaleVersion.h"
#include "FuzzCheck.h"
#include "ui/driver/qzui_driver.h"

namespace
{
const int kUnits[] = {__FCBase::MEASUREMENTUNIT_EVPUS,       __FCBase::MEASUREMENTUNIT_INCHES,
                      __FCBase::MEASUREMENTUNIT_CENTIMETERS, __FCBase::MEASUREMENTUNIT_POINTS,
                      __FCBase::MEASUREMENTUNIT_PICAS,       __FCBase::MEASUREMENTUNIT_SPACES,
                      __FCBase::MEASUREMENTUNIT_MILLIMETERS, 7};

/* EVPUs one written digit of the unit may lose (the written decimals are
   cut, not rounded); negative when the unit does not round-trip. */
double Tolerance(int unit)
{
    switch (unit) {
    case __FCBase::MEASUREMENTUNIT_EVPUS: return 0.01;
    case __FCBase::MEASUREMENTUNIT_INCHES: return 288 * 1e-5;
    case __FCBase::MEASUREMENTUNIT_POINTS:
    case __FCBase::MEASUREMENTUNIT_PICAS: return 4 * 0.01;
    case __FCBase::MEASUREMENTUNIT_SPACES: return 24 * 1e-5;
    default: return -1;
    }
}

bool HasDigit(const std::string& text)
{
    for (char c : text)
        if (c >= '0' && c <= '9')
            return true;
    return false;
}

std::string Written(double evpus, int unit)
{
    FCString text;
    text.SetMeasurement(evpus, unit);
    return text.GetUTF8String();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetFinaleFrameworkVersion(0x19000000);
    FuzzCheck::Reader reader(data, size);
    const int unit = kUnits[reader.Byte() % (sizeof kUnits / sizeof kUnits[0])];
    const std::string bytes = reader.Rest();
    FCString text;
    text.SetUTF8String(bytes.c_str());
    /* Digits looked for in the UTF-8 form: the 8-bit form keeps only the low
       byte of each character, so a letter such as U+0400 would end it early
       and U+0436 would read as the digit 6. */
    const std::string utf8 = text.GetUTF8String();

    qzui_set_decimal_separator(".");
    const double evpus = text.GetMeasurement(unit);
    FUZZ_CHECK(std::isfinite(evpus), "a measurement is a finite number");
    if (!HasDigit(utf8))
        FUZZ_CHECK(evpus == 0.0, "text without digits reads as 0");

    /* Reading does not depend on the separator the user writes with. */
    qzui_set_decimal_separator(",");
    FUZZ_CHECK(text.GetMeasurement(unit) == evpus, "reading ignores the locale");

    /* Writing differs only by the separator. */
    std::string withComma = Written(evpus, unit);
    qzui_set_decimal_separator(".");
    std::string withDot = Written(evpus, unit);
    for (char& c : withDot)
        if (c == '.')
            c = ',';
    FUZZ_CHECK(withComma == withDot, "writing differs only by the separator");

    const double tolerance = Tolerance(unit);
    if (tolerance > 0 && std::fabs(evpus) < 1e6) {
        FCString again;
        again.SetUTF8String(Written(evpus, unit).c_str());
        /* The cut decimals, and single-precision arithmetic on the way. */
        const double allowed = tolerance + std::fabs(evpus) * 1e-6;
        FUZZ_CHECK(std::fabs(again.GetMeasurement(unit) - evpus) <= allowed, "a written measurement reads back");
    }
    qzui_set_decimal_separator(nullptr);
    return 0;
}
