#ifndef FRAMEWORK_CORE___FCINCI_H
#define FRAMEWORK_CORE___FCINCI_H

#include <cstdint>

#include "records/__FCBaseData.h"

/* Records keyed by (item, incident) outside the "other" family. Concrete
   classes supply LoadFirst. */
class __FCInci : public __FCBaseData
{
public:
    const char* ClassName() const override;

    /* Loads the record (item, incident). */
    bool Load(uint16_t item, int16_t incident);

    uint16_t GetItemNo() const { return static_cast<uint16_t>(_GetKeyPart(0)); }
    int16_t GetItemInci() const { return _GetKeyPart(1); }
};

#endif
