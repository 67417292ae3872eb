#include "platform/StringsTable.h"

#include <cstdint>
#include <cstring>

#include "platform/UTF8.h"

namespace
{

/* Decodes UTF-16 text (byte order given) to UTF-8; false at an unpaired
   surrogate or an odd byte count. */
bool DecodeUTF16(const std::string& bytes, size_t start, bool bigEndian, std::string& out, int& line)
{
    if ((bytes.size() - start) % 2 != 0)
        return false;
    line = 1;
    for (size_t i = start; i < bytes.size(); i += 2) {
        auto unitAt = [&](size_t at) {
            const auto hi = static_cast<unsigned char>(bytes[bigEndian ? at : at + 1]);
            const auto lo = static_cast<unsigned char>(bytes[bigEndian ? at + 1 : at]);
            return static_cast<uint32_t>(hi << 8 | lo);
        };
        uint32_t unit = unitAt(i);
        if (unit >= 0xDC00 && unit <= 0xDFFF)
            return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 3 >= bytes.size())
                return false;
            const uint32_t low = unitAt(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return false;
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        if (unit == '\n')
            ++line;
        UTF8::Append(out, unit);
    }
    return true;
}

/* The table's text as UTF-8; false (with the line reached) when it is not
   valid in its encoding. */
bool DecodeTable(const std::string& bytes, std::string& text, int& line)
{
    line = 1;
    const auto byteAt = [&](size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100; };
    if (byteAt(0) == 0xFF && byteAt(1) == 0xFE)
        return DecodeUTF16(bytes, 2, false, text, line);
    if (byteAt(0) == 0xFE && byteAt(1) == 0xFF)
        return DecodeUTF16(bytes, 2, true, text, line);
    if (bytes.size() >= 2 && byteAt(0) != 0 && byteAt(1) == 0)
        return DecodeUTF16(bytes, 0, false, text, line);
    if (bytes.size() >= 2 && byteAt(0) == 0 && byteAt(1) != 0)
        return DecodeUTF16(bytes, 0, true, text, line);
    const size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    text = bytes.substr(start);
    size_t pos = 0;
    uint32_t codePoint = 0;
    while (pos < text.size()) {
        if (text[pos] == '\n')
            ++line;
        if (!UTF8::Next(text, pos, codePoint))
            return false;
    }
    return true;
}

/* A recursive-descent reader over the decoded text. */
class Reader
{
public:
    explicit Reader(const std::string& text) : _text(text) {}

    bool Read(std::map<std::string, std::string>& entries, StringsTable::Error& error)
    {
        std::map<std::string, std::string> read;
        while (SkipSpace()) {
            std::string key, value;
            if (!ReadToken(key))
                return Fail(error, "a key was expected");
            if (!SkipSpace())
                return Fail(error, "the entry is not ended by ';'");
            if (Peek() == '=') {
                ++_pos;
                if (!SkipSpace() || !ReadToken(value))
                    return Fail(error, "a value was expected after '='");
                if (!SkipSpace())
                    return Fail(error, "the entry is not ended by ';'");
            }
            else {
                value = key;
            }
            if (Peek() != ';')
                return Fail(error, "the entry is not ended by ';'");
            ++_pos;
            read[key] = value;
        }
        if (!_fault.empty())
            return Fail(error, _fault);
        entries.swap(read);
        return true;
    }

private:
    const std::string& _text;
    size_t _pos = 0;
    int _line = 1;
    std::string _fault;

    char Peek() const { return _pos < _text.size() ? _text[_pos] : '\0'; }
    bool AtEnd() const { return _pos >= _text.size(); }

    bool Fail(StringsTable::Error& error, const std::string& reason) const
    {
        error.line = _line;
        error.reason = _fault.empty() ? reason : _fault;
        return false;
    }

    void Advance()
    {
        if (_text[_pos] == '\n')
            ++_line;
        ++_pos;
    }

    /* Skips white space and comments; false at the end of the text (or at an
       unterminated comment, which sets the fault). */
    bool SkipSpace()
    {
        while (!AtEnd()) {
            const char c = Peek();
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
                Advance();
            }
            else if (_text.compare(_pos, 2, "//") == 0) {
                while (!AtEnd() && Peek() != '\n')
                    Advance();
            }
            else if (_text.compare(_pos, 2, "/*") == 0) {
                const size_t close = _text.find("*/", _pos + 2);
                if (close == std::string::npos) {
                    _fault = "a comment is not closed";
                    return false;
                }
                while (_pos < close + 2)
                    Advance();
            }
            else {
                return true;
            }
        }
        return false;
    }

    static bool IsWordCharacter(char c)
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               std::strchr("_$+/:.-", c) != nullptr;
    }

    bool ReadToken(std::string& out)
    {
        if (Peek() == '"')
            return ReadQuoted(out);
        while (!AtEnd() && Peek() != '\0' && IsWordCharacter(Peek()))
            out += _text[_pos++];
        return !out.empty();
    }

    static int HexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    /* Four hex digits after \U or \u. */
    bool ReadHexUnit(uint32_t& unit)
    {
        unit = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = HexValue(Peek());
            if (AtEnd() || digit < 0)
                return false;
            unit = unit * 16 + static_cast<uint32_t>(digit);
            ++_pos;
        }
        return true;
    }

    /* \U escape (the backslash and U already read), joining a surrogate pair
       written as two escapes. */
    bool ReadUnicodeEscape(std::string& out)
    {
        uint32_t unit = 0;
        if (!ReadHexUnit(unit) || (unit >= 0xDC00 && unit <= 0xDFFF))
            return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (_text.compare(_pos, 2, "\\U") != 0 && _text.compare(_pos, 2, "\\u") != 0)
                return false;
            _pos += 2;
            uint32_t low = 0;
            if (!ReadHexUnit(low) || low < 0xDC00 || low > 0xDFFF)
                return false;
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
        if (unit == 0)
            return false;
        UTF8::Append(out, unit);
        return true;
    }

    bool ReadEscape(std::string& out)
    {
        if (AtEnd())
            return false;
        const char c = _text[_pos];
        static const char kPlain[] = "\"'\\ntrabfv";
        static const char kMeaning[] = "\"'\\\n\t\r\a\b\f\v";
        if (const char* found = std::strchr(kPlain, c); found && c != '\0') {
            out += kMeaning[found - kPlain];
            Advance();
            return true;
        }
        if (c == 'U' || c == 'u') {
            ++_pos;
            return ReadUnicodeEscape(out);
        }
        if (c >= '0' && c <= '7') {
            uint32_t value = 0;
            for (int i = 0; i < 3 && Peek() >= '0' && Peek() <= '7'; ++i)
                value = value * 8 + static_cast<uint32_t>(_text[_pos++] - '0');
            if (value == 0)
                return false;
            UTF8::Append(out, value);
            return true;
        }
        /* Any other character stands for itself, except a zero character,
           which a text may not hold. */
        if (c == '\0')
            return false;
        out += c;
        Advance();
        return true;
    }

    bool ReadQuoted(std::string& out)
    {
        ++_pos; /* the opening quote */
        while (!AtEnd()) {
            const char c = _text[_pos];
            if (c == '"') {
                ++_pos;
                return true;
            }
            if (c == '\\') {
                ++_pos;
                if (!ReadEscape(out)) {
                    _fault = "a backslash escape is not valid";
                    return false;
                }
                continue;
            }
            if (c == '\0') {
                _fault = "a quoted text holds a zero character";
                return false;
            }
            out += c;
            Advance();
        }
        _fault = "a quoted text is not closed";
        return false;
    }
};

} // namespace

namespace StringsTable
{

bool Parse(const std::string& bytes, std::map<std::string, std::string>& entries, Error& error)
{
    std::string text;
    int line = 1;
    if (!DecodeTable(bytes, text, line)) {
        error.line = line;
        error.reason = "the text is not valid UTF-8 or UTF-16";
        return false;
    }
    return Reader(text).Read(entries, error);
}

} // namespace StringsTable
