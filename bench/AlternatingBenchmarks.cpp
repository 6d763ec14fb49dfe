#include "AlternatingBenchmarks.h"

#include "BenchRuns.h"

void RegisterAlternating(const std::vector<BenchSide>& sides, int rounds, benchmark::TimeUnit unit,
                         int64_t iterations, bool manualTime)
{
    for (int round = 1; round <= rounds; ++round)
        for (const BenchSide& side : sides) {
            auto* b = benchmark::RegisterBenchmark((side.name + "/round:" + std::to_string(round)).c_str(),
                                                   [run = side.run](benchmark::State& state) { run(state); });
            b->Unit(unit);
            if (iterations > 0) b->Iterations(iterations);
            if (manualTime)
                b->UseManualTime();
            else
                b->UseRealTime();
        }
}

void MedianReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.error_occurred || run.run_type == Run::RT_Aggregate) continue;
        const std::string name = run.run_name.function_name;
        m_times[name.substr(0, name.find("/round:"))].push_back(run.GetAdjustedRealTime());
    }
    ConsoleReporter::ReportRuns(runs);
}

double MedianReporter::MedianTime(const std::string& side) const
{
    auto found = m_times.find(side);
    return found == m_times.end() ? 0 : Median(found->second);
}
