#ifndef FRAMEWORK_DOCUMENT_FCENDINGREPEATTEXT_H
#define FRAMEWORK_DOCUMENT_FCENDINGREPEATTEXT_H

#include "document/__FCOtherText.h"

/* The text of a ending bracket. */
FCOTHERTEXT_CLASS(FCEndingRepeatText, 0x6F734554)

#endif
