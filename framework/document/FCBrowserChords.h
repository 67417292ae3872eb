#ifndef FRAMEWORK_DOCUMENT_FCBROWSERCHORDS_H
#define FRAMEWORK_DOCUMENT_FCBROWSERCHORDS_H

#include "document/__FCBrowserRegionBase.h"

/* Visits the chord symbol records (FCChord) of the cells of a region, or of the
 * current selection, whose position lies within the region. */
class FCBrowserChords : public __FCBrowserRegionBase
{
public:
    const char* ClassName() const override;

    /* Searching is not offered: always null. */
    __FCBase* FindFirst(FCIteratorHandler* pHandler) override;
    bool RegionIterateCellHandler(FCCell* pCell, FCIteratorHandler* pHandler, FCMusicRegion* pRegion) override;
};

#endif
