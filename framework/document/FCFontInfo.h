#ifndef FRAMEWORK_DOCUMENT_FCFONTINFO_H
#define FRAMEWORK_DOCUMENT_FCFONTINFO_H

#include <cstdint>

#include "strings/FCString.h"
#include "core/__FCBase.h"

/* One font description: name, size and effects word, written and parsed as
 * the host's caret text commands ("^font(...)^size(...)^nfx(...)"). A new
 * object holds the default name, size 12 and no effects. */
class FCFontInfo : public __FCBase
{
public:
    /* The name every new font description starts with: "Times New Roman". */
    static FCString DefaultFontName;

    FCFontInfo();
    FCFontInfo(const FCFontInfo& other);
    FCFontInfo& operator=(const FCFontInfo& other);

    const char* ClassName() const override;

    void GetNameString(FCString* pName) const;
    void SetNameString(const FCString* pName);
    /* The name of host font number id; the default name when the host does
       not know the number. */
    void SetNameByID(int16_t id);
    /* The host font number of the name. */
    int16_t GetNameByID();

    int16_t GetSize() const { return _size; }
    void SetSize(int16_t size) { _size = size; }
    uint16_t GetEffects() const { return _effects; }
    void SetEffects(uint16_t effects) { _effects = effects; }

    /* The host's text encoding. */
    int GetSystemTextEncoding() const;
    /* Copies name, size and effects; nothing for null. */
    void CopyFrom(const FCFontInfo* pOther);
    /* Same size, same name (case-sensitive) and the same effects bits 0, 1,
       2, 5, 6 and 7. */
    bool IsIdenticalTo(const FCFontInfo* pOther) const;

    /* Writes "^font(name)^size(n)^nfx(n)", with the command word in place of
       "^font" when one is given. False only for a null output string. */
    bool MakeEnigmaString(FCString* pOut, const FCString* pCommandWord) const;
    FCString* CreateEnigmaString(const FCString* pCommandWord) const;
    void MakeEnigmaSizeString(FCString* pOut) const;
    void MakeEnigmaStyleString(FCString* pOut) const;
    FCString* CreateEnigmaStyleString() const;
    /* Takes one font, size or effects command into this object. */
    bool ParseEnigmaCommand(const FCString* pCommand);

    /* Makes this font the document's default music font. */
    bool MakeDefaultMusicFont();

private:
    FCString _name;
    int16_t _size;
    uint16_t _effects;
};

#endif
