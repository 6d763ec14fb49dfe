#pragma once
// Stands between an input set and the output sets: takes the input's pins and offers
// its own by output kind. The base passes every pin question on to the input.
#include "CInputFilters2.h"

class CBridgeFilters : public CInputFilters2 {
public:
    explicit CBridgeFilters(CDirectShowGraph* graph = nullptr) : CInputFilters2(graph) {}

    using CInputFilters2::Connect;
    virtual bool VerifyInput() { return false; }
    // Keeps the input and builds the bridge behind it when the input suits it.
    virtual bool Connect(CInputFilters2* input);

    bool CreateSelf() override { return true; }
    bool Connect() override { return true; }
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;
    int GetAudioPinCount(EOutputType type) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;
    int GetStreamPinCount() override;
    CFilterPin* GetStreamPin(int index) override;
    int GetTotalSubtitlePinCount() override;
    CFilterPin* GetSubtitlePin(int index) override;
    bool GetTags(CMediaTags& tags) override;

    CInputFilters2* GetInput() const { return m_input; }

protected:
    CInputFilters2* m_input = nullptr;
};
