#include "UQuickTimeCalls.h"

#include "StQuickTime.h"
#include "win32/kernel/Module.h"

namespace {

// Every call bound, or none: a half-bound library is treated as absent.
SQuickTimeCalls* Bind()
{
    static SQuickTimeCalls calls;
    HMODULE module = LoadLibrary(StQuickTime::kLibraryName);
    if (!module) return nullptr;
    const bool all = QTBindMovieCalls(calls, [&](const char* name) { return GetProcAddress(module, name); });
    return all ? &calls : nullptr;
}

} // namespace

const SQuickTimeCalls* UQuickTimeCalls::Get()
{
    // The library stays loaded: the codec libraries under it keep process-wide tables.
    static const SQuickTimeCalls* calls = Bind();
    return calls;
}
