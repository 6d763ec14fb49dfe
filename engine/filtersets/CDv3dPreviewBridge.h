#pragma once
// Two DV camcorders previewed mixed: each stream is split, its video teed, the preview
// decoded and mixed; the tees' captures stay compressed DV as stream pins 0 and 1. The first
// camcorder's audio is the audio.
#include "C3dPreviewBridge.h"

class CDecoderFilter;
class CSplitterFilter;

class CDv3dPreviewBridge : public C3dPreviewBridge {
public:
    explicit CDv3dPreviewBridge(CDirectShowGraph* graph = nullptr);
    ~CDv3dPreviewBridge() override;

    bool VerifyInput() override;
    bool Connect() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;
    int GetAudioPinCount(EOutputType type) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;
    int GetStreamPinCount() override;
    CFilterPin* GetStreamPin(int index) override;

protected:
    std::vector<CDirectShowFilter*> Filters() override;

private:
    std::unique_ptr<CSplitterFilter> m_splitter;
    std::unique_ptr<CSplitterFilter> m_splitter2;
    std::unique_ptr<CDecoderFilter> m_decoder;
    std::unique_ptr<CDecoderFilter> m_decoder2;
};
