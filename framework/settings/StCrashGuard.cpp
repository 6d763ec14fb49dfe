#include "StCrashGuard.h"

#include "CRegistry.h"

namespace {

CRegistry Mark()
{
    return CRegistry("Crash Guard", "Running");
}

}

StCrashGuard* StCrashGuard::sGuard = nullptr;

StCrashGuard::StCrashGuard()
{
    CRegistry mark = Mark();
    m_crashed = mark.GetValue(0) != 0;
    mark.SetValue(1);
    if (!sGuard) sGuard = this;
}

StCrashGuard::~StCrashGuard()
{
    // A nested load leaves the mark to the outer one, which is still running.
    if (sGuard && sGuard != this) return;
    Mark().SetValue(0);
    sGuard = nullptr;
}

bool StCrashGuard::CrashedLastTime()
{
    return sGuard && sGuard->Crashed();
}
