#ifndef FRAMEWORK_DOCUMENT_FCENCLOSURE_H
#define FRAMEWORK_DOCUMENT_FCENCLOSURE_H

#include <cstdint>

#include "__FCNoInciOther.h"

/* The enclosure (frame) of a text item, 12 bytes, keyed by the item it
   belongs to. Its tag is set by the owner (custom tag); 'otDe' otherwise. */
class FCEnclosure : public __FCNoInciOther
{
public:
    static constexpr uint32_t kRecordSize = 12;
    static constexpr uint32_t kExpressionEnclosureTag = 0x6F744465;

    FCEnclosure();

    int GetClassID() const override;
    const char* ClassName() const override;
    void* Allocate() override;
    __FCBaseData* CreateObject() override;
    uint32_t Tag() const override;
    uint32_t DataSizeLoad() const override;

private:
    alignas(8) unsigned char _record[kRecordSize];
};

#endif
