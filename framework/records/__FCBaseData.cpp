#include "records/__FCBaseData.h"

#include <algorithm>
#include <cstring>

#include "common/qz_host_versions.h"
#include "hostlink/fx_host_abi.h"

namespace
{
/* Interface version of the calls that are not record loads or saves. */
/* How often a dynamic-size load grows its buffer for a record that the host
   reports larger than offered before it settles for the offered size. */
constexpr int kMaxGrowAttempts = 3;
} // namespace

__FCBaseData::__FCBaseData()
    : _customtag(0), _connecteddocID(0), _dataptr(nullptr), _ownscopieddata(false), _loadedsize(0), _key{0, 0, 0, 0},
      _datacapacity(0)
{
}

__FCBaseData::~__FCBaseData()
{
    if (_ownscopieddata)
        delete[] static_cast<unsigned char*>(_dataptr);
}

const char* __FCBaseData::ClassName() const { return "__FCBaseData"; }

void __FCBaseData::Deallocate() {}

bool __FCBaseData::IsDynamicSize() const { return false; }

uint32_t __FCBaseData::EnigmaVersion() const { return kDefaultEnigmaVersion; }

uint32_t __FCBaseData::DataSizeSave() const { return static_cast<uint32_t>(_loadedsize); }

void __FCBaseData::ClearData()
{
    if (_ownscopieddata)
        delete[] static_cast<unsigned char*>(_dataptr);
    _ownscopieddata = false;
    Deallocate();
    _dataptr = nullptr;
    _datacapacity = 0;
    _loadedsize = 0;
}

/* Replaces the buffer by an owned one of size bytes (not initialised). */
static unsigned char* NewOwnedBuffer(uint64_t size) { return new unsigned char[size ? size : 1]; }

/* A buffer for a load of `size` bytes. A dynamic-size record asks the host
   for its size on every DataSizeLoad, and two answers may differ (a refused
   query reads as the minimum size): its buffer is therefore made here for
   exactly the size the load is offered, and owned by the record. */
static void* NewLoadBuffer(__FCBaseData* pData, uint32_t size, bool& owned)
{
    owned = pData->IsDynamicSize();
    if (!owned)
        return pData->Allocate();
    unsigned char* bytes = NewOwnedBuffer(size);
    std::memset(bytes, 0, size ? size : 1);
    return bytes;
}

void __FCBaseData::CloneMemoryFrom(__FCBaseData* pSource)
{
    if (!pSource || pSource == this || pSource->_loadedsize == 0 || !pSource->_dataptr)
        return;
    const uint64_t size = std::min(pSource->_loadedsize, pSource->_datacapacity);
    unsigned char* copy = NewOwnedBuffer(size);
    std::memcpy(copy, pSource->_dataptr, size);
    ClearData();
    _dataptr = copy;
    _datacapacity = size;
    _ownscopieddata = true;
    _loadedsize = size;
}

void __FCBaseData::_CloneFrom(__FCBaseData* pSource)
{
    if (!pSource || pSource == this)
        return;
    std::memcpy(_key, pSource->_key, sizeof _key);
    _customtag = pSource->_customtag;
    _connecteddocID = pSource->_connecteddocID;
    CloneMemoryFrom(pSource);
}

__FCBaseData* __FCBaseData::CreateClone()
{
    __FCBaseData* pClone = CreateObject();
    if (pClone)
        pClone->_CloneFrom(this);
    return pClone;
}

bool __FCBaseData::_EnsureData()
{
    if (_dataptr)
        return true;
    const uint32_t size = DataSizeLoad();
    bool owned = false;
    void* p = NewLoadBuffer(this, size, owned);
    if (!p)
        return false;
    _dataptr = p;
    _datacapacity = size;
    _ownscopieddata = owned;
    return true;
}

bool __FCBaseData::LoadDataBlock()
{
    if (!_FetchDataBlock())
        return false;
    _TagDocumentID();
    return true;
}

bool __FCBaseData::_FetchDataBlock()
{
    /* A dynamic-size record gets a fresh buffer for every load; a buffer that
       cannot hold the class's record (a smaller copied one) is dropped too. */
    if (_dataptr && (IsDynamicSize() || _datacapacity < DataSizeLoad()))
        ClearData();

    uint32_t offered;
    if (!_dataptr) {
        offered = DataSizeLoad();
        bool owned = false;
        void* p = NewLoadBuffer(this, offered, owned);
        if (!p) {
            _loadedsize = 0;
            return false;
        }
        _dataptr = p;
        _ownscopieddata = owned;
        _datacapacity = offered;
    }
    else {
        offered = static_cast<uint32_t>(std::min<uint64_t>(DataSizeLoad(), _datacapacity));
    }

    uint32_t size = offered;
    if (!FX_LoadEData(Tag(), _key, _dataptr, &size, EnigmaVersion())) {
        _loadedsize = 0;
        return false;
    }

    /* Never trust more bytes than the buffer offered. A dynamic-size record
       that grew is loaded again into a buffer of the reported size. */
    for (int attempt = 0; size > offered && IsDynamicSize() && attempt < kMaxGrowAttempts; ++attempt) {
        const uint32_t wanted = size;
        unsigned char* grown = NewOwnedBuffer(wanted);
        std::memset(grown, 0, wanted);
        ClearData();
        _dataptr = grown;
        _datacapacity = wanted;
        _ownscopieddata = true;
        offered = wanted;
        size = wanted;
        if (!FX_LoadEData(Tag(), _key, _dataptr, &size, EnigmaVersion())) {
            _loadedsize = 0;
            return false;
        }
    }
    if (size > offered)
        size = offered;

    _loadedsize = size;
    return true;
}

bool __FCBaseData::Save()
{
    if (_loadedsize == 0 || !_dataptr)
        return false;
    const uint32_t size = static_cast<uint32_t>(std::min<uint64_t>(DataSizeSave(), _datacapacity));
    return FX_SaveEData(Tag(), _key, _dataptr, size, EnigmaVersion()) != 0;
}

bool __FCBaseData::Reload()
{
    if (_loadedsize == 0)
        return false;
    return LoadDataBlock();
}

bool __FCBaseData::DeleteData() { return FX_DeleteEData(Tag(), _key, EnigmaVersion()) != 0; }

bool __FCBaseData::DeepDeleteData() { return DeleteData(); }

bool __FCBaseData::LoadNext()
{
    if (!FX_NextEData(Tag(), _key, nullptr, nullptr, EnigmaVersion()))
        return false;
    return LoadDataBlock();
}

int16_t __FCBaseData::_TagDocumentID()
{
    _connecteddocID = FX_GetCurrentEnigmaDocument(qz::kInterfaceVersion);
    return _connecteddocID;
}

bool __FCBaseData::VerifyConnectedDocID() const
{
    return _connecteddocID == 0 || _connecteddocID == FX_GetCurrentEnigmaDocument(qz::kInterfaceVersion);
}

int16_t __FCBaseData::_GetKeyPart(int index) const { return (index >= 0 && index < 3) ? _key[index] : 0; }

void __FCBaseData::_SetKeyPart(int index, int16_t value)
{
    if (index >= 0 && index < 3)
        _key[index] = value;
}

void __FCBaseData::_SetKey(int16_t part1, int16_t part2, int16_t part3)
{
    _key[0] = part1;
    _key[1] = part2;
    _key[2] = part3;
}

void __FCBaseData::_SetLoadedSize(uint64_t size) { _loadedsize = std::min(size, _datacapacity); }

void __FCBaseData::_AssignData(void* pData, uint64_t capacity)
{
    if (_ownscopieddata)
        delete[] static_cast<unsigned char*>(_dataptr);
    _ownscopieddata = false;
    _dataptr = pData;
    _datacapacity = pData ? capacity : 0;
    _loadedsize = std::min(_loadedsize, _datacapacity);
}

bool __FCBaseData::_PrepareNewRecord(uint64_t size)
{
    if (!_EnsureData())
        return false;
    if (_datacapacity < size) {
        unsigned char* grown = NewOwnedBuffer(size);
        ClearData();
        _dataptr = grown;
        _datacapacity = size;
        _ownscopieddata = true;
    }
    std::memset(_dataptr, 0, _datacapacity);
    _loadedsize = size;
    return true;
}
