#include "win32/gdi/Rect.h"

#include <gtest/gtest.h>

TEST(Rect, IntersectionAndUnionOfHalfOpenRectangles)
{
    struct Case { RECT a, b; BOOL meets; RECT both; RECT either; };
    const Case cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {5, 5, 10, 10}, {0, 0, 15, 15}},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, {0, 0, 0, 0}, {0, 0, 20, 10}},  // touching edges do not meet
        {{0, 0, 10, 10}, {3, 3, 3, 8}, FALSE, {0, 0, 0, 0}, {0, 0, 10, 10}},     // an empty one adds nothing
        {{2, 2, 4, 4}, {0, 0, 10, 10}, TRUE, {2, 2, 4, 4}, {0, 0, 10, 10}},
    };
    for (const Case& c : cases) {
        RECT r;
        EXPECT_EQ(c.meets, IntersectRect(&r, &c.a, &c.b));
        EXPECT_TRUE(EqualRect(&r, &c.both));
        EXPECT_TRUE(UnionRect(&r, &c.a, &c.b));
        EXPECT_TRUE(EqualRect(&r, &c.either));
    }
    RECT r{0, 0, 10, 10};
    EXPECT_TRUE(PtInRect(&r, POINT{0, 0}));
    EXPECT_FALSE(PtInRect(&r, POINT{10, 5}));
    InflateRect(&r, -5, -5);
    EXPECT_TRUE(IsRectEmpty(&r));
    OffsetRect(&r, 3, 4);
    EXPECT_EQ(8, r.left);
    EXPECT_EQ(9, r.top);
}
