#include "quicktime/QuickTimeApi.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

constexpr OSType Code(const char (&text)[5])
{
    return OSType(uint8_t(text[0])) << 24 | OSType(uint8_t(text[1])) << 16 | OSType(uint8_t(text[2])) << 8 |
           OSType(uint8_t(text[3]));
}

// Every format code of the codec lists that FFmpeg has an encoder for; the others
// (MACE, QDesign, PureVoice, Sorenson, Indeo, the graphics codecs) are absent here.
const struct {
    OSType format;
    const char* encoder;
} kEncoders[] = {
    {Code("mp4a"), "aac"},         {Code("alac"), "alac"},          {Code("twos"), "pcm_s16be"},
    {Code("sowt"), "pcm_s16le"},   {Code("alaw"), "pcm_alaw"},      {Code("ulaw"), "pcm_mulaw"},
    {Code("ima4"), "adpcm_ima_qt"}, {Code("dvca"), "pcm_s16le"},    {Code("mp4v"), "mpeg4"},
    {Code("avc1"), "libx264"},     {Code("h263"), "h263"},          {Code("mjp2"), "jpeg2000"},
    {Code("jpeg"), "mjpeg"},       {Code("mjpa"), "mjpeg"},         {Code("png "), "png"},
    {Code("raw "), "rawvideo"},    {Code("rle "), "qtrle"},         {Code("cvid"), "cinepak"},
    {Code("dvc "), "dvvideo"},     {Code("dvcp"), "dvvideo"},       {Code("dvpp"), "dvvideo"},
    {Code("tiff"), "tiff"},        {Code("tga "), "targa"},
};

} // namespace

QT_EXPORT const char* QTEncoderForFormat(OSType format)
{
    for (const auto& row : kEncoders)
        if (row.format == format) return avcodec_find_encoder_by_name(row.encoder) ? row.encoder : nullptr;
    return nullptr;
}
