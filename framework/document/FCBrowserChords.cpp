#include "FCBrowserChords.h"

#include "FCCell.h"
#include "FCChord.h"
#include "FCIteratorHandler.h"
#include "FCMusicRegion.h"

const char* FCBrowserChords::ClassName() const { return "FCBrowserChords"; }

__FCBase* FCBrowserChords::FindFirst(FCIteratorHandler*) { return nullptr; }

bool FCBrowserChords::RegionIterateCellHandler(FCCell* pCell, FCIteratorHandler* pHandler, FCMusicRegion* pRegion)
{
    return _IterateCellDetails<FCChord>(pCell, pHandler, pRegion);
}
