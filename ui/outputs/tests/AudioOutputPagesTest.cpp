#include "CAudioOutput2Panel.h"
#include "CAudioOutputTypePanel.h"
#include "CAdvAudioOutputPanel.h"
#include "CAudioComplexityPanel.h"
#include "CCaptureAudioOutput2Panel.h"
#include "CRealAudioOutputPanel.h"
#include "CDirectShowSystem2.h"
#include "CMediaOutput2.h"
#include "OutputPageSupport.h"
#include "StApplicationId.h"
#include "UAudioTexts.h"
#include "win32/controls/CtlTrackbar.h"
#include "win32/controls/CtlUser.h"
#include "win32/dialogs/MessageBox.h"

#include <algorithm>
#include <memory>

namespace {

class AudioOutputPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        tables.AddUsualCodecs();
        MvTakeShownMessageBoxes();
    }

    ScopedEngineTables tables;
    PageHost host;
    PageView view;
};

using P = CAudioOutput2Panel;

TEST_F(AudioOutputPagesTest, AnMp3OutputGetsTheLibraryEncoderAndTheNearestValuesOfItsTree)
{
    CMediaOutput2 output;
    output.SetSplitterType(350);
    CAudioInfo2& info = output.GetAudioOutput().GetAudioInfo();
    info.SetSampleRate(44000);
    info.SetChannel(3);
    info.SetBitsPerSample(8);
    output.GetAudioOutput().SetBitrate(100000);
    CAudioOutput2Panel page(1, nullptr);
    OpenPage(page, host, &output, view);

    EXPECT_EQ(CString("Lame_enc.dll"), output.GetAudioOutput().GetDisplayName());
    EXPECT_EQ(44100u, info.GetSampleRate());
    EXPECT_EQ(2, info.GetChannel());
    EXPECT_EQ(16, info.GetBitsPerSample());
    EXPECT_EQ(96000u, output.GetAudioOutput().GetBitrate());
    EXPECT_EQ((std::vector<std::string>{"Lame_enc.dll"}), view.Items(P::kCodec)) << "the inactive codec is not offered";
    EXPECT_EQ((std::vector<std::string>{"22.05 khz - Medium", "44.1 khz - CD Quality", "48 khz - DVD Quality"}),
              view.Items(P::kSampleRate));
    EXPECT_EQ("44.1 khz - CD Quality", view.Selected(P::kSampleRate));
    EXPECT_EQ("Stereo", view.Selected(P::kChannel));
    EXPECT_EQ("16 bits - Normal", view.Selected(P::kBits));
    EXPECT_EQ((std::vector<std::string>{"64.0 kb/sec", "96.0 kb/sec", "128.0 kb/sec", "192.0 kb/sec"}),
              view.Items(P::kBitrate));
    EXPECT_EQ("96.0 kb/sec", view.Selected(P::kBitrate));
    EXPECT_FALSE(view.Shown(P::kDisable));
    EXPECT_STREQ("Lame_enc.dll, 44.1 khz - CD Quality Stereo", page.GetController()->GetText());
}

TEST_F(AudioOutputPagesTest, PickedValuesReachTheRecordAndCascadeDownTheTree)
{
    CMediaOutput2 output;
    output.SetSplitterType(500);
    CAudioInfo2& info = output.GetAudioOutput().GetAudioInfo();
    info.SetSampleRate(44100);
    info.SetChannel(2);
    info.SetBitsPerSample(16);
    CAudioOutput2Panel page(1, nullptr);
    OpenPage(page, host, &output, view);
    ASSERT_EQ(CString("PCM"), output.GetAudioOutput().GetDisplayName());
    EXPECT_EQ(1411200u, output.GetAudioOutput().GetBitrate());

    view.Pick(P::kSampleRate, "8 khz - Poor");
    EXPECT_EQ(8000u, info.GetSampleRate());
    EXPECT_EQ(256000u, output.GetAudioOutput().GetBitrate()) << "the bitrate follows the new branch";
    EXPECT_EQ("256.0 kb/sec", view.Selected(P::kBitrate));
    view.Pick(P::kChannel, "Mono");
    EXPECT_EQ(1, info.GetChannel());
    EXPECT_EQ(128000u, output.GetAudioOutput().GetBitrate());
    view.Pick(P::kBits, "8 bits - Low");
    EXPECT_EQ(8, info.GetBitsPerSample());
    EXPECT_EQ(64000u, output.GetAudioOutput().GetBitrate());
    EXPECT_STREQ("PCM, 8 khz - Poor Mono", page.GetController()->GetText());

    // A change made elsewhere shows on the page.
    info.SetSampleRate(22050);
    EXPECT_EQ("22.05 khz - Medium", view.Selected(P::kSampleRate));
    EXPECT_EQ("Mono", view.Selected(P::kChannel));
}

TEST_F(AudioOutputPagesTest, AutomaticSettingsShowOnlyTheQuality)
{
    CMediaOutput2 output;
    output.SetSplitterType(350);
    CAudioOutput2Panel page(1, nullptr);
    OpenPage(page, host, &output, view);
    const int manual[] = {P::kSampleRateLabel, P::kSampleRate, P::kChannelLabel, P::kChannel, P::kBits, P::kBitrate};
    const int automatic[] = {P::kQualityLabel, P::kQuality, P::kQualityValue};
    for (int id : manual) EXPECT_TRUE(view.Shown(id)) << id;
    for (int id : automatic) EXPECT_FALSE(view.Shown(id)) << id;
    EXPECT_TRUE(view.Checked(P::kSpecify));

    view.Click(P::kAutomatic);
    EXPECT_TRUE(output.GetAudioOutput().GetAutoSettings());
    for (int id : manual) EXPECT_FALSE(view.Shown(id)) << id;
    for (int id : automatic) EXPECT_TRUE(view.Shown(id)) << id;
    EXPECT_STREQ("Lame_enc.dll, Auto", page.GetController()->GetText());
    EXPECT_EQ("95", view.WindowText(P::kQualityValue));

    CtlTrackbar* slider = CtlModelAs<CtlTrackbar>(view.Item(P::kQuality));
    CtlUserDrag(slider->Window(), slider->PointOf(slider->Pos()), slider->PointOf(40));
    MvPumpUntilIdle();
    EXPECT_NEAR(40, output.GetAudioOutput().GetQuality(), 1);
    EXPECT_EQ(std::to_string(output.GetAudioOutput().GetQuality()), view.WindowText(P::kQualityValue));

    view.Click(P::kSpecify);
    EXPECT_FALSE(output.GetAudioOutput().GetAutoSettings());
    EXPECT_TRUE(view.Shown(P::kSampleRate));
}

TEST_F(AudioOutputPagesTest, NamesTheCatalogueDoesNotOfferStillShow)
{
    CMediaOutput2 output;
    output.SetSplitterType(350);
    CAudioOutput2Panel page(1, nullptr);
    OpenPage(page, host, &output, view);

    // A rate of no listed text shows as its number and reads back as that number.
    output.GetAudioOutput().GetAudioInfo().SetSampleRate(12000);
    EXPECT_EQ(CString("12000"), UAudioTexts::SampleRateText(12000));
    EXPECT_EQ(12000u, UAudioTexts::SampleRate("12000"));
    EXPECT_EQ("<none>", view.Selected(P::kSampleRate));
    // A bitrate that is not listed shows as the list's text.
    output.GetAudioOutput().SetBitrate(100000);
    EXPECT_EQ("100.0 kb/sec", view.WindowText(P::kBitrate));
    // A codec typed in that the catalogue lacks is kept and listed.
    CtlComboBox* codec = CtlModelAs<CtlComboBox>(view.Item(P::kCodec));
    codec->UserType("My Encoder");
    CtlUserKey(view.Item(P::kCodec), VK_RETURN);
    MvPumpUntilIdle();
    EXPECT_EQ(CString("My Encoder"), output.GetAudioOutput().GetDisplayName());
    EXPECT_EQ("My Encoder", view.Selected(P::kCodec));
    EXPECT_EQ((std::vector<std::string>{"Lame_enc.dll", "My Encoder"}), view.Items(P::kCodec));
}

TEST(UAudioTexts, TextsAndValuesBothWays)
{
    EXPECT_EQ(CString("48 khz - DVD Quality"), UAudioTexts::SampleRateText(48000));
    EXPECT_EQ(11025u, UAudioTexts::SampleRate("11.025 khz - Low"));
    EXPECT_EQ(CString("6"), UAudioTexts::ChannelText(6));
    EXPECT_EQ(2, UAudioTexts::Channel("Stereo"));
    EXPECT_EQ(0, UAudioTexts::Bits("Float"));
    EXPECT_EQ(CString("24 bits - Pro"), UAudioTexts::BitsText(24));
    EXPECT_EQ(1, UAudioTexts::Mode("Voice"));
    EXPECT_EQ(0, UAudioTexts::Mode("Speech"));
    EXPECT_EQ(CString(""), UAudioTexts::ModeText(7));
    EXPECT_EQ(2, UAudioTexts::Complexity("High"));
    EXPECT_EQ(0u, UAudioTexts::SampleRate("-5")) << "a rate cannot be negative";
    EXPECT_EQ(0, UAudioTexts::Channel("70000")) << "a count that does not fit is no count";
}

TEST_F(AudioOutputPagesTest, TheComplexityPageEditsModeAndComplexity)
{
    CAudioOutput2 audio;
    CAudioComplexityPanel page(1, nullptr);
    OpenPage(page, host, &audio, view);
    using C = CAudioComplexityPanel;
    EXPECT_EQ((std::vector<std::string>{"Music", "Voice"}), view.Items(C::kMode));
    EXPECT_EQ((std::vector<std::string>{"Low", "Medium", "High"}), view.Items(C::kComplexity));
    EXPECT_EQ("Music", view.Selected(C::kMode));
    EXPECT_EQ("Medium", view.Selected(C::kComplexity));
    view.Pick(C::kMode, "Voice");
    view.Pick(C::kComplexity, "High");
    EXPECT_EQ(1, audio.GetAudioMode());
    EXPECT_EQ(2, audio.GetComplexity());
    EXPECT_STREQ("Voice High", page.GetController()->GetText());
    audio.SetComplexity(0);
    EXPECT_EQ("Low", view.Selected(C::kComplexity));
}

class AudioOutputTypePageTest : public AudioOutputPagesTest {
protected:
    void SetUp() override
    {
        AudioOutputPagesTest::SetUp();
        m_needsVideo = CDirectShowSystem2::sNeedsVideo;
        m_needsAudio = CDirectShowSystem2::sNeedsAudio;
        CDirectShowSystem2::sNeedsVideo = false;
        CDirectShowSystem2::sNeedsAudio = true;
        for (ESplitterType type : {500, 350, 1100, 1200, 100}) tables.SetInstalled(type, true);
        for (ESplitterType type : {200, 250, 1000, 600, 601, 640, 650}) tables.SetInstalled(type, false);
    }
    void TearDown() override
    {
        CDirectShowSystem2::sNeedsVideo = m_needsVideo;
        CDirectShowSystem2::sNeedsAudio = m_needsAudio;
    }
    // Audio names of the rows the application offers, in table order.
    std::vector<std::string> OfferedAudioTypes()
    {
        std::vector<std::string> names;
        for (int i = 0; i < tables.types.GetFileTypeCount(); ++i) {
            CFormatType* row = tables.types.GetFileType(i);
            if (CFormatTypes::SupportedByApp(row->GetSplitterType()) && !row->GetAudioTypeName().IsEmpty())
                names.emplace_back(row->GetAudioTypeName().GetString());
        }
        return names;
    }

    StApplicationId m_id{98102};
    bool m_needsVideo = false;
    bool m_needsAudio = false;
};

using T = CAudioOutputTypePanel;

TEST_F(AudioOutputTypePageTest, ListsTheAudioTypesTheApplicationOffersAndDefaultsToWav)
{
    COutputType2 output;
    CAudioOutputTypePanel page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_EQ(500, output.GetSplitterType());
    EXPECT_EQ("WAV - Waveform", view.Selected(T::kTypeList));
    const std::vector<std::string> items = view.Items(T::kTypeList);
    EXPECT_EQ(OfferedAudioTypes(), items);
    for (const char* name : {"MP3 - MPEG Layer-3", "OGG - OGG Audio", "MKA - Matroska Audio", "AVI (Audio Only)",
                             "WMA - Windows Media Audio", "RA - RealAudio"})
        EXPECT_NE(items.end(), std::find(items.begin(), items.end(), name)) << name;
    EXPECT_FALSE(view.Shown(T::kConfigure));
    EXPECT_STREQ("WAV - Waveform", page.GetController()->GetText());
}

TEST_F(AudioOutputTypePageTest, AnInstalledTypeIsTakenAndAMissingOneExplainsItself)
{
    COutputType2 output;
    output.SetSplitterType(500);
    CAudioOutputTypePanel page(1, nullptr);
    OpenPage(page, host, &output, view);

    view.Pick(T::kTypeList, "MP3 - MPEG Layer-3");
    EXPECT_EQ(350, output.GetSplitterType());
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());

    struct Missing {
        const char* name;
        const char* text;
    } missing[] = {
        {"WMA - Windows Media Audio", "Please install Windows Media Format 9 runtime to output to Windows Media files."},
        {"WMA - Windows Media Audio (Profile)",
         "Please install Windows Media Format 9 runtime to output to Windows Media files."},
        {"RA - RealAudio", "Please install the RealMedia producer to output to RealMedia files."},
        {"MOV - QuickTime Audio", "Please install QuickTime to output to QuickTime files."},
    };
    for (const Missing& m : missing) {
        SCOPED_TRACE(m.name);
        view.Pick(T::kTypeList, m.name);
        EXPECT_EQ(350, output.GetSplitterType());
        EXPECT_EQ("MP3 - MPEG Layer-3", view.Selected(T::kTypeList));
        const std::vector<MvMessageBoxRequest> boxes = MvTakeShownMessageBoxes();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ(m.text, boxes[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL), boxes[0].type & MB_TYPEMASK);
    }

    // A missing type without its own advice is refused without a word.
    tables.SetInstalled(100, false);
    view.Pick(T::kTypeList, "AVI (Audio Only)");
    EXPECT_EQ(350, output.GetSplitterType());
    EXPECT_EQ("MP3 - MPEG Layer-3", view.Selected(T::kTypeList));
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
}

TEST_F(AudioOutputTypePageTest, TheChosenTypeSwitchesTheDependentPages)
{
    COutputType2 output;
    output.SetSplitterType(500);
    CAudioOutputTypePanel page(1, nullptr);
    CAudioComplexityPanel wm(1, nullptr), real(1, nullptr), audio(1, nullptr), complexity(1, nullptr);
    page.SetPanels(&wm, &real, &audio, nullptr, &complexity);
    OpenPage(page, host, &output);
    struct Case {
        ESplitterType type;
        bool wm, real, audio, complexity;
    } cases[] = {{500, false, false, true, false},
                 {250, true, false, false, false},
                 {1000, false, true, true, true},
                 {350, false, false, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        output.SetSplitterType(c.type);
        EXPECT_EQ(c.wm, wm.IsEnabled());
        EXPECT_EQ(c.real, real.IsEnabled());
        EXPECT_EQ(c.audio, audio.IsEnabled());
        EXPECT_EQ(c.complexity, complexity.IsEnabled());
    }
    // A type without a row leaves the list without selection and the pages as they were.
    output.SetSplitterType(4242);
    EXPECT_EQ("<none>", PageView(page.m_hWnd).Selected(T::kTypeList));
    EXPECT_TRUE(audio.IsEnabled());
}

} // namespace

namespace {

TEST_F(AudioOutputPagesTest, ATvStandardTypeSwitchesAutomaticOffAndSnapsToItsRates)
{
    tables.AddCodec("DV Audio", {900}, {32000, 44100, 48000}, {2}, {16});
    CMediaOutput2 output;
    output.SetSplitterType(500);
    output.GetAudioOutput().SetAutoSettings(true);
    output.GetAudioOutput().GetAudioInfo().SetSampleRate(22050);
    CAudioOutput2Panel page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_TRUE(view.Enabled(P::kAutomatic));

    output.SetTvType(2);
    output.SetSplitterType(900);
    EXPECT_FALSE(output.GetAudioOutput().GetAutoSettings());
    EXPECT_EQ(48000u, output.GetAudioOutput().GetAudioInfo().GetSampleRate()) << "no equal rate: the last one";
    EXPECT_EQ((std::vector<std::string>{"32 khz", "44.1 khz - CD Quality", "48 khz - DVD Quality"}),
              view.Items(P::kSampleRate));
    EXPECT_FALSE(view.Enabled(P::kAutomatic)) << "a TV standard fixes the settings";

    output.GetAudioOutput().GetAudioInfo().SetSampleRate(44100);
    output.SetTvType(1);
    EXPECT_EQ(44100u, output.GetAudioOutput().GetAudioInfo().GetSampleRate()) << "an equal rate is kept";
}

} // namespace

namespace {

TEST_F(AudioOutputPagesTest, RemuxIsOfferedOnlyWhereTheStreamCanBeKept)
{
    CMediaOutput2 output;
    output.SetSplitterType(500);
    output.GetAudioOutput().SetRemux(true);
    CAdvAudioOutputPanel page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_TRUE(view.Enabled(CAdvAudioOutputPanel::kRemux));
    EXPECT_TRUE(view.Checked(CAdvAudioOutputPanel::kRemux));
    view.Click(CAdvAudioOutputPanel::kRemux);
    EXPECT_FALSE(output.GetAudioOutput().GetRemux());
    view.Click(CAdvAudioOutputPanel::kRemux);
    EXPECT_TRUE(output.GetAudioOutput().GetRemux());

    struct Case {
        ESplitterType type;
        ETvType tv;
        bool offered;
    } cases[] = {{350, 0, true}, {200, 0, false}, {900, 2, false}, {1200, 0, true}, {1600, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        output.GetAudioOutput().SetRemux(true);
        output.SetTvType(c.tv);
        output.SetSplitterType(c.type);
        EXPECT_EQ(c.offered, view.Enabled(CAdvAudioOutputPanel::kRemux));
        EXPECT_EQ(c.offered, output.GetAudioOutput().GetRemux()) << "remux is forced off where not offered";
    }
}

} // namespace

namespace {

TEST_F(AudioOutputPagesTest, TheRealMediaAudioPageEditsTheTracksValuesModeAndComplexity)
{
    CMediaOutput2 output;
    output.SetSplitterType(1000);
    output.GetAudioOutput().GetAudioInfo().SetSampleRate(44100);
    output.GetAudioOutput().GetAudioInfo().SetChannel(2);
    CRealAudioOutputPanel page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_EQ(nullptr, view.Item(P::kCodec)) << "the audience chooses the codec";
    EXPECT_EQ("44.1 khz - CD Quality", view.Selected(P::kSampleRate));
    view.Pick(P::kChannel, "Mono");
    EXPECT_EQ(1, output.GetAudioOutput().GetAudioInfo().GetChannel());
    view.Pick(CRealAudioOutputPanel::kMode, "Voice");
    view.Pick(CRealAudioOutputPanel::kComplexity, "Low");
    EXPECT_EQ(1, output.GetAudioOutput().GetAudioMode());
    EXPECT_EQ(0, output.GetAudioOutput().GetComplexity());
    view.Click(P::kAutomatic);
    EXPECT_TRUE(output.GetAudioOutput().GetAutoSettings());
    EXPECT_FALSE(view.Shown(P::kSampleRate));
}

TEST_F(AudioOutputPagesTest, TheRecordingAudioPageHasNoAutomaticSettings)
{
    CMediaOutput2 output;
    output.SetSplitterType(350);
    CCaptureAudioOutput2Panel page(1, nullptr);
    OpenPage(page, host, &output, view);
    for (int id : {P::kAutomatic, P::kSpecify, P::kQuality, P::kRegulateTimecode}) EXPECT_EQ(nullptr, view.Item(id));
    EXPECT_EQ("Lame_enc.dll", view.Selected(P::kCodec));
    EXPECT_TRUE(view.Enabled(P::kBitrate)) << "the defaults found bitrates after the page was filled";
    view.Pick(P::kBitrate, "192.0 kb/sec");
    EXPECT_EQ(192000u, output.GetAudioOutput().GetBitrate());
}

} // namespace

namespace {

TEST(CAudioOutput2Panel, TheEncoderLibraryActivatedLaterIsTakenAtOnce)
{
    ScopedEngineTables tables;
    CAudioCodecInfo* lame =
        tables.AddCodec("Lame_enc.dll", {350, 500}, {44100}, {2}, {16}, {128000}, /*activated*/ false);
    PageHost host;
    ASSERT_TRUE(host.Make());
    PageView view;
    CMediaOutput2 output;
    output.SetSplitterType(350);
    CAudioOutput2Panel page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_EQ(CString(""), output.GetAudioOutput().GetDisplayName()) << "no usable encoder yet";
    EXPECT_TRUE(view.Items(P::kCodec).empty());

    lame->Activate(true);
    EXPECT_EQ(CString("Lame_enc.dll"), output.GetAudioOutput().GetDisplayName());
    EXPECT_EQ((std::vector<std::string>{"Lame_enc.dll"}), view.Items(P::kCodec));
    EXPECT_EQ("Lame_enc.dll", view.Selected(P::kCodec));
    EXPECT_EQ(128000u, output.GetAudioOutput().GetBitrate());
}

} // namespace
