#ifndef FRAMEWORK_DOCUMENT_FCSTAFFLISTCATEGORYTEXT_H
#define FRAMEWORK_DOCUMENT_FCSTAFFLISTCATEGORYTEXT_H

#include "document/__FCOtherText.h"

/* The text of a staff list category. */
FCOTHERTEXT_CLASS(FCStaffListCategoryText, 0x6F74434C)

#endif
