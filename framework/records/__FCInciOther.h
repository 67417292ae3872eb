#ifndef FRAMEWORK_CORE___FCINCIOTHER_H
#define FRAMEWORK_CORE___FCINCIOTHER_H

#include <cstdint>

#include "records/__FCOther.h"

/* Records keyed by an item number and an incident number: key (item,
 * incident). Incidents start at 0 and are reached through their item (see
 * __FCCollectionInciOther); LoadFirst is therefore refused.
 *
 * Virtual operations after those of __FCBaseData, in slot order:
 *   Load, SaveNew. */
class __FCInciOther : public __FCOther
{
public:
    const char* ClassName() const override;

    bool Reload() override;
    bool LoadFirst() override;

    virtual bool Load(uint16_t item, int16_t incident);
    /* Appends the loaded bytes as a new incident of item; on success the key
       is (item, the incident number the host chose). */
    virtual bool SaveNew(uint16_t item);

    uint16_t GetItemNo() const { return static_cast<uint16_t>(_GetKeyPart(0)); }
    int16_t GetItemInci() const { return _GetKeyPart(1); }
};

#endif
