#include "document/FCBaseline.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCBaseline, 6, QZ_FOURCC("dtXa"))

bool FCBaseline::LoadFirst()
{
    _SetKey(0, 0, 0);
    return LoadNext();
}
