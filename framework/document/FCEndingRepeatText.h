#ifndef FRAMEWORK_DOCUMENT_FCENDINGREPEATTEXT_H
#define FRAMEWORK_DOCUMENT_FCENDINGREPEATTEXT_H

#include "document/__FCOtherText.h"
#include "common/qz_fourcc.h"

/* The text of a ending bracket. */
FCOTHERTEXT_CLASS(FCEndingRepeatText, QZ_FOURCC("osET"))

#endif
