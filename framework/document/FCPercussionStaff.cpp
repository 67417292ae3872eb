#include "FCPercussionStaff.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCPercussionStaff, 65, 0x6F744453)
