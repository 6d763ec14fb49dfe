// The writer hands its records to the file output set field by field, in the set's order,
// with the codec device names from the catalogues and the wants decided by subclasses.
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CFileOutputFilters2.h"
#include "CMediaWriterAdministrator2.h"
#include "CRepeatPrompter.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "TWriterOutputSetup.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// Stands in for the file output set and writes down each call with its values.
class CRecordingSet {
public:
    std::vector<std::string> calls;
    std::map<std::string, std::string> values;

#define MV_RECORDED(Name) \
    template <class... A> \
    void Name(const A&... a) { Note(#Name, a...); }
    MV_RECORDED(SetSplitterType)
    MV_RECORDED(SetTvType)
    MV_RECORDED(SetLoop)
    MV_RECORDED(SetAudioMode)
    MV_RECORDED(SetAudioComplexity)
    MV_RECORDED(SetAudioCodecName)
    MV_RECORDED(SetAudioRemux)
    MV_RECORDED(SetAudioKeepSettings)
    MV_RECORDED(SetAudioSampleRate)
    MV_RECORDED(SetAudioChannelCount)
    MV_RECORDED(SetAudioBitsPerSample)
    MV_RECORDED(SetAudioQualityMode)
    MV_RECORDED(SetAudioBitrate)
    MV_RECORDED(SetAudioQuality)
    MV_RECORDED(SetAudioRegulateTimecode)
    MV_RECORDED(SetWmVersion)
    MV_RECORDED(SetWmProfile)
    MV_RECORDED(SetRealAudience)
    MV_RECORDED(SetFilePath)
    MV_RECORDED(SetFileAutoNaming)
    MV_RECORDED(SetFileOption)
    MV_RECORDED(SetVideoMode)
    MV_RECORDED(SetVideoComplexity)
    MV_RECORDED(SetVideoCodecName)
    MV_RECORDED(SetVideoRemux)
    MV_RECORDED(SetVideoSettings)
    MV_RECORDED(SetVideoQualityMode)
    MV_RECORDED(SetVideoBitrate)
    MV_RECORDED(SetVideoQuality)
    MV_RECORDED(SetVideoKeyFrame)
    MV_RECORDED(SetVideoLatency)
    MV_RECORDED(SetVideoKeepSize)
    MV_RECORDED(SetVideoWidth)
    MV_RECORDED(SetVideoHeight)
    MV_RECORDED(SetVideoKeepFrameRate)
    MV_RECORDED(SetVideoGreyScale)
    MV_RECORDED(SetVideoFrameRate)
    MV_RECORDED(SetVideoRegulateTimecode)
    MV_RECORDED(SetVideoInputAspectRatio)
    MV_RECORDED(SetVideoOutputAspectRatio)
    MV_RECORDED(SetVideoScaling)
    MV_RECORDED(SetWantsAudio)
    MV_RECORDED(SetWantsVideo)
    MV_RECORDED(SetFilePrompter)
#undef MV_RECORDED

private:
    template <class T>
    static void Put(std::ostringstream& out, const T& value)
    {
        if constexpr (std::is_same_v<T, CString>) out << static_cast<const char*>(value);
        else if constexpr (std::is_same_v<T, CHandle>) out << value.GetSize() << " bytes";
        else if constexpr (std::is_pointer_v<T> && !std::is_same_v<T, const char*>) out << (value ? "set" : "null");
        else if constexpr (std::is_enum_v<T>) out << int(value);
        else if constexpr (std::is_same_v<T, bool>) out << (value ? "true" : "false");
        else if constexpr (std::is_same_v<T, unsigned char>) out << int(value);
        else out << value;
    }
    template <class... A>
    void Note(const char* name, const A&... a)
    {
        std::ostringstream out;
        const char* separator = "";
        ((out << separator, Put(out, a), separator = ","), ...);
        calls.emplace_back(name);
        values[name] = out.str();
    }
};

// A writer whose subclass decides what is wanted, whatever the record says.
class CAudioOnlyWriter : public CMediaWriterAdministrator2 {
public:
    bool WantsVideo() override { return false; }
    bool WantsAudio() override { return true; }
};

class WriterOutputSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!CAudioCodecsInfo::sInfo) m_audioCodecs = std::make_unique<CAudioCodecsInfo>(true);
        if (!CVideoCodecsInfo::sInfo) m_videoCodecs = std::make_unique<CVideoCodecsInfo>(true);
        CAudioCodecsInfo::sInfo->Add("Test MP3 Encoder", "mp3 device")->SetSupported(350, true);
        CVideoCodecsInfo::sInfo->Add("Test Video Encoder", "video device")->SetSupported(350, true);

        CMediaOutput2& output = m_output;
        output.SetSplitterType(350);
        output.SetTvType(2);
        output.SetLoop(true);
        output.SetWantsVideo(true);
        output.SetWantsAudio(true);
        CAudioOutput2& audio = output.GetAudioOutput();
        audio.SetAudioMode(1);
        audio.SetComplexity(2);
        audio.SetDisplayName("Test MP3 Encoder");
        audio.SetRemux(true);
        audio.SetAutoSettings(true);
        audio.GetAudioInfo().SetSampleRate(22050);
        audio.GetAudioInfo().SetChannel(1);
        audio.GetAudioInfo().SetBitsPerSample(8);
        audio.SetEncoderControl(4);
        audio.SetBitrate(96000);
        audio.SetQuality(70);
        audio.SetRegulateTimecode(false);
        output.GetWmOutput().SetVersion(9);
        output.GetWmOutput().SetProfile("Voice quality");
        output.GetRealOutput().SetProfile("56k Dial-up");
        CVideoOutput2& video = output.GetVideoOutput();
        video.SetDisplayName("Test Video Encoder");
        video.SetVideoMode(1);
        video.SetComplexity(0);
        video.SetRemux(true);
        const unsigned char settings[3] = {1, 2, 3};
        video.SetSettings(settings, 3);
        video.SetEncoderControl(8);
        video.SetBitrate(500000);
        video.SetQuality(60);
        video.SetKeyFrame(30);
        video.SetLatency(7);
        video.SetKeepSize(true);
        video.GetVideoInfo().SetWidth(352);
        video.GetVideoInfo().SetHeight(288);
        video.SetKeepFrameRate(true);
        video.GetVideoInfo().SetFrameRate(25);
        video.SetRegulateTimecode(true);

        m_save.SetFilePath("/out/talk.mp3");
        m_save.SetAutoNaming(true);
        m_save.SetFileReplace(kFileReplaceRename);
        m_ratio.SetOriginal(16.0 / 9);
        m_ratio.SetInput(16.0 / 9);
        m_ratio.SetOutput(4.0 / 3);
        m_ratio.SetScaling(kPanScan);
    }

    void Configure(CMediaWriterAdministrator2& writer)
    {
        writer.SetMediaOutput(m_output);
        writer.SetSaveFile(m_save);
        writer.SetAspectRatio(m_ratio);
    }

    std::unique_ptr<CAudioCodecsInfo> m_audioCodecs;
    std::unique_ptr<CVideoCodecsInfo> m_videoCodecs;
    CMediaOutput2 m_output;
    CSaveFile2 m_save;
    CAspectRatioInfo2 m_ratio;
};

} // namespace

TEST_F(WriterOutputSetupTest, TheSetIsGivenEveryFieldInItsOrderWithTheRecordsValues)
{
    CAudioOnlyWriter writer;
    Configure(writer);
    CRecordingSet set;
    SetupWriterOutput(set, writer);

    const struct {
        const char* call;
        std::string value;
    } expected[] = {
        {"SetSplitterType", "350"},
        {"SetTvType", "2"},
        {"SetLoop", "true"},
        {"SetAudioMode", "1"},
        {"SetAudioComplexity", "2"},
        {"SetAudioCodecName", "Test MP3 Encoder,mp3 device"},
        {"SetAudioRemux", "true"},
        {"SetAudioKeepSettings", "true"},
        {"SetAudioSampleRate", "22050"},
        {"SetAudioChannelCount", "1"},
        {"SetAudioBitsPerSample", "8"},
        {"SetAudioQualityMode", "4"},
        {"SetAudioBitrate", "96000"},
        {"SetAudioQuality", "70"},
        {"SetAudioRegulateTimecode", "false"},
        {"SetWmVersion", "9"},
        {"SetWmProfile", "Voice quality"},
        {"SetRealAudience", "56k Dial-up"},
        {"SetFilePath", "/out/talk.mp3"},
        {"SetFileAutoNaming", "true"},
        {"SetFileOption", "2"},
        {"SetVideoMode", "1"},
        {"SetVideoComplexity", "0"},
        {"SetVideoCodecName", "Test Video Encoder,video device"},
        {"SetVideoRemux", "true"},
        {"SetVideoSettings", "3 bytes"},
        {"SetVideoQualityMode", "8"},
        {"SetVideoBitrate", "500000"},
        {"SetVideoQuality", "60"},
        {"SetVideoKeyFrame", "30"},
        {"SetVideoLatency", "7"},
        {"SetVideoKeepSize", "true"},
        {"SetVideoWidth", "352"},
        {"SetVideoHeight", "288"},
        {"SetVideoKeepFrameRate", "true"},
        {"SetVideoGreyScale", "false"}, // grey scale would give up the remux
        {"SetVideoFrameRate", "25"},
        {"SetVideoRegulateTimecode", "true"},
        {"SetVideoInputAspectRatio", "1.77778"},
        {"SetVideoOutputAspectRatio", "1.33333"},
        {"SetVideoScaling", "1"},
        // The subclass decides, not the record (which wants both).
        {"SetWantsAudio", "true"},
        {"SetWantsVideo", "false"},
        {"SetFilePrompter", "null"},
    };
    ASSERT_EQ(set.calls.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(set.calls[i], expected[i].call) << "call " << i + 1;
        EXPECT_EQ(set.values[expected[i].call], expected[i].value) << expected[i].call;
    }
}

TEST_F(WriterOutputSetupTest, AnUncataloguedCodecHasNoDeviceNameAndThePrompterIsPassedOn)
{
    m_output.GetAudioOutput().SetDisplayName("Nobody's Encoder");
    CMediaWriterAdministrator2 writer;
    Configure(writer);
    CRepeatPrompter prompter;
    writer.SetFilePrompter(&prompter);
    EXPECT_EQ(writer.GetFilePrompter(), &prompter);
    CRecordingSet set;
    SetupWriterOutput(set, writer);
    EXPECT_EQ(set.values["SetAudioCodecName"], "Nobody's Encoder,");
    EXPECT_EQ(set.values["SetFilePrompter"], "set");
    // The plain writer answers with the record's flags.
    EXPECT_EQ(set.values["SetWantsAudio"], "true");
    EXPECT_EQ(set.values["SetWantsVideo"], "true");
}

TEST_F(WriterOutputSetupTest, TheProcessingOutputIsAFileSetHoldingTheRecordsCopies)
{
    CMediaWriterAdministrator2 writer;
    Configure(writer);
    // Copies: a later change of the caller's records does not reach the job.
    m_output.SetSplitterType(500);
    m_save.SetFilePath("/elsewhere.wav");
    EXPECT_EQ(writer.GetBitrate(), 0u);
    ASSERT_TRUE(writer.CreateProcessingOutputFilters());
    auto* set = dynamic_cast<CFileOutputFilters2*>(writer.GetProcessingOutputFilters());
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->GetSplitterType(), 350);
    EXPECT_EQ(set->GetAudioSampleRate(), 22050u);
    EXPECT_EQ(set->GetAudioChannelCount(), 1);
    EXPECT_EQ(set->GetAudioBitsPerSample(), 8);
    EXPECT_EQ(set->GetAudioBitrate(), 96000u);
    EXPECT_DOUBLE_EQ(set->GetVideoFrameRate(), 25.0);
    set->UseFilePath();
    EXPECT_NE(std::string(set->GetEffectivePath()).find("/out/talk"), std::string::npos);
}
