#include "strings/FCNumber.h"

const char* FCNumber::ClassName() const { return "FCNumber"; }

void FCNumber::SetInt(int value)
{
    _intvalue = value;
    _floatvalue = static_cast<float>(value);
}

void FCNumber::SetFloat(float value)
{
    _floatvalue = value;
    /* Truncated toward zero; values beyond the 32-bit range (and NaN) are
       held at its ends (0 for NaN). */
    if (!(value == value))
        _intvalue = 0;
    else if (value >= 2147483648.0f)
        _intvalue = INT32_MAX;
    else if (value <= -2147483648.0f)
        _intvalue = INT32_MIN;
    else
        _intvalue = static_cast<int32_t>(value);
}
