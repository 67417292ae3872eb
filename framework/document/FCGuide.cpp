#include "document/FCGuide.h"

const char* FCGuide::ClassName() const { return "FCGuide"; }

const char* FCGuides::ClassName() const { return "FCGuides"; }

FCGuide* FCGuides::GetItemAt(int index) const { return dynamic_cast<FCGuide*>(__FCCollection::GetItemAt(index)); }

int FCGuides::AddGuide(int position) { return Add(new FCGuide(position)); }

FCGuide* FCGuides::FindPosition(int position) const
{
    for (int i = 0; i < GetCount(); ++i) {
        FCGuide* pGuide = GetItemAt(i);
        if (pGuide && pGuide->GetPosition() == position)
            return pGuide;
    }
    return nullptr;
}
