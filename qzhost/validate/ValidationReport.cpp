#include "qzhost/validate/ValidationReport.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <ostream>
#include <sstream>

using nlohmann::json;

namespace
{

json ToJson(const CheckResult& result)
{
    return json{{"name", result.name},       {"passed", result.passed},
                {"detail", result.detail},   {"reproducer", result.reproducer},
                {"figures", result.figures}, {"fatal", result.fatal}};
}

std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

std::string FigureText(const std::map<std::string, long long>& figures)
{
    std::string text;
    for (const auto& figure : figures)
        text += (text.empty() ? "" : ", ") + figure.first + " " + std::to_string(figure.second);
    return text;
}

/* Every line of text, indented, so that a multi-line detail or a script
   stays readable under its check. */
void PrintIndented(const std::string& text, const char* indent, std::ostream& out)
{
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
        out << indent << line << "\n";
}

void PrintCheck(int level, const ReportedCheck& check, std::ostream& out)
{
    const CheckResult& result = check.result;
    out << (result.passed ? "pass" : "FAIL") << "  level " << level << "  " << check.group << ": " << result.name;
    const std::string firstLine = result.detail.substr(0, result.detail.find('\n'));
    if (!firstLine.empty())
        out << ": " << firstLine;
    if (!result.figures.empty())
        out << " [" << FigureText(result.figures) << "]";
    out << "\n";
    if (firstLine.size() < result.detail.size())
        PrintIndented(result.detail.substr(firstLine.size() + 1), "      ", out);
    if (!result.reproducer.empty()) {
        out << "      reproducer (qzhost script):\n";
        PrintIndented(result.reproducer, "        ", out);
    }
}

} // namespace

bool ValidationReport::Passed() const { return FailedCount() == 0 && stopped.empty() && CheckCount() > 0; }

size_t ValidationReport::CheckCount() const
{
    size_t count = 0;
    for (const LevelReport& ran : levels)
        count += ran.checks.size();
    return count;
}

size_t ValidationReport::FailedCount() const
{
    size_t count = 0;
    for (const LevelReport& ran : levels)
        for (const ReportedCheck& check : ran.checks)
            count += check.result.passed ? 0 : 1;
    return count;
}

std::map<std::string, long long> ValidationReport::Figures() const
{
    std::map<std::string, long long> sums;
    for (const LevelReport& ran : levels)
        for (const ReportedCheck& check : ran.checks)
            for (const auto& figure : check.result.figures)
                sums[figure.first] += figure.second;
    return sums;
}

/* Texts a module wrote need not be UTF-8: invalid bytes print as U+FFFD. */
std::string CheckResultToJson(const CheckResult& result)
{
    return ToJson(result).dump(-1, ' ', false, json::error_handler_t::replace);
}

bool CheckResultFromJson(const std::string& line, CheckResult& result)
{
    const json value = json::parse(line, nullptr, false);
    if (!value.is_object() || !value.contains("name") || !value["name"].is_string())
        return false;
    result = CheckResult();
    result.name = value["name"].get<std::string>();
    result.passed = value.value("passed", false);
    result.detail = value.value("detail", std::string());
    result.reproducer = value.value("reproducer", std::string());
    result.fatal = value.value("fatal", false);
    if (value.contains("figures") && value["figures"].is_object())
        for (const auto& figure : value["figures"].items())
            if (figure.value().is_number_integer())
                result.figures[figure.key()] = figure.value().get<long long>();
    return true;
}

void PrintReportText(const ValidationReport& report, std::ostream& out)
{
    for (const LevelReport& level : report.levels)
        for (const ReportedCheck& check : level.checks)
            PrintCheck(level.level, check, out);
    if (!report.stopped.empty())
        out << "stopped: " << report.stopped << "\n";
    const std::string figures = FigureText(report.Figures());
    out << (report.Passed() ? "passed" : "FAILED") << ": " << report.CheckCount() << " checks, " << report.FailedCount()
        << " failed, level " << report.level << ", seed " << report.seed;
    if (!figures.empty())
        out << "; " << figures;
    out << "; " << Seconds(report.seconds) << "\n";
}

void PrintReportJson(const ValidationReport& report, std::ostream& out)
{
    json levels = json::array();
    for (const LevelReport& level : report.levels) {
        json checks = json::array();
        for (const ReportedCheck& check : level.checks) {
            json entry = ToJson(check.result);
            entry["group"] = check.group;
            checks.push_back(entry);
        }
        levels.push_back(
            json{{"level", level.level}, {"groups", level.groups}, {"seconds", level.seconds}, {"checks", checks}});
    }
    const json document{{"module", report.module},       {"level", report.level},
                        {"seed", report.seed},           {"passed", report.Passed()},
                        {"checks", report.CheckCount()}, {"failed", report.FailedCount()},
                        {"figures", report.Figures()},   {"stopped", report.stopped},
                        {"seconds", report.seconds},     {"levels", levels}};
    out << document.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
}
