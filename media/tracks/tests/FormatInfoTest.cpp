#include "CAspectRatioInfo2.h"
#include "CAudioInfo2.h"
#include "CEnumMap.h"
#include "CEnumPair.h"
#include "CVideoInfo2.h"
#include "CVideoTransformation.h"
#include "MediaTestSupport.h"

constexpr double kFourThirds = 4.0 / 3.0;
constexpr double kSixteenNinths = 16.0 / 9.0;

TEST(AspectRatio, ANewRecordLetterboxes)
{
    CAspectRatioInfo2 ratio;
    EXPECT_EQ(2, ratio.GetScaling());
    EXPECT_EQ(0, ratio.GetOriginal());
    CEnumMap map;
    ASSERT_TRUE(ratio.GetEnumText("scaling", map));
    ASSERT_EQ(3, map.GetCount());
    EXPECT_STREQ("Letterbox / Pillarbox", map.Find(2L)->GetText());
    EXPECT_STREQ("Pan & Scan / Tilt & Scan", map.Find(1L)->GetText());
}

TEST(AspectRatio, RatiosNearTheCommonOnesSnapToThem)
{
    const struct {
        double given, stored;
    } cases[] = {
        {1.33335, kFourThirds},   {1.33325, kFourThirds},       {1.3336, 1.3336},
        {1.77775, kSixteenNinths}, {1.7778, kSixteenNinths},     {1.5, 1.5},
    };
    for (const auto& c : cases) EXPECT_EQ(c.stored, CAspectRatioInfo2::ValidateAspectRatio(c.given)) << c.given;
}

TEST(AspectRatio, TheOriginalCarriesOverToTheInputAndEqualRatiosStretch)
{
    CAspectRatioInfo2 ratio;
    ratio.SetOutput(kFourThirds);
    EXPECT_EQ(2, ratio.GetScaling());
    NoticeLog log(ratio);
    EXPECT_TRUE(ratio.SetOriginal(1.33335));
    EXPECT_EQ(kFourThirds, ratio.GetOriginal());
    EXPECT_EQ(kFourThirds, ratio.GetInput());
    EXPECT_EQ(0, ratio.GetScaling());
    EXPECT_EQ((Codes{"aspr", "asps", "aspu"}), log.codes);
    EXPECT_FALSE(ratio.SetOriginal(kFourThirds));
}

TEST(AspectRatio, LoadingSnapsTheStoredRatios)
{
    // A near value can only come from a file edited by hand.
    CAspectRatioInfo2 ratio;
    ratio.SetOriginal(1.5);
    ratio.SetOutput(2.0);
    ratio.SetScaling(kPanScan);
    std::string xml = XmlText(ratio);
    auto copy = XmlCopy(ratio);
    EXPECT_EQ(1.5, copy->GetOriginal());
    EXPECT_EQ(1.5, copy->GetInput());
    EXPECT_EQ(2.0, copy->GetOutput());
    EXPECT_EQ(1, copy->GetScaling());

    size_t at = xml.find("<original>");
    ASSERT_NE(std::string::npos, at);
    size_t end = xml.find("</original>", at);
    xml.replace(at, end - at, "<original>1.77775");
    auto snapped = XmlLoad<CAspectRatioInfo2>(xml);
    EXPECT_EQ(kSixteenNinths, snapped->GetOriginal());
    // The stored input is kept, though the snapped original carries over to it first.
    EXPECT_EQ(1.5, snapped->GetInput());
    EXPECT_EQ(2.0, snapped->GetOutput());
}

TEST(FormatInfo, ValuesSurviveBothStorages)
{
    CAudioInfo2 audio;
    audio.SetSampleRate(44100);
    audio.SetChannel(6);
    audio.SetBitsPerSample(24);
    CVideoInfo2 video;
    video.SetWidth(1920);
    video.SetHeight(1080);
    video.SetFrameRate(23.976);
    CVideoTransformation turn;
    turn.SetFlip(kImageFlipLeftRight);
    turn.SetRotate(kImageRotationHalf);
    for (int xml = 0; xml < 2; ++xml) {
        auto a = xml ? XmlCopy(audio) : BinaryCopy(audio);
        EXPECT_EQ(44100u, a->GetSampleRate());
        EXPECT_EQ(6, a->GetChannel());
        EXPECT_EQ(24, a->GetBitsPerSample());
        auto v = xml ? XmlCopy(video) : BinaryCopy(video);
        EXPECT_EQ(1920, v->GetWidth());
        EXPECT_EQ(1080, v->GetHeight());
        EXPECT_EQ(23.976, v->GetFrameRate());
        auto t = xml ? XmlCopy(turn) : BinaryCopy(turn);
        EXPECT_EQ(1, t->GetFlip());
        EXPECT_EQ(3, t->GetRotate());
    }
    std::string xml = XmlText(audio);
    EXPECT_TRUE(HasElement(xml, "sample_rate"));
    EXPECT_TRUE(HasElement(xml, "bits_per_sample"));
    EXPECT_TRUE(HasElement(XmlText(video), "frame_rate"));
}

TEST(FormatInfo, EachPropertyAnnouncesItsOwnCode)
{
    CAudioInfo2 audio;
    NoticeLog audioLog(audio);
    audio.SetSampleRate(8000);
    audio.SetChannel(1);
    audio.SetBitsPerSample(8);
    EXPECT_FALSE(audio.SetChannel(1));
    EXPECT_EQ((Codes{"aif3", "aif4", "aif5"}), audioLog.codes);

    CVideoInfo2 video;
    NoticeLog videoLog(video);
    video.SetWidth(2);
    video.SetHeight(2);
    video.SetFrameRate(25);
    EXPECT_TRUE(video.SetFrameRate(-1));
    EXPECT_EQ(0, video.GetFrameRate());
    EXPECT_FALSE(video.SetFrameRate(0));
    EXPECT_EQ((Codes{"iing", "iinh", "vif5", "vif5"}), videoLog.codes);
    EXPECT_TRUE(video.IsInstanceOf(Code("iinf")));

    CVideoTransformation turn;
    NoticeLog turnLog(turn);
    turn.SetFlip(kImageFlipTopBottom);
    turn.SetRotate(kImageRotationLeft);
    EXPECT_EQ((Codes{"vitr", "vits"}), turnLog.codes);
}
