#ifndef FRAMEWORK_DOCUMENT_FCSTAFFLISTSTAFFASSIGNTEXT_H
#define FRAMEWORK_DOCUMENT_FCSTAFFLISTSTAFFASSIGNTEXT_H

#include "document/__FCOtherText.h"

/* The text of a staff list staff assignment. */
FCOTHERTEXT_CLASS(FCStaffListStaffAssignText, 0x6F74536C)

#endif
