#include "hostsim/TagRules.h"

#include <algorithm>
#include <iterator>
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"

namespace hostsim
{

namespace
{

struct ShapeRow
{
    uint32_t tag;
    KeyShape shape;
};

constexpr ShapeRow kShapes[] = {
    {QZ_FOURCC("SOIS"), KeyShape::NoIncident},    {QZ_FOURCC("SOTX"), KeyShape::NoIncident},
    {QZ_FOURCC("SOMC"), KeyShape::NoIncident},    {QZ_FOURCC("SODT"), KeyShape::NoIncident},
    {QZ_FOURCC("otDe"), KeyShape::NoIncident},    {QZ_FOURCC("otpD"), KeyShape::NoIncident},
    {QZ_FOURCC("SOMS"), KeyShape::NoIncident},    {QZ_FOURCC("SOSY"), KeyShape::NoIncident},
    {QZ_FOURCC("otSY"), KeyShape::NoIncident},    {QZ_FOURCC("otNS"), KeyShape::NoIncident},
    {QZ_FOURCC("otDS"), KeyShape::NoIncident},    {QZ_FOURCC("otDC"), KeyShape::NoIncident},
    {QZ_FOURCC("SOES"), KeyShape::NoIncident},    {QZ_FOURCC("SORS"), KeyShape::NoIncident},
    {QZ_FOURCC("SOMN"), KeyShape::NoIncident},    {QZ_FOURCC("O\004IX"), KeyShape::NoIncident},
    {QZ_FOURCC("O\tfI"), KeyShape::NoIncident},   {QZ_FOURCC("otOC"), KeyShape::NoIncident},
    {QZ_FOURCC("O\004PL"), KeyShape::NoIncident}, {QZ_FOURCC("O\003DO"), KeyShape::NoIncident},
    {QZ_FOURCC("SOIu"), KeyShape::Incident},      {QZ_FOURCC("otBC"), KeyShape::Incident},
    {QZ_FOURCC("otCE"), KeyShape::Incident},      {QZ_FOURCC("SOIV"), KeyShape::Incident},
    {QZ_FOURCC("SODY"), KeyShape::Incident},      {QZ_FOURCC("O\002Di"), KeyShape::Incident},
    {QZ_FOURCC("SODi"), KeyShape::Incident},      {QZ_FOURCC("otBI"), KeyShape::Incident},
    {QZ_FOURCC("otAC"), KeyShape::Incident},      {QZ_FOURCC("osET"), KeyShape::RawText},
    {QZ_FOURCC("osRT"), KeyShape::RawText},       {QZ_FOURCC("osDc"), KeyShape::RawText},
    {QZ_FOURCC("otCL"), KeyShape::RawText},       {QZ_FOURCC("otSl"), KeyShape::RawText},
    {QZ_FOURCC("dtLP"), KeyShape::Detail},        {QZ_FOURCC("dtXa"), KeyShape::Detail},
    {QZ_FOURCC("SDNG"), KeyShape::Detail},        {QZ_FOURCC("SDCh"), KeyShape::CellDetail},
    {QZ_FOURCC("dtmt"), KeyShape::CellDetail},    {QZ_FOURCC("dtME"), KeyShape::CellDetail},
    {QZ_FOURCC("SDGF"), KeyShape::CellDetail},    {QZ_FOURCC("D\002FL"), KeyShape::CellDetail},
    {QZ_FOURCC("SDFL"), KeyShape::CellDetail},    {QZ_FOURCC("SOSC"), KeyShape::StaffMeasurePos},
    {QZ_FOURCC("gbcf"), KeyShape::Globals},
};

/* Fixed sizes and layout versions of the records on the panel's paths, per
   profile (A, B, C). A version of 0 means "the running host version". */
struct LayoutRow
{
    uint32_t tag;
    uint32_t size[3];
    uint32_t version[3];
};

constexpr uint32_t V19 = qz::kHostVersion19, V12 = qz::kHostVersion12, V11 = qz::kHostVersionUnicode,
                   V0F = qz::kHostVersion0F, V0D = 0x0D000000u, V09 = 0x09000000u;

constexpr LayoutRow kLayouts[] = {
    {QZ_FOURCC("SOIu"), {24, 24, 24}, {V19, V19, V19}},    {QZ_FOURCC("dtLP"), {10, 10, 10}, {V19, V19, V19}},
    {QZ_FOURCC("SOIS"), {136, 132, 114}, {V12, V11, V0F}}, {QZ_FOURCC("SOTX"), {26, 26, 26}, {V19, V19, V19}},
    {QZ_FOURCC("SOMC"), {296, 296, 104}, {V11, V11, V0F}}, {QZ_FOURCC("otDe"), {12, 12, 12}, {V19, V19, V19}},
    {QZ_FOURCC("otpD"), {12, 12, 12}, {V19, V19, V19}},    {QZ_FOURCC("pfgp"), {66, 66, 66}, {V0D, V0D, V0D}},
    {QZ_FOURCC("SDNG"), {36, 36, 36}, {V19, V19, V09}},
};

constexpr uint32_t kEmulatedPreferences[] = {
    QZ_FOURCC("pf05"), QZ_FOURCC("pfDP"), QZ_FOURCC("pfEX"), QZ_FOURCC("pfMS"), QZ_FOURCC("pfPB"), QZ_FOURCC("pfPF"),
    QZ_FOURCC("pfPL"), QZ_FOURCC("pfRP"), QZ_FOURCC("pfSI"), QZ_FOURCC("pfSS"), QZ_FOURCC("pfGD"), QZ_FOURCC("pfGG"),
    QZ_FOURCC("pfGb"), QZ_FOURCC("pfGd"), QZ_FOURCC("pfGs"), QZ_FOURCC("pfMM"), QZ_FOURCC("pfND"), QZ_FOURCC("pfNd"),
    QZ_FOURCC("pfSC"), QZ_FOURCC("pfSN"), QZ_FOURCC("pfSP"), QZ_FOURCC("pfSl"), QZ_FOURCC("pfTC"), QZ_FOURCC("pfTI"),
    QZ_FOURCC("pfTX"), QZ_FOURCC("pfTp"), QZ_FOURCC("pfTs"),
};

/* What the tables above say of one tag, found by its hash: every record
   call asks for its tag's shape, layout and preference rule. */
struct TagFacts
{
    uint32_t tag = 0;
    const ShapeRow* shape = nullptr; /* the first row of the tag */
    const LayoutRow* layout = nullptr;
    bool emulated = false;
};

class TagIndex
{
public:
    TagIndex()
    {
        for (const ShapeRow& r : kShapes)
            if (!slot(r.tag).shape)
                slot(r.tag).shape = &r;
        for (const LayoutRow& r : kLayouts)
            if (!slot(r.tag).layout)
                slot(r.tag).layout = &r;
        for (uint32_t tag : kEmulatedPreferences)
            slot(tag).emulated = true;
    }

    /* Null for a tag none of the tables names. */
    const TagFacts* find(uint32_t tag) const
    {
        for (size_t i = hash(tag);; i = (i + 1) % kSlots) {
            if (used_[i] && slots_[i].tag == tag)
                return &slots_[i];
            if (!used_[i])
                return nullptr;
        }
    }

private:
    static constexpr size_t kSlots = 256; /* over twice the tags named */
    static size_t hash(uint32_t tag) { return (tag * 2654435761u) >> 24; }

    TagFacts& slot(uint32_t tag)
    {
        size_t i = hash(tag);
        while (used_[i] && slots_[i].tag != tag)
            i = (i + 1) % kSlots;
        used_[i] = true;
        slots_[i].tag = tag;
        return slots_[i];
    }

    TagFacts slots_[kSlots];
    bool used_[kSlots] = {};
};

const TagFacts* factsOf(uint32_t tag)
{
    static const TagIndex index;
    /* A record call asks several facts of one tag in a row. */
    static uint32_t lastTag = 0;
    static const TagFacts* lastFacts = index.find(0);
    if (tag != lastTag) {
        lastTag = tag;
        lastFacts = index.find(tag);
    }
    return lastFacts;
}

const LayoutRow* layoutOf(uint32_t tag)
{
    const TagFacts* facts = factsOf(tag);
    return facts ? facts->layout : nullptr;
}

constexpr uint32_t kSODT = QZ_FOURCC("SODT");
constexpr uint32_t prefix2(uint32_t tag) { return tag & 0xFFFF0000u; }

} // namespace

Profile profileFor(uint32_t hostVersion)
{
    if (hostVersion < qz::kHostVersionUnicode)
        return Profile::C;
    if (hostVersion < qz::kHostVersion12)
        return Profile::B;
    return Profile::A;
}

bool TagRules::isRawText(uint32_t tag) { return prefix2(tag) == 0x74780000u; }

KeyShape TagRules::shape(uint32_t tag)
{
    if (const TagFacts* facts = factsOf(tag); facts && facts->shape)
        return facts->shape->shape;
    if (isRawText(tag))
        return KeyShape::RawText;
    if ((tag & 0xFFFFFF00u) == 0x6F742600u)
        return KeyShape::NoIncident; // metatools 'ot&.'
    if (prefix2(tag) == 0x70660000u)
        return KeyShape::NoIncident; // preferences 'pf..'
    return KeyShape::Incident;
}

bool TagRules::isPartScopedByDefault(uint32_t tag) { return tag == QZ_FOURCC("SOIu") || tag == QZ_FOURCC("dtLP"); }

std::optional<uint32_t> TagRules::expectedVersion(uint32_t tag, uint32_t hostVersion)
{
    size_t p = static_cast<size_t>(profileFor(hostVersion));
    if (const LayoutRow* r = layoutOf(tag))
        return r->version[p];
    if (tag == kSODT)
        return p == 2 ? V0F : V19;
    if (isRawText(tag))
        return hostVersion;
    return std::nullopt;
}

std::optional<uint32_t> TagRules::fixedSize(uint32_t tag, uint32_t hostVersion)
{
    if (const LayoutRow* r = layoutOf(tag))
        return r->size[static_cast<size_t>(profileFor(hostVersion))];
    if (prefix2(tag) == 0x6F740000u && shape(tag) == KeyShape::Incident)
        return 12u;
    return std::nullopt;
}

uint32_t TagRules::minimumSize(uint32_t tag, uint32_t hostVersion)
{
    if (tag == kSODT)
        return profileFor(hostVersion) == Profile::C ? 36u : 38u;
    if (isRawText(tag))
        return 1u;
    return 0u;
}

uint32_t TagRules::defaultSize(uint32_t tag, uint32_t hostVersion)
{
    if (auto s = fixedSize(tag, hostVersion))
        return *s;
    uint32_t m = minimumSize(tag, hostVersion);
    return m ? m : 12u;
}

bool TagRules::isEmulatedPreference(uint32_t tag)
{
    const TagFacts* facts = factsOf(tag);
    return facts && facts->emulated;
}

} // namespace hostsim
