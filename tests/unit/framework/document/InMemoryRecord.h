#ifndef TESTS_UNIT_DATARECORDS_INMEMORYRECORD_H
#define TESTS_UNIT_DATARECORDS_INMEMORYRECORD_H

#include "support/HostVersionScope.h"

/* Gives a test access to the preparation of a fresh record in memory. */
template <class RECORD>
class InMemoryRecord : public RECORD
{
public:
    using RECORD::RECORD;
    bool Prepare() { return this->_PrepareNewRecord(this->DataSizeLoad()); }
};

#endif
