#ifndef QZ_HOSTLINK_BYTEFIELD_H
#define QZ_HOSTLINK_BYTEFIELD_H

#include <cstddef>
#include <cstring>

namespace fxhost
{

// Fields of host records and frames sit at byte offsets that need not be
// aligned for their type; they are always read and written by copy.
template <typename T>
T GetField(const void* base, std::size_t offset)
{
    T value;
    std::memcpy(&value, static_cast<const unsigned char*>(base) + offset, sizeof(T));
    return value;
}

template <typename T>
void SetField(void* base, std::size_t offset, T value)
{
    std::memcpy(static_cast<unsigned char*>(base) + offset, &value, sizeof(T));
}

} // namespace fxhost

#endif
