#include "dshow/StreamDecoder.h"

#include "dshow/BasePin.h"
#include "dshow/DecoderContext.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstring>

CStreamDecoder::CStreamDecoder(REFCLSID clsid, const GUID& major, const int* codecs)
    : CBaseFilter(clsid), m_major(major), m_codecs(codecs)
{
    AddPin(PINDIR_INPUT, u"In");
    AddPin(PINDIR_OUTPUT, u"Out");
}

CStreamDecoder::~CStreamDecoder() { CloseCodec(); }

void CStreamDecoder::CloseCodec()
{
    avcodec_free_context(&m_codec);
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
    OnClosed();
}

HRESULT CStreamDecoder::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin->Direction() == PINDIR_INPUT) {
        if (!CanDecode(type, m_major)) return VFW_E_TYPE_NOT_ACCEPTED;
        if (!m_codecs) return S_OK;
        const int codec = CodedCodecId(type);
        for (const int* c = m_codecs; *c; ++c)
            if (*c == codec) return S_OK;
        return VFW_E_TYPE_NOT_ACCEPTED;
    }
    return CheckOfferedType(pin, type);
}

HRESULT CStreamDecoder::CompleteConnect(CBasePin* pin, IPin*)
{
    if (pin->Direction() != PINDIR_INPUT) return S_OK;
    CloseCodec();
    m_codec = OpenCodecDecoder(pin->MediaType());
    m_frame = av_frame_alloc();
    m_packet = av_packet_alloc();
    if (!m_codec || !m_frame || !m_packet || FAILED(OnOpened(pin->MediaType()))) {
        CloseCodec();
        return VFW_E_TYPE_NOT_ACCEPTED;
    }
    return S_OK;
}

void CStreamDecoder::BreakConnect(CBasePin* pin)
{
    if (pin->Direction() == PINDIR_INPUT) CloseCodec();
}

HRESULT CStreamDecoder::OnPause()
{
    if (State() == State_Stopped && m_codec) {
        avcodec_flush_buffers(m_codec);
        OnRestart();
    }
    return S_OK;
}

HRESULT CStreamDecoder::Receive(CBasePin*, const MediaSample& sample)
{
    if (!m_codec) return VFW_E_NOT_CONNECTED;
    m_packet->data = const_cast<uint8_t*>(sample.data);
    m_packet->size = sample.size;
    m_packet->pts = sample.hasTime ? sample.start : AV_NOPTS_VALUE;
    m_packet->flags = sample.syncPoint ? AV_PKT_FLAG_KEY : 0;
    int sent = avcodec_send_packet(m_codec, m_packet);
    m_packet->data = nullptr;
    m_packet->size = 0;
    // A damaged packet is skipped, as players do; the stream goes on.
    if (sent < 0 && sent != AVERROR(EAGAIN) && sent != AVERROR_INVALIDDATA) return VFW_E_INVALID_FILE_FORMAT;
    return Drain();
}

HRESULT CStreamDecoder::Drain()
{
    for (;;) {
        int got = avcodec_receive_frame(m_codec, m_frame);
        if (got == AVERROR(EAGAIN) || got == AVERROR_EOF) return S_OK;
        if (got == AVERROR_INVALIDDATA) continue;
        if (got < 0) return VFW_E_INVALID_FILE_FORMAT;
        HRESULT hr = OnFrame(*m_frame);
        av_frame_unref(m_frame);
        if (hr == VFW_E_NOT_CONNECTED) hr = S_OK;
        if (hr != S_OK) return hr;
    }
}

HRESULT CStreamDecoder::EndOfStream(CBasePin*)
{
    if (m_codec) {
        avcodec_send_packet(m_codec, nullptr);
        HRESULT hr = Drain();
        if (SUCCEEDED(hr)) hr = OnDrained();
        if (FAILED(hr)) {
            if (hr != VFW_E_WRONG_STATE) NotifyEvent(EC_ERRORABORT, hr, 0); // not while the graph stops
            return hr;
        }
    }
    return Output()->IsConnected() ? Output()->DeliverEndOfStream() : S_OK;
}
