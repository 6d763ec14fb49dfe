#pragma once
// Stands between an input set and the output sets: takes the input's pins and offers
// its own by output kind. The base passes every pin question on to the input.
#include "CInputFilters2.h"
#include "dshow/DShowTypes.h"

#include <vector>

class CDirectShowFilter;

class CBridgeFilters : public CInputFilters2 {
public:
    explicit CBridgeFilters(CDirectShowGraph* graph = nullptr) : CInputFilters2(graph) {}

    using CInputFilters2::Connect;
    virtual bool VerifyInput() { return false; }
    // Keeps the input and builds the bridge behind it when the input suits it.
    virtual bool Connect(CInputFilters2* input);

    // Creates the bridge's filters in order; the first that fails releases them all.
    bool CreateSelf() override;
    void Release() override;
    bool Connect() override { return true; }
    // Breaks every connection the bridge made.
    void Disconnect() override;
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
    // The bridge's own filters in the order they are created.
    virtual std::vector<CDirectShowFilter*> Filters() { return {}; }
    // Connects two pins and remembers the connection for Disconnect.
    bool Link(CFilterPin* output, CFilterPin* input, const AM_MEDIA_TYPE* type = nullptr);
    // The input's pin counts, for the shape checks.
    int InputVideo(EOutputType type) const { return m_input ? m_input->GetVideoPinCount(type) : 0; }
    int InputAudio(EOutputType type) const { return m_input ? m_input->GetAudioPinCount(type) : 0; }
    int InputStreams() const { return m_input ? m_input->GetStreamPinCount() : 0; }

    CInputFilters2* m_input = nullptr;

private:
    std::vector<CFilterPin*> m_links;
};
