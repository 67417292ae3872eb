#include "document/__FCDynamicNoInciOther.h"

#include <algorithm>
#include <cstring>

#include "hostlink/fx_host_abi.h"

__FCDynamicNoInciOther::__FCDynamicNoInciOther(uint32_t minimumSize, uint32_t pieceSize)
    : _minimumsize(minimumSize ? minimumSize : 1), _piecesize(pieceSize ? pieceSize : 1)
{
}

uint32_t __FCDynamicNoInciOther::_RoundedSize(uint32_t size) const
{
    size = std::max(size, _minimumsize);
    const uint32_t remainder = size % _piecesize;
    return remainder ? size + (_piecesize - remainder) : size;
}

void* __FCDynamicNoInciOther::Allocate()
{
    _buffer.assign(DataSizeLoad(), 0);
    return _buffer.data();
}

void __FCDynamicNoInciOther::Deallocate()
{
    _buffer.clear();
    _buffer.shrink_to_fit();
}

bool __FCDynamicNoInciOther::IsDynamicSize() const { return true; }

uint32_t __FCDynamicNoInciOther::DataSizeLoad() const
{
    uint32_t size = 0;
    if (!FX_LoadEData(Tag(), _GetKey(), nullptr, &size, EnigmaVersion()))
        size = 0;
    return _RoundedSize(size);
}

void __FCDynamicNoInciOther::_Resize(uint32_t size)
{
    size = _RoundedSize(size);
    std::vector<unsigned char> bytes(size, 0);
    const uint64_t kept = std::min<uint64_t>({GetLoadedSize(), _GetDataCapacity(), size});
    if (_GetData() && kept)
        std::memcpy(bytes.data(), _GetData(), static_cast<std::size_t>(kept));
    ClearData();
    _buffer.swap(bytes);
    _AssignData(_buffer.data(), size);
    _SetLoadedSize(size);
}

void __FCDynamicNoInciOther::PrepareNew()
{
    ClearData();
    _Resize(_minimumsize);
}
