#ifndef FRAMEWORK_CORE___FCDETAIL_H
#define FRAMEWORK_CORE___FCDETAIL_H

#include "records/__FCBaseData.h"

/* Base of the host's detail records: keyed by two item numbers and an
   incident number. */
class __FCDetail : public __FCBaseData
{
public:
    const char* ClassName() const override;

    uint16_t GetItem1() const { return static_cast<uint16_t>(_GetKeyPart(0)); }
    uint16_t GetItem2() const { return static_cast<uint16_t>(_GetKeyPart(1)); }
    int16_t GetItemInci() const { return _GetKeyPart(2); }
};

#endif
