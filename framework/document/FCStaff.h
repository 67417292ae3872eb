#ifndef FRAMEWORK_DOCUMENT_FCSTAFF_H
#define FRAMEWORK_DOCUMENT_FCSTAFF_H

#include <cstdint>

#include "document/FCLayoutBuffers.h"
#include "document/__FCStaffBase.h"

/* One staff of the document: the host's staff record, keyed by the staff
 * number. Its size and record version follow the running host version
 * (114 bytes below host 0x11000000, 132 bytes below 0x12000000, else 136);
 * the field positions are the same in every layout. */
class FCFretInstrumentDef;
class FCInstrumentDef;
class FCInstrumentPlaybackData;
class FCPercussionStaff;
class FCStaffNamePosition;

class FCStaff : public __FCStaffBase
{
public:
    static constexpr uint32_t kTag = 0x534F4953; /* 'SOIS' */

    FCStaff();
    ~FCStaff() override;

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
    /* Saves the name positions that were asked for (creating their records
       when they have none), then the staff record. */
    bool Save() override;

    /* The position of the full (abbreviated) name, read on the first call and
       kept by the staff; the document's defaults when the staff has none. */
    FCStaffNamePosition* GetFullNamePosition();
    FCStaffNamePosition* GetAbbreviatedNamePosition();

    /* Records the staff refers to; each new object belongs to the caller
       (null when the record does not load). */
    FCFretInstrumentDef* CreateFretInstrumentDef() const;
    FCInstrumentPlaybackData* CreateInstrumentPlaybackData() const;
    /* The instrument definition that layer 1 .. 4 plays with (from the
       staff's playback data); null for other layers or when a record does
       not load. */
    FCInstrumentDef* CreateLayerInstrumentDef(int layer) const;
    /* Only for the percussion notation style with a percussion record. */
    FCPercussionStaff* CreatePercussionStaff() const;
    /* The layout id of the staff's percussion record, -1 when none. */
    int CalcPercussionLayoutID() const;
    /* Makes the staff use the percussion layout and gives every layer's
       instrument definition the note type. The percussion record is created
       when the staff has none (the staff then refers to it in memory: saving
       the staff is the caller's business). False for a layout id outside
       1 .. 32767, a note type outside 0 .. 32767, or when the percussion
       record cannot be written. */
    bool SavePercussionLayout(int layoutID, int noteType);

#define FCSTAFF_DECLARE_PTR(NAME, STAFFOFFSET, STYLEOFFSET, MINVERSION) void* _Get##NAME##Ptr() const override;
    FCSTAFFBASE_FIELDS(FCSTAFF_DECLARE_PTR)
#undef FCSTAFF_DECLARE_PTR

private:
    FCStaffNamePosition* _GetNamePosition(FCStaffNamePosition** ppPosition, bool abbreviated);
    bool _SaveNamePosition(FCStaffNamePosition* pPosition, uint32_t recordOffset);
    /* Switches the staff to the percussion notation style and creates its
       percussion record; null when the record cannot be created. */
    FCPercussionStaff* _CreateNewPercussionStaff(int16_t layoutID);

    FCLayoutBuffers _layouts;
    FCStaffNamePosition* _pfullnamepos;
    FCStaffNamePosition* _pabbrvnamepos;
};

#endif
