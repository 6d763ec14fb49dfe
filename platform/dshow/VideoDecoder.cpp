#include "dshow/VideoDecoder.h"

#include "dshow/BasePin.h"
#include "dshow/CodecFormat.h"
#include "dshow/PictureConverter.h"
#include "dshow/VideoInfo.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

const CLSID CLSID_VideoDecoder = {0x2F1C8E55, 0x6D0B, 0x4B7E, {0x9E, 0x31, 0x5A, 0x0C, 0x77, 0x41, 0xD2, 0x93}};

HRESULT CVideoDecoder::Create(REFIID iid, void** object) { return CreateComObject<CVideoDecoder>(iid, object); }

CVideoDecoder::CVideoDecoder(REFCLSID clsid, const int* codecs)
    : CStreamDecoder(clsid, MEDIATYPE_Video, codecs), m_converter(std::make_unique<CPictureConverter>())
{
}

CVideoDecoder::~CVideoDecoder() { OnClosed(); }

void CVideoDecoder::OnClosed()
{
    m_converter = std::make_unique<CPictureConverter>();
    m_width = m_height = 0;
    m_ownFormat = -1;
}

HRESULT CVideoDecoder::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin->Direction() != PINDIR_OUTPUT || index < 0 || m_width <= 0) return S_FALSE;
    // The decoder's own format first: a picture goes on unconverted wherever the next filter takes it.
    if (m_ownFormat >= 0 && index-- == 0)
        return MakePictureType(type, m_ownFormat, m_width, m_height, m_frameTime) ? S_OK : E_OUTOFMEMORY;
    if (index != 0) return S_FALSE;
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
    CMediaType own;
    const int decoded = int(format->pixelFormat) - 1;
    m_ownFormat = decoded >= 0 && MakePictureType(own, decoded, m_width, m_height, m_frameTime) ? decoded : -1;
    return S_OK;
}

HRESULT CVideoDecoder::OnFrame(AVFrame& frame)
{
    if (frame.width != m_width || frame.height != m_height) return VFW_E_INVALID_FILE_FORMAT; // size changed midway
    const VIDEOINFOHEADER* info = PictureVideoInfo(Output()->MediaType());
    if (!info) return VFW_E_NOT_CONNECTED;
    // Copied as it is in the connected format; converted only when that is another one.
    m_picture.resize(PictureSize(info->bmiHeader));
    PicturePlanes to;
    PicturePlanes from;
    from.pixelFormat = frame.format;
    from.width = frame.width;
    from.height = frame.height;
    for (int i = 0; i < 4; ++i) {
        from.data[i] = frame.data[i];
        from.strides[i] = frame.linesize[i];
    }
    if (!PlanesOf(info->bmiHeader, m_picture.data(), m_picture.size(), to) || !m_converter->Convert(from, to))
        return E_FAIL;
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
