#include "ControlTestSupport.h"
#include "UDrawingUtils.h"
#include "afx/gdi/CBitmap.h"
#include "afx/gdi/CBrush.h"
#include "afx/gdi/CDC.h"
#include "afx/gdi/CFont.h"
#include "win32/fonts/Font.h"

#include <gtest/gtest.h>

namespace {

TEST(DrawingUtils, SharedObjectsExistOnceFromLoad)
{
    EXPECT_TRUE(UDrawingUtils::sInitialized);
    EXPECT_FALSE(UDrawingUtils::Initialize()) << "created when the library loaded";
    struct { CFont* font; const char* face; LONG height; LONG weight; } fonts[] = {
        {UDrawingUtils::GetFont(), "Arial", -12, 400},
        {UDrawingUtils::GetSmallFont(), "Arial", -10, 400},
        {UDrawingUtils::GetCourier18Bold(), "Courier New", -18, 700},
    };
    for (auto& f : fonts) {
        LOGFONTA lf{};
        ASSERT_TRUE(f.font->GetLogFont(&lf));
        EXPECT_STREQ(lf.lfFaceName, f.face);
        EXPECT_EQ(lf.lfHeight, f.height);
        EXPECT_EQ(lf.lfWeight, f.weight);
        EXPECT_EQ(lf.lfCharSet, UDrawingUtils::GetDefaultCharSet());
    }
    TestCanvas canvas(8, 8);
    CDC* dc = CDC::FromHandle(canvas.Dc());
    struct { CBrush* brush; COLORREF colour; } brushes[] = {
        {&UDrawingUtils::sBlackBrush, RGB(0, 0, 0)},         {&UDrawingUtils::sLightYellowBrush, RGB(255, 255, 128)},
        {UDrawingUtils::GetLightBlueBrush(), RGB(174, 174, 255)}, {UDrawingUtils::GetRedBrush(), RGB(255, 0, 0)},
        {UDrawingUtils::GetWhiteBrush(), RGB(255, 255, 255)},
    };
    for (auto& b : brushes) {
        UDrawingUtils::FillRect(dc, CRect(0, 0, 8, 8), b.brush);
        EXPECT_EQ(canvas.At(3, 3), b.colour);
    }
    AfxDeleteTempMaps();
}

TEST(DrawingUtils, RectanglesWithoutAreaDrawNothing)
{
    TestCanvas canvas(20, 20);
    CDC* dc = CDC::FromHandle(canvas.Dc());
    const RECT empty[] = {{5, 5, 5, 15}, {5, 5, 15, 5}, {15, 5, 5, 15}};
    for (const RECT& r : empty) {
        UDrawingUtils::FillRect(dc, r, RGB(255, 0, 0));
        UDrawingUtils::FillRect(dc, r, UDrawingUtils::GetRedBrush());
        UDrawingUtils::FrameRect(dc, r);
        UDrawingUtils::FrameRect(dc, r, UDrawingUtils::GetRedBrush());
    }
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++) ASSERT_EQ(canvas.At(x, y), RGB(255, 255, 255)) << x << "," << y;

    UDrawingUtils::FillRect(dc, RECT{2, 2, 6, 6}, RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(5, 5), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(6, 6), RGB(255, 255, 255));
    UDrawingUtils::FrameRect(dc, RECT{10, 10, 16, 16});
    EXPECT_EQ(canvas.At(10, 12), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(15, 15), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(12, 12), RGB(255, 255, 255)) << "a frame, not a fill";
    AfxDeleteTempMaps();
}

TEST(DrawingUtils, ArrowTipLiesAtTheEndAndTurnsWithTheLine)
{
    // The head's corners lie size back along the line and size/2 to either side.
    TestCanvas canvas(120, 120);
    CDC* dc = CDC::FromHandle(canvas.Dc());
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    SelectObject(canvas.Dc(), black);
    UDrawingUtils::LineWithArrow(dc, POINT{0, 20}, POINT{100, 20}, 10);
    EXPECT_EQ(canvas.At(92, 16), RGB(0, 0, 0)) << "inside (100,20) (90,15) (90,25)";
    EXPECT_EQ(canvas.At(92, 24), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(88, 16), RGB(255, 255, 255)) << "behind the head";
    EXPECT_EQ(canvas.At(50, 20), RGB(0, 0, 0)) << "the line";
    EXPECT_EQ(canvas.At(50, 18), RGB(255, 255, 255));

    TestCanvas down(120, 120);
    SelectObject(down.Dc(), black);
    UDrawingUtils::LineWithArrow(CDC::FromHandle(down.Dc()), POINT{50, 0}, POINT{50, 100}, 10);
    EXPECT_EQ(down.At(46, 92), RGB(0, 0, 0)) << "inside (50,100) (55,90) (45,90)";
    EXPECT_EQ(down.At(54, 92), RGB(0, 0, 0));
    EXPECT_EQ(down.At(46, 88), RGB(255, 255, 255));
    AfxDeleteTempMaps();
}

TEST(DrawingUtils, BitmapIsCentredOnThePoint)
{
    TestCanvas canvas(100, 100);
    std::vector<uint32_t> red(9 * 5, 0x00FF0000);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(9, 5, 1, 32, red.data()));
    UDrawingUtils::DrawBitmap(CDC::FromHandle(canvas.Dc()), &bitmap, 50, 50);
    EXPECT_EQ(canvas.At(46, 48), RGB(255, 0, 0)) << "top-left corner";
    EXPECT_EQ(canvas.At(54, 52), RGB(255, 0, 0)) << "bottom-right corner";
    EXPECT_EQ(canvas.At(45, 48), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(46, 47), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(55, 52), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(54, 53), RGB(255, 255, 255));
    AfxDeleteTempMaps();
}

TEST(DrawingUtils, PointsTruncateTowardZero)
{
    POINT p = UDrawingUtils::TranslatePoint(RealPoint{2.9, -2.9});
    EXPECT_EQ(p.x, 2);
    EXPECT_EQ(p.y, -2);
    RealPoint r = UDrawingUtils::TranslatePoint(POINT{-3, 7});
    EXPECT_TRUE(UDrawingUtils::Equal(r, RealPoint{-3, 7}));
    EXPECT_FALSE(UDrawingUtils::Equal(r, RealPoint{-3, 7.0000001}));
}

TEST(DrawingUtils, RefreshInvalidatesWithoutErasing)
{
    TestParent parent;
    ASSERT_TRUE(parent.Make());
    MvPumpUntilIdle();
    UDrawingUtils::Refresh(nullptr);
    UDrawingUtils::Refresh(&parent);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(parent, &update, FALSE));
    EXPECT_EQ(update.right, 400);
}

} // namespace
