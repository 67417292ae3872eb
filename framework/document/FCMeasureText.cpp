#include "document/FCMeasureText.h"

#include "document/FCTextBlock.h"

FCRECORD_CLASS_DEFINE(FCMeasureText, 52, 0x64746D74)

bool FCMeasureText::_SaveMeasureFlag() { return true; }

FCTextBlock* FCMeasureText::CreateTextBlock() const
{
    const int16_t id = GetTextBlockID();
    if (id <= 0)
        return nullptr;
    FCTextBlock* pBlock = new FCTextBlock();
    if (pBlock->Load(static_cast<uint16_t>(id)))
        return pBlock;
    delete pBlock;
    return nullptr;
}
