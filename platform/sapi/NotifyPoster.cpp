#include "sapi/NotifyPoster.h"

#include <atomic>

namespace {
std::atomic<SpThreadKey> gNextKey{1};
std::atomic<SpThreadPoster> gPoster{nullptr};
thread_local SpThreadKey tKey = 0;
} // namespace

SpThreadKey SpCurrentThreadKey()
{
    if (!tKey) tKey = gNextKey++;
    return tKey;
}

void SpSetThreadPoster(SpThreadPoster poster)
{
    gPoster.store(poster);
}

bool SpPostToThread(SpThreadKey thread, std::function<void()> call)
{
    SpThreadPoster poster = gPoster.load();
    return poster && poster(thread, std::move(call));
}
