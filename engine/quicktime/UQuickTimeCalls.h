#pragma once
// The QuickTime library's movie calls, bound once by name for the life of the process.
#include "quicktime/QuickTimeMovies.h"

struct SQuickTimeCalls : QTMovieCalls {};

class UQuickTimeCalls {
public:
    // Null when the library or one of its calls is missing.
    static const SQuickTimeCalls* Get();
};
