#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSTEXT_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSTEXT_H

#include <string>

class FCString;

/* Text conversions between the framework's strings and the headless element
 * tree, following the same host-version rules as the platform conversions:
 * a Unicode host (0x11000000 and later) hands UTF-16 over unchanged; an older
 * host goes through the 8-bit form. */
namespace HeadlessText
{
/* The text an element receives from a framework string (empty for null). */
std::u16string ToElement(const FCString* pString);
/* ToUTF8(ToElement(pString)). */
std::string ElementUTF8(const FCString* pString);
/* Reads an element text into a framework string (U+2028 becomes CR). */
void FromElement(const std::u16string& text, FCString* pString);
/* UTF-16 to UTF-8 (unpaired surrogates become U+FFFD). */
std::string ToUTF8(const std::u16string& text);
/* UTF-8 to UTF-16; false (and an empty result) for malformed input. */
bool FromUTF8(const std::string& text, std::u16string* pOut);
} // namespace HeadlessText

#endif
