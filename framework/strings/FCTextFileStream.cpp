#include "strings/FCTextFileStream.h"

#include "strings/FCSettingsPairs.h"
#include "strings/FCStrings.h"

FCTextFileStream::FCTextFileStream(FinPathSpec25* pFolder, FCString* pFileName) : FCFileStream(pFolder, pFileName) {}

FCTextFileStream::FCTextFileStream(const char* pFolderPath, FCString* pFileName) : FCFileStream(pFolderPath, pFileName)
{
}

const char* FCTextFileStream::ClassName() const { return "FCTextFileStream"; }

bool FCTextFileStream::OpenRead() { return OpenFile("r"); }

bool FCTextFileStream::OpenWrite() { return OpenFile("w+"); }

bool FCTextFileStream::_ReadLineBytes(std::string* pBytes, size_t maxBytes)
{
    pBytes->clear();
    FILE* pFile = _GetFile();
    if (!pFile)
        return false;
    int c;
    while ((maxBytes == 0 || pBytes->size() < maxBytes) && (c = std::fgetc(pFile)) != EOF) {
        pBytes->push_back(static_cast<char>(c));
        if (c == '\n' || c == '\r')
            break;
    }
    return !pBytes->empty();
}

FCString* FCTextFileStream::ReadString()
{
    std::string bytes;
    if (!_ReadLineBytes(&bytes, 0))
        return nullptr;
    auto* pLine = new FCString();
    pLine->SetCString(bytes.data(), static_cast<int>(bytes.size()));
    return pLine;
}

FCStrings* FCTextFileStream::ReadStrings()
{
    if (!IsOpen())
        return nullptr;
    auto* pLines = new FCStrings();
    while (FCString* pLine = ReadString()) {
        pLine->TrimLinefeed();
        pLines->Add(pLine);
    }
    return pLines;
}

bool FCTextFileStream::WriteText(FCString* pString)
{
    FILE* pFile = _GetFile();
    if (!pFile)
        return false;
    if (!pString)
        return true;
    const char* text = pString->GetCString();
    return std::fputs(text ? text : "", pFile) >= 0;
}

bool FCTextFileStream::WriteStrings(FCStrings* pStrings)
{
    if (!IsOpen())
        return false;
    if (!pStrings)
        return true;
    FCString lineEnd("\n");
    bool written = true;
    for (int i = 0; i < pStrings->GetCount(); ++i)
        written = WriteText(pStrings->GetItemAt(i)) && WriteText(&lineEnd) && written;
    return written;
}

bool FCTextFileStream::WriteSettingsPair(FCSettingsPair* pPair)
{
    if (!IsOpen())
        return false;
    if (!pPair)
        return true;
    FCString line;
    line.SetString(pPair->GetKey());
    line.AppendCString("=");
    line.AppendString(pPair->GetValue());
    line.AppendCString("\n");
    return WriteText(&line);
}

bool FCTextFileStream::WriteSettingsPairs(FCSettingsPairs* pPairs)
{
    if (!IsOpen())
        return false;
    if (!pPairs)
        return true;
    bool written = true;
    for (int i = 0; i < pPairs->GetCount(); ++i)
        written = WriteSettingsPair(pPairs->GetItemAt(i)) && written;
    return written;
}
