#ifndef FRAMEWORK_DOCUMENT_FCCATEGORYDEFS_H
#define FRAMEWORK_DOCUMENT_FCCATEGORYDEFS_H

#include "document/FCCategoryDef.h"
#include "records/__FCCollectionNoInciOther.h"

/* All expression categories of the document, in item order. */
class FCCategoryDefs : public __FCCollectionNoInciOther
{
public:
    const char* ClassName() const override;
    __FCBaseData* CreateElement() override;
    /* Every existing category, from the first existing one on. */
    int LoadAll() override;

    FCCategoryDef* GetItemAt(int index) const;
};

#endif
