#include "document/FCRecordText.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "strings/FCString.h"

void FCRecordText::Read(const void* pBytes, uint64_t size, bool unicode, FCString* pText)
{
    if (!pBytes || !pText)
        return;
    const unsigned char* pData = static_cast<const unsigned char*>(pBytes);
    if (unicode) {
        std::vector<uint16_t> units(size / 2 + 1, 0);
        std::memcpy(units.data(), pData, (size / 2) * 2);
        pText->SetUnicodeString(units.data(), -1);
    }
    else {
        std::vector<char> text(pData, pData + size);
        text.push_back(0);
        pText->SetCString(text.data(), -1);
    }
}

void FCRecordText::Write(void* pBytes, uint64_t capacity, bool unicode, const FCString* pText)
{
    if (!pBytes || !pText)
        return;
    unsigned char* pData = static_cast<unsigned char*>(pBytes);
    std::memset(pData, 0, capacity);
    const uint64_t width = unicode ? 2 : 1;
    if (capacity < width)
        return;
    const uint64_t units = std::min<uint64_t>(pText->GetLength(), capacity / width - 1);
    if (unicode) {
        if (units)
            std::memcpy(pData, pText->_GetBuffer(), units * 2);
    }
    else {
        for (uint64_t i = 0; i < units; ++i)
            pData[i] = static_cast<unsigned char>(pText->GetItemAt(static_cast<int>(i)) & 0xFF);
    }
}

uint64_t FCRecordText::SizeWithTerminator(const FCString* pText, bool unicode)
{
    return ((pText ? pText->GetLength() : 0) + 1) * (unicode ? 2 : 1);
}
