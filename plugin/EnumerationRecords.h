#ifndef ENUMERATIONRECORDS_H
#define ENUMERATIONRECORDS_H

/* Filling the two enumeration records through which the host lists the
   plug-in's menu entry (layouts in FinaleExtensionTypes.h). */

#include <cstddef>

namespace EnumerationRecords
{

/* The texts of the one menu entry. */
extern const char* const kMenuText;
extern const char* const kDescription;
extern const char* const kShortName;

/* Copies at most fieldSize - 1 bytes of text and fills the rest of the field
   with zero bytes, so the field is always terminated. A null text gives an
   empty field; a null field or a size of 0 writes nothing. */
void CopyBoundedText(char* field, size_t fieldSize, const char* text);

/* Writes the text into a UTF-16 field of the host's record: at most
   FX_ENUM_UTF16_TEXT_LIMIT - 1 code units and a zero unit; the units after
   the terminator are left as they were. The field need not be aligned. */
void CopyUTF16Text(void* field, const char* text);

/* Fill the whole 8-bit / UTF-16 record. Null records are left alone. */
void Fill(void* record);
void FillUTF16(void* record);

} // namespace EnumerationRecords

#endif
