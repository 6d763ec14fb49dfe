#pragma once
// Google Benchmark cases run side by side: each round runs one repetition of every side
// before the next round starts, so a change in the machine's load falls on all sides alike.
// The reporter keeps each side's median over the rounds.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

struct BenchSide {
    std::string name;
    std::function<void(benchmark::State&)> run;
};

// Registers `rounds` rounds of the sides; each registered case is named "<side>/round:<n>".
// iterations 0: as many as the library chooses.
void RegisterAlternating(const std::vector<BenchSide>& sides, int rounds, benchmark::TimeUnit unit,
                         int64_t iterations = 0, bool manualTime = false);

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // The median real time of a side over its rounds, in the unit it was registered with; 0 when none ran.
    double MedianTime(const std::string& side) const;

private:
    std::map<std::string, std::vector<double>> m_times;
};
