#include "dshow/capture/CaptureFormats.h"

#include "dshow/VideoInfo.h"

std::vector<CMediaType> RgbFormatsOf(const std::vector<CaptureMode>& modes)
{
    std::vector<CMediaType> formats;
    for (const CaptureMode& mode : modes)
        for (const GUID* subtype : {&MEDIASUBTYPE_RGB32, &MEDIASUBTYPE_RGB24}) {
            CMediaType type;
            MakeRgbVideoType(type, *subtype, mode.width, mode.height, mode.frameTimes.front());
            formats.push_back(type);
        }
    return formats;
}

std::vector<std::vector<REFERENCE_TIME>> FrameTimesOf(const std::vector<CaptureMode>& modes)
{
    std::vector<std::vector<REFERENCE_TIME>> times;
    for (const CaptureMode& mode : modes) times.insert(times.end(), 2, mode.frameTimes);
    return times;
}
