#ifndef FRAMEWORK_DOCUMENT_FCSTAFFLISTSTAFFASSIGNTEXT_H
#define FRAMEWORK_DOCUMENT_FCSTAFFLISTSTAFFASSIGNTEXT_H

#include "document/__FCOtherText.h"
#include "common/qz_fourcc.h"

/* The text of a staff list staff assignment. */
FCOTHERTEXT_CLASS(FCStaffListStaffAssignText, QZ_FOURCC("otSl"))

#endif
