#ifndef FRAMEWORK_DOCUMENT_FCDOCUMENTS_H
#define FRAMEWORK_DOCUMENT_FCDOCUMENTS_H

#include "core/__FCCollection.h"

class FCDocument;
class FCIteratorHandler;
class FCString;

/* All open documents (FCDocument elements), in the host's order. */
class FCDocuments : public __FCCollection
{
public:
    const char* ClassName() const override;

    /* Replaces the contents with one element per open document. */
    int LoadAll();
    /* Visits each document with it made current under a host edit named
       pEditName (edits kept on both switches). Returns the number of visits
       whose Iterate returned true. */
    int ForEachWithScope(FCIteratorHandler* pHandler, FCString* pEditName);
    FCDocument* GetItemAt(int index) const;
};

#endif
