#ifndef QZ_SCORE_FILE_H
#define QZ_SCORE_FILE_H

/* Telling a MusicXML score from the simulated host's own document files
   (JSON) by the first bytes of the file, whatever its name. */

#ifdef __cplusplus
#include <string>

namespace qz
{
/* A zip container (compressed MusicXML), UTF-16 text (with a byte order
   mark, or big-endian starting with '<'), or text whose first character
   after an optional UTF-8 byte order mark and white space is '<'. */
inline bool LooksLikeMusicXml(const std::string& head)
{
    const auto startsWith = [&head](const char* prefix, size_t size) {
        return head.compare(0, size, prefix, size) == 0;
    };
    if (startsWith("PK\x03\x04", 4) || startsWith("\xFF\xFE", 2) || startsWith("\xFE\xFF", 2) || startsWith("\0<", 2))
        return true;
    size_t first = startsWith("\xEF\xBB\xBF", 3) ? 3 : 0;
    first = head.find_first_not_of(" \t\r\n", first);
    return first != std::string::npos && head[first] == '<';
}
} // namespace qz
#endif

#endif
