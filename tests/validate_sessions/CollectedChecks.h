#ifndef QZ_TESTS_VALIDATE_SESSIONS_COLLECTEDCHECKS_H
#define QZ_TESTS_VALIDATE_SESSIONS_COLLECTEDCHECKS_H

/* A reporter that keeps every check result, for the tests to look at. */

#include <string>
#include <vector>

#include "qzhost/validate/ValidationChecks.h"

class Collect : public CheckReporter
{
public:
    void Report(const CheckResult& result) override { results.push_back(result); }
    const CheckResult* Find(const std::string& name) const
    {
        for (const CheckResult& result : results)
            if (result.name == name)
                return &result;
        return nullptr;
    }
    std::vector<CheckResult> results;
};

#endif
