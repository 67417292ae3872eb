#include "BenchTable.h"

#include <cstdio>

namespace
{

std::string FigureOf(const std::string& name) { return name.substr(0, name.find('/')); }
std::string SizeOf(const std::string& name)
{
    const size_t slash = name.find('/');
    return slash == std::string::npos ? "" : name.substr(slash + 1);
}

/* A time in the unit that keeps it readable. */
std::string Readable(double ns)
{
    char text[32];
    if (ns < 1e3)
        std::snprintf(text, sizeof text, "%.3f ns", ns);
    else if (ns < 1e6)
        std::snprintf(text, sizeof text, "%.2f us", ns / 1e3);
    else
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    return text;
}

} // namespace

void BenchTable::AddRatioTarget(const std::string& name, const std::string& reference, double limit)
{
    _targets[name] = Target{reference, 0, limit};
}

void BenchTable::AddTimeTarget(const std::string& name, double nanoseconds)
{
    _targets[name] = Target{"", nanoseconds, 1.0};
}

void BenchTable::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const std::string name = run.run_name.str();
        const bool aggregate = run.run_type == Run::RT_Aggregate;
        if (aggregate && run.aggregate_name != "median")
            continue;
        if (!aggregate && _aggregated[name])
            continue;
        double ns = run.GetAdjustedCPUTime() * benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
        /* Work done in child processes is reported by the benchmark itself. */
        const auto children = run.counters.find(kChildCpuCounter);
        if (children != run.counters.end())
            ns = children->second.value;
        if (aggregate)
            _aggregated[name] = true;
        bool replaced = false;
        for (Figure& figure : _figures)
            if (figure.name == name) {
                figure.nanoseconds = ns; /* the median replaces the single runs */
                replaced = true;
            }
        if (!replaced)
            _figures.push_back(Figure{name, ns});
    }
}

void BenchTable::_Print(const Figure& figure, const std::map<std::string, double>& times,
                        const std::map<std::string, double>& first) const
{
    const double growth = figure.nanoseconds / first.at(FigureOf(figure.name));
    std::string against = "";
    std::string ratio = "";
    std::string verdict = "";
    auto target = _targets.find(figure.name);
    if (target != _targets.end()) {
        const Target& t = target->second;
        auto reference = times.find(t.reference);
        const double base = t.reference.empty() ? t.nanoseconds : (reference == times.end() ? 0 : reference->second);
        if (base > 0) {
            char text[64];
            std::snprintf(text, sizeof text, "%.2fx", figure.nanoseconds / base);
            ratio = text;
            std::snprintf(text, sizeof text, "<= %.2gx", t.limit);
            against = (t.reference.empty() ? Readable(base) : t.reference) + " " + text;
            verdict = figure.nanoseconds <= base * t.limit ? "met" : "MISSED";
        }
    }
    std::printf("%-22s %-12s %12s %8.1fx  %-28s %8s  %s\n", FigureOf(figure.name).c_str(), SizeOf(figure.name).c_str(),
                Readable(figure.nanoseconds).c_str(), growth, against.c_str(), ratio.c_str(), verdict.c_str());
}

void BenchTable::Finalize()
{
    ConsoleReporter::Finalize();
    std::map<std::string, double> times;
    std::map<std::string, double> first;
    for (const Figure& figure : _figures) {
        times[figure.name] = figure.nanoseconds;
        first.emplace(FigureOf(figure.name), figure.nanoseconds);
    }
    std::printf("\n%-22s %-12s %12s %9s  %-28s %8s  %s\n", "figure", "size", "time", "growth", "target", "ratio", "");
    for (const Figure& figure : _figures)
        _Print(figure, times, first);
    std::fflush(stdout);
}

int BenchTable::Main(int argc, char** argv, BenchTable& table)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}
