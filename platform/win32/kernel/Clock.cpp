#include "win32/kernel/Clock.h"

#include "win32/windowing/UserState.h"

#include <atomic>
#include <chrono>

namespace {
std::atomic<bool> gVirtual{false};
std::atomic<int64_t> gVirtualNow{0};

int64_t RealNow()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

int64_t MvClockNow()
{
    return gVirtual.load() ? gVirtualNow.load() : RealNow();
}

void MvUseVirtualClock(bool on)
{
    if (on == gVirtual.load()) return;
    if (on) gVirtualNow.store(RealNow());
    gVirtual.store(on);
    mvuser::WakeAllQueues();
}

bool MvIsVirtualClock()
{
    return gVirtual.load();
}

void MvAdvanceClock(int64_t ms)
{
    if (!gVirtual.load() || ms <= 0) return;
    gVirtualNow.fetch_add(ms);
    mvuser::WakeAllQueues();
}
