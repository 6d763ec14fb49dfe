// Movies written through the QuickTime library: a direct export fed from another thread as
// a graph feeds it, and a movie track filled by the video track encoder; each file decoded
// with FFmpeg.
#include "CQuickTimeDirectAudioExport.h"
#include "CQuickTimeDirectExporter.h"
#include "CQuickTimeDirectVideoExport.h"
#include "CQuickTimeVideoEncoder.h"
#include "EColorFormat.h"
#include "EngineTestDecode.h"
#include "QuickTimeTestMovie.h"
#include "StQuickTime.h"
#include "UQuickTimeCalls.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 160, kHeight = 120, kRate = 25, kFrames = 50, kSampleRate = 44100;
constexpr OSType kMooV = 0x4D6F6F56, kMpg4 = 0x6D706734, kMp4v = 0x6D703476, kAvc1 = 0x61766331;

// A bottom-up RGB24 frame whose shade moves with its number.
std::vector<unsigned char> Frame(int number)
{
    std::vector<unsigned char> frame(size_t(kWidth) * kHeight * 3);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<unsigned char>((i / 3 + number * 7) % 251);
    return frame;
}

class QuickTimeExportFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_quickTime.IsStarted()); }

    // Two seconds of frames and a tone fed from a thread of their own, then the end.
    void Feed(CQuickTimeDirectVideoExport* video, CQuickTimeDirectAudioExport* sound)
    {
        std::thread graph([&] {
            const int perFrame = kSampleRate / kRate;
            std::vector<int16_t> pcm(size_t(perFrame) * 2);
            for (int n = 0; n < kFrames; ++n) {
                const std::vector<unsigned char> frame = Frame(n);
                video->Receive(frame.data(), uint32_t(frame.size()), double(n) / kRate, 1.0 / kRate);
                for (int i = 0; i < perFrame; ++i)
                    pcm[2 * i] = pcm[2 * i + 1] =
                        int16_t(6000 * std::sin(2 * M_PI * 440 * double(n * perFrame + i) / kSampleRate));
                sound->Receive(reinterpret_cast<const unsigned char*>(pcm.data()), uint32_t(pcm.size() * 2),
                               double(n) / kRate, 1.0 / kRate);
            }
            video->End();
            sound->End();
        });
        graph.join();
    }

    MvTestHome m_home;
    StQuickTime m_quickTime;
};

} // namespace

TEST_F(QuickTimeExportFileTest, ADirectExportWritesTheSamplesAsTheyArrive)
{
    // The MP4 exporter's own video choice is H.264 where the system can encode it.
    const bool h264 = avcodec_find_encoder_by_name("libx264") != nullptr;
    const struct {
        OSType type;
        const char* name;
    } files[] = {{kMpg4, "direct.mp4"}, {kMooV, "direct.mov"}};
    for (const auto& f : files) {
        const fs::path path = fs::path(m_home.Path()) / f.name;
        CQuickTimeDirectExporter exporter;
        auto* video = new CQuickTimeDirectVideoExport;
        video->SetColor(kColorRgb24);
        video->SetWidth(kWidth);
        video->SetHeight(kHeight);
        video->SetFrameRate(kRate);
        video->SetTopDown(false);
        video->SetBitrate(400000);
        auto* sound = new CQuickTimeDirectAudioExport;
        sound->SetSampleRate(kSampleRate);
        sound->SetChannelCount(2);
        exporter.SetFileType(f.type);
        exporter.SetFilePath(path.c_str());
        exporter.AddTrack(video);
        exporter.AddTrack(sound);
        ASSERT_TRUE(exporter.Open()) << f.name;
        exporter.Start();
        Feed(video, sound);
        // The export ends by itself once both tracks are drained.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (!exporter.WaitForStop() && std::chrono::steady_clock::now() < deadline) {
        }
        ASSERT_TRUE(exporter.IsStopped()) << f.name;
        exporter.Close();

        SDecodedMedia media;
        ASSERT_TRUE(DecodeMedia(path, kRate, media)) << f.name;
        EXPECT_EQ(media.width, kWidth) << f.name;
        EXPECT_EQ(media.height, kHeight) << f.name;
        EXPECT_EQ(media.frames, kFrames) << f.name;
        EXPECT_NEAR(media.duration, 2.0, 1.0 / kRate + 1e-6) << f.name;
        EXPECT_EQ(media.audioCodec, "aac") << f.name;
        EXPECT_EQ(media.sampleRate, kSampleRate) << f.name;
        EXPECT_EQ(media.videoCodec, f.type == kMpg4 && h264 ? "h264" : "mpeg4") << f.name;
    }
}

TEST_F(QuickTimeExportFileTest, TheVideoTrackEncoderFillsAMovieTrackFromItsFirstTime)
{
    const SQuickTimeCalls* qt = UQuickTimeCalls::Get();
    ASSERT_NE(qt, nullptr);
    const bool h264 = avcodec_find_encoder_by_name("libx264") != nullptr;
    const fs::path path = fs::path(m_home.Path()) / "track.mov";
    int16_t file = 0;
    Movie movie = CreateTestMovie(*qt, path.string(), file);
    ASSERT_NE(movie, nullptr);
    {
        CQuickTimeVideoEncoder encoder;
        encoder.SetMovie(movie);
        encoder.SetFormat(h264 ? kAvc1 : kMp4v);
        encoder.SetColor(kColorRgb24);
        encoder.SetWidth(kWidth);
        encoder.SetHeight(kHeight);
        encoder.SetFrameRate(kRate);
        encoder.SetTopDown(false);
        ASSERT_TRUE(encoder.Open());
        encoder.Start();
        // The first frame at 2.0 s: the track starts there.
        for (int n = 0; n < kFrames; ++n) {
            const std::vector<unsigned char> frame = Frame(n);
            ASSERT_TRUE(encoder.Encode(frame.data(), uint32_t(frame.size()), 2.0 + double(n) / kRate, 1.0 / kRate));
        }
        EXPECT_EQ(encoder.GetFirstTime(), 180000);
        encoder.Stop();
        encoder.Close();
    }
    int16_t resource = 0;
    ASSERT_EQ(qt->AddMovieResource(movie, file, &resource, nullptr), noErr) << qt->QTErrorText(qt->GetMoviesError());
    qt->CloseMovieFile(file);
    qt->DisposeMovie(movie);

    SDecodedMedia media;
    ASSERT_TRUE(DecodeMedia(path, kRate, media));
    EXPECT_EQ(media.videoCodec, h264 ? "h264" : "mpeg4");
    EXPECT_EQ(media.width, kWidth);
    EXPECT_EQ(media.height, kHeight);
    EXPECT_EQ(media.frames, kFrames);
    EXPECT_NEAR(media.firstFrame, 2.0, 1e-3);
    EXPECT_NEAR(media.duration, 2.0, 1.0 / kRate + 1e-6);
}
