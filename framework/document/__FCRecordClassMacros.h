#ifndef FRAMEWORK_DOCUMENT___FCRECORDCLASSMACROS_H
#define FRAMEWORK_DOCUMENT___FCRECORDCLASSMACROS_H

#include <cstdint>

/* Building blocks of the record classes whose record has one fixed size.
 *
 *   class FCSomething : public __FCNoInciOther
 *   {
 *       FCRECORD_CLASS_MEMBERS(12)
 *       ... accessors ...
 *   };
 *   FCRECORD_CLASS_DEFINE(FCSomething, 42, 0x6F745858)          // fixed tag
 *   FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCSomething, 42, 0x6F745858) // custom tag, else default
 *
 * A new object holds a zeroed record. */
#define FCRECORD_CLASS_MEMBERS(RECORDSIZE)                               \
public:                                                                  \
    [[maybe_unused]] static constexpr uint32_t kRecordSize = RECORDSIZE; \
    int GetClassID() const override;                                     \
    const char* ClassName() const override;                              \
    void* Allocate() override { return _record; }                        \
    __FCBaseData* CreateObject() override;                               \
    uint32_t Tag() const override;                                       \
    uint32_t DataSizeLoad() const override { return RECORDSIZE; }        \
                                                                         \
private:                                                                 \
    alignas(8) unsigned char _record[RECORDSIZE] = {};                   \
                                                                         \
public:

/* Declarations of the identity of a record class (inside the class);
   FCRECORD_CLASS_IDENTITY defines the first three, the class its Tag. */
#define FCRECORD_IDENTITY_DECLARE           \
    int GetClassID() const override;        \
    const char* ClassName() const override; \
    __FCBaseData* CreateObject() override;  \
    uint32_t Tag() const override;

#define FCRECORD_CLASS_IDENTITY(CLASS, CLASSID)             \
    int CLASS::GetClassID() const { return CLASSID; }       \
    const char* CLASS::ClassName() const { return #CLASS; } \
    __FCBaseData* CLASS::CreateObject() { return new CLASS(); }

#define FCRECORD_CLASS_DEFINE(CLASS, CLASSID, TAG) \
    FCRECORD_CLASS_IDENTITY(CLASS, CLASSID)        \
    uint32_t CLASS::Tag() const { return TAG; }

#define FCRECORD_CLASS_DEFINE_CUSTOMTAG(CLASS, CLASSID, TAG) \
    FCRECORD_CLASS_IDENTITY(CLASS, CLASSID)                  \
    uint32_t CLASS::Tag() const { return GetCustomTag() ? GetCustomTag() : (TAG); }

/* A collection whose elements are of class ELEMENT. */
#define FCRECORD_COLLECTION_CLASS(COLLECTION, BASE, ELEMENT)                                           \
    class COLLECTION : public BASE                                                                     \
    {                                                                                                  \
    public:                                                                                            \
        const char* ClassName() const override { return #COLLECTION; }                                 \
        __FCBaseData* CreateElement() override { return new ELEMENT(); }                               \
        ELEMENT* GetItemAt(int index) const { return dynamic_cast<ELEMENT*>(BASE::GetItemAt(index)); } \
    };

#endif
