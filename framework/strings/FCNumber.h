#ifndef FRAMEWORK_STRINGS_FCNUMBER_H
#define FRAMEWORK_STRINGS_FCNUMBER_H

#include <cstdint>

#include "core/__FCBase.h"

/* One number of an FCNumbers list: an integer and a float set together. */
class FCNumber : public __FCBase
{
    int32_t _intvalue;
    float _floatvalue;

public:
    FCNumber() : _intvalue(0), _floatvalue(0.0f) {}

    const char* ClassName() const override;

    /* Sets both fields to value. */
    void SetInt(int value);
    /* Sets the float, and the integer to value truncated toward zero. */
    void SetFloat(float value);
    int GetInt() const { return _intvalue; }
    float GetFloat() const { return _floatvalue; }
};

#endif
