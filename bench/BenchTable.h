#ifndef BENCH_BENCHTABLE_H
#define BENCH_BENCHTABLE_H

/* The console report of a benchmark program followed by a table of its
 * figures: every benchmark named "figure/size" gets a row with its CPU time
 * (the median when run with repetitions; CPU time, since the machines that
 * run it are shared and wall time counts the other processes), its growth against the figure's
 * first size and, where one is set, its target: a fixed time or another
 * benchmark of the same run (a floor), with the allowed ratio. */

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class BenchTable : public benchmark::ConsoleReporter
{
public:
    /* A benchmark whose work runs in child processes sets this counter (CPU
       nanoseconds of its children per unit of work, averaged over the
       iterations); the table takes it as the figure's time. */
    static constexpr const char* kChildCpuCounter = "child_cpu_ns";

    /* `name` within `limit` x the time of benchmark `reference`. */
    void AddRatioTarget(const std::string& name, const std::string& reference, double limit);
    /* `name` within `nanoseconds`. */
    void AddTimeTarget(const std::string& name, double nanoseconds);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    /* Runs the registered benchmarks with this table as reporter. */
    static int Main(int argc, char** argv, BenchTable& table);

private:
    struct Target
    {
        std::string reference; /* empty: a fixed time */
        double nanoseconds;
        double limit;
    };
    struct Figure
    {
        std::string name;
        double nanoseconds;
    };
    void _Print(const Figure& figure, const std::map<std::string, double>& times,
                const std::map<std::string, double>& first) const;

    std::vector<Figure> _figures;
    std::map<std::string, bool> _aggregated;
    std::map<std::string, Target> _targets;
};

#endif
