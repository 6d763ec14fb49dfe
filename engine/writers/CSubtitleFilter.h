#pragma once
// The subtitle mixer: video and subtitle in, video out. Filters name their pins one of
// two ways; SwitchPinNaming moves the lookups to the other one.
#include "CDirectShowFilter.h"

class CFilterPin;

class CSubtitleFilter : public CDirectShowFilter {
public:
    explicit CSubtitleFilter(CDirectShowGraph* graph = nullptr, const char* name = "Subtitle");
    CSubtitleFilter(const CSubtitleFilter&) = delete;
    CSubtitleFilter& operator=(const CSubtitleFilter&) = delete;
    ~CSubtitleFilter() override;

    void Release() override;
    void SwitchPinNaming();
    CFilterPin* GetVideoInPin() const { return m_videoIn; }
    CFilterPin* GetSubtitleInPin() const { return m_subtitleIn; }
    CFilterPin* GetOutputPin() const { return m_output; }

private:
    void NamePins();

    CFilterPin* m_videoIn;
    CFilterPin* m_subtitleIn;
    CFilterPin* m_output;
    bool m_otherNaming = false;
};
