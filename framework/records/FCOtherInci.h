#ifndef FRAMEWORK_CORE_FCOTHERINCI_H
#define FRAMEWORK_CORE_FCOTHERINCI_H

#include <cstdint>

#include "records/__FCInciOther.h"

/* A general-purpose 12-byte incident record whose tag is its custom tag. */
class FCOtherInci : public __FCInciOther
{
    /* The record: a 64-bit and a 32-bit part, kept as 12 aligned bytes. */
    alignas(8) unsigned char _record[12];

public:
    static constexpr uint32_t kRecordSize = 12;

    FCOtherInci();

    int GetClassID() const override;
    const char* ClassName() const override;

    void* Allocate() override;
    __FCBaseData* CreateObject() override;
    uint32_t Tag() const override;
    uint32_t DataSizeLoad() const override;
    void CloneMemoryFrom(__FCBaseData* pSource) override;

    /* The 12 record bytes (always present). */
    const void* GetRecordBytes() const { return _record; }
    void SetRecordBytes(const void* pBytes);
};

#endif
