#pragma once
// The system's smart tee: one input, a preview and a capture output.
#include "CDirectShowFilter.h"

class CFilterPin;

class CSmartTeeFilter : public CDirectShowFilter {
public:
    explicit CSmartTeeFilter(CDirectShowGraph* graph = nullptr, const char* name = "Tee");
    CSmartTeeFilter(const CSmartTeeFilter&) = delete;
    CSmartTeeFilter& operator=(const CSmartTeeFilter&) = delete;
    ~CSmartTeeFilter() override;

    void Release() override;
    CFilterPin* GetInputPin() const { return m_input; }
    CFilterPin* GetPreviewPin() const { return m_preview; }
    CFilterPin* GetCapturePin() const { return m_capture; }

private:
    CFilterPin* m_input;
    CFilterPin* m_preview;
    CFilterPin* m_capture;
};
