#include "dshow/PictureFormat.h"

#include "dshow/MediaType.h"
#include "dshow/VideoInfo.h"

extern "C" {
#include <libavutil/imgutils.h>
#include <libavutil/pixfmt.h>
}

#include <cstdlib>

namespace {

constexpr DWORD Fourcc(const char (&c)[5])
{
    return DWORD(BYTE(c[0])) | DWORD(BYTE(c[1])) << 8 | DWORD(BYTE(c[2])) << 16 | DWORD(BYTE(c[3])) << 24;
}

struct PictureKind {
    DWORD fourcc; // BI_RGB for the RGB bitmaps
    WORD bits;
    AVPixelFormat format;
};

// The first row naming a pixel format is the one offered for it. The full-range (JPEG)
// layouts have codes of this layer's own, so a decoder's range travels with its pictures.
const PictureKind kKinds[] = {
    {BI_RGB, 32, AV_PIX_FMT_BGR0},
    {BI_RGB, 24, AV_PIX_FMT_BGR24},
    {Fourcc("I420"), 12, AV_PIX_FMT_YUV420P},
    {Fourcc("IYUV"), 12, AV_PIX_FMT_YUV420P},
    {Fourcc("NV12"), 12, AV_PIX_FMT_NV12},
    {Fourcc("YUY2"), 16, AV_PIX_FMT_YUYV422},
    {Fourcc("UYVY"), 16, AV_PIX_FMT_UYVY422},
    {Fourcc("Y42B"), 16, AV_PIX_FMT_YUV422P},
    {Fourcc("Y444"), 24, AV_PIX_FMT_YUV444P},
    {Fourcc("Y800"), 8, AV_PIX_FMT_GRAY8},
    {Fourcc("J420"), 12, AV_PIX_FMT_YUVJ420P},
    {Fourcc("J422"), 16, AV_PIX_FMT_YUVJ422P},
    {Fourcc("J444"), 24, AV_PIX_FMT_YUVJ444P},
};

const PictureKind* KindOf(const BITMAPINFOHEADER& h)
{
    for (const PictureKind& k : kKinds)
        if (k.fourcc == h.biCompression && (k.fourcc != BI_RGB || k.bits == h.biBitCount)) return &k;
    return nullptr;
}

const PictureKind* KindOf(int format)
{
    for (const PictureKind& k : kKinds)
        if (k.format == format) return &k;
    return nullptr;
}

GUID SubtypeOf(const PictureKind& k)
{
    if (k.fourcc == BI_RGB) return k.bits == 32 ? MEDIASUBTYPE_RGB32 : MEDIASUBTYPE_RGB24;
    return MediaSubtypeFromFourcc(k.fourcc);
}

} // namespace

int PixelFormatOfHeader(const BITMAPINFOHEADER& header)
{
    const PictureKind* k = KindOf(header);
    return k ? int(k->format) : -1;
}

bool IsRgbPixelFormat(int pixelFormat)
{
    return pixelFormat == AV_PIX_FMT_BGR0 || pixelFormat == AV_PIX_FMT_BGR24;
}

bool MakePictureType(CMediaType& type, int pixelFormat, LONG width, LONG height, REFERENCE_TIME frameTime)
{
    const PictureKind* k = KindOf(pixelFormat);
    if (!k) return false;
    if (k->fourcc == BI_RGB) {
        MakeRgbVideoType(type, SubtypeOf(*k), width, height, frameTime);
        return type.pbFormat != nullptr;
    }
    type.SetType(MEDIATYPE_Video);
    type.SetSubtype(SubtypeOf(*k));
    type.SetFormatType(FORMAT_VideoInfo);
    type.SetTemporalCompression(FALSE);
    auto* info = reinterpret_cast<VIDEOINFOHEADER*>(type.AllocFormatBuffer(sizeof(VIDEOINFOHEADER)));
    if (!info) return false;
    info->AvgTimePerFrame = frameTime;
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = height; // YUV pictures are stored top-down whatever the sign
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = k->bits;
    info->bmiHeader.biCompression = k->fourcc;
    info->bmiHeader.biSizeImage = DWORD(PictureSize(info->bmiHeader));
    info->rcSource = {0, 0, width, height};
    info->rcTarget = info->rcSource;
    type.SetSampleSize(info->bmiHeader.biSizeImage);
    return true;
}

const VIDEOINFOHEADER* PictureVideoInfo(const AM_MEDIA_TYPE& type)
{
    if (const VIDEOINFOHEADER* rgb = RgbVideoInfo(type)) return rgb;
    const auto* info = MediaFormatAs<VIDEOINFOHEADER>(type, FORMAT_VideoInfo);
    if (type.majortype != MEDIATYPE_Video || !info) return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const PictureKind* k = KindOf(h);
    if (!k || k->fourcc == BI_RGB || type.subtype != SubtypeOf(*k) || h.biWidth <= 0 || h.biWidth > kMaxVideoSide
        || h.biHeight == 0 || std::abs(h.biHeight) > kMaxVideoSide)
        return nullptr;
    return info;
}

size_t PictureSize(const BITMAPINFOHEADER& header)
{
    const PictureKind* k = KindOf(header);
    const LONG height = std::abs(header.biHeight);
    if (!k || header.biWidth <= 0 || height == 0) return 0;
    if (k->fourcc == BI_RGB) return size_t((header.biWidth * k->bits / 8 + 3) & ~3) * size_t(height);
    const int size = av_image_get_buffer_size(k->format, header.biWidth, height, 1);
    return size > 0 ? size_t(size) : 0;
}

bool PlanesOf(const BITMAPINFOHEADER& header, const BYTE* data, size_t size, PicturePlanes& planes)
{
    const PictureKind* k = KindOf(header);
    const size_t needed = PictureSize(header);
    if (!k || !data || needed == 0 || size < needed) return false;
    planes = PicturePlanes{};
    planes.pixelFormat = k->format;
    planes.width = header.biWidth;
    planes.height = std::abs(header.biHeight);
    uint8_t* start = const_cast<uint8_t*>(data);
    if (k->fourcc == BI_RGB) {
        const int stride = (header.biWidth * k->bits / 8 + 3) & ~3;
        const bool bottomUp = header.biHeight > 0;
        planes.data[0] = bottomUp ? start + size_t(planes.height - 1) * size_t(stride) : start;
        planes.strides[0] = bottomUp ? -stride : stride;
        return true;
    }
    return av_image_fill_arrays(planes.data, planes.strides, start, k->format, planes.width, planes.height, 1) >= 0;
}
