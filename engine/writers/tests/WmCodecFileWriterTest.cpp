// The Windows Media writer of type 200 building its profile from the runtime loaded by name:
// what it gives the system's ASF writer when no codec is named.
#include "CAudioCodecsInfo.h"
#include "com/ComRuntime.h"
#include "CDirectShowGraph.h"
#include "CVideoCodecsInfo.h"
#include "CWindowsMediaSystem2.h"
#include "CWmCodecFileWriter2.h"
#include "CWmStreamFormat.h"
#include "WmHeld.h"
#include "dshow/VideoInfo.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/interfaces/ConfigAsfWriter.h"
#include "win32/TestHome.h"
#include "win32/audio/WaveFormat.h"
#include "wmf/WmInterfaces.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// What one stream of a profile codes.
struct SStreamSeen {
    bool video = false;
    LONG width = 0, height = 0;
    REFERENCE_TIME frameTime = 0;
    DWORD bitrate = 0;
    DWORD sampleRate = 0;
    WORD channels = 0;
};

class WmCodecFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        m_loadWm = CDirectShowSystem2::sLoadWm;
        CDirectShowSystem2::sLoadWm = true;
        m_system = std::make_unique<CWindowsMediaSystem2>();
        ASSERT_TRUE(m_graph.Create());
    }
    void TearDown() override
    {
        m_graph.Release();
        m_system.reset();
        CDirectShowSystem2::sLoadWm = m_loadWm;
        CoUninitialize();
    }

    // The streams of the profile the ASF writer was given; false when it was given none.
    static bool ProfileOf(CWmCodecFileWriter2& writer, std::vector<SStreamSeen>& streams)
    {
        IConfigAsfWriter* config = nullptr;
        if (FAILED(QueryInterfaceTo(writer.GetFilter(), &config)) || !config) return false;
        TWmHeld<IConfigAsfWriter> held(config);
        IWMProfile* raw = nullptr;
        if (FAILED(config->GetCurrentProfile(&raw)) || !raw) return false;
        TWmHeld<IWMProfile> profile(raw);
        DWORD count = 0;
        profile->GetStreamCount(&count);
        for (DWORD i = 0; i < count; ++i) {
            IWMStreamConfig* stream = nullptr;
            if (FAILED(profile->GetStream(i, &stream)) || !stream) return false;
            TWmHeld<IWMStreamConfig> heldStream(stream);
            CWmStreamFormat format(stream);
            SStreamSeen seen;
            stream->GetBitrate(&seen.bitrate);
            if (const VIDEOINFOHEADER* info = format.Video()) {
                seen.video = true;
                seen.width = info->bmiHeader.biWidth;
                seen.height = info->bmiHeader.biHeight;
                seen.frameTime = info->AvgTimePerFrame;
            } else if (const WAVEFORMATEX* wave = format.Wave()) {
                seen.sampleRate = wave->nSamplesPerSec;
                seen.channels = wave->nChannels;
            }
            streams.push_back(seen);
        }
        return true;
    }

    bool m_loadWm = true;
    MvTestHome m_home;
    CAudioCodecsInfo m_audio{true};
    CVideoCodecsInfo m_video{true};
    std::unique_ptr<CWindowsMediaSystem2> m_system;
    CDirectShowGraph m_graph;
};

TEST_F(WmCodecFileWriterTest, NoCodecNamedWritesTheDecidedPictureAndSoundWithTheRuntimesFirstCodecs)
{
    const struct {
        const char* name;
        bool video;
        unsigned long sampleRate;  // one the runtime has a format for, or not
        unsigned long audioBitrate;
        DWORD expectedRate;
    } cases[] = {
        {"picture and sound", true, 48000, 128000, 48000},
        // Sound the runtime has no format for: CD quality, as the writer's own.
        {"sound with no format", true, 11025, 8000, 44100},
        {"sound alone", false, 48000, 128000, 48000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CWmCodecFileWriter2 writer(&m_graph);
        ASSERT_TRUE(writer.Create());
        writer.SetWantsVideo(c.video);
        writer.SetWantsAudio(true);
        writer.SetWidth(176);
        writer.SetHeight(144);
        writer.SetFrameRate(25);
        writer.SetVideoEncoderControl(2);
        writer.SetVideoBitrate(500000);
        writer.SetSampleRate(c.sampleRate);
        writer.SetChannels(2);
        writer.SetBitsPerSample(16);
        writer.SetAudioBitrate(c.audioBitrate);
        ASSERT_TRUE(writer.SetupBeforeConnect());
        std::vector<SStreamSeen> streams;
        ASSERT_TRUE(ProfileOf(writer, streams));
        writer.Release();
        ASSERT_EQ(streams.size(), c.video ? 2u : 1u);
        EXPECT_FALSE(streams[0].video);
        EXPECT_EQ(streams[0].sampleRate, c.expectedRate);
        EXPECT_EQ(streams[0].channels, 2);
        if (!c.video) continue;
        EXPECT_TRUE(streams[1].video);
        EXPECT_EQ(streams[1].width, 176);
        EXPECT_EQ(streams[1].height, 144);
        EXPECT_EQ(streams[1].frameTime, 400000);
        EXPECT_EQ(streams[1].bitrate, 500000u);
    }
}

TEST_F(WmCodecFileWriterTest, WithoutTheRuntimeNoCodecNamedKeepsTheWritersOwnProfile)
{
    m_system.reset();
    CDirectShowSystem2::sLoadWm = false;
    CWindowsMediaSystem2 bare;
    ASSERT_EQ(bare.GetProfileManager(), nullptr);
    CWmCodecFileWriter2 writer(&m_graph);
    ASSERT_TRUE(writer.Create());
    EXPECT_TRUE(writer.SetupBeforeConnect());
    std::vector<SStreamSeen> streams;
    EXPECT_FALSE(ProfileOf(writer, streams));
    writer.Release();
}

} // namespace
