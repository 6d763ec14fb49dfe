#include "dshow/CodecFormat.h"

const CODECFORMAT* CodecFormatOf(const AM_MEDIA_TYPE& type, const BYTE** extra)
{
    if (type.subtype != MEDIASUBTYPE_Coded) return nullptr;
    const auto* format = MediaFormatAs<CODECFORMAT>(type, FORMAT_CodecParams);
    if (!format || format->extraSize > kMaxCodecExtra || format->channels > kMaxChannels
        || type.cbFormat - sizeof(CODECFORMAT) < format->extraSize)
        return nullptr;
    if (extra) *extra = format->extraSize ? type.pbFormat + sizeof(CODECFORMAT) : nullptr;
    return format;
}
