#ifndef FRAMEWORK_UI_PLATFORMTEXT_H
#define FRAMEWORK_UI_PLATFORMTEXT_H

/* Text handed from a platform's views to the framework's strings: the same
 * on every bridge, whatever the views store it in. */

#include <cstddef>

class FCString;

namespace qzui
{
/* A view's text (UTF-16 units) into pString. On a Unicode host the units,
   a line separator (U+2028) becoming a carriage return; on an 8-bit host the
   non-lossy ASCII form (ASCII kept, a backslash doubled, every other unit
   written as \uXXXX), cut at 5000 bytes. */
void SetFromViewText(FCString* pString, const char16_t* units, size_t count);
} // namespace qzui

#endif
