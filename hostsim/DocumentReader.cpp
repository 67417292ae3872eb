#include "hostsim/DocumentReader.h"

#include "common/qz_fourcc.h"
#include "hostsim/RecordLayout.h"

namespace hostsim
{

namespace
{
constexpr uint32_t kSOTX = QZ_FOURCC("SOTX"), kSOIS = QZ_FOURCC("SOIS"), kSOIu = QZ_FOURCC("SOIu"),
                   kDtLP = QZ_FOURCC("dtLP"), kSOMC = QZ_FOURCC("SOMC"), kSODT = QZ_FOURCC("SODT"),
                   kSDNG = QZ_FOURCC("SDNG");
} // namespace

std::string DocumentReader::blockText(int16_t textBlock) const
{
    if (textBlock == 0)
        return {};
    const Bytes* block = doc_.store().find(RecordId{-1, kSOTX, RecordKey(textBlock, 0)});
    if (!block)
        return {};
    uint32_t kind = uint32_t(RecordLayout::get(*block, Field::TextBlockKind, version_));
    int16_t rawNo = int16_t(RecordLayout::get(*block, Field::TextBlockRawText, version_));
    const Bytes* raw = doc_.store().find(RecordId{-1, 0x74780000u | kind, RecordKey(rawNo, 0)});
    return raw ? RecordLayout::rawTextString(*raw, version_) : std::string();
}

std::string DocumentReader::staffName(int16_t staff, bool full) const
{
    const Bytes* s = doc_.store().find(RecordId{-1, kSOIS, RecordKey(staff, 0)});
    if (!s)
        return {};
    return blockText(int16_t(RecordLayout::get(*s, full ? Field::StaffFullName : Field::StaffAbbrName, version_)));
}

std::vector<int16_t> DocumentReader::staves() const
{
    std::vector<int16_t> out;
    for (const RecordId& id : doc_.store().list(-1, kSOIS))
        out.push_back(id.key.part(0));
    return out;
}

std::vector<StaffEntry> DocumentReader::staffList(int16_t scope, uint16_t item) const
{
    std::vector<StaffEntry> out;
    int16_t it = int16_t(item);
    for (const Bytes* b : doc_.store().incidentList(scope, kSOIu, it)) {
        StaffEntry e;
        e.staff = int16_t(RecordLayout::get(*b, Field::SystemStaffNumber, version_));
        e.distance = RecordLayout::get(*b, Field::SystemStaffDistance, version_);
        if (item != 0)
            if (const Bytes* r = doc_.store().find(RecordId{scope, kDtLP, RecordKey(it, e.staff, 0)}))
                e.resize = int16_t(RecordLayout::get(*r, Field::ResizePercent, version_));
        out.push_back(e);
    }
    return out;
}

std::vector<CategoryInfo> DocumentReader::categories() const
{
    std::vector<CategoryInfo> out;
    for (const RecordId& id : doc_.store().list(-1, kSOMC)) {
        const Bytes& b = *doc_.store().find(id);
        out.push_back(CategoryInfo{id.key.part(0), int16_t(RecordLayout::get(b, Field::CategoryId, version_)),
                                   RecordLayout::getText(b, TextField::CategoryName, version_)});
    }
    return out;
}

std::vector<ExpressionInfo> DocumentReader::expressions() const
{
    std::vector<ExpressionInfo> out;
    for (const RecordId& id : doc_.store().list(-1, kSODT)) {
        const Bytes& b = *doc_.store().find(id);
        ExpressionInfo e;
        e.item = id.key.part(0);
        e.textBlock = int16_t(RecordLayout::get(b, Field::ExprTextBlock, version_));
        e.categoryWord = uint16_t(RecordLayout::get(b, Field::ExprCategoryWord, version_));
        e.flags = uint16_t(RecordLayout::get(b, Field::ExprFlags, version_));
        e.description = RecordLayout::getText(b, TextField::ExprDescription, version_);
        e.text = blockText(e.textBlock);
        out.push_back(std::move(e));
    }
    return out;
}

std::vector<GroupSpan> DocumentReader::groups() const
{
    std::vector<GroupSpan> out;
    for (const RecordId& id : doc_.store().list(-1, kSDNG)) {
        if (id.key.part(0) != 0)
            continue;
        const Bytes& b = *doc_.store().find(id);
        GroupSpan g;
        g.number = id.key.part(1);
        g.startStaff = int16_t(RecordLayout::get(b, Field::GroupStartStaff, version_));
        g.endStaff = int16_t(RecordLayout::get(b, Field::GroupEndStaff, version_));
        g.fullName = blockText(int16_t(RecordLayout::get(b, Field::GroupFullName, version_)));
        g.abbrName = blockText(int16_t(RecordLayout::get(b, Field::GroupAbbrName, version_)));
        g.bracket = GroupBracket(RecordLayout::get(b, Field::GroupBracket, version_));
        out.push_back(std::move(g));
    }
    return out;
}

std::string DocumentReader::staffSetName(int n) const
{
    int16_t categoryId = -1;
    for (const CategoryInfo& c : categories())
        if (c.name == "QZ Plug-in Data") {
            categoryId = c.id;
            break;
        }
    if (categoryId < 0)
        return {};
    const std::string prefix = "QZ Staff Set Panel " + std::to_string(n) + ":";
    int16_t expected = 1;
    for (const ExpressionInfo& e : expressions()) {
        if (e.item != expected++)
            break; // the panel stops at the first missing item
        if ((e.categoryWord & 0x3FFF) == categoryId && e.description.compare(0, prefix.size(), prefix) == 0)
            return e.description.substr(prefix.size());
    }
    return {};
}

} // namespace hostsim
