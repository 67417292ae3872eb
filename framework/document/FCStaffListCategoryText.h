#ifndef FRAMEWORK_DOCUMENT_FCSTAFFLISTCATEGORYTEXT_H
#define FRAMEWORK_DOCUMENT_FCSTAFFLISTCATEGORYTEXT_H

#include "document/__FCOtherText.h"
#include "common/qz_fourcc.h"

/* The text of a staff list category. */
FCOTHERTEXT_CLASS(FCStaffListCategoryText, QZ_FOURCC("otCL"))

#endif
