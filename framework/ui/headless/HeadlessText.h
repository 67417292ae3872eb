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
/* The code units of the string, unchanged. */
std::u16string Units(const FCString* pString);
/* ToUTF8(Units(pString)) without the copy of the units. */
std::string UnitsToUTF8(const FCString* pString);
/* The text an element receives from a framework string. */
std::u16string ToElement(FCString* pString);
/* ToUTF8(ToElement(copy of pString)) for a string the caller cannot change;
   empty for null. */
std::string ElementUTF8(const FCString* pString);
/* Reads an element text into a framework string (U+2028 becomes CR). */
void FromElement(const std::u16string& text, FCString* pString);
/* UTF-16 to UTF-8 (unpaired surrogates become U+FFFD). */
std::string ToUTF8(const std::u16string& text);
/* UTF-8 to UTF-16; false (and an empty result) for malformed input. */
bool FromUTF8(const std::string& text, std::u16string* pOut);
/* Copies text into buf (at most size - 1 bytes and a zero, not splitting a
   UTF-8 sequence); returns the full length in bytes. */
int CopyOut(const std::string& text, char* buf, int size);
} // namespace HeadlessText

#endif
