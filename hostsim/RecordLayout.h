#ifndef HOSTSIM_RECORDLAYOUT_H
#define HOSTSIM_RECORDLAYOUT_H

#include <cstdint>
#include <string>

#include "hostsim/RecordStore.h"
#include "common/qz_host_versions.h"

namespace hostsim
{

/* The record fields hostsim reads or seeds, by name. Their offsets live in one
   table (RecordLayout.cpp); nothing else in hostsim reads bytes at offsets. */
enum class Field : uint8_t
{
    SystemStaffNumber, // 'SOIu'
    SystemStaffDistance,
    ResizePercent, // 'dtLP'
    StaffTopLine,  // 'SOIS'
    StaffBottomLine,
    StaffFullName,
    StaffAbbrName,
    TextBlockRawText, // 'SOTX'
    TextBlockWord8,
    TextBlockWord14,
    TextBlockKind,
    CategoryId, // 'SOMC'
    CategoryTextFontId,
    CategoryTextFontSize,
    CategoryTextFontEfx,
    CategoryFlags,
    ExprTextBlock, // 'SODT'
    ExprLink,
    ExprFlags,
    ExprCategoryWord,
    PartNameBlock, // 'otpD'
    PartOrder,
    PartFlags,
    GroupStartStaff, // 'SDNG'
    GroupEndStaff,
    GroupFullName,
    GroupAbbrName,
    GroupBracket,
};

/* Zero-terminated text fields. */
enum class TextField : uint8_t
{
    CategoryName,
    ExprDescription
};

class RecordLayout
{
public:
    /* A zeroed record of the tag's size under the host version. */
    static Bytes blank(uint32_t tag, uint32_t hostVersion);

    static void set(Bytes& rec, Field f, int32_t value, uint32_t hostVersion);
    /* 0 when the record is too short for the field. */
    static int32_t get(const Bytes& rec, Field f, uint32_t hostVersion);

    /* Text fields: UTF-16 from host 0x11000000 on, 8-bit below. Setting the
       description resizes the expression record as the framework does. */
    static void setText(Bytes& rec, TextField f, const std::string& utf8, uint32_t hostVersion);
    static std::string getText(const Bytes& rec, TextField f, uint32_t hostVersion);

    /* Raw text record contents (zero-terminated). */
    static Bytes rawText(const std::string& utf8, uint32_t hostVersion);
    static std::u16string rawTextUnits(const Bytes& rec, uint32_t hostVersion);
    static std::string rawTextString(const Bytes& rec, uint32_t hostVersion);

    static bool unicodeTexts(uint32_t hostVersion) { return qz::IsUnicodeHost(hostVersion); }
};

} // namespace hostsim

#endif
