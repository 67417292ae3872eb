#ifndef FRAMEWORK_DOCUMENT_FCSYSTEMSTAVES_H
#define FRAMEWORK_DOCUMENT_FCSYSTEMSTAVES_H

#include <cstdint>

#include "records/__FCCollectionInciOther.h"

class FCMusicRegion;
class FCSystemStaff;

/* The entries of one staff list in list order (FCSystemStaff elements).
 * A list with item number N is the entries (N, 0), (N, 1), ... up to the
 * first missing position; saving rewrites the whole list in the collection's
 * order. */
class FCSystemStaves : public __FCCollectionInciOther
{
public:
    const char* ClassName() const override;
    __FCBaseData* CreateElement() override;

    /* The staff list of the region's start list, restricted to the staves
       the region includes; returns the number of entries kept. */
    int LoadAllForRegion(const FCMusicRegion* pRegion);
    /* The first entry for that staff, else null (the list keeps it). */
    FCSystemStaff* FindStaff(short staff) const;
    /* The entry at index, else null (the list keeps it). */
    FCSystemStaff* GetItemAt(int index) const;
};

#endif
