#include "document/__FCOtherText.h"

const char* __FCOtherText::ClassName() const { return "__FCOtherText"; }

void __FCOtherText::SetRawTextNumber(int16_t number) { _SetKeyPart(0, number); }

int16_t __FCOtherText::GetItemNo() const { return _GetKeyPart(0); }
