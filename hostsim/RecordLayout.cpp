#include "hostsim/RecordLayout.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "hostsim/TagRules.h"
#include "hostsim/TextCodec.h"

namespace hostsim
{

namespace
{

struct FieldRow
{
    Field field;
    uint16_t offset;    // 2012 layout (hosts from 0x11000000)
    uint16_t oldOffset; // older layout
    uint8_t width;      // 2 or 4 bytes
    bool isSigned;
};

constexpr FieldRow kFields[] = {
    {Field::SystemStaffNumber, 0, 0, 2, true},
    {Field::SystemStaffDistance, 8, 8, 4, true},
    {Field::ResizePercent, 0, 0, 2, true},
    {Field::StaffTopLine, 14, 14, 2, true},
    {Field::StaffBottomLine, 16, 16, 2, true},
    {Field::StaffFullName, 30, 30, 2, true},
    {Field::StaffAbbrName, 32, 32, 2, true},
    {Field::TextBlockRawText, 0, 0, 2, true},
    {Field::TextBlockWord8, 8, 8, 2, true},
    {Field::TextBlockWord14, 14, 14, 2, false},
    {Field::TextBlockKind, 24, 24, 2, false},
    {Field::CategoryId, 0, 0, 2, true},
    {Field::CategoryTextFontId, 260, 68, 2, true},
    {Field::CategoryTextFontSize, 262, 70, 2, true},
    {Field::CategoryTextFontEfx, 264, 72, 2, true},
    {Field::CategoryFlags, 294, 102, 2, false},
    {Field::ExprTextBlock, 0, 0, 2, true},
    {Field::ExprLink, 4, 4, 2, true},
    {Field::ExprFlags, 10, 10, 2, false},
    {Field::ExprCategoryWord, 26, 26, 2, false},
    {Field::PartNameBlock, 0, 0, 2, true},
    {Field::PartOrder, 2, 2, 2, false},
    {Field::PartFlags, 6, 6, 2, false},
    {Field::GroupStartStaff, 0, 0, 2, true},
    {Field::GroupEndStaff, 2, 2, 2, true},
    {Field::GroupFullName, 4, 4, 2, true},
    {Field::GroupAbbrName, 6, 6, 2, true},
    {Field::GroupBracket, 8, 8, 2, true},
};

struct TextRow
{
    TextField field;
    uint16_t offset, oldOffset;
    uint16_t capacity, oldCapacity; // bytes, terminator included; 0 = to the end
};

constexpr TextRow kTexts[] = {
    {TextField::CategoryName, 2, 2, 258, 66},
    {TextField::ExprDescription, 34, 34, 0, 0},
};

template <class Row, size_t N, class Key>
const Row& findRow(const Row (&rows)[N], Key k)
{
    for (const Row& r : rows)
        if (r.field == k)
            return r;
    return rows[0]; // unreachable: every field has a row (checked below)
}
static_assert(std::size(kFields) == size_t(Field::GroupBracket) + 1, "one row per field");
static_assert(std::size(kTexts) == size_t(TextField::ExprDescription) + 1, "one row per text");

const FieldRow& rowOf(Field f) { return findRow(kFields, f); }
const TextRow& rowOf(TextField f) { return findRow(kTexts, f); }

bool newLayout(uint32_t hostVersion) { return qz::IsUnicodeHost(hostVersion); }

constexpr uint32_t kSODT = QZ_FOURCC("SODT");

} // namespace

Bytes RecordLayout::blank(uint32_t tag, uint32_t hostVersion)
{
    return Bytes(TagRules::defaultSize(tag, hostVersion), 0);
}

void RecordLayout::set(Bytes& rec, Field f, int32_t value, uint32_t hostVersion)
{
    const FieldRow& r = rowOf(f);
    size_t off = newLayout(hostVersion) ? r.offset : r.oldOffset;
    if (off + r.width > rec.size())
        rec.resize(off + r.width, 0);
    if (r.width == 2) {
        uint16_t v = static_cast<uint16_t>(value);
        std::memcpy(rec.data() + off, &v, 2);
    }
    else {
        std::memcpy(rec.data() + off, &value, 4);
    }
}

int32_t RecordLayout::get(const Bytes& rec, Field f, uint32_t hostVersion)
{
    const FieldRow& r = rowOf(f);
    size_t off = newLayout(hostVersion) ? r.offset : r.oldOffset;
    if (off + r.width > rec.size())
        return 0;
    if (r.width == 4) {
        int32_t v;
        std::memcpy(&v, rec.data() + off, 4);
        return v;
    }
    uint16_t v;
    std::memcpy(&v, rec.data() + off, 2);
    return r.isSigned ? int32_t(int16_t(v)) : int32_t(v);
}

void RecordLayout::setText(Bytes& rec, TextField f, const std::string& utf8, uint32_t hostVersion)
{
    const TextRow& r = rowOf(f);
    bool wide = unicodeTexts(hostVersion);
    size_t off = newLayout(hostVersion) ? r.offset : r.oldOffset;
    size_t cap = newLayout(hostVersion) ? r.capacity : r.oldCapacity;
    Bytes text;
    if (wide) {
        std::u16string u = TextCodec::toUtf16(utf8);
        if (cap)
            u.resize(std::min(u.size(), cap / 2 - 1));
        text.resize((u.size() + 1) * 2, 0);
        std::memcpy(text.data(), u.data(), u.size() * 2);
    }
    else {
        std::string s = TextCodec::toLatin1(utf8);
        if (cap)
            s.resize(std::min(s.size(), cap - 1));
        text.assign(s.begin(), s.end());
        text.push_back(0);
    }
    if (cap == 0) { // text runs to the end of the record
        size_t size = off + text.size();
        if (f == TextField::ExprDescription) // sizes the framework writes
            size = std::max<size_t>(wide ? 36 + (text.size() - 2) : 36 + (text.size() - 1),
                                    TagRules::minimumSize(kSODT, hostVersion));
        rec.resize(std::max(size, off + text.size()), 0);
        std::fill(rec.begin() + long(off), rec.end(), 0);
    }
    else if (rec.size() < off + cap) {
        rec.resize(off + cap, 0);
    }
    std::copy(text.begin(), text.end(), rec.begin() + long(off));
}

std::string RecordLayout::getText(const Bytes& rec, TextField f, uint32_t hostVersion)
{
    const TextRow& r = rowOf(f);
    size_t off = newLayout(hostVersion) ? r.offset : r.oldOffset;
    if (off >= rec.size())
        return {};
    size_t cap = newLayout(hostVersion) ? r.capacity : r.oldCapacity;
    size_t avail = rec.size() - off;
    if (cap)
        avail = std::min(avail, size_t(cap));
    if (unicodeTexts(hostVersion)) {
        std::u16string u;
        for (size_t i = 0; i + 1 < avail; i += 2) {
            uint16_t c;
            std::memcpy(&c, rec.data() + off + i, 2);
            if (!c)
                break;
            u += static_cast<char16_t>(c);
        }
        return TextCodec::fromUtf16(u);
    }
    std::string s;
    for (size_t i = 0; i < avail && rec[off + i]; ++i)
        s += static_cast<char>(rec[off + i]);
    return TextCodec::fromLatin1(s);
}

Bytes RecordLayout::rawText(const std::string& utf8, uint32_t hostVersion)
{
    Bytes out;
    if (unicodeTexts(hostVersion)) {
        std::u16string u = TextCodec::toUtf16(utf8);
        out.resize((u.size() + 1) * 2, 0);
        std::memcpy(out.data(), u.data(), u.size() * 2);
    }
    else {
        std::string s = TextCodec::toLatin1(utf8);
        out.assign(s.begin(), s.end());
        out.push_back(0);
    }
    return out;
}

std::u16string RecordLayout::rawTextUnits(const Bytes& rec, uint32_t hostVersion)
{
    std::u16string u;
    if (unicodeTexts(hostVersion)) {
        for (size_t i = 0; i + 1 < rec.size(); i += 2) {
            uint16_t c;
            std::memcpy(&c, rec.data() + i, 2);
            if (!c)
                break;
            u += static_cast<char16_t>(c);
        }
    }
    else {
        for (size_t i = 0; i < rec.size() && rec[i]; ++i)
            u += static_cast<char16_t>(rec[i]);
    }
    return u;
}

std::string RecordLayout::rawTextString(const Bytes& rec, uint32_t hostVersion)
{
    return TextCodec::fromUtf16(rawTextUnits(rec, hostVersion));
}

} // namespace hostsim
