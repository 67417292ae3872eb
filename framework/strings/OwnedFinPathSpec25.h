#ifndef FRAMEWORK_STRINGS_OWNEDFINPATHSPEC25_H
#define FRAMEWORK_STRINGS_OWNEDFINPATHSPEC25_H

#include <cstdint>

#include "hostlink/fx_types.h"

/* The owning form of the host's folder reference (FinPathSpec25: a 16-bit
 * value and a URL). The host's record itself stays a plain C record, as the
 * host functions fill it; this class keeps its own URL:
 *  - copying or assigning copies the 16-bit value and makes a new URL from
 *    the source's URL before the URL held so far is released, so assigning
 *    an object to itself keeps a valid URL;
 *  - destruction releases the URL. */
class OwnedFinPathSpec25
{
    int16_t _field0;
    FXURLRef _url; /* owned; may be null */

public:
    OwnedFinPathSpec25();
    /* Copies the host's record (a new URL; the record keeps its own). A null
       record gives an empty reference. */
    explicit OwnedFinPathSpec25(const FinPathSpec25* pSpec);
    OwnedFinPathSpec25(const OwnedFinPathSpec25& other);
    OwnedFinPathSpec25& operator=(const OwnedFinPathSpec25& other);
    ~OwnedFinPathSpec25();

    int16_t GetField0() const { return _field0; }
    /* The URL held (still owned by this object), or null. */
    FXURLRef GetURL() const { return _url; }
    bool HasURL() const { return _url != nullptr; }
    /* The folder's file-system path in UTF-8 into buffer (at most size bytes
       with the terminator); false without a URL or when it does not fit. */
    bool GetFileSystemPath(char* buffer, int size) const;

private:
    void _Assign(int16_t field0, FXURLRef url);
};

#endif
