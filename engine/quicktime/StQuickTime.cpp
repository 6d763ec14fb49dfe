#include "StQuickTime.h"

#include "quicktime/QuickTimeApi.h"
#include "win32/kernel/Module.h"

long StQuickTime::sVersion = 0;
int StQuickTime::sStarts = 0;

namespace {

template <class F>
F Entry(const CLibrary& library, const char* name)
{
    return reinterpret_cast<F>(GetProcAddress(library.GetModule(), name));
}

} // namespace

StQuickTime::StQuickTime(const char*) : m_library(kLibraryName)
{
    if (!m_library.LoadLibraryA()) return;
    auto initialize = Entry<InitializeQTMLProc>(m_library, "InitializeQTML");
    auto terminate = Entry<TerminateQTMLProc>(m_library, "TerminateQTML");
    auto gestalt = Entry<GestaltProc>(m_library, "Gestalt");
    auto enter = Entry<EnterMoviesProc>(m_library, "EnterMovies");
    if (!initialize || !terminate || !gestalt || !enter || initialize(0) != noErr) return;
    long version = 0;
    if (gestalt(gestaltQuickTime, &version) == noErr) sVersion = version;
    if (enter() != noErr) {
        terminate();
        return;
    }
    m_started = true;
    ++sStarts;
}

StQuickTime::~StQuickTime()
{
    if (!m_started) return;
    if (auto exit = Entry<ExitMoviesProc>(m_library, "ExitMovies")) exit();
    if (auto terminate = Entry<TerminateQTMLProc>(m_library, "TerminateQTML")) terminate();
    --sStarts;
}

bool StQuickTime::CheckVersion() { return int32_t(sVersion) >= 0x06500000; }
bool StQuickTime::SupportH264() { return int32_t(sVersion) >= 0x07030000; }
