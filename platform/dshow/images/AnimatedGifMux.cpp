#include "dshow/images/AnimatedGifMux.h"

#include "dshow/BasePin.h"
#include "dshow/ByteOutput.h"
#include "dshow/images/ImageIds.h"
#include "dshow/images/ImageKinds.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

#include <cstring>

namespace {

constexpr AVRational kUnits = {1, int(kUnitsPerSecond)};

int WritePacket(void* opaque, uint8_t* data, int size)
{
    return static_cast<CAnimatedGifMux*>(opaque)->WriteBytes(data, size);
}

} // namespace

HRESULT CAnimatedGifMux::Create(REFIID iid, void** object) { return CreateComObject<CAnimatedGifMux>(iid, object); }

CAnimatedGifMux::CAnimatedGifMux() : CBaseFilter(CLSID_AnimatedGifMux)
{
    AddPin(PINDIR_INPUT, u"Video In");
    AddPin(PINDIR_OUTPUT, u"Output");
}

CAnimatedGifMux::~CAnimatedGifMux()
{
    std::lock_guard lock(m_muxLock);
    Close();
}

void* CAnimatedGifMux::FindInterface(REFIID iid)
{
    if (iid == IAnimatedGifSettings::kIid) return static_cast<IAnimatedGifSettings*>(this);
    return nullptr;
}

HRESULT CAnimatedGifMux::SetLoop(BYTE loop)
{
    m_loop = loop != 0;
    return S_OK;
}

HRESULT CAnimatedGifMux::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin == Output()) return type.majortype == MEDIATYPE_Stream ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    const ImageKind* kind = ReadImageType(type);
    return kind && kind->codecId == AV_CODEC_ID_GIF ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CAnimatedGifMux::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin != Output() || index != 0) return S_FALSE;
    MakeByteStreamType(type);
    return S_OK;
}

HRESULT CAnimatedGifMux::OnPause()
{
    if (State() != State_Stopped) return S_OK;
    std::lock_guard lock(m_muxLock);
    return Open();
}

HRESULT CAnimatedGifMux::OnStop()
{
    std::lock_guard lock(m_muxLock);
    Close();
    return S_OK;
}

void CAnimatedGifMux::Close()
{
    FreeByteOutput(m_output);
    av_packet_free(&m_packet);
}

HRESULT CAnimatedGifMux::Open()
{
    Close();
    LONG width = 0, height = 0;
    if (!Output()->IsConnected() || !PinAt(0)->IsConnected()
        || !ReadImageType(PinAt(0)->MediaType(), &width, &height))
        return VFW_E_NOT_CONNECTED;
    m_packet = av_packet_alloc();
    AVStream* stream = nullptr;
    if (!m_packet || avformat_alloc_output_context2(&m_output, nullptr, "gif", nullptr) < 0
        || !(stream = avformat_new_stream(m_output, nullptr)) || !AttachByteOutput(*m_output, this, &WritePacket, nullptr)) {
        Close();
        return E_OUTOFMEMORY;
    }
    stream->codecpar->codec_type = AVMEDIA_TYPE_VIDEO;
    stream->codecpar->codec_id = AV_CODEC_ID_GIF;
    stream->codecpar->width = width;
    stream->codecpar->height = height;
    stream->time_base = kUnits;
    // The container counts loops after the first showing: 0 for ever, -1 none.
    av_opt_set_int(m_output->priv_data, "loop", m_loop ? 0 : -1, 0);
    m_headerWritten = false;
    m_finished = false;
    m_position = 0;
    return S_OK;
}

int CAnimatedGifMux::WriteBytes(const uint8_t* data, int size)
{
    MediaSample sample;
    sample.data = data;
    sample.size = size;
    sample.hasTime = true;
    sample.start = m_position; // a byte offset, as file writers take it
    sample.stop = m_position + size;
    if (Output()->Deliver(sample) != S_OK) return AVERROR(EIO);
    m_position += size;
    return size;
}

HRESULT CAnimatedGifMux::WriteHeader()
{
    if (m_headerWritten) return S_OK;
    if (avformat_write_header(m_output, nullptr) < 0) return E_FAIL;
    m_headerWritten = true;
    return S_OK;
}

HRESULT CAnimatedGifMux::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_muxLock);
    if (!m_output || m_finished) return VFW_E_WRONG_STATE;
    HRESULT hr = WriteHeader();
    if (FAILED(hr) || sample.size <= 0) return hr;
    if (av_new_packet(m_packet, sample.size) < 0) return E_OUTOFMEMORY;
    std::memcpy(m_packet->data, sample.data, size_t(sample.size));
    m_packet->stream_index = 0;
    m_packet->pts = m_packet->dts = sample.hasTime ? sample.start : AV_NOPTS_VALUE;
    m_packet->duration = sample.hasTime ? sample.stop - sample.start : 0;
    m_packet->flags = AV_PKT_FLAG_KEY;
    av_packet_rescale_ts(m_packet, kUnits, m_output->streams[0]->time_base);
    const int written = av_write_frame(m_output, m_packet);
    av_packet_unref(m_packet);
    return written < 0 ? E_FAIL : S_OK;
}

HRESULT CAnimatedGifMux::EndOfStream(CBasePin*)
{
    HRESULT hr = S_OK;
    {
        std::lock_guard lock(m_muxLock);
        if (!m_output || m_finished) return S_OK;
        m_finished = true;
        hr = WriteHeader();
        if (SUCCEEDED(hr) && av_write_trailer(m_output) < 0) hr = E_FAIL;
        if (SUCCEEDED(hr)) avio_flush(m_output->pb);
        if (SUCCEEDED(hr) && m_output->pb->error < 0) hr = E_FAIL;
    }
    if (FAILED(hr)) {
        NotifyEvent(EC_ERRORABORT, hr, 0);
        return hr;
    }
    return Output()->DeliverEndOfStream();
}
