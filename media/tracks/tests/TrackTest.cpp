#include "CAudioTrack.h"
#include "CSubtitleTrack.h"
#include "CVideoTrack.h"
#include "MediaTestSupport.h"
#include "UGuidUtils.h"

namespace {

const GUID kSubtype = UGuidUtils::GuidFromString("32595559-0000-0010-8000-00AA00389B71");
const GUID kDecoder = UGuidUtils::GuidFromString("38BE3000-DBF4-11D0-860E-00A024CFEF6D");

// A PAL picture with a 4:3 original ratio.
class PalTrack : public ::testing::Test {
protected:
    void SetUp() override
    {
        track.GetVideoInfo().SetWidth(720);
        track.GetVideoInfo().SetHeight(576);
        track.GetVideoInfo().SetFrameRate(25);
        track.GetAspectRatio().SetOriginal(4.0 / 3.0);
    }
    CVideoTrack track;
};

}

TEST(MediaTrack, GuidsAndCodesAreStoredAndAnnounced)
{
    CMediaTrack track;
    NoticeLog log(track);
    EXPECT_TRUE(track.SetSubtype(kSubtype));
    EXPECT_FALSE(track.SetSubtype(kSubtype));
    track.SetFourcc(FourCharCode("YUY2"));
    track.SetUncompressed(true);
    track.SetDecoder(kDecoder);
    track.SetDecoder2(kSubtype);
    EXPECT_EQ((Codes{"mtrl", "mtrm", "mtrn", "mtro", "mtrp"}), log.codes);
    EXPECT_STREQ("", track.GetSummary());
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(track) : BinaryCopy(track);
        EXPECT_EQ(kSubtype, copy->GetSubtype());
        EXPECT_EQ(ULONG(FourCharCode("YUY2")), copy->GetFourcc());
        EXPECT_TRUE(copy->GetUncompressed());
        EXPECT_EQ(kDecoder, copy->GetDecoder());
        EXPECT_EQ(kSubtype, copy->GetDecoder2());
    }
    std::string xml = XmlText(track);
    for (const char* element : {"subtype", "fourcc", "uncompressed", "decoder", "decoder_2"})
        EXPECT_TRUE(HasElement(xml, element)) << element;
}

TEST(MediaTrack, DecodedWhenUncompressedOrGivenADecoder)
{
    CSubtitleTrack track;
    EXPECT_TRUE(track.IsInstanceOf(Code("mtrk")));
    EXPECT_FALSE(track.IsDecoded());
    track.SetUncompressed(true);
    EXPECT_TRUE(track.IsDecoded());
    track.SetUncompressed(false);
    track.SetDecoder2(kDecoder);
    EXPECT_FALSE(track.IsDecoded());
    track.SetDecoder(kDecoder);
    EXPECT_TRUE(track.IsDecoded());
}

TEST(AudioTrack, SummaryAndFormatSurviveBothStorages)
{
    CAudioTrack track;
    track.GetAudioInfo().SetSampleRate(44100);
    track.GetAudioInfo().SetChannel(2);
    track.SetDecoder(kDecoder);
    EXPECT_STREQ("44100hz, 2ch", track.GetSummary());
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(track) : BinaryCopy(track);
        EXPECT_STREQ("44100hz, 2ch", copy->GetSummary());
        EXPECT_EQ(kDecoder, copy->GetDecoder());
    }
}

TEST_F(PalTrack, AnUncroppedTrackReportsTheWholePicture)
{
    EXPECT_STREQ("720x576, 25.00fps", track.GetSummary());
    EXPECT_EQ(0, track.GetCropLeft());
    EXPECT_EQ(0, track.GetCropTop());
    EXPECT_EQ(720, track.GetCropRight());
    EXPECT_EQ(576, track.GetCropBottom());
    // The whole picture keeps the original shape, stretched.
    EXPECT_EQ(4.0 / 3.0, track.GetAspectRatio().GetInput());
    EXPECT_EQ(4.0 / 3.0, track.GetAspectRatio().GetOutput());
    EXPECT_EQ(0, track.GetAspectRatio().GetScaling());
}

TEST_F(PalTrack, EdgesStayInsideThePicture)
{
    track.ResetCrop();
    NoticeLog log(track);
    EXPECT_TRUE(track.SetCropLeft(800));
    EXPECT_EQ(719, track.GetCropLeft());
    EXPECT_EQ(720, track.GetCropRight());
    EXPECT_TRUE(track.SetCropLeft(200));
    EXPECT_TRUE(track.SetCropRight(100));
    EXPECT_EQ(201, track.GetCropRight());
    EXPECT_TRUE(track.SetCropRight(2000));
    EXPECT_EQ(720, track.GetCropRight());
    EXPECT_TRUE(track.SetCropTop(600));
    EXPECT_EQ(575, track.GetCropTop());
    EXPECT_EQ(576, track.GetCropBottom());
    EXPECT_TRUE(track.SetCropTop(10));
    EXPECT_TRUE(track.SetCropBottom(5));
    EXPECT_EQ(11, track.GetCropBottom());
    EXPECT_EQ((Codes{"vtrl", "vtrl", "vtrn", "vtrn", "vtrm", "vtrm", "vtro"}), log.codes);
}

TEST_F(PalTrack, MovingLeftPastRightPushesRightAlong)
{
    track.ResetCrop();
    track.SetCropRight(300);
    NoticeLog log(track);
    EXPECT_TRUE(track.SetCropLeft(400));
    EXPECT_EQ(401, track.GetCropRight());
    EXPECT_EQ((Codes{"vtrl", "vtrn"}), log.codes);
}

TEST_F(PalTrack, CroppingShapesTheAspectRatio)
{
    track.ResetCrop();
    track.GetAspectRatio().SetScaling(kLetterBox);
    EXPECT_TRUE(track.SetCropRight(360));
    EXPECT_DOUBLE_EQ(2.0 / 3.0, track.GetAspectRatio().GetInput());
    EXPECT_DOUBLE_EQ(2.0 / 3.0, track.GetAspectRatio().GetOutput());
    EXPECT_EQ(0, track.GetAspectRatio().GetScaling());
    EXPECT_TRUE(track.SetCropBottom(288));
    EXPECT_DOUBLE_EQ(4.0 / 3.0, track.GetAspectRatio().GetInput());
}

TEST(VideoTrack, NoPictureSizeLeavesTheRatioAlone)
{
    CVideoTrack track;
    track.GetAspectRatio().SetOriginal(1.5);
    track.SetCropRight(10);
    EXPECT_EQ(1.5, track.GetAspectRatio().GetInput());
    EXPECT_EQ(2, track.GetAspectRatio().GetScaling());
    // A left edge in an empty picture stays at 0 rather than wrapping around.
    track.SetCropLeft(5);
    EXPECT_EQ(0, track.GetCropLeft());
}

TEST_F(PalTrack, AHalfSetRectangleHasNoRatio)
{
    // Only the right edge set: the bottom is still 0, and no ratio can come of it.
    track.SetCropRight(360);
    EXPECT_EQ(4.0 / 3.0, track.GetAspectRatio().GetInput());
    EXPECT_EQ(2, track.GetAspectRatio().GetScaling());
}

TEST_F(PalTrack, EverythingSurvivesBothStorages)
{
    track.ResetCrop();
    track.SetCropLeft(8);
    track.SetCropTop(16);
    track.SetCropRight(712);
    track.SetCropBottom(560);
    track.GetTransformation().SetRotate(kImageRotationRight);
    track.SetFourcc(FourCharCode("DX50"));
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(track) : BinaryCopy(track);
        EXPECT_EQ(8, copy->GetCropLeft());
        EXPECT_EQ(16, copy->GetCropTop());
        EXPECT_EQ(712, copy->GetCropRight());
        EXPECT_EQ(560, copy->GetCropBottom());
        EXPECT_EQ(720, copy->GetVideoInfo().GetWidth());
        EXPECT_EQ(2, copy->GetTransformation().GetRotate());
        // The settings file keeps doubles to a few places only.
        EXPECT_NEAR(track.GetAspectRatio().GetInput(), copy->GetAspectRatio().GetInput(), 1e-5);
        EXPECT_EQ(0, copy->GetAspectRatio().GetScaling());
        EXPECT_EQ(ULONG(FourCharCode("DX50")), copy->GetFourcc());
    }
    std::string xml = XmlText(track);
    for (const char* element : {"info", "aspect_ratio", "transformation", "crop_left", "crop_top", "crop_right",
                                "crop_bottom"})
        EXPECT_TRUE(HasElement(xml, element)) << element;
}
