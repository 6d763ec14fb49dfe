#pragma once
// The sound of a DV camcorder: its stream split, the pictures blocked, the audio offered as
// one processing audio pin.
#include "CDvCaptureInputFilters2.h"

#include <memory>

class CSplitterFilter;
class CUntimedRenderer;

class CDvAudioCaptureInputFilters2 : public CDvCaptureInputFilters2 {
public:
    explicit CDvAudioCaptureInputFilters2(CDirectShowGraph* graph = nullptr);
    ~CDvAudioCaptureInputFilters2() override;

    bool CreateSelf() override;
    void Release() override;
    bool Connect() override;
    void Disconnect() override;
    int GetStreamPinCount() override { return 0; }
    CFilterPin* GetStreamPin(int) override { return nullptr; }
    int GetAudioPinCount(EOutputType type) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;

    static const char* const kSplitterError;
    static const char* const kVideoBlockError;
    static const char* const kConnectSplitterError;
    static const char* const kConnectVideoBlockError;

private:
    std::unique_ptr<CSplitterFilter> m_splitter;
    CUntimedRenderer* m_videoBlock;
};
