#ifndef FRAMEWORK_STRINGS_FCSTRING_H
#define FRAMEWORK_STRINGS_FCSTRING_H

#include <cstdint>

#include "core/__FCBase.h"

#ifdef __OBJC__
@class NSString;
#endif

class FCCategoryDef;
class FCFontInfo;
class FCStrings;
struct FinPathSpec25;

/* The framework's text type.
 *
 * The text is kept as UTF-16 code units, stored as given (no normalisation, no
 * surrogate handling); every index and length counts code units. The buffer is
 * always zero-terminated, except after SetCString(nullptr), which frees it.
 *
 * Outside forms are built on demand into caches that the string owns:
 * GetCString (8-bit, low byte of every unit), GetUTF8String and, with the Cocoa
 * layer, GetNSString. A returned pointer stays valid until the next call of the
 * same operation on the same string, or its destruction; it is never freed by
 * the caller and is not updated by later edits.
 *
 * Bytes are widened as signed values by SetCString (0x80..0xFF become
 * 0xFF80..0xFFFF) and as unsigned values by AppendCString; narrowing keeps the
 * low 8 bits, so both round-trip through GetCString.
 *
 * Where an operation below says "index -1 means the last", -1 is replaced by
 * length - 1 before the range check.
 *
 * Whether the running host is an 8-bit host (version below 0x11000000) is read
 * through GetFinaleFrameworkVersion(). */
class FCString : public __FCBase
{
    uint64_t _length;      /* code units held, terminator not counted */
    uint64_t _capacity;    /* code units the buffer holds, terminator included */
    uint16_t* _buffer;     /* owned text */
    char* _cstring;        /* owned: last result of GetCString */
    char* _utf8string;     /* owned: last result of GetUTF8String */
    void* _platformstring; /* retained: last result of GetNSString */

public:
    FCString();
    /* Starts with the bytes of text (as SetCString(text)). */
    explicit FCString(const char* text);
    /* Copies hold the text only; the caches are rebuilt on demand. */
    FCString(const FCString& other);
    FCString& operator=(const FCString& other);

    const char* ClassName() const override;
    ~FCString() override;

    /* ---- Setting and converting ---- */

    /* Null text: frees the buffer (length 0, no buffer). count 0: empty.
       count < 0: all bytes up to the terminating zero. count > 0: at most
       count bytes, stopping early at a zero byte. Bytes widen as signed. */
    void SetCString(const char* text, int count = -1);
    /* Copy of other's code units; null gives the empty string. */
    void SetString(const FCString* pOther);
    /* count 0: empty. Otherwise the units up to the first zero unit, and at
       most count units when count >= 0. */
    void SetUnicodeString(const uint16_t* units, int count = -1);
    /* Writes at most size - 1 units and a zero unit; nothing for a null
       buffer or a size of 0 or less. */
    void CopyToUnicodeBuffer(uint16_t* buffer, int size) const;
    /* Null: no change. Converts UTF-8 to UTF-16 (on an 8-bit host the bytes
       are taken through SetCString); U+2028 becomes a carriage return. */
    void SetUTF8String(const char* text);
    /* The 8-bit form: low 8 bits of every unit, zero-terminated. */
    const char* GetCString();
    /* The text as UTF-8 (on an 8-bit host the 8-bit form), zero-terminated. */
    const char* GetUTF8String();
#ifdef __OBJC__
    /* Defined by the Cocoa layer. */
    NSString* GetNSString();
    void SetNSString(NSString* pObject);
#endif
    /* Length byte (at most 255) followed by that many low bytes; the buffer
       holds 256 bytes. */
    void ConvertToPascal(unsigned char* buffer) const;
    /* A new string with the same text; the caller owns it. */
    FCString* CreateCopy() const;
    /* Replaces one existing unit (a unit above 0xFEB0 is stored as its low
       8 bits); out-of-range index: no change. */
    void SetItemAt(int index, uint16_t unit);
    /* The unit at index (-1 means the last); 0 when out of range. */
    uint16_t GetItemAt(int index) const;
    /* The line-end text. */
    const char* GetEOL() const;

    uint64_t GetLength() const { return _length; }
    bool IsEmpty() const { return _length == 0; }
    /* Empties the text (keeps a terminated buffer). */
    void Clear();

    /* ---- Building and editing ---- */

    void AppendCharacter(uint16_t unit);
    void AppendString(const FCString* pOther);
    /* Bytes widen unsigned. */
    void AppendCString(const char* text);
    void AppendInteger(int value);
    void SetInteger(int value);
    /* Six decimals ("%f"). */
    void AppendFloat(double value);
    void SetFloat(double value);
    /* Inserts at position; a position beyond the length pads with zero units. */
    void Insert(const char* text, uint64_t position);
    void InsertString(const FCString* pOther, uint64_t position);
    /* Replaces every occurrence of search (left to right, resuming after each
       replacement). True when at least one was replaced. */
    bool Replace(const char* search, const char* replacement);
    /* Index -1 means the last; false when out of range. */
    bool DeleteCharacterAt(int index);
    /* Removes count units at start (fewer at the end of the text); false when
       start >= length, count is 0 or count > length. */
    bool DeleteCharactersAt(uint64_t start, uint64_t count);
    /* pOut receives up to count units from start; false when start >= length. */
    bool MakeSubString(uint64_t start, uint64_t count, FCString* pOut) const;
    /* Splits at the last "/" (kept with the path); false without a "/". */
    bool SplitToPathAndFile(FCString* pPathOut, FCString* pFileOut) const;
    void AssureEndingPathDelimiter();
    /* Removes trailing, then leading space, CR, LF and TAB. */
    void TrimWhitespace();
    /* Removes trailing, then leading CR and LF. */
    void TrimLinefeed();
    /* Lower-cases every unit (locale-independent; Latin-1, Latin Extended-A,
       Greek and Cyrillic capitals included). */
    void ToLowerCase();

    /* ---- Comparing and searching ---- */

    bool IsEqualString(const FCString* pOther) const;
    bool IsEqualCString(const char* text) const;
    /* Negative, 0 or positive comparing lower-cased 8-bit forms; null other
       gives 1. */
    int CompareNoCase(const FCString* pOther) const;
    bool StartsWith(const char* text) const;
    bool EndsWith(const char* text) const;
    bool StartsWithString(const FCString* pOther) const;
    /* Index of the first/last occurrence of the (widened) text; -1 if none
       or if text is empty. */
    int FindFirst(const char* text) const;
    int FindLast(const char* text) const;
    /* Index of the first occurrence at or after start, -1 if none; an empty
       needle gives start when start <= length. */
    int CalcStringPosFrom(const FCString* pOther, int start) const;
    int CalcCStringPosFrom(const char* text, int start) const;
    bool ContainsString(const FCString* pOther) const;
    bool ContainsStringFrom(const FCString* pOther, int start) const;
    bool ContainsCString(const char* text) const;
    bool IsCharacter(int index, uint16_t unit) const;
    /* The unit at index equals one of the bytes of set. */
    bool IsCharacters(int index, const char* set) const;
    /* Index -1 means the last. Locale-independent white-space class. */
    bool IsWhitespace(int index) const;
    /* Index -1 means the last; '0' to '9'. */
    bool IsDigit(int index) const;
    bool IsAllDigits() const;
    /* Not empty; digits, at most one '.', and '-' only at index 0. */
    bool IsNumber() const;

    /* ---- Numbers ---- */

    /* Decimal parse of the 8-bit form from start; 0 when length < start. */
    int GetInteger(int start = 0) const;
    /* "," read as "."; parse from start; 0 when length < start. */
    float GetFloat(int start = 0) const;
    /* Lower-case hex of value as unsigned 32-bit, padded to bits / 4 digits
       for bits 8, 16, 32 and 64, unpadded otherwise. */
    void SetHex(int value, int bits);
    /* The whole text as hex (no prefix); 0xFFFFFFFF for any other unit, 0 for
       the empty string. */
    uint32_t GetHex() const;

    /* ---- Host text commands (caret commands) ---- */

    bool IsEnigmaCommand() const;
    /* For a single command: the pieces between ',', '(' and ')' after the
       caret, empty ones dropped; null for no command or more than one '('.
       The caller owns the result. */
    FCStrings* CreateEnigmaComponents() const;
    bool IsEnigmaFont() const;
    bool IsEnigmaTextInsert(bool fileInfoOnly) const;
    bool ContainsEnigmaTextInsert(bool fileInfoOnly) const;
    bool IsEnigmaFileInfoTitle() const;
    bool IsEnigmaFileInfoSubtitle() const;
    bool IsEnigmaFileInfoComposer() const;
    bool IsEnigmaFileInfoArranger() const;
    bool IsEnigmaFileInfoLyricist() const;
    bool IsEnigmaFileInfoCopyright() const;
    /* Commands and (withText) the text runs between them, in order; the
       caller owns the result. */
    FCStrings* CreateEnigmaStrings(bool withText) const;
    /* Removes every command ("^^" becomes "^"); true if one was removed. */
    bool TrimEnigmaTags();
    /* Removes the font, size and style commands only. */
    bool TrimEnigmaFontTags();

    /* ---- Lists split from the text (the caller owns the result) ---- */

    /* Pieces between delimiter bytes, empty ones dropped. */
    FCStrings* CreateParsedStrings(const char* delimiters) const;
    /* Lines ended by CR LF, CR or LF. */
    FCStrings* CreateRows() const;

    /* ---- Measurements (defined with the user-interface services) ----

       Units are __FCBase::MEASUREMENTUNITS codes; MEASUREMENTUNIT_DEFAULT
       takes the unit of the document's general preferences. */

    /* Writes the EVPU value in the unit: at most 2 decimals (5 for inches,
       centimetres and spaces), trailing zeros dropped, picas as "NpM", and
       the user's decimal separator. Millimetres and unknown units give the
       empty string. */
    void SetMeasurement(double evpus, int unit);
    /* Reads the text as a measurement in EVPUs: "," counts as ".", a unit
       suffix ("in", "cm", "pt", "p", ...) overrides the unit; text with no
       number gives 0, an unknown unit 0. */
    double GetMeasurement(int unit) const;

    /* ---- Host text commands on document data (defined with the document
       classes) ---- */

    /* A new font description with every font, size and style command of the
       text applied in order; the caller owns it. */
    FCFontInfo* CreateLastFontInfo() const;
    /* Re-bases the font commands of the text on the category's fonts (mode:
       1 text, 2 music, 3 number, 0 leave plain font commands alone; retag:
       plain font commands take the kind's command name). True when at least
       one font command was rewritten. */
    bool ReplaceCategoryFonts(FCCategoryDef* pCategory, int mode, bool retag);
    /* Ends a pending font command: rewrites the command piece (with its size
       and style pieces emptied) from the category's font of the kind. */
    static bool _SetToCategoryFont_Flush(FCCategoryDef* pCategory, int kind, const char* commandName,
                                         FCString* pCommand, FCString* pSize, FCString* pStyle);

    /* ---- Paths and resources (defined with the host bridge's users) ---- */

    /* "~/Library/Preferences" (not expanded). */
    void SetUserOptionsPath();
    /* The host folder of a kind; false when the host does not give it. */
    bool _SetFinalePath(int kind);
    /* The path record version for the running host. */
    static uint32_t _GetFinPathVersion();
    /* The file-system path of a host path record of version 0x19000000. */
    bool MakeFullFilePath(const FinPathSpec25* pSpec, uint32_t version);
    /* The file-system path of a platform URL; false for none. */
    bool _SetCFURLRefPath(const void* pURL);
    void SetRunningScriptFolderPath();
    void SetRunningScriptFilePath();
    /* The localised text of key from a bundle's string table; the bundle
       and the table are remembered for later calls without them. False (and
       "Resource String Error") without a bundle or a text. */
    bool LoadResource(const char* key, const char* bundleIdentifier, const char* tableName);
    /* Fills no path record: false. */
    bool MakeSpecFromFilePath(FinPathSpec25* pSpec, uint32_t version) const;

    /* ---- Host edits (defined with the undo blocks) ---- */

    /* Opens a host edit named by this text; returns the host's result. */
    int _StartFinaleEdit();

    /* ---- Internal ---- */

    /* Releases a retained platform string; installed by the Cocoa layer
       (which alone makes platform strings) and called by the destructor. */
    static void (*_pReleasePlatformString)(void* pObject);
    void* _GetPlatformString() const { return _platformstring; }
    /* Replaces the platform string, releasing the previous one. */
    void _SetPlatformString(void* pRetainedObject);

    /* Read access to the code units (null only after SetCString(nullptr)). */
    const uint16_t* _GetBuffer() const { return _buffer; }
    /* Makes room for a text of newLength units plus the terminator. */
    void _RequireLength(uint64_t newLength);
    uint64_t _GetCapacity() const { return _capacity; }

private:
    /* Whether `units` points into this string's buffer. */
    bool _Owns(const uint16_t* units) const;
    void _Assign(const uint16_t* units, uint64_t count);
    void _AppendUnits(const uint16_t* units, uint64_t count);
    void _SetLength(uint64_t length);
    void _FreeCaches();
    /* Removes CR and LF (and, with spaceAndTab, space and TAB) at both ends. */
    void _Trim(bool spaceAndTab);
};

#endif
