#ifndef FRAMEWORK_DOCUMENT_FCSTAVES_H
#define FRAMEWORK_DOCUMENT_FCSTAVES_H

#include <cstdint>

#include "records/__FCCollectionNoInciOther.h"

class FCStaff;

/* All staff records of the current part (FCStaff elements), in increasing
   staff number after LoadAll. */
class FCStaves : public __FCCollectionNoInciOther
{
public:
    const char* ClassName() const override;
    __FCBaseData* CreateElement() override;

    /* Asks the host for a new staff record; returns the new staff number, 0
       when the host refuses. The list itself is not changed. */
    uint16_t Append();
    /* Deletes the record of a staff; false when it does not load. */
    bool Delete(uint16_t staff);
    /* The staff at index, else null (the list keeps it). */
    FCStaff* GetItemAt(int index) const;
};

#endif
