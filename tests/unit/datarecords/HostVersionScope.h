#ifndef TESTS_UNIT_DATARECORDS_HOSTVERSIONSCOPE_H
#define TESTS_UNIT_DATARECORDS_HOSTVERSIONSCOPE_H

#include <cstdint>

#include "FinaleExtension.h"

/* Runs a test under another running host version and restores the previous
   one afterwards. */
class HostVersionScope
{
public:
    explicit HostVersionScope(uint32_t version) : _previous(GetFinaleFrameworkVersion())
    {
        SetFinaleFrameworkVersion(version);
    }
    ~HostVersionScope() { SetFinaleFrameworkVersion(_previous); }
    HostVersionScope(const HostVersionScope&) = delete;
    HostVersionScope& operator=(const HostVersionScope&) = delete;

private:
    uint32_t _previous;
};

/* Gives a test access to the preparation of a fresh record in memory. */
template <class RECORD>
class InMemoryRecord : public RECORD
{
public:
    using RECORD::RECORD;
    bool Prepare() { return this->_PrepareNewRecord(this->DataSizeLoad()); }
};

#endif
