#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CAudioTrack.h"
#include "CFormatDecision.h"
#include "CFormatTypes.h"
#include "CMediaFile2.h"
#include "CTargetConversion.h"
#include "CTargetDecisions.h"
#include "CVideoTrack.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {


void SetVideoSize(CVideoInfo2& info, unsigned short width, unsigned short height, double rate)
{
    info.SetWidth(width);
    info.SetHeight(height);
    info.SetFrameRate(rate);
}

class FormatDecision : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetVideoSize(preset.GetVideoOutput(0)->GetVideoInfo(), 320, 240, 30);
        SetVideoSize(preset.GetMinVideoOutput().GetVideoInfo(), 160, 120, 10);
        preset.SetMaxVideoPixels(76800);
        preset.SetHorizontalAlignment(16);
        preset.SetVerticalAlignment(16);
    }
    CFormatDecision decision;
    CTargetConversion preset;
};

} // namespace

TEST_F(FormatDecision, SampleRateIsClampedOrSnappedAndChannelsBecomeTwo)
{
    preset.GetAudioOutput(0)->GetAudioInfo().SetSampleRate(32000);
    preset.GetMinAudioOutput().GetAudioInfo().SetSampleRate(8000);
    struct Case { bool discrete; ULONG most, in, expected; unsigned short channels; };
    const Case cases[] = {
        {false, 32000, 44100, 32000, 1}, {false, 32000, 4000, 8000, 6}, {false, 32000, 22050, 22050, 2},
        {true, 48000, 32000, 48000, 2}, {true, 48000, 20000, 8000, 2},
    };
    for (const Case& c : cases) {
        preset.SetDiscreteAudio(c.discrete);
        preset.GetAudioOutput(0)->GetAudioInfo().SetSampleRate(c.most);
        ULONG rate = c.in;
        unsigned short channels = c.channels;
        decision.FindBestFitAudio(preset, rate, channels);
        EXPECT_EQ(c.expected, rate) << c.in;
        EXPECT_EQ(2, channels);
    }
    preset.SetDiscreteAudio(true);
    preset.GetAudioOutput(0)->GetAudioInfo().SetSampleRate(48000);
    preset.GetMinAudioOutput().GetAudioInfo().SetSampleRate(22050);
    for (auto [in, expected] : {std::pair<ULONG, ULONG>{32000, 22050}, {35025, 22050}, {35026, 48000}}) {
        ULONG rate = in;
        unsigned short channels = 2;
        decision.FindBestFitAudio(preset, rate, channels);
        EXPECT_EQ(expected, rate) << in;
    }
}

TEST_F(FormatDecision, FrameRatesSnapToTheNearerCommonRate)
{
    struct Case { double in, expected; };
    const Case cases[] = {{59.95, 59.94}, {45, 40}, {75, 75}, {27, 25}, {12.5, 12}, {13.5, 12}, {13.6, 15},
                          {-3, -3}, {0, 0}, {29.97, 29.97}, {0.5, 0}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(c.expected, decision.RoundUpFrameRate(c.in)) << c.in;

    double rate = 45;
    decision.FindBestFrameRate(preset, rate);
    EXPECT_DOUBLE_EQ(30, rate);
    rate = 2;
    decision.FindBestFrameRate(preset, rate);
    EXPECT_DOUBLE_EQ(10, rate);
    preset.SetDiscreteVideo(true);
    for (auto [in, expected] : {std::pair{12.0, 10.0}, {20.0, 10.0}, {21.0, 30.0}, {60.0, 30.0}}) {
        rate = in;
        decision.FindBestFrameRate(preset, rate);
        EXPECT_DOUBLE_EQ(expected, rate) << in;
    }
}

TEST_F(FormatDecision, AlignmentRoundsDownToAMultiple)
{
    EXPECT_EQ(304, decision.AlignVideo(318, 16));
    EXPECT_EQ(320, decision.AlignVideo(320, 16));
    EXPECT_EQ(318, decision.AlignVideo(318, 0));
}

TEST_F(FormatDecision, APortraitInputIsRotatedOntoALandscapeDiscretePreset)
{
    preset.SetDiscreteVideo(true);
    preset.SetAutoRotation(true);
    ULONG area = 0;
    unsigned short w = 240, h = 320;
    decision.FindBestFitFixedVideo(w, h, 0.75, 160, 120, 320, 240, area);
    EXPECT_EQ(43200u, area);
    w = 240, h = 320;
    double aspect = 0.75;
    bool rotated = false;
    decision.FindBestFitVideo(preset, w, h, aspect, rotated);
    EXPECT_TRUE(rotated);
    EXPECT_EQ(320, w);
    EXPECT_EQ(240, h);

    preset.SetAutoRotation(false);
    w = 240, h = 320, aspect = 0.75;
    decision.FindBestFitVideo(preset, w, h, aspect, rotated);
    EXPECT_FALSE(rotated);
    EXPECT_EQ(320, w);
    EXPECT_EQ(240, h);
    // An input no larger than the minimum takes the minimum.
    w = 100, h = 100, aspect = 1;
    decision.FindBestFitVideo(preset, w, h, aspect, rotated);
    EXPECT_EQ(160, w);
    EXPECT_EQ(112, h);
    EXPECT_DOUBLE_EQ(160.0 / 112, aspect);
}

TEST_F(FormatDecision, FlexibleSizesKeepTheAspectWithinTheLimits)
{
    struct Case { unsigned short w, h; double aspect; unsigned short ew, eh; };
    const Case cases[] = {
        {640, 480, 4.0 / 3, 320, 240},   // too large: the largest frame
        {200, 150, 4.0 / 3, 200, 150},   // fits: kept
        {200, 100, 4.0 / 3, 200, 150},   // widened to the aspect
        {100, 75, 4.0 / 3, 160, 120},    // too small: the smallest frame
        {640, 360, 16.0 / 9, 320, 180},  // wide: bounded by the maximum width
        {300, 300, 0, 300, 300},         // no picture shape: left as it is
        {200, 200, -1, 200, 200},
    };
    for (const Case& c : cases) {
        unsigned short w = c.w, h = c.h;
        decision.FindBestFitFlexVideo(w, h, c.aspect, 160, 120, 320, 240, 76800);
        EXPECT_EQ(c.ew, w) << c.w << "x" << c.h;
        EXPECT_EQ(c.eh, h) << c.w << "x" << c.h;
    }
    unsigned short w = 640, h = 480;
    decision.FindBestFitFlexVideo(w, h, 1e300, 160, 120, 320, 240, 76800);
    EXPECT_LE(w, 320);
    EXPECT_LE(h, 240);
}

TEST_F(FormatDecision, QualityLiesBetweenThePresetsMinimumAndMaximum)
{
    preset.GetMinVideoOutput().SetQuality(40);
    preset.GetVideoOutput(0)->SetQuality(90);
    EXPECT_EQ(65, decision.CalculateQuality(preset, 50));
    EXPECT_EQ(90, decision.CalculateQuality(preset, 100));
    preset.GetMinVideoOutput().SetQuality(95);
    EXPECT_EQ(90, decision.CalculateQuality(preset, 50));
}

TEST_F(FormatDecision, VideoSettingsFollowThePresetAndTheInputTrack)
{
    preset.GetVideoOutput(0)->SetEncoderControl(2);
    preset.GetAspectRatio().SetScaling(kLetterBox);
    CVideoTrack track;
    SetVideoSize(track.GetVideoInfo(), 640, 480, 30);
    track.GetAspectRatio().SetInput(4.0 / 3);
    track.GetTransformation().SetFlip(kImageFlipLeftRight);
    CMediaOutput2 output;
    output.SetWantsAudio(false);

    decision.ConfigureVideoFormat(&preset, &track, &output);
    CVideoOutput2& video = *output.GetVideoOutput(0);
    EXPECT_EQ(320, video.GetVideoInfo().GetWidth());
    EXPECT_EQ(240, video.GetVideoInfo().GetHeight());
    EXPECT_DOUBLE_EQ(30, video.GetVideoInfo().GetFrameRate());
    EXPECT_EQ(2, video.GetEncoderControl());
    EXPECT_EQ(800000u, video.GetBitrate());
    EXPECT_EQ(kLetterBox, track.GetAspectRatio().GetScaling());
    EXPECT_DOUBLE_EQ(4.0 / 3, track.GetAspectRatio().GetOutput());
    EXPECT_EQ(0, track.GetTransformation().GetFlip());
    EXPECT_EQ(0, track.GetTransformation().GetRotate());

    output.SetWantsAudio(true);
    output.GetAudioOutput(0)->SetBitrate(128000);
    decision.ConfigureVideoFormat(&preset, &track, &output);
    EXPECT_EQ(672000u, video.GetBitrate());
    // 160 x 112 after alignment: the ceiling above the floor shrinks with the pixel count.
    SetVideoSize(track.GetVideoInfo(), 160, 120, 30);
    output.SetWantsAudio(false);
    decision.ConfigureVideoFormat(&preset, &track, &output);
    EXPECT_EQ(160, video.GetVideoInfo().GetWidth());
    EXPECT_EQ(112, video.GetVideoInfo().GetHeight());
    EXPECT_EQ(309333u, video.GetBitrate());

    preset.GetVideoOutput(0)->SetEncoderControl(1);
    preset.GetMinVideoOutput().SetQuality(40);
    preset.GetVideoOutput(0)->SetQuality(90);
    video.SetBitrate(1);
    decision.ConfigureVideoFormat(&preset, &track, &output);
    EXPECT_EQ(90, video.GetQuality());
    EXPECT_EQ(1u, video.GetEncoderControl());

    decision.ConfigureVideoFormat(&preset, nullptr, &output);
    decision.ConfigureVideoFormat(nullptr, &track, &output);
    decision.ConfigureVideoFormat(&preset, &track, nullptr);
}

TEST_F(FormatDecision, ThePresetFollowsWhetherTheInputsVideoIsKept)
{
    CTargetDecisions decisions;
    auto* video = new CTargetConversion;
    video->SetPlatform("Pocket");
    video->SetMediaType(kMediaTypeVideo);
    auto* audio = new CTargetConversion;
    audio->SetPlatform("Pocket");
    audio->SetMediaType(kMediaTypeAudio);
    decisions.AddTarget(video);
    decisions.AddTarget(audio);
    decision.SetPlatform("Pocket");

    CMediaFile2 input;
    CMediaOutput2 output;
    EXPECT_EQ(audio, decision.FindTarget(&input, &output));
    input.AddVideoTrack(new CVideoTrack);
    EXPECT_EQ(video, decision.FindTarget(&input, &output));
    output.SetWantsVideo(false);
    EXPECT_EQ(audio, decision.FindTarget(&input, &output));
    EXPECT_EQ(nullptr, decision.FindTarget(nullptr, &output));
    decision.SetPlatform("Other");
    EXPECT_EQ(nullptr, decision.FindTarget(&input, &output));
}

TEST_F(FormatDecision, AZeroDivisorLeavesTheValuesAsTheyAre)
{
    // Pixel count, alignment, frame rate and aspect of 0 give nothing to divide by.
    unsigned short w = 640, h = 480;
    decision.FindBestFitFlexVideo(w, h, 4.0 / 3, 160, 120, 320, 240, 0);
    EXPECT_EQ(640, w);
    EXPECT_EQ(480, h);
    for (double aspect : {0.0, -2.0, double(NAN), double(INFINITY)}) {
        w = 640, h = 480;
        decision.FindBestFitFlexVideo(w, h, aspect, 160, 120, 320, 240, 76800);
        EXPECT_EQ(640, w) << aspect;
        EXPECT_EQ(480, h) << aspect;
        ULONG area = 12345;
        w = 640, h = 480;
        decision.FindBestFitFixedVideo(w, h, aspect, 160, 120, 320, 240, area);
        EXPECT_EQ(320, w);
        EXPECT_EQ(240, h);
        EXPECT_EQ(12345u, area) << aspect;
    }
    EXPECT_EQ(317, decision.AlignVideo(317, 0));

    // An input without an aspect keeps its size and its (unknown) aspect, aligned only.
    w = 301, h = 201;
    double aspect = 0;
    bool rotated = true;
    preset.SetAutoRotation(true);
    decision.FindBestFitVideo(preset, w, h, aspect, rotated);
    EXPECT_FALSE(rotated);
    EXPECT_EQ(288, w);
    EXPECT_EQ(192, h);
    EXPECT_DOUBLE_EQ(288.0 / 192, aspect);
    // A zero-height frame leaves the aspect alone.
    preset.SetVerticalAlignment(0);
    w = 300, h = 0, aspect = 0;
    decision.FindBestFitVideo(preset, w, h, aspect, rotated);
    EXPECT_EQ(0, h);
    EXPECT_EQ(0, aspect);

    // A preset without a frame rate sets none.
    preset.GetVideoOutput(0)->GetVideoInfo().SetFrameRate(0);
    double rate = 27;
    decision.FindBestFrameRate(preset, rate);
    EXPECT_DOUBLE_EQ(27, rate);
}

TEST_F(FormatDecision, APresetWithoutPixelCountOrFrameRateKeepsItsOwnVideoBitrate)
{
    preset.GetVideoOutput(0)->SetEncoderControl(2);
    preset.GetVideoOutput(0)->SetBitrate(555000);
    CVideoTrack track;
    SetVideoSize(track.GetVideoInfo(), 640, 480, 30);
    track.GetAspectRatio().SetInput(4.0 / 3);
    CMediaOutput2 output;
    output.SetWantsAudio(false);
    struct Case {
        const char* what;
        ULONG pixels;
        unsigned short presetWidth;
        double presetRate;
        ULONG expected;
    };
    const Case cases[] = {
        {"both", 76800, 320, 30, 800000},
        // No stored count and no preset size: no pixel count at all.
        {"no pixel count", 0, 0, 30, 555000},
        {"no frame rate", 76800, 320, 0, 555000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        preset.SetMaxVideoPixels(c.pixels);
        preset.GetVideoOutput(0)->GetVideoInfo().SetWidth(c.presetWidth);
        preset.GetVideoOutput(0)->GetVideoInfo().SetFrameRate(c.presetRate);
        decision.ConfigureVideoFormat(&preset, &track, &output);
        EXPECT_EQ(c.expected, output.GetVideoOutput(0)->GetBitrate());
    }
}

namespace {

// A file with one video and one audio track, at a path the output name follows.
std::unique_ptr<CMediaFile2> NewInput(bool video, bool audio)
{
    auto file = std::make_unique<CMediaFile2>();
    file->GetFilePath().SetFilePath("/media/holiday.avi");
    file->SetDuration(60);
    if (video) {
        auto* track = new CVideoTrack;
        SetVideoSize(track->GetVideoInfo(), 640, 480, 30);
        track->GetAspectRatio().SetInput(4.0 / 3);
        file->AddVideoTrack(track);
    }
    if (audio) {
        auto* track = new CAudioTrack;
        track->GetAudioInfo().SetSampleRate(44100);
        track->GetAudioInfo().SetChannel(1);
        track->GetAudioInfo().SetBitsPerSample(16);
        file->AddAudioTrack(track);
    }
    return file;
}

class FormatDecisionRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        video = new CTargetConversion;
        video->SetPlatform("Pocket");
        video->SetMediaType(kMediaTypeVideo);
        video->SetSplitterType(100);
        video->SetDirectory("/out/");
        SetVideoSize(video->GetVideoOutput(0)->GetVideoInfo(), 320, 240, 30);
        SetVideoSize(video->GetMinVideoOutput().GetVideoInfo(), 160, 120, 10);
        video->GetVideoOutput(0)->SetEncoderControl(2);
        video->GetAudioOutput(0)->GetAudioInfo().SetSampleRate(48000);
        video->GetMinAudioOutput().GetAudioInfo().SetSampleRate(8000);
        video->GetAudioOutput(0)->SetDisplayName("Wide Audio");
        audio = new CTargetConversion;
        audio->SetPlatform("Pocket");
        audio->SetMediaType(kMediaTypeAudio);
        audio->SetSplitterType(500);
        audio->SetDirectory("/out/");
        decisions.AddTarget(video);
        decisions.AddTarget(audio);
        // An encoder whose best rate lies above what a portable player takes.
        CAudioCodecInfo* codec = codecs.Add("Wide Audio", "wide");
        codec->Activate(true);
        codec->SetSupported(100, true);
        for (ULONG bitrate : {96000u, 144000u, 256000u}) codec->AddSetting(44100, 2, 16, bitrate, 4);
        decision = std::make_unique<CFormatDecision>();
        decision->SetPlatform("Pocket");
    }

    CFormatTypes table;
    CAudioCodecsInfo codecs{true};
    CTargetDecisions decisions;
    CTargetConversion* video = nullptr;
    CTargetConversion* audio = nullptr;
    std::unique_ptr<CFormatDecision> decision;
};

} // namespace

TEST_F(FormatDecisionRoad, TheDecidedOutputIsNamedAfterTheInputInThePresetsFolder)
{
    auto input = NewInput(true, true);
    CMediaOutput2 output;
    decision->SetFormat(input.get(), &output, true);
    EXPECT_EQ(100, output.GetSplitterType());
    EXPECT_EQ(CString("/out/holiday.avi"), input->GetOutputFile().GetFilePath());

    auto sound = NewInput(false, true);
    decision->SetFormat(sound.get(), &output, true);
    EXPECT_EQ(500, output.GetSplitterType());
    EXPECT_EQ(CString("/out/holiday.wav"), sound->GetOutputFile().GetFilePath());

    // Once decided, the output is no longer followed.
    output.SetSplitterType(100);
    EXPECT_EQ(CString("/out/holiday.wav"), sound->GetOutputFile().GetFilePath());
}

TEST_F(FormatDecisionRoad, AudioAboveTheCapTakesTheEncodersNearestRateBelowIt)
{
    auto input = NewInput(true, true);
    CMediaOutput2 output;
    decision->SetFormat(input.get(), &output, true);
    const CAudioOutput2& out = *output.GetAudioOutput(0);
    // Mono became stereo before the encoder was asked; its best rate 256000 is capped.
    EXPECT_EQ(44100u, out.GetAudioInfo().GetSampleRate());
    EXPECT_EQ(2, out.GetAudioInfo().GetChannel());
    EXPECT_EQ(144000u, out.GetBitrate());
    // The room left for video is what the audio leaves of the maximum.
    EXPECT_EQ(800000u - 144000u, output.GetVideoOutput(0)->GetBitrate());
    EXPECT_EQ(static_cast<ULONG>(60 * 800000 * 0.000125 + 0.5), input->GetEstimatedSize());
}

TEST_F(FormatDecisionRoad, ALowerAudioLimitOfTheDecisionsOwnCapsTheAudioToo)
{
    // A device whose user keeps the sound to 100 kbit/s.
    class CLimitedDecision : public CFormatDecision {
    public:
        ULONG GetMaxAudioBitrate() override { return 100000; }
    };
    decision = std::make_unique<CLimitedDecision>();
    decision->SetPlatform("Pocket");
    auto input = NewInput(true, true);
    CMediaOutput2 output;
    decision->SetFormat(input.get(), &output, true);
    EXPECT_EQ(96000u, output.GetAudioOutput(0)->GetBitrate());
    EXPECT_EQ(800000u - 96000u, output.GetVideoOutput(0)->GetBitrate());
}

TEST_F(FormatDecisionRoad, WithoutFollowingTheInputAStreamThePresetDropsStaysDropped)
{
    auto input = NewInput(true, true);
    CMediaOutput2 output;
    video->SetWantsAudio(false);
    decision->SetFormat(input.get(), &output, false);
    EXPECT_TRUE(output.GetWantsVideo());
    EXPECT_FALSE(output.GetWantsAudio());
    decision->SetFormat(input.get(), &output, true);
    EXPECT_TRUE(output.GetWantsAudio());

    // An input without video never gets video, whatever the preset wants.
    auto sound = NewInput(false, true);
    video->SetWantsAudio(true);
    decision->SetFormat(sound.get(), &output, false);
    EXPECT_FALSE(output.GetWantsVideo());
    EXPECT_TRUE(output.GetWantsAudio());

    // Nothing to decide: the output stays as it is.
    output.SetSplitterType(1234);
    decision->SetFormat(nullptr, &output, true);
    decision->SetPlatform("Elsewhere");
    decision->SetFormat(input.get(), &output, true);
    EXPECT_EQ(1234, output.GetSplitterType());
    decision->SetFormat(input.get(), nullptr, true);
}
