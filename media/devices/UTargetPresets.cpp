#include "UTargetPresets.h"

#include "CTargetDecisions.h"

namespace {
struct VideoPreset {
    const char* platform;
    const char* name;
    ESplitterType outputType;
    ULONG maxPixels, minPixels;
    const char* videoName;  // null: the encoder is left unnamed
    unsigned short width, height;
    double frameRate;
    ULONG bitrate;
    unsigned short minWidth, minHeight;
    double minFrameRate;
    ULONG minBitrate;
    const char* audioName;
    ULONG sampleRate;
    unsigned short channels;
    ULONG minSampleRate;
    unsigned short minChannels;
    ULONG maxBitrate;
    bool setsDiscrete;
    bool discreteVideo, discreteFrameRate, discreteAudio;
    const char* wmProfile;  // non-null: a version 9 Windows Media profile
};

struct AudioPreset {
    const char* platform;
    const char* name;
    ESplitterType outputType;
    const char* audioName;
    ULONG sampleRate;
    unsigned short channels;
    ULONG minSampleRate;
    unsigned short minChannels;
    ULONG maxBitrate;  // 0: the target's default stays
    bool setsAgain;    // platform and media type set a second time
};

// The sample rates of 480000 and 441000 are the values the presets have always carried.
const VideoPreset kVideoPresets[UTargetPresets::kFamilyCount] = {
    {"iPod", "MPEG-4 for iPod, flexible resolution", 640, 307200, 4800, "MPEG-4 Video Improved", 640, 480, 30,
     2500000, 80, 60, 1, 128000, "AAC-LC", 480000, 2, 8000, 1, 2500000, true, false, true, false, nullptr},
    {"PSP", "MPEG-4 for PSP, 320 x 240", 2022, 76800, 76800, "MPEG-4", 320, 240, 29.97, 800000, 320, 240, 29.97,
     128000, "AAC", 24000, 2, 24000, 2, 800000, true, true, true, true, nullptr},
    {"PMC", "WMV for PMC", 252, 76800, 4800, nullptr, 320, 240, 29.97, 800000, 80, 60, 16, 128000, nullptr, 44100,
     2, 44100, 1, 800000, true, false, false, false, "PMC"},
    {"Zen Vision", "WMV for Zen Vision, up to 320 x 240", 252, 76800, 4800, nullptr, 320, 240, 25, 800000, 80, 60,
     16, 128000, nullptr, 44100, 2, 44100, 1, 800000, true, false, false, false, "Zen Vision"},
    {"Zune", "WMV for Zune, up to 320 x 240", 200, 76800, 4800, nullptr, 320, 240, 29.97, 800000, 80, 60, 15,
     128000, nullptr, 48000, 2, 8000, 1, 800000, true, false, false, false, nullptr},
    {"Archos", "MPEG-4 for Archos", 640, 307200, 4800, "MPEG-4 Video Improved", 640, 480, 29.97, 2500000, 0, 0, 15,
     128000, "AAC-LC", 480000, 2, 8000, 1, 800000, false, false, false, false, nullptr},
    {"Cell Phone", "3GP for GSM Phones", 630, 76800, 12288, "MPEG-4 Video", 320, 240, 15, 160000, 128, 96, 8, 96000,
     "AAC-LC", 480000, 2, 8000, 1, 800000, false, false, false, false, nullptr},
};

const AudioPreset kAudioPresets[UTargetPresets::kFamilyCount] = {
    {"iPod", "AAC for iPod", 640, "AAC-LC", 48000, 2, 8000, 1, 320000, false},
    {"PSP", "MP3 for PSP", 300, "lame_enc.dll", 480000, 2, 8000, 1, 320000, false},
    {"PMC", "WMA for PMC", 200, nullptr, 44100, 2, 11025, 1, 320000, false},
    {"Zen Vision", "WMA for Zen Vision", 200, nullptr, 441000, 2, 11025, 1, 320000, true},
    {"Zune", "WMA for Zune", 200, nullptr, 480000, 2, 8000, 1, 320000, false},
    {"Archos", "WMA for Archos", 200, nullptr, 480000, 2, 8000, 1, 320000, false},
    {"Cell Phone", "MP3 for Cell Phones", 300, "lame_enc.dll", 480000, 2, 8000, 1, 0, false},
};

void SetVideo(CVideoOutput2& video, unsigned short width, unsigned short height, double frameRate, ULONG bitrate)
{
    video.GetVideoInfo().SetWidth(width);
    video.GetVideoInfo().SetHeight(height);
    video.GetVideoInfo().SetFrameRate(frameRate);
    video.SetBitrate(bitrate);
}

void SetAudio(CAudioOutput2& audio, ULONG sampleRate, unsigned short channels)
{
    audio.GetAudioInfo().SetSampleRate(sampleRate);
    audio.GetAudioInfo().SetChannel(channels);
}

void AddVideo(CTargetDecisions& decisions, const VideoPreset& p)
{
    CTargetConversion* target = decisions.CreateNewTarget(p.platform, p.name, kMediaTypeVideo);
    if (!target) return;
    target->SetSplitterType(p.outputType);
    target->SetWantsVideo(true);
    target->SetWantsAudio(true);
    target->SetMaxVideoPixels(p.maxPixels);
    target->SetMinVideoPixels(p.minPixels);
    CVideoOutput2& video = target->GetVideoOutput();
    if (p.videoName) video.SetDisplayName(p.videoName);
    SetVideo(video, p.width, p.height, p.frameRate, p.bitrate);
    SetVideo(target->GetMinVideoOutput(), p.minWidth, p.minHeight, p.minFrameRate, p.minBitrate);
    CAudioOutput2& audio = target->GetAudioOutput();
    if (p.audioName) audio.SetDisplayName(p.audioName);
    SetAudio(audio, p.sampleRate, p.channels);
    SetAudio(target->GetMinAudioOutput(), p.minSampleRate, p.minChannels);
    target->SetMaxBitrate(p.maxBitrate);
    if (p.setsDiscrete) {
        target->SetDiscreteVideo(p.discreteVideo);
        target->SetDiscreteFrameRate(p.discreteFrameRate);
        target->SetDiscreteAudio(p.discreteAudio);
    }
    if (p.wmProfile) {
        target->GetWmOutput().SetVersion(9);
        target->GetWmOutput().SetProfile(p.wmProfile);
    }
}

void AddAudio(CTargetDecisions& decisions, const AudioPreset& p)
{
    CTargetConversion* target = decisions.CreateNewTarget(p.platform, p.name, kMediaTypeAudio);
    if (!target) return;
    target->SetSplitterType(p.outputType);
    target->SetWantsVideo(false);
    target->SetWantsAudio(true);
    CAudioOutput2& audio = target->GetAudioOutput();
    if (p.audioName) audio.SetDisplayName(p.audioName);
    SetAudio(audio, p.sampleRate, p.channels);
    SetAudio(target->GetMinAudioOutput(), p.minSampleRate, p.minChannels);
    if (p.maxBitrate) target->SetMaxBitrate(p.maxBitrate);
    if (p.setsAgain) {
        target->SetPlatform(p.platform);
        target->SetMediaType(kMediaTypeAudio);
    }
}
}

void UTargetPresets::Add(CTargetDecisions& decisions, EFamily family)
{
    if (family < 0 || family >= kFamilyCount) return;
    AddVideo(decisions, kVideoPresets[family]);
    AddAudio(decisions, kAudioPresets[family]);
}
