#ifndef TESTS_FUZZ_FUZZCHECK_H
#define TESTS_FUZZ_FUZZCHECK_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

/* Invariant checks shared by the fuzz targets. A broken invariant prints what
 * was expected and where, then aborts, so that the fuzzer (or the replay
 * driver) keeps the input that broke it. */
#define FUZZ_CHECK(condition, what)                                \
    do {                                                           \
        if (!(condition))                                          \
            FuzzCheck::Fail(__FILE__, __LINE__, #condition, what); \
    } while (0)

namespace FuzzCheck
{
[[noreturn]] inline void Fail(const char* file, int line, const char* condition, const std::string& what)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s (%s)\n", file, line, what.c_str(), condition);
    std::abort();
}

/* Well-formed UTF-16: every surrogate stands in a high-low pair. */
inline bool IsWellFormedUtf16(const std::u16string& units)
{
    for (size_t i = 0; i < units.size(); ++i) {
        const bool high = units[i] >= 0xD800 && units[i] <= 0xDBFF;
        const bool low = units[i] >= 0xDC00 && units[i] <= 0xDFFF;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
            ++i;
        else if (high || low)
            return false;
    }
    return true;
}

/* Reads fuzz input bytes in order; past the end every read gives zero. */
class Reader
{
public:
    Reader(const uint8_t* data, size_t size) : _data(data), _size(size) {}

    uint8_t Byte() { return _pos < _size ? _data[_pos++] : 0; }
    uint32_t Word()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | Byte();
        return value;
    }
    /* The rest of the input as text. */
    std::string Rest()
    {
        std::string text(reinterpret_cast<const char*>(_data) + _pos, _size - _pos);
        _pos = _size;
        return text;
    }

private:
    const uint8_t* _data;
    size_t _size;
    size_t _pos = 0;
};
} // namespace FuzzCheck

#endif
