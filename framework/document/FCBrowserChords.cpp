#include "document/FCBrowserChords.h"

#include "document/FCCell.h"
#include "document/FCChord.h"
#include "core/FCIteratorHandler.h"
#include "document/FCMusicRegion.h"

const char* FCBrowserChords::ClassName() const { return "FCBrowserChords"; }

__FCBase* FCBrowserChords::FindFirst(FCIteratorHandler*) { return nullptr; }

bool FCBrowserChords::RegionIterateCellHandler(FCCell* pCell, FCIteratorHandler* pHandler, FCMusicRegion* pRegion)
{
    return _IterateCellDetails<FCChord>(pCell, pHandler, pRegion);
}
