#include "document/FCRawText.h"

#include "common/qz_host_versions.h"
#include "document/FCRecordText.h"
#include "strings/FCString.h"
#include "core/FinaleVersion.h"
#include "hostlink/fx_host_abi.h"

namespace
{} // namespace

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

bool FCRawText::HasUnicodeSupport() const { return qz::IsUnicodeHost(GetFinaleFrameworkVersion()); }

int16_t FCRawText::GetItemNo() const { return _GetKeyPart(0); }

void FCRawText::SetText(const FCString* pText)
{
    if (!pText)
        return;
    const bool wide = HasUnicodeSupport();
    const uint64_t size = FCRecordText::SizeWithTerminator(pText, wide);
    ClearData();
    _buffer.assign(size, 0);
    FCRecordText::Write(_buffer.data(), size, wide, pText);
    _AssignData(_buffer.data(), size);
    _SetLoadedSize(size);
}

void FCRawText::GetText(FCString* pText) const
{
    if (GetLoadedSize() == 0)
        return;
    FCRecordText::Read(_GetData(), GetLoadedSize(), HasUnicodeSupport(), pText);
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
