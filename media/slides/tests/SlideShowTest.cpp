#include "CEnumMap.h"
#include "CEnumPair.h"
#include "CSlideInfo2.h"
#include "CSlideShow2.h"
#include "MediaTestSupport.h"

namespace {

CSlideInfo2* Slide(const char* path, double seconds)
{
    auto* slide = new CSlideInfo2;
    slide->GetFilePath().SetFilePath(path);
    slide->SetDuration(seconds);
    return slide;
}

}

TEST(SlideShow, AutoDurationNeedsASoundTrack)
{
    CSlideShow2 show;
    EXPECT_EQ(1, show.GetDurationType());
    EXPECT_EQ(3, show.GetSlideDuration());
    NoticeLog log(show);
    EXPECT_FALSE(show.SetDurationType(0));
    EXPECT_FALSE(show.SetDurationType(2));
    EXPECT_EQ(1, show.GetDurationType());
    show.GetAudioFile().GetFilePath().SetFilePath("/music/song.mp3");
    EXPECT_TRUE(show.SetDurationType(0));
    EXPECT_EQ((Codes{"slsh"}), log.codes);
    CEnumMap map;
    ASSERT_TRUE(show.GetEnumText("duration option", map));
    EXPECT_STREQ("Auto", map.Find(0L)->GetText());
    EXPECT_STREQ("Specify Each", map.Find(2L)->GetText());
}

TEST(SlideShow, ANewSlideDurationReachesEverySlide)
{
    CSlideShow2 show;
    show.AddSlide(Slide("/p/1.jpg", 2));
    show.AddSlide(Slide("/p/2.jpg", 5));
    NoticeLog showLog(show);
    NoticeLog first(*show.GetSlide(0));
    NoticeLog second(*show.GetSlide(1));
    EXPECT_FALSE(show.SetSlideDuration(0.02));
    EXPECT_EQ(3, show.GetSlideDuration());
    EXPECT_TRUE(show.SetSlideDuration(5));
    EXPECT_EQ(5, show.GetSlide(0)->GetDuration());
    EXPECT_EQ(5, show.GetSlide(1)->GetDuration());
    EXPECT_EQ((Codes{"slsi"}), showLog.codes);
    EXPECT_EQ((Codes{"slig"}), first.codes);
    EXPECT_TRUE(second.codes.empty());
}

TEST(SlideShow, InsertedSlidesTakeTheShowsDuration)
{
    CSlideShow2 show;
    show.SetSlideDuration(5);
    show.AddSlide(Slide("/p/1.jpg", 2));
    CSlideInfo2* first = Slide("/p/0.jpg", 9);
    show.AddSlideAt(first, 0);
    EXPECT_EQ(0, show.GetSlideIndex(first));
    EXPECT_EQ(5, first->GetDuration());
    EXPECT_EQ(2, show.GetSlide(1)->GetDuration());
    CSlideInfo2* last = Slide("/p/9.jpg", 1);
    show.AddSlideAt(last, 17);
    EXPECT_EQ(2, show.GetSlideIndex(last));
    CSlideInfo2* appended = Slide("/p/a.jpg", 1);
    show.AddSlideAt(appended, -1);
    EXPECT_EQ(3, show.GetSlideIndex(appended));
    show.AddSlideAt(nullptr, 0);
    EXPECT_EQ(4, show.GetSlideCount());
    show.RemoveSlide(appended);
    EXPECT_EQ(3, show.GetSlideCount());
    EXPECT_EQ(nullptr, show.GetSlide(3));
}

TEST(SlideShow, SurvivesBothStorages)
{
    CSlideShow2 show;
    CSlideInfo2* slide = Slide("/p/1.jpg", 4.5);
    slide->GetImageInfo().SetWidth(1024);
    slide->GetImageInfo().SetHeight(768);
    slide->GetAspectRatio().SetOriginal(4.0 / 3.0);
    show.AddSlide(slide);
    show.AddSlide(Slide("/p/2.png", 1));
    show.GetAudioFile().GetFilePath().SetFilePath("/music/song.mp3");
    show.SetDurationType(2);
    show.SetSlideDuration(7);
    // Only slides come back from a file that holds something else in the list.
    show.GetSlides().Add(new CImageFile2);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(show) : BinaryCopy(show);
        EXPECT_EQ(2, copy->GetDurationType());
        EXPECT_EQ(7, copy->GetSlideDuration());
        ASSERT_EQ(2, copy->GetSlideCount());
        EXPECT_STREQ("/p/1.jpg", copy->GetSlide(0)->GetFilePath().GetFilePath());
        EXPECT_EQ(1024, copy->GetSlide(0)->GetImageInfo().GetWidth());
        EXPECT_EQ(768, copy->GetSlide(0)->GetImageInfo().GetHeight());
        EXPECT_EQ(4.0 / 3.0, copy->GetSlide(0)->GetAspectRatio().GetOriginal());
        EXPECT_EQ(7, copy->GetSlide(1)->GetDuration());
        EXPECT_STREQ("/music/song.mp3", copy->GetAudioFile().GetFilePath().GetFilePath());
    }
    std::string xml = XmlText(show);
    for (const char* element : {"duration_option", "duration", "slides", "audio_file", "aspect_ratio", "info", "path"})
        EXPECT_TRUE(HasElement(xml, element)) << element;
}
