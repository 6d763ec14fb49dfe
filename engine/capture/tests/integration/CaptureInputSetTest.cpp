// The capture input sets on the test devices: what they create, the types they choose and
// the pins they offer.
#include "CAudioCaptureInputFilters2.h"
#include "CAudioCaptureWithIndicatorInputFilters2.h"
#include "CDirectShowGraph.h"
#include "CFilterPin.h"
#include "CScreenCaptureInputFilters2.h"
#include "CVideoCaptureFilter.h"
#include "CVideoCaptureInputFilters2.h"
#include "StDirectShow.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/MediaType.h"
#include "dshow/VideoInfo.h"
#include "dshow/capture/TestDevicePlug.h"
#include "win32/TestHome.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class CaptureInputSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("MORVANE_TEST_DEVICES", "1", 1);
        MvPlugTestCaptureDevices(true);
        ASSERT_TRUE(m_graph.Create());
    }
    void TearDown() override { m_graph.Release(); }

    MvTestHome m_home;
    StDirectShow m_com;
    CDirectShowGraph m_graph;
};

} // namespace

TEST_F(CaptureInputSetTest, TheAudioSetTakesTheFirstOfferedMultipleOfItsRate)
{
    CAudioCaptureInputFilters2 input(&m_graph);
    input.SetAudioSource("Test Audio Capture");
    ASSERT_TRUE(input.CreateAndConnect()) << input.GetErrorText();
    EXPECT_EQ(input.GetAudioPinCount(kOutputProcessing), 1);
    EXPECT_EQ(input.GetAudioPinCount(kOutputRender), 0);
    EXPECT_EQ(input.GetVideoPinCount(kOutputProcessing), 0);
    IPin* pin = input.GetAudioPin(kOutputProcessing, 0)->GetPin();
    ASSERT_NE(pin, nullptr);
    // The device offers 44100, 48000, 32000, 22050, 16000, 11025 and 8000 Hz, stereo and mono,
    // 16 and 8 bits, in that order.
    const struct {
        unsigned long rate;
        unsigned short channels, bits;
        unsigned long chosenRate;
        unsigned short chosenBits;
    } cases[] = {
        {22050, 2, 16, 22050, 16},
        {24000, 1, 8, 48000, 8},   // 24000 is not offered, twice it is
        {16000, 2, 16, 16000, 16}, // asked before its multiples
        {44100, 2, 24, 44100, 16}, // a depth other than 8 or 16 takes any depth
        {96000, 2, 16, 0, 0},      // no multiple within reach
    };
    for (const auto& c : cases) {
        input.SetSampleRate(c.rate);
        input.SetChannelCount(c.channels);
        input.SetBitsPerSample(c.bits);
        AM_MEDIA_TYPE* type = input.GetProperMediaType(pin);
        const WAVEFORMATEX* wave = type ? PcmFormatOf(*type) : nullptr;
        if (c.chosenRate == 0) {
            EXPECT_EQ(type, nullptr) << c.rate;
        } else {
            ASSERT_NE(wave, nullptr) << c.rate;
            EXPECT_EQ(wave->nSamplesPerSec, c.chosenRate) << c.rate;
            EXPECT_EQ(wave->nChannels, c.channels) << c.rate;
            EXPECT_EQ(wave->wBitsPerSample, c.chosenBits) << c.rate;
        }
        DeleteMediaType(type);
    }
    input.Release();
}

TEST_F(CaptureInputSetTest, TheVideoSetAsksTheCameraForItsSizeAndRate)
{
    CVideoCaptureInputFilters2 input(&m_graph);
    input.SetVideoDevice("Test Video Capture");
    input.SetWidth(352);
    input.SetHeight(288);
    input.SetFrameRate(15);
    input.SetWantsAudio(false);
    ASSERT_TRUE(input.CreateAndConnect()) << input.GetErrorText();
    EXPECT_EQ(input.GetVideoPinCount(kOutputProcessing), 1);
    EXPECT_EQ(input.GetVideoPinCount(kOutputRender), 0);
    EXPECT_EQ(input.GetAudioPinCount(kOutputProcessing), 0);
    AM_MEDIA_TYPE connected{};
    IPin* pin = input.GetVideoCapture()->GetCapturePin()->GetPin();
    ASSERT_NE(pin, nullptr);
    ASSERT_EQ(pin->ConnectionMediaType(&connected), S_OK);
    const VIDEOINFOHEADER* info = RgbVideoInfo(connected);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->bmiHeader.biWidth, 352);
    EXPECT_EQ(std::abs(info->bmiHeader.biHeight), 288);
    EXPECT_EQ(info->AvgTimePerFrame, 666667);
    FreeMediaType(connected);
    input.Disconnect();
    input.Release();
}

TEST_F(CaptureInputSetTest, AMissingDeviceIsNamedInTheError)
{
    CVideoCaptureInputFilters2 video(&m_graph);
    video.SetVideoDevice("No Such Camera");
    EXPECT_FALSE(video.CreateAndConnect());
    EXPECT_STREQ(video.GetErrorText(), "Unable to load video device.");
    EXPECT_EQ(video.GetVideoPinCount(kOutputProcessing), 0);

    CVideoCaptureInputFilters2 soundless(&m_graph);
    soundless.SetVideoDevice("Test Video Capture");
    soundless.SetAudioSource("No Such Microphone");
    EXPECT_FALSE(soundless.CreateAndConnect());
    EXPECT_STREQ(soundless.GetErrorText(), "Unable to load audio device.");

    CAudioCaptureInputFilters2 audio(&m_graph);
    audio.SetAudioSource("No Such Microphone");
    EXPECT_FALSE(audio.CreateAndConnect());
    EXPECT_STREQ(audio.GetErrorText(), "Unable to load the audio device.");
}

TEST_F(CaptureInputSetTest, AScreenSetWithoutSoundOffersNoAudioPins)
{
    CScreenCaptureInputFilters2 screen(&m_graph);
    screen.SetAudioSource("Test Audio Capture");
    screen.SetWantsAudio(false);
    EXPECT_EQ(screen.GetAudioPinCount(kOutputProcessing), 0);
    EXPECT_EQ(screen.GetAudioPin(kOutputProcessing, 0), nullptr);
    EXPECT_TRUE(screen.Connect());
}

TEST_F(CaptureInputSetTest, TheSetWithALevelIndicatorOffersItsPictureToEveryOutput)
{
    CAudioCaptureWithIndicatorInputFilters2 input(&m_graph);
    input.SetAudioSource("Test Audio Capture");
    ASSERT_TRUE(input.CreateAndConnect()) << input.GetErrorText();
    for (EOutputType type : {kOutputRender, kOutputProcessing}) {
        SCOPED_TRACE(int(type));
        ASSERT_EQ(input.GetVideoPinCount(type), 1);
        ASSERT_NE(input.GetVideoPin(type, 0), nullptr);
        EXPECT_NE(input.GetVideoPin(type, 0)->GetPin(), nullptr) << "the indicator's own output";
    }
    // The sound itself goes only to the processing output, through the tee's capture side.
    EXPECT_EQ(input.GetAudioPinCount(kOutputProcessing), 1);
    EXPECT_EQ(input.GetAudioPin(kOutputRender, 0), nullptr);
    input.Release();
}
