#include "CObviousDragIndicator.h"
#include "CScreenCapture.h"
#include "ScreenPaint.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiSurface.h"
#include "win32/gdi/Icon.h"
#include "win32/Messages.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

namespace {

// The headless screen raster stands in for a display while these tests capture it.
class RasterCapture {
public:
    RasterCapture() { MvLetScreenRasterBeCaptured(true); }
    ~RasterCapture() { MvLetScreenRasterBeCaptured(false); }
};

uint32_t FramePixel(CScreenCapture& capture, int x, int y)
{
    const BYTE* p = capture.GetBuffer() + (size_t(capture.GetBitmapHeight() - 1 - y) * capture.GetBitmapWidth() + x) * 4;
    return RGB(p[2], p[1], p[0]);
}

}

TEST(ScreenCapture, SizesFollowTheBlockSize)
{
    RasterCapture raster;
    CScreenCapture capture;
    EXPECT_EQ(kColorArgb32, capture.GetColor());
    EXPECT_EQ(1364, capture.AdjustWidth(1366, false));
    EXPECT_EQ(1368, capture.AdjustWidth(1366, true));
    EXPECT_EQ(32, capture.AdjustWidth(30, true));
    EXPECT_EQ(104, capture.AdjustWidth(101, true));
    capture.SetBlockSize(3);
    EXPECT_EQ(4, capture.GetBlockSize());
    capture.SetBlockSize(64);
    EXPECT_EQ(64, capture.GetBlockSize());
    capture.SetBlockSize(4);

    capture.SetCapture(kCaptureScreen);
    EXPECT_EQ(capture.AdjustWidth(capture.GetScreenWidth(), false), capture.GetWidth());
    capture.SetCapture(kCaptureRegion);
    capture.SetWidth(101);
    capture.SetHeight(30);
    EXPECT_EQ(104, capture.GetWidth());
    EXPECT_EQ(32, capture.GetHeight());
    capture.SetX(capture.GetScreenWidth() - 50);
    EXPECT_EQ(capture.GetScreenWidth() - 104, capture.GetX());
}

TEST(ScreenCapture, MouseRegionStaysOnTheScreen)
{
    RasterCapture raster;
    CScreenCapture capture;
    capture.SetCapture(kCaptureMouse);
    capture.SetWidth(200);
    capture.SetHeight(100);
    SetCursorPos(10, 300);
    EXPECT_EQ(0, capture.GetX());
    EXPECT_EQ(250, capture.GetY());
    SetCursorPos(capture.GetScreenWidth() - 50, 10);
    EXPECT_EQ(capture.GetScreenWidth() - 200, capture.GetX());
    EXPECT_EQ(0, capture.GetY());
}

TEST(ScreenCapture, CapturesARegionAndWhitensTheRestOfTheFrame)
{
    RasterCapture raster;
    FillScreen(RECT{0, 0, 400, 300}, RGB(0, 0, 0));
    FillScreen(RECT{10, 20, 11, 21}, RGB(255, 0, 0));
    CScreenCapture capture;
    capture.SetCapture(kCaptureRegion);
    capture.SetWidth(320);
    capture.SetHeight(240);
    capture.SetBitmapWidth(400);
    EXPECT_EQ(400, capture.GetBitmapWidth());
    EXPECT_EQ(240, capture.GetBitmapHeight());
    ASSERT_TRUE(capture.Capture());
    EXPECT_EQ(RGB(255, 0, 0), FramePixel(capture, 10, 20));
    EXPECT_EQ(RGB(0, 0, 0), FramePixel(capture, 319, 239));
    for (int x : {320, 350, 399}) EXPECT_EQ(RGB(255, 255, 255), FramePixel(capture, x, 100)) << x;
}

TEST(ScreenCapture, DrawsThePointerWhenAsked)
{
    RasterCapture raster;
    FillScreen(RECT{0, 0, 200, 200}, RGB(0, 0, 255));
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    SetCursorPos(50, 60);
    CScreenCapture capture;
    capture.SetCapture(kCaptureRegion);
    capture.SetWidth(128);
    capture.SetHeight(128);
    capture.SetWantCursor(true);
    ASSERT_TRUE(capture.Capture());
    EXPECT_EQ(RGB(0, 0, 0), FramePixel(capture, 50, 60));  // the arrow's tip is its hot spot
    capture.SetWantCursor(false);
    ASSERT_TRUE(capture.Capture());
    EXPECT_EQ(RGB(0, 0, 255), FramePixel(capture, 50, 60));
    SetCursor(previous);
}

TEST(ScreenCapture, WithoutADisplayCaptureFails)
{
    if (GdiScreenIsDisplay()) GTEST_SKIP() << "a real display is reachable";
    CScreenCapture capture;
    capture.SetCapture(kCaptureRegion);
    capture.SetWidth(32);
    capture.SetHeight(32);
    EXPECT_FALSE(capture.Capture());
}

TEST(ScreenCapture, NothingToCaptureIsReportedAsFailure)
{
    RasterCapture raster;
    CScreenCapture capture;
    capture.SetCapture(kCaptureWindow);
    capture.SetWindow(nullptr);
    EXPECT_FALSE(capture.Capture());

    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "MvCaptureTarget";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, "MvCaptureTarget", "", WS_POPUP | WS_VISIBLE, 20, 30, 64, 48, nullptr,
                                  nullptr, nullptr, nullptr);
    capture.SetWindow(window);
    EXPECT_EQ(64, capture.GetWidth());
    EXPECT_EQ(20, capture.GetX());
    EXPECT_TRUE(capture.Capture());
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_FALSE(capture.Capture());
    DestroyWindow(window);

    // A frame buffer that cannot be made is no frame either.
    CScreenCapture huge;
    huge.SetBitmapWidth(65535);
    huge.SetBitmapHeight(65535);
    EXPECT_FALSE(huge.Capture());
}

TEST(DragIndicator, FocusFrameIsDrawnAndErased)
{
    FillScreen(RECT{0, 0, 100, 100}, RGB(255, 255, 255));
    CDragIndicator indicator(nullptr);
    RECT r;
    EXPECT_FALSE(indicator.GetDrawRect(r));
    indicator.Drag(40, 40);
    EXPECT_FALSE(indicator.IsDrawn());
    indicator.Drag(10, 20);
    ASSERT_TRUE(indicator.GetDrawRect(r));
    EXPECT_EQ(10, r.left);
    EXPECT_EQ(40, r.bottom);
    EXPECT_TRUE(indicator.IsDrawn());
    EXPECT_EQ(RGB(0, 0, 0), ScreenPixel(10, 20));
    indicator.Undraw();
    EXPECT_EQ(RGB(255, 255, 255), ScreenPixel(10, 20));
}

TEST(DragIndicator, ObviousIndicatorFramesInGreenAndRestoresTheScreen)
{
    RasterCapture raster;
    const COLORREF green = RGB(0, 196, 0), back = RGB(255, 255, 0);
    FillScreen(RECT{0, 0, 200, 200}, back);
    CObviousDragIndicator indicator(nullptr);
    ASSERT_TRUE(indicator.HasSnapshot());
    indicator.Move(10, 10, 15, 40);  // 5 wide: filled
    EXPECT_EQ(green, ScreenPixel(12, 25));
    indicator.Undraw();
    EXPECT_EQ(back, ScreenPixel(12, 25));

    indicator.Move(50, 50, 90, 90);  // 40 x 40: a 2-pixel frame with 6 x 6 corners
    EXPECT_EQ(green, ScreenPixel(50, 70));
    EXPECT_EQ(green, ScreenPixel(51, 70));
    EXPECT_EQ(back, ScreenPixel(52, 70));
    EXPECT_EQ(green, ScreenPixel(55, 55));
    EXPECT_EQ(back, ScreenPixel(56, 56));
    EXPECT_EQ(green, ScreenPixel(89, 89));
    EXPECT_EQ(back, ScreenPixel(70, 70));

    // Undraw copies the snapshot back even over what was drawn by others.
    indicator.Undraw();
    FillScreen(RECT{100, 100, 110, 110}, RGB(1, 2, 3));
    indicator.Undraw();
    EXPECT_EQ(back, ScreenPixel(105, 105));
    EXPECT_EQ(back, ScreenPixel(50, 70));
}
