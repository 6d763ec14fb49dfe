#pragma once
// The transform chain of one audio stream: the base stages, then rechanneler, regulator,
// resampler and an encoder that gets a media type of the wanted rate, channels and bits.
#include "CTransformChain.h"

class CAudioEncoderFilter;
class CAudioRechannelerFilter;
class CAudioRegulatorFilter;
class CAudioResamplerFilter;
class CMpegAudioDecoderSetter;

class CAudioTransformChain : public CTransformChain {
public:
    CAudioTransformChain(CDirectShowGraph* graph, CFilterPin* inputPin);
    ~CAudioTransformChain() override;

    bool ConnectDecoder() override;
    CDecoderInfo* GetDecoderInfo() override;
    void ReleaseSelf() override;
    CFilterPin* GetNextPin(CFilterPin* pin) override;
    CFilterPin* GetPreviousPin(CFilterPin* pin) override;

    virtual bool ConnectRechanneler();
    virtual bool ConnectResampler();
    virtual bool ConnectRegulator();
    virtual bool ConnectEncoder(const char* codecName, const char* codecDevice, unsigned long sampleRate,
                                unsigned short channels, unsigned short bitsPerSample);
    virtual void ReleaseMpegAudioDecoder();
    virtual void ReleaseRechanneler();
    virtual void ReleaseResampler();
    virtual void ReleaseRegulator();
    virtual void ReleaseEncoder();

    // The best PCM format the chain's output offers; false when it offers none.
    bool GetAudioSettings(unsigned long& sampleRate, unsigned short& channels, unsigned short& bitsPerSample);
    // A type of the chain's output at a multiple of the rate up to 96 kHz; the caller
    // frees it. Null when none.
    AM_MEDIA_TYPE* FindOutputMediaType(unsigned long sampleRate, unsigned short channels, unsigned short bitsPerSample);

    CAudioEncoderFilter* GetEncoder() const { return m_encoder; }
    // The decoder's dual-channel mode for the MPEG decoding setting: 1 left only, 0 both
    // merged, 2 right.
    static unsigned long DualMode(bool left, bool right);

    static constexpr unsigned long kMaxSampleRate = 96000;
    static constexpr int kRateMultiples = 12;

protected:
    CAudioRechannelerFilter* m_rechanneler = nullptr;
    CAudioRegulatorFilter* m_regulator = nullptr;
    CAudioResamplerFilter* m_resampler = nullptr;
    CAudioEncoderFilter* m_encoder = nullptr;
    // Applies the user's MPEG dual-channel choice to the connected decoder.
    CMpegAudioDecoderSetter* m_mpegAudio = nullptr;
};
