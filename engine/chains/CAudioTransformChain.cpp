#include "CAudioTransformChain.h"

#include "CAudioDecoderInfo.h"
#include "CAudioEncoderFilter.h"
#include "CAudioRechannelerFilter.h"
#include "CAudioRegulatorFilter.h"
#include "CAudioResamplerFilter.h"
#include "CDecoderFilter.h"
#include "CLocalSetting.h"
#include "CMpegAudioDecoderSetter.h"
#include "ChainStages.h"
#include "SystemFilterInterfaces.h"
#include "UDirectShowUtils.h"
#include "dshow/MediaType.h"

CAudioTransformChain::CAudioTransformChain(CDirectShowGraph* graph, CFilterPin* inputPin)
    : CTransformChain(graph, inputPin)
{
}

CAudioTransformChain::~CAudioTransformChain()
{
    Disconnect();
    CAudioTransformChain::ReleaseSelf();
}

CDecoderInfo* CAudioTransformChain::GetDecoderInfo()
{
    return CAudioDecoderInfo::GetInfo();
}

unsigned long CAudioTransformChain::DualMode(bool left, bool right)
{
    if (!left) return 2;
    return right ? 0 : 1;
}

bool CAudioTransformChain::ConnectDecoder()
{
    ReleaseMpegAudioDecoder();
    if (!CTransformChain::ConnectDecoder()) return false;
    m_mpegAudio = new CMpegAudioDecoderSetter(m_decoder);
    if (CLocalSetting::sSettings) {
        const CSettingDecodeMpeg& mpeg = CLocalSetting::sSettings->GetDecodeMpeg();
        // Decoders without the interface are left as they are.
        m_mpegAudio->SetDualMode(DualMode(mpeg.GetLeft(), mpeg.GetRight()));
    }
    return true;
}

void CAudioTransformChain::ReleaseMpegAudioDecoder()
{
    delete m_mpegAudio;
    m_mpegAudio = nullptr;
}

bool CAudioTransformChain::ConnectRechanneler()
{
    return AppendStage(m_rechanneler, m_graph, GetOutputPin(), NoSetup<CAudioRechannelerFilter>);
}

bool CAudioTransformChain::ConnectResampler()
{
    return AppendStage(m_resampler, m_graph, GetOutputPin(), NoSetup<CAudioResamplerFilter>);
}

bool CAudioTransformChain::ConnectRegulator()
{
    return AppendStage(m_regulator, m_graph, GetOutputPin(), NoSetup<CAudioRegulatorFilter>);
}

bool CAudioTransformChain::ConnectEncoder(const char* codecName, const char* codecDevice, unsigned long sampleRate,
                                          unsigned short channels, unsigned short bitsPerSample)
{
    if (!m_encoder) m_encoder = new CAudioEncoderFilter(m_graph);
    m_encoder->SetCodec(codecName, codecDevice);
    CFilterPin* end = GetOutputPin();
    if (!end || !m_encoder->Create() || !m_encoder->GetInputPin()) {
        ReleaseEncoder();
        return false;
    }
    // The wanted depth first, then 16 and 8 bits.
    AM_MEDIA_TYPE* type = FindOutputMediaType(sampleRate, channels, bitsPerSample);
    if (!type && bitsPerSample != 16) type = FindOutputMediaType(sampleRate, channels, 16);
    if (!type && bitsPerSample != 8) type = FindOutputMediaType(sampleRate, channels, 8);
    const bool connected = m_encoder->GetInputPin()->Connect(end, type);
    if (type) DeleteMediaType(type);
    if (!connected) ReleaseEncoder();
    return connected;
}

AM_MEDIA_TYPE* CAudioTransformChain::FindOutputMediaType(unsigned long sampleRate, unsigned short channels,
                                                         unsigned short bitsPerSample)
{
    CFilterPin* end = GetOutputPin();
    IPin* pin = end ? end->GetPin() : nullptr;
    if (!pin) return nullptr;
    for (int k = 1; k <= kRateMultiples; ++k) {
        const unsigned long rate = sampleRate * static_cast<unsigned long>(k);
        if (rate > kMaxSampleRate) continue;
        if (AM_MEDIA_TYPE* type =
                UDirectShowUtils::FindAudioMediaType(pin, rate, char(channels), char(bitsPerSample), 0))
            return type;
    }
    return nullptr;
}

bool CAudioTransformChain::GetAudioSettings(unsigned long& sampleRate, unsigned short& channels,
                                            unsigned short& bitsPerSample)
{
    CFilterPin* end = GetOutputPin();
    IPin* pin = end ? end->GetPin() : nullptr;
    char channelCount = 0;
    char bits = 0;
    if (!pin || !UDirectShowUtils::GetPinBestAudioFormat(pin, sampleRate, channelCount, bits)) return false;
    channels = static_cast<unsigned char>(channelCount);
    bitsPerSample = static_cast<unsigned char>(bits);
    return true;
}

void CAudioTransformChain::ReleaseRechanneler()
{
    ReleaseStage(m_rechanneler);
}

void CAudioTransformChain::ReleaseResampler()
{
    ReleaseStage(m_resampler);
}

void CAudioTransformChain::ReleaseRegulator()
{
    ReleaseStage(m_regulator);
}

void CAudioTransformChain::ReleaseEncoder()
{
    ReleaseStage(m_encoder);
}

void CAudioTransformChain::ReleaseSelf()
{
    ReleaseMpegAudioDecoder();
    ReleaseEncoder();
    ReleaseResampler();
    ReleaseRegulator();
    ReleaseRechanneler();
    CTransformChain::ReleaseSelf();
}

CFilterPin* CAudioTransformChain::GetNextPin(CFilterPin* pin)
{
    CFilterPin* next = nullptr;
    if (StageAfter(m_rechanneler, pin, next) || StageAfter(m_regulator, pin, next) ||
        StageAfter(m_resampler, pin, next) || StageAfter(m_encoder, pin, next))
        return next;
    return CTransformChain::GetNextPin(pin);
}

CFilterPin* CAudioTransformChain::GetPreviousPin(CFilterPin* pin)
{
    CFilterPin* previous = nullptr;
    if (StageBefore(m_rechanneler, pin, previous) || StageBefore(m_regulator, pin, previous) ||
        StageBefore(m_resampler, pin, previous) || StageBefore(m_encoder, pin, previous))
        return previous;
    // Walking on through the base stages unlinks the decoders too.
    return CTransformChain::GetPreviousPin(pin);
}
