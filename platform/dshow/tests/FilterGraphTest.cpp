#include "TestFilters.h"

#include "com/ComRuntime.h"
#include "dshow/AudioRenderer.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/FilterGraph.h"
#include "dshow/FilterRegistry.h"
#include "dshow/PcmConverterFilter.h"
#include "win32/audio/WaveFormat.h"
#include "dshow/WideText.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/audio/WaveOut.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

template <class I>
struct Ptr {
    I* p = nullptr;
    ~Ptr() { SafeRelease(p); }
    I* operator->() const { return p; }
    I** operator&() { return &p; }
    operator I*() const { return p; }
};

class GraphTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        // Render here ends in the null renderer unless a test wants playback.
        DShowUnregisterFilter(CLSID_AudioRender);
        ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph.p)),
                  S_OK);
        ASSERT_EQ(QueryInterfaceTo<IMediaControl>(graph, &control.p), S_OK);
        ASSERT_EQ(QueryInterfaceTo<IMediaEventEx>(graph, &events.p), S_OK);
        ASSERT_EQ(QueryInterfaceTo<IMediaSeeking>(graph, &seeking.p), S_OK);
    }
    void TearDown() override
    {
        SafeRelease(seeking.p);
        SafeRelease(events.p);
        SafeRelease(control.p);
        SafeRelease(graph.p);
        RegisterAudioRenderer();
        CoUninitialize();
    }

    // As the library registers it: in the audio renderers' category too, for the tests after this one.
    static void RegisterAudioRenderer()
    {
        DShowRegisterFilter(CLSID_AudioRender, "Audio Renderer", FilterRole::Renderer, 100, &CAudioRenderer::Create,
                            CLSID_AudioRendererCategory);
    }

    IPin* Pin(IBaseFilter* filter, const char16_t* name)
    {
        IPin* pin = nullptr;
        filter->FindPin(name, &pin);
        pins.push_back(pin);
        return pin;
    }
    // Adds a filter that the graph then holds; the test keeps no reference.
    template <class T>
    T* Add(T* filter, const char16_t* name)
    {
        EXPECT_TRUE(SUCCEEDED(graph->AddFilter(filter, name)));
        filter->Release();
        return filter;
    }
    // A filter created through the class registry and added; null when that fails.
    IBaseFilter* AddByClass(REFCLSID clsid, const char16_t* name)
    {
        IBaseFilter* filter = nullptr;
        if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                    reinterpret_cast<void**>(&filter))))
            return nullptr;
        return Add(filter, name);
    }
    // The next event code, or 0 when none comes within the time-out.
    LONG NextEvent(LONG timeoutMs = 5000)
    {
        LONG code = 0;
        LONG_PTR p1 = 0, p2 = 0;
        if (events->GetEvent(&code, &p1, &p2, timeoutMs) != S_OK) return 0;
        events->FreeEventParams(code, p1, p2);
        return code;
    }

    Ptr<IGraphBuilder> graph;
    Ptr<IMediaControl> control;
    Ptr<IMediaEventEx> events;
    Ptr<IMediaSeeking> seeking;
    std::vector<IPin*> pins;

    ~GraphTest() override
    {
        for (IPin* pin : pins) SafeRelease(pin);
    }
};

TEST_F(GraphTest, NamesAreMadeUniqueAndFiltersFoundByName)
{
    Add(new CNullRenderer, u"Renderer");
    EXPECT_EQ(graph->AddFilter(new CNullRenderer, u"Renderer"), VFW_S_DUPLICATE_NAME);
    Ptr<IBaseFilter> second;
    ASSERT_EQ(graph->FindFilterByName(u"Renderer 0001", &second), S_OK);
    second->Release(); // the reference of `new`
    FILTER_INFO info{};
    second->QueryFilterInfo(&info);
    EXPECT_EQ(NarrowText(info.achName), "Renderer 0001");
    EXPECT_EQ(info.pGraph, static_cast<IFilterGraph*>(graph.p));
    SafeRelease(info.pGraph);

    Ptr<IEnumFilters> list;
    ASSERT_EQ(graph->EnumFilters(&list), S_OK);
    IBaseFilter* found[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(list->Next(3, found, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    for (ULONG i = 0; i < fetched; ++i) found[i]->Release();

    EXPECT_EQ(graph->RemoveFilter(second), S_OK);
    EXPECT_EQ(graph->RemoveFilter(second), VFW_E_NOT_FOUND);
}

TEST_F(GraphTest, DirectConnectionNeedsAnAcceptedType)
{
    auto* source = Add(new CTestSource(3, true), u"Source");
    auto* sink = Add(new CTestSink, u"Sink");
    EXPECT_TRUE(FAILED(graph->ConnectDirect(Pin(source, u"Out"), Pin(sink, u"In"), nullptr)));
    EXPECT_FALSE(sink->PinAt(0)->IsConnected());
}

TEST_F(GraphTest, ConnectInsertsARegisteredTransformAndRemovalUnlinksPeers)
{
    DShowRegisterFilter(CLSID_TestUnpacker, "Unpacker", FilterRole::Transform, 100, &CTestUnpacker::Create);
    auto* source = Add(new CTestSource(3, true), u"Source");
    auto* sink = Add(new CTestSink, u"Sink");
    ASSERT_EQ(graph->Connect(Pin(source, u"Out"), Pin(sink, u"In")), S_OK);
    Ptr<IBaseFilter> unpacker;
    ASSERT_EQ(graph->FindFilterByName(u"Unpacker", &unpacker), S_OK);
    EXPECT_EQ(sink->PinAt(0)->MediaType().subtype, MEDIASUBTYPE_PCM);

    EXPECT_EQ(graph->RemoveFilter(unpacker), S_OK);
    EXPECT_FALSE(source->PinAt(0)->IsConnected());
    EXPECT_FALSE(sink->PinAt(0)->IsConnected());
    DShowUnregisterFilter(CLSID_TestUnpacker);
}

TEST_F(GraphTest, RunDeliversEverythingAndCompletesOnce)
{
    auto* source = Add(new CTestSource(5, false), u"Source");
    auto* sink = Add(new CTestSink, u"Sink");
    ASSERT_EQ(graph->ConnectDirect(Pin(source, u"Out"), Pin(sink, u"In"), nullptr), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    OAFilterState state = -1;
    control->GetState(0, &state);
    EXPECT_EQ(state, State_Running);
    EXPECT_EQ(NextEvent(), EC_COMPLETE);
    EXPECT_EQ(NextEvent(50), 0);
    EXPECT_EQ(sink->bytes, 5 * 1600);
    LONGLONG position = 0, duration = 0;
    seeking->GetCurrentPosition(&position);
    seeking->GetDuration(&duration);
    EXPECT_EQ(position, duration);
    EXPECT_EQ(duration, 5 * kUnitsPerSecond / 10);
    EXPECT_EQ(control->Stop(), S_OK);

    // A second run starts again from the start position.
    sink->bytes = 0;
    ASSERT_EQ(control->Run(), S_OK);
    EXPECT_EQ(NextEvent(), EC_COMPLETE);
    EXPECT_EQ(sink->bytes, 5 * 1600);
}

TEST_F(GraphTest, AStreamThatEndsWhilePausedCompletesOnceTheGraphRuns)
{
    auto* source = Add(new CTestSource(1, false), u"Source");
    auto* sink = Add(new CTestSink, u"Sink");
    ASSERT_EQ(graph->ConnectDirect(Pin(source, u"Out"), Pin(sink, u"In"), nullptr), S_OK);
    // Paused, the source prerolls its one block and its end reaches the sink.
    ASSERT_EQ(control->Pause(), S_OK);
    ASSERT_TRUE(MvPumpUntil([&] { return sink->ended.load(); }, 5000));
    EXPECT_EQ(NextEvent(200), 0) << "no completion while paused";
    ASSERT_EQ(control->Run(), S_OK);
    EXPECT_EQ(NextEvent(), EC_COMPLETE);
    EXPECT_EQ(NextEvent(50), 0);
    // Paused and run again after the end: nothing more to tell.
    ASSERT_EQ(control->Pause(), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    EXPECT_EQ(NextEvent(50), 0);
}

TEST_F(GraphTest, CompletionWaitsForEveryRenderer)
{
    auto* first = Add(new CTestSource(2, false), u"First");
    auto* second = Add(new CTestSource(20, false), u"Second");
    ASSERT_EQ(graph->Render(Pin(first, u"Out")), S_OK);
    ASSERT_EQ(graph->Render(Pin(second, u"Out")), S_OK);
    Ptr<IBaseFilter> renderer;
    ASSERT_EQ(graph->FindFilterByName(u"Null Renderer 0001", &renderer), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    LONG code = 0;
    EXPECT_EQ(events->WaitForCompletion(5000, &code), S_OK);
    EXPECT_EQ(code, EC_COMPLETE);
    // Only once the longer stream has ended.
    EXPECT_EQ(static_cast<CNullRenderer*>(static_cast<IBaseFilter*>(renderer))->ReceivedBytes(), 20 * 1600);
    EXPECT_EQ(NextEvent(), EC_COMPLETE);
    EXPECT_EQ(NextEvent(50), 0);
}

TEST_F(GraphTest, BrokenStreamAbortsTheGraph)
{
    auto* source = Add(new CTestSource(5, false, 2), u"Source");
    auto* sink = Add(new CTestSink, u"Sink");
    ASSERT_EQ(graph->ConnectDirect(Pin(source, u"Out"), Pin(sink, u"In"), nullptr), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    EXPECT_EQ(NextEvent(), EC_ERRORABORT);
    EXPECT_EQ(NextEvent(100), 0);
    EXPECT_EQ(sink->bytes, 2 * 1600);
}

TEST_F(GraphTest, SeekingStartsAndStopsWhereAsked)
{
    auto* source = Add(new CTestSource(10, false), u"Source");
    auto* sink = Add(new CTestSink, u"Sink");
    ASSERT_EQ(graph->ConnectDirect(Pin(source, u"Out"), Pin(sink, u"In"), nullptr), S_OK);
    LONGLONG start = 3 * kUnitsPerSecond / 10, stop = 7 * kUnitsPerSecond / 10;
    ASSERT_EQ(seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, &stop, AM_SEEKING_AbsolutePositioning), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    EXPECT_EQ(NextEvent(), EC_COMPLETE);
    ASSERT_EQ(sink->starts.size(), 4u);
    EXPECT_EQ(sink->starts.front(), start);
    LONGLONG stopAt = 0;
    seeking->GetStopPosition(&stopAt);
    EXPECT_EQ(stopAt, stop);
}

TEST_F(GraphTest, EachEventPostsTheNotifyMessage)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = &DefWindowProcA;
    wc.lpszClassName = "DShowNotifyTest";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, "DShowNotifyTest", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    events->SetNotifyWindow(reinterpret_cast<OAHWND>(window), 0x480, 77);

    auto* source = Add(new CTestSource(1, false), u"Source");
    ASSERT_EQ(graph->Render(Pin(source, u"Out")), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    LONG code = 0;
    ASSERT_EQ(events->WaitForCompletion(5000, &code), S_OK);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, window, 0x480, 0x480, PM_REMOVE));
    EXPECT_EQ(msg.lParam, 77);
    EXPECT_EQ(NextEvent(0), EC_COMPLETE);
    EXPECT_FALSE(PeekMessageA(&msg, window, 0x480, 0x480, PM_REMOVE));
    events->SetNotifyWindow(0, 0, 0);
    DestroyWindow(window);
}

TEST_F(GraphTest, ConnectionsAreRefusedWhileRunning)
{
    auto* source = Add(new CTestSource(50, false), u"Source");
    ASSERT_EQ(graph->Render(Pin(source, u"Out")), S_OK);
    ASSERT_EQ(control->Pause(), S_OK);
    auto* sink = Add(new CTestSink, u"Sink");
    EXPECT_EQ(graph->ConnectDirect(Pin(source, u"Out"), Pin(sink, u"In"), nullptr), VFW_E_NOT_STOPPED);
    EXPECT_EQ(NextEvent(100), 0); // paused: nothing flows
    EXPECT_EQ(control->Stop(), S_OK);
}

TEST_F(GraphTest, ResamplerMakesTheTypeItsOutputIsConnectedWith)
{
    auto* source = Add(new CTestSource(10, false), u"Source");
    IBaseFilter* resampler = AddByClass(CLSID_AudioResampler, u"Audio Resampler");
    ASSERT_NE(resampler, nullptr);
    auto* sink = Add(new CTestSink, u"Sink");
    ASSERT_EQ(graph->ConnectDirect(Pin(source, u"Out"), Pin(resampler, u"Audio In"), nullptr), S_OK);

    // The output offers the input's own format first, then the usual ones.
    Ptr<IEnumMediaTypes> types;
    ASSERT_EQ(Pin(resampler, u"Audio Out")->EnumMediaTypes(&types), S_OK);
    AM_MEDIA_TYPE* first = nullptr;
    ASSERT_EQ(types->Next(1, &first, nullptr), S_OK);
    EXPECT_EQ(reinterpret_cast<WAVEFORMATEX*>(first->pbFormat)->nSamplesPerSec, 8000u);
    DeleteMediaType(first);

    CMediaType wanted;
    MakePcmMediaType(wanted, 16000, 2, 16);
    ASSERT_EQ(graph->ConnectDirect(Pin(resampler, u"Audio Out"), Pin(sink, u"In"), &wanted), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    EXPECT_EQ(NextEvent(), EC_COMPLETE);
    // One second of 8 kHz mono becomes one second of 16 kHz stereo.
    EXPECT_NEAR(double(sink->bytes), 16000.0 * 4, 16000.0 * 4 * 0.02);
    ASSERT_FALSE(sink->starts.empty());
    EXPECT_EQ(sink->starts.front(), 0);
}

TEST_F(GraphTest, ResamplerRefusesAnOutputBeforeItsInput)
{
    IBaseFilter* resampler = AddByClass(CLSID_AudioRechanneler, u"Audio Rechanneler");
    ASSERT_NE(resampler, nullptr);
    auto* sink = Add(new CTestSink, u"Sink");
    EXPECT_TRUE(FAILED(graph->ConnectDirect(Pin(resampler, u"Audio Out"), Pin(sink, u"In"), nullptr)));
}

TEST_F(GraphTest, UntimedRendererCountsSamplesAndFiltersTellThePassedTime)
{
    auto* source = Add(new CTestSource(7, true), u"Source");
    auto* unpacker = Add(new CTestUnpacker, u"Unpacker");
    IBaseFilter* renderer = AddByClass(CLSID_UntimedRenderer, u"Renderer");
    ASSERT_NE(renderer, nullptr);
    ASSERT_EQ(graph->ConnectDirect(Pin(source, u"Out"), Pin(unpacker, u"In"), nullptr), S_OK);
    ASSERT_EQ(graph->ConnectDirect(Pin(unpacker, u"Out"), Pin(renderer, u"In"), nullptr), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    EXPECT_EQ(NextEvent(), EC_COMPLETE);

    Ptr<ISampleCounter> counter;
    ASSERT_EQ(QueryInterfaceTo<ISampleCounter>(renderer, &counter.p), S_OK);
    LONGLONG samples = 0;
    counter->GetSampleCount(&samples);
    EXPECT_EQ(samples, 7);
    for (IBaseFilter* filter : {renderer, static_cast<IBaseFilter*>(unpacker)}) {
        Ptr<IFilterPassTime> passed;
        ASSERT_EQ(QueryInterfaceTo<IFilterPassTime>(filter, &passed.p), S_OK);
        double seconds = 0;
        passed->GetPassTime(&seconds);
        EXPECT_DOUBLE_EQ(seconds, 0.7);
    }
    // A new run starts counting the time again.
    control->Stop();
    ASSERT_EQ(control->Pause(), S_OK);
    Ptr<IFilterPassTime> passed;
    QueryInterfaceTo<IFilterPassTime>(renderer, &passed.p);
    double seconds = -1;
    passed->GetPassTime(&seconds);
    EXPECT_EQ(seconds, 0.0);
    control->Stop();
}

TEST_F(GraphTest, AudioRendererPlaysEverythingAtTheSetVolume)
{
    RegisterAudioRenderer();
    MvWaveOutCapture capture;
    auto* source = Add(new CTestSource(6, false), u"Source");
    ASSERT_EQ(graph->Render(Pin(source, u"Out")), S_OK);
    Ptr<IBasicAudio> audio;
    ASSERT_EQ(QueryInterfaceTo<IBasicAudio>(graph, &audio.p), S_OK);
    ASSERT_EQ(audio->put_Volume(-600), S_OK); // about half the amplitude
    EXPECT_EQ(audio->put_Volume(100), E_INVALIDARG);
    LONG volume = 0;
    audio->get_Volume(&volume);
    EXPECT_EQ(volume, -600);

    ASSERT_EQ(control->Run(), S_OK);
    EXPECT_EQ(NextEvent(), EC_COMPLETE);
    std::string played = capture.Bytes();
    ASSERT_EQ(played.size(), 6u * 1600);
    // Block 4 was filled with bytes of value 4: the sample 0x0404 at about half.
    int16_t sample;
    std::memcpy(&sample, played.data() + 4 * 1600, 2);
    EXPECT_NEAR(sample, 0x0404 * 0.501, 2);
    EXPECT_EQ(capture.Format().nSamplesPerSec, 8000u);
}

TEST_F(GraphTest, StoppingAPausedPlaybackReleasesTheStreamingThread)
{
    RegisterAudioRenderer();
    MvWaveOutUseNullDevice(true);
    auto* source = Add(new CTestSource(100, false), u"Source");
    ASSERT_EQ(graph->Render(Pin(source, u"Out")), S_OK);
    // Paused, the device does not play: the queue fills and holds the source's thread.
    ASSERT_EQ(control->Pause(), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    ASSERT_EQ(control->Pause(), S_OK);
    EXPECT_EQ(control->Stop(), S_OK);
    EXPECT_EQ(NextEvent(100), 0); // a stop is no error
    MvWaveOutUseNullDevice(false);
}

} // namespace
