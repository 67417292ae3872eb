#ifndef FRAMEWORK_DOCUMENT_FCRECORDTEXT_H
#define FRAMEWORK_DOCUMENT_FCRECORDTEXT_H

#include <cstdint>

class FCString;

/* Zero-terminated texts inside record bytes, as UTF-16 code units or as
 * 8-bit text. Reading stops at the terminator or at the end of the bytes,
 * whichever comes first, so a text without its terminator never reads past
 * the record. */
class FCRecordText
{
public:
    /* Sets pText from size bytes at pBytes; nothing for null arguments. */
    static void Read(const void* pBytes, uint64_t size, bool unicode, FCString* pText);
    /* Clears capacity bytes at pBytes and writes the text, cut so that the
       terminator fits. */
    static void Write(void* pBytes, uint64_t capacity, bool unicode, const FCString* pText);
    /* Bytes a text needs with its terminator. */
    static uint64_t SizeWithTerminator(const FCString* pText, bool unicode);
};

#endif
