#ifndef FRAMEWORK_DOCUMENT_FCSTAFFLISTTEXT_H
#define FRAMEWORK_DOCUMENT_FCSTAFFLISTTEXT_H

#include "document/__FCOtherText.h"
#include "common/qz_fourcc.h"

/* The text of a staff list. */
FCOTHERTEXT_CLASS(FCStaffListText, QZ_FOURCC("osDc"))

#endif
