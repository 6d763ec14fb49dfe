#pragma once
// Internal: one process-wide X error handler. Xlib's default one ends the process; ours
// counts the errors so that a caller can tell whether its requests failed.
#include <atomic>

void MvInstallXErrorTrap();
// The number of X errors so far.
unsigned MvXErrorCount();
