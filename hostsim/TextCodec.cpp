#include "hostsim/TextCodec.h"

namespace hostsim {

namespace {

/* Decodes one code point; malformed bytes decode as U+FFFD. */
char32_t decodeUtf8(const std::string& s, size_t& i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i++);
    if (c < 0x80) return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + size_t(extra) > s.size()) return 0xFFFD;
    char32_t cp = c & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        unsigned char d = byte(i);
        if ((d & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (d & 0x3F);
        ++i;
    }
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::u16string TextCodec::toUtf16(const std::string& utf8) {
    std::u16string out;
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = decodeUtf8(utf8, i);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string TextCodec::fromUtf16(const std::u16string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
            s[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (char32_t(s[i + 1]) - 0xDC00);
            ++i;
        }
        appendUtf8(out, cp);
    }
    return out;
}

std::u16string TextCodec::readUtf16(const uint16_t* p, size_t maxUnits) {
    std::u16string s;
    for (size_t i = 0; i < maxUnits && p[i]; ++i) s += static_cast<char16_t>(p[i]);
    return s;
}

std::string TextCodec::toLatin1(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = decodeUtf8(utf8, i);
        out += cp < 0x100 ? static_cast<char>(cp) : '?';
    }
    return out;
}

std::string TextCodec::fromLatin1(const std::string& latin1) {
    std::string out;
    for (char c : latin1) appendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

std::u16string TextCodec::stripCaretCommands(const std::u16string& s) {
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
        if (close == std::u16string::npos) {  // not a command: keep the rest as it is
            out += s.substr(i);
            break;
        }
        std::u16string name = s.substr(i + 1, open - i - 1);
        if (name == u"flat") out += u'\u266D';
        if (name == u"sharp") out += u'\u266F';
        i = close;
    }
    return out;
}

}  // namespace hostsim
