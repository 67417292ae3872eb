#ifndef FRAMEWORK_STRINGS_FCNUMBERS_H
#define FRAMEWORK_STRINGS_FCNUMBERS_H

#include "core/__FCCollection.h"
#include "strings/FCNumber.h"

/* An owning list of FCNumber objects. Its class name stays "__FCCollection". */
class FCNumbers : public __FCCollection
{
public:
    /* The element at index as a number (still owned by the list), or null. */
    FCNumber* GetItemAt(int index) const;

    /* Appends a number holding value unless one with that integer exists;
       returns the element holding value (new or found). */
    FCNumber* AddUniqueInt(int value);
    /* Appends a number holding value; returns the new count. */
    int AddInt(int value);
    /* Appends a number holding value; returns the new count. */
    int AddFloat(float value);
    /* The first element whose integer equals value, else null. */
    FCNumber* FindInt(int value) const;
};

#endif
