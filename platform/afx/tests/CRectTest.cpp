#include "afx/CRect.h"

#include <gtest/gtest.h>

namespace {

struct Overlap {
    CRect a, b;
    bool meets;
    CRect both;    // intersection
    CRect around;  // union
};

TEST(CRect, IntersectionAndUnion)
{
    const Overlap cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, true, {5, 5, 10, 10}, {0, 0, 15, 15}},
        // Right and bottom lie outside: rectangles that touch share nothing.
        {{0, 0, 10, 10}, {10, 0, 20, 10}, false, {}, {0, 0, 20, 10}},
        {{0, 0, 10, 10}, {2, 3, 4, 5}, true, {2, 3, 4, 5}, {0, 0, 10, 10}},
        // An empty operand does not stretch the union.
        {{0, 0, 10, 10}, {50, 50, 50, 60}, false, {}, {0, 0, 10, 10}},
        {{-20, -10, -5, -1}, {-8, -4, 3, 3}, true, {-8, -4, -5, -1}, {-20, -10, 3, 3}},
    };
    for (const Overlap& c : cases) {
        CRect both(99, 99, 100, 100), around;
        EXPECT_EQ(both.IntersectRect(&c.a, &c.b), c.meets);
        EXPECT_EQ(both, c.both);
        EXPECT_EQ(c.a & c.b, c.both);
        EXPECT_TRUE(around.UnionRect(&c.a, &c.b));
        EXPECT_EQ(around, c.around);
        EXPECT_EQ(c.a | c.b, c.around);
    }
    CRect none;
    CRect empty1(5, 5, 5, 9), empty2(1, 1, 0, 0);
    EXPECT_FALSE(none.UnionRect(&empty1, &empty2));
    EXPECT_TRUE(none.IsRectNull());
    // A rectangle may be intersected with itself in place.
    CRect self(0, 0, 8, 8), other(4, 4, 12, 12);
    EXPECT_TRUE(self.IntersectRect(&self, &other));
    EXPECT_EQ(self, CRect(4, 4, 8, 8));
}

TEST(CRect, GeometryOfOneRectangle)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20))) << "the right edge is outside";
    EXPECT_FALSE(r.PtInRect(CPoint(10, 70))) << "the bottom edge is outside";

    CRect moved = r + CPoint(-10, 5);
    EXPECT_EQ(moved, CRect(0, 25, 100, 75));
    moved.MoveToXY(3, 4);
    EXPECT_EQ(moved, CRect(3, 4, 103, 54)) << "moving keeps the size";
    moved.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(moved, CRect(4, 6, 100, 50));
    moved.InflateRect(CSize(4, 6));
    EXPECT_EQ(moved, CRect(0, 0, 104, 56));

    CRect flipped(30, 40, 10, 5);
    EXPECT_TRUE(flipped.IsRectEmpty());
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(10, 5, 30, 40));
    EXPECT_EQ(CRect(CPoint(2, 3), CSize(4, 5)), CRect(2, 3, 6, 8));
    EXPECT_EQ(CRect(static_cast<const RECT*>(nullptr)), CRect());
}

TEST(CPoint, PackedMessagePointsKeepTheirSign)
{
    // Mouse messages carry 16-bit signed coordinates; left of or above a window they are negative.
    EXPECT_EQ(CPoint(static_cast<LPARAM>(MAKELONG(-3, 7))), CPoint(-3, 7));
    EXPECT_EQ(CPoint(static_cast<LPARAM>(MAKELONG(400, -1))), CPoint(400, -1));
    CPoint p(5, 6);
    p += CPoint(1, -10);
    EXPECT_EQ(p, CPoint(6, -4));
    EXPECT_EQ(-p, CPoint(-6, 4));
    EXPECT_EQ(CSize(3, 4) + CSize(1, 1), CSize(4, 5));
    EXPECT_EQ(CSize(3, 4) - CSize(5, 1), CSize(-2, 3));
}

} // namespace
