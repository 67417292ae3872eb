#ifndef TESTS_UNIT_CORE_BASE_TRACKED_H
#define TESTS_UNIT_CORE_BASE_TRACKED_H

#include "core/__FCBase.h"
#include "core/__FCCollection.h"

/* A list element that counts its live instances, so that tests can see
   exactly which elements a list deletes. */
class Tracked : public __FCBase
{
public:
    static inline int live = 0;
    int value;

    explicit Tracked(int v = 0) : value(v) { ++live; }
    Tracked(const Tracked& other) : __FCBase(other), value(other.value) { ++live; }
    ~Tracked() override { --live; }
    const char* ClassName() const override { return "Tracked"; }
};

/* The value of the element at index, -1 for a null slot or a bad index. */
inline int ValueAt(const __FCCollection& list, int index)
{
    const auto* p = static_cast<const Tracked*>(list.GetItemAt(index));
    return p ? p->value : -1;
}

/* Appends elements with the values first .. first + count - 1. */
inline void Fill(__FCCollection& list, int count, int first = 0)
{
    for (int i = 0; i < count; ++i)
        list.Add(new Tracked(first + i));
}

#endif
