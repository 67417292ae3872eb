#ifndef FRAMEWORK_CORE___FCCOLLECTIONNOINCICELLDETAIL_H
#define FRAMEWORK_CORE___FCCOLLECTIONNOINCICELLDETAIL_H

#include "document/__FCCollectionCellDetail.h"

/* A list of cell details with one record per cell (__FCNoInciCellDetail). */
class __FCCollectionNoInciCellDetail : public __FCCollectionCellDetail
{
public:
    const char* ClassName() const override;

    /* As LoadAllForRegion, with only the first record of each cell. */
    template <class REGION>
    int LoadAllInRegion(REGION* pRegion)
    {
        EREGION record{};
        return _LoadAllForEnigmaRegion(_ReadRegion(pRegion, &record), true);
    }
};

#endif
