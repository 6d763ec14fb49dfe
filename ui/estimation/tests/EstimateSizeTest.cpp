#include "CAudioCodecsInfo.h"
#include "CAudioTrack.h"
#include "CFileBatch2.h"
#include "CFileBatchEstimateSizeMonitor.h"
#include "CFormatTypes.h"
#include "CMediaFile2.h"
#include "CMediaOutput2.h"
#include "CSliceDuration2.h"
#include "CVideoTrack.h"
#include "CWmProfile2.h"
#include "CWmProfileVersion.h"
#include "CWmProfilesInfo.h"
#include "UEstimateSize.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

constexpr ULONG kMax = std::numeric_limits<ULONG>::max();

std::unique_ptr<CMediaFile2> NewFile(double seconds, bool video, bool audio)
{
    auto file = std::make_unique<CMediaFile2>();
    file->SetDuration(seconds);
    if (video) file->AddVideoTrack(new CVideoTrack);
    if (audio) file->AddAudioTrack(new CAudioTrack);
    return file;
}

void SetOutput(CMediaOutput2& output, ESplitterType type, EEncoderControl control, ULONG video, ULONG audio)
{
    output.SetSplitterType(type);
    output.GetVideoOutput(0)->SetEncoderControl(control);
    output.GetVideoOutput(0)->SetBitrate(video);
    output.GetAudioOutput(0)->SetBitrate(audio);
}

class EstimateSize : public ::testing::Test {
protected:
    CFormatTypes table;
    CMediaOutput2 output;
};

} // namespace

TEST_F(EstimateSize, BitrateAddsTheTrackOutputsThatCount)
{
    struct Case {
        const char* what;
        ESplitterType type;
        bool wantsVideo, wantsAudio;
        EEncoderControl control;
        bool fileVideo, fileAudio, autoAudio, withFile;
        ULONG expected;
    };
    const Case cases[] = {
        {"video and audio", 100, true, true, 2, true, true, false, true, 928000},
        {"no file: both count", 100, true, true, 2, false, false, false, false, 928000},
        {"variable target", 100, true, true, 4, true, true, false, true, 928000},
        {"variable peak", 100, true, true, 8, true, true, false, true, 928000},
        {"constant with quality", 100, true, true, 16, true, true, false, true, 928000},
        {"variable with quality", 100, true, true, 32, true, true, false, true, 928000},
        {"peak with quality", 100, true, true, 64, true, true, false, true, 928000},
        {"quality mode cannot tell", 100, true, true, 1, true, true, false, true, 0},
        {"mixed modes cannot tell", 100, true, true, 3, true, true, false, true, 0},
        {"no mode cannot tell", 100, true, true, 0, true, true, false, true, 0},
        {"file without video", 100, true, true, 1, false, true, false, true, 128000},
        {"file without audio", 100, true, true, 2, true, false, false, true, 800000},
        {"audio only on a file without audio", 500, false, true, 2, true, false, false, true, 0},
        {"audio only", 500, false, true, 1, true, true, false, true, 128000},
        {"video not wanted", 100, false, true, 1, true, true, false, true, 128000},
        {"automatic audio without a file", 100, true, true, 2, false, false, true, false, 0},
        {"automatic audio on a file without audio", 100, true, true, 2, true, false, true, true, 800000},
        {"windows media profile without a profile list", 250, true, true, 2, true, true, false, true, 0},
        {"unknown output type", 4242, true, true, 2, true, true, false, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetOutput(output, c.type, c.control, 800000, 128000);
        output.SetWantsVideo(c.wantsVideo);
        output.SetWantsAudio(c.wantsAudio);
        output.GetAudioOutput(0)->SetAutoSettings(c.autoAudio);
        auto file = NewFile(60, c.fileVideo, c.fileAudio);
        EXPECT_EQ(c.expected, UEstimateSize::GetBitrate(c.withFile ? file.get() : nullptr, &output));
    }
}

TEST_F(EstimateSize, AutomaticAudioTakesTheBitrateTheCodecPicksForTheTrack)
{
    CAudioCodecsInfo catalogue(true);
    ASSERT_EQ(CAudioCodecsInfo::sInfo, &catalogue);
    CAudioCodecInfo* codec = catalogue.Add("Tone Audio", "tone");
    codec->SetSupported(100, true);
    codec->AddSetting(22050, 2, 16, 64000, 4);
    codec->AddSetting(44100, 2, 16, 128000, 4);

    SetOutput(output, 100, 2, 800000, 1);
    output.SetWantsVideo(false);
    output.GetAudioOutput(0)->SetAutoSettings(true);
    output.GetAudioOutput(0)->SetDisplayName("Tone Audio");
    auto file = NewFile(60, false, true);
    CAudioInfo2& track = file->GetSelectedAudio()->GetAudioInfo();
    track.SetChannel(2);
    track.SetBitsPerSample(16);
    struct Case {
        ULONG sampleRate;
        ULONG expected;
    };
    for (const Case& c : {Case{44100, 128000}, Case{24000, 64000}}) {
        SCOPED_TRACE(c.sampleRate);
        track.SetSampleRate(c.sampleRate);
        EXPECT_EQ(c.expected, UEstimateSize::GetBitrate(file.get(), &output));
    }
    // A codec the catalogue does not have for this output cannot tell.
    output.GetAudioOutput(0)->SetDisplayName("Other Audio");
    EXPECT_EQ(0u, UEstimateSize::GetBitrate(file.get(), &output));
    output.GetAudioOutput(0)->SetDisplayName("Tone Audio");
    output.SetSplitterType(500);
    EXPECT_EQ(0u, UEstimateSize::GetBitrate(file.get(), &output));
}

// A profile list of one version, as the Windows Media runtime would fill it.
class ScopedProfiles {
public:
    explicit ScopedProfiles(unsigned short version) : m_version(version) {}
    void Add(const char* name, ULONG bitrate)
    {
        auto* profile = new CWmProfile2(nullptr, nullptr);
        profile->SetName(name);
        profile->SetBitrate(bitrate);
        m_profiles.AddSetting(m_version, profile);
    }
    CWmProfilesInfo& Get() { return m_profiles; }

private:
    unsigned short m_version;
    CWmProfilesInfo m_profiles;
};

TEST_F(EstimateSize, WindowsMediaProfileTypesTakeTheChosenProfilesBitrate)
{
    ScopedProfiles profiles(9);
    ASSERT_EQ(CWmProfilesInfo::sInfo, &profiles.Get());
    profiles.Add("Broadband", 548000);
    profiles.Add("Voice", 20000);
    // The track outputs' own bitrates do not count for a profile type.
    SetOutput(output, 250, 1, 800000, 128000);
    output.GetWmOutput().SetVersion(9);
    struct Case {
        const char* profile;
        unsigned short version;
        ULONG expected;
    };
    const Case cases[] = {
        {"Broadband", 9, 548000}, {"Voice", 9, 20000}, {"Unknown", 9, 0}, {"Broadband", 8, 0}, {"", 9, 0},
    };
    auto file = NewFile(60, true, true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile);
        output.GetWmOutput().SetVersion(c.version);
        output.GetWmOutput().SetProfile(c.profile);
        EXPECT_EQ(c.expected, UEstimateSize::GetBitrate(file.get(), &output));
        EXPECT_EQ(c.expected, UEstimateSize::GetBitrate(nullptr, &output));
    }
    output.GetWmOutput().SetVersion(9);
    output.GetWmOutput().SetProfile("Broadband");
    UEstimateSize::EstimateSize(file.get(), &output);
    EXPECT_EQ(4110u, file->GetEstimatedSize());
}

TEST_F(EstimateSize, QuickTimeTypesTakeTheSettingsChosenForTheirTracks)
{
    // The QuickTime writers and exporters write at the chosen track settings: the mode and
    // bitrate of the compressor chosen for the type, and the audio bitrate.
    struct Case {
        const char* what;
        ESplitterType type;
        EEncoderControl control;
        bool wantsVideo;
        ULONG expected;
    };
    const Case cases[] = {
        {"movie, variable bitrate with quality", 600, 32, true, 928000},
        {"movie export, H.263 variable target", 601, 4, true, 928000},
        {"3GP export, quality only", 630, 1, true, 0},
        {"MP4 export, variable with quality", 640, 32, true, 928000},
        {"DV export, quality only", 610, 1, true, 0},
        {"AIFF audio", 650, 1, false, 128000},
    };
    auto file = NewFile(60, true, true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetOutput(output, c.type, c.control, 800000, 128000);
        output.SetWantsVideo(c.wantsVideo);
        EXPECT_EQ(c.expected, UEstimateSize::GetBitrate(file.get(), &output));
        UEstimateSize::EstimateSize(file.get(), &output);
        EXPECT_EQ(static_cast<ULONG>(60 * c.expected * 0.000125 + 0.5), file->GetEstimatedSize());
    }
}

TEST_F(EstimateSize, BitrateCannotBeToldWithoutOutputOrTable)
{
    SetOutput(output, 100, 2, 800000, 128000);
    EXPECT_EQ(0u, UEstimateSize::GetBitrate(nullptr, nullptr));
    CFormatTypes* saved = CFormatTypes::sFormatTypes;
    CFormatTypes::sFormatTypes = nullptr;
    EXPECT_EQ(0u, UEstimateSize::GetBitrate(nullptr, &output));
    CFormatTypes::sFormatTypes = saved;
}

TEST_F(EstimateSize, TwoLargeBitratesSaturateInsteadOfWrapping)
{
    SetOutput(output, 100, 2, kMax - 10, 128000);
    EXPECT_EQ(kMax, UEstimateSize::GetBitrate(nullptr, &output));
}

TEST_F(EstimateSize, SizeIsDurationTimesBitrateInThousandsOfBytesRounded)
{
    SetOutput(output, 100, 2, 800000, 128000);
    auto file = NewFile(60, true, true);
    UEstimateSize::EstimateSize(file.get(), &output);
    EXPECT_EQ(6960u, file->GetEstimatedSize());

    struct Case { double seconds; ULONG bitrate; ULONG expected; };
    const Case cases[] = {
        {1, 4000, 1}, {1, 3999, 0}, {1, 12000, 2}, {0, 800000, 0},
        {-5, 800000, 0}, {NAN, 800000, 0}, {1e12, 800000, kMax},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, UEstimateSize::SizeFor(c.seconds, c.bitrate)) << c.seconds << " s at " << c.bitrate;
}

TEST_F(EstimateSize, DurationIsTheSumOfTheEditSlices)
{
    EXPECT_EQ(0, UEstimateSize::GetDuration(nullptr));
    auto file = NewFile(100, true, true);
    EXPECT_EQ(100, UEstimateSize::GetDuration(file.get()));
    for (auto [start, end] : {std::pair{10.0, 30.0}, {40.0, 40.0}, {50.0, 60.0}}) {
        auto* slice = new CSliceDuration2;
        slice->SetMax(100);
        slice->SetEnd(end);
        slice->SetStart(start);
        file->AddSlice(slice);
    }
    EXPECT_DOUBLE_EQ(30, UEstimateSize::GetDuration(file.get()));

    SetOutput(output, 100, 2, 800000, 0);
    UEstimateSize::EstimateSize(file.get(), &output);
    EXPECT_EQ(3000u, file->GetEstimatedSize());
    UEstimateSize::EstimateSize(file.get(), nullptr);
    EXPECT_EQ(3000u, file->GetEstimatedSize());
}

class EstimateSizeMonitor : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetOutput(batch.GetMediaOutput(), 100, 2, 800000, 128000);
        AddFile(60, true, true);
        AddFile(30, true, false);
    }
    CMediaFile2* AddFile(double seconds, bool video, bool audio)
    {
        CMediaFile2* file = NewFile(seconds, video, audio).release();
        batch.GetMediaList().AddFile(file);
        return file;
    }
    ULONG Size(int index) { return batch.GetMediaList().GetFile(index)->GetEstimatedSize(); }

    CFormatTypes table;
    CFileBatch2 batch;
    CFileBatchEstimateSizeMonitor monitor;
};

TEST_F(EstimateSizeMonitor, FollowsEditsOfTheOutputSettings)
{
    monitor.SetFileBatch(&batch);
    CMediaOutput2& output = batch.GetMediaOutput();
    EXPECT_EQ(output.GetAudioOutput(0), monitor.GetAudioOutput());
    EXPECT_EQ(&output.GetVideoOutput(0)->GetVideoInfo(), monitor.GetVideoInfo());
    EXPECT_EQ(&output.GetWmOutput(), monitor.GetWmOutput());

    monitor.Update();
    // The batch-wide bitrate holds for every file, whatever its own tracks.
    EXPECT_EQ(6960u, Size(0));
    EXPECT_EQ(3480u, Size(1));

    output.GetVideoOutput(0)->SetBitrate(400000);
    EXPECT_EQ(3960u, Size(0));
    output.GetAudioOutput(0)->SetBitrate(64000);
    EXPECT_EQ(3480u, Size(0));
    output.GetVideoOutput(0)->SetEncoderControl(1);
    EXPECT_EQ(0u, Size(0));
    output.GetVideoOutput(0)->SetEncoderControl(4);
    EXPECT_EQ(3480u, Size(0));
    output.SetWantsVideo(false);
    EXPECT_EQ(480u, Size(0));
    output.SetSplitterType(250);
    EXPECT_EQ(0u, Size(0));
}

TEST_F(EstimateSizeMonitor, FollowsTheChosenWindowsMediaProfile)
{
    ScopedProfiles profiles(8);
    profiles.Add("Dial-up", 40000);
    profiles.Add("LAN", 1000000);
    monitor.SetFileBatch(&batch);
    CMediaOutput2& output = batch.GetMediaOutput();
    output.GetWmOutput().SetVersion(8);
    output.GetWmOutput().SetProfile("LAN");
    output.SetSplitterType(250);
    EXPECT_EQ(7500u, Size(0));
    EXPECT_EQ(3750u, Size(1));
    output.GetWmOutput().SetProfile("Dial-up");
    EXPECT_EQ(300u, Size(0));
    output.GetWmOutput().SetProfile("Gone");
    EXPECT_EQ(0u, Size(0));
}

TEST_F(EstimateSizeMonitor, FilesGetTheirOwnBitrateWhenTheBatchCannotTell)
{
    monitor.SetFileBatch(&batch);
    batch.GetMediaOutput().GetAudioOutput(0)->SetAutoSettings(true);
    // The file without audio is estimated from its video alone.
    EXPECT_EQ(3000u, Size(1));
    EXPECT_EQ(0u, Size(0));
}

TEST_F(EstimateSizeMonitor, AnAddedFileIsEstimatedAtOnce)
{
    monitor.SetFileBatch(&batch);
    CMediaFile2* file = AddFile(10, true, true);
    EXPECT_EQ(1160u, file->GetEstimatedSize());
    // Files of a list no longer held are left alone.
    monitor.SetFileList(nullptr);
    EXPECT_EQ(nullptr, monitor.GetFileList());
    EXPECT_EQ(0u, AddFile(10, true, true)->GetEstimatedSize());
}

TEST_F(EstimateSizeMonitor, StopsFollowingOutputsItNoLongerHolds)
{
    monitor.SetFileBatch(&batch);
    CMediaOutput2 other;
    SetOutput(other, 100, 2, 8000, 0);
    monitor.SetMediaOutput(&other);
    EXPECT_EQ(other.GetVideoOutput(0), monitor.GetVideoOutput());
    EXPECT_EQ(&other.GetAudioOutput(0)->GetAudioInfo(), monitor.GetAudioInfo());
    monitor.Update();
    EXPECT_EQ(60u, Size(0));
    batch.GetMediaOutput().GetVideoOutput(0)->SetBitrate(1);
    EXPECT_EQ(60u, Size(0));

    monitor.SetFileBatch(nullptr);
    EXPECT_EQ(nullptr, monitor.GetMediaOutput());
    EXPECT_EQ(nullptr, monitor.GetAudioOutput());
    EXPECT_EQ(nullptr, monitor.GetVideoInfo());
    EXPECT_EQ(nullptr, monitor.GetWmOutput());
    other.GetVideoOutput(0)->SetBitrate(16000);
    EXPECT_EQ(60u, Size(0));
}

TEST_F(EstimateSizeMonitor, ForgetsRecordsDestroyedWhileHeld)
{
    auto output = std::make_unique<CMediaOutput2>();
    SetOutput(*output, 100, 2, 800000, 128000);
    monitor.SetMediaOutput(output.get());
    monitor.SetFileList(&batch.GetMediaList().GetFiles());
    monitor.Update();
    EXPECT_EQ(6960u, Size(0));
    output.reset();
    EXPECT_EQ(nullptr, monitor.GetMediaOutput());
    EXPECT_EQ(nullptr, monitor.GetVideoOutput());
    EXPECT_EQ(nullptr, monitor.GetAudioInfo());
    monitor.Update();
    EXPECT_EQ(0u, Size(0));
}
