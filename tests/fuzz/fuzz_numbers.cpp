/* Numbers read from text: decimal integers, decimal fractions (with ',' read
 * as '.') and hexadecimal, and the numbers the string writes itself.
 *
 * Input: four bytes of a value, one byte of a start index, then the text. */
#include <cctype>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "strings/FCString.h"
#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"
#include "FuzzCheck.h"

namespace
{
std::string Narrow(FCString& text) { return text.GetCString(); }

/* Every unit is 7-bit and not zero, so the 8-bit form is the whole text. */
bool IsPlain(const FCString& text)
{
    for (uint64_t i = 0; i < text.GetLength(); ++i)
        if (text.GetItemAt(static_cast<int>(i)) == 0 || text.GetItemAt(static_cast<int>(i)) > 0x7F)
            return false;
    return true;
}

/* What an integer reads as: the C library's value held at the 32-bit ends. */
int ClampedInteger(const char* text)
{
    const long long value = std::strtoll(text, nullptr, 10);
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

/* What a fraction reads as: the nearest double, then narrowed to float
   (infinite beyond the float range). False when the double range is left. */
bool ExpectedFloat(const std::string& text, float* pValue)
{
    errno = 0;
    const double value = std::strtod(text.c_str(), nullptr);
    if (errno == ERANGE)
        return false;
    if (std::fabs(value) > FLT_MAX)
        *pValue = value < 0 ? -INFINITY : INFINITY;
    else
        *pValue = static_cast<float>(value);
    return true;
}

bool AllHexDigits(const std::string& text)
{
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

/* Values written by the string read back unchanged. */
void CheckWritten(int32_t value)
{
    FCString text;
    text.SetInteger(value);
    FUZZ_CHECK(text.GetInteger() == value, "a written integer reads back");
    FUZZ_CHECK(text.IsNumber(), "a written integer is a number");

    static const int kBits[] = {8, 16, 32, 64, 12};
    for (int bits : kBits) {
        text.SetHex(value, bits);
        const uint32_t expected = static_cast<uint32_t>(value);
        if (text.GetLength() <= 8)
            FUZZ_CHECK(text.GetHex() == expected, "written hex reads back");
        if (bits == 8 || bits == 16 || bits == 32)
            FUZZ_CHECK(text.GetLength() >= static_cast<uint64_t>(bits / 4), "hex is padded to its width");
    }

    float single;
    std::memcpy(&single, &value, sizeof single);
    if (std::isfinite(single)) {
        text.SetFloat(single);
        const std::string written = Narrow(text);
        float expected = 0;
        if (ExpectedFloat(written, &expected))
            FUZZ_CHECK(text.GetFloat() == expected, "a written fraction reads back");
        text.SetInteger(0);
        text.AppendFloat(single);
        FUZZ_CHECK(Narrow(text) == "0" + written, "appending writes the same digits");
    }
}

/* Arbitrary text: the parsers stay inside the text and agree with the C
   library where the text is plain. */
void CheckRead(FCString& text, int start)
{
    const std::string narrow = Narrow(text);
    const int length = static_cast<int>(text.GetLength());
    const bool plain = IsPlain(text);

    if (start > length) {
        FUZZ_CHECK(text.GetInteger(start) == 0 && text.GetFloat(start) == 0.0f, "a start past the end reads 0");
        return;
    }
    const int fromStart = text.GetInteger(start);
    (void)text.GetFloat(start);
    if (plain)
        FUZZ_CHECK(fromStart == ClampedInteger(narrow.c_str() + start), "an integer reads as the C library reads it");

    if (text.IsAllDigits() && length > 0) {
        FUZZ_CHECK(text.GetInteger() == ClampedInteger(narrow.c_str()), "digits read as their value");
        FUZZ_CHECK(text.IsNumber(), "digits are a number");
    }
    float expected = 0;
    if (text.IsNumber() && ExpectedFloat(narrow, &expected))
        FUZZ_CHECK(text.GetFloat() == expected, "a number reads as its value");
    if (length > 0 && length <= 8 && plain && AllHexDigits(narrow))
        FUZZ_CHECK(text.GetHex() == static_cast<uint32_t>(std::strtoul(narrow.c_str(), nullptr, 16)),
                   "hex digits read as their value");
    if (!plain || !AllHexDigits(narrow))
        FUZZ_CHECK(text.GetHex() == 0xFFFFFFFF, "anything but hex digits reads as no value");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetFinaleFrameworkVersion(qz::kHostVersion19);
    FuzzCheck::Reader reader(data, size);
    const auto value = static_cast<int32_t>(reader.Word());
    const int start = reader.Byte();
    const std::string bytes = reader.Rest();
    CheckWritten(value);

    FCString eightBit;
    eightBit.SetCString(bytes.data(), static_cast<int>(bytes.size()));
    CheckRead(eightBit, start);
    FCString utf8;
    utf8.SetUTF8String(bytes.c_str());
    CheckRead(utf8, start);
    return 0;
}
