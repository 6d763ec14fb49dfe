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

TEST(VideoRendererTest, DrawsThePicturesIntoTheOwnerWindow)
{
    CoInitialize(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "MvVideoOwner";
    RegisterClassA(&wc);
    HWND owner = CreateWindowExA(0, "MvVideoOwner", "", WS_POPUP | WS_VISIBLE, 0, 0, 80, 60, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(owner, nullptr);

    IGraphBuilder* graph = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                               reinterpret_cast<void**>(&graph)),
              S_OK);
    IBaseFilter* source = nullptr;
    IBaseFilter* renderer = nullptr;
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

    IVideoWindow* window = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IVideoWindow>(renderer, &window), S_OK);
    window->put_Owner(reinterpret_cast<OAHWND>(owner));
    window->SetWindowPosition(0, 0, 80, 60);
    window->Release();
    IBasicVideo* video = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IBasicVideo>(renderer, &video), S_OK);
    LONG width = 0, height = 0;
    EXPECT_EQ(video->GetVideoSize(&width, &height), S_OK);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 240);
    video->Release();

    IMediaControl* control = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IMediaControl>(graph, &control), S_OK);
    ISampleCounter* counter = nullptr;
    ASSERT_EQ(QueryInterfaceTo<ISampleCounter>(renderer, &counter), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    LONGLONG shown = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (shown < 2 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        counter->GetSampleCount(&shown);
    }
    // Shown at their times: a few pictures take their share of a second, not all 250 at once.
    EXPECT_LT(shown, 100);
    control->Stop();
    ASSERT_GE(shown, 2);
    EXPECT_LT(GetRValue(PixelOf(owner, 1, 30)), 40);
    EXPECT_GT(GetRValue(PixelOf(owner, 78, 30)), 215);
    counter->Release();
    control->Release();
    source->Release();
    renderer->Release();
    graph->Release();
    DestroyWindow(owner);
    CoUninitialize();
}

} // namespace
