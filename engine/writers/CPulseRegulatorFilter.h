#pragma once
// Delivers frames at a fixed rate, retiming them when asked; both set before creation.
// Its filter counts as created only when it offers its settings interface.
#include "CTransformerFilter.h"

struct IPulseRegulatorSettings;

class CPulseRegulatorFilter : public CTransformerFilter {
public:
    explicit CPulseRegulatorFilter(CDirectShowGraph* graph = nullptr, const char* name = "Pulse Regulator");
    ~CPulseRegulatorFilter() override;

    bool Create() override;
    void Release() override;
    void SetFrameRate(double rate) { m_frameRate = rate; }
    void SetRetime(bool on) { m_retime = on; }
    // Held from creation to release, for the chains.
    IPulseRegulatorSettings* GetSettings() const { return m_settings; }

private:
    IPulseRegulatorSettings* m_settings = nullptr;
    double m_frameRate = 0;
    bool m_retime = false;
};
