#include "hostsim/ContentWriter.h"

#include "common/qz_fourcc.h"
#include "hostsim/RecordLayout.h"
#include "hostsim/TagRules.h"

namespace hostsim
{

namespace
{
constexpr uint32_t kSOTX = QZ_FOURCC("SOTX"), kSOIS = QZ_FOURCC("SOIS"), kSOIu = QZ_FOURCC("SOIu"),
                   kDtLP = QZ_FOURCC("dtLP"), kSOMC = QZ_FOURCC("SOMC"), kSODT = QZ_FOURCC("SODT"),
                   kTxxp = QZ_FOURCC("txxp"), kTxbl = QZ_FOURCC("txbl"), kOtpD = QZ_FOURCC("otpD"),
                   kSDNG = QZ_FOURCC("SDNG");
} // namespace

ContentWriter::ContentWriter(Document& doc, uint32_t hostVersion, PutFn put)
    : doc_(doc), version_(hostVersion), put_(std::move(put))
{
}

int16_t ContentWriter::newNumber(uint32_t tag)
{
    RecordId probe{-1, tag, RecordKey(0, 0)};
    return doc_.store().allocate(probe, 0, 1, AllocationPolicy::Next).value_or(0);
}

int16_t ContentWriter::textBlock(const std::string& text, uint32_t rawTag)
{
    int16_t rawNo = newNumber(rawTag);
    put_(RecordId{-1, rawTag, RecordKey(rawNo, 0)}, RecordLayout::rawText(text, version_));
    int16_t block = newNumber(kSOTX);
    Bytes b = RecordLayout::blank(kSOTX, version_);
    RecordLayout::set(b, Field::TextBlockRawText, rawNo, version_);
    RecordLayout::set(b, Field::TextBlockWord8, 100, version_);
    RecordLayout::set(b, Field::TextBlockWord14, 0x1A08, version_);
    RecordLayout::set(b, Field::TextBlockKind, int32_t(rawTag & 0xFFFFu), version_);
    put_(RecordId{-1, kSOTX, RecordKey(block, 0)}, std::move(b));
    return block;
}

void ContentWriter::staff(int16_t number, const std::string& fullName, const std::string& abbrName)
{
    Bytes s = RecordLayout::blank(kSOIS, version_);
    RecordLayout::set(s, Field::StaffTopLine, 0, version_);
    RecordLayout::set(s, Field::StaffBottomLine, 5, version_);
    if (!fullName.empty())
        RecordLayout::set(s, Field::StaffFullName, textBlock(fullName, kTxbl), version_);
    if (!abbrName.empty())
        RecordLayout::set(s, Field::StaffAbbrName, textBlock(abbrName, kTxbl), version_);
    put_(RecordId{-1, kSOIS, RecordKey(number, 0)}, std::move(s));
}

void ContentWriter::staffList(int16_t scope, uint16_t item, const std::vector<StaffEntry>& entries)
{
    int16_t it = static_cast<int16_t>(item);
    std::vector<int16_t> oldStaves; // read whole first: a write moves the store's images
    for (const Bytes* old : doc_.store().incidentList(scope, kSOIu, it))
        oldStaves.push_back(static_cast<int16_t>(RecordLayout::get(*old, Field::SystemStaffNumber, version_)));
    for (int16_t staffNo : oldStaves)
        put_(RecordId{scope, kDtLP, RecordKey(it, staffNo, 0)}, std::nullopt);
    size_t oldCount = oldStaves.size();
    for (size_t i = oldCount; i-- > entries.size();) // last first: deletes may compact
        put_(RecordId{scope, kSOIu, RecordKey(it, int16_t(i))}, std::nullopt);
    for (size_t i = 0; i < entries.size(); ++i) {
        Bytes b = RecordLayout::blank(kSOIu, version_);
        RecordLayout::set(b, Field::SystemStaffNumber, entries[i].staff, version_);
        RecordLayout::set(b, Field::SystemStaffDistance, entries[i].distance, version_);
        put_(RecordId{scope, kSOIu, RecordKey(it, int16_t(i))}, std::move(b));
        if (entries[i].resize != 100 && item != 0) {
            Bytes r = RecordLayout::blank(kDtLP, version_);
            RecordLayout::set(r, Field::ResizePercent, entries[i].resize, version_);
            put_(RecordId{scope, kDtLP, RecordKey(it, entries[i].staff, 0)}, std::move(r));
        }
    }
}

void ContentWriter::category(int16_t item, int16_t categoryId, const std::string& name)
{
    Bytes c = RecordLayout::blank(kSOMC, version_);
    RecordLayout::set(c, Field::CategoryId, categoryId, version_);
    RecordLayout::setText(c, TextField::CategoryName, name, version_);
    RecordLayout::set(c, Field::CategoryTextFontId, 0, version_);
    RecordLayout::set(c, Field::CategoryTextFontSize, 12, version_);
    RecordLayout::set(c, Field::CategoryFlags, 1, version_);
    put_(RecordId{-1, kSOMC, RecordKey(item, 0)}, std::move(c));
}

int16_t ContentWriter::textExpression(int16_t item, int16_t categoryId, const std::string& description,
                                      const std::string& text, uint16_t flags)
{
    if (item <= 0)
        item = newNumber(kSODT);
    if (item <= 0)
        return 0;
    Bytes e(TagRules::minimumSize(kSODT, version_), 0);
    RecordLayout::set(e, Field::ExprTextBlock, textBlock(text, kTxxp), version_);
    RecordLayout::set(e, Field::ExprFlags, flags, version_);
    RecordLayout::set(e, Field::ExprCategoryWord, categoryId & 0x3FFF, version_);
    RecordLayout::setText(e, TextField::ExprDescription, description, version_);
    put_(RecordId{-1, kSODT, RecordKey(item, 0)}, std::move(e));
    return item;
}

void ContentWriter::partRecord(int16_t partId, uint16_t order, const std::string& name)
{
    Bytes p = RecordLayout::blank(kOtpD, version_);
    RecordLayout::set(p, Field::PartNameBlock, partId == 0 ? 0 : textBlock(name, kTxbl), version_);
    RecordLayout::set(p, Field::PartOrder, order, version_);
    put_(RecordId{-1, kOtpD, RecordKey(partId, 0)}, std::move(p));
}

void ContentWriter::group(const GroupSpan& g)
{
    Bytes b = RecordLayout::blank(kSDNG, version_);
    RecordLayout::set(b, Field::GroupStartStaff, g.startStaff, version_);
    RecordLayout::set(b, Field::GroupEndStaff, g.endStaff, version_);
    if (!g.fullName.empty())
        RecordLayout::set(b, Field::GroupFullName, textBlock(g.fullName, kTxbl), version_);
    if (!g.abbrName.empty())
        RecordLayout::set(b, Field::GroupAbbrName, textBlock(g.abbrName, kTxbl), version_);
    RecordLayout::set(b, Field::GroupBracket, int32_t(g.bracket), version_);
    put_(RecordId{-1, kSDNG, RecordKey(0, g.number, 0)}, std::move(b));
}

} // namespace hostsim
