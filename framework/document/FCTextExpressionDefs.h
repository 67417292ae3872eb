#ifndef FRAMEWORK_DOCUMENT_FCTEXTEXPRESSIONDEFS_H
#define FRAMEWORK_DOCUMENT_FCTEXTEXPRESSIONDEFS_H

#include "document/FCTextExpressionDef.h"
#include "records/__FCCollectionNoInciOther.h"

/* All text expression definitions of the document, in item order. */
class FCTextExpressionDefs : public __FCCollectionNoInciOther
{
public:
    const char* ClassName() const override;
    __FCBaseData* CreateElement() override;
    /* Every existing expression, stepping over gaps in the numbering. */
    int LoadAll() override;

    FCTextExpressionDef* GetItemAt(int index) const;
};

#endif
