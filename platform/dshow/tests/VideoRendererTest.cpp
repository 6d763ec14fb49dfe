// The video renderer draws the pictures of a running graph into its owner window.
#include "com/ComRuntime.h"
#include "dshow/FilterGraph.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"
#include "dshow/renderers/RendererIds.h"
#include "dshow/sources/SourceIds.h"
#include "dshow/VideoWindowInterfaces.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

COLORREF PixelOf(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

// A test picture source wired to the renderer, which draws into an 80 x 60 owner window.
class RendererGraph {
public:
    RendererGraph()
    {
        CoInitialize(nullptr);
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "MvVideoOwner";
        RegisterClassA(&wc);
        owner = CreateWindowExA(0, "MvVideoOwner", "", WS_POPUP | WS_VISIBLE, 0, 0, 80, 60, nullptr, nullptr,
                                nullptr, nullptr);
    }
    ~RendererGraph()
    {
        if (control) control->Stop();
        for (IUnknown* held : {static_cast<IUnknown*>(counter), static_cast<IUnknown*>(control),
                               static_cast<IUnknown*>(source), static_cast<IUnknown*>(renderer),
                               static_cast<IUnknown*>(graph)})
            if (held) held->Release();
        if (owner) DestroyWindow(owner);
        CoUninitialize();
    }

    // The owner is given to the renderer itself, or to the graph before the renderer joins it.
    void Build(bool ownerThroughGraph = false)
    {
        ASSERT_NE(owner, nullptr);
        ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph)),
                  S_OK);
        if (ownerThroughGraph) {
            IVideoWindow* window = nullptr;
            ASSERT_EQ(QueryInterfaceTo<IVideoWindow>(graph, &window), S_OK);
            window->put_Owner(reinterpret_cast<OAHWND>(owner));
            window->SetWindowPosition(0, 0, 80, 60);
            window->Release();
        }
        ASSERT_EQ(CoCreateInstance(CLSID_VideoTestSource, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                   reinterpret_cast<void**>(&source)),
                  S_OK);
        ASSERT_EQ(CoCreateInstance(CLSID_VideoMixingRenderer9, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                   reinterpret_cast<void**>(&renderer)),
                  S_OK);
        IVideoTestSettings* pattern = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IVideoTestSettings>(source, &pattern), S_OK);
        pattern->SetPattern(1); // a grey ramp, black on the left, white on the right
        pattern->Release();
        ASSERT_EQ(graph->AddFilter(source, u"Video Test"), S_OK);
        ASSERT_EQ(graph->AddFilter(renderer, u"Video Renderer"), S_OK);
        IPin* out = nullptr;
        IPin* in = nullptr;
        ASSERT_EQ(source->FindPin(u"Video", &out), S_OK);
        ASSERT_EQ(renderer->FindPin(u"Input", &in), S_OK);
        ASSERT_EQ(graph->ConnectDirect(out, in, nullptr), S_OK);
        out->Release();
        in->Release();

        if (!ownerThroughGraph) {
            IVideoWindow* window = nullptr;
            ASSERT_EQ(QueryInterfaceTo<IVideoWindow>(renderer, &window), S_OK);
            window->put_Owner(reinterpret_cast<OAHWND>(owner));
            window->SetWindowPosition(0, 0, 80, 60);
            window->Release();
        }
        ASSERT_EQ(QueryInterfaceTo<IMediaControl>(graph, &control), S_OK);
        ASSERT_EQ(QueryInterfaceTo<ISampleCounter>(renderer, &counter), S_OK);
    }

    LONGLONG Shown()
    {
        LONGLONG shown = 0;
        counter->GetSampleCount(&shown);
        return shown;
    }
    // The ramp is on screen: dark at the left edge, bright at the right.
    bool RampShown() { return GetRValue(PixelOf(owner, 1, 30)) < 40 && GetRValue(PixelOf(owner, 78, 30)) > 215; }

    HWND owner = nullptr;
    IGraphBuilder* graph = nullptr;
    IBaseFilter* source = nullptr;
    IBaseFilter* renderer = nullptr;
    IMediaControl* control = nullptr;
    ISampleCounter* counter = nullptr;
};

template <class Condition>
bool WaitUntil(Condition condition)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

TEST(VideoRendererTest, DrawsThePicturesIntoTheOwnerWindow)
{
    RendererGraph g;
    ASSERT_NO_FATAL_FAILURE(g.Build());
    IBasicVideo* video = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IBasicVideo>(g.renderer, &video), S_OK);
    LONG width = 0, height = 0;
    EXPECT_EQ(video->GetVideoSize(&width, &height), S_OK);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 240);
    video->Release();

    ASSERT_EQ(g.control->Run(), S_OK);
    WaitUntil([&] { return g.Shown() >= 2; });
    const LONGLONG shown = g.Shown();
    // Shown at their times: a few pictures take their share of a second, not all 250 at once.
    EXPECT_LT(shown, 100);
    g.control->Stop();
    ASSERT_GE(shown, 2);
    EXPECT_TRUE(g.RampShown());
}

TEST(VideoRendererTest, APausedGraphShowsThePictureItHolds)
{
    RendererGraph g;
    // A player's window is given to its graph before the renderer is added.
    ASSERT_NO_FATAL_FAILURE(g.Build(true));
    ASSERT_TRUE(SUCCEEDED(g.control->Pause()));
    EXPECT_TRUE(WaitUntil([&] { return g.RampShown(); }));
    // Held, not yet played.
    EXPECT_EQ(0, g.Shown());
    ASSERT_EQ(g.control->Run(), S_OK);
    EXPECT_TRUE(WaitUntil([&] { return g.Shown() >= 1; }));
}

TEST(VideoRendererTest, TheHeldPictureIsDrawnAgainAfterTheOwnerPaintedOverIt)
{
    RendererGraph g;
    ASSERT_NO_FATAL_FAILURE(g.Build(true));
    ASSERT_TRUE(SUCCEEDED(g.control->Pause()));
    ASSERT_TRUE(WaitUntil([&] { return g.RampShown(); }));
    // The owner paints its background, as when it is shown or uncovered, and passes the paint on.
    HDC dc = GetDC(g.owner);
    RECT all{0, 0, 80, 60};
    HBRUSH grey = CreateSolidBrush(RGB(0x40, 0x40, 0x40));
    FillRect(dc, &all, grey);
    DeleteObject(grey);
    ReleaseDC(g.owner, dc);
    ASSERT_FALSE(g.RampShown());
    IVideoWindow* window = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IVideoWindow>(g.graph, &window), S_OK);
    EXPECT_EQ(S_OK, window->NotifyOwnerMessage(reinterpret_cast<OAHWND>(g.owner), WM_PAINT, 0, 0));
    window->Release();
    EXPECT_TRUE(g.RampShown());
}

} // namespace
