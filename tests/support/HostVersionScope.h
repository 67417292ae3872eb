#ifndef TESTS_SUPPORT_HOSTVERSIONSCOPE_H
#define TESTS_SUPPORT_HOSTVERSIONSCOPE_H

#include <cstdint>

#include "core/FinaleVersion.h"

/* Runs a block as if the host had announced another version; restores the
   previous one at the end of the scope. */
class HostVersionScope
{
public:
    explicit HostVersionScope(uint32_t version) : _saved(GetFinaleFrameworkVersion())
    {
        SetFinaleFrameworkVersion(version);
    }
    ~HostVersionScope() { SetFinaleFrameworkVersion(_saved); }
    HostVersionScope(const HostVersionScope&) = delete;
    HostVersionScope& operator=(const HostVersionScope&) = delete;

private:
    uint32_t _saved;
};

#endif
