#include <gtest/gtest.h>

#include "UColorSpace.h"

TEST(ColorSpace, LumaAndChromaOfGreys)
{
    EXPECT_EQ(UColorSpace::RGBtoY(0, 0, 0), 16);
    EXPECT_EQ(UColorSpace::RGBtoY(255, 255, 255), 235);
    for (int v : {0, 1, 77, 128, 200, 255}) {
        EXPECT_EQ(UColorSpace::RGBtoCb(BYTE(v), BYTE(v), BYTE(v)), 128) << v;
        EXPECT_EQ(UColorSpace::RGBtoCr(BYTE(v), BYTE(v), BYTE(v)), 128) << v;
    }
}
