#ifndef FRAMEWORK_CORE___FCCOLLECTIONDATA_H
#define FRAMEWORK_CORE___FCCOLLECTIONDATA_H

#include <cstdint>

#include "records/__FCBaseData.h"
#include "core/__FCCollection.h"

/* A list of record objects of one class, loaded from and saved to the host
 * document. Every loader empties the list first. The list's custom tag is
 * handed to every element it creates, loads or saves (0 for records with a
 * fixed tag).
 *
 * Virtual operations after those of __FCCollection, in slot order:
 *   CreateElement, LoadAll, SaveAll. */
class __FCCollectionData : public __FCCollection
{
    uint32_t _customtag;

public:
    __FCCollectionData();

    const char* ClassName() const override;

    /* A new, unloaded element of the list's record class (caller owns it). */
    virtual __FCBaseData* CreateElement() = 0;
    /* Loads every record of the element class, from LoadFirst through
       LoadNext; returns the count. */
    virtual int LoadAll();
    /* Saves every element in order; false at the first refusal. */
    virtual bool SaveAll();

    uint32_t GetCustomTag() const { return _customtag; }
    void SetCustomTag(uint32_t tag) { _customtag = tag; }

    /* The element at index as a record object (null when out of range or
       not a record). */
    __FCBaseData* GetDataItemAt(int index) const;

protected:
    /* CreateElement with the list's custom tag set; the caller deletes it. */
    __FCBaseData* _CreateScratchElement();
    /* The same, as the record family T; null (nothing left over) when the
       element class is not of that family. */
    template <class T>
    T* _CreateScratchAs()
    {
        __FCBaseData* pElement = _CreateScratchElement();
        T* pScratch = dynamic_cast<T*>(pElement);
        if (!pScratch)
            delete pElement;
        return pScratch;
    }
    /* Appends a copy of the loaded scratch element (key, custom tag,
       connected document and bytes); returns the copy. */
    __FCBaseData* _AppendCopyOf(__FCBaseData* pScratch);
};

#endif
