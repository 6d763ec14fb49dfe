#include "dshow/VideoDecoder.h"

#include "dshow/BasePin.h"
#include "dshow/CodecFormat.h"
#include "dshow/VideoInfo.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libswscale/swscale.h>
}

const CLSID CLSID_VideoDecoder = {0x2F1C8E55, 0x6D0B, 0x4B7E, {0x9E, 0x31, 0x5A, 0x0C, 0x77, 0x41, 0xD2, 0x93}};

HRESULT CVideoDecoder::Create(REFIID iid, void** object) { return CreateComObject<CVideoDecoder>(iid, object); }

CVideoDecoder::CVideoDecoder(REFCLSID clsid, const int* codecs) : CStreamDecoder(clsid, MEDIATYPE_Video, codecs) {}

CVideoDecoder::~CVideoDecoder() { OnClosed(); }

void CVideoDecoder::OnClosed()
{
    sws_freeContext(m_scaler);
    m_scaler = nullptr;
    m_width = m_height = 0;
}

HRESULT CVideoDecoder::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin->Direction() != PINDIR_OUTPUT || index != 0 || m_width <= 0) return S_FALSE;
    MakeRgbVideoType(type, MEDIASUBTYPE_RGB32, m_width, m_height, m_frameTime);
    return S_OK;
}

HRESULT CVideoDecoder::OnOpened(const AM_MEDIA_TYPE& input)
{
    const CODECFORMAT* format = CodecFormatOf(input, nullptr);
    AVCodecContext* codec = Codec();
    if (!format || codec->width != format->width || codec->height != format->height || codec->width <= 0
        || codec->width > kMaxVideoSide || codec->height <= 0 || codec->height > kMaxVideoSide)
        return VFW_E_TYPE_NOT_ACCEPTED;
    m_width = codec->width;
    m_height = codec->height;
    m_frameTime = format->frameRateNum && format->frameRateDen
        ? REFERENCE_TIME(kUnitsPerSecond * int64_t(format->frameRateDen) / int64_t(format->frameRateNum))
        : kUnitsPerSecond / 25;
    if (m_frameTime <= 0) m_frameTime = kUnitsPerSecond / 25;
    m_picture.assign(size_t(m_width) * size_t(m_height) * 4, 0);
    return S_OK;
}

HRESULT CVideoDecoder::OnFrame(AVFrame& frame)
{
    if (frame.width != m_width || frame.height != m_height) return VFW_E_INVALID_FILE_FORMAT; // size changed midway
    m_scaler = sws_getCachedContext(m_scaler, m_width, m_height, AVPixelFormat(frame.format), m_width, m_height,
                                    AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!m_scaler) return E_FAIL;
    // Bottom-up rows: start at the last row and step backwards.
    int stride = m_width * 4;
    uint8_t* planes[1] = {m_picture.data() + size_t(m_height - 1) * size_t(stride)};
    int strides[1] = {-stride};
    sws_scale(m_scaler, frame.data, frame.linesize, 0, m_height, planes, strides);
    REFERENCE_TIME start = frame.best_effort_timestamp != AV_NOPTS_VALUE ? frame.best_effort_timestamp : m_next;
    m_next = start + m_frameTime;
    MediaSample out;
    out.data = m_picture.data();
    out.size = LONG(m_picture.size());
    out.hasTime = true;
    out.start = start;
    out.stop = m_next;
    return Output()->Deliver(out);
}
