#ifndef FRAMEWORK_DOCUMENT_FCSTAFFSTYLEDEF_H
#define FRAMEWORK_DOCUMENT_FCSTAFFSTYLEDEF_H

#include <cstdint>

#include "document/FCLayoutBuffers.h"
#include "common/qz_fourcc.h"
#include "document/__FCStaffBase.h"

/* A staff style definition: the staff fields at the staff layout's offsets
 * inside the style's own larger record (144 bytes below host 0x11000000,
 * 292 bytes below 0x12000000, else 296), with the instrument identifier at
 * 274 and the two further flag words at 292 and 294. A style exists when its
 * 12-byte companion record exists; styles are numbered from 1 and walked
 * until the first missing number. */
class FCStaffStyleDef : public __FCStaffBase
{
public:
    static constexpr uint32_t kTag = QZ_FOURCC("SOSY");
    static constexpr uint32_t kCompanionTag = QZ_FOURCC("otSY");

    FCStaffStyleDef();

    int GetClassID() const override;
    const char* ClassName() const override;

    void* Allocate() override;
    __FCBaseData* CreateObject() override;
    uint32_t Tag() const override;
    uint32_t EnigmaVersion() const override;
    uint32_t DataSizeLoad() const override;
    void CloneMemoryFrom(__FCBaseData* pSource) override;
    /* Style 1. */
    bool LoadFirst() override;
    /* The style with the next number. */
    bool LoadNext() override;
    /* Loads the style record only when its companion record exists. */
    bool Load(uint16_t style) override;

#define FCSTAFFSTYLEDEF_DECLARE_PTR(NAME, STAFFOFFSET, STYLEOFFSET, MINVERSION) void* _Get##NAME##Ptr() const override;
    FCSTAFFBASE_FIELDS(FCSTAFFSTYLEDEF_DECLARE_PTR)
#undef FCSTAFFSTYLEDEF_DECLARE_PTR

private:
    FCLayoutBuffers _layouts;
};

#endif
