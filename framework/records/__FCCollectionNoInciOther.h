#ifndef FRAMEWORK_CORE___FCCOLLECTIONNOINCIOTHER_H
#define FRAMEWORK_CORE___FCCOLLECTIONNOINCIOTHER_H

#include <cstdint>

#include "records/__FCCollectionData.h"

class __FCNoInciOther;

/* A list of records keyed by an item number alone (__FCNoInciOther). */
class __FCCollectionNoInciOther : public __FCCollectionData
{
public:
    const char* ClassName() const override;

    /* The first element whose GetItemNo() is item, else null. */
    __FCNoInciOther* FindItemNo(uint16_t item) const;
};

#endif
