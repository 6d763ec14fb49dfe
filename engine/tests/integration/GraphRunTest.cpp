#include "CDirectShowFilter.h"
#include "CDirectShowGraph.h"
#include "CDirectShowWindow.h"
#include "CFilterPin.h"
#include "CListener.h"
#include "COutputFilter.h"

#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/FileSource.h"
#include "dshow/MediaFileWriter.h"
#include "dshow/WideText.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/audio/WaveFormat.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A mono 16-bit tone: RIFF header, the 16-byte PCM format chunk, then the samples.
void WriteToneWav(const fs::path& path, int rate, double seconds)
{
    std::vector<int16_t> samples(size_t(rate * seconds));
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = int16_t(8000 * std::sin(2 * M_PI * 440 * double(i) / rate));
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, DWORD(rate), DWORD(rate * 2), 2, 16, 0};
    const uint32_t riffSize = 36 + dataBytes, formatSize = 16;
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4).write(reinterpret_cast<const char*>(&riffSize), 4).write("WAVEfmt ", 8);
    out.write(reinterpret_cast<const char*>(&formatSize), 4).write(reinterpret_cast<const char*>(&format), 16);
    out.write("data", 4).write(reinterpret_cast<const char*>(&dataBytes), 4);
    out.write(reinterpret_cast<const char*>(samples.data()), std::streamsize(dataBytes));
}

class CCompletionTaker : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowGraph::kGraphCompleteMessage) {
            ++completions;
            if (takeOver) *static_cast<LONG*>(const_cast<void*>(p)) = 1;
        }
        return CListener::ListenToMessage(message, p, q);
    }
    int completions = 0;
    bool takeOver = false;
};

class GraphRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        m_dir = fs::temp_directory_path() / ("mvgraph_run_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        WriteToneWav(m_dir / "tone.wav", 22050, 1.5);
        ASSERT_TRUE(m_window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0));
    }
    void TearDown() override
    {
        m_window.DestroyWindow();
        fs::remove_all(m_dir);
        CoUninitialize();
    }
    // Builds file source -> WAV writer on the graph.
    void Build(CDirectShowGraph& graph, CDirectShowFilter& source, COutputFilter& writer, const fs::path& out)
    {
        ASSERT_TRUE(graph.Create());
        source.SetGraph(&graph);
        source.SetName("File Source");
        source.SetId(CLSID_FileSource);
        ASSERT_TRUE(source.Create());
        IFileSourceFilter* load = nullptr;
        ASSERT_EQ(QueryInterfaceTo(source.GetFilter(), &load), S_OK);
        ASSERT_EQ(load->Load(WideText((m_dir / "tone.wav").string()).c_str(), nullptr), S_OK);
        load->Release();
        writer.SetGraph(&graph);
        writer.SetName("WAV Writer");
        writer.SetId(CLSID_WavFileWriter);
        auto* in = new CFilterPin(&writer, "In", true);
        in->SearchTag("In", true);
        writer.SetInputPin(in);
        ASSERT_TRUE(writer.Create());
        IFileSinkFilter* sink = nullptr;
        ASSERT_EQ(QueryInterfaceTo(writer.GetFilter(), &sink), S_OK);
        ASSERT_EQ(sink->SetFileName(WideText(out.string()).c_str(), nullptr), S_OK);
        sink->Release();
    }
    fs::path m_dir;
    CDirectShowWindow m_window;
};

} // namespace

TEST_F(GraphRunTest, AWavRunsThroughToTheWriterAndCompletesOnce)
{
    for (bool takeOver : {false, true}) {
        CDirectShowGraph graph;
        CDirectShowFilter source;
        COutputFilter writer;
        const fs::path out = m_dir / (takeOver ? "b.wav" : "a.wav");
        Build(graph, source, writer, out);
        CFilterPin audio(&source, "", false);
        audio.SetMediaType(MEDIATYPE_Audio, GUID{});
        ASSERT_TRUE(audio.Connect(writer.GetInputPin(), nullptr));
        EXPECT_TRUE(audio.HasSubType(MEDIASUBTYPE_PCM));
        graph.ConnectSeeker();
        graph.SetVideoWindow(&m_window);
        graph.TurnOffReferenceClock();
        double duration = 0;
        ASSERT_TRUE(graph.GetDuration(duration));
        EXPECT_NEAR(duration, 1.5, 0.01);
        CCompletionTaker taker;
        taker.takeOver = takeOver;
        graph.AddListener(&taker);
        long result = -1;
        ASSERT_TRUE(graph.Play(result));
        ASSERT_TRUE(MvPumpUntil([&] { return taker.completions > 0; }, 10000));
        double position = -1;
        ASSERT_TRUE(graph.GetPosition(position));
        if (takeOver) {
            // Left at its end for the listener that took it over.
            EXPECT_TRUE(graph.IsPlaying());
            EXPECT_NEAR(position, 1.5, 0.05);
            EXPECT_TRUE(graph.Stop());
        } else {
            EXPECT_TRUE(graph.IsStopped());
            // Rewound: the graph and its source both read the new position, not the end.
            EXPECT_NEAR(position, 0, 1e-6);
            ASSERT_TRUE(source.GetPosition(position));
            EXPECT_NEAR(position, 0, 1e-6);
        }
        // Stopped, the graph's threads are over: a second end would be queued by now.
        MvPumpUntilIdle();
        EXPECT_EQ(taker.completions, 1);
        graph.RemoveListener(&taker);
        audio.Release();
        writer.Release();
        source.Release();
        graph.Release();
        EXPECT_GT(fs::file_size(out), 60000u);
    }
}

TEST_F(GraphRunTest, SeekingAndPlayDurationsInSeconds)
{
    CDirectShowGraph graph;
    CDirectShowFilter source;
    COutputFilter writer;
    Build(graph, source, writer, m_dir / "c.wav");
    CFilterPin audio(&source, "", false);
    ASSERT_TRUE(audio.Connect(writer.GetInputPin(), nullptr));
    graph.ConnectSeeker();
    ASSERT_TRUE(graph.SetPosition(0.5));
    double seconds = 0;
    ASSERT_TRUE(graph.GetPosition(seconds));
    EXPECT_NEAR(seconds, 0.5, 1e-6);
    ASSERT_TRUE(graph.SetPlayDuration(0.25));
    ASSERT_TRUE(graph.GetPlayDuration(seconds));
    EXPECT_NEAR(seconds, 0.25, 1e-6);
    ASSERT_TRUE(graph.GetStop(seconds));
    EXPECT_NEAR(seconds, 0.75, 1e-6);
    // A play duration past the end leaves the positions alone.
    EXPECT_FALSE(graph.SetPlayDuration(5));
    ASSERT_TRUE(graph.GetStop(seconds));
    EXPECT_NEAR(seconds, 0.75, 1e-6);
    ASSERT_TRUE(graph.SetStop(1.2));
    ASSERT_TRUE(graph.GetStop(seconds));
    EXPECT_NEAR(seconds, 1.2, 1e-6);
    // Audio has no frames: a step falls back to 1/15 s and reports it.
    ASSERT_TRUE(graph.SetPosition(0.5));
    graph.StepForward();
    ASSERT_TRUE(graph.GetPosition(seconds));
    EXPECT_GT(seconds, 0.5);
    ASSERT_TRUE(graph.ResetPosition());
    ASSERT_TRUE(graph.GetPosition(seconds));
    EXPECT_EQ(seconds, 0);
    // The wrapper answers through the source's own seeking.
    ASSERT_TRUE(source.GetDuration(seconds));
    EXPECT_NEAR(seconds, 1.5, 0.01);
    audio.Release();
}
