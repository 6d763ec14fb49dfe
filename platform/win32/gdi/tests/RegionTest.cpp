#include "win32/gdi/Region.h"
#include "win32/gdi/Gdi.h"

#include <gtest/gtest.h>

TEST(Region, CombineModesGiveTheExpectedArea)
{
    struct Case { int mode; int complexity; RECT box; POINT inside; POINT outside; };
    // a = (0,0)-(10,10), b = (5,5)-(15,15)
    const Case cases[] = {
        {RGN_AND, SIMPLEREGION, {5, 5, 10, 10}, {7, 7}, {2, 2}},
        {RGN_OR, COMPLEXREGION, {0, 0, 15, 15}, {12, 12}, {12, 2}},
        {RGN_XOR, COMPLEXREGION, {0, 0, 15, 15}, {2, 2}, {7, 7}},
        {RGN_DIFF, COMPLEXREGION, {0, 0, 10, 10}, {2, 8}, {7, 7}},
        {RGN_COPY, SIMPLEREGION, {0, 0, 10, 10}, {9, 9}, {10, 10}},
    };
    for (const Case& c : cases) {
        HRGN a = CreateRectRgn(0, 0, 10, 10);
        HRGN b = CreateRectRgn(5, 5, 15, 15);
        HRGN out = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(c.complexity, CombineRgn(out, a, b, c.mode)) << c.mode;
        RECT box;
        GetRgnBox(out, &box);
        EXPECT_EQ(c.box.left, box.left) << c.mode;
        EXPECT_EQ(c.box.top, box.top) << c.mode;
        EXPECT_EQ(c.box.right, box.right) << c.mode;
        EXPECT_EQ(c.box.bottom, box.bottom) << c.mode;
        EXPECT_TRUE(PtInRegion(out, c.inside.x, c.inside.y)) << c.mode;
        EXPECT_FALSE(PtInRegion(out, c.outside.x, c.outside.y)) << c.mode;
        DeleteObject(a);
        DeleteObject(b);
        DeleteObject(out);
    }
}

TEST(Region, ExclusiveOrOfSinglePixelsCutsCornersAway)
{
    HRGN region = CreateRectRgn(0, 0, 20, 10);
    HRGN pixel = CreateRectRgn(0, 0, 1, 1);
    for (POINT p : {POINT{0, 0}, POINT{19, 0}, POINT{0, 9}, POINT{19, 9}}) {
        SetRectRgn(pixel, p.x, p.y, p.x + 1, p.y + 1);
        CombineRgn(region, region, pixel, RGN_XOR);
    }
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 19, 9));
    EXPECT_TRUE(PtInRegion(region, 1, 0));
    EXPECT_TRUE(PtInRegion(region, 0, 1));
    RECT box;
    EXPECT_EQ(COMPLEXREGION, GetRgnBox(region, &box));
    EXPECT_EQ(20, box.right);
    // XOR of the same pixel again puts it back.
    SetRectRgn(pixel, 0, 0, 1, 1);
    CombineRgn(region, region, pixel, RGN_XOR);
    EXPECT_TRUE(PtInRegion(region, 0, 0));
    DeleteObject(region);
    DeleteObject(pixel);
}

TEST(Region, ShapesOffsetsAndEquality)
{
    HRGN ellipse = CreateEllipticRgn(0, 0, 20, 20);
    EXPECT_TRUE(PtInRegion(ellipse, 10, 10));
    EXPECT_FALSE(PtInRegion(ellipse, 0, 0));
    EXPECT_TRUE(PtInRegion(ellipse, 0, 10));
    HRGN round = CreateRoundRectRgn(0, 0, 20, 20, 6, 6);
    EXPECT_FALSE(PtInRegion(round, 0, 0));
    EXPECT_TRUE(PtInRegion(round, 3, 0));
    POINT triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    HRGN poly = CreatePolygonRgn(triangle, 3, ALTERNATE);
    EXPECT_TRUE(PtInRegion(poly, 1, 1));
    EXPECT_FALSE(PtInRegion(poly, 8, 8));

    HRGN a = CreateRectRgn(0, 0, 5, 5);
    HRGN b = CreateRectRgn(3, 3, 8, 8);
    EXPECT_FALSE(EqualRgn(a, b));
    EXPECT_EQ(SIMPLEREGION, OffsetRgn(a, 3, 3));
    EXPECT_TRUE(EqualRgn(a, b));
    RECT r{7, 7, 9, 9};
    EXPECT_TRUE(RectInRegion(a, &r));
    r = RECT{8, 8, 9, 9};
    EXPECT_FALSE(RectInRegion(a, &r));
    EXPECT_EQ(ERROR, CombineRgn(a, a, nullptr, RGN_AND));
    for (HRGN h : {ellipse, round, poly, a, b}) DeleteObject(h);
}
