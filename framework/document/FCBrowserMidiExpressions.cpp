#include "FCBrowserMidiExpressions.h"

#include "FCCell.h"
#include "FCMidiExpression.h"
#include "FCIteratorHandler.h"
#include "FCMusicRegion.h"

const char* FCBrowserMidiExpressions::ClassName() const { return "FCBrowserMidiExpressions"; }

__FCBase* FCBrowserMidiExpressions::FindFirst(FCIteratorHandler*) { return nullptr; }

bool FCBrowserMidiExpressions::RegionIterateCellHandler(FCCell* pCell, FCIteratorHandler* pHandler, FCMusicRegion* pRegion)
{
    return _IterateCellDetails<FCMidiExpression>(pCell, pHandler, pRegion);
}
