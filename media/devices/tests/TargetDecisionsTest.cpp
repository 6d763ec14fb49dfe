#include "CTargetDecisions.h"
#include "CTargetPlatform.h"
#include "MediaTestSupport.h"

TEST(TargetDecisions, TheLatestCatalogueIsTheProcessWideOne)
{
    {
        CTargetDecisions first;
        EXPECT_EQ(&first, CTargetDecisions::sDecisions);
        {
            CTargetDecisions second;
            EXPECT_EQ(&second, CTargetDecisions::sDecisions);
            auto* stale = new CTargetDecisions(second);
            EXPECT_EQ(stale, CTargetDecisions::sDecisions);
            CTargetDecisions::sDecisions = &first;
            delete stale;
            EXPECT_EQ(&first, CTargetDecisions::sDecisions);
        }
        EXPECT_EQ(&first, CTargetDecisions::sDecisions);
    }
    EXPECT_EQ(nullptr, CTargetDecisions::sDecisions);
}

TEST(TargetDecisions, FindsTargetsInListOrder)
{
    CTargetDecisions decisions;
    CTargetConversion* audio = decisions.CreateTarget("Zune", "A", kMediaTypeAudio);
    CTargetConversion* first = decisions.CreateTarget("Zune", "V1", kMediaTypeVideo);
    CTargetConversion* second = decisions.CreateTarget("Zune", "V2", kMediaTypeVideo);
    EXPECT_FALSE(audio->GetWantsVideo());
    EXPECT_EQ(first, decisions.FindTarget("Zune", kMediaTypeVideo));
    EXPECT_EQ(audio, decisions.FindTarget("Zune", kMediaTypeAudio));
    EXPECT_EQ(second, decisions.FindTarget("Zune", "V2", kMediaTypeVideo));
    EXPECT_EQ(nullptr, decisions.FindTarget("zune", "V2", kMediaTypeVideo));
    EXPECT_EQ(nullptr, decisions.FindTarget("Zune", "V2", kMediaTypeAudio));
    EXPECT_EQ(second, decisions.EnsureTarget("Zune", "V2", kMediaTypeVideo));
    EXPECT_EQ(nullptr, decisions.CreateNewTarget("Zune", "V2", kMediaTypeVideo));
    EXPECT_EQ(3, decisions.GetTargetCount());
    EXPECT_EQ(nullptr, decisions.GetTarget(3));
    EXPECT_EQ(nullptr, decisions.GetTarget(-1));

    auto* inserted = new CTargetConversion;
    decisions.AddTarget(inserted, 0);
    EXPECT_EQ(inserted, decisions.GetTarget(0));
    decisions.RemoveTarget(first);
    EXPECT_EQ(3, decisions.GetTargetCount());
    EXPECT_EQ(second, decisions.FindTarget("Zune", kMediaTypeVideo));
}

TEST(TargetDecisions, PlatformsAreFoundCreatedAndEnsured)
{
    CTargetDecisions decisions;
    decisions.CreateTarget("PSP", "V", kMediaTypeVideo);
    decisions.CreateTarget("iPod", "V", kMediaTypeVideo);
    CTargetPlatform* psp = decisions.CreatePlatform("PSP");
    EXPECT_EQ(psp, decisions.EnsurePlatform("PSP"));
    EXPECT_EQ(nullptr, decisions.CreateNewPlatform("PSP"));
    EXPECT_EQ(0, decisions.GetPlatformIndex(psp));

    auto* zune = new CTargetPlatform;
    zune->SetName("Zune");
    decisions.AddPlatformAt(zune, 0);
    ASSERT_EQ(3, decisions.GetPlatformCount());
    EXPECT_EQ(zune, decisions.GetPlatform(0));
    EXPECT_EQ(psp, decisions.GetPlatform(1));
    EXPECT_STREQ("iPod", decisions.GetPlatform(2)->GetName());
    EXPECT_EQ(-1, decisions.GetPlatformIndex(nullptr));
    EXPECT_EQ(nullptr, decisions.FindPlatform("Archos"));
    decisions.RemovePlatform(zune);
    EXPECT_EQ(2, decisions.GetPlatformCount());
}

TEST(TargetDecisions, RoundTripsAndClonesBothLists)
{
    CTargetDecisions decisions;
    decisions.AddPSPTarget();
    decisions.EnsurePlatforms();
    decisions.GetPlatform(0)->SetCanSync(true);
    auto check = [](CTargetDecisions& copy) {
        ASSERT_EQ(2, copy.GetTargetCount());
        ASSERT_EQ(1, copy.GetPlatformCount());
        EXPECT_STREQ("MPEG-4 for PSP, 320 x 240", copy.GetTarget(0)->GetName());
        EXPECT_EQ(2022, copy.GetTarget(0)->GetSplitterType());
        EXPECT_EQ(kMediaTypeAudio, copy.GetTarget(1)->GetMediaType());
        EXPECT_TRUE(copy.GetPlatform(0)->GetCanSync());
    };
    CTargetDecisions* current = CTargetDecisions::sDecisions;
    check(*BinaryCopy(decisions));
    check(*XmlCopy(decisions));
    CTargetDecisions::sDecisions = current;
    std::string xml = XmlText(decisions);
    EXPECT_TRUE(HasElement(xml, "targets"));
    EXPECT_TRUE(HasElement(xml, "platforms"));

    CTargetDecisions assigned;
    assigned = decisions;
    check(assigned);
    EXPECT_NE(decisions.GetTarget(0), assigned.GetTarget(0));
}

TEST(TargetPresets, EachFamilyAddsItsVideoThenAudioTargetOnce)
{
    CTargetDecisions decisions;
    decisions.AddiPodTarget();
    decisions.AddPSPTarget();
    decisions.AddPMCTarget();
    decisions.AddZenVisionTarget();
    decisions.AddZuneTarget();
    decisions.AddArchosTarget();
    decisions.Add3GPTarget();
    decisions.AddFlashTarget();
    ASSERT_EQ(14, decisions.GetTargetCount());
    const char* platforms[] = {"iPod", "PSP", "PMC", "Zen Vision", "Zune", "Archos", "Cell Phone"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_STREQ(platforms[i], decisions.GetTarget(2 * i)->GetPlatform());
        EXPECT_EQ(kMediaTypeVideo, decisions.GetTarget(2 * i)->GetMediaType());
        EXPECT_TRUE(decisions.GetTarget(2 * i)->GetWantsVideo());
        EXPECT_STREQ(platforms[i], decisions.GetTarget(2 * i + 1)->GetPlatform());
        EXPECT_EQ(kMediaTypeAudio, decisions.GetTarget(2 * i + 1)->GetMediaType());
        EXPECT_FALSE(decisions.GetTarget(2 * i + 1)->GetWantsVideo());
        EXPECT_TRUE(decisions.GetTarget(2 * i + 1)->GetWantsAudio());
    }

    CTargetConversion* ipod = decisions.GetTarget(0);
    ipod->SetMaxBitrate(1);
    decisions.AddiPodTarget();
    decisions.AddZuneTarget();
    EXPECT_EQ(14, decisions.GetTargetCount());
    EXPECT_EQ(1u, ipod->GetMaxBitrate());
}

TEST(TargetPresets, OnlyTheMissingTargetIsAdded)
{
    CTargetDecisions decisions;
    CTargetConversion* own = decisions.CreateTarget("Zune", "WMV for Zune, up to 320 x 240", kMediaTypeVideo);
    decisions.AddZuneTarget();
    ASSERT_EQ(2, decisions.GetTargetCount());
    EXPECT_EQ(0, own->GetSplitterType());
    EXPECT_STREQ("WMA for Zune", decisions.GetTarget(1)->GetName());
    EXPECT_EQ(480000u, decisions.GetTarget(1)->GetAudioOutput().GetAudioInfo().GetSampleRate());
}

TEST(TargetPresets, VideoTargetsCarryTheirTables)
{
    CTargetDecisions decisions;
    decisions.AddiPodTarget();
    decisions.AddPSPTarget();
    decisions.AddPMCTarget();
    decisions.Add3GPTarget();

    CTargetConversion* ipod = decisions.FindTarget("iPod", "MPEG-4 for iPod, flexible resolution", kMediaTypeVideo);
    ASSERT_NE(nullptr, ipod);
    EXPECT_EQ(640, ipod->GetSplitterType());
    EXPECT_EQ(307200u, ipod->GetMaxVideoPixels());
    EXPECT_EQ(4800u, ipod->GetMinVideoPixels());
    EXPECT_STREQ("MPEG-4 Video Improved", ipod->GetVideoOutput().GetDisplayName());
    EXPECT_EQ(640, ipod->GetVideoOutput().GetVideoInfo().GetWidth());
    EXPECT_EQ(480, ipod->GetVideoOutput().GetVideoInfo().GetHeight());
    EXPECT_DOUBLE_EQ(30, ipod->GetVideoOutput().GetVideoInfo().GetFrameRate());
    EXPECT_EQ(2500000u, ipod->GetVideoOutput().GetBitrate());
    EXPECT_EQ(80, ipod->GetMinVideoOutput().GetVideoInfo().GetWidth());
    EXPECT_DOUBLE_EQ(1, ipod->GetMinVideoOutput().GetVideoInfo().GetFrameRate());
    EXPECT_EQ(128000u, ipod->GetMinVideoOutput().GetBitrate());
    EXPECT_STREQ("AAC-LC", ipod->GetAudioOutput().GetDisplayName());
    EXPECT_EQ(480000u, ipod->GetAudioOutput().GetAudioInfo().GetSampleRate());
    EXPECT_EQ(8000u, ipod->GetMinAudioOutput().GetAudioInfo().GetSampleRate());
    EXPECT_EQ(1, ipod->GetMinAudioOutput().GetAudioInfo().GetChannel());
    EXPECT_EQ(2500000u, ipod->GetMaxBitrate());
    EXPECT_FALSE(ipod->GetDiscreteVideo());
    EXPECT_TRUE(ipod->GetDiscreteFrameRate());

    CTargetConversion* psp = decisions.FindTarget("PSP", kMediaTypeVideo);
    ASSERT_NE(nullptr, psp);
    EXPECT_EQ(2022, psp->GetSplitterType());
    EXPECT_DOUBLE_EQ(29.97, psp->GetMinVideoOutput().GetVideoInfo().GetFrameRate());
    EXPECT_EQ(24000u, psp->GetMinAudioOutput().GetAudioInfo().GetSampleRate());
    EXPECT_EQ(2, psp->GetMinAudioOutput().GetAudioInfo().GetChannel());
    EXPECT_TRUE(psp->GetDiscreteVideo());
    EXPECT_TRUE(psp->GetDiscreteAudio());

    CTargetConversion* pmc = decisions.FindTarget("PMC", kMediaTypeVideo);
    ASSERT_NE(nullptr, pmc);
    EXPECT_EQ(252, pmc->GetSplitterType());
    EXPECT_EQ(9, pmc->GetWmOutput().GetVersion());
    EXPECT_STREQ("PMC", pmc->GetWmOutput().GetProfile());
    EXPECT_TRUE(pmc->GetVideoOutput().GetDisplayName().IsEmpty());

    CTargetConversion* phone = decisions.FindTarget("Cell Phone", kMediaTypeVideo);
    ASSERT_NE(nullptr, phone);
    EXPECT_EQ(630, phone->GetSplitterType());
    EXPECT_EQ(12288u, phone->GetMinVideoPixels());
    EXPECT_EQ(160000u, phone->GetVideoOutput().GetBitrate());
    EXPECT_EQ(96000u, phone->GetMinVideoOutput().GetBitrate());
    EXPECT_EQ(800000u, phone->GetMaxBitrate());
}

TEST(TargetPresets, AudioTargetsCarryTheirTables)
{
    CTargetDecisions decisions;
    decisions.AddPSPTarget();
    decisions.AddZenVisionTarget();
    decisions.Add3GPTarget();
    decisions.AddPMCTarget();

    CTargetConversion* mp3 = decisions.FindTarget("PSP", "MP3 for PSP", kMediaTypeAudio);
    ASSERT_NE(nullptr, mp3);
    EXPECT_EQ(300, mp3->GetSplitterType());
    EXPECT_STREQ("lame_enc.dll", mp3->GetAudioOutput().GetDisplayName());
    EXPECT_EQ(320000u, mp3->GetMaxBitrate());

    CTargetConversion* zen = decisions.FindTarget("Zen Vision", kMediaTypeAudio);
    ASSERT_NE(nullptr, zen);
    EXPECT_EQ(200, zen->GetSplitterType());
    EXPECT_EQ(441000u, zen->GetAudioOutput().GetAudioInfo().GetSampleRate());
    EXPECT_EQ(11025u, zen->GetMinAudioOutput().GetAudioInfo().GetSampleRate());

    CTargetConversion* phone = decisions.FindTarget("Cell Phone", kMediaTypeAudio);
    ASSERT_NE(nullptr, phone);
    EXPECT_EQ(800000u, phone->GetMaxBitrate());

    CTargetConversion* pmc = decisions.FindTarget("PMC", kMediaTypeAudio);
    ASSERT_NE(nullptr, pmc);
    EXPECT_EQ(44100u, pmc->GetAudioOutput().GetAudioInfo().GetSampleRate());
    EXPECT_EQ(2, pmc->GetAudioOutput().GetAudioInfo().GetChannel());
}
