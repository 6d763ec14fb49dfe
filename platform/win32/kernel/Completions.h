#pragma once
// The calling thread's queue of I/O completion routines, run only by its alertable waits
// (for the layer's own sources).
#include <functional>

void MvQueueCompletion(std::function<void()> routine);
// Runs every queued routine, including ones queued while running; true when any ran.
bool MvRunCompletions();
bool MvHasCompletions();
