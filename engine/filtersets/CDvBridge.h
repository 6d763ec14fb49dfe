#pragma once
// Shows a DV camcorder: its one stream pin split, the splitter's first video and audio
// outputs offered for rendering.
#include "CBridgeFilters.h"

#include <memory>

class CSplitterFilter;

class CDvBridge : public CBridgeFilters {
public:
    explicit CDvBridge(CDirectShowGraph* graph = nullptr);
    ~CDvBridge() override;

    bool VerifyInput() override;
    bool Connect() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;
    int GetAudioPinCount(EOutputType type) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;
    int GetStreamPinCount() override { return 0; }
    CFilterPin* GetStreamPin(int) override { return nullptr; }

protected:
    std::vector<CDirectShowFilter*> Filters() override;
    // A splitter's first output of a kind; no other index is offered.
    static CFilterPin* FirstPin(CSplitterFilter& splitter, bool video, int index);

    std::unique_ptr<CSplitterFilter> m_splitter;
};
