// Every built-in device preset against a set of generated inputs, each decided on the road the
// converter takes: with the output pages' rules bound and the input's streams followed.
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CAudioTrack.h"
#include "CFormatDecision.h"
#include "CFormatTypes.h"
#include "CMediaFile2.h"
#include "CTargetDecisions.h"
#include "CVideoTrack.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Input {
    char name;
    unsigned short width, height;  // 0: no video track
    double aspect, frameRate;
    ULONG sampleRate;  // 0: no audio track
    unsigned short channels, bits;
    double seconds;
};

const Input kInputs[] = {
    {'A', 640, 480, 4.0 / 3, 29.97, 44100, 2, 16, 60},
    {'B', 1280, 720, 16.0 / 9, 59.94, 48000, 1, 16, 30},
    {'C', 176, 144, 11.0 / 9, 15, 8000, 1, 24, 10},
    {'D', 240, 320, 0.75, 30, 22050, 2, 16, 20},
    {'E', 0, 0, 0, 0, 44100, 2, 16, 100},
    {'F', 720, 576, 5.0 / 4, 25, 0, 0, 0, 40},
};

std::unique_ptr<CMediaFile2> MakeInput(const Input& in)
{
    auto file = std::make_unique<CMediaFile2>();
    file->GetFilePath().SetFilePath((CString("/media/clip") + CString(std::string(1, in.name).c_str()) + ".avi"));
    file->SetDuration(in.seconds);
    if (in.width) {
        auto* video = new CVideoTrack;
        video->GetVideoInfo().SetWidth(in.width);
        video->GetVideoInfo().SetHeight(in.height);
        video->GetVideoInfo().SetFrameRate(in.frameRate);
        video->GetAspectRatio().SetInput(in.aspect);
        file->AddVideoTrack(video);
    }
    if (in.sampleRate) {
        auto* audio = new CAudioTrack;
        audio->GetAudioInfo().SetSampleRate(in.sampleRate);
        audio->GetAudioInfo().SetChannel(in.channels);
        audio->GetAudioInfo().SetBitsPerSample(in.bits);
        file->AddAudioTrack(audio);
    }
    return file;
}

// The audio encoders the presets name, as the codec catalogue would list them.
void AddCodec(CAudioCodecsInfo& catalogue, const char* name, std::initializer_list<ESplitterType> types,
              std::initializer_list<ULONG> rates, std::initializer_list<unsigned short> channels,
              std::initializer_list<ULONG> bitrates)
{
    CAudioCodecInfo* codec = catalogue.Add(name, name);
    codec->Activate(true);
    for (ESplitterType type : types) codec->SetSupported(type, true);
    for (ULONG rate : rates)
        for (unsigned short count : channels)
            for (ULONG bitrate : bitrates) codec->AddSetting(rate, count, 16, bitrate, 4);
}

struct Expected {
    const char* platform;
    char input;
    EEncoderControl mode;  // the preset as shipped (1), or switched to constant bitrate (2)
    ESplitterType type;
    bool wantsVideo, wantsAudio;
    unsigned short width, height;
    double frameRate;
    ULONG videoBitrate;
    ULONG sampleRate;
    unsigned short channels, bits;
    ULONG audioBitrate;
    ULONG estimatedSize;
};

// Worked out by hand from the rules; the MP3 presets' type 300 has no row in the format table,
// so their size cannot be told. A quality-driven preset's bitrate is held under the device's
// ceiling of 800000 bits/s, less the audio's.
const Expected kExpected[] = {
{"iPod", 'A', 1, 640, true, true, 640, 480, 29.97, 672000, 44100, 2, 16, 128000, 0},
{"iPod", 'A', 2, 640, true, true, 640, 480, 29.97, 672000, 44100, 2, 16, 128000, 6000},
{"iPod", 'B', 1, 640, true, true, 640, 360, 30, 672000, 48000, 2, 16, 128000, 0},
{"iPod", 'B', 2, 640, true, true, 640, 360, 30, 640000, 48000, 2, 16, 128000, 2880},
{"iPod", 'C', 1, 640, true, true, 176, 144, 15, 672000, 8000, 2, 16, 128000, 0},
{"iPod", 'C', 2, 640, true, true, 176, 144, 15, 186400, 8000, 2, 16, 128000, 393},
{"iPod", 'D', 1, 640, true, true, 240, 320, 30, 672000, 22050, 2, 16, 128000, 0},
{"iPod", 'D', 2, 640, true, true, 240, 320, 30, 320000, 22050, 2, 16, 128000, 1120},
{"iPod", 'E', 1, 640, false, true, 0, 0, 0, 0, 44100, 2, 16, 128000, 1600},
{"iPod", 'F', 1, 640, true, false, 600, 480, 25, 800000, 0, 0, 0, 0, 0},
{"iPod", 'F', 2, 640, true, false, 600, 480, 25, 660000, 0, 0, 0, 0, 3300},
{"PSP", 'A', 1, 2022, true, true, 320, 240, 29.97, 704000, 24000, 2, 16, 96000, 0},
{"PSP", 'A', 2, 2022, true, true, 320, 240, 29.97, 704000, 24000, 2, 16, 96000, 6000},
{"PSP", 'B', 1, 2022, true, true, 320, 240, 29.97, 704000, 24000, 2, 16, 96000, 0},
{"PSP", 'B', 2, 2022, true, true, 320, 240, 29.97, 704000, 24000, 2, 16, 96000, 3000},
{"PSP", 'C', 1, 2022, true, true, 320, 240, 29.97, 704000, 24000, 2, 16, 96000, 0},
{"PSP", 'C', 2, 2022, true, true, 320, 240, 29.97, 704000, 24000, 2, 16, 96000, 1000},
{"PSP", 'D', 1, 2022, true, true, 320, 240, 29.97, 704000, 24000, 2, 16, 96000, 0},
{"PSP", 'D', 2, 2022, true, true, 320, 240, 29.97, 704000, 24000, 2, 16, 96000, 2000},
{"PSP", 'E', 1, 300, false, true, 0, 0, 0, 0, 44100, 2, 16, 160000, 2000},
{"PSP", 'F', 1, 2022, true, false, 320, 240, 29.97, 800000, 0, 0, 0, 0, 0},
{"PSP", 'F', 2, 2022, true, false, 320, 240, 29.97, 800000, 0, 0, 0, 0, 4000},
{"PMC", 'A', 1, 252, true, true, 320, 240, 29.97, 800000, 44100, 2, 16, 0, 0},
{"PMC", 'A', 2, 252, true, true, 320, 240, 29.97, 800000, 44100, 2, 16, 0, 0},
{"PMC", 'B', 1, 252, true, true, 320, 180, 29.97, 800000, 44100, 2, 16, 0, 0},
{"PMC", 'B', 2, 252, true, true, 320, 180, 29.97, 640000, 44100, 2, 16, 0, 0},
{"PMC", 'C', 1, 252, true, true, 176, 144, 16, 800000, 44100, 2, 24, 0, 0},
{"PMC", 'C', 2, 252, true, true, 176, 144, 16, 272753, 44100, 2, 24, 0, 0},
{"PMC", 'D', 1, 252, true, true, 180, 240, 29.97, 800000, 44100, 2, 16, 0, 0},
{"PMC", 'D', 2, 252, true, true, 180, 240, 29.97, 520000, 44100, 2, 16, 0, 0},
{"PMC", 'E', 1, 200, false, true, 0, 0, 0, 0, 44100, 2, 16, 0, 0},
{"PMC", 'F', 1, 252, true, false, 300, 240, 25, 800000, 0, 0, 0, 0, 0},
{"PMC", 'F', 2, 252, true, false, 300, 240, 25, 660501, 0, 0, 0, 0, 0},
{"Zen Vision", 'A', 1, 252, true, true, 320, 240, 25, 800000, 44100, 2, 16, 0, 0},
{"Zen Vision", 'A', 2, 252, true, true, 320, 240, 25, 800000, 44100, 2, 16, 0, 0},
{"Zen Vision", 'B', 1, 252, true, true, 320, 180, 25, 800000, 44100, 2, 16, 0, 0},
{"Zen Vision", 'B', 2, 252, true, true, 320, 180, 25, 640000, 44100, 2, 16, 0, 0},
{"Zen Vision", 'C', 1, 252, true, true, 176, 144, 16, 800000, 44100, 2, 24, 0, 0},
{"Zen Vision", 'C', 2, 252, true, true, 176, 144, 16, 295168, 44100, 2, 24, 0, 0},
{"Zen Vision", 'D', 1, 252, true, true, 180, 240, 25, 800000, 44100, 2, 16, 0, 0},
{"Zen Vision", 'D', 2, 252, true, true, 180, 240, 25, 520000, 44100, 2, 16, 0, 0},
{"Zen Vision", 'E', 1, 200, false, true, 0, 0, 0, 0, 44100, 2, 16, 0, 0},
{"Zen Vision", 'F', 1, 252, true, false, 300, 240, 25, 800000, 0, 0, 0, 0, 0},
{"Zen Vision", 'F', 2, 252, true, false, 300, 240, 25, 760000, 0, 0, 0, 0, 0},
{"Zune", 'A', 1, 200, true, true, 320, 240, 29.97, 800000, 44100, 2, 16, 0, 0},
{"Zune", 'A', 2, 200, true, true, 320, 240, 29.97, 800000, 44100, 2, 16, 0, 6000},
{"Zune", 'B', 1, 200, true, true, 320, 180, 29.97, 800000, 48000, 2, 16, 0, 0},
{"Zune", 'B', 2, 200, true, true, 320, 180, 29.97, 640000, 48000, 2, 16, 0, 2400},
{"Zune", 'C', 1, 200, true, true, 176, 144, 15, 800000, 8000, 2, 24, 0, 0},
{"Zune", 'C', 2, 200, true, true, 176, 144, 15, 265706, 8000, 2, 24, 0, 332},
{"Zune", 'D', 1, 200, true, true, 180, 240, 29.97, 800000, 22050, 2, 16, 0, 0},
{"Zune", 'D', 2, 200, true, true, 180, 240, 29.97, 520000, 22050, 2, 16, 0, 1300},
{"Zune", 'E', 1, 200, false, true, 0, 0, 0, 0, 44100, 2, 16, 0, 0},
{"Zune", 'F', 1, 200, true, false, 300, 240, 25, 800000, 0, 0, 0, 0, 0},
{"Zune", 'F', 2, 200, true, false, 300, 240, 25, 660501, 0, 0, 0, 0, 3303},
{"Archos", 'A', 1, 640, true, true, 640, 480, 29.97, 672000, 44100, 2, 16, 128000, 0},
{"Archos", 'A', 2, 640, true, true, 640, 480, 29.97, 672000, 44100, 2, 16, 128000, 6000},
{"Archos", 'B', 1, 640, true, true, 640, 360, 29.97, 672000, 48000, 2, 16, 128000, 0},
{"Archos", 'B', 2, 640, true, true, 640, 360, 29.97, 640000, 48000, 2, 16, 128000, 2880},
{"Archos", 'C', 1, 640, true, true, 176, 144, 15, 672000, 8000, 2, 16, 128000, 0},
{"Archos", 'C', 2, 640, true, true, 176, 144, 15, 186426, 8000, 2, 16, 128000, 393},
{"Archos", 'D', 1, 640, true, true, 240, 320, 29.97, 672000, 22050, 2, 16, 128000, 0},
{"Archos", 'D', 2, 640, true, true, 240, 320, 29.97, 320000, 22050, 2, 16, 128000, 1120},
{"Archos", 'E', 1, 200, false, true, 0, 0, 0, 0, 44100, 2, 16, 0, 0},
{"Archos", 'F', 1, 640, true, false, 600, 480, 25, 800000, 0, 0, 0, 0, 0},
{"Archos", 'F', 2, 640, true, false, 600, 480, 25, 660501, 0, 0, 0, 0, 3303},
{"Cell Phone", 'A', 1, 630, true, true, 320, 240, 15, 160000, 44100, 2, 16, 128000, 0},
{"Cell Phone", 'A', 2, 630, true, true, 320, 240, 15, 672000, 44100, 2, 16, 128000, 6000},
{"Cell Phone", 'B', 1, 630, true, true, 320, 180, 15, 160000, 48000, 2, 16, 128000, 0},
{"Cell Phone", 'B', 2, 630, true, true, 320, 180, 15, 640000, 48000, 2, 16, 128000, 2880},
{"Cell Phone", 'C', 1, 630, true, true, 176, 144, 15, 160000, 8000, 2, 16, 128000, 0},
{"Cell Phone", 'C', 2, 630, true, true, 176, 144, 15, 371200, 8000, 2, 16, 128000, 624},
{"Cell Phone", 'D', 1, 630, true, true, 180, 240, 15, 160000, 22050, 2, 16, 128000, 0},
{"Cell Phone", 'D', 2, 630, true, true, 180, 240, 15, 520000, 22050, 2, 16, 128000, 1620},
{"Cell Phone", 'E', 1, 300, false, true, 0, 0, 0, 0, 44100, 2, 16, 160000, 2000},
{"Cell Phone", 'F', 1, 630, true, false, 300, 240, 15, 160000, 0, 0, 0, 0, 0},
{"Cell Phone", 'F', 2, 630, true, false, 300, 240, 15, 760000, 0, 0, 0, 0, 3800},
};

class BuiltInPresetDecision : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(&codecs, CAudioCodecsInfo::sInfo);
        AddCodec(codecs, "AAC-LC", {640, 630}, {8000, 22050, 32000, 44100, 48000}, {1, 2},
                 {32000, 96000, 128000, 192000});
        AddCodec(codecs, "AAC", {2022}, {24000}, {2}, {64000, 96000});
        AddCodec(codecs, "lame_enc.dll", {300}, {32000, 44100, 48000}, {1, 2}, {64000, 128000, 160000});
        presets.AddiPodTarget();
        presets.AddPSPTarget();
        presets.AddPMCTarget();
        presets.AddZenVisionTarget();
        presets.AddZuneTarget();
        presets.AddArchosTarget();
        presets.Add3GPTarget();
        decision = std::make_unique<CFormatDecision>();
    }

    CFormatTypes table;
    CAudioCodecsInfo codecs{true};
    CTargetDecisions presets;
    std::unique_ptr<CFormatDecision> decision;
};

} // namespace

TEST_F(BuiltInPresetDecision, EveryPresetTurnsEveryInputIntoTheDecidedSettings)
{
    ASSERT_EQ(&presets, CTargetDecisions::sDecisions);
    ASSERT_EQ(14, presets.GetTargetCount());
    int decided = 0;
    for (const Expected& e : kExpected) {
        const Input* in = nullptr;
        for (const Input& candidate : kInputs)
            if (candidate.name == e.input) in = &candidate;
        ASSERT_NE(nullptr, in);
        SCOPED_TRACE(testing::Message() << e.platform << " " << e.input << " mode " << e.mode);
        CTargetConversion* video = presets.FindTarget(e.platform, kMediaTypeVideo);
        ASSERT_NE(nullptr, video);
        video->GetVideoOutput(0)->SetEncoderControl(e.mode);

        auto input = MakeInput(*in);
        CMediaOutput2 output;
        decision->SetPlatform(e.platform);
        decision->SetFormat(input.get(), &output, true);

        EXPECT_EQ(e.type, output.GetSplitterType());
        EXPECT_EQ(e.wantsVideo, output.GetWantsVideo());
        EXPECT_EQ(e.wantsAudio, output.GetWantsAudio());
        if (e.wantsVideo) {
            const CVideoOutput2& out = *output.GetVideoOutput(0);
            EXPECT_EQ(e.width, out.GetVideoInfo().GetWidth());
            EXPECT_EQ(e.height, out.GetVideoInfo().GetHeight());
            EXPECT_DOUBLE_EQ(e.frameRate, out.GetVideoInfo().GetFrameRate());
            EXPECT_EQ(e.mode, out.GetEncoderControl());
            // Every built-in preset keeps one quality from its minimum to its maximum.
            EXPECT_EQ(video->GetVideoOutput(0)->GetQuality(), out.GetQuality());
            EXPECT_EQ(e.videoBitrate, out.GetBitrate());
            CVideoTrack* track = input->GetSelectedVideo();
            EXPECT_DOUBLE_EQ(double(e.width) / e.height, track->GetAspectRatio().GetOutput());
            EXPECT_EQ(video->GetAspectRatio().GetScaling(), track->GetAspectRatio().GetScaling());
            EXPECT_EQ(0, track->GetTransformation().GetRotate());
        }
        if (e.wantsAudio) {
            CAudioOutput2& out = *output.GetAudioOutput(0);
            EXPECT_EQ(e.sampleRate, out.GetAudioInfo().GetSampleRate());
            EXPECT_EQ(e.channels, out.GetAudioInfo().GetChannel());
            EXPECT_EQ(e.bits, out.GetAudioInfo().GetBitsPerSample());
            EXPECT_EQ(e.audioBitrate, out.GetBitrate());
        }
        EXPECT_EQ(e.estimatedSize, input->GetEstimatedSize());
        ++decided;
    }
    EXPECT_EQ(int(std::size(kExpected)), decided);
}
