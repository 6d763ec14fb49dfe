#include "dshow/formats/CodedVideoFormat.h"

#include "dshow/CodecFormat.h"
#include "dshow/PictureFormat.h"
#include "dshow/VideoInfo.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <cstring>

namespace {
// Asked on first use: the format library is loaded when a job needs it, not at start.
const AVCodecTag* const* VideoTags()
{
    static const AVCodecTag* const tags[] = {avformat_get_riff_video_tags(), nullptr};
    return tags;
}

// Still images carried one whole file a sample, which the RIFF table has no codes for.
constexpr struct {
    AVCodecID id;
    DWORD fourcc;
} kImageTags[] = {{AV_CODEC_ID_GIF, MKTAG('g', 'i', 'f', ' ')}, {AV_CODEC_ID_BMP, MKTAG('b', 'm', 'p', ' ')}};

AVCodecID VideoCodecOfFourcc(DWORD fourcc)
{
    for (const auto& tag : kImageTags)
        if (tag.fourcc == fourcc) return tag.id;
    return av_codec_get_id(VideoTags(), fourcc);
}

bool CopyExtra(AVCodecParameters& p, const BYTE* extra, DWORD size)
{
    av_freep(&p.extradata);
    p.extradata_size = 0;
    if (!size) return true;
    p.extradata = static_cast<uint8_t*>(av_mallocz(size_t(size) + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!p.extradata) return false;
    std::memcpy(p.extradata, extra, size);
    p.extradata_size = int(size);
    return true;
}
} // namespace

DWORD FourccOfVideoCodec(int codecId)
{
    for (const auto& tag : kImageTags)
        if (tag.id == codecId) return tag.fourcc;
    return av_codec_get_tag(VideoTags(), AVCodecID(codecId));
}

bool MakeCodedVideoType(CMediaType& type, const CodedVideoFormat& format, DWORD fourcc)
{
    if (!fourcc || format.width <= 0 || format.height <= 0 || format.extraSize > kMaxCodecExtra) return false;
    type = CMediaType();
    type.SetType(MEDIATYPE_Video);
    type.SetSubtype(MediaSubtypeFromFourcc(fourcc));
    type.SetFormatType(FORMAT_VideoInfo);
    type.SetTemporalCompression(TRUE);
    type.SetVariableSize();
    BYTE* block = type.AllocFormatBuffer(ULONG(sizeof(VIDEOINFOHEADER) + format.extraSize));
    if (!block) return false;
    VIDEOINFOHEADER info{};
    info.rcSource = {0, 0, format.width, format.height};
    info.rcTarget = info.rcSource;
    info.dwBitRate = format.bitRate;
    info.AvgTimePerFrame = format.frameTime;
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = format.width;
    info.bmiHeader.biHeight = format.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = fourcc;
    info.bmiHeader.biSizeImage = DWORD(format.width * format.height * 3);
    std::memcpy(block, &info, sizeof info);
    if (format.extraSize) std::memcpy(block + sizeof info, format.extra, format.extraSize);
    return true;
}

bool ReadCodedVideoType(const AM_MEDIA_TYPE& type, CodedVideoFormat& format)
{
    const auto* info = MediaFormatAs<VIDEOINFOHEADER>(type, FORMAT_VideoInfo);
    if (!info || type.majortype != MEDIATYPE_Video) return false;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biCompression <= 3 || type.subtype != MediaSubtypeFromFourcc(h.biCompression)) return false;
    // A decoded YUV picture is not a coded stream, though its code names raw video.
    if (PictureVideoInfo(type)) return false;
    if (h.biWidth <= 0 || h.biWidth > kMaxVideoSide || h.biHeight == 0 || h.biHeight < -kMaxVideoSide
        || h.biHeight > kMaxVideoSide || type.cbFormat - sizeof(VIDEOINFOHEADER) > kMaxCodecExtra)
        return false;
    AVCodecID id = VideoCodecOfFourcc(h.biCompression);
    if (id == AV_CODEC_ID_NONE) return false;
    format.codecId = int(id);
    format.width = h.biWidth;
    format.height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    format.frameTime = info->AvgTimePerFrame > 0 ? info->AvgTimePerFrame : 0;
    format.bitRate = info->dwBitRate;
    format.extraSize = DWORD(type.cbFormat - sizeof(VIDEOINFOHEADER));
    format.extra = format.extraSize ? type.pbFormat + sizeof(VIDEOINFOHEADER) : nullptr;
    return true;
}

bool FillVideoParameters(const AM_MEDIA_TYPE& type, AVCodecParameters& p, AVRational& frameRate)
{
    frameRate = AVRational{0, 1};
    p.codec_type = AVMEDIA_TYPE_VIDEO;
    CodedVideoFormat coded;
    if (ReadCodedVideoType(type, coded)) {
        p.codec_id = AVCodecID(coded.codecId);
        p.codec_tag = 0;
        p.width = coded.width;
        p.height = coded.height;
        p.bit_rate = coded.bitRate;
        if (coded.frameTime > 0) frameRate = av_d2q(double(kUnitsPerSecond) / double(coded.frameTime), 100000);
        return CopyExtra(p, coded.extra, coded.extraSize);
    }
    const BYTE* extra = nullptr;
    const CODECFORMAT* format = CodecFormatOf(type, &extra);
    if (!format || type.majortype != MEDIATYPE_Video || format->width <= 0 || format->height <= 0) return false;
    p.codec_id = AVCodecID(format->codecId);
    p.width = format->width;
    p.height = format->height;
    p.bit_rate = format->bitRate;
    if (format->frameRateNum && format->frameRateDen)
        frameRate = AVRational{int(format->frameRateNum & 0x7FFFFFFF), int(format->frameRateDen & 0x7FFFFFFF)};
    return CopyExtra(p, extra, format->extraSize);
}
