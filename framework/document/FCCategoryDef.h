#ifndef FRAMEWORK_DOCUMENT_FCCATEGORYDEF_H
#define FRAMEWORK_DOCUMENT_FCCATEGORYDEF_H

#include <cstdint>

#include "document/FCLayoutBuffers.h"
#include "document/__FCRecordClassMacros.h"
#include "records/__FCNoInciOther.h"

class FCString;
class FCFontInfo;

/* An expression category. The record has a 2012 layout (296 bytes, UTF-16
 * name) and an older one (104 bytes, 8-bit name); the object holds both
 * buffers and uses the one that fits the running host. */
class FCCategoryDef : public __FCNoInciOther
{
public:
    FCCategoryDef();

    FCRECORD_IDENTITY_DECLARE
    FCLAYOUT_RECORD_DECLARE
    /* Same category ID, flags word and name. */
    bool IsIdentical(const __FCBase* pOther) const override;

    /* True when the host uses the 2012 layout (host version above 0x10FFFFFF). */
    static bool _Use2012Version();

    /* The value text expressions refer to (not the item number). */
    int16_t GetID() const;
    void SetID(int16_t id);
    void GetName(FCString* pName) const;
    /* Writes the name, cut to the field's capacity. */
    void SetName(const FCString* pName);
    uint16_t GetFlags() const;

    bool GetTextFontInfo(FCFontInfo* pFont) const;
    bool GetMusicFontInfo(FCFontInfo* pFont) const;
    bool GetNumberFontInfo(FCFontInfo* pFont) const;

    /* The six category defaults copied into an expression, by their offset
       in the 2012 layout (278 to 288). */
    int16_t _GetDefaultValue(uint32_t offset2012) const;

private:
    struct Layout;
    const Layout& _GetLayout() const;
    bool _GetFontInfo(int which, FCFontInfo* pFont) const;

    FCLayoutBuffers _layouts;
};

#endif
