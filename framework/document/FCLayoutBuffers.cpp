#include "document/FCLayoutBuffers.h"

#include "core/FinaleVersion.h"

FCLayoutBuffers::FCLayoutBuffers(const FCRecordLayout* pTable, int count)
    : _ptable(pTable), _count(count > 0 ? count : 1)
{
    _buffers.resize(static_cast<std::size_t>(_count));
    for (int i = 0; i < _count; ++i)
        _buffers[static_cast<std::size_t>(i)].assign(_ptable[i].size ? _ptable[i].size : 1, 0);
}

int FCLayoutBuffers::Index() const
{
    const uint32_t host = GetFinaleFrameworkVersion();
    int index = 0;
    for (int i = 1; i < _count; ++i)
        if (host >= _ptable[i].fromHost)
            index = i;
    return index;
}
