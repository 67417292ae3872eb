#include "strings/FCTextFileUTF8Stream.h"

FCTextFileUTF8Stream::FCTextFileUTF8Stream(FinPathSpec25* pFolder, FCString* pFileName)
    : FCTextFileStream(pFolder, pFileName)
{
}

FCTextFileUTF8Stream::FCTextFileUTF8Stream(const char* pFolderPath, FCString* pFileName)
    : FCTextFileStream(pFolderPath, pFileName)
{
}

const char* FCTextFileUTF8Stream::ClassName() const { return "FCTextFileUTF8Stream"; }

FCString* FCTextFileUTF8Stream::ReadString()
{
    std::string bytes;
    if (!_ReadLineBytes(&bytes, kMaxLineBytes))
        return nullptr;
    auto* pLine = new FCString();
    pLine->SetUTF8String(bytes.c_str());
    return pLine;
}
