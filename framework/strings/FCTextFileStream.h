#ifndef FRAMEWORK_STRINGS_FCTEXTFILESTREAM_H
#define FRAMEWORK_STRINGS_FCTEXTFILESTREAM_H

#include <string>

#include "strings/FCFileStream.h"

class FCStrings;
class FCSettingsPair;
class FCSettingsPairs;

/* A text file read and written line by line. Reading takes every byte as one
 * character (no decoding); a line ends at a line feed or a carriage return.
 * Writing writes the 8-bit form of the strings.
 *
 * Virtual operations after those of FCFileStream, in slot order:
 *   ReadString. */
class FCTextFileStream : public FCFileStream
{
public:
    FCTextFileStream(FinPathSpec25* pFolder, FCString* pFileName);
    FCTextFileStream(const char* pFolderPath, FCString* pFileName);

    const char* ClassName() const override;

    /* Mode "r". */
    bool OpenRead() override;
    /* Mode "w+": the file is created or emptied. */
    bool OpenWrite() override;
    /* The next line with its line end (the caller owns it); null at the end
       of the file or when no file is open. */
    virtual FCString* ReadString();

    /* Every remaining line, line ends removed (the caller owns the list);
       null when no file is open. */
    FCStrings* ReadStrings();
    /* The writers return false when no file is open or the write failed. */
    bool WriteText(FCString* pString);
    /* Each string followed by a line feed. */
    bool WriteStrings(FCStrings* pStrings);
    /* Each pair as key, "=", value and a line feed. */
    bool WriteSettingsPairs(FCSettingsPairs* pPairs);
    bool WriteSettingsPair(FCSettingsPair* pPair);

protected:
    /* The bytes of the next line, its line end (LF or CR) included; false at
       the end of the file. At most maxBytes bytes when maxBytes > 0. */
    bool _ReadLineBytes(std::string* pBytes, size_t maxBytes);
};

#endif
