#include "dshow/images/ImageKinds.h"

#include "dshow/MediaType.h"
#include "dshow/encoders/VideoEncoderFilter.h"
#include "dshow/formats/CodedVideoFormat.h"
#include "dshow/images/ImageIds.h"

#include <iterator>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

// GIF is written with the fixed 3-3-2 palette, as the codec library's own tool writes it
// by default; BMP as plain 24-bit pictures.
const VideoEncoderKind kEncoders[] = {
    {&CLSID_JpgImageEncoder, "Morvane JPG", "mjpeg"},
    {&CLSID_BmpImageEncoder, "Morvane BMP", "bmp"},
    {&CLSID_GifImageEncoder, "Morvane GIF", "gif"},
};
const ImageKind kKinds[] = {
    {&kEncoders[0], AV_CODEC_ID_MJPEG, "jpg", AV_PIX_FMT_YUVJ420P},
    {&kEncoders[1], AV_CODEC_ID_BMP, "bmp", AV_PIX_FMT_BGR24},
    {&kEncoders[2], AV_CODEC_ID_GIF, "gif", AV_PIX_FMT_BGR8},
};

} // namespace

const ImageKind* ImageKindOfEncoder(REFCLSID clsid)
{
    for (const ImageKind& kind : kKinds)
        if (*kind.filter->clsid == clsid) return &kind;
    return nullptr;
}

const ImageKind* ImageKindAt(size_t index)
{
    return index < std::size(kKinds) ? &kKinds[index] : nullptr;
}

const ImageKind* ImageKindOfCodec(int codecId)
{
    for (const ImageKind& kind : kKinds)
        if (kind.codecId == codecId) return &kind;
    return nullptr;
}

bool MakeImageType(CMediaType& type, const ImageKind& kind, LONG width, LONG height, REFERENCE_TIME frameTime)
{
    CodedVideoFormat format;
    format.codecId = kind.codecId;
    format.width = width;
    format.height = height;
    format.frameTime = frameTime;
    if (!MakeCodedVideoType(type, format, FourccOfVideoCodec(kind.codecId))) return false;
    // Each sample is a whole image.
    type.SetTemporalCompression(FALSE);
    return true;
}

const ImageKind* ReadImageType(const AM_MEDIA_TYPE& type, LONG* width, LONG* height)
{
    CodedVideoFormat format;
    const ImageKind* kind = ReadCodedVideoType(type, format) ? ImageKindOfCodec(format.codecId) : nullptr;
    if (kind && width) *width = format.width;
    if (kind && height) *height = format.height;
    return kind;
}
