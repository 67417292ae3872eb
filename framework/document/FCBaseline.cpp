#include "document/FCBaseline.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCBaseline, 6, 0x64745861)

bool FCBaseline::LoadFirst()
{
    _SetKey(0, 0, 0);
    return LoadNext();
}
