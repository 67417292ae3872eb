#include "hostsim/RecordKey.h"

#include <cstdio>
#include <cstring>
#include <tuple>

namespace hostsim
{

RecordKey::RecordKey(int16_t a, int16_t b, int16_t c)
{
    setPart(0, a);
    setPart(1, b);
    setPart(2, c);
}

size_t RecordKey::wordCount(KeyShape shape)
{
    switch (shape) {
    case KeyShape::Detail:
    case KeyShape::CellDetail: return 3;
    case KeyShape::StaffMeasurePos: return 4;
    default: return 2;
    }
}

RecordKey RecordKey::read(KeyShape shape, const int16_t* key)
{
    RecordKey k;
    if (shape == KeyShape::StaffMeasurePos) {
        int32_t pos = 0;
        std::memcpy(&pos, key + 2, sizeof pos);
        k.setPart(0, key[0]);
        k.setPart(1, key[1]);
        k.words[2] = static_cast<uint16_t>(static_cast<uint32_t>(pos) >> 16);
        k.words[3] = static_cast<uint16_t>(static_cast<uint32_t>(pos) & 0xFFFFu);
        return k;
    }
    for (size_t i = 0; i < wordCount(shape); ++i)
        k.setPart(i, key[i]);
    return k;
}

void RecordKey::write(KeyShape shape, int16_t* key) const
{
    if (shape == KeyShape::StaffMeasurePos) {
        key[0] = part(0);
        key[1] = part(1);
        int32_t pos = static_cast<int32_t>((uint32_t(words[2]) << 16) | words[3]);
        std::memcpy(key + 2, &pos, sizeof pos);
        return;
    }
    for (size_t i = 0; i < wordCount(shape); ++i)
        key[i] = part(i);
}

bool RecordKey::hasMinusOne(KeyShape shape) const
{
    size_t n = shape == KeyShape::StaffMeasurePos ? 2 : wordCount(shape);
    for (size_t i = 0; i < n; ++i)
        if (words[i] == 0xFFFFu)
            return true;
    return false;
}

std::string RecordKey::toString(KeyShape shape) const
{
    std::string s = "(";
    if (shape == KeyShape::StaffMeasurePos) {
        int32_t pos = static_cast<int32_t>((uint32_t(words[2]) << 16) | words[3]);
        return s + std::to_string(part(0)) + "," + std::to_string(part(1)) + "," + std::to_string(pos) + ")";
    }
    for (size_t i = 0; i < wordCount(shape); ++i) {
        if (i)
            s += ",";
        s += std::to_string(part(i));
    }
    return s + ")";
}

bool RecordId::operator<(const RecordId& o) const
{
    return std::tie(scope, tag, key) < std::tie(o.scope, o.tag, o.key);
}

std::string tagChars(uint32_t tag)
{
    std::string s(4, '.');
    for (int i = 0; i < 4; ++i) {
        char c = static_cast<char>((tag >> (24 - 8 * i)) & 0xFF);
        s[size_t(i)] = (c >= 0x20 && c < 0x7F) ? c : '.';
    }
    return s;
}

std::string tagHex(uint32_t tag)
{
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08X", tag);
    return buf;
}

} // namespace hostsim
