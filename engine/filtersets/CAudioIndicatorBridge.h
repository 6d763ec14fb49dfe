#pragma once
// Shows the level of the one processing audio pin of its input: a smart tee's preview feeds
// the level indicator, whose picture is the one render video pin; the tee's capture output
// is the audio to record.
#include "CBridgeFilters.h"

#include <memory>

class CAudioIndicatorFilter;
class CSmartTeeFilter;
struct IPin;

class CAudioIndicatorBridge : public CBridgeFilters {
public:
    explicit CAudioIndicatorBridge(CDirectShowGraph* graph = nullptr);
    ~CAudioIndicatorBridge() override;

    bool VerifyInput() override;
    bool Connect() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;
    int GetAudioPinCount(EOutputType type) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;

    void SetSampleRate(unsigned long rate) { m_sampleRate = rate; }
    void SetChannelCount(unsigned short channels) { m_channelCount = channels; }
    void SetBitsPerSample(unsigned short bits) { m_bitsPerSample = bits; }
    // Owned types (DeleteMediaType) or null.
    AM_MEDIA_TYPE* GetProperMediaType(IPin* pin);
    AM_MEDIA_TYPE* GetParticularMediaType(IPin* pin, unsigned long rate);

protected:
    std::vector<CDirectShowFilter*> Filters() override;

private:
    std::unique_ptr<CSmartTeeFilter> m_tee;
    std::unique_ptr<CAudioIndicatorFilter> m_indicator;
    unsigned long m_sampleRate = 48000;
    unsigned short m_channelCount = 2;
    unsigned short m_bitsPerSample = 16;
};
