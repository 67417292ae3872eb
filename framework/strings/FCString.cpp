#include "strings/FCString.h"

#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/qz_host_versions.h"
#include "strings/FCStrings.h"
#include "core/FinaleVersion.h"
#include "strings/fctext_codec.h"

void (*FCString::_pReleasePlatformString)(void* pObject) = nullptr;

namespace
{

constexpr uint16_t kLineSeparator = 0x2028;
constexpr uint16_t kCarriageReturn = 13;

bool IsUnicodeHost() { return qz::IsUnicodeHost(GetFinaleFrameworkVersion()); }

/* Byte widening used by SetCString and by every search or edit that takes an
   8-bit text: the byte as a signed value. */
uint16_t WidenSigned(char byte) { return static_cast<uint16_t>(static_cast<int16_t>(static_cast<signed char>(byte))); }

uint16_t WidenUnsigned(char byte) { return static_cast<unsigned char>(byte); }

std::vector<uint16_t> WidenText(const char* text, uint16_t (*widen)(char))
{
    std::vector<uint16_t> units;
    if (text)
        for (const char* p = text; *p; ++p)
            units.push_back(widen(*p));
    return units;
}

/* Capacity step by the current capacity. */
uint64_t CapacityStep(uint64_t capacity)
{
    if (capacity <= 1000)
        return 10;
    if (capacity <= 10000)
        return 100;
    return 1000;
}

/* Index -1 stands for the last unit. */
int ResolveIndex(int index, uint64_t length) { return index == -1 ? static_cast<int>(length) - 1 : index; }

bool InRange(int index, uint64_t length) { return index >= 0 && static_cast<uint64_t>(index) < length; }

bool IsTrimmed(uint16_t unit, bool spaceAndTab)
{
    return unit == 13 || unit == 10 || (spaceAndTab && (unit == ' ' || unit == '\t'));
}

/* Position of needle in hay at or after start, or -1. */
int FindUnits(const uint16_t* hay, uint64_t hayLength, const uint16_t* needle, uint64_t needleLength, uint64_t start)
{
    if (needleLength > hayLength)
        return -1;
    for (uint64_t i = start; i + needleLength <= hayLength; ++i)
        if (std::memcmp(hay + i, needle, needleLength * sizeof(uint16_t)) == 0)
            return static_cast<int>(i);
    return -1;
}

/* Number of bytes of the 8-bit form before its terminator: a unit whose low
   byte is 0 ends it. */
uint64_t NarrowLength(const uint16_t* units, uint64_t length)
{
    for (uint64_t i = 0; i < length; ++i)
        if ((units[i] & 0xFF) == 0)
            return i;
    return length;
}

bool NarrowMatches(const uint16_t* units, const char* text, uint64_t count)
{
    for (uint64_t i = 0; i < count; ++i)
        if (static_cast<unsigned char>(units[i] & 0xFF) != static_cast<unsigned char>(text[i]))
            return false;
    return true;
}

char* NewCopy(const std::string& text)
{
    char* copy = new char[text.size() + 1];
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

} // namespace

/* ---- Construction ---- */

FCString::FCString()
    : _length(0), _capacity(0), _buffer(nullptr), _cstring(nullptr), _utf8string(nullptr), _platformstring(nullptr)
{
    SetCString("");
}

FCString::FCString(const char* text) : FCString() { SetCString(text ? text : ""); }

FCString::FCString(const FCString& other) : FCString() { SetString(&other); }

FCString& FCString::operator=(const FCString& other)
{
    SetString(&other);
    return *this;
}

const char* FCString::ClassName() const { return "FCString"; }

FCString::~FCString()
{
    delete[] _buffer;
    _FreeCaches();
}

void FCString::_FreeCaches()
{
    delete[] _cstring;
    _cstring = nullptr;
    delete[] _utf8string;
    _utf8string = nullptr;
    _SetPlatformString(nullptr);
}

void FCString::_SetPlatformString(void* pRetainedObject)
{
    if (_platformstring && _pReleasePlatformString)
        _pReleasePlatformString(_platformstring);
    _platformstring = pRetainedObject;
}

/* ---- Storage ---- */

void FCString::_RequireLength(uint64_t newLength)
{
    if (_buffer && _capacity > newLength + 1)
        return;
    const uint64_t step = CapacityStep(_capacity);
    const uint64_t newCapacity = (newLength + step) / step * step;
    if (_buffer && newCapacity <= _capacity)
        return; /* already the size that this step would give */
    auto* grown = new uint16_t[newCapacity];
    if (_buffer)
        std::memcpy(grown, _buffer, _length * sizeof(uint16_t));
    delete[] _buffer;
    _buffer = grown;
    _capacity = newCapacity;
}

void FCString::_SetLength(uint64_t length)
{
    _length = length;
    _buffer[length] = 0;
}

bool FCString::_Owns(const uint16_t* units) const
{
    const std::less<const uint16_t*> before;
    return _buffer && !before(units, _buffer) && before(units, _buffer + _capacity);
}

void FCString::_Assign(const uint16_t* units, uint64_t count)
{
    if (_Owns(units)) { /* the buffer may move as it is sized */
        const std::vector<uint16_t> copy(units, units + count);
        _Assign(copy.data(), count);
        return;
    }
    _length = 0;
    _RequireLength(count);
    if (count)
        std::memcpy(_buffer, units, count * sizeof(uint16_t));
    _SetLength(count);
}

void FCString::_AppendUnits(const uint16_t* units, uint64_t count)
{
    if (_Owns(units)) { /* the buffer may move as it grows */
        const std::vector<uint16_t> copy(units, units + count);
        _AppendUnits(copy.data(), count);
        return;
    }
    _RequireLength(_length + count);
    if (count)
        std::memcpy(_buffer + _length, units, count * sizeof(uint16_t));
    _SetLength(_length + count);
}

void FCString::Clear() { _Assign(nullptr, 0); }

/* ---- Setting and converting ---- */

void FCString::SetCString(const char* text, int count)
{
    if (!text) {
        delete[] _buffer;
        _buffer = nullptr;
        _length = 0;
        _capacity = 0;
        return;
    }
    const size_t bytes = count < 0 ? std::strlen(text) : strnlen(text, static_cast<size_t>(count));
    /* The text is 8-bit, so it never lies in this string's buffer. */
    _length = 0;
    _RequireLength(bytes);
    for (size_t i = 0; i < bytes; ++i)
        _buffer[i] = WidenSigned(text[i]);
    _SetLength(bytes);
}

void FCString::SetString(const FCString* pOther)
{
    if (pOther == this)
        return;
    if (!pOther || !pOther->_buffer)
        Clear();
    else
        _Assign(pOther->_buffer, pOther->_length);
}

void FCString::SetUnicodeString(const uint16_t* units, int count)
{
    uint64_t n = 0;
    if (units && count != 0)
        while (units[n] && (count < 0 || n < static_cast<uint64_t>(count)))
            ++n;
    _Assign(units, n);
}

void FCString::CopyToUnicodeBuffer(uint16_t* buffer, int size) const
{
    if (!buffer || size <= 0)
        return;
    const uint64_t n = _length < static_cast<uint64_t>(size - 1) ? _length : static_cast<uint64_t>(size - 1);
    if (n)
        std::memcpy(buffer, _buffer, n * sizeof(uint16_t));
    buffer[n] = 0;
}

void FCString::SetUTF8String(const char* text)
{
    if (!text)
        return;
    if (!IsUnicodeHost()) {
        /* 8-bit hosts get the 7-bit escaped form, bounded like the host's
           text buffers. */
        SetCString(fctext::Utf8ToEscapedAscii(text, 4999).c_str());
        return;
    }
    std::u16string units = fctext::Utf8ToUtf16(text, std::strlen(text));
    for (char16_t& unit : units)
        if (unit == kLineSeparator)
            unit = kCarriageReturn;
    _Assign(reinterpret_cast<const uint16_t*>(units.data()), units.size());
}

const char* FCString::GetCString()
{
    delete[] _cstring;
    _cstring = new char[_length + 1];
    for (uint64_t i = 0; i < _length; ++i)
        _cstring[i] = static_cast<char>(_buffer[i] & 0xFF);
    _cstring[_length] = 0;
    return _cstring;
}

const char* FCString::GetUTF8String()
{
    std::string utf8;
    if (IsUnicodeHost()) {
        utf8 = fctext::Utf16ToUtf8(_buffer, _length);
    }
    else {
        /* The 8-bit form read as UTF-8 (invalid bytes become U+FFFD). */
        const char* narrow = GetCString();
        const std::u16string units = fctext::Utf8ToUtf16(narrow, std::strlen(narrow));
        utf8 = fctext::Utf16ToUtf8(reinterpret_cast<const uint16_t*>(units.data()), units.size());
    }
    /* Sized to the whole UTF-8 text, so that no sequence is ever cut. */
    delete[] _utf8string;
    _utf8string = NewCopy(utf8);
    return _utf8string;
}

void FCString::ConvertToPascal(unsigned char* buffer) const
{
    if (!buffer)
        return;
    const uint64_t n = _length < 255 ? _length : 255;
    buffer[0] = static_cast<unsigned char>(n);
    for (uint64_t i = 0; i < n; ++i)
        buffer[i + 1] = static_cast<unsigned char>(_buffer[i] & 0xFF);
}

FCString* FCString::CreateCopy() const
{
    auto* pCopy = new FCString();
    pCopy->SetString(this);
    return pCopy;
}

void FCString::SetItemAt(int index, uint16_t unit)
{
    if (!InRange(index, _length))
        return;
    _buffer[index] = unit > 0xFEB0 ? static_cast<uint16_t>(unit & 0xFF) : unit;
}

uint16_t FCString::GetItemAt(int index) const
{
    index = ResolveIndex(index, _length);
    return InRange(index, _length) ? _buffer[index] : 0;
}

const char* FCString::GetEOL() const { return "\n"; }

/* ---- Building and editing ---- */

void FCString::AppendCharacter(uint16_t unit) { _AppendUnits(&unit, 1); }

void FCString::AppendString(const FCString* pOther)
{
    if (pOther && pOther->_buffer)
        _AppendUnits(pOther->_buffer, pOther->_length);
}

void FCString::AppendCString(const char* text)
{
    const std::vector<uint16_t> units = WidenText(text, WidenUnsigned);
    _AppendUnits(units.data(), units.size());
}

void FCString::AppendInteger(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    AppendCString(text);
}

void FCString::SetInteger(int value)
{
    Clear();
    AppendInteger(value);
}

void FCString::AppendFloat(double value)
{
    /* Six decimals with a "." whatever the process locale. */
    char text[400];
    const std::to_chars_result result = std::to_chars(text, text + sizeof text - 1, value, std::chars_format::fixed, 6);
    *result.ptr = 0;
    AppendCString(text);
}

void FCString::SetFloat(double value)
{
    Clear();
    AppendFloat(value);
}

void FCString::InsertString(const FCString* pOther, uint64_t position)
{
    if (!pOther || !pOther->_buffer)
        return;
    std::vector<uint16_t> result(_buffer, _buffer + _length);
    if (position > result.size())
        result.resize(position, 0);
    result.insert(result.begin() + static_cast<std::ptrdiff_t>(position), pOther->_buffer,
                  pOther->_buffer + pOther->_length);
    _Assign(result.data(), result.size());
}

void FCString::Insert(const char* text, uint64_t position)
{
    if (!text)
        return;
    FCString inserted;
    inserted.SetCString(text);
    InsertString(&inserted, position);
}

bool FCString::Replace(const char* search, const char* replacement)
{
    const std::vector<uint16_t> needle = WidenText(search, WidenSigned);
    if (needle.empty() || _length < needle.size())
        return false;
    const std::vector<uint16_t> substitute = WidenText(replacement, WidenSigned);
    std::vector<uint16_t> result;
    bool replaced = false;
    uint64_t i = 0;
    while (i < _length) {
        if (i + needle.size() <= _length &&
            std::memcmp(_buffer + i, needle.data(), needle.size() * sizeof(uint16_t)) == 0) {
            result.insert(result.end(), substitute.begin(), substitute.end());
            i += needle.size();
            replaced = true;
        }
        else {
            result.push_back(_buffer[i++]);
        }
    }
    if (replaced)
        _Assign(result.data(), result.size());
    return replaced;
}

bool FCString::DeleteCharacterAt(int index)
{
    index = ResolveIndex(index, _length);
    if (!InRange(index, _length))
        return false;
    return DeleteCharactersAt(static_cast<uint64_t>(index), 1);
}

bool FCString::DeleteCharactersAt(uint64_t start, uint64_t count)
{
    if (start >= _length || count == 0 || count > _length)
        return false;
    /* Only the units that exist from start on are removed. */
    const uint64_t removed = count < _length - start ? count : _length - start;
    std::memmove(_buffer + start, _buffer + start + removed, (_length - start - removed) * sizeof(uint16_t));
    _SetLength(_length - removed);
    return true;
}

bool FCString::MakeSubString(uint64_t start, uint64_t count, FCString* pOut) const
{
    if (!pOut || start >= _length)
        return false;
    const uint64_t n = count < _length - start ? count : _length - start;
    pOut->_Assign(_buffer + start, n);
    return true;
}

bool FCString::SplitToPathAndFile(FCString* pPathOut, FCString* pFileOut) const
{
    int slash = -1;
    for (uint64_t i = 0; i < _length; ++i)
        if (_buffer[i] == '/')
            slash = static_cast<int>(i);
    if (slash < 0)
        return false;
    const FCString whole(*this); /* an output may be this very string */
    if (pPathOut)
        pPathOut->_Assign(whole._buffer, static_cast<uint64_t>(slash) + 1);
    if (pFileOut)
        pFileOut->_Assign(whole._buffer + slash + 1, whole._length - static_cast<uint64_t>(slash) - 1);
    return true;
}

void FCString::AssureEndingPathDelimiter()
{
    if (GetItemAt(-1) != '/')
        AppendCharacter('/');
}

namespace
{

/* Trims the units for which IsTrimmed(unit, spaceAndTab) holds: trailing first,
   then leading. Returns the kept range. */
void TrimmedRange(const uint16_t* units, uint64_t length, bool spaceAndTab, uint64_t& first, uint64_t& end)
{
    end = length;
    while (end > 0 && IsTrimmed(units[end - 1], spaceAndTab))
        --end;
    first = 0;
    while (first < end && IsTrimmed(units[first], spaceAndTab))
        ++first;
}

} // namespace

void FCString::_Trim(bool spaceAndTab)
{
    if (!_buffer)
        return;
    uint64_t first, end;
    TrimmedRange(_buffer, _length, spaceAndTab, first, end);
    _Assign(_buffer + first, end - first);
}

void FCString::TrimWhitespace() { _Trim(true); }

void FCString::TrimLinefeed() { _Trim(false); }

void FCString::ToLowerCase()
{
    for (uint64_t i = 0; i < _length; ++i)
        _buffer[i] = fctext::ToLower(_buffer[i]);
}

/* ---- Comparing and searching ---- */

bool FCString::IsEqualString(const FCString* pOther) const
{
    if (!pOther || pOther->_length != _length)
        return false;
    return _length == 0 || std::memcmp(_buffer, pOther->_buffer, _length * sizeof(uint16_t)) == 0;
}

bool FCString::IsEqualCString(const char* text) const
{
    if (!text)
        return false;
    const uint64_t narrow = NarrowLength(_buffer, _length);
    return std::strlen(text) == narrow && NarrowMatches(_buffer, text, narrow);
}

int FCString::CompareNoCase(const FCString* pOther) const
{
    if (!pOther)
        return 1;
    FCString mine(*this);
    FCString theirs(*pOther);
    mine.ToLowerCase();
    theirs.ToLowerCase();
    return std::strcmp(mine.GetCString(), theirs.GetCString());
}

bool FCString::StartsWith(const char* text) const
{
    if (!text)
        return false;
    const uint64_t n = std::strlen(text);
    return n <= NarrowLength(_buffer, _length) && NarrowMatches(_buffer, text, n);
}

bool FCString::EndsWith(const char* text) const
{
    if (!text)
        return false;
    const uint64_t n = std::strlen(text);
    const uint64_t narrow = NarrowLength(_buffer, _length);
    return n <= narrow && NarrowMatches(_buffer + narrow - n, text, n);
}

bool FCString::StartsWithString(const FCString* pOther) const
{
    if (!pOther || pOther->_length > _length)
        return false;
    return pOther->_length == 0 || std::memcmp(_buffer, pOther->_buffer, pOther->_length * sizeof(uint16_t)) == 0;
}

int FCString::FindFirst(const char* text) const
{
    const std::vector<uint16_t> needle = WidenText(text, WidenSigned);
    if (needle.empty())
        return -1;
    return FindUnits(_buffer, _length, needle.data(), needle.size(), 0);
}

int FCString::FindLast(const char* text) const
{
    const std::vector<uint16_t> needle = WidenText(text, WidenSigned);
    if (needle.empty() || needle.size() > _length)
        return -1;
    for (uint64_t i = _length - needle.size() + 1; i-- > 0;)
        if (std::memcmp(_buffer + i, needle.data(), needle.size() * sizeof(uint16_t)) == 0)
            return static_cast<int>(i);
    return -1;
}

namespace
{

int PositionFrom(const uint16_t* hay, uint64_t hayLength, const uint16_t* needle, uint64_t needleLength, int start)
{
    if (start < 0)
        start = 0;
    if (static_cast<uint64_t>(start) > hayLength)
        return -1;
    if (needleLength == 0)
        return start;
    return FindUnits(hay, hayLength, needle, needleLength, static_cast<uint64_t>(start));
}

} // namespace

int FCString::CalcStringPosFrom(const FCString* pOther, int start) const
{
    if (!pOther)
        return -1;
    return PositionFrom(_buffer, _length, pOther->_buffer, pOther->_length, start);
}

int FCString::CalcCStringPosFrom(const char* text, int start) const
{
    if (!text)
        return -1;
    const std::vector<uint16_t> needle = WidenText(text, WidenSigned);
    return PositionFrom(_buffer, _length, needle.data(), needle.size(), start);
}

bool FCString::ContainsString(const FCString* pOther) const { return CalcStringPosFrom(pOther, 0) >= 0; }

bool FCString::ContainsStringFrom(const FCString* pOther, int start) const
{
    return CalcStringPosFrom(pOther, start) >= 0;
}

bool FCString::ContainsCString(const char* text) const { return CalcCStringPosFrom(text, 0) >= 0; }

bool FCString::IsCharacter(int index, uint16_t unit) const { return InRange(index, _length) && _buffer[index] == unit; }

bool FCString::IsCharacters(int index, const char* set) const
{
    if (!set || !InRange(index, _length))
        return false;
    for (const char* p = set; *p; ++p)
        if (_buffer[index] == WidenSigned(*p))
            return true;
    return false;
}

bool FCString::IsWhitespace(int index) const
{
    index = ResolveIndex(index, _length);
    return InRange(index, _length) && fctext::IsSpace(_buffer[index]);
}

bool FCString::IsDigit(int index) const
{
    index = ResolveIndex(index, _length);
    return InRange(index, _length) && _buffer[index] >= '0' && _buffer[index] <= '9';
}

bool FCString::IsAllDigits() const
{
    for (uint64_t i = 0; i < _length; ++i)
        if (_buffer[i] < '0' || _buffer[i] > '9')
            return false;
    return true;
}

bool FCString::IsNumber() const
{
    bool digit = false;
    bool point = false;
    for (uint64_t i = 0; i < _length; ++i) {
        const uint16_t unit = _buffer[i];
        if (unit >= '0' && unit <= '9')
            digit = true;
        else if (unit == '.' && !point)
            point = true;
        else if (!(unit == '-' && i == 0))
            return false;
    }
    /* "-", "." and "-." hold no digit and are no number. */
    return digit;
}

/* ---- Numbers ---- */

namespace
{

/* The text a number is read from: the ASCII characters from start on, up to
   the first other one (no number goes on past it, and the low byte of a
   wider character may look like a digit or a sign); nothing when start is
   outside the text. */
bool NumberTextFrom(const uint16_t* units, uint64_t length, int start, std::string& out)
{
    if (start < 0 || static_cast<uint64_t>(start) > length)
        return false;
    const uint64_t narrow = NarrowLength(units, length);
    for (uint64_t i = static_cast<uint64_t>(start); i < narrow && units[i] < 0x80; ++i)
        out.push_back(static_cast<char>(units[i]));
    return true;
}

/* Skips leading white space (space, TAB, LF, VT, FF, CR) and one '+'. */
const char* SkipToNumber(const char* p, bool allowPlus)
{
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    if (allowPlus && *p == '+' && p[1] != '-')
        ++p;
    return p;
}

} // namespace

int FCString::GetInteger(int start) const
{
    std::string text;
    if (!NumberTextFrom(_buffer, _length, start, text))
        return 0;
    const char* p = SkipToNumber(text.c_str(), true);
    long long value = 0;
    const std::from_chars_result result = std::from_chars(p, text.c_str() + text.size(), value, 10);
    if (result.ec == std::errc::result_out_of_range)
        return *p == '-' ? INT_MIN : INT_MAX;
    if (result.ec != std::errc())
        return 0;
    /* Values outside the 32-bit range are held at its ends. */
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

float FCString::GetFloat(int start) const
{
    std::string text;
    if (!NumberTextFrom(_buffer, _length, start, text))
        return 0.0f;
    for (char& c : text)
        if (c == ',')
            c = '.';
    const char* p = SkipToNumber(text.c_str(), true);
    double value = 0.0;
    const std::from_chars_result result =
        std::from_chars(p, text.c_str() + text.size(), value, std::chars_format::general);
    if (result.ec != std::errc())
        return 0.0f;
    return static_cast<float>(value);
}

void FCString::SetHex(int value, int bits)
{
    const char* format = "%x";
    switch (bits) {
    case 8: format = "%02x"; break;
    case 16: format = "%04x"; break;
    case 32: format = "%08x"; break;
    case 64: format = "%016x"; break;
    default: break;
    }
    char text[24];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(value));
    SetCString(text);
}

uint32_t FCString::GetHex() const
{
    uint32_t value = 0;
    for (uint64_t i = 0; i < _length; ++i) {
        const uint16_t unit = _buffer[i];
        uint32_t digit;
        if (unit >= '0' && unit <= '9')
            digit = unit - '0';
        else if (unit >= 'a' && unit <= 'f')
            digit = unit - 'a' + 10;
        else if (unit >= 'A' && unit <= 'F')
            digit = unit - 'A' + 10;
        else
            return 0xFFFFFFFF;
        value = (value << 4) | digit;
    }
    return value;
}

/* ---- Host text commands ---- */

namespace
{

constexpr uint16_t kCaret = '^';

bool IsOneOf(const FCString* pWord, const char* const* words)
{
    for (const char* const* w = words; *w; ++w)
        if (pWord->IsEqualCString(*w))
            return true;
    return false;
}

/* Starts a new piece at the end of the list and returns it. */
FCString* NewPiece(FCStrings* pList)
{
    auto* pPiece = new FCString();
    pList->Add(pPiece);
    return pPiece;
}

} // namespace

bool FCString::IsEnigmaCommand() const { return GetItemAt(0) == kCaret && GetItemAt(1) != kCaret; }

FCStrings* FCString::CreateEnigmaComponents() const
{
    if (_length < 2 || _buffer[0] != kCaret)
        return nullptr;
    int opening = 0;
    for (uint64_t i = 0; i < _length; ++i)
        if (_buffer[i] == '(')
            ++opening;
    if (opening > 1)
        return nullptr;
    FCString rest;
    MakeSubString(1, _length - 1, &rest);
    return rest.CreateParsedStrings(",()");
}

namespace
{

/* The first component of a single command equals one of words. */
bool FirstComponentIsOneOf(const FCString& command, const char* const* words)
{
    if (!command.IsEnigmaCommand())
        return false;
    FCStrings* pParts = command.CreateEnigmaComponents();
    const bool found = pParts && pParts->GetCount() > 0 && pParts->GetItemAt(0) && IsOneOf(pParts->GetItemAt(0), words);
    delete pParts;
    return found;
}

const char* const kFontCommands[] = {"font", "Font", "fontMus", "fontTxt", "fontNum", nullptr};
const char* const kFileInfoInserts[] = {"title",     "subtitle",    "composer", "arranger", "lyricist",
                                        "copyright", "description", "partname", nullptr};
const char* const kOtherInserts[] = {"date",  "fdate", "time",    "filename", "page",   "totpages", "cprsym",
                                     "sharp", "flat",  "natural", "dbsharp",  "dbflat", nullptr};
const char* const kFontTagPrefixes[] = {"^font", "^Font", "^fontMus", "^fontTxt", "^fontNum", "^nfx", "^size", nullptr};

} // namespace

bool FCString::IsEnigmaFont() const { return FirstComponentIsOneOf(*this, kFontCommands); }

bool FCString::IsEnigmaTextInsert(bool fileInfoOnly) const
{
    return FirstComponentIsOneOf(*this, kFileInfoInserts) ||
           (!fileInfoOnly && FirstComponentIsOneOf(*this, kOtherInserts));
}

bool FCString::ContainsEnigmaTextInsert(bool fileInfoOnly) const
{
    FCStrings* pCommands = CreateEnigmaStrings(false);
    bool found = false;
    for (int i = 0; !found && i < pCommands->GetCount(); ++i)
        found = pCommands->GetItemAt(i) && pCommands->GetItemAt(i)->IsEnigmaTextInsert(fileInfoOnly);
    delete pCommands;
    return found;
}

bool FCString::IsEnigmaFileInfoTitle() const { return StartsWith("^title()"); }
bool FCString::IsEnigmaFileInfoSubtitle() const { return StartsWith("^subtitle()"); }
bool FCString::IsEnigmaFileInfoComposer() const { return StartsWith("^composer()"); }
bool FCString::IsEnigmaFileInfoArranger() const { return StartsWith("^arranger()"); }
bool FCString::IsEnigmaFileInfoLyricist() const { return StartsWith("^lyricist()"); }
bool FCString::IsEnigmaFileInfoCopyright() const { return StartsWith("^copyright()"); }

FCStrings* FCString::CreateEnigmaStrings(bool withText) const
{
    auto* pList = new FCStrings();
    FCString* pText = nullptr; /* the text run being collected */
    uint64_t i = 0;
    while (i < _length) {
        const uint16_t unit = _buffer[i];
        if (unit != kCaret) {
            if (withText) {
                if (!pText)
                    pText = NewPiece(pList);
                pText->AppendCharacter(unit);
            }
            ++i;
            continue;
        }
        pText = nullptr;
        if (i + 1 < _length && _buffer[i + 1] == kCaret) {
            if (withText)
                NewPiece(pList)->SetCString("^^");
            i += 2;
            continue;
        }
        /* A command: '^' up to the ')' that closes its first '('. */
        FCString* pCommand = NewPiece(pList);
        pCommand->AppendCharacter(unit);
        int depth = 0;
        for (++i; i < _length;) {
            const uint16_t c = _buffer[i++];
            pCommand->AppendCharacter(c);
            if (c == '(')
                ++depth;
            else if (c == ')' && depth == 1)
                break;
            else if (c == ')')
                --depth;
        }
    }
    return pList;
}

namespace
{

bool IsFontTag(const FCString& command)
{
    for (const char* const* prefix = kFontTagPrefixes; *prefix; ++prefix)
        if (command.StartsWith(*prefix))
            return true;
    return false;
}

/* Removes caret commands: "^^" becomes '^'; a command runs from its '^' to the
   first ')' after it (or to the end). keep(command) decides for a closed
   command whether it stays; an open command at the end is always dropped.
   Returns whether a command was dropped. */
template <typename KeepFn>
bool TrimCommands(const uint16_t* units, uint64_t length, std::vector<uint16_t>& out, KeepFn keep)
{
    bool dropped = false;
    uint64_t i = 0;
    while (i < length) {
        if (units[i] != kCaret) {
            out.push_back(units[i++]);
            continue;
        }
        if (i + 1 < length && units[i + 1] == kCaret) {
            out.push_back(kCaret);
            i += 2;
            continue;
        }
        uint64_t end = i + 1;
        while (end < length && units[end] != ')')
            ++end;
        const bool closed = end < length;
        if (closed)
            ++end;
        FCString command;
        for (uint64_t k = i; k < end; ++k)
            command.AppendCharacter(units[k]);
        if (closed && keep(command))
            out.insert(out.end(), units + i, units + end);
        else
            dropped = true;
        i = end;
    }
    return dropped;
}

} // namespace

bool FCString::TrimEnigmaTags()
{
    std::vector<uint16_t> kept;
    const bool dropped = TrimCommands(_buffer, _length, kept, [](const FCString&) { return false; });
    _Assign(kept.data(), kept.size());
    return dropped;
}

bool FCString::TrimEnigmaFontTags()
{
    std::vector<uint16_t> kept;
    const bool dropped =
        TrimCommands(_buffer, _length, kept, [](const FCString& command) { return !IsFontTag(command); });
    _Assign(kept.data(), kept.size());
    return dropped;
}

/* ---- Lists split from the text ---- */

FCStrings* FCString::CreateParsedStrings(const char* delimiters) const
{
    auto* pList = new FCStrings();
    FCString* pPiece = nullptr;
    for (uint64_t i = 0; i < _length; ++i) {
        if (IsCharacters(static_cast<int>(i), delimiters)) {
            pPiece = nullptr; /* empty pieces are never created */
            continue;
        }
        if (!pPiece)
            pPiece = NewPiece(pList);
        pPiece->AppendCharacter(_buffer[i]);
    }
    return pList;
}

FCStrings* FCString::CreateRows() const
{
    auto* pList = new FCStrings();
    uint64_t lineStart = 0;
    for (uint64_t i = 0; i < _length; ++i) {
        if (_buffer[i] != 13 && _buffer[i] != 10)
            continue;
        NewPiece(pList)->_Assign(_buffer + lineStart, i - lineStart);
        if (_buffer[i] == 13 && i + 1 < _length && _buffer[i + 1] == 10)
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < _length)
        NewPiece(pList)->_Assign(_buffer + lineStart, _length - lineStart);
    return pList;
}
