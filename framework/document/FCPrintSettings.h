#ifndef FRAMEWORK_DOCUMENT_FCPRINTSETTINGS_H
#define FRAMEWORK_DOCUMENT_FCPRINTSETTINGS_H

#include <cstdint>
#include <vector>

#include "core/__FCBase.h"

class FCDocument;

/* Holds a host print record and prints with it. The record's contents are
   the host's; it is empty until one is set. */
class FCPrintSettings : public __FCBase
{
public:
    const char* ClassName() const override;

    /* Replaces the held print record by a copy of size bytes. */
    void SetPrintRecord(const void* pRecord, uint32_t size);
    /* The held record (null while empty). */
    const void* _GetPrintRecord() const;
    uint32_t _GetPrintRecordSize() const { return static_cast<uint32_t>(_record.size()); }

    /* Prints the current document. */
    bool PrintCurrent();
    /* Prints the given document; false for null. */
    bool PrintDocument(const FCDocument* pDocument);

private:
    std::vector<unsigned char> _record;
};

#endif
