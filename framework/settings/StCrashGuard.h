#pragma once
// Marks the registry while a settings load runs, so that a file which crashed the
// previous load is skipped once instead of crashing every start.
class StCrashGuard {
public:
    StCrashGuard();
    StCrashGuard(const StCrashGuard&) = delete;
    StCrashGuard& operator=(const StCrashGuard&) = delete;
    ~StCrashGuard();

    bool Crashed() const { return m_crashed; }
    static bool CrashedLastTime();

    static StCrashGuard* sGuard;

private:
    bool m_crashed = false;
};
