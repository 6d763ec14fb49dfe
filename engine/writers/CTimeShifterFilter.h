#pragma once
// Moves every sample time by a shift, set before creation.
// Its filter counts as created only when it offers its settings interface.
#include "CTransformerFilter.h"

struct ITimeShifterSettings;

class CTimeShifterFilter : public CTransformerFilter {
public:
    explicit CTimeShifterFilter(CDirectShowGraph* graph = nullptr, const char* name = "Time Shifter");
    ~CTimeShifterFilter() override;

    bool Create() override;
    void Release() override;
    void SetShift(double seconds) { m_shift = seconds; }
    double GetShift() const { return m_shift; }
    // Held from creation to release, for the chains.
    ITimeShifterSettings* GetSettings() const { return m_settings; }

private:
    ITimeShifterSettings* m_settings = nullptr;
    double m_shift = 0;
};
