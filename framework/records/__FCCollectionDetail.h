#ifndef FRAMEWORK_CORE___FCCOLLECTIONDETAIL_H
#define FRAMEWORK_CORE___FCCOLLECTIONDETAIL_H

#include "records/__FCCollectionData.h"

/* Base of the lists of detail records. */
class __FCCollectionDetail : public __FCCollectionData
{
public:
    const char* ClassName() const override;
};

#endif
