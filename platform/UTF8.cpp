#include "platform/UTF8.h"

namespace UTF8 {

namespace {

/* Number of continuation bytes after a lead byte and the smallest code point
   that lead length may encode; false for a byte that cannot lead. */
bool LeadInfo(unsigned char lead, int& continuations, uint32_t& value, uint32_t& minimum)
{
    if (lead < 0x80) {
        continuations = 0, value = lead, minimum = 0;
    } else if ((lead & 0xE0) == 0xC0) {
        continuations = 1, value = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        continuations = 2, value = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        continuations = 3, value = lead & 0x07u, minimum = 0x10000;
    } else {
        return false;
    }
    return true;
}

} // namespace

void Append(std::string& out, uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
        return;
    }
    int continuations = codePoint < 0x800 ? 1 : codePoint < 0x10000 ? 2 : 3;
    static const unsigned char kLeadMarks[4] = {0x00, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeadMarks[continuations] | (codePoint >> (6 * continuations)));
    for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((codePoint >> shift) & 0x3F));
}

bool Next(const std::string& text, size_t& pos, uint32_t& codePoint)
{
    int continuations = 0;
    uint32_t minimum = 0;
    if (pos >= text.size() ||
        !LeadInfo(static_cast<unsigned char>(text[pos]), continuations, codePoint, minimum))
        return false;
    if (text.size() - pos - 1 < static_cast<size_t>(continuations))
        return false;
    for (int i = 1; i <= continuations; ++i) {
        unsigned char next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return false;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return false;
    pos += continuations + 1;
    return true;
}

bool IsWellFormed(const std::string& text)
{
    uint32_t codePoint = 0;
    size_t pos = 0;
    while (pos < text.size())
        if (!Next(text, pos, codePoint))
            return false;
    return true;
}

} // namespace UTF8
