#pragma once
// What the bench programs share: whole programs run and timed from their start, sides run
// in turn round by round, medians, and the conditions printed beside every figure.
#include <functional>
#include <string>
#include <vector>

struct ProgramRun {
    double seconds = 0;
    double peakMb = 0; // the process's peak resident memory
    bool ok = false;
};

// Runs the program (searched on PATH) in a process of its own, its output thrown away unless
// `output` names a file; timed from just before it is started to its exit.
ProgramRun RunProgram(const std::vector<std::string>& args, const std::string& output = "/dev/null");
// This bench program's own path, for a side run in a fresh process of its own.
std::string SelfPath();

// Runs one run of every side per round, `rounds` times; the runs of each side in order.
std::vector<std::vector<ProgramRun>> Alternate(int rounds, const std::vector<std::function<ProgramRun()>>& sides);

// One conversion by this program (started as `<self> --convert <in> <out>`) and one by the
// tool's command per round, each a fresh process; the system's runs first.
std::vector<std::vector<ProgramRun>> ConvertInTurn(int rounds, const std::string& in, const std::string& out,
                                                   const std::vector<std::string>& tool);

double Median(std::vector<double> values);
double MedianSeconds(const std::vector<ProgramRun>& runs);
double MaxPeakMb(const std::vector<ProgramRun>& runs);
bool AllOk(const std::vector<ProgramRun>& runs);

// "| 5444 ms | 7317 ms | 1.34 | at least 0.90 |": the medians of the system's runs and the
// other side's, the other's time over the system's, and the aim; it says so when a run failed.
std::string RatioRow(const std::vector<ProgramRun>& ours, const std::vector<ProgramRun>& theirs, const char* aim);

// The 1-minute load average now.
double LoadNow();
// "Release build, load 11.6 to 12.3" for figures taken between `loadBefore` and now.
std::string Conditions(double loadBefore);
