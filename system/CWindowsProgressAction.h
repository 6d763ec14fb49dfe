#pragma once
// A progress source timed by the tick count: whole seconds passed and an estimate of the
// seconds left.
#include "CProgressAction.h"

#include "win32/WinTypes.h"

class CWindowsProgressAction : public CProgressAction {
public:
    static constexpr int kMaxText = 127;

    CWindowsProgressAction() = default;
    CWindowsProgressAction(const CWindowsProgressAction&) = default;
    CWindowsProgressAction& operator=(const CWindowsProgressAction&) = default;

    virtual void StartProgress();
    virtual double GetPassedTime();
    virtual double GetEstimateTime();
    virtual double GetDetailPassedTime();
    virtual double GetDetailEstimateTime();

protected:
    DWORD m_startTick = 0;
    DWORD m_lastTick = 0;
    char m_text[kMaxText + 1] = {};
};
