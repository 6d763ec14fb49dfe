#include "CAudioOutput2.h"
#include "CEnumMap.h"
#include "CEnumPair.h"
#include "CImageOutput.h"
#include "COutputType2.h"
#include "CRealOutput.h"
#include "CSnapshotOutput.h"
#include "CVideoOutput2.h"
#include "CWmOutput2.h"
#include "CMetaClassController.h"
#include "MediaTestSupport.h"

#include <cstring>

TEST(OutputType, ListsEveryOutputTypeInItsOrder)
{
    COutputType2 type;
    CEnumMap map;
    ASSERT_TRUE(type.GetEnumText("type", map));
    ASSERT_EQ(46, map.GetCount());
    EXPECT_EQ(0, map.GetAt(0)->GetValue());
    EXPECT_STREQ("-", map.GetAt(0)->GetText());
    EXPECT_EQ(250, map.GetAt(4)->GetValue());
    EXPECT_STREQ("Windows Media (Profile)", map.GetAt(6)->GetText());
    EXPECT_STREQ("WAV", map.Find(500L)->GetText());
    EXPECT_STREQ("Animted GIF", map.Find(1600L)->GetText());
    EXPECT_STREQ("Web Images", map.Find(1800L)->GetText());
    EXPECT_EQ(620, map.GetAt(45)->GetValue());
    EXPECT_STREQ("FLC", map.GetAt(45)->GetText());

    CEnumMap other;
    CPersistObject plain;
    EXPECT_EQ(plain.GetEnumText("remux", other), type.GetEnumText("remux", other));
    EXPECT_EQ(0, other.GetCount());
}

TEST(OutputType, TheTypeIsStoredAndAnnounced)
{
    COutputType2 type;
    NoticeLog log(type);
    EXPECT_TRUE(type.SetSplitterType(500));
    EXPECT_FALSE(type.SetSplitterType(500));
    EXPECT_FALSE(type.UseVbrExtension());
    EXPECT_EQ((Codes{"out2"}), log.codes);
    EXPECT_EQ(500, BinaryCopy(type)->GetSplitterType());
    EXPECT_EQ(500, XmlCopy(type)->GetSplitterType());
}

TEST(TrackOutput, DefaultsAndMasks)
{
    CAudioOutput2 audio;
    EXPECT_EQ(0u, audio.GetBitrate());
    EXPECT_EQ(95, audio.GetQuality());
    EXPECT_EQ(1, audio.GetEncoderControl());
    EXPECT_EQ(1, audio.GetComplexity());
    EXPECT_TRUE(audio.GetRegulateTimecode());
    EXPECT_EQ(48000u, audio.GetAudioInfo().GetSampleRate());
    EXPECT_EQ(2, audio.GetAudioInfo().GetChannel());
    EXPECT_EQ(16, audio.GetAudioInfo().GetBitsPerSample());
    EXPECT_TRUE(audio.IsInstanceOf(Code("tkop")));
    EXPECT_FALSE(audio.IsInstanceOf(Code("vop2")));

    const struct {
        EEncoderControl control;
        bool quality, bitrate;
    } masks[] = {{0, false, false}, {1, true, false}, {2, false, true}, {0x10, true, true}, {0x80, false, false}};
    for (const auto& m : masks) {
        audio.SetEncoderControl(m.control);
        EXPECT_EQ(m.quality, audio.HasQualityEncoderControl()) << m.control;
        EXPECT_EQ(m.bitrate, audio.HasBitrateEncoderControl()) << m.control;
    }
}

TEST(TrackOutput, QualityAboveAHundredIsHeldThere)
{
    CAudioOutput2 audio;
    NoticeLog log(audio);
    EXPECT_TRUE(audio.SetQuality(150));
    EXPECT_EQ(100, audio.GetQuality());
    EXPECT_FALSE(audio.SetQuality(200));
    EXPECT_EQ((Codes{"tkot"}), log.codes);
}

TEST(TrackOutput, EveryPropertyHasItsCode)
{
    CAudioOutput2 audio;
    NoticeLog log(audio);
    audio.SetRemux(true);
    audio.SetDisplayName("PCM");
    audio.SetEncoderControl(4);
    audio.SetBitrate(128000);
    audio.SetQuality(50);
    audio.SetComplexity(2);
    audio.SetRegulateTimecode(false);
    audio.SetAutoSettings(true);
    audio.SetAudioMode(3);
    EXPECT_EQ((Codes{"tkop", "tkoq", "tkou", "tkos", "tkot", "tkov", "tkow", "aop3", "aop4"}), log.codes);
    EXPECT_TRUE(audio.GetRemux());
    EXPECT_STREQ("PCM", audio.GetDisplayName());
}

TEST(TrackOutput, AudioOutputSurvivesBothStorages)
{
    CAudioOutput2 audio;
    audio.SetRemux(true);
    audio.SetDisplayName("MPEG Layer-3");
    audio.SetEncoderControl(6);
    audio.SetBitrate(192000);
    audio.SetQuality(70);
    audio.SetComplexity(3);
    audio.SetRegulateTimecode(false);
    audio.SetAutoSettings(true);
    audio.SetAudioMode(2);
    audio.GetAudioInfo().SetSampleRate(22050);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(audio) : BinaryCopy(audio);
        EXPECT_TRUE(copy->GetRemux());
        EXPECT_STREQ("MPEG Layer-3", copy->GetDisplayName());
        EXPECT_EQ(6, copy->GetEncoderControl());
        EXPECT_EQ(192000u, copy->GetBitrate());
        EXPECT_EQ(70, copy->GetQuality());
        EXPECT_EQ(3, copy->GetComplexity());
        EXPECT_FALSE(copy->GetRegulateTimecode());
        EXPECT_TRUE(copy->GetAutoSettings());
        EXPECT_EQ(2, copy->GetAudioMode());
        EXPECT_EQ(22050u, copy->GetAudioInfo().GetSampleRate());
        EXPECT_EQ(2, copy->GetAudioInfo().GetChannel());
    }
    std::string xml = XmlText(audio);
    for (const char* element : {"remux", "encoder", "encoder_control", "bitrate", "info", "settings",
                                "audio_mode"})
        EXPECT_TRUE(HasElement(xml, element)) << element;
}

TEST(VideoOutput, Defaults)
{
    CVideoOutput2 video;
    EXPECT_EQ(320000u, video.GetBitrate());
    EXPECT_EQ(320, video.GetVideoInfo().GetWidth());
    EXPECT_EQ(240, video.GetVideoInfo().GetHeight());
    EXPECT_EQ(29.97, video.GetVideoInfo().GetFrameRate());
    EXPECT_TRUE(video.GetKeepSize());
    EXPECT_TRUE(video.GetKeepFrameRate());
    EXPECT_FALSE(video.GetGreyScale());
    EXPECT_EQ(15u, video.GetKeyFrame());
    EXPECT_EQ(4, video.GetLatency());
    EXPECT_EQ(0u, video.GetSettings().GetSize());
}

TEST(VideoOutput, GreyScaleIsNeverRemuxed)
{
    CVideoOutput2 video;
    video.SetRemux(true);
    NoticeLog log(video);
    EXPECT_TRUE(video.SetGreyScale(true));
    EXPECT_FALSE(video.GetRemux());
    EXPECT_EQ((Codes{"vop:", "tkop"}), log.codes);
    EXPECT_FALSE(video.SetRemux(true));
    EXPECT_FALSE(video.GetRemux());
    EXPECT_TRUE(video.SetGreyScale(false));
    EXPECT_FALSE(video.GetRemux());
    EXPECT_TRUE(video.SetRemux(true));
}

TEST(VideoOutput, ANewEncoderDropsTheOldEncodersSettings)
{
    CVideoOutput2 video;
    const unsigned char bytes[] = {1, 2, 3, 4};
    video.SetSettings(bytes, sizeof bytes);
    ASSERT_EQ(4u, video.GetSettings().GetSize());
    NoticeLog log(video);
    EXPECT_TRUE(video.SetDisplayName("XviD MPEG-4 Codec"));
    EXPECT_EQ(0u, video.GetSettings().GetSize());
    EXPECT_EQ((Codes{"tkoq", "vop7"}), log.codes);

    // Setting bytes always announces, even when they are the same.
    log.codes.clear();
    video.SetSettings(nullptr, 0);
    video.SetSettings(bytes, 0);
    EXPECT_EQ(0u, video.GetSettings().GetSize());
    CHandle handle;
    handle.Append(bytes, 3);
    video.SetSettings(handle);
    EXPECT_EQ(3u, video.GetSettings().GetSize());
    EXPECT_EQ((Codes{"vop7", "vop7", "vop7"}), log.codes);

    CAudioOutput2 audio;
    NoticeLog audioLog(audio);
    audio.SetDisplayName("PCM");
    EXPECT_EQ((Codes{"tkoq"}), audioLog.codes);
}

TEST(VideoOutput, EveryPropertyHasItsCode)
{
    CVideoOutput2 video;
    NoticeLog log(video);
    video.SetKeepSize(false);
    video.SetKeepFrameRate(false);
    video.SetGreyScale(true);
    video.SetVideoMode(2);
    video.SetKeyFrame(30);
    video.SetLatency(8);
    EXPECT_EQ((Codes{"vop3", "vop4", "vop:", "vop8", "vop6", "vop9"}), log.codes);
}

TEST(VideoOutput, SurvivesBothStoragesAndRenamesOldEncoders)
{
    CVideoOutput2 video;
    video.SetDisplayName("MPEG-4 Video ISMA Profile 1");
    const unsigned char bytes[] = {9, 0, 7};
    video.SetSettings(bytes, sizeof bytes);
    video.SetKeepSize(false);
    video.SetGreyScale(true);
    video.SetVideoMode(5);
    video.SetKeyFrame(250);
    video.SetLatency(2);
    video.GetVideoInfo().SetWidth(640);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(video) : BinaryCopy(video);
        EXPECT_STREQ("MPEG-4 Video Improved", copy->GetDisplayName());
        ASSERT_EQ(3u, copy->GetSettings().GetSize());
        EXPECT_EQ(0, std::memcmp(bytes, copy->GetSettings().GetBuffer(), 3));
        EXPECT_FALSE(copy->GetKeepSize());
        EXPECT_TRUE(copy->GetKeepFrameRate());
        EXPECT_TRUE(copy->GetGreyScale());
        EXPECT_EQ(5, copy->GetVideoMode());
        EXPECT_EQ(250u, copy->GetKeyFrame());
        EXPECT_EQ(2, copy->GetLatency());
        EXPECT_EQ(640, copy->GetVideoInfo().GetWidth());
    }
    video.SetDisplayName("MPEG-4 Video ISMA Profile 0");
    EXPECT_STREQ("MPEG-4 Video Basic", BinaryCopy(video)->GetDisplayName());
    video.SetDisplayName("MPEG-4 Video ISMA Profile 2");
    EXPECT_STREQ("MPEG-4 Video ISMA Profile 2", BinaryCopy(video)->GetDisplayName());
}

TEST(VideoOutput, ShortCutPresetsDiscSizes)
{
    const struct {
        EDiscType disc;
        ETvType tv;
        int size;
        unsigned short width, height;
        double rate;
    } cases[] = {
        {1, 2, 0, 352, 288, 25},    {1, 1, 0, 352, 240, 29.97}, {1, 1, 1, 352, 480, 29.97}, {1, 2, 2, 704, 576, 25},
        {1, 0, 3, 720, 576, 25},    {1, 1, 9, 320, 240, 29.97}, {2, 1, 5, 480, 480, 29.97}, {2, 2, 0, 480, 576, 25},
        {3, 1, 2, 352, 240, 29.97}, {3, 2, 2, 352, 288, 25},    {4, 1, 0, 720, 480, 29.97}, {7, 2, 0, 320, 240, 25},
    };
    for (const auto& c : cases) {
        CVideoOutput2 video;
        video.SetRegulateTimecode(false);
        video.ShortCut(c.disc, c.tv, c.size);
        EXPECT_EQ(c.width, video.GetVideoInfo().GetWidth()) << c.disc << " " << c.tv << " " << c.size;
        EXPECT_EQ(c.height, video.GetVideoInfo().GetHeight()) << c.disc << " " << c.tv << " " << c.size;
        EXPECT_EQ(c.rate, video.GetVideoInfo().GetFrameRate()) << c.disc << " " << c.tv << " " << c.size;
        EXPECT_FALSE(video.GetKeepSize());
        EXPECT_FALSE(video.GetKeepFrameRate());
        EXPECT_TRUE(video.GetRegulateTimecode());
    }
}

TEST(ImageOutput, QualityAboveAHundredIsRefused)
{
    CImageOutput image;
    EXPECT_EQ(1002, image.GetType());
    EXPECT_EQ(50, image.GetQuality());
    NoticeLog log(image);
    EXPECT_FALSE(image.SetQuality(150));
    EXPECT_EQ(50, image.GetQuality());
    EXPECT_TRUE(image.SetQuality(100));
    EXPECT_TRUE(image.SetType(1003));
    EXPECT_EQ((Codes{"imoy", "imov"}), log.codes);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(image) : BinaryCopy(image);
        EXPECT_EQ(1003, copy->GetType());
        EXPECT_EQ(100, copy->GetQuality());
    }
}

TEST(ImageOutput, TheOldTypeOneLoadsAsTheDefaultFormat)
{
    CImageOutput image;
    image.SetType(1);
    image.SetQuality(90);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(image) : BinaryCopy(image);
        EXPECT_EQ(1002, copy->GetType());
        EXPECT_EQ(50, copy->GetQuality());
    }
}

TEST(ProfileOutputs, WindowsMediaAndRealMedia)
{
    CWmOutput2 wm;
    EXPECT_EQ(8, wm.GetVersion());
    NoticeLog wmLog(wm);
    wm.SetVersion(9);
    wm.SetProfile("Voice 16 kbps");
    EXPECT_EQ((Codes{"wmcd", "wmce"}), wmLog.codes);
    CRealOutput real;
    NoticeLog realLog(real);
    EXPECT_TRUE(real.SetProfile("56k VBR"));
    EXPECT_FALSE(real.SetProfile("56k VBR"));
    EXPECT_EQ((Codes{"rlop"}), realLog.codes);
    for (int xml = 0; xml < 2; ++xml) {
        auto w = xml ? XmlCopy(wm) : BinaryCopy(wm);
        EXPECT_EQ(9, w->GetVersion());
        EXPECT_STREQ("Voice 16 kbps", w->GetProfile());
        EXPECT_STREQ("56k VBR", (xml ? XmlCopy(real) : BinaryCopy(real))->GetProfile());
    }
}

TEST(SnapshotOutput, RefusesTinySizesAndClampsThePosition)
{
    CSnapshotOutput snap;
    EXPECT_EQ(0.05, snap.GetCapturePosition());
    EXPECT_EQ(1002, snap.GetImageType());
    NoticeLog log(snap);
    EXPECT_FALSE(snap.SetWidth(79));
    EXPECT_FALSE(snap.SetHeight(59));
    EXPECT_EQ(320, snap.GetWidth());
    EXPECT_EQ(240, snap.GetHeight());
    EXPECT_TRUE(snap.SetCapturePosition(-0.5));
    EXPECT_EQ(0, snap.GetCapturePosition());
    EXPECT_TRUE(snap.SetCapturePosition(2));
    EXPECT_EQ(1, snap.GetCapturePosition());
    EXPECT_TRUE(snap.SetWidth(80));
    EXPECT_TRUE(snap.SetHeight(60));
    snap.SetFrameCapture(2);
    snap.SetImageType(1001);
    snap.SetResize(true);
    EXPECT_EQ((Codes{"snar", "snar", "snat", "snau", "snap", "snaq", "snas"}), log.codes);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(snap) : BinaryCopy(snap);
        EXPECT_EQ(2, copy->GetFrameCapture());
        EXPECT_EQ(1001, copy->GetImageType());
        EXPECT_EQ(1, copy->GetCapturePosition());
        EXPECT_TRUE(copy->GetResize());
        EXPECT_EQ(80, copy->GetWidth());
        EXPECT_EQ(60, copy->GetHeight());
    }
}

TEST(MediaRegistration, StoredCodesCreateTheirClasses)
{
    const struct {
        const char* code;
        const char* check;
    } cases[] = {{"vop2", "tkop"}, {"aop2", "tkop"}, {"out2", "out2"}, {"vif2", "iinf"}, {"snap", "snap"},
                 {"aspr", "aspr"}, {"wmcd", "wmcd"}, {"rlop", "rlop"}, {"imou", "imou"}, {"vitr", "vitr"}};
    for (const auto& c : cases) {
        CPersistObject* made = CMetaClassController::CreateOne(Code(c.code));
        ASSERT_NE(nullptr, made) << c.code;
        EXPECT_EQ(Code(c.code), made->GetObjectType()) << c.code;
        EXPECT_TRUE(made->IsInstanceOf(Code(c.check))) << c.code;
        delete made;
    }
    CPersistObject* video = CMetaClassController::CreateOne(Code("vop2"));
    EXPECT_NE(nullptr, dynamic_cast<CVideoOutput2*>(video));
    delete video;
}
