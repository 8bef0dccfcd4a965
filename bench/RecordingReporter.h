#pragma once

// The console reporter of the benchmarks that compare themselves with a peer: it keeps each
// benchmark's time per iteration, so that main can print the ratios after the runs.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace planova::bench {

/// Keeps each benchmark's time per iteration (the median with repetitions) for the summary, by the
/// benchmark's name with its arguments.
class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // With repetitions the median stands for the benchmark.
        for (const Run& run : runs) {
            if (!run.aggregate_name.empty() && run.aggregate_name != "median")
                continue;
            // The name with its arguments ("DayCsv/20"); a benchmark without any is named as it is.
            RealTimes[run.run_name.str()] = run.GetAdjustedRealTime();
            CpuTimes[run.run_name.str()] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> RealTimes;
    std::map<std::string, double> CpuTimes;
};

/// Our time over the peer's time, 0 when either did not run.
inline double Ratio(const std::map<std::string, double>& times, const char* ours, const char* peer)
{
    const auto a = times.find(ours);
    const auto b = times.find(peer);
    return a == times.end() || b == times.end() ? 0.0 : a->second / b->second;
}

} // namespace planova::bench
