#ifndef FRAMEWORK_CORE_FCRECORDFIELD_H
#define FRAMEWORK_CORE_FCRECORDFIELD_H

#include <cstdint>
#include <cstring>
#include <type_traits>

/* Typed access to the fields of a host record held as raw bytes.
 *
 * A field is described once by its byte offset and its C type; the type gives
 * the width and the signedness (int16_t, uint16_t, int32_t, uint32_t, int8_t,
 * uint8_t, ...). Every read and write goes through memcpy, so fields at odd
 * offsets are safe, and every access is checked against the size of the
 * buffer: a read outside it gives 0, a write outside it changes nothing and
 * reports false.
 *
 *     constexpr FCRecordField<int16_t> kStaffNumber{0};
 *     constexpr FCRecordField<int32_t> kDistance{8};
 *     int16_t staff = kStaffNumber.Read(bytes, size);
 *     kDistance.Write(bytes, size, -300);
 *
 * Record classes (derived from __FCBaseData) normally do not call these
 * directly: __FCBaseData::_GetField/_SetField apply a descriptor to the
 * object's own bytes, and the FCRECORD_* macros at the end of this file
 * generate Get/Set pairs from one line per field. */
template <typename T>
struct FCRecordField
{
    static_assert(std::is_arithmetic<T>::value, "record fields are numbers");

    uint32_t offset;

    constexpr explicit FCRecordField(uint32_t byteOffset) : offset(byteOffset) {}

    static constexpr uint32_t Width() { return static_cast<uint32_t>(sizeof(T)); }

    /* True when the field lies inside a buffer of size bytes. */
    constexpr bool FitsIn(uint64_t size) const { return static_cast<uint64_t>(offset) + sizeof(T) <= size; }

    T Read(const void* pData, uint64_t size) const
    {
        T value{};
        if (pData && FitsIn(size))
            std::memcpy(&value, static_cast<const unsigned char*>(pData) + offset, sizeof(T));
        return value;
    }

    bool Write(void* pData, uint64_t size, T value) const
    {
        if (!pData || !FitsIn(size))
            return false;
        std::memcpy(static_cast<unsigned char*>(pData) + offset, &value, sizeof(T));
        return true;
    }
};

/* One or more bits of an integer field, read as a boolean (true when any of
   the mask bits is set) and written by setting or clearing all mask bits. */
template <typename T>
struct FCRecordFlag
{
    static_assert(std::is_integral<T>::value, "flag words are integers");

    FCRecordField<T> word;
    T mask;

    constexpr FCRecordFlag(uint32_t byteOffset, T bitMask) : word(byteOffset), mask(bitMask) {}

    bool Read(const void* pData, uint64_t size) const { return (word.Read(pData, size) & mask) != 0; }

    bool Write(void* pData, uint64_t size, bool on) const
    {
        if (!word.FitsIn(size) || !pData)
            return false;
        T value = word.Read(pData, size);
        value = on ? static_cast<T>(value | mask) : static_cast<T>(value & static_cast<T>(~mask));
        return word.Write(pData, size, value);
    }
};

/* A run of bits inside an integer field (a small enumeration or counter):
   shift is the position of the lowest bit, width the number of bits. Values
   are stored masked to the width. */
template <typename T>
struct FCRecordBits
{
    static_assert(std::is_integral<T>::value, "bit fields live in integers");

    FCRecordField<T> word;
    unsigned shift;
    unsigned width;

    constexpr FCRecordBits(uint32_t byteOffset, unsigned lowBit, unsigned bitCount)
        : word(byteOffset), shift(lowBit), width(bitCount)
    {
    }

    constexpr uint64_t Mask() const { return (width >= 64 ? ~uint64_t(0) : ((uint64_t(1) << width) - 1)) << shift; }

    uint32_t Read(const void* pData, uint64_t size) const
    {
        const uint64_t raw = static_cast<uint64_t>(word.Read(pData, size)) & Mask();
        return static_cast<uint32_t>(raw >> shift);
    }

    bool Write(void* pData, uint64_t size, uint32_t value) const
    {
        if (!pData || !word.FitsIn(size))
            return false;
        const uint64_t old = static_cast<uint64_t>(word.Read(pData, size));
        const uint64_t merged = (old & ~Mask()) | ((static_cast<uint64_t>(value) << shift) & Mask());
        return word.Write(pData, size, static_cast<T>(merged));
    }
};

/* Accessor generators for classes derived from __FCBaseData. OFFSET may be
 * any expression (for records whose layout moves a field between host
 * versions, a private function that returns the offset in the layout in use).
 *
 *     FCRECORD_FIELD(Staff, int16_t, 0)          -> GetStaff() / SetStaff(int16_t)
 *     FCRECORD_FIELD_GET(Measure, int16_t, 2)     -> GetMeasure() only
 *     FCRECORD_FLAG(Hidden, uint16_t, 6, 0x0004)  -> GetHidden() / SetHidden(bool)
 *     FCRECORD_BITS(Side, uint16_t, 4, 0, 3)      -> GetSide() / SetSide(uint32_t)
 *
 * A class with many fields can keep them in one X-macro table:
 *
 *     #define FCSOMETHING_FIELDS(X) X(Staff, int16_t, 0) X(Distance, int32_t, 8)
 *     FCSOMETHING_FIELDS(FCRECORD_FIELD)
 */
#define FCRECORD_FIELD_GET(NAME, TYPE, OFFSET) \
    TYPE Get##NAME() const { return this->_GetField(FCRecordField<TYPE>(OFFSET)); }

#define FCRECORD_FIELD_SET(NAME, TYPE, OFFSET) \
    void Set##NAME(TYPE value) { this->_SetField(FCRecordField<TYPE>(OFFSET), value); }

#define FCRECORD_FIELD(NAME, TYPE, OFFSET) \
    FCRECORD_FIELD_GET(NAME, TYPE, OFFSET) \
    FCRECORD_FIELD_SET(NAME, TYPE, OFFSET)

#define FCRECORD_FLAG(NAME, TYPE, OFFSET, MASK)                                                            \
    bool Get##NAME() const { return this->_GetFlag(FCRecordFlag<TYPE>(OFFSET, static_cast<TYPE>(MASK))); } \
    void Set##NAME(bool on) { this->_SetFlag(FCRecordFlag<TYPE>(OFFSET, static_cast<TYPE>(MASK)), on); }

#define FCRECORD_BITS(NAME, TYPE, OFFSET, SHIFT, WIDTH)                                             \
    uint32_t Get##NAME() const { return this->_GetBits(FCRecordBits<TYPE>(OFFSET, SHIFT, WIDTH)); } \
    void Set##NAME(uint32_t value) { this->_SetBits(FCRecordBits<TYPE>(OFFSET, SHIFT, WIDTH), value); }

#endif
