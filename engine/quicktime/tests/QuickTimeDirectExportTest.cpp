// The direct exporter and its tracks against the QuickTime library: queues, get-data answers,
// settings, stopping.
#include "CQtSampleHandle.h"
#include "CQuickTimeDirectAudioExport.h"
#include "CQuickTimeDirectExporter.h"
#include "CQuickTimeDirectVideoExport.h"
#include "EColorFormat.h"
#include "StQuickTime.h"
#include "win32/TestHome.h"
#include "win32/kernel/Threads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr OSType kMpg4 = 0x6D706734, kMp4a = 0x6D703461;

class QuickTimeDirectExportTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_quickTime.IsStarted()); }

    // An exporter for MP4 with one sound track of 22050 Hz, 16 bits, stereo, opened.
    CQuickTimeDirectAudioExport* OpenWithSound(CQuickTimeDirectExporter& exporter)
    {
        auto* sound = new CQuickTimeDirectAudioExport;
        sound->SetSampleRate(22050);
        sound->SetChannelCount(2);
        exporter.SetFileType(kMpg4);
        exporter.SetFilePath((fs::path(m_home.Path()) / "sound.mp4").c_str());
        exporter.AddTrack(sound);
        EXPECT_TRUE(exporter.Open());
        return sound;
    }

    static MovieExportGetDataParams Ask(TimeValue requested)
    {
        MovieExportGetDataParams params{};
        params.recordSize = sizeof params;
        params.requestedTime = requested;
        return params;
    }

    MvTestHome m_home;
    StQuickTime m_quickTime;
};

} // namespace

TEST_F(QuickTimeDirectExportTest, AGapInTheSoundIsFilledWithSilenceBeforeTheSample)
{
    CQuickTimeDirectExporter exporter;
    CQuickTimeDirectAudioExport* sound = OpenWithSound(exporter);
    ASSERT_TRUE(sound->IsOpen());
    sound->Start();
    const std::vector<unsigned char> pcm(400, 0x11);
    ASSERT_TRUE(sound->Receive(pcm.data(), uint32_t(pcm.size()), 0.5, 100.0 / 22050));

    MovieExportGetDataParams params = Ask(0);
    ASSERT_EQ(CQuickTimeDirectAudioExport::GetData(sound, &params), noErr);
    // Half a second at 22050 Hz of 4-byte frames.
    ASSERT_EQ(params.dataSize, 44100);
    EXPECT_EQ(params.actualTime, 0);
    EXPECT_EQ(params.actualSampleCount, 11025);
    EXPECT_TRUE(std::all_of(params.dataPtr, params.dataPtr + params.dataSize, [](char b) { return b == 0; }));
    EXPECT_EQ(params.descType, SoundMediaType);
    const auto* description = reinterpret_cast<const SoundDescription*>(*params.desc);
    EXPECT_EQ(description->numChannels, 2);
    EXPECT_EQ(description->sampleSize, 16);
    EXPECT_EQ(description->sampleRate, 22050u << 16);

    params = Ask(11025);
    ASSERT_EQ(CQuickTimeDirectAudioExport::GetData(sound, &params), noErr);
    EXPECT_EQ(params.dataSize, 400);
    EXPECT_EQ(params.actualTime, 11025);
    EXPECT_EQ(params.actualSampleCount, 100);
    EXPECT_EQ(uint8_t(params.dataPtr[0]), 0x11);
}

TEST_F(QuickTimeDirectExportTest, ABadSoundTimestampIsNotFilledWithHoursOfSilence)
{
    CQuickTimeDirectExporter exporter;
    CQuickTimeDirectAudioExport* sound = OpenWithSound(exporter);
    sound->Start();
    const std::vector<unsigned char> pcm(400, 0x22);
    const double starts[] = {3600.0 * 24, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()};
    TimeValue requested = 0;
    for (double start : starts) {
        ASSERT_TRUE(sound->Receive(pcm.data(), uint32_t(pcm.size()), start, 0.01));
        MovieExportGetDataParams params = Ask(requested);
        ASSERT_EQ(CQuickTimeDirectAudioExport::GetData(sound, &params), noErr) << start;
        // The sample itself, following on where the export stands.
        EXPECT_EQ(params.dataSize, 400) << start;
        EXPECT_EQ(params.actualTime, requested) << start;
        EXPECT_EQ(uint8_t(params.dataPtr[0]), 0x22) << start;
        requested += params.actualSampleCount;
    }
}

TEST_F(QuickTimeDirectExportTest, WithoutSamplesGetDataEndsTheSourceOnceStoppedOrEnded)
{
    CQuickTimeDirectExporter exporter;
    CQuickTimeDirectAudioExport* sound = OpenWithSound(exporter);
    // Never started: nothing will come.
    MovieExportGetDataParams params = Ask(0);
    EXPECT_EQ(CQuickTimeDirectAudioExport::GetData(sound, &params), eofErr);
    // Ended with two samples queued: both come out, then the end.
    sound->Start();
    const std::vector<unsigned char> pcm(40, 1);
    sound->Receive(pcm.data(), 40, 0, 10.0 / 22050);
    sound->Receive(pcm.data(), 40, 10.0 / 22050, 10.0 / 22050);
    sound->End();
    EXPECT_TRUE(sound->IsEnded());
    for (TimeValue at : {0, 10}) {
        params = Ask(at);
        EXPECT_EQ(CQuickTimeDirectAudioExport::GetData(sound, &params), noErr);
        EXPECT_EQ(params.actualTime, at);
    }
    params = Ask(20);
    EXPECT_EQ(CQuickTimeDirectAudioExport::GetData(sound, &params), eofErr);
    EXPECT_FALSE(sound->IsRunning());
    EXPECT_FALSE(sound->IsEnded());
}

TEST_F(QuickTimeDirectExportTest, StopWhileQuickTimeWaitsForASampleEndsTheExportThread)
{
    CQuickTimeDirectExporter exporter;
    CQuickTimeDirectAudioExport* sound = OpenWithSound(exporter);
    exporter.Start();
    EXPECT_FALSE(exporter.IsStopped());
    // QuickTime is waiting in get-data; Stop wakes it and returns once the thread has ended.
    EXPECT_TRUE(exporter.Stop());
    EXPECT_TRUE(exporter.IsStopped());
    EXPECT_FALSE(sound->IsRunning());
    // Started again, it stops again.
    exporter.Start();
    exporter.Stop();
    EXPECT_TRUE(exporter.WaitForStop());
}

TEST_F(QuickTimeDirectExportTest, AFrameIsTurnedTopSideFirstUnlessItIsTopDownAlready)
{
    CQuickTimeDirectVideoExport video;
    video.SetColor(kColorRgb24);
    video.SetWidth(4);
    video.SetHeight(2);
    ASSERT_EQ(video.GetLineSize(), 12);
    std::vector<unsigned char> frame(24);
    std::fill(frame.begin(), frame.begin() + 12, 0xAA);
    std::fill(frame.begin() + 12, frame.end(), 0xBB);
    CQtSampleHandle sample;
    video.SetTopDown(false);
    video.CopyData(sample, frame.data(), uint32_t(frame.size()), 1.0, 0.04);
    ASSERT_EQ(sample.GetSize(), 24u);
    EXPECT_EQ(*sample.GetPtr(0), 0xBB);
    EXPECT_EQ(*sample.GetPtr(12), 0xAA);
    EXPECT_DOUBLE_EQ(sample.GetEnd(), 1.04);
    // A short frame: only the rows it holds, the rest stays black.
    video.CopyData(sample, frame.data(), 12, 0, 0.04);
    ASSERT_EQ(sample.GetSize(), 24u);
    EXPECT_EQ(*sample.GetPtr(0), 0);
    EXPECT_EQ(*sample.GetPtr(12), 0xAA);
    video.SetTopDown(true);
    video.CopyData(sample, frame.data(), uint32_t(frame.size()), 0, 0.04);
    EXPECT_EQ(*sample.GetPtr(0), 0xAA);
    EXPECT_EQ(*sample.GetPtr(12), 0xBB);
}

TEST_F(QuickTimeDirectExportTest, OpenWithoutAPathDeletesNothingAndKeepsTheFileRecord)
{
    const fs::path kept = fs::path(m_home.Path()) / "kept.mp4";
    std::ofstream(kept) << "kept";
    CQuickTimeDirectExporter exporter;
    exporter.SetFileType(kMpg4);
    ASSERT_TRUE(exporter.Open());
    EXPECT_EQ(exporter.GetFileSpec().name[0], 0);
    EXPECT_TRUE(fs::exists(kept));
    // A path is made into the file record and the old file goes.
    CQuickTimeDirectExporter named;
    named.SetFileType(kMpg4);
    named.SetFilePath(kept.c_str());
    ASSERT_TRUE(named.Open());
    EXPECT_FALSE(fs::exists(kept));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(named.GetFileSpec().name + 1), named.GetFileSpec().name[0]),
              kept.string());
    char path[CThirdPartyEncoder::kPathSize];
    named.GetFilePath(path);
    EXPECT_EQ(kept.string(), path);
}

TEST_F(QuickTimeDirectExportTest, SettingsGoToTheTracksAndAnEmptyBlobChangesNothing)
{
    CQuickTimeDirectExporter exporter;
    CQuickTimeDirectAudioExport* sound = OpenWithSound(exporter);
    CHandle before;
    exporter.GetSettings(before);
    ASSERT_GT(before.GetSize(), 0u);
    EXPECT_EQ(exporter.GetSettingsLength(), before.GetSize());
    exporter.SetSettings(nullptr, 0);
    CHandle after;
    exporter.GetSettings(after);
    ASSERT_EQ(after.GetSize(), before.GetSize());
    EXPECT_EQ(std::memcmp(after.GetBuffer(), before.GetBuffer(), before.GetSize()), 0);
    // After the dialog the tracks' compressors take the exporter's settings: the MP4
    // exporter's sound is AAC, of variable bit rate.
    EXPECT_TRUE(exporter.DoDialog());
    OSType format = 0;
    EXPECT_EQ(CQuickTimeDirectAudioExport::GetProperty(sound, sound->GetTrackId(), scSoundCompressionType, &format),
              noErr);
    EXPECT_EQ(format, kMp4a);
    Boolean vbr = 0;
    EXPECT_EQ(CQuickTimeDirectAudioExport::GetProperty(sound, sound->GetTrackId(), scSoundVBRType, &vbr), noErr);
    EXPECT_EQ(vbr, 1);
}

TEST_F(QuickTimeDirectExportTest, AFileTypeWithoutAnExporterLeavesItClosedAndOnlyStoresTheBlob)
{
    CQuickTimeDirectExporter exporter;
    exporter.SetFileType(0x58585858); // 'XXXX'
    EXPECT_FALSE(exporter.Open());
    EXPECT_FALSE(exporter.IsOpen());
    EXPECT_FALSE(exporter.DoDialog());
    const unsigned char blob[] = {1, 2, 3};
    exporter.SetSettings(blob, 3);
    CHandle settings;
    exporter.GetSettings(settings);
    ASSERT_EQ(settings.GetSize(), 3u);
    EXPECT_EQ(*settings.GetPtr(2), 3);
    EXPECT_EQ(exporter.GetSettingsLength(), 0u);
}

TEST_F(QuickTimeDirectExportTest, TheVideoTrackAnswersItsSizeRatesAndQuality)
{
    CQuickTimeDirectExporter exporter;
    auto* video = new CQuickTimeDirectVideoExport;
    video->SetColor(kColorRgb24);
    video->SetWidth(320);
    video->SetHeight(240);
    video->SetFrameRate(25);
    video->SetBitrate(800000);
    video->SetQuality(90);
    exporter.SetFileType(kMpg4);
    exporter.AddTrack(video);
    ASSERT_TRUE(exporter.Open());
    Fixed value = 0;
    EXPECT_EQ(CQuickTimeDirectVideoExport::GetProperty(video, 0, movieExportWidth, &value), noErr);
    EXPECT_EQ(value, 320 << 16);
    EXPECT_EQ(CQuickTimeDirectVideoExport::GetProperty(video, 0, movieExportHeight, &value), noErr);
    EXPECT_EQ(value, 240 << 16);
    EXPECT_EQ(CQuickTimeDirectVideoExport::GetProperty(video, 0, movieExportTimeScale, &value), noErr);
    EXPECT_EQ(value, Fixed(90000u << 16));
    SCDataRateSettings rate{};
    EXPECT_EQ(CQuickTimeDirectVideoExport::GetProperty(video, 0, scDataRateSettingsType, &rate), noErr);
    EXPECT_EQ(rate.dataRate, 100000);
    EXPECT_EQ(rate.frameDuration, 40);
    EXPECT_EQ(rate.minSpatialQuality, 90);
    SCTemporalSettings temporal{};
    EXPECT_EQ(CQuickTimeDirectVideoExport::GetProperty(video, 0, scTemporalSettingsType, &temporal), noErr);
    EXPECT_EQ(temporal.frameRate, 25 << 16);
    EXPECT_EQ(temporal.temporalQuality, 90);
    EXPECT_TRUE(CQuickTimeDirectVideoExport::SupportColor(kColorRgb24));
    EXPECT_FALSE(CQuickTimeDirectVideoExport::SupportColor(EColorFormat(201)));
}
