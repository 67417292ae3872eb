#ifndef QZHOST_VALIDATE_VALIDATIONREPORT_H
#define QZHOST_VALIDATE_VALIDATIONREPORT_H

/* What a validator run found, and the two ways of printing it: one line per
   check for people, one JSON document for programs. */

#include "qzhost/validate/ValidationChecks.h"

#include <iosfwd>
#include <string>
#include <vector>

struct ReportedCheck
{
    std::string group; /* id of the group that reported it */
    CheckResult result;
};

struct LevelReport
{
    int level = 0;
    std::vector<std::string> groups; /* ids, in the order they ran */
    std::vector<ReportedCheck> checks;
    double seconds = 0;
};

struct ValidationReport
{
    std::string module;
    int level = 0;
    uint64_t seed = 0;
    std::vector<LevelReport> levels;
    /* Why levels were left out ("" when every level asked for ran). */
    std::string stopped;
    double seconds = 0;

    bool Passed() const;
    size_t CheckCount() const;
    size_t FailedCount() const;
    /* Every figure summed over all checks. */
    std::map<std::string, long long> Figures() const;
};

/* One check result as one line of JSON (no line feed), and back; false when
   the line is not such a record. */
std::string CheckResultToJson(const CheckResult& result);
bool CheckResultFromJson(const std::string& line, CheckResult& result);

void PrintReportText(const ValidationReport& report, std::ostream& out);
void PrintReportJson(const ValidationReport& report, std::ostream& out);

#endif
