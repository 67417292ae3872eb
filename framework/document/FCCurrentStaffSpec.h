#ifndef FRAMEWORK_DOCUMENT_FCCURRENTSTAFFSPEC_H
#define FRAMEWORK_DOCUMENT_FCCURRENTSTAFFSPEC_H

#include <cstdint>

#include "document/FCStaff.h"

class FCCell;

/* The staff record as it applies at one point of the music (staff, measure
 * and position within the measure), with staff styles applied by the host.
 * Read-only: it cannot be saved. */
class FCCurrentStaffSpec : public FCStaff
{
public:
    static constexpr uint32_t kTag = 0x534F5343; /* 'SOSC' */

    const char* ClassName() const override;
    __FCBaseData* CreateObject() override;
    uint32_t Tag() const override;

    /* Loads the current staff settings for the cell's staff and measure at a
       position within the measure; false for a null cell. */
    bool LoadForCell(FCCell* pCell, int position);

    /* Not available for this record: they do nothing and return false (0). */
    bool Load(uint16_t item) override;
    bool SaveAs(uint16_t item) override;
    bool SaveNew() override;
    bool Save() override;
    uint16_t GetItemNo() const override;
};

#endif
