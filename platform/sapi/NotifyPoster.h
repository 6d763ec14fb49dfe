#pragma once
// Carries a voice's notification to the message loop of the thread that asked for
// it. The window layer installs the poster; without one, notifications are dropped
// and the events wait in the queue for GetEvents.
#include <cstdint>
#include <functional>

using SpThreadKey = uint64_t;
using SpThreadPoster = bool (*)(SpThreadKey thread, std::function<void()> call);

SpThreadKey SpCurrentThreadKey();
void SpSetThreadPoster(SpThreadPoster poster);
bool SpPostToThread(SpThreadKey thread, std::function<void()> call);
