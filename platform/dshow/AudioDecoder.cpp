#include "dshow/AudioDecoder.h"

#include "dshow/AudioConverter.h"
#include "dshow/BasePin.h"
#include "dshow/CodecFormat.h"
#include "dshow/PcmOutput.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstring>

const CLSID CLSID_AudioDecoder = {0x486E70DA, 0x3410, 0x404D, {0x9C, 0x6F, 0xE1, 0x44, 0xDF, 0xE2, 0xB4, 0x88}};

HRESULT CAudioDecoder::Create(REFIID iid, void** object) { return CreateComObject<CAudioDecoder>(iid, object); }

CAudioDecoder::CAudioDecoder() : CBaseFilter(CLSID_AudioDecoder), m_converter(std::make_unique<CAudioConverter>())
{
    AddPin(PINDIR_INPUT, u"In");
    AddPin(PINDIR_OUTPUT, u"Out");
}

CAudioDecoder::~CAudioDecoder() { CloseCodec(); }

void CAudioDecoder::CloseCodec()
{
    avcodec_free_context(&m_codec);
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
    m_converter->Close();
}

HRESULT CAudioDecoder::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin->Direction() == PINDIR_INPUT) {
        const CODECFORMAT* format = CodecFormatOf(type, nullptr);
        if (type.majortype != MEDIATYPE_Audio || !format) return VFW_E_TYPE_NOT_ACCEPTED;
        return avcodec_find_decoder(AVCodecID(format->codecId)) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    }
    CMediaType own;
    if (GetMediaType(pin, 0, own) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;
    return type.subtype == own.subtype && type.cbFormat == own.cbFormat
            && std::memcmp(type.pbFormat, own.pbFormat, own.cbFormat) == 0
        ? S_OK
        : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CAudioDecoder::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin->Direction() != PINDIR_OUTPUT || index != 0 || !m_codec) return S_FALSE;
    MakePcmMediaType(type, DWORD(m_converter->OutRate()), WORD(m_converter->OutChannels()), 16);
    return S_OK;
}

HRESULT CAudioDecoder::CompleteConnect(CBasePin* pin, IPin*)
{
    if (pin->Direction() != PINDIR_INPUT) return S_OK;
    const BYTE* extra = nullptr;
    const CODECFORMAT* format = CodecFormatOf(pin->MediaType(), &extra);
    const AVCodec* decoder = format ? avcodec_find_decoder(AVCodecID(format->codecId)) : nullptr;
    if (!decoder) return VFW_E_TYPE_NOT_ACCEPTED;
    CloseCodec();
    m_codec = avcodec_alloc_context3(decoder);
    m_frame = av_frame_alloc();
    m_packet = av_packet_alloc();
    if (!m_codec || !m_frame || !m_packet) {
        CloseCodec();
        return E_OUTOFMEMORY;
    }
    m_codec->sample_rate = int(format->sampleRate);
    av_channel_layout_default(&m_codec->ch_layout, int(format->channels));
    m_codec->bits_per_coded_sample = int(format->bitsPerCodedSample);
    m_codec->block_align = int(format->blockAlign);
    m_codec->bit_rate = format->bitRate;
    if (format->extraSize) {
        m_codec->extradata = static_cast<uint8_t*>(av_mallocz(format->extraSize + AV_INPUT_BUFFER_PADDING_SIZE));
        if (!m_codec->extradata) {
            CloseCodec();
            return E_OUTOFMEMORY;
        }
        std::memcpy(m_codec->extradata, extra, format->extraSize);
        m_codec->extradata_size = int(format->extraSize);
    }
    if (avcodec_open2(m_codec, decoder, nullptr) < 0 || m_codec->sample_rate <= 0
        || m_codec->ch_layout.nb_channels <= 0 || DWORD(m_codec->ch_layout.nb_channels) > kMaxChannels
        || !m_converter->Open(m_codec->sample_rate, m_codec->ch_layout.nb_channels, m_codec->sample_fmt,
                              m_codec->sample_rate, m_codec->ch_layout.nb_channels, AV_SAMPLE_FMT_S16)) {
        CloseCodec();
        return VFW_E_TYPE_NOT_ACCEPTED;
    }
    return S_OK;
}

void CAudioDecoder::BreakConnect(CBasePin* pin)
{
    if (pin->Direction() == PINDIR_INPUT) CloseCodec();
}

HRESULT CAudioDecoder::OnPause()
{
    if (State() == State_Stopped && m_codec) {
        // A new run (or a seek) starts a new stream.
        avcodec_flush_buffers(m_codec);
        m_converter->Open(m_codec->sample_rate, m_codec->ch_layout.nb_channels, m_codec->sample_fmt,
                          m_codec->sample_rate, m_codec->ch_layout.nb_channels, AV_SAMPLE_FMT_S16);
        m_timeKnown = false;
    }
    return S_OK;
}

HRESULT CAudioDecoder::Receive(CBasePin*, const MediaSample& sample)
{
    if (!m_codec) return VFW_E_NOT_CONNECTED;
    if (!m_timeKnown && sample.hasTime) {
        m_next = sample.start;
        m_timeKnown = true;
    }
    m_packet->data = const_cast<uint8_t*>(sample.data);
    m_packet->size = sample.size;
    int sent = avcodec_send_packet(m_codec, m_packet);
    m_packet->data = nullptr;
    m_packet->size = 0;
    // A damaged packet is skipped, as players do; the stream goes on.
    if (sent < 0 && sent != AVERROR(EAGAIN) && sent != AVERROR_INVALIDDATA) return VFW_E_INVALID_FILE_FORMAT;
    return Drain(false);
}

HRESULT CAudioDecoder::Drain(bool final)
{
    for (;;) {
        int got = avcodec_receive_frame(m_codec, m_frame);
        if (got == AVERROR(EAGAIN) || got == AVERROR_EOF) break;
        if (got == AVERROR_INVALIDDATA) continue;
        if (got < 0) return VFW_E_INVALID_FILE_FORMAT;
        bool ok = m_frame->ch_layout.nb_channels == m_codec->ch_layout.nb_channels
            && m_frame->sample_rate == m_codec->sample_rate
            && m_converter->Push(m_frame->extended_data, m_frame->nb_samples);
        av_frame_unref(m_frame);
        if (!ok) return VFW_E_INVALID_FILE_FORMAT; // the stream changed its format midway
        HRESULT hr = DeliverConverted(false);
        if (hr != S_OK) return hr;
    }
    return DeliverConverted(final);
}

HRESULT CAudioDecoder::DeliverConverted(bool final)
{
    return DeliverPcm(*m_converter, 2, PinAt(1), m_next, final);
}

HRESULT CAudioDecoder::EndOfStream(CBasePin*)
{
    if (m_codec) {
        avcodec_send_packet(m_codec, nullptr);
        HRESULT hr = Drain(false);
        if (SUCCEEDED(hr)) {
            m_converter->Push(nullptr, 0);
            hr = DeliverConverted(true);
        }
        if (FAILED(hr)) {
            NotifyEvent(EC_ERRORABORT, hr, 0);
            return hr;
        }
    }
    return PinAt(1)->IsConnected() ? PinAt(1)->DeliverEndOfStream() : S_OK;
}
