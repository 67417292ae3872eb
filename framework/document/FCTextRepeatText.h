#ifndef FRAMEWORK_DOCUMENT_FCTEXTREPEATTEXT_H
#define FRAMEWORK_DOCUMENT_FCTEXTREPEATTEXT_H

#include "document/__FCOtherText.h"
#include "common/qz_fourcc.h"

/* The text of a text repeat. */
FCOTHERTEXT_CLASS(FCTextRepeatText, QZ_FOURCC("osRT"))

#endif
