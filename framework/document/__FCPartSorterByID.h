#ifndef FRAMEWORK_DOCUMENT___FCPARTSORTERBYID_H
#define FRAMEWORK_DOCUMENT___FCPARTSORTERBYID_H

#include "core/FCIteratorHandler.h"

/* Orders parts by their order id (the position in the host's part order),
   ascending. */
class __FCPartSorterByID : public FCIteratorHandler
{
public:
    const char* ClassName() const override;
    /* -1, 0 or 1 as the first part's order id is lower, equal or higher;
       0 when either is not a part. */
    int Compare(__FCBase* pA, __FCBase* pB) override;
};

#endif
