#include "CAudioCodecsInfo.h"
#include "CAudioTrack.h"
#include "CDirectShowSystem2.h"
#include "CFormatTypes.h"
#include "CMediaConversionData.h"
#include "CPortableMediaConversion.h"
#include "CQuorlanData.h"
#include "CQuorlanFormatDecision.h"
#include "CTargetDecisions.h"
#include "CVideoTrack.h"
#include "StQtMp4Codecs.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

CMediaConversionData* NewItem(unsigned short width, unsigned short height, double seconds)
{
    auto* item = new CMediaConversionData;
    CMediaFile2& input = item->GetInput();
    input.GetFilePath().SetFilePath("/media/clip.avi");
    input.SetDuration(seconds);
    auto* video = new CVideoTrack;
    video->GetVideoInfo().SetWidth(width);
    video->GetVideoInfo().SetHeight(height);
    video->GetVideoInfo().SetFrameRate(30);
    video->GetAspectRatio().SetInput(double(width) / height);
    input.AddVideoTrack(video);
    return item;
}

class QuorlanFormatDecision : public ::testing::Test {
protected:
    void SetUp() override
    {
        presets.AddiPodTarget();
        presets.AddZuneTarget();
        // Constant bitrate, so that the device's quality and limits show in the decided bitrate.
        for (const char* platform : {"iPod", "Zune"})
            presets.FindTarget(platform, kMediaTypeVideo)->GetVideoOutput(0)->SetEncoderControl(2);
        document.GetConversionList().AddFile(NewItem(640, 480, 60));
    }
    CMediaOutput2& Output(int index) { return document.GetConversionList().GetFile(index)->GetMediaOutput(); }

    CFormatTypes table;
    CTargetDecisions presets;
    CQuorlanData document;
};

} // namespace

TEST_F(QuorlanFormatDecision, TheSelectedDevicesSettingsDecideEveryFile)
{
    document.SetDevice("iPod");
    CQuorlanFormatDecision decision;
    EXPECT_EQ(100, decision.GetQuality());
    EXPECT_EQ(800000u, decision.GetMaxVideoBitrate());
    EXPECT_EQ(160000u, decision.GetMaxAudioBitrate());

    decision.SetData(&document);
    EXPECT_EQ(CString("iPod"), decision.GetPlatform());
    CPortableMediaConversion* settings = document.FindDevice("iPod");
    ASSERT_NE(nullptr, settings);
    EXPECT_EQ(settings, decision.GetProfile());
    EXPECT_EQ(&settings->GetDevice(), decision.GetDevice());
    EXPECT_EQ(&document.GetConversionList().GetFiles(), decision.GetFileList());
    // The device's own limits: the preset's 2.5 Mbit/s cap.
    EXPECT_EQ(2500000u, decision.GetMaxVideoBitrate());
    EXPECT_EQ(640, Output(0).GetSplitterType());
    EXPECT_EQ(640, Output(0).GetVideoOutput(0)->GetVideoInfo().GetWidth());
    // Video only: the whole cap is room; the ceiling is the preset's full picture.
    EXPECT_EQ(2500000u, Output(0).GetVideoOutput(0)->GetBitrate());

    // Edits of the device's limits decide the files again.
    settings->GetDevice().SetVideoMaxBitrate(1000000);
    EXPECT_EQ(1000000u, Output(0).GetVideoOutput(0)->GetBitrate());
    settings->GetDevice().SetQuality(50);
    // upper = round(50 * (1000000 - 160000) * 1 * 0.01) + 160000.
    EXPECT_EQ(580000u, Output(0).GetVideoOutput(0)->GetBitrate());

    // An added file is decided at once and follows its input's streams.
    CMediaConversionData* added = NewItem(320, 240, 10);
    added->GetMediaOutput().SetWantsVideo(true);
    document.GetConversionList().AddFile(added);
    EXPECT_EQ(640, added->GetMediaOutput().GetSplitterType());
    EXPECT_FALSE(added->GetMediaOutput().GetWantsAudio());
    EXPECT_EQ(320, added->GetMediaOutput().GetVideoOutput(0)->GetVideoInfo().GetWidth());

    // Another device: its platform's presets and its own settings.
    document.SetDevice("Zune");
    EXPECT_EQ(CString("Zune"), decision.GetPlatform());
    EXPECT_EQ(document.FindDevice("Zune"), decision.GetProfile());
    EXPECT_EQ(200, Output(0).GetSplitterType());
    EXPECT_EQ(200, added->GetMediaOutput().GetSplitterType());
    EXPECT_EQ(320, Output(0).GetVideoOutput(0)->GetVideoInfo().GetWidth());
    // The old device's settings are no longer followed.
    settings->GetDevice().SetQuality(5);
    EXPECT_EQ(200, Output(0).GetSplitterType());
    EXPECT_EQ(100, decision.GetQuality());
}

TEST_F(QuorlanFormatDecision, TheDevicesAudioLimitCapsTheAudioOfTheIPodsQuickTimeCodec)
{
    // The catalogue as the engine fills it from QuickTime's MP4 list; the preset names its AAC
    // codec by QuickTime's own name.
    CAudioCodecsInfo codecs{true};
    ASSERT_EQ(&codecs, CAudioCodecsInfo::sInfo);
    StQtMp4Codecs mp4;
    CDirectShowSystem2::AddThirdPartyCodecs(mp4, 640);

    CMediaConversionData* item = document.GetConversionList().GetFile(0);
    auto* sound = new CAudioTrack;
    sound->GetAudioInfo().SetSampleRate(48000);
    sound->GetAudioInfo().SetChannel(2);
    sound->GetAudioInfo().SetBitsPerSample(16);
    item->GetInput().AddAudioTrack(sound);
    item->GetMediaOutput().SetWantsAudio(true);
    document.SetDevice("iPod");
    CQuorlanFormatDecision decision;
    decision.SetData(&document);
    CTargetDevice& device = document.FindDevice("iPod")->GetDevice();

    // AAC at 48 kHz stereo offers 112, 128, 160, 192 kbit/s and up; full quality asks for the most.
    const struct {
        ULONG limit, decided;
    } cases[] = {
        {320000, 160000},  // the decision's own ceiling is lower than the device's
        {150000, 128000},  // the codec's nearest rate under the limit
        {128000, 128000},
        {100000, 100000},  // no rate of the codec fits: the limit itself
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        device.SetAudioMaxBitrate(c.limit);
        ASSERT_TRUE(Output(0).GetWantsAudio());
        EXPECT_EQ(48000u, Output(0).GetAudioOutput(0)->GetAudioInfo().GetSampleRate());
        EXPECT_EQ(c.decided, Output(0).GetAudioOutput(0)->GetBitrate());
    }
}

TEST_F(QuorlanFormatDecision, WithoutDeviceSettingsThereIsNoPreset)
{
    CQuorlanFormatDecision decision;
    CMediaConversionData* item = document.GetConversionList().GetFile(0);
    decision.SetPlatform("iPod");
    EXPECT_EQ(nullptr, decision.FindTarget(&item->GetInput(), &item->GetMediaOutput()));
    decision.SetData(&document);
    // The document names no device: nothing to decide with.
    EXPECT_EQ(CString(""), decision.GetPlatform());
    EXPECT_EQ(nullptr, decision.GetProfile());
    EXPECT_EQ(nullptr, decision.FindTarget(&item->GetInput(), &item->GetMediaOutput()));
    decision.SetData(nullptr);
    EXPECT_EQ(nullptr, decision.GetFileList());
}

TEST_F(QuorlanFormatDecision, LetsGoOfEverythingWhenDestroyedOrWhenTheDocumentGoes)
{
    document.SetDevice("iPod");
    auto decision = std::make_unique<CQuorlanFormatDecision>();
    decision->SetData(&document);
    CPortableMediaConversion* settings = decision->GetProfile();
    ASSERT_NE(nullptr, settings);
    decision.reset();
    // No listener is left behind to be told of these.
    settings->GetDevice().SetQuality(30);
    document.GetConversionList().AddFile(NewItem(320, 240, 10));
    document.SetDevice("Zune");

    CQuorlanFormatDecision held;
    {
        CQuorlanData gone;
        gone.SetDevice("iPod");
        held.SetData(&gone);
        EXPECT_EQ(&gone, held.GetData());
    }
    EXPECT_EQ(nullptr, held.GetData());
    EXPECT_EQ(nullptr, held.GetProfile());
    EXPECT_EQ(nullptr, held.GetDevice());
    EXPECT_EQ(nullptr, held.GetFileList());
}

TEST_F(QuorlanFormatDecision, MovingToAnotherDocumentLeavesTheOldDocumentsFilesAlone)
{
    document.SetDevice("iPod");
    CQuorlanFormatDecision decision;
    decision.SetData(&document);
    ASSERT_EQ(640, Output(0).GetSplitterType());

    CQuorlanData other;
    other.SetDevice("Zune");
    other.GetConversionList().AddFile(NewItem(320, 240, 10));
    decision.SetData(&other);
    EXPECT_EQ(200, other.GetConversionList().GetFile(0)->GetMediaOutput().GetSplitterType());
    // The first document's file keeps its own device's decision.
    EXPECT_EQ(640, Output(0).GetSplitterType());
    decision.SetData(nullptr);
}
