#ifndef FRAMEWORK_CORE___FCCOLLECTIONNOINCIDETAIL_H
#define FRAMEWORK_CORE___FCCOLLECTIONNOINCIDETAIL_H

#include <cstdint>

#include "records/__FCCollectionDetail.h"

/* A list of detail records keyed by (item1, item2, 0) (__FCNoInciDetail).
 *
 * Virtual operations after those of __FCCollectionData, in slot order:
 *   LoadAllForItem. */
class __FCCollectionNoInciDetail : public __FCCollectionDetail
{
public:
    const char* ClassName() const override;

    /* Loads (item1, item2), (item1, item2 + 1), ... until one fails; returns
       the count. */
    virtual int LoadAllForItem(uint16_t item1, uint16_t item2);
};

#endif
