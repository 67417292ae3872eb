#ifndef FRAMEWORK_DOCUMENT_FCSTAFF_H
#define FRAMEWORK_DOCUMENT_FCSTAFF_H

#include <cstdint>

#include "FCLayoutBuffers.h"
#include "__FCStaffBase.h"

/* One staff of the document: the host's staff record, keyed by the staff
 * number. Its size and record version follow the running host version
 * (114 bytes below host 0x11000000, 132 bytes below 0x12000000, else 136);
 * the field positions are the same in every layout. */
class FCFretInstrumentDef;
class FCInstrumentPlaybackData;
class FCPercussionStaff;

class FCStaff : public __FCStaffBase
{
public:
    static constexpr uint32_t kTag = 0x534F4953; /* 'SOIS' */

    FCStaff();

    int GetClassID() const override;
    const char* ClassName() const override;

    void* Allocate() override;
    __FCBaseData* CreateObject() override;
    uint32_t Tag() const override;
    uint32_t EnigmaVersion() const override;
    uint32_t DataSizeLoad() const override;
    void CloneMemoryFrom(__FCBaseData* pSource) override;
    /* Finds the first existing staff, whatever its number. */
    bool LoadFirst() override;

    /* Records the staff refers to; each new object belongs to the caller
       (null when the record does not load). */
    FCFretInstrumentDef* CreateFretInstrumentDef() const;
    FCInstrumentPlaybackData* CreateInstrumentPlaybackData() const;
    /* Only for the percussion notation style with a percussion record. */
    FCPercussionStaff* CreatePercussionStaff() const;
    /* The layout id of the staff's percussion record, -1 when none. */
    int CalcPercussionLayoutID() const;

#define FCSTAFF_DECLARE_PTR(NAME, STAFFOFFSET, STYLEOFFSET, MINVERSION) void* _Get##NAME##Ptr() const override;
    FCSTAFFBASE_FIELDS(FCSTAFF_DECLARE_PTR)
#undef FCSTAFF_DECLARE_PTR

private:
    FCLayoutBuffers _layouts;
};

#endif
