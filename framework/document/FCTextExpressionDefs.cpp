#include "document/FCTextExpressionDefs.h"

#include "document/FCItemOrderLoader.h"

const char* FCTextExpressionDefs::ClassName() const { return "FCTextExpressionDefs"; }

__FCBaseData* FCTextExpressionDefs::CreateElement() { return new FCTextExpressionDef(); }

int FCTextExpressionDefs::LoadAll() { return FCItemOrderLoader::LoadAll(this); }

FCTextExpressionDef* FCTextExpressionDefs::GetItemAt(int index) const
{
    return dynamic_cast<FCTextExpressionDef*>(__FCCollectionNoInciOther::GetItemAt(index));
}
