#include "dshow/images/ImageEncoder.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/encoders/VideoEncoding.h"
#include "dshow/images/ImageInterfaces.h"
#include "dshow/images/ImageKinds.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstring>

CImageEncoder::CImageEncoder(const ImageKind& kind) : CVideoStreamEncoder(*kind.filter), m_image(kind) {}

CImageEncoder::~CImageEncoder() { av_packet_free(&m_wholePacket); }

bool CImageEncoder::FeedsAnimation() const
{
    IPin* peer = PinAt(1)->Peer();
    PIN_INFO info{};
    if (!peer || FAILED(peer->QueryPinInfo(&info)) || !info.pFilter) return false;
    IAnimatedGifSettings* animation = nullptr;
    const bool feeds = SUCCEEDED(info.pFilter->QueryInterface(IAnimatedGifSettings::kIid,
                                                              reinterpret_cast<void**>(&animation)));
    if (animation) animation->Release();
    info.pFilter->Release();
    return feeds;
}

HRESULT CImageEncoder::OpenEncoding(const VIDEOINFOHEADER& input)
{
    const BITMAPINFOHEADER& h = input.bmiHeader;
    const REFERENCE_TIME frame = input.AvgTimePerFrame > 0 ? input.AvgTimePerFrame : kUnitsPerSecond / 25;
    const AVRational rate = av_d2q(double(kUnitsPerSecond) / double(frame), 100000);
    VideoEncodingTarget target;
    target.width = h.biWidth;
    target.height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    target.pixelFormat = m_image.pixelFormat;
    target.rateNum = rate.num;
    target.rateDen = rate.den;
    // A picture of a file of its own is whole: neither cut to what changed nor made
    // transparent where it equals the one before.
    m_wholeGifFiles = m_image.codecId == AV_CODEC_ID_GIF && !FeedsAnimation();
    m_gif.Reset();
    return Encoding().Open(m_image.filter->encoder, input, Quality(), 0, false, &target,
                           m_wholeGifFiles ? "gifflags=0" : nullptr);
}

HRESULT CImageEncoder::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    const AVCodecContext* codec = Encoding().Codec();
    if (pin->Direction() != PINDIR_OUTPUT || index != 0 || !codec) return S_FALSE;
    return MakeImageType(type, m_image, codec->width, codec->height, Encoding().FrameTime()) ? S_OK : S_FALSE;
}

HRESULT CImageEncoder::DeliverPacket(AVPacket& packet)
{
    if (!m_wholeGifFiles) return CVideoStreamEncoder::DeliverPacket(packet);
    if (!m_gif.MakeFile(packet.data, size_t(packet.size), m_file)) return E_UNEXPECTED;
    if (!m_wholePacket && !(m_wholePacket = av_packet_alloc())) return E_OUTOFMEMORY;
    if (av_new_packet(m_wholePacket, int(m_file.size())) < 0) return E_OUTOFMEMORY;
    std::memcpy(m_wholePacket->data, m_file.data(), m_file.size());
    av_packet_copy_props(m_wholePacket, &packet);
    m_wholePacket->duration = packet.duration;
    const HRESULT hr = CVideoStreamEncoder::DeliverPacket(*m_wholePacket);
    av_packet_unref(m_wholePacket);
    return hr;
}
