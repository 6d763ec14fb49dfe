#pragma once
// Shows a DV camcorder and records it decoded: the tee's capture output goes into a second
// DV splitter whose first video and audio are the processing pins.
#include "CDvCaptureBridge.h"

class CDvAviBridge : public CDvCaptureBridge {
public:
    explicit CDvAviBridge(CDirectShowGraph* graph = nullptr);
    ~CDvAviBridge() override;

    bool Connect() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;
    int GetAudioPinCount(EOutputType type) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;
    // The DV stream goes into the second splitter, so none is left to offer.
    int GetStreamPinCount() override { return 0; }
    CFilterPin* GetStreamPin(int) override { return nullptr; }

protected:
    std::vector<CDirectShowFilter*> Filters() override;

private:
    std::unique_ptr<CSplitterFilter> m_splitter2;
};
