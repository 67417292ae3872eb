#ifndef FRAMEWORK_DOCUMENT_FCBROWSERMIDIEXPRESSIONS_H
#define FRAMEWORK_DOCUMENT_FCBROWSERMIDIEXPRESSIONS_H

#include "document/__FCBrowserRegionBase.h"

/* Visits the MIDI expression records (FCMidiExpression) of the cells of a region, or of the
 * current selection, whose position lies within the region. */
class FCBrowserMidiExpressions : public __FCBrowserRegionBase
{
public:
    const char* ClassName() const override;

    /* Searching is not offered: always null. */
    __FCBase* FindFirst(FCIteratorHandler* pHandler) override;
    bool RegionIterateCellHandler(FCCell* pCell, FCIteratorHandler* pHandler, FCMusicRegion* pRegion) override;
};

#endif
