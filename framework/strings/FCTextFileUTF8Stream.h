#ifndef FRAMEWORK_STRINGS_FCTEXTFILEUTF8STREAM_H
#define FRAMEWORK_STRINGS_FCTEXTFILEUTF8STREAM_H

#include "strings/FCTextFileStream.h"

/* A text file whose lines are decoded as UTF-8 when read. */
class FCTextFileUTF8Stream : public FCTextFileStream
{
public:
    /* The longest line read at once, in bytes; a longer line is read in parts. */
    static constexpr size_t kMaxLineBytes = 8191;

    FCTextFileUTF8Stream(FinPathSpec25* pFolder, FCString* pFileName);
    FCTextFileUTF8Stream(const char* pFolderPath, FCString* pFileName);

    const char* ClassName() const override;

    /* The next line (at most kMaxLineBytes bytes), decoded as UTF-8. */
    FCString* ReadString() override;
};

#endif
