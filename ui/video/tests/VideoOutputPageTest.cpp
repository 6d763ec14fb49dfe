#include "CCaptureVideoOutput2Panel.h"
#include "CMediaOutput2.h"
#include "CRealVideoOutputPanel.h"
#include "CTvCodecOption.h"
#include "CVideoModePanel.h"
#include "CVideoOutput2Panel.h"
#include "CVideoQualityPanel.h"
#include "OutputPageSupport.h"
#include "VideoPageSupport.h"

namespace {

using P = CVideoOutput2Panel;
using C = CVideoOutput2Controller;

class VideoOutputPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        // Free sizes by 16-pixel blocks, quality and bitrate modes.
        video.Add("MPEG-4 Video", {100, 600}, 2 | 16, 16, {{320, 240}, {640, 480}});
        // Fixed sizes only, quality alone.
        video.Add("Motion JPEG", {100}, 1, 0, {{320, 240}, {640, 480}, {720, 576}});
    }
    CMediaOutput2& Avi()
    {
        output.SetSplitterType(100);
        CVideoInfo2& info = output.GetVideoOutput().GetVideoInfo();
        info.SetWidth(330);
        info.SetHeight(250);
        info.SetFrameRate(29.97);
        return output;
    }

    ScopedEngineTables tables;
    ScopedVideoCodecs video;
    PageHost host;
    PageView view;
    CMediaOutput2 output;
};

TEST(VideoOutputTextsTest, FrameRatesAndSizesReadBackAsTheyShow)
{
    struct Case {
        double rate;
        const char* text;
    };
    const Case rates[] = {{23.976, "23.976 fps"}, {24, "24 fps - Film"}, {25, "25 fps - PAL"},
                          {29.97, "29.97 fps - NTSC"}, {30, "30 fps"}, {59.94, "59.94 fps"},
                          {60, "60 fps"}, {1, "1.00"}, {50, "50.00"}, {12.5, "12.50"}};
    for (const Case& c : rates) {
        EXPECT_EQ(CString(c.text), C::GetFrameRateText(c.rate)) << c.rate;
        EXPECT_DOUBLE_EQ(c.rate, C::GetFrameRate(c.text)) << c.text;
    }
    EXPECT_EQ(0, C::GetFrameRate("fast"));
    int width = 1;
    int height = 1;
    EXPECT_TRUE(C::GetFixedSize("720 x 576", width, height));
    EXPECT_EQ(720, width);
    EXPECT_EQ(576, height);
    EXPECT_FALSE(C::GetFixedSize("720 by 576", width, height));
    EXPECT_EQ(CString("352 x 288"), C::GetFixedSizeText(352, 288));
}

TEST_F(VideoOutputPageTest, AnAviOutputGetsTheFirstCompressorAndItsNearestSize)
{
    P page(1, nullptr);
    OpenPage(page, host, &Avi(), view);
    CVideoOutput2& out = output.GetVideoOutput();
    EXPECT_EQ(CString("MPEG-4 Video"), out.GetDisplayName()) << "no \"Video 1\": the type's first compressor";
    EXPECT_EQ((std::vector<std::string>{"MPEG-4 Video", "Motion JPEG"}), view.Items(P::kCodec));
    EXPECT_EQ(320, out.GetVideoInfo().GetWidth());
    EXPECT_EQ(240, out.GetVideoInfo().GetHeight());
    EXPECT_EQ(2, out.GetEncoderControl()) << "the lowest mode the compressor supports";
    // A new output keeps the input's size and rate: the fields stay hidden.
    EXPECT_TRUE(view.Checked(P::kSameSize));
    EXPECT_FALSE(view.Shown(P::kWidth));
    EXPECT_FALSE(view.Shown(P::kSizeCombo));
    EXPECT_FALSE(view.Shown(P::kFrameRate));
    EXPECT_STREQ("MPEG-4 Video, Original size, Original frame rate", page.GetController()->GetText());

    view.Click(P::kSpecifySize);
    EXPECT_FALSE(out.GetKeepSize());
    EXPECT_TRUE(view.Shown(P::kWidth));
    EXPECT_TRUE(view.Shown(P::kXLabel));
    EXPECT_TRUE(view.Shown(P::kHeight));
    EXPECT_FALSE(view.Shown(P::kSizeCombo));
    view.TypeAndCommit(P::kWidth, "352");
    view.TypeAndCommit(P::kHeight, "288");
    EXPECT_EQ(352, out.GetVideoInfo().GetWidth());
    EXPECT_EQ(288, out.GetVideoInfo().GetHeight());

    view.Click(P::kSpecifyRate);
    EXPECT_TRUE(view.Shown(P::kFrameRate));
    EXPECT_EQ(16u, view.Items(P::kFrameRate).size()) << "the built-in rates for a type that lists none";
    EXPECT_EQ("29.97 fps - NTSC", view.Selected(P::kFrameRate));
    view.Pick(P::kFrameRate, "25 fps - PAL");
    EXPECT_EQ(25.0, out.GetVideoInfo().GetFrameRate());
    view.TypeIntoComboAndCommit(P::kFrameRate, "12.5");
    EXPECT_EQ(12.5, out.GetVideoInfo().GetFrameRate());
    EXPECT_EQ("12.50", view.WindowText(P::kFrameRate));
    EXPECT_STREQ("MPEG-4 Video, 352 x 288, 12.50", page.GetController()->GetText());
}

TEST_F(VideoOutputPageTest, AFixedSizeCompressorShowsItsSizeListInsteadOfFields)
{
    P page(1, nullptr);
    OpenPage(page, host, &Avi(), view);
    CVideoOutput2& out = output.GetVideoOutput();
    view.Click(P::kSpecifySize);
    view.Pick(P::kCodec, "Motion JPEG");
    EXPECT_EQ(CString("Motion JPEG"), out.GetDisplayName());
    EXPECT_FALSE(view.Shown(P::kWidth));
    EXPECT_TRUE(view.Shown(P::kSizeCombo));
    EXPECT_FALSE(view.Enabled(P::kSameSize)) << "a fixed-size compressor cannot keep the input's size";
    EXPECT_EQ((std::vector<std::string>{"320 x 240", "640 x 480", "720 x 576"}), view.Items(P::kSizeCombo));
    view.Pick(P::kSizeCombo, "720 x 576");
    EXPECT_EQ(720, out.GetVideoInfo().GetWidth());
    EXPECT_EQ(576, out.GetVideoInfo().GetHeight());
    EXPECT_EQ(1, out.GetEncoderControl()) << "the mode moves to one the compressor supports";

    // A size text without "x" changes nothing.
    ::SendMessageA(view.Item(P::kSizeCombo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("huge"));
    view.Pick(P::kSizeCombo, "huge");
    EXPECT_EQ(720, out.GetVideoInfo().GetWidth());
}

TEST_F(VideoOutputPageTest, ATvStandardFixesSizeRateAndTimecode)
{
    CFormatType* avi = tables.types.FindFileType(100);
    CTvCodecOption* pal = avi->Add(2);
    pal->AddVideoSetting(720, 576);
    pal->AddVideoSetting(352, 288);
    Avi().SetTvType(2);
    P page(1, nullptr);
    OpenPage(page, host, &output, view);
    CVideoOutput2& out = output.GetVideoOutput();

    EXPECT_FALSE(out.GetKeepSize());
    EXPECT_FALSE(out.GetKeepFrameRate());
    EXPECT_TRUE(out.GetRegulateTimecode());
    EXPECT_FALSE(view.Enabled(P::kSameSize));
    EXPECT_FALSE(view.Enabled(P::kSameRate));
    EXPECT_FALSE(view.Enabled(P::kRegulateTimecode));
    EXPECT_EQ((std::vector<std::string>{"352 x 288", "720 x 576"}), view.Items(P::kSizeCombo));
    EXPECT_TRUE(view.Shown(P::kSizeCombo)) << "a TV standard's sizes are a list whatever the compressor";
    EXPECT_EQ((std::vector<std::string>{"25 fps - PAL"}), view.Items(P::kFrameRate));
    EXPECT_EQ(25.0, out.GetVideoInfo().GetFrameRate());
    EXPECT_EQ(720, out.GetVideoInfo().GetWidth()) << "the option's last size when none matches";
}

TEST_F(VideoOutputPageTest, TheTypesOwnRatesAreOfferedAndPickedRatesFitThem)
{
    CFormatType* avi = tables.types.FindFileType(100);
    avi->AddFrameRate(15);
    avi->AddFrameRate(30);
    avi->SetMinimumFrameRate(10);
    P page(1, nullptr);
    OpenPage(page, host, &Avi(), view);
    view.Click(P::kSpecifyRate);
    EXPECT_EQ((std::vector<std::string>{"15.00", "30 fps"}), view.Items(P::kFrameRate));
    view.TypeIntoComboAndCommit(P::kFrameRate, "5");
    EXPECT_EQ(5.0, output.GetVideoOutput().GetVideoInfo().GetFrameRate()) << "a typed rate is not fitted";
    view.Pick(P::kFrameRate, "15.00");
    EXPECT_EQ(15.0, output.GetVideoOutput().GetVideoInfo().GetFrameRate());
}

TEST_F(VideoOutputPageTest, TheCompressorsModesEnableExactlyOneModePage)
{
    std::unique_ptr<CPanel> pages[4];
    for (auto& page : pages) page = std::make_unique<CVideoQualityPanel>(1, nullptr);
    P page(1, nullptr);
    page.SetPanels(pages[0].get(), pages[1].get(), pages[2].get(), pages[3].get());
    OpenPage(page, host, &Avi(), view);
    auto enabled = [&] {
        std::vector<bool> states;
        for (auto& p : pages) states.push_back(p->IsEnabled());
        return states;
    };
    EXPECT_EQ((std::vector<bool>{false, false, false, true}), enabled()) << "2 and 16 together: the mode page";
    view.Pick(P::kCodec, "Motion JPEG");
    EXPECT_EQ((std::vector<bool>{true, false, false, false}), enabled());
    video.codecs.Find("Motion JPEG", "Motion JPEG")->SetEncoderControl(8);
    page.GetVideoController().ReflectBitrateType();
    EXPECT_EQ((std::vector<bool>{false, true, false, false}), enabled());
    page.OnEnable(false);
    EXPECT_EQ((std::vector<bool>{false, false, false, false}), enabled());
}

TEST_F(VideoOutputPageTest, VariantPagesCarryTheirOwnControls)
{
    CCaptureVideoOutput2Panel capture(1, nullptr);
    OpenPage(capture, host, &Avi(), view);
    EXPECT_NE(nullptr, view.Item(P::kCodec));
    EXPECT_EQ(nullptr, view.Item(P::kWidth));
    EXPECT_EQ(nullptr, view.Item(P::kFrameRate));

    CMediaOutput2 real;
    real.SetSplitterType(100);
    CRealVideoOutputPanel realPage(1, nullptr);
    OpenPage(realPage, host, &real, view);
    EXPECT_EQ(nullptr, view.Item(P::kCodec));
    EXPECT_NE(nullptr, view.Item(P::kSameSize));
    view.Click(P::kSpecifyRate);
    EXPECT_FALSE(real.GetVideoOutput().GetKeepFrameRate());
}

} // namespace
