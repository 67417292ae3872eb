#ifndef FRAMEWORK_DOCUMENT___FCSTAFFBASE_H
#define FRAMEWORK_DOCUMENT___FCSTAFFBASE_H

#include <cstdint>

#include "records/__FCNoInciOther.h"
#include "common/qz_host_versions.h"

class FCString;

/* The fields of the staff layout, in the slot order of their address
 * operations. Columns: name, byte offset in a staff record, byte offset in a
 * staff style record, and the first record version whose layout has the
 * field (0 = every layout). */
#define FCSTAFFBASE_FIELDS(X)                      \
    X(InstUUID, 114, 274, qz::kHostVersionUnicode) \
    X(InstFlag, 22, 22, 0)                         \
    X(Flag, 10, 10, 0)                             \
    X(AltFlag, 4, 4, 0)                            \
    X(AltFlag2, 72, 72, 0)                         \
    X(Transposition, 20, 20, 0)                    \
    X(MoreFlags, 44, 44, 0)                        \
    X(MoreFlags2, 132, 292, qz::kHostVersion12)    \
    X(MoreFlags3, 134, 294, qz::kHostVersion12)    \
    X(AbbrvName, 32, 32, 0)                        \
    X(FullName, 30, 30, 0)                         \
    X(Clefs, 12, 12, 0)                            \
    X(VertTabNumOff, 40, 40, 0)                    \
    X(FretInstID, 46, 46, 0)                       \
    X(BottomBarlineOffset, 0, 0, 0)                \
    X(TopBarlineOffset, 18, 18, 0)                 \
    X(CapoLowFret, 2, 2, 0)                        \
    X(BotLines, 16, 16, 0)                         \
    X(TopLines, 14, 14, 0)                         \
    X(LineSpace, 36, 36, 0)                        \
    X(DwWRest, 24, 24, 0)                          \
    X(StemReversal, 28, 28, 0)                     \
    X(RepeatDotsOff, 34, 34, 0)                    \
    X(HOtherRest, 26, 26, 0)

/* The abstract base of every record that carries the host's staff layout
 * (staves and staff styles). The layout depends on the running host version;
 * each field is reached through an address operation that the concrete class
 * answers for the layout in use (null when that layout has no such field), so
 * that the accessors below are written once for all such records.
 *
 * All operations act on the record in memory; saving is the caller's
 * business.
 *
 * Virtual operations after those of __FCNoInciOther, in slot order: one
 * address operation per row of FCSTAFFBASE_FIELDS. */
class __FCStaffBase : public __FCNoInciOther
{
public:
    enum STAFF_HIDEMODES
    {
        STAFFHIDE_NONE = 0,
        STAFFHIDE_CUTAWAY = 1,
        STAFFHIDE_SCORE_ONLY = 2,
        STAFFHIDE_SCORE_AND_PARTS = 3
    };

    const char* ClassName() const override;

#define FCSTAFFBASE_DECLARE_PTR(NAME, STAFFOFFSET, STYLEOFFSET, MINVERSION) virtual void* _Get##NAME##Ptr() const = 0;
    FCSTAFFBASE_FIELDS(FCSTAFFBASE_DECLARE_PTR)
#undef FCSTAFFBASE_DECLARE_PTR

    /* The record version of the staff layout for the running host:
       0x0F000000 below host 0x11000000, 0x11000000 below 0x12000000, else
       0x12000000. */
    static uint32_t _VersionToUse();

    /* Names. The caller owns the strings returned. */
    FCString* CreateFullNameString() const;
    FCString* CreateAbbreviatedNameString() const;
    FCString* CreateTrimmedFullNameString() const;
    FCString* CreateTrimmedAbbreviatedNameString() const;
    /* The full name as the host shows it (auto-numbered when the host can
       tell; else the stored name without font tags, accidentals spelled out
       as "b" and "#"). */
    FCString* CreateDisplayFullNameString() const;
    /* Replace the text of an existing name; false when there is none. */
    bool SaveFullNameString(const FCString* pString);
    bool SaveAbbreviatedNameString(const FCString* pString);
    /* Create a new text for the name and point the record at it (the staff
       record itself is not saved). */
    bool SaveNewFullNameString(const FCString* pString);
    bool SaveNewAbbreviatedNameString(const FCString* pString);

    /* Number of staff lines (plain count or line-position masks). */
    short GetLineCount() const;
    /* 1 to 12 lines; other values change nothing. */
    void SetLineCount(short count);
    bool GetShowStaffLines() const;
    void SetShowStaffLines(bool show);
    bool GetAllowHiding() const;
    void SetAllowHiding(bool allow);
    STAFF_HIDEMODES GetHideMode() const;
    void SetHideMode(STAFF_HIDEMODES mode);
    short GetTransposeInterval() const;
    void SetTransposeInterval(short interval);
    short GetTransposeAlteration() const;
    void SetTransposeAlteration(short alteration);
    /* 1 for the notation style with a percussion staff record, 2 for the
       other alternative style, 0 for standard notation. */
    int GetNotationStyle() const;

protected:
    /* The address of the 16-bit word (or wider field) at offset in the buffer,
       or null when the layout in use starts below minVersion or the buffer
       does not reach it. */
    void* _FieldPtr(uint32_t offset, uint32_t minVersion) const;
    /* Word access through a field address; a null address reads 0 and is
       not written. */
    static uint16_t _ReadWord(const void* pField);
    static void _WriteWord(void* pField, uint16_t value);
    /* Word access at a fixed offset of the staff layout (fields without an
       address operation). */
    uint16_t _GetWordAt(uint32_t offset) const;
    void _SetWordAt(uint32_t offset, uint16_t value);

private:
    FCString* _CreateNameString(const void* pBlockField) const;
    bool _SaveNameString(const void* pBlockField, const FCString* pString);
    bool _SaveNewNameString(void* pBlockField, const FCString* pString);
};

#endif
