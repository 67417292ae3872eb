#include "FCRawText.h"

#include <cstring>

#include "FCString.h"
#include "FinaleExtension.h"
#include "fx_host_abi.h"

namespace
{
constexpr uint32_t kFirstUnicodeHost = 0x11000000;
} // namespace

FCRawText::FCRawText() = default;

int FCRawText::GetClassID() const { return 77; }

const char* FCRawText::ClassName() const { return "FCRawText"; }

void* FCRawText::Allocate()
{
    const uint32_t size = DataSizeLoad();
    _buffer.assign(size ? size : 2, 0);
    return _buffer.data();
}

void FCRawText::Deallocate()
{
    _buffer.clear();
    _buffer.shrink_to_fit();
}

bool FCRawText::IsDynamicSize() const { return true; }

__FCBaseData* FCRawText::CreateObject() { return nullptr; }

uint32_t FCRawText::Tag() const { return GetCustomTag() ? GetCustomTag() : kDefaultTag; }

uint32_t FCRawText::EnigmaVersion() const { return GetFinaleFrameworkVersion(); }

uint32_t FCRawText::DataSizeLoad() const
{
    uint32_t size = 0;
    if (!FX_LoadEData(Tag(), _GetKey(), nullptr, &size, EnigmaVersion()))
        return 0;
    return size;
}

bool FCRawText::LoadFirst()
{
    SetRawTextNumber(0);
    return LoadNext();
}

void FCRawText::SetRawTextNumber(int16_t number) { _SetKey(number, 0); }

bool FCRawText::HasUnicodeSupport() const { return GetFinaleFrameworkVersion() >= kFirstUnicodeHost; }

int16_t FCRawText::GetItemNo() const { return _GetKeyPart(0); }

void FCRawText::SetText(const FCString* pText)
{
    if (!pText)
        return;
    const uint64_t units = pText->GetLength();
    const bool wide = HasUnicodeSupport();
    const uint64_t size = (units + 1) * (wide ? 2 : 1);

    ClearData();
    _buffer.assign(size, 0);
    if (wide) {
        if (units)
            std::memcpy(_buffer.data(), pText->_GetBuffer(), units * 2);
    } else {
        for (uint64_t i = 0; i < units; ++i)
            _buffer[i] = static_cast<unsigned char>(pText->GetItemAt(static_cast<int>(i)) & 0xFF);
    }
    _AssignData(_buffer.data(), size);
    _SetLoadedSize(size);
}

void FCRawText::GetText(FCString* pText) const
{
    const unsigned char* pBytes = static_cast<const unsigned char*>(_GetData());
    const uint64_t size = GetLoadedSize();
    if (!pText || !pBytes || size == 0)
        return;
    /* The text ends at its terminator or at the end of the loaded bytes,
       whichever comes first. */
    if (HasUnicodeSupport()) {
        std::vector<uint16_t> units(size / 2 + 1, 0);
        std::memcpy(units.data(), pBytes, (size / 2) * 2);
        pText->SetUnicodeString(units.data(), -1);
    } else {
        std::vector<char> bytes(pBytes, pBytes + size);
        bytes.push_back(0);
        pText->SetCString(bytes.data(), -1);
    }
}

FCString* FCRawText::CreateString() const
{
    FCString* pString = new FCString();
    GetText(pString);
    return pString;
}

bool FCRawText::Load(int16_t number)
{
    SetRawTextNumber(number);
    return LoadDataBlock();
}

bool FCRawText::SaveAs(int16_t number)
{
    SetRawTextNumber(number);
    return Save();
}

bool FCRawText::SaveNew()
{
    if (GetLoadedSize() == 0 || !_GetData())
        return false;
    _SetKey(-1, 0);
    return FX_CreateEData(Tag(), _GetKey(), _GetData(), DataSizeSave(), EnigmaVersion()) != 0;
}
