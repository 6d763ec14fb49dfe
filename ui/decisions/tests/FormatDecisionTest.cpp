#include "CFormatDecision.h"
#include "CMediaFile2.h"
#include "CTargetConversion.h"
#include "CTargetDecisions.h"
#include "CVideoTrack.h"

#include <gtest/gtest.h>

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
        {300, 300, 0, 320, 240},         // no usable aspect: the maximum frame's shape
        {200, 200, 0, 267, 200},
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
