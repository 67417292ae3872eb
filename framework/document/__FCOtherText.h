#ifndef FRAMEWORK_DOCUMENT___FCOTHERTEXT_H
#define FRAMEWORK_DOCUMENT___FCOTHERTEXT_H

#include <cstdint>

#include "document/FCRawText.h"

/* A text record of another text kind of the host, keyed by an item number
 * (the raw text number). Concrete classes give the tag. */
class __FCOtherText : public FCRawText
{
public:
    const char* ClassName() const override;
    /* Key part 1 is the item number. */
    void SetRawTextNumber(int16_t number) override;
    int16_t GetItemNo() const override;

    /* The text of class TEXT stored under item, in a new string that the
       caller owns; null when there is none. */
    template <class TEXT>
    static FCString* CreateItemString(int16_t item)
    {
        TEXT text;
        return text.Load(item) ? text.CreateString() : nullptr;
    }
    /* Stores the string as the text of class TEXT under item (replacing any
       text there); false for a null string. */
    template <class TEXT>
    static bool SaveItemString(int16_t item, const FCString* pString)
    {
        if (!pString)
            return false;
        TEXT text;
        text.SetText(pString);
        return text.SaveAs(item);
    }
};

/* Declares a text class of the given tag. */
#define FCOTHERTEXT_CLASS(CLASS, TAG)                             \
    class CLASS : public __FCOtherText                            \
    {                                                             \
    public:                                                       \
        static constexpr uint32_t kTag = TAG;                     \
        const char* ClassName() const override { return #CLASS; } \
        uint32_t Tag() const override { return kTag; }            \
    };

#endif
