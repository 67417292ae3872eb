#ifndef HOSTSIM_REGION_H
#define HOSTSIM_REGION_H

#include <cstdint>
#include <cstring>

namespace hostsim
{

/* The host's region record, unpacked. `toHost`/`fromHost` copy the 20-byte
   packed form field by field (positions at offsets 6 and 16). */
struct Region
{
    uint16_t startList = 0;
    int16_t startSlot = 0;
    int16_t startMeasure = 0;
    int32_t startPos = 0;
    uint16_t endList = 0;
    int16_t endSlot = 0;
    int16_t endMeasure = 0;
    int32_t endPos = 0;

    static constexpr size_t kHostSize = 20;

    bool hasMeasures() const { return startMeasure != 0 || endMeasure != 0; }

    void toHost(void* out) const
    {
        auto* p = static_cast<unsigned char*>(out);
        std::memcpy(p + 0, &startList, 2);
        std::memcpy(p + 2, &startSlot, 2);
        std::memcpy(p + 4, &startMeasure, 2);
        std::memcpy(p + 6, &startPos, 4);
        std::memcpy(p + 10, &endList, 2);
        std::memcpy(p + 12, &endSlot, 2);
        std::memcpy(p + 14, &endMeasure, 2);
        std::memcpy(p + 16, &endPos, 4);
    }
    static Region fromHost(const void* in)
    {
        Region r;
        auto* p = static_cast<const unsigned char*>(in);
        std::memcpy(&r.startList, p + 0, 2);
        std::memcpy(&r.startSlot, p + 2, 2);
        std::memcpy(&r.startMeasure, p + 4, 2);
        std::memcpy(&r.startPos, p + 6, 4);
        std::memcpy(&r.endList, p + 10, 2);
        std::memcpy(&r.endSlot, p + 12, 2);
        std::memcpy(&r.endMeasure, p + 14, 2);
        std::memcpy(&r.endPos, p + 16, 4);
        return r;
    }
};

} // namespace hostsim

#endif
