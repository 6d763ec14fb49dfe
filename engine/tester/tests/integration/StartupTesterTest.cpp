// The codec check that runs at start-up, against the real encoders and multiplexers:
// it marks the output types each compressor's output really reaches.
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CCodecTesterThread.h"
#include "CDirectShowSystem2.h"
#include "CFormatTypes.h"
#include "CMorvaneDirectShowApp2.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "StDirectShow.h"
#include "dshow/AudioEncoderFilter.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <memory>

class StartupTesterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!CFormatTypes::sFormatTypes) m_types = std::make_unique<CFormatTypes>();
        if (!CAudioCodecsInfo::sInfo) m_audio = std::make_unique<CAudioCodecsInfo>(true);
        if (!CVideoCodecsInfo::sInfo) m_video = std::make_unique<CVideoCodecsInfo>(true);
    }
    // The start-up check as the engine application runs it, waited for to its end.
    void RunTester()
    {
        const bool loadAvi = CDirectShowSystem2::sLoadAvi;
        const unsigned long delay = CCodecTesterThread::sStartDelayMs;
        CDirectShowSystem2::sLoadAvi = true;
        CCodecTesterThread::sStartDelayMs = 0;
        {
            CMorvaneDirectShowApp2 app;
            app.StartTester(false);
            EXPECT_TRUE(MvPumpUntil([&] { return !app.GetAudioTester() && !app.GetVideoTester(); }, 120000));
        }
        CDirectShowSystem2::sLoadAvi = loadAvi;
        CCodecTesterThread::sStartDelayMs = delay;
    }

    MvTestHome m_home;
    StDirectShow m_com;
    std::unique_ptr<CFormatTypes> m_types;
    std::unique_ptr<CAudioCodecsInfo> m_audio;
    std::unique_ptr<CVideoCodecsInfo> m_video;
};

TEST_F(StartupTesterTest, TheMp3RowPcmAndVorbisAreMarkedForTheTypesThatHoldWhatTheyMake)
{
    auto add = [](const char* name, const GUID& id) {
        CAudioCodecInfo* codec = CAudioCodecsInfo::sInfo->Add(name, "");
        codec->SetId(id);
        codec->SetVirtual(true);
        codec->Activate(true);
        return codec;
    };
    CAudioCodecInfo* lame = add("Lame_enc.dll", CLSID_Mp3AudioEncoder);
    CAudioCodecInfo* vorbis = add("Vorbis Encoder", CLSID_VorbisAudioEncoder);
    CAudioCodecInfo* pcm = add("PCM", CLSID_PcmAudioCompressor);
    RunTester();

    EXPECT_TRUE(lame->GetTested());
    EXPECT_GT(lame->GetSampleRateCount(), 0);
    for (ESplitterType type : {350, 500, 100, 1200}) EXPECT_TRUE(lame->IsSupported(type)) << type;
    EXPECT_FALSE(lame->IsSupported(1100)) << "Ogg holds no MP3";
    // Raw samples go into WAV, AVI and Matroska, never into an MP3 or Ogg file.
    EXPECT_TRUE(pcm->GetTested());
    for (ESplitterType type : {500, 100, 1200}) EXPECT_TRUE(pcm->IsSupported(type)) << type;
    for (ESplitterType type : {350, 1100}) EXPECT_FALSE(pcm->IsSupported(type)) << type;
    EXPECT_TRUE(vorbis->GetTested());
    EXPECT_TRUE(vorbis->IsSupported(1100));
    // Vorbis is never tried against another type's multiplexer.
    EXPECT_EQ(vorbis->Find(350), nullptr);
}

TEST_F(StartupTesterTest, TheDvVideoEncoderIsTestedWithTheTestPictureAndReachesTheDvTypes)
{
    CVideoCodecInfo* dv = CVideoCodecsInfo::sInfo->Add("DV Video Encoder", "");
    dv->SetId(CLSID_DvVideoEncoder);
    dv->SetVirtual(true);
    dv->Activate(true);
    RunTester();

    // The test picture reaches the encoder: it is tested with what it takes, and its output
    // reaches the DV multiplexer of the raw and the AVI DV types.
    EXPECT_TRUE(dv->GetTested());
    EXPECT_GT(dv->GetSizeCount(), 0);
    for (ESplitterType type : {900, 110}) EXPECT_TRUE(dv->IsSupported(type)) << type;
}
