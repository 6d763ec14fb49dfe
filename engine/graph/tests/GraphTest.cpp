#include "CDirectShowFilter.h"
#include "CDirectShowGraph.h"
#include "CDirectShowInterface.h"
#include "CDirectShowWindow.h"
#include "CGraphMonitor.h"
#include "CListener.h"

#include "com/ClassRegistry.h"
#include "com/ComRuntime.h"
#include "dshow/AudioRenderer.h"
#include "dshow/DShowInterfaces.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/kernel/Clock.h"
#include "win32/kernel/Threads.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Hears a graph; may take a completion over.
class CRecorder : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        messages.push_back(message);
        if (message == CDirectShowGraph::kGraphCompleteMessage && takeOver)
            *static_cast<LONG*>(const_cast<void*>(p)) = 1;
        if (message == CDirectShowGraph::kGraphEventMessage) eventCodes.push_back(*static_cast<const LONG*>(p));
        if (message == CDirectShowGraph::kGraphErrorAbortMessage) abortWords.push_back(*static_cast<const LONG*>(p));
        return CListener::ListenToMessage(message, p, q);
    }
    int Count(long message) const { return int(std::count(messages.begin(), messages.end(), message)); }
    std::vector<long> messages;
    std::vector<LONG> eventCodes;
    std::vector<LONG> abortWords;
    bool takeOver = false;
};

class GraphTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_TRUE(m_window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0));
        ASSERT_TRUE(m_graph.Create());
        m_graph.SetVideoWindow(&m_window);
        m_graph.AddListener(&m_recorder);
    }
    void TearDown() override
    {
        m_graph.RemoveListener(&m_recorder);
        m_graph.Release();
        m_window.DestroyWindow();
        CoUninitialize();
    }
    // Queues an event in the graph as a filter would.
    void Raise(LONG code)
    {
        IMediaEventSink* sink = nullptr;
        ASSERT_EQ(QueryInterfaceTo(m_graph.GetGraph(), &sink), S_OK);
        sink->Notify(code, 0, 0);
        sink->Release();
    }
    CDirectShowWindow m_window;
    CDirectShowGraph m_graph;
    CRecorder m_recorder;
};

} // namespace

TEST_F(GraphTest, EventsArriveAtTheWindowAndBecomeBroadcasts)
{
    EXPECT_EQ(m_window.GetGraph(), &m_graph);
    Raise(EC_ERRORABORT);
    Raise(EC_PAUSED);
    Raise(EC_COMPLETE);
    ASSERT_TRUE(MvPumpUntil([&] { return m_recorder.Count(CDirectShowGraph::kGraphCompleteMessage) == 1; }));
    MvPumpUntilIdle();
    EXPECT_EQ(m_recorder.Count(CDirectShowGraph::kGraphErrorAbortMessage), 1);
    EXPECT_EQ(m_recorder.abortWords, std::vector<LONG>{0});
    EXPECT_EQ(m_recorder.eventCodes, std::vector<LONG>{EC_PAUSED});
    // One notice per event: nothing is left to take.
    m_graph.HandleEvent(0, 0);
    EXPECT_EQ(m_recorder.Count(CDirectShowGraph::kGraphEventMessage), 1);
}

TEST_F(GraphTest, UnhandledCompletionStopsTheGraphAndATakenOneIsLeftAlone)
{
    for (bool takeOver : {false, true}) {
        m_recorder.takeOver = takeOver;
        long result = 1;
        ASSERT_TRUE(m_graph.Play(result));
        EXPECT_EQ(result, S_OK);
        EXPECT_TRUE(m_graph.IsPlaying());
        // Playing a running graph is refused without a state broadcast.
        m_recorder.messages.clear();
        EXPECT_FALSE(m_graph.Play(result));
        EXPECT_TRUE(m_recorder.messages.empty());
        Raise(EC_COMPLETE);
        ASSERT_TRUE(MvPumpUntil([&] { return m_recorder.Count(CDirectShowGraph::kGraphCompleteMessage) == 1; }));
        EXPECT_EQ(m_graph.IsStopped(), !takeOver) << takeOver;
        EXPECT_EQ(m_recorder.Count(CDirectShowGraph::kGraphStateMessage), takeOver ? 0 : 1);
        m_graph.Stop();
        // A new run may complete again; a released graph leaves its window.
        m_graph.Release();
        EXPECT_EQ(m_window.GetGraph(), nullptr);
        ASSERT_TRUE(m_graph.Create());
        m_graph.SetVideoWindow(&m_window);
    }
}

TEST_F(GraphTest, StateChangesAreBroadcastOnce)
{
    EXPECT_TRUE(m_graph.IsStopped());
    EXPECT_FALSE(m_graph.Stop()); // already stopped
    EXPECT_TRUE(m_graph.Pause());
    EXPECT_TRUE(m_graph.IsPaused());
    EXPECT_FALSE(m_graph.Pause());
    EXPECT_TRUE(m_graph.Stop());
    EXPECT_EQ(m_recorder.Count(CDirectShowGraph::kGraphStateMessage), 2);
    EXPECT_TRUE(m_graph.TurnOffReferenceClock());
    // Without a seeker no position operation works.
    double seconds = 0;
    EXPECT_FALSE(m_graph.GetPosition(seconds));
    EXPECT_FALSE(m_graph.SetStop(1));
    EXPECT_FALSE(m_graph.StepForward());
    EXPECT_FALSE(m_graph.GetDuration(seconds));
    m_graph.ConnectSeeker();
    EXPECT_TRUE(m_graph.SeekerConnected());
    m_graph.ConnectSeeker(); // attached once only
    EXPECT_EQ(m_recorder.Count(CDirectShowGraph::kSeekerAttachedMessage), 1);
    m_graph.ReconnectSeeker();
    EXPECT_EQ(m_recorder.Count(CDirectShowGraph::kSeekerDetachedMessage), 1);
    EXPECT_EQ(m_recorder.Count(CDirectShowGraph::kSeekerAttachedMessage), 2);
    m_graph.Release();
    EXPECT_EQ(m_recorder.Count(CDirectShowGraph::kSeekerDetachedMessage), 2);
    EXPECT_FALSE(m_graph.IsPlaying());
    EXPECT_FALSE(m_graph.IsStopped()); // no graph: no state at all
}

TEST_F(GraphTest, VolumeFollowsASineScale)
{
    CDirectShowFilter renderer;
    renderer.SetGraph(&m_graph);
    renderer.SetName("Audio Renderer");
    renderer.SetId(CLSID_AudioRender);
    ASSERT_TRUE(renderer.Create());
    unsigned char volume = 0;
    for (unsigned char v : {0, 100}) {
        ASSERT_TRUE(m_graph.SetVolume(v));
        ASSERT_TRUE(m_graph.GetVolume(volume));
        EXPECT_EQ(volume, v);
    }
    // Every value reads back as set, the flat top of the scale included.
    for (int v = 0; v <= 100; ++v) {
        ASSERT_TRUE(m_graph.SetVolume(static_cast<unsigned char>(v)));
        ASSERT_TRUE(m_graph.GetVolume(volume));
        EXPECT_EQ(volume, v) << v;
    }
    ASSERT_TRUE(m_graph.SetVolume(150));
    ASSERT_TRUE(m_graph.GetVolume(volume));
    EXPECT_EQ(volume, 100);
    IBasicAudio* audio = nullptr;
    ASSERT_EQ(QueryInterfaceTo(m_graph.GetGraph(), &audio), S_OK);
    LONG level = 1;
    audio->get_Volume(&level);
    EXPECT_EQ(level, 0);
    m_graph.SetVolume(0);
    audio->get_Volume(&level);
    EXPECT_EQ(level, -5000);
    audio->Release();
}

namespace {
int gGraphAttempts = 0;
HRESULT RefuseGraph(REFIID, void** object)
{
    ++gGraphAttempts;
    *object = nullptr;
    return E_OUTOFMEMORY;
}
} // namespace

TEST(GraphCreateTest, AGraphManagerThatCannotBeMadeIsTriedNineTimes)
{
    CoInitialize(nullptr);
    ComClassFactory real = ComRegisterClass(CLSID_FilterGraph, &RefuseGraph);
    const DWORD wait = CDirectShowGraph::sCreateRetryMs;
    CDirectShowGraph::sCreateRetryMs = 1;
    gGraphAttempts = 0;
    CDirectShowGraph graph;
    EXPECT_FALSE(graph.Create());
    EXPECT_EQ(gGraphAttempts, 9);
    EXPECT_EQ(graph.GetGraph(), nullptr);
    ComRegisterClass(CLSID_FilterGraph, real);
    CDirectShowGraph::sCreateRetryMs = wait;
    EXPECT_TRUE(graph.Create());
    EXPECT_FALSE(graph.Create()); // one graph at a time
    graph.Release();
    CoUninitialize();
}

TEST(GraphMonitorTest, StallIsReportedOnlyAfterTheTimeOut)
{
    MvUseVirtualClock(true);
    CGraphMonitor monitor;
    monitor.SetTimeOut(0);
    monitor.SetDuration(10);
    EXPECT_TRUE(monitor.SetPosition(1.0)); // the first position never stalls
    MvAdvanceClock(1);
    EXPECT_FALSE(monitor.SetPosition(1.0));
    EXPECT_TRUE(monitor.SetPosition(1.5)); // moving again
    monitor.SetDuration(10);
    MvAdvanceClock(1);
    EXPECT_TRUE(monitor.SetPosition(1.5)); // first call after a new duration
    monitor.Reset();
    EXPECT_TRUE(monitor.SetPosition(2.0));
    MvAdvanceClock(60000);
    EXPECT_TRUE(monitor.SetPosition(2.0)); // 60 s time-out by default
    MvAdvanceClock(1);
    EXPECT_FALSE(monitor.SetPosition(2.0));
    MvUseVirtualClock(false);
}

namespace {
class CCountingInterface : public CDirectShowInterface {
public:
    void ReflectSeeker() override { ++ticks; }
    int ticks = 0;
};
} // namespace

TEST_F(GraphTest, InterfacePollsWhileASeekerIsAttached)
{
    CCountingInterface ui;
    EXPECT_FALSE(ui.IsPolling());
    ui.SetGraph(&m_graph);
    EXPECT_TRUE(ui.IsPolling());
    ASSERT_TRUE(MvPumpUntil([&] { return ui.ticks >= 2; }, 30000));
    m_graph.ConnectSeeker();
    m_graph.DisconnectSeeker();
    EXPECT_FALSE(ui.IsPolling());
    m_graph.ConnectSeeker();
    EXPECT_TRUE(ui.IsPolling());
    ui.SetGraph(nullptr);
    EXPECT_FALSE(ui.IsPolling());
}
