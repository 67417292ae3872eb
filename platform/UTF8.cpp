#include "platform/UTF8.h"

#include "common/qz_utf.h"

namespace UTF8
{

void Append(std::string& out, uint32_t codePoint) { qz::AppendUtf8(out, codePoint); }

bool Next(const std::string& text, size_t& pos, uint32_t& codePoint)
{
    if (pos >= text.size())
        return false;
    size_t next = pos;
    char32_t value = 0;
    if (!qz::DecodeUtf8(text.data(), text.size(), next, value))
        return false;
    codePoint = value;
    pos = next;
    return true;
}

bool IsWellFormed(const std::string& text) { return qz::FindMalformedUtf8(text) == std::string::npos; }

} // namespace UTF8
