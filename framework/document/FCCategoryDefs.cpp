#include "document/FCCategoryDefs.h"

#include "document/FCItemOrderLoader.h"

const char* FCCategoryDefs::ClassName() const { return "FCCategoryDefs"; }

__FCBaseData* FCCategoryDefs::CreateElement() { return new FCCategoryDef(); }

int FCCategoryDefs::LoadAll() { return FCItemOrderLoader::LoadAll(this); }

FCCategoryDef* FCCategoryDefs::GetItemAt(int index) const
{
    return dynamic_cast<FCCategoryDef*>(__FCCollectionNoInciOther::GetItemAt(index));
}
