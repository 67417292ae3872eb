#ifndef FRAMEWORK_DOCUMENT_FCITEMORDERLOADER_H
#define FRAMEWORK_DOCUMENT_FCITEMORDERLOADER_H

class __FCCollectionData;

/* Fills a list of records keyed by an item number with every existing record
 * of its element class, in the host's item order: item 1 when it exists,
 * otherwise the first existing item, then each next existing item (gaps in
 * the numbering are stepped over). */
class FCItemOrderLoader
{
public:
    /* Empties the list, loads, and returns the count. */
    static int LoadAll(__FCCollectionData* pList);
};

#endif
