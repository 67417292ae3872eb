#ifndef FRAMEWORK_CORE___FCCOLLECTION_H
#define FRAMEWORK_CORE___FCCOLLECTION_H

#include "core/__FCIteratorBase.h"

class FCIteratorHandler;

/* An owning, growable list of framework objects.
 *
 * The collection owns every element it holds: deleting it deletes them.
 * GetItemAt, FindFirst and FindUserData lend an element (it stays owned by the
 * list); DetachItemAt hands one over to the caller; Add and InsertItemAt take
 * ownership of the object given. A slot may hold null.
 *
 * Virtual operations after those of __FCBase, in slot order:
 *   ForEach, FindFirst, ForEachIndex. */
class __FCCollection : public __FCIteratorBase
{
    int _count;           /* slots in use */
    int _capacity;        /* slots allocated */
    __FCBase** _elements; /* owned; slots at and beyond _count are null */

public:
    __FCCollection();
    /* A list owns its elements, so it is neither copied nor assigned. */
    __FCCollection(const __FCCollection&) = delete;
    __FCCollection& operator=(const __FCCollection&) = delete;

    const char* ClassName() const override;
    ~__FCCollection() override;

    /* Calls pHandler->Iterate for every non-null element, from index 0 while
       the index is below the (re-read) count; stops when Iterate returns false.
       Returns the number of elements for which Iterate returned true. */
    virtual int ForEach(FCIteratorHandler* pHandler);
    /* The first non-null element for which pHandler->Match is true, or null. */
    virtual __FCBase* FindFirst(FCIteratorHandler* pHandler);
    /* As ForEach, with pHandler->IterateIndex(element, index). */
    virtual int ForEachIndex(FCIteratorHandler* pHandler);

    int GetCount() const { return _count; }
    /* Slots allocated (internal; for diagnostics). */
    int _GetCapacity() const { return _capacity; }
    /* Appends (takes ownership); returns the new count. */
    int Add(__FCBase* pObject);
    /* Stores the object at index, moving the later elements up; an index
       outside 0 .. count-1 appends. Returns the new count. */
    int InsertItemAt(__FCBase* pObject, int index);
    /* The element at index (still owned by the list), or null. */
    __FCBase* GetItemAt(int index) const;
    /* Index of the slot holding that very object, -1 if none. */
    int GetIndexOf(const __FCBase* pObject) const;
    bool ElementExists(const __FCBase* pObject) const;
    /* The first non-null element whose user data equals pValue, or null. */
    __FCBase* FindUserData(const void* pValue) const;
    /* Removes the slot and hands the element to the caller; null when out of range. */
    __FCBase* DetachItemAt(int index);
    /* Deletes the element and removes the slot; false when out of range. */
    bool ClearItemAt(int index);
    /* Exchanges two slots; false for equal or out-of-range indexes. */
    bool Swap(int index1, int index2);
    /* As ForEach, starting at index start. */
    int ToEndFrom(int start, FCIteratorHandler* pHandler);
    /* Exchange sort by pHandler->Compare; null slots are never compared or
       moved. True when at least one exchange was made. */
    bool Sort(FCIteratorHandler* pHandler);

    /* Makes room for extra more elements (growth in steps of 10, 50, 100 or
       1000 slots by the current count). */
    void _RequireElement(int extra);
    /* Deletes every element and nulls its slot; the count is left unchanged,
       so use ClearAll to empty the list. */
    void _FreeElements();
    /* Deletes every element and empties the list (the allocation is kept). */
    void ClearAll();
};

#endif
