#ifndef FRAMEWORK_DOCUMENT___FCDYNAMICNOINCIOTHER_H
#define FRAMEWORK_DOCUMENT___FCDYNAMICNOINCIOTHER_H

#include <cstdint>
#include <vector>

#include "records/__FCNoInciOther.h"

/* A record keyed by item number whose size varies from record to record.
 *
 * Before every load the host is asked for the stored size; the buffer is at
 * least the class's minimum size and a whole number of its pieces (the
 * granularity given at construction, 1 for none). _Resize grows or shrinks
 * the record in memory keeping its bytes, so that accessors can add and
 * remove entries before a save. */
class __FCDynamicNoInciOther : public __FCNoInciOther
{
public:
    __FCDynamicNoInciOther(uint32_t minimumSize, uint32_t pieceSize);

    void* Allocate() override;
    void Deallocate() override;
    bool IsDynamicSize() const override;
    uint32_t DataSizeLoad() const override;

    /* Makes the object hold a fresh zeroed record of the minimum size, ready
       to be saved as new. */
    void PrepareNew();
    uint32_t GetMinimumSize() const { return _minimumsize; }
    uint32_t GetPieceSize() const { return _piecesize; }

protected:
    /* Resizes the record in memory to size (raised to the minimum and to whole
       pieces), keeping the existing bytes and zeroing new ones. The object
       counts as loaded with the new size. */
    void _Resize(uint32_t size);
    /* size raised to the minimum and to a whole number of pieces. */
    uint32_t _RoundedSize(uint32_t size) const;

private:
    uint32_t _minimumsize;
    uint32_t _piecesize;
    std::vector<unsigned char> _buffer; /* the buffer handed out by Allocate */
};

#endif
