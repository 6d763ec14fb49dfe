#include "dshow/formats/DvFormat.h"

#include "dshow/VideoInfo.h"
#include "dshow/formats/CodedVideoFormat.h"

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavutil/pixfmt.h>
}

#include <cstdlib>
#include <initializer_list>

namespace {

constexpr DWORD kDvsd = 0x64737664; // 'dvsd'
constexpr DWORD kIavs = 0x73766169; // 'iavs'
// Frame times written by rounding 29.97 or 30000/1001 either way still name the system.
constexpr REFERENCE_TIME kFrameTimeSlack = 50;
// 48 kHz sound of the 525-line system runs in a cycle of five frames.
constexpr int kNtscSamples[5] = {1600, 1602, 1602, 1602, 1602};

} // namespace

const DvSystem kDvNtsc = {"NTSC", 720, 480, 30000, 1001, 333667, 120000, AV_PIX_FMT_YUV411P};
const DvSystem kDvPal = {"PAL", 720, 576, 25, 1, 400000, 144000, AV_PIX_FMT_YUV420P};
const GUID MEDIATYPE_Interleaved = MediaSubtypeFromFourcc(kIavs);
const GUID MEDIASUBTYPE_dvsd = MediaSubtypeFromFourcc(kDvsd);

const DvSystem* DvSystemOfFrameTime(REFERENCE_TIME frameTime)
{
    for (const DvSystem* system : {&kDvNtsc, &kDvPal})
        if (std::llabs(frameTime - system->frameTime) <= kFrameTimeSlack) return system;
    return nullptr;
}

const DvSystem* FindDvSystem(LONG width, LONG height, REFERENCE_TIME frameTime)
{
    for (const DvSystem* system : {&kDvNtsc, &kDvPal}) {
        if (width != system->width || height != system->height) continue;
        if (frameTime == 0 || DvSystemOfFrameTime(frameTime) == system) return system;
    }
    return nullptr;
}

REFERENCE_TIME DvFrameStart(const DvSystem& system, int64_t frame)
{
    return frame * kUnitsPerSecond * system.rateDen / system.rateNum;
}

bool IsDvSoundRate(int sampleRate) { return sampleRate == 32000 || sampleRate == 44100 || sampleRate == 48000; }

int DvAudioSamples(const DvSystem& system, int64_t frame, int sampleRate)
{
    if (&system == &kDvNtsc) return sampleRate == 48000 ? kNtscSamples[frame % 5] : 0;
    if (!IsDvSoundRate(sampleRate)) return 0;
    return sampleRate * system.rateDen / system.rateNum;
}

void MakeDvType(CMediaType& type, const DvSystem& system, bool interleaved)
{
    CodedVideoFormat format;
    format.codecId = AV_CODEC_ID_DVVIDEO;
    format.width = system.width;
    format.height = system.height;
    format.frameTime = system.frameTime;
    format.bitRate = DWORD(int64_t(system.frameSize) * 8 * system.rateNum / system.rateDen);
    if (!MakeCodedVideoType(type, format, kDvsd)) return;
    // Every frame stands alone and has the same size.
    if (interleaved) type.SetType(MEDIATYPE_Interleaved);
    type.SetTemporalCompression(FALSE);
    type.SetSampleSize(ULONG(system.frameSize));
    reinterpret_cast<VIDEOINFOHEADER*>(type.pbFormat)->bmiHeader.biSizeImage = DWORD(system.frameSize);
}

const DvSystem* ReadDvType(const AM_MEDIA_TYPE& type, bool interleaved)
{
    const auto* info = MediaFormatAs<VIDEOINFOHEADER>(type, FORMAT_VideoInfo);
    if (!info || type.majortype != (interleaved ? MEDIATYPE_Interleaved : MEDIATYPE_Video)
        || type.subtype != MEDIASUBTYPE_dvsd || info->bmiHeader.biCompression != kDvsd)
        return nullptr;
    const LONG height = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
    return FindDvSystem(info->bmiHeader.biWidth, height, info->AvgTimePerFrame);
}
