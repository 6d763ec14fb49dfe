#include "GdiCanvas.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiSurface.h"
#include "win32/gdi/Region.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

HBITMAP MakeDib(int width, int height, int bits, void** pixels, const DWORD* masks = nullptr)
{
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bits);
    info.header.biCompression = masks ? BI_BITFIELDS : BI_RGB;
    if (masks) for (int i = 0; i < 3; ++i) info.masks[i] = masks[i];
    return CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, pixels, nullptr, 0);
}

void Fill(HDC dc, RECT r, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

}

TEST(Gdi, BottomUpDibKeepsTheTopRowLastInMemory)
{
    void* bits = nullptr;
    HBITMAP dib = MakeDib(4, 3, 32, &bits);
    ASSERT_NE(nullptr, dib);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib);
    Fill(dc, RECT{0, 0, 4, 1}, kRed);
    auto* p = static_cast<uint8_t*>(bits);
    EXPECT_EQ(0xFF, p[2 * 16 + 2]);  // last row in memory is the picture's top
    EXPECT_EQ(0x00, p[2]);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
}

TEST(Gdi, SixteenBitLayoutsFollowTheirMasks)
{
    const DWORD masks565[3] = {0xF800, 0x07E0, 0x001F};
    struct Case { const DWORD* masks; COLORREF color; uint16_t expected; };
    const Case cases[] = {{masks565, kRed, 0xF800}, {masks565, RGB(0, 255, 0), 0x07E0}, {nullptr, kRed, 0x7C00},
                          {nullptr, RGB(0, 0, 255), 0x001F}};
    for (const Case& c : cases) {
        void* bits = nullptr;
        HBITMAP dib = MakeDib(2, 1, 16, &bits, c.masks);
        ASSERT_NE(nullptr, dib);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, dib);
        SetPixel(dc, 1, 0, c.color);
        EXPECT_EQ(c.expected, static_cast<uint16_t*>(bits)[1]);
        EXPECT_EQ(c.color, GetPixel(dc, 1, 0));
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(dib);
    }
}

TEST(Gdi, BitBltConvertsBetweenDepthsAndStretchBltMirrors)
{
    GdiCanvas source(4, 2, kWhite);
    SetPixel(source.Dc(), 0, 0, kRed);
    for (int depth : {16, 24, 32}) {
        void* bits = nullptr;
        HBITMAP dib = MakeDib(4, 2, depth, &bits);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, dib);
        ASSERT_TRUE(BitBlt(dc, 0, 0, 4, 2, source.Dc(), 0, 0, SRCCOPY));
        EXPECT_EQ(kRed, GetPixel(dc, 0, 0)) << depth;
        EXPECT_EQ(kWhite, GetPixel(dc, 3, 1)) << depth;
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(dib);
    }
    GdiCanvas target(8, 4, kBlack);
    ASSERT_TRUE(StretchBlt(target.Dc(), 0, 0, 8, 4, source.Dc(), 3, 0, -4, 2, SRCCOPY));
    EXPECT_EQ(kRed, target.At(7, 0));  // mirrored and doubled
    EXPECT_EQ(kRed, target.At(6, 1));
    EXPECT_EQ(kWhite, target.At(5, 0));
    EXPECT_EQ(kWhite, target.At(0, 0));
}

TEST(Gdi, OverlappingBlitReadsTheOriginalPixels)
{
    GdiCanvas canvas(6, 1, kWhite);
    SetPixel(canvas.Dc(), 0, 0, kRed);
    SetPixel(canvas.Dc(), 1, 0, kBlack);
    BitBlt(canvas.Dc(), 1, 0, 5, 1, canvas.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(kRed, canvas.At(1, 0));
    EXPECT_EQ(kBlack, canvas.At(2, 0));
    EXPECT_EQ(kWhite, canvas.At(3, 0));
}

TEST(Gdi, RasterOperationsCombinePixels)
{
    GdiCanvas canvas(3, 1, RGB(0x0F, 0xF0, 0x33));
    PatBlt(canvas.Dc(), 0, 0, 1, 1, DSTINVERT);
    PatBlt(canvas.Dc(), 1, 0, 1, 1, BLACKNESS);
    PatBlt(canvas.Dc(), 2, 0, 1, 1, WHITENESS);
    EXPECT_EQ(RGB(0xF0, 0x0F, 0xCC), canvas.At(0, 0));
    EXPECT_EQ(kBlack, canvas.At(1, 0));
    EXPECT_EQ(kWhite, canvas.At(2, 0));

    GdiCanvas source(1, 1, RGB(0xFF, 0x0F, 0x00));
    GdiCanvas target(1, 1, RGB(0x0F, 0x0F, 0x0F));
    BitBlt(target.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, SRCINVERT);
    EXPECT_EQ(RGB(0xF0, 0x00, 0x0F), target.At(0, 0));
    BitBlt(target.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, SRCAND);
    EXPECT_EQ(RGB(0xF0, 0x00, 0x00), target.At(0, 0));
}

TEST(Gdi, MonochromeBlitsUseTheBackgroundAndTextColours)
{
    GdiCanvas colour(2, 1, kWhite);
    SetPixel(colour.Dc(), 1, 0, kRed);
    HBITMAP mono = CreateBitmap(2, 1, 1, 1, nullptr);
    HDC monoDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(monoDc, mono);
    SetBkColor(colour.Dc(), kWhite);
    BitBlt(monoDc, 0, 0, 2, 1, colour.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(kWhite, GetPixel(monoDc, 0, 0));
    EXPECT_EQ(kBlack, GetPixel(monoDc, 1, 0));

    GdiCanvas back(2, 1, kWhite);
    SetTextColor(back.Dc(), RGB(0, 0, 255));
    SetBkColor(back.Dc(), RGB(0, 255, 0));
    BitBlt(back.Dc(), 0, 0, 2, 1, monoDc, 0, 0, SRCCOPY);
    EXPECT_EQ(RGB(0, 255, 0), back.At(0, 0));
    EXPECT_EQ(RGB(0, 0, 255), back.At(1, 0));
    SelectObject(monoDc, old);
    DeleteDC(monoDc);
    DeleteObject(mono);
}

TEST(Gdi, ClipRegionsAndViewportOriginLimitWhereDrawingLands)
{
    GdiCanvas canvas(10, 10, kWhite);
    HRGN clip = CreateRectRgn(0, 0, 10, 10);
    HRGN hole = CreateRectRgn(2, 2, 5, 5);
    CombineRgn(clip, clip, hole, RGN_DIFF);
    EXPECT_EQ(COMPLEXREGION, SelectClipRgn(canvas.Dc(), clip));
    Fill(canvas.Dc(), RECT{0, 0, 10, 10}, kRed);
    EXPECT_EQ(kWhite, canvas.At(3, 3));
    EXPECT_EQ(kRed, canvas.At(6, 6));
    EXPECT_EQ(100 - 9, canvas.Count(kRed));

    SelectClipRgn(canvas.Dc(), nullptr);
    SetViewportOrgEx(canvas.Dc(), 5, 5, nullptr);
    Fill(canvas.Dc(), RECT{-5, -5, -4, -4}, kBlack);
    EXPECT_EQ(kBlack, canvas.At(0, 0));

    // A system clip stays when the application's clip is lifted.
    SetViewportOrgEx(canvas.Dc(), 0, 0, nullptr);
    HRGN system = CreateRectRgn(0, 0, 1, 10);
    GdiSetSystemClip(canvas.Dc(), system);
    SelectClipRgn(canvas.Dc(), nullptr);
    Fill(canvas.Dc(), RECT{0, 0, 10, 10}, RGB(0, 0, 255));
    EXPECT_EQ(10, canvas.Count(RGB(0, 0, 255)));
    RECT box;
    EXPECT_EQ(SIMPLEREGION, GetClipBox(canvas.Dc(), &box));
    EXPECT_EQ(1, box.right);
    GdiSetSystemClip(canvas.Dc(), nullptr);
    DeleteObject(system);
    DeleteObject(clip);
    DeleteObject(hole);
}

TEST(Gdi, FramesFocusRectanglesAndEdges)
{
    GdiCanvas canvas(10, 10, kWhite);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT r{1, 1, 9, 9};
    FrameRect(canvas.Dc(), &r, red);
    EXPECT_EQ(28, canvas.Count(kRed));
    EXPECT_EQ(kRed, canvas.At(8, 8));
    EXPECT_EQ(kWhite, canvas.At(2, 2));
    RECT empty{5, 5, 5, 9};
    FillRect(canvas.Dc(), &empty, red);
    EXPECT_EQ(28, canvas.Count(kRed));

    GdiCanvas focus(10, 10, kWhite);
    DrawFocusRect(focus.Dc(), &r);
    EXPECT_GT(focus.Count(kBlack), 0);
    EXPECT_LT(focus.Count(kBlack), 28);
    DrawFocusRect(focus.Dc(), &r);
    EXPECT_EQ(100, focus.Count(kWhite));

    GdiCanvas edge(10, 10, kBlack);
    RECT e{0, 0, 10, 10};
    DrawEdge(edge.Dc(), &e, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), edge.At(0, 5));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), edge.At(9, 5));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), edge.At(1, 5));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), edge.At(8, 5));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), edge.At(5, 5));
    EXPECT_EQ(2, e.left);
    EXPECT_EQ(8, e.bottom);
    DeleteObject(red);
}

TEST(Gdi, LinesShapesAndPolygons)
{
    GdiCanvas canvas(10, 10, kWhite);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ oldPen = SelectObject(canvas.Dc(), pen);
    MoveToEx(canvas.Dc(), 0, 0, nullptr);
    LineTo(canvas.Dc(), 5, 0);
    EXPECT_EQ(5, canvas.Count(kRed));  // the end point is not drawn
    EXPECT_EQ(kWhite, canvas.At(5, 0));
    POINT at;
    GetCurrentPositionEx(canvas.Dc(), &at);
    EXPECT_EQ(5, at.x);

    GdiCanvas box(10, 10, kWhite);
    SelectObject(box.Dc(), pen);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    HGDIOBJ oldBrush = SelectObject(box.Dc(), blue);
    Rectangle(box.Dc(), 0, 0, 5, 5);
    EXPECT_EQ(16, box.Count(kRed));
    EXPECT_EQ(9, box.Count(RGB(0, 0, 255)));
    EXPECT_EQ(kWhite, box.At(5, 5));

    GdiCanvas triangle(10, 10, kWhite);
    SelectObject(triangle.Dc(), GetStockObject(NULL_PEN));
    SelectObject(triangle.Dc(), blue);
    POINT points[] = {{0, 0}, {10, 0}, {0, 10}};
    Polygon(triangle.Dc(), points, 3);
    EXPECT_EQ(RGB(0, 0, 255), triangle.At(1, 1));
    EXPECT_EQ(kWhite, triangle.At(8, 8));
    int filled = triangle.Count(RGB(0, 0, 255));
    EXPECT_GT(filled, 40);
    EXPECT_LT(filled, 60);
    SelectObject(box.Dc(), oldBrush);
    SelectObject(canvas.Dc(), oldPen);
    SelectObject(box.Dc(), oldPen);
    SelectObject(triangle.Dc(), oldPen);
    SelectObject(triangle.Dc(), oldBrush);
    DeleteObject(pen);
    DeleteObject(blue);
}

TEST(Gdi, GetDIBitsDescribesAndCopiesBitmaps)
{
    HBITMAP bitmap = CreateBitmap(3, 2, 1, 16, nullptr);
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    HDC screen = GdiCreateScreenDc();
    auto* bi = reinterpret_cast<BITMAPINFO*>(&info);
    ASSERT_TRUE(GetDIBits(screen, bitmap, 0, 0, nullptr, bi, DIB_RGB_COLORS));
    EXPECT_EQ(16, info.header.biBitCount);
    EXPECT_EQ(BI_BITFIELDS, info.header.biCompression);
    ASSERT_TRUE(GetDIBits(screen, bitmap, 0, 0, nullptr, bi, DIB_RGB_COLORS));
    EXPECT_EQ(0xF800u, info.masks[0]);

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetPixel(dc, 0, 0, kRed);
    SelectObject(dc, old);
    BITMAPINFO want{};
    want.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    want.bmiHeader.biWidth = 3;
    want.bmiHeader.biHeight = 2;  // bottom-up: scan 0 is the bottom row
    want.bmiHeader.biPlanes = 1;
    want.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> pixels(6, 0xDEADBEEF);
    EXPECT_EQ(2, GetDIBits(screen, bitmap, 0, 2, pixels.data(), &want, DIB_RGB_COLORS));
    EXPECT_EQ(0x00FF0000u, pixels[3] & 0xFFFFFF);
    EXPECT_EQ(0u, pixels[0] & 0xFFFFFF);

    // Bits come out top-down, as long as the bitmap's rows, and go back in the same way.
    BITMAP described;
    ASSERT_EQ(static_cast<int>(sizeof(BITMAP)), GetObjectA(bitmap, sizeof(BITMAP), &described));
    EXPECT_EQ(6, described.bmWidthBytes);
    std::vector<uint8_t> raw(12);
    EXPECT_EQ(12, GetBitmapBits(bitmap, 12, raw.data()));
    EXPECT_EQ(0xF8, raw[1]);
    raw[1] = 0x00;
    raw[0] = 0x1F;
    EXPECT_EQ(12, SetBitmapBits(bitmap, 12, raw.data()));
    old = SelectObject(dc, bitmap);
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(dc, 0, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteDC(screen);
    DeleteObject(bitmap);
}

TEST(Gdi, HandlesAreCheckedAndSelectedObjectsStay)
{
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_FALSE(DeleteObject(bitmap));  // selected
    HDC other = CreateCompatibleDC(nullptr);
    EXPECT_EQ(nullptr, SelectObject(other, bitmap));  // in one DC at a time
    HDC screen = GdiCreateScreenDc();
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), GetObjectType(dc));
    EXPECT_EQ(static_cast<DWORD>(OBJ_DC), GetObjectType(screen));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(bitmap));
    DeleteDC(screen);
    SelectObject(dc, old);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(0u, GetObjectType(bitmap));
    EXPECT_EQ(nullptr, SelectObject(dc, bitmap));
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));
    EXPECT_NE(nullptr, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(nullptr, GetStockObject(99));
    DeleteDC(other);
    DeleteDC(dc);
    EXPECT_FALSE(DeleteDC(dc));
}

TEST(Gdi, FreshMemoryDcsAreMonochromeUntilABitmapIsSelected)
{
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(1, GetDeviceCaps(dc, BITSPIXEL));
    HBITMAP compatible = CreateCompatibleBitmap(dc, 4, 4);
    BITMAP b;
    GetObjectA(compatible, sizeof(b), &b);
    EXPECT_EQ(1, b.bmBitsPixel);
    HDC screen = GdiCreateScreenDc();
    HBITMAP colour = CreateCompatibleBitmap(screen, 4, 4);
    GetObjectA(colour, sizeof(b), &b);
    EXPECT_EQ(32, b.bmBitsPixel);
    EXPECT_EQ(32, GetDeviceCaps(screen, BITSPIXEL));
    DeleteObject(compatible);
    DeleteObject(colour);
    DeleteDC(screen);
    DeleteDC(dc);
}

TEST(Gdi, SaveAndRestoreBringBackTheState)
{
    GdiCanvas canvas(4, 4);
    HBRUSH red = CreateSolidBrush(kRed);
    int saved = SaveDC(canvas.Dc());
    SelectObject(canvas.Dc(), red);
    SetTextColor(canvas.Dc(), kRed);
    SetViewportOrgEx(canvas.Dc(), 2, 2, nullptr);
    EXPECT_FALSE(DeleteObject(red));
    ASSERT_TRUE(RestoreDC(canvas.Dc(), saved));
    EXPECT_EQ(kBlack, GetTextColor(canvas.Dc()));
    POINT origin;
    GetViewportOrgEx(canvas.Dc(), &origin);
    EXPECT_EQ(0, origin.x);
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), GetCurrentObject(canvas.Dc(), OBJ_BRUSH));
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_FALSE(RestoreDC(canvas.Dc(), 5));
}

TEST(Gdi, ScreenDcKeepsWhatIsDrawnOnIt)
{
    SIZE size = GdiGetScreenSize();
    ASSERT_GT(size.cx, 0);
    HDC screen = GdiCreateScreenDc();
    Fill(screen, RECT{0, 0, 2, 2}, RGB(0, 128, 255));
    EXPECT_EQ(RGB(0, 128, 255), GetPixel(screen, 1, 1));
    GdiCanvas copy(2, 2, kBlack);
    BitBlt(copy.Dc(), 0, 0, 2, 2, screen, 0, 0, SRCCOPY);
    EXPECT_EQ(RGB(0, 128, 255), copy.At(0, 0));
    DeleteDC(screen);
}

TEST(Gdi, HostileBitmapSizesFail)
{
    EXPECT_EQ(nullptr, CreateBitmap(100000, 100000, 1, 32, nullptr));
    EXPECT_EQ(nullptr, CreateBitmap(-5, 5, 1, 32, nullptr));
    EXPECT_EQ(nullptr, CreateBitmap(5, 5, 1, 7, nullptr));
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(nullptr, MakeDib(60000, 60000, 32, &bits));
    EXPECT_EQ(nullptr, bits);
}
