#pragma once
// Internal: one process-wide X error handler. Xlib's default ones end the process; ours
// count protocol errors, so that a caller can tell whether its requests failed, and mark a
// connection lost when the server goes away, so that its users stop instead.
#include <atomic>

typedef struct _XDisplay Display;

void MvInstallXErrorTrap();
// The number of X protocol errors so far.
unsigned MvXErrorCount();
// Sets lost once the server behind the display goes away; lost must outlive the display.
void MvWatchDisplayLoss(Display* display, std::atomic<bool>* lost);
