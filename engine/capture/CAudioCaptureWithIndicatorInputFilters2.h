#pragma once
// An audio capture set with a level indicator: the double-buffered capture goes through a
// tee whose preview feeds the indicator; its capture output is the audio to record and the
// indicator's level picture is a video pin to show.
#include "CAudioCaptureInputFilters2.h"

class CAudioIndicatorFilter;
class CInfinitePinTeeFilter;

class CAudioCaptureWithIndicatorInputFilters2 : public CAudioCaptureInputFilters2 {
public:
    explicit CAudioCaptureWithIndicatorInputFilters2(CDirectShowGraph* graph = nullptr);
    ~CAudioCaptureWithIndicatorInputFilters2() override;

    bool Prepare() override;
    bool CreateSelf() override;
    void Release() override;
    bool Connect() override;
    void Disconnect() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;

    static const char* const kTeeError;
    static const char* const kIndicatorError;
    static const char* const kConnectTeeError;
    static const char* const kConnectIndicatorError;

private:
    CInfinitePinTeeFilter* m_tee = nullptr;
    CAudioIndicatorFilter* m_indicator = nullptr;
};
