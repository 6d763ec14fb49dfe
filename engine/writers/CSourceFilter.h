#pragma once
// A source or splitter: its output pins filed by kind (stream, video, audio, subtitle)
// from the first media type each pin both offers and accepts.
#include "CDirectShowFilter.h"

#include <vector>

class CFilterPin;

class CSourceFilter : public CDirectShowFilter {
public:
    explicit CSourceFilter(CDirectShowGraph* graph = nullptr, const char* name = "Source");
    CSourceFilter(const CSourceFilter&) = delete;
    CSourceFilter& operator=(const CSourceFilter&) = delete;
    ~CSourceFilter() override;

    void Release() override;
    // Files the pins; runs once per creation (nothing happens while any list holds a pin).
    virtual void WalkPins();

    int GetStreamPinCount();
    CFilterPin* GetStreamPin(int index);
    int GetVideoPinCount();
    CFilterPin* GetVideoPin(int index);
    int GetAudioPinCount();
    CFilterPin* GetAudioPin(int index);
    int GetSubtitlePinCount();
    CFilterPin* GetSubtitlePin(int index);
    bool HasMediaPins();

protected:
    void ReleasePins();

private:
    CFilterPin* PinOf(std::vector<CFilterPin*>& list, int index);

    std::vector<CFilterPin*> m_streamPins;
    std::vector<CFilterPin*> m_videoPins;
    std::vector<CFilterPin*> m_audioPins;
    std::vector<CFilterPin*> m_subtitlePins;
};
