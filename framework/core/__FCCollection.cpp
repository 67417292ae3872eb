#include "core/__FCCollection.h"

#include <climits>
#include <cstddef>

#include "core/FCIteratorHandler.h"

namespace
{

/* Growth step by the number of elements already held. */
int GrowthStep(int count)
{
    if (count <= 100)
        return 10;
    if (count <= 1000)
        return 50;
    if (count <= 10000)
        return 100;
    return 1000;
}

} // namespace

__FCCollection::__FCCollection() : _count(0), _capacity(0), _elements(nullptr) {}

__FCCollection::~__FCCollection()
{
    _FreeElements();
    delete[] _elements;
}

const char* __FCCollection::ClassName() const { return "__FCCollection"; }

void __FCCollection::_RequireElement(int extra)
{
    if (extra <= 0)
        return;
    const long long needed = static_cast<long long>(_count) + extra;
    if (_capacity >= needed)
        return;
    const int step = GrowthStep(_count);
    const long long newCapacity = (needed + step) / step * step;
    if (newCapacity > INT_MAX)
        return; /* beyond what an index can address */
    auto** grown = new __FCBase*[static_cast<std::size_t>(newCapacity)]();
    for (int i = 0; i < _count; ++i)
        grown[i] = _elements[i];
    delete[] _elements;
    _elements = grown;
    _capacity = static_cast<int>(newCapacity);
}

int __FCCollection::Add(__FCBase* pObject) { return InsertItemAt(pObject, -1); }

int __FCCollection::InsertItemAt(__FCBase* pObject, int index)
{
    _RequireElement(1);
    if (_capacity <= _count) {
        delete pObject; /* could not grow: the object was handed over all the same */
        return _count;
    }
    if (index < 0 || index >= _count)
        index = _count;
    for (int i = _count; i > index; --i)
        _elements[i] = _elements[i - 1];
    _elements[index] = pObject;
    return ++_count;
}

__FCBase* __FCCollection::GetItemAt(int index) const
{
    if (!_elements || index < 0 || index >= _count)
        return nullptr;
    return _elements[index];
}

int __FCCollection::GetIndexOf(const __FCBase* pObject) const
{
    for (int i = 0; i < _count; ++i)
        if (_elements[i] == pObject)
            return i;
    return -1;
}

bool __FCCollection::ElementExists(const __FCBase* pObject) const { return GetIndexOf(pObject) >= 0; }

__FCBase* __FCCollection::FindUserData(const void* pValue) const
{
    for (int i = 0; i < _count; ++i)
        if (_elements[i] && _elements[i]->GetUserData() == pValue)
            return _elements[i];
    return nullptr;
}

__FCBase* __FCCollection::DetachItemAt(int index)
{
    if (!_elements || index < 0 || index >= _count)
        return nullptr;
    __FCBase* pObject = _elements[index];
    for (int i = index; i < _count - 1; ++i)
        _elements[i] = _elements[i + 1];
    _elements[--_count] = nullptr;
    return pObject;
}

bool __FCCollection::ClearItemAt(int index)
{
    if (!_elements || index < 0 || index >= _count)
        return false;
    delete DetachItemAt(index);
    return true;
}

bool __FCCollection::Swap(int index1, int index2)
{
    if (index1 == index2 || index1 < 0 || index2 < 0 || index1 >= _count || index2 >= _count)
        return false;
    __FCBase* pObject = _elements[index1];
    _elements[index1] = _elements[index2];
    _elements[index2] = pObject;
    return true;
}

int __FCCollection::ToEndFrom(int start, FCIteratorHandler* pHandler)
{
    if (!pHandler)
        return 0;
    int visited = 0;
    /* The count is read again on every step: the handler may append. */
    for (int i = start < 0 ? 0 : start; i < _count; ++i) {
        __FCBase* pObject = _elements[i];
        if (!pObject)
            continue;
        if (!pHandler->Iterate(pObject))
            break;
        ++visited;
    }
    return visited;
}

int __FCCollection::ForEach(FCIteratorHandler* pHandler) { return ToEndFrom(0, pHandler); }

int __FCCollection::ForEachIndex(FCIteratorHandler* pHandler)
{
    if (!pHandler)
        return 0;
    int visited = 0;
    for (int i = 0; i < _count; ++i) {
        __FCBase* pObject = _elements[i];
        if (!pObject)
            continue;
        if (!pHandler->IterateIndex(pObject, i))
            break;
        ++visited;
    }
    return visited;
}

__FCBase* __FCCollection::FindFirst(FCIteratorHandler* pHandler)
{
    if (!pHandler)
        return nullptr;
    for (int i = 0; i < _count; ++i)
        if (_elements[i] && pHandler->Match(_elements[i]))
            return _elements[i];
    return nullptr;
}

bool __FCCollection::Sort(FCIteratorHandler* pHandler)
{
    if (!pHandler || _count < 2)
        return false;
    bool exchanged = false;
    for (int i = 0; i < _count - 1; ++i) {
        for (int j = i + 1; j < _count; ++j) {
            if (!_elements[i] || !_elements[j])
                continue;
            if (pHandler->Compare(_elements[i], _elements[j]) > 0) {
                Swap(i, j);
                exchanged = true;
            }
        }
    }
    return exchanged;
}

void __FCCollection::_FreeElements()
{
    for (int i = 0; i < _count; ++i) {
        /* Null the slot first: an element's destructor may look at its list. */
        __FCBase* pObject = _elements[i];
        _elements[i] = nullptr;
        delete pObject;
    }
}

void __FCCollection::ClearAll()
{
    _FreeElements();
    _count = 0;
}
