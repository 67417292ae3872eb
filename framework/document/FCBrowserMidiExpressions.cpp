#include "document/FCBrowserMidiExpressions.h"

#include "document/FCCell.h"
#include "document/FCMidiExpression.h"
#include "core/FCIteratorHandler.h"
#include "document/FCMusicRegion.h"

const char* FCBrowserMidiExpressions::ClassName() const { return "FCBrowserMidiExpressions"; }

__FCBase* FCBrowserMidiExpressions::FindFirst(FCIteratorHandler*) { return nullptr; }

bool FCBrowserMidiExpressions::RegionIterateCellHandler(FCCell* pCell, FCIteratorHandler* pHandler,
                                                        FCMusicRegion* pRegion)
{
    return _IterateCellDetails<FCMidiExpression>(pCell, pHandler, pRegion);
}
