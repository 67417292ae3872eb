#include "hostsim/TextCodec.h"

#include "common/qz_utf.h"

namespace hostsim
{

std::u16string TextCodec::toUtf16(const std::string& utf8) { return qz::Utf8ToUtf16(utf8); }

std::string TextCodec::fromUtf16(const std::u16string& s) { return qz::Utf16ToUtf8(s); }

bool TextCodec::isWellFormed(const std::string& utf8, size_t* errorAt)
{
    const size_t at = qz::FindMalformedUtf8(utf8);
    if (errorAt)
        *errorAt = at;
    return at == std::string::npos;
}

std::u16string TextCodec::readUtf16(const uint16_t* p, size_t maxUnits)
{
    std::u16string s;
    for (size_t i = 0; i < maxUnits && p[i]; ++i)
        s += static_cast<char16_t>(p[i]);
    return s;
}

std::string TextCodec::toLatin1(const std::string& utf8)
{
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        if (!qz::DecodeUtf8(utf8.data(), utf8.size(), i, cp))
            cp = qz::kReplacementCharacter;
        out += cp < 0x100 ? static_cast<char>(cp) : '?';
    }
    return out;
}

std::string TextCodec::fromLatin1(const std::string& latin1)
{
    std::string out;
    for (char c : latin1)
        qz::AppendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

std::u16string TextCodec::stripCaretCommands(const std::u16string& s)
{
    std::u16string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != u'^') {
            out += s[i];
            continue;
        }
        if (i + 1 < s.size() && s[i + 1] == u'^') {
            out += u'^';
            ++i;
            continue;
        }
        size_t open = s.find(u'(', i);
        size_t close = open == std::u16string::npos ? open : s.find(u')', open);
        if (close == std::u16string::npos) { // not a command: keep the rest as it is
            out += s.substr(i);
            break;
        }
        std::u16string name = s.substr(i + 1, open - i - 1);
        if (name == u"flat")
            out += u'\u266D';
        if (name == u"sharp")
            out += u'\u266F';
        i = close;
    }
    return out;
}

} // namespace hostsim
