#include "hostsim/TagRules.h"

#include <algorithm>
#include <iterator>

namespace hostsim {

namespace {

struct ShapeRow {
    uint32_t tag;
    KeyShape shape;
};

constexpr ShapeRow kShapes[] = {
    {fourcc("SOIS"), KeyShape::NoIncident}, {fourcc("SOTX"), KeyShape::NoIncident},
    {fourcc("SOMC"), KeyShape::NoIncident}, {fourcc("SODT"), KeyShape::NoIncident},
    {fourcc("otDe"), KeyShape::NoIncident}, {fourcc("otpD"), KeyShape::NoIncident},
    {fourcc("SOMS"), KeyShape::NoIncident}, {fourcc("SOSY"), KeyShape::NoIncident},
    {fourcc("otSY"), KeyShape::NoIncident}, {fourcc("otNS"), KeyShape::NoIncident},
    {fourcc("otDS"), KeyShape::NoIncident}, {fourcc("otDC"), KeyShape::NoIncident},
    {fourcc("SOES"), KeyShape::NoIncident}, {fourcc("SORS"), KeyShape::NoIncident},
    {fourcc("SOMN"), KeyShape::NoIncident}, {0x4F044958u, KeyShape::NoIncident},
    {0x4F096649u, KeyShape::NoIncident},    {fourcc("otOC"), KeyShape::NoIncident},
    {0x4F04504Cu, KeyShape::NoIncident},    {0x4F03444Fu, KeyShape::NoIncident},
    {fourcc("SOIu"), KeyShape::Incident},   {fourcc("otBC"), KeyShape::Incident},
    {fourcc("otCE"), KeyShape::Incident},   {fourcc("SOIV"), KeyShape::Incident},
    {fourcc("SODY"), KeyShape::Incident},   {0x4F024469u, KeyShape::Incident},
    {fourcc("SODi"), KeyShape::Incident},   {fourcc("otBI"), KeyShape::Incident},
    {fourcc("otAC"), KeyShape::Incident},   {fourcc("osET"), KeyShape::RawText},
    {fourcc("osRT"), KeyShape::RawText},    {fourcc("osDc"), KeyShape::RawText},
    {fourcc("otCL"), KeyShape::RawText},    {fourcc("otSl"), KeyShape::RawText},
    {fourcc("dtLP"), KeyShape::Detail},     {fourcc("dtXa"), KeyShape::Detail},
    {fourcc("SDNG"), KeyShape::Detail},     {fourcc("SDCh"), KeyShape::CellDetail},
    {fourcc("dtmt"), KeyShape::CellDetail}, {fourcc("dtME"), KeyShape::CellDetail},
    {fourcc("SDGF"), KeyShape::CellDetail}, {0x4402464Cu, KeyShape::CellDetail},
    {fourcc("SDFL"), KeyShape::CellDetail}, {fourcc("SOSC"), KeyShape::StaffMeasurePos},
    {fourcc("gbcf"), KeyShape::Globals},
};

/* Fixed sizes and layout versions of the records on the panel's paths, per
   profile (A, B, C). A version of 0 means "the running host version". */
struct LayoutRow {
    uint32_t tag;
    uint32_t size[3];
    uint32_t version[3];
};

constexpr uint32_t V19 = 0x19000000u, V12 = 0x12000000u, V11 = 0x11000000u,
                   V0F = 0x0F000000u, V0D = 0x0D000000u;

constexpr LayoutRow kLayouts[] = {
    {fourcc("SOIu"), {24, 24, 24}, {V19, V19, V19}},
    {fourcc("dtLP"), {10, 10, 10}, {V19, V19, V19}},
    {fourcc("SOIS"), {136, 132, 114}, {V12, V11, V0F}},
    {fourcc("SOTX"), {26, 26, 26}, {V19, V19, V19}},
    {fourcc("SOMC"), {296, 296, 104}, {V11, V11, V0F}},
    {fourcc("otDe"), {12, 12, 12}, {V19, V19, V19}},
    {fourcc("otpD"), {12, 12, 12}, {V19, V19, V19}},
    {fourcc("pfgp"), {66, 66, 66}, {V0D, V0D, V0D}},
};

constexpr uint32_t kEmulatedPreferences[] = {
    fourcc("pf05"), fourcc("pfDP"), fourcc("pfEX"), fourcc("pfMS"), fourcc("pfPB"),
    fourcc("pfPF"), fourcc("pfPL"), fourcc("pfRP"), fourcc("pfSI"), fourcc("pfSS"),
    fourcc("pfGD"), fourcc("pfGG"), fourcc("pfGb"), fourcc("pfGd"), fourcc("pfGs"),
    fourcc("pfMM"), fourcc("pfND"), fourcc("pfNd"), fourcc("pfSC"), fourcc("pfSN"),
    fourcc("pfSP"), fourcc("pfSl"), fourcc("pfTC"), fourcc("pfTI"), fourcc("pfTX"),
    fourcc("pfTp"), fourcc("pfTs"),
};

const LayoutRow* layoutOf(uint32_t tag) {
    for (const LayoutRow& r : kLayouts)
        if (r.tag == tag) return &r;
    return nullptr;
}

constexpr uint32_t kSODT = fourcc("SODT");
constexpr uint32_t prefix2(uint32_t tag) { return tag & 0xFFFF0000u; }

}  // namespace

Profile profileFor(uint32_t hostVersion) {
    if (hostVersion < 0x11000000u) return Profile::C;
    if (hostVersion < 0x12000000u) return Profile::B;
    return Profile::A;
}

bool TagRules::isRawText(uint32_t tag) { return prefix2(tag) == 0x74780000u; }

KeyShape TagRules::shape(uint32_t tag) {
    for (const ShapeRow& r : kShapes)
        if (r.tag == tag) return r.shape;
    if (isRawText(tag)) return KeyShape::RawText;
    if ((tag & 0xFFFFFF00u) == 0x6F742600u) return KeyShape::NoIncident;  // metatools 'ot&.'
    if (prefix2(tag) == 0x70660000u) return KeyShape::NoIncident;         // preferences 'pf..'
    return KeyShape::Incident;
}

bool TagRules::isPartScopedByDefault(uint32_t tag) {
    return tag == fourcc("SOIu") || tag == fourcc("dtLP");
}

std::optional<uint32_t> TagRules::expectedVersion(uint32_t tag, uint32_t hostVersion) {
    size_t p = static_cast<size_t>(profileFor(hostVersion));
    if (const LayoutRow* r = layoutOf(tag)) return r->version[p];
    if (tag == kSODT) return p == 2 ? V0F : V19;
    if (isRawText(tag)) return hostVersion;
    return std::nullopt;
}

std::optional<uint32_t> TagRules::fixedSize(uint32_t tag, uint32_t hostVersion) {
    if (const LayoutRow* r = layoutOf(tag))
        return r->size[static_cast<size_t>(profileFor(hostVersion))];
    if (prefix2(tag) == 0x6F740000u && shape(tag) == KeyShape::Incident) return 12u;
    return std::nullopt;
}

uint32_t TagRules::minimumSize(uint32_t tag, uint32_t hostVersion) {
    if (tag == kSODT) return profileFor(hostVersion) == Profile::C ? 36u : 38u;
    if (isRawText(tag)) return 1u;
    return 0u;
}

uint32_t TagRules::defaultSize(uint32_t tag, uint32_t hostVersion) {
    if (auto s = fixedSize(tag, hostVersion)) return *s;
    uint32_t m = minimumSize(tag, hostVersion);
    return m ? m : 12u;
}

bool TagRules::isEmulatedPreference(uint32_t tag) {
    return std::find(std::begin(kEmulatedPreferences), std::end(kEmulatedPreferences), tag) !=
           std::end(kEmulatedPreferences);
}

}  // namespace hostsim
