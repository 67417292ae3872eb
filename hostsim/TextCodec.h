#ifndef HOSTSIM_TEXTCODEC_H
#define HOSTSIM_TEXTCODEC_H

#include <cstdint>
#include <string>

namespace hostsim
{

/* Conversions between the UTF-8 the driver speaks and the host's texts
   (UTF-16 from host 0x11000000 on, 8-bit below), over the strict codec of
   common/qz_utf.h: a malformed sequence becomes U+FFFD. Input that must be
   well formed (document files) is checked with isWellFormed first. */
class TextCodec
{
public:
    static std::u16string toUtf16(const std::string& utf8);
    static std::string fromUtf16(const std::u16string& s);
    /* False when the text holds a malformed sequence; its byte offset in
     *errorAt (npos when there is none). */
    static bool isWellFormed(const std::string& utf8, size_t* errorAt = nullptr);
    /* Reads a zero-terminated UTF-16 text of at most `maxUnits` units. */
    static std::u16string readUtf16(const uint16_t* p, size_t maxUnits);
    /* 8-bit form: Latin-1 for code points below 256, '?' otherwise. */
    static std::string toLatin1(const std::string& utf8);
    static std::string fromLatin1(const std::string& latin1);

    /* Drops caret commands ("^name(args)"); "^flat()" and "^sharp()" become
       U+266D and U+266F; "^^" is a literal caret. */
    static std::u16string stripCaretCommands(const std::u16string& s);
};

} // namespace hostsim

#endif
