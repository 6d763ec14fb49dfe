#pragma once
// Carries a voice's notification to the message loop of the thread that asked for
// it: each such thread gets a hidden window, and the call travels as a posted window
// message. Tests may install a poster of their own.
#include <cstdint>
#include <functional>

using SpThreadKey = uint64_t;
using SpThreadPoster = bool (*)(SpThreadKey thread, std::function<void()> call);

// The calling thread's key; makes its hidden window on first use.
SpThreadKey SpCurrentThreadKey();
// Null restores the window-message poster.
void SpSetThreadPoster(SpThreadPoster poster);
bool SpPostToThread(SpThreadKey thread, std::function<void()> call);
