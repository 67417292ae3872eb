#ifndef FRAMEWORK_DOCUMENT_FCTEXTREPEATTEXT_H
#define FRAMEWORK_DOCUMENT_FCTEXTREPEATTEXT_H

#include "document/__FCOtherText.h"

/* The text of a text repeat. */
FCOTHERTEXT_CLASS(FCTextRepeatText, 0x6F735254)

#endif
