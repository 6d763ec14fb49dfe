#include "dshow/encoders/VideoEncoderFilter.h"

#include "com/ComRuntime.h"
#include "dshow/BasePin.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/FilterRegistry.h"
#include "dshow/PictureFormat.h"
#include "dshow/VideoInfo.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "dshow/encoders/VideoEncoding.h"
#include "dshow/formats/CodedVideoFormat.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <algorithm>
#include <utility>

namespace {

const VideoEncoderKind kKinds[] = {
    {&CLSID_Mpeg4VideoEncoder, "MPEG-4 Video", "mpeg4"},
    {&CLSID_XvidVideoEncoder, "XviD MPEG-4 Codec", "libxvid"},
    {&CLSID_MsMpeg4VideoEncoder, "MPEG-4 v3 Video", "msmpeg4"},
    {&CLSID_MjpegVideoEncoder, "Motion JPEG", "mjpeg"},
    {&CLSID_H264VideoEncoder, "H.264 Video", "libx264"},
    {&CLSID_Wmv2VideoEncoder, "Windows Media Video 8", "wmv2"},
    {&CLSID_Vp8VideoEncoder, "VP8 Video", "libvpx"},
    {&CLSID_Ffv1VideoEncoder, "FFV1 Lossless Video", "ffv1"},
    {&CLSID_HuffyuvVideoEncoder, "Huffyuv Lossless Video", "huffyuv"},
    {&CLSID_TheoraVideoEncoder, "Theora Video", "libtheora"},
};

template <size_t N>
bool Present()
{
    return avcodec_find_encoder_by_name(kKinds[N].encoder) != nullptr;
}

template <size_t N>
HRESULT CreateKind(REFIID iid, void** object)
{
    if (!Present<N>()) return REGDB_E_CLASSNOTREG;
    return CreateComObject<CVideoStreamEncoder>(iid, object, kKinds[N]);
}

template <size_t... I>
void RegisterAll(std::index_sequence<I...>)
{
    // An encoder the codec library lacks is not offered; the library is asked when the
    // compressors are listed, not when the program starts.
    (DShowRegisterFilter(*kKinds[I].clsid, kKinds[I].name, FilterRole::Other, 0, &CreateKind<I>,
                         CLSID_VideoCompressorCategory, &Present<I>),
     ...);
}

} // namespace

void DShowRegisterVideoEncoders() { RegisterAll(std::make_index_sequence<std::size(kKinds)>()); }

CVideoStreamEncoder::CVideoStreamEncoder(const VideoEncoderKind& kind)
    : CBaseFilter(*kind.clsid), m_kind(kind), m_encoding(std::make_unique<CVideoEncoding>())
{
    AddPin(PINDIR_INPUT, u"Video In");
    AddPin(PINDIR_OUTPUT, u"Video Out");
}

CVideoStreamEncoder::~CVideoStreamEncoder() = default;

void* CVideoStreamEncoder::FindInterface(REFIID iid)
{
    if (iid == IVideoEncoderSettings::kIid) return static_cast<IVideoEncoderSettings*>(this);
    return CBaseFilter::FindInterface(iid);
}

HRESULT CVideoStreamEncoder::SetState(const BYTE* state, LONG size)
{
    if (size < 0 || (size > 0 && !state)) return E_INVALIDARG;
    m_state.assign(state, state + size);
    return S_OK;
}

HRESULT CVideoStreamEncoder::SetSizeClass(LONG sizeClass)
{
    if (sizeClass != 1 && sizeClass != 2) return E_INVALIDARG;
    m_sizeClass = sizeClass;
    return S_OK;
}

HRESULT CVideoStreamEncoder::SetQuality(BYTE quality)
{
    m_quality = std::clamp<int>(quality, 1, 99);
    return S_OK;
}

HRESULT CVideoStreamEncoder::Open()
{
    const VIDEOINFOHEADER* info = PictureVideoInfo(PinAt(0)->MediaType());
    if (!info) return VFW_E_NOT_CONNECTED;
    return OpenEncoding(*info);
}

HRESULT CVideoStreamEncoder::OpenEncoding(const VIDEOINFOHEADER& input)
{
    return m_encoding->Open(m_kind.encoder, input, m_quality, 0, true);
}

HRESULT CVideoStreamEncoder::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin->Direction() == PINDIR_INPUT) return PictureVideoInfo(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    return CheckOfferedType(pin, type);
}

HRESULT CVideoStreamEncoder::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    AVCodecContext* codec = m_encoding->Codec();
    if (pin->Direction() != PINDIR_OUTPUT || index != 0 || !codec) return S_FALSE;
    CodedVideoFormat format;
    format.codecId = int(codec->codec_id);
    format.width = codec->width;
    format.height = codec->height;
    format.frameTime = m_encoding->FrameTime();
    format.bitRate = DWORD(std::clamp<int64_t>(codec->bit_rate, 0, INT32_MAX));
    format.extra = codec->extradata;
    format.extraSize = DWORD(std::max(0, codec->extradata_size));
    return MakeCodedVideoType(type, format, FourccOfVideoCodec(format.codecId)) ? S_OK : S_FALSE;
}

HRESULT CVideoStreamEncoder::CompleteConnect(CBasePin* pin, IPin*)
{
    if (pin->Direction() != PINDIR_INPUT) return S_OK;
    std::lock_guard lock(m_streamLock);
    return SUCCEEDED(Open()) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

void CVideoStreamEncoder::BreakConnect(CBasePin* pin)
{
    if (pin->Direction() == PINDIR_INPUT) m_encoding->Close();
}

HRESULT CVideoStreamEncoder::OnPause()
{
    // A run after a finished one starts the encoder afresh, with the quality set since.
    if (State() != State_Stopped || !PinAt(0)->IsConnected()) return S_OK;
    std::lock_guard lock(m_streamLock);
    return Open();
}

HRESULT CVideoStreamEncoder::DeliverPacket(AVPacket& packet)
{
    const REFERENCE_TIME frame = m_encoding->FrameTime();
    MediaSample out;
    out.data = packet.data;
    out.size = packet.size;
    out.hasTime = packet.pts != AV_NOPTS_VALUE;
    out.start = packet.pts * frame;
    out.stop = out.start + std::max<int64_t>(1, packet.duration) * frame;
    out.syncPoint = (packet.flags & AV_PKT_FLAG_KEY) != 0;
    HRESULT hr = PinAt(1)->Deliver(out);
    return hr == VFW_E_NOT_CONNECTED ? S_OK : hr;
}

HRESULT CVideoStreamEncoder::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_streamLock);
    return m_encoding->Push(sample.data, sample.size, sample.hasTime, sample.start,
                            [this](AVPacket& p) { return DeliverPacket(p); });
}

HRESULT CVideoStreamEncoder::EndOfStream(CBasePin*)
{
    HRESULT hr;
    {
        std::lock_guard lock(m_streamLock);
        hr = m_encoding->Finish([this](AVPacket& p) { return DeliverPacket(p); });
    }
    if (FAILED(hr) && hr != VFW_E_WRONG_STATE) NotifyEvent(EC_ERRORABORT, hr, 0);
    return PinAt(1)->IsConnected() ? PinAt(1)->DeliverEndOfStream() : S_OK;
}
