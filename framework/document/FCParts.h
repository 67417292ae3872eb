#ifndef FRAMEWORK_DOCUMENT_FCPARTS_H
#define FRAMEWORK_DOCUMENT_FCPARTS_H

#include "core/__FCCollection.h"

class FCIteratorHandler;
class FCPart;

/* All parts of the current document (FCPart elements), in the host's
   part-id order after LoadAll. */
class FCParts : public __FCCollection
{
public:
    const char* ClassName() const override;

    /* Replaces the contents with every part of the current document whose
       record loads; returns the count. */
    int LoadAll();
    /* The element with the same document and part as pPart, else null. */
    FCPart* FindPart(const FCPart* pPart) const;
    /* The score (part 0), else null. */
    FCPart* GetScore() const;
    /* The part that is current now, else null. */
    FCPart* GetCurrent() const;
    /* Sorts by order id, ascending. */
    void SortByOrderID();
    /* Visits each part with that part made current (PreProcess first, false
       ends at once; PostProcess after the walk). Returns the number of
       visits whose Iterate returned true. A part the host will not make
       current is not visited. */
    int ForEachWithScope(FCIteratorHandler* pHandler);
    FCPart* GetItemAt(int index) const;
};

#endif
