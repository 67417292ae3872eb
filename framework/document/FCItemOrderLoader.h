#ifndef FRAMEWORK_DOCUMENT_FCITEMORDERLOADER_H
#define FRAMEWORK_DOCUMENT_FCITEMORDERLOADER_H

class __FCCollectionData;
class __FCNoInciOther;

/* Fills a list of records keyed by an item number with every existing record
 * of its element class, in the host's item order: item 1 when it exists,
 * otherwise the first existing item, then each next existing item (gaps in
 * the numbering are stepped over). */
class FCItemOrderLoader
{
public:
    /* Empties the list, loads, and returns the count. */
    static int LoadAll(__FCCollectionData* pList);
    /* Loads every existing record into pScratch in the same order and calls
       visit(pScratch, pContext) after each load, until visit returns false;
       returns the number of records visited. No record object is made. */
    static int Visit(__FCNoInciOther* pScratch, bool (*visit)(__FCNoInciOther* pRecord, void* pContext),
                     void* pContext);
};

#endif
