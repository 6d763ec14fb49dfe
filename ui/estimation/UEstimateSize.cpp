#include "UEstimateSize.h"

#include "CAudioCodecsInfo.h"
#include "CAudioTrack.h"
#include "CFormatTypes.h"
#include "CMediaFile2.h"
#include "CMediaOutput2.h"
#include "CSliceDuration2.h"
#include "CWmProfile2.h"
#include "CWmProfileVersion.h"
#include "CWmProfilesInfo.h"

#include <cmath>
#include <limits>

namespace {

constexpr LONG kWindowsMediaInterface = 4;

bool IsBitrateEncoderControl(EEncoderControl control)
{
    switch (control) {
    case 2: case 4: case 8: case 16: case 32: case 64: return true;
    default: return false;
    }
}

// A profile output is written at its profile's bitrate, whatever its track outputs say.
ULONG WindowsMediaBitrate(CMediaOutput2& output)
{
    if (!CWmProfilesInfo::sInfo) return 0;
    const CWmOutput2& wm = output.GetWmOutput();
    CWmProfileVersion* version = CWmProfilesInfo::sInfo->Find(wm.GetVersion());
    CWmProfile2* profile = version ? version->Find(wm.GetProfile()) : nullptr;
    return profile ? profile->GetBitrate() : 0;
}

// The bitrate the output's audio codec picks for the file's selected audio track.
ULONG AutomaticAudioBitrate(CMediaFile2* file, CMediaOutput2& output)
{
    CAudioOutput2* track = output.GetAudioOutput(0);
    if (!file || !track || !CAudioCodecsInfo::sInfo) return 0;
    auto* codec = dynamic_cast<CAudioCodecInfo*>(
        CAudioCodecsInfo::sInfo->FindCodec(output.GetSplitterType(), track->GetDisplayName()));
    CAudioTrack* input = file->GetSelectedAudio();
    if (!codec || !input) return 0;
    const CAudioInfo2& info = input->GetAudioInfo();
    ULONG sampleRate = info.GetSampleRate();
    unsigned short channels = info.GetChannel();
    unsigned short bits = info.GetBitsPerSample();
    ULONG bitrate = 0;
    return codec->FindBestFit(sampleRate, channels, bits, bitrate, track->GetQuality()) ? bitrate : 0;
}

} // namespace

void UEstimateSize::EstimateSize(CMediaFile2* file, CMediaOutput2* output)
{
    if (!file || !output) return;
    file->SetEstimatedSize(SizeFor(GetDuration(file), GetBitrate(file, output)));
}

double UEstimateSize::GetDuration(CMediaFile2* file)
{
    if (!file) return 0;
    // An input not yet cut is converted whole.
    if (file->GetSliceCount() == 0) return file->GetDuration() > 0 ? file->GetDuration() : 0;
    double total = 0;
    for (int i = 0; i < file->GetSliceCount(); ++i) {
        CSliceDuration2* slice = file->GetSliceAt(i);
        if (!slice) continue;
        double duration = slice->GetDuration();
        if (duration > 0) total += duration;
    }
    return total;
}

ULONG UEstimateSize::GetBitrate(CMediaFile2* file, CMediaOutput2* output)
{
    if (!output || !CFormatTypes::sFormatTypes) return 0;
    bool video = output->GetWantsVideo() && (!file || file->HasVideo());
    bool audio = output->GetWantsAudio() && (!file || file->HasAudio());

    CFormatType* type = CFormatTypes::sFormatTypes->FindFileType(output->GetSplitterType());
    if (!type) return 0;
    if (type->AllowInterface(kWindowsMediaInterface)) return WindowsMediaBitrate(*output);

    // 64-bit sum: two 32-bit parts must not wrap into a small estimate.
    unsigned long long total = 0;
    if (video) {
        CVideoOutput2* track = output->GetVideoOutput(0);
        if (!track || !IsBitrateEncoderControl(track->GetEncoderControl())) return 0;
        total += track->GetBitrate();
    }
    if (audio) {
        CAudioOutput2* track = output->GetAudioOutput(0);
        if (!track) return 0;
        if (track->GetAutoSettings()) {
            ULONG bitrate = AutomaticAudioBitrate(file, *output);
            if (bitrate == 0) return 0;
            total += bitrate;
        } else {
            total += track->GetBitrate();
        }
    }
    return total > std::numeric_limits<ULONG>::max() ? std::numeric_limits<ULONG>::max() : static_cast<ULONG>(total);
}

ULONG UEstimateSize::SizeFor(double seconds, ULONG bitrate)
{
    double size = seconds * bitrate * 0.000125 + 0.5;
    // NaN and negative durations estimate nothing; converting them would be undefined.
    if (!(size >= 1)) return 0;
    if (size >= static_cast<double>(std::numeric_limits<ULONG>::max())) return std::numeric_limits<ULONG>::max();
    return static_cast<ULONG>(size);
}
