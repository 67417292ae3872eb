#ifndef FRAMEWORK_DOCUMENT_FCSTAFFLISTTEXT_H
#define FRAMEWORK_DOCUMENT_FCSTAFFLISTTEXT_H

#include "document/__FCOtherText.h"

/* The text of a staff list. */
FCOTHERTEXT_CLASS(FCStaffListText, 0x6F734463)

#endif
