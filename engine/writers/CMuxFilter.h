#pragma once
// A multiplexer: two video inputs, one audio input (all made by the filter on demand)
// and one output. Its class id comes from the output format table.
#include "CDirectShowFilter.h"

class CFilterPin;

class CMuxFilter : public CDirectShowFilter {
public:
    explicit CMuxFilter(CDirectShowGraph* graph = nullptr, const char* name = "Mux");
    CMuxFilter(const CMuxFilter&) = delete;
    CMuxFilter& operator=(const CMuxFilter&) = delete;
    ~CMuxFilter() override;

    void Release() override;
    void CompleteCreate() override;
    // index 0 or 1; any other index has no pin.
    CFilterPin* GetVideoInPin(int index = 0) const;
    CFilterPin* GetAudioInPin() const { return m_audioIn; }
    CFilterPin* GetOutputPin() const { return m_output; }

private:
    CFilterPin* m_videoIn;
    CFilterPin* m_videoIn2;
    CFilterPin* m_audioIn;
    CFilterPin* m_output;
};
