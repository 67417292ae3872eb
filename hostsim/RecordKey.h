#ifndef HOSTSIM_RECORDKEY_H
#define HOSTSIM_RECORDKEY_H

#include <array>
#include <cstdint>
#include <string>
#include "common/qz_fourcc.h"

namespace hostsim
{

/* How many key parts a tag reads from the caller's key, and how they are
   interpreted when a new number is asked for. */
enum class KeyShape : uint8_t
{
    NoIncident,      // (item, 0)
    Incident,        // (item, incident)
    RawText,         // (text number, 0), numbered per tag
    Detail,          // (item1, item2, incident)
    CellDetail,      // (staff, measure, incident)
    StaffMeasurePos, // {int16 staff, int16 measure, int32 position}
    Globals          // (item from 0)
};

/* A record key as the host stores it: up to four 16-bit words, compared
   lexicographically as unsigned values (so an item above 32767 sorts above 0 and the
   preference item -2 sorts last). Unused words are zero. */
class RecordKey
{
public:
    std::array<uint16_t, 4> words{};

    RecordKey() = default;
    RecordKey(int16_t a, int16_t b, int16_t c = 0);

    int16_t part(size_t i) const { return static_cast<int16_t>(words[i]); }
    void setPart(size_t i, int16_t v) { words[i] = static_cast<uint16_t>(v); }

    /* Reads the caller's key in the given shape; writes it back the same way. */
    static RecordKey read(KeyShape shape, const int16_t* key);
    void write(KeyShape shape, int16_t* key) const;

    /* Number of 16-bit words the shape uses (SOSC: 4, its position taking two). */
    static size_t wordCount(KeyShape shape);
    /* Index of the word a "-1" asks a new number for, given the caller's key. */
    bool hasMinusOne(KeyShape shape) const;

    std::string toString(KeyShape shape) const;

    /* The four words as one number, the first word highest: numbers order
       as keys do. */
    uint64_t packed() const
    {
        return uint64_t(words[0]) << 48 | uint64_t(words[1]) << 32 | uint64_t(words[2]) << 16 | words[3];
    }
    static RecordKey unpacked(uint64_t n)
    {
        RecordKey k;
        for (size_t i = 0; i < k.words.size(); ++i)
            k.words[i] = static_cast<uint16_t>(n >> (48 - 16 * i));
        return k;
    }

    bool operator<(const RecordKey& o) const { return words < o.words; }
    bool operator==(const RecordKey& o) const { return words == o.words; }
    bool operator!=(const RecordKey& o) const { return words != o.words; }
};

/* Identity of a record inside one document: part scope (-1 = shared by all
   parts), tag and key. */
struct RecordId
{
    int16_t scope = -1;
    uint32_t tag = 0;
    RecordKey key;

    bool operator<(const RecordId& o) const;
    bool operator==(const RecordId& o) const { return scope == o.scope && tag == o.tag && key == o.key; }
};

/* Tag helpers. */
std::string tagChars(uint32_t tag); // four characters, non-printables as '.'
std::string tagHex(uint32_t tag);   // eight hex digits

} // namespace hostsim

#endif
