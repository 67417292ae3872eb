#ifndef FRAMEWORK_CORE___FCGLOBALS_H
#define FRAMEWORK_CORE___FCGLOBALS_H

#include <cstdint>

#include "records/__FCBaseData.h"

/* Global records keyed by an item number counted from 0. */
class __FCGlobals : public __FCBaseData
{
public:
    const char* ClassName() const override;

    /* Loads item 0. */
    bool LoadFirst() override;
    /* Loads the item after the current one. */
    bool LoadNext() override;

    bool Load(uint16_t item);

    uint16_t GetItemNo() const { return static_cast<uint16_t>(_GetKeyPart(0)); }
};

#endif
