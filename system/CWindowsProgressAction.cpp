#include "CWindowsProgressAction.h"

#include "win32/kernel/KernelTime.h"

#include <cstring>

void CWindowsProgressAction::StartProgress()
{
    m_startTick = m_lastTick = GetTickCount();
    std::memset(m_text, 0, sizeof(m_text));
}

double CWindowsProgressAction::GetPassedTime()
{
    DWORD elapsed = GetTickCount() - m_startTick; // unsigned: right across the tick count's wrap
    return static_cast<double>(elapsed / 1000);
}

double CWindowsProgressAction::GetEstimateTime()
{
    m_lastTick = GetTickCount();
    double progress = GetProgress();
    if (progress == 0) return 0;
    double seconds = GetPassedTime();
    return static_cast<double>(static_cast<int64_t>((1 - progress) * seconds / progress + 0.5));
}

double CWindowsProgressAction::GetDetailPassedTime()
{
    auto* child = dynamic_cast<CWindowsProgressAction*>(GetChildAction());
    return child ? child->GetPassedTime() : 0;
}

double CWindowsProgressAction::GetDetailEstimateTime()
{
    auto* child = dynamic_cast<CWindowsProgressAction*>(GetChildAction());
    return child ? child->GetEstimateTime() : 0;
}
