#include "dshow/AudioDecoder.h"

#include "dshow/AudioConverter.h"
#include "dshow/BasePin.h"
#include "dshow/CodecFormat.h"
#include "dshow/PcmOutput.h"
#include "dshow/PcmSample.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

const CLSID CLSID_AudioDecoder = {0x486E70DA, 0x3410, 0x404D, {0x9C, 0x6F, 0xE1, 0x44, 0xDF, 0xE2, 0xB4, 0x88}};

HRESULT CAudioDecoder::Create(REFIID iid, void** object) { return CreateComObject<CAudioDecoder>(iid, object); }

CAudioDecoder::CAudioDecoder(REFCLSID clsid, const int* codecs)
    : CStreamDecoder(clsid, MEDIATYPE_Audio, codecs), m_converter(std::make_unique<CAudioConverter>())
{
}

CAudioDecoder::~CAudioDecoder() = default;

HRESULT CAudioDecoder::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin->Direction() != PINDIR_OUTPUT || index != 0 || !m_converter->IsOpen()) return S_FALSE;
    MakePcmMediaType(type, DWORD(m_converter->OutRate()), WORD(m_converter->OutChannels()), WORD(m_bits));
    return S_OK;
}

// Lossy coders decode to floats whose depth means nothing, so they stay at 16 bits; integer
// samples keep the depth the stream says its samples have.
int CAudioDecoder::OutBits() const
{
    const AVCodecContext* codec = Codec();
    if (codec->sample_fmt != AV_SAMPLE_FMT_S32 && codec->sample_fmt != AV_SAMPLE_FMT_S32P) return 16;
    const int bits = codec->bits_per_raw_sample;
    if (bits > 0 && bits <= 16) return 16;
    return bits > 0 && bits <= 24 ? 24 : 32;
}

bool CAudioDecoder::OpenConverter()
{
    AVCodecContext* codec = Codec();
    int channels = codec->ch_layout.nb_channels;
    m_bits = OutBits();
    return codec->sample_rate > 0 && channels > 0 && DWORD(channels) <= kMaxChannels
        && m_converter->Open(codec->sample_rate, channels, codec->sample_fmt, codec->sample_rate, channels,
                             PcmSampleFormatOfDepth(m_bits));
}

HRESULT CAudioDecoder::OnOpened(const AM_MEDIA_TYPE&) { return OpenConverter() ? S_OK : VFW_E_TYPE_NOT_ACCEPTED; }

void CAudioDecoder::OnRestart()
{
    OpenConverter();
    m_timeKnown = false;
}

void CAudioDecoder::OnClosed() { m_converter->Close(); }

HRESULT CAudioDecoder::OnFrame(AVFrame& frame)
{
    if (!m_timeKnown) {
        m_next = frame.best_effort_timestamp != AV_NOPTS_VALUE ? frame.best_effort_timestamp : 0;
        m_timeKnown = true;
    }
    bool ok = frame.ch_layout.nb_channels == Codec()->ch_layout.nb_channels && frame.sample_rate == Codec()->sample_rate
        && m_converter->Push(frame.extended_data, frame.nb_samples);
    if (!ok) return VFW_E_INVALID_FILE_FORMAT; // the stream changed its format midway
    return DeliverPcm(*m_converter, m_bits / 8, Output(), m_next, false);
}

HRESULT CAudioDecoder::OnDrained()
{
    m_converter->Push(nullptr, 0);
    return DeliverPcm(*m_converter, m_bits / 8, Output(), m_next, true);
}
