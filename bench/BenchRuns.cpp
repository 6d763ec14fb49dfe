#include "BenchRuns.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>

extern char** environ;

ProgramRun RunProgram(const std::vector<std::string>& args, const std::string& output)
{
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ProgramRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(child, &status, 0, &usage) != child) return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakMb = double(usage.ru_maxrss) / 1024;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

std::string SelfPath()
{
    char path[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, size_t(n)) : std::string();
}

std::vector<std::vector<ProgramRun>> Alternate(int rounds, const std::vector<std::function<ProgramRun()>>& sides)
{
    std::vector<std::vector<ProgramRun>> runs(sides.size());
    for (int round = 0; round < rounds; ++round)
        for (size_t side = 0; side < sides.size(); ++side) runs[side].push_back(sides[side]());
    return runs;
}

std::vector<std::vector<ProgramRun>> ConvertInTurn(int rounds, const std::string& in, const std::string& out,
                                                   const std::vector<std::string>& tool)
{
    return Alternate(rounds, {[&] { return RunProgram({SelfPath(), "--convert", in, out}); },
                              [&] { return RunProgram(tool); }});
}

double Median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double MedianSeconds(const std::vector<ProgramRun>& runs)
{
    std::vector<double> seconds;
    for (const ProgramRun& r : runs) seconds.push_back(r.seconds);
    return Median(seconds);
}

double MaxPeakMb(const std::vector<ProgramRun>& runs)
{
    double peak = 0;
    for (const ProgramRun& r : runs) peak = std::max(peak, r.peakMb);
    return peak;
}

bool AllOk(const std::vector<ProgramRun>& runs)
{
    return std::all_of(runs.begin(), runs.end(), [](const ProgramRun& r) { return r.ok; });
}

std::string RatioRow(const std::vector<ProgramRun>& ours, const std::vector<ProgramRun>& theirs, const char* aim)
{
    const double a = MedianSeconds(ours), b = MedianSeconds(theirs);
    char text[160];
    std::snprintf(text, sizeof text, "| %.0f ms | %.0f ms | %.2f | %s |%s", a * 1000, b * 1000, a > 0 ? b / a : 0.0, aim,
                  AllOk(ours) && AllOk(theirs) ? "" : " (a run failed)");
    return text;
}

double LoadNow()
{
    double load = 0;
    std::ifstream("/proc/loadavg") >> load;
    return load;
}

std::string Conditions(double loadBefore)
{
    char text[160];
    std::snprintf(text, sizeof text, "%s build, %d cores, load %.1f to %.1f", MV_BENCH_BUILD_TYPE,
                  int(sysconf(_SC_NPROCESSORS_ONLN)), loadBefore, LoadNow());
    return text;
}
