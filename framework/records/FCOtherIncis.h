#ifndef FRAMEWORK_CORE_FCOTHERINCIS_H
#define FRAMEWORK_CORE_FCOTHERINCIS_H

#include <cstdint>

#include "records/__FCCollectionInciOther.h"

class FCOtherInci;

/* A list of 12-byte incident records (FCOtherInci) that together hold one
   block of data, 12 bytes per incident. */
class FCOtherIncis : public __FCCollectionInciOther
{
public:
    const char* ClassName() const override;

    __FCBaseData* CreateElement() override;

    /* count x 12. */
    uint32_t GetMemoryBlockSize() const;
    /* A new array (the caller frees it with delete[]) with the 12 bytes of
       every element in order; null for an empty list. */
    uint8_t* CreateMemoryBlock() const;
    /* Replaces the list by byteCount / 12 elements holding consecutive
       12-byte slices of pData, keyed (item, i); a remainder is ignored.
       Returns the number of elements. */
    int MakeMemoryBlockCollection(const void* pData, uint32_t byteCount, uint16_t item);
    /* Appends empty elements keyed (item, i) until the list holds at least
       recordSize x recordCount bytes. */
    void ExpandToFitRecords(uint32_t recordSize, uint32_t recordCount, uint16_t item);

    FCOtherInci* GetItemAt(int index) const;

private:
    /* A new element keyed (item, incident) holding 12 bytes (zeros when
       pBytes is null), with the list's custom tag. */
    FCOtherInci* _NewElement(uint16_t item, int incident, const void* pBytes);
};

#endif
