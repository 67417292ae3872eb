#ifndef FRAMEWORK_CORE___FCBASE_H
#define FRAMEWORK_CORE___FCBASE_H

#include <cstdint>

/* The root of every framework class.
 *
 * Virtual operations, in slot order (subclasses keep these signatures when
 * they override them):
 *   1. GetClassID() const    -> 0 unless a class has its own number
 *   2. ClassName() const     -> the class's constant name
 *   3. the destructor
 *   4. IsIdentical(other) const
 *
 * The object carries a user-data pointer for its owner (searched by
 * __FCCollection::FindUserData) and a second pointer-size field that the core
 * keeps at zero. */
class __FCBase
{
    void* _userdata;
    [[maybe_unused]] void* _reserved; /* layout only: kept at zero */

public:
    /* Measurement units, used by the text/measurement conversions and by the
       edit controls. */
    enum MEASUREMENTUNITS
    {
        MEASUREMENTUNIT_DEFAULT = 0,
        MEASUREMENTUNIT_EVPUS = 1,
        MEASUREMENTUNIT_INCHES = 2,
        MEASUREMENTUNIT_CENTIMETERS = 3,
        MEASUREMENTUNIT_POINTS = 4,
        MEASUREMENTUNIT_PICAS = 5,
        MEASUREMENTUNIT_SPACES = 6,
        MEASUREMENTUNIT_MILLIMETERS = 100
    };

    __FCBase();
    /* Copies carry no user data: the owner attaches it to one object only. */
    __FCBase(const __FCBase&);
    __FCBase& operator=(const __FCBase&);

    virtual int GetClassID() const;
    virtual const char* ClassName() const;
    virtual ~__FCBase();
    /* True when other is not null and reports the same class name. */
    virtual bool IsIdentical(const __FCBase* pOther) const;

    void SetUserData(void* pData) { _userdata = pData; }
    void* GetUserData() const { return _userdata; }

    /* Set (on) or clear (!on) the mask bits of *pWord; a null word is left alone. */
    static void Set16BitFlag(uint16_t* pWord, uint16_t mask, bool on);
    static void Set32BitFlag(uint32_t* pWord, uint32_t mask, bool on);
};

#endif
