#include "GdiCanvas.h"
#include "win32/fonts/Font.h"
#include "win32/gdi/Gdi.h"

#include <gtest/gtest.h>
#include <cstring>

namespace {

struct FontScope {
    FontScope(HDC dc, int height, int weight = FW_NORMAL, const char* face = "Arial") : dc(dc)
    {
        font = CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
        old = SelectObject(dc, font);
    }
    ~FontScope()
    {
        SelectObject(dc, old);
        DeleteObject(font);
    }
    HDC dc;
    HFONT font;
    HGDIOBJ old;
};

SIZE Extent(HDC dc, const char* text)
{
    SIZE size{-1, -1};
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size));
    return size;
}

}

TEST(Font, MetricsFollowTheRequestedHeight)
{
    GdiCanvas canvas(10, 10);
    for (int height : {-10, -12, -18, -40}) {
        FontScope scope(canvas.Dc(), height);
        TEXTMETRICA m;
        ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &m));
        EXPECT_GE(m.tmHeight, -height) << height;
        EXPECT_LE(m.tmHeight, -height * 3 / 2 + 2) << height;
        EXPECT_EQ(m.tmHeight, m.tmAscent + m.tmDescent);
        EXPECT_GT(m.tmAveCharWidth, 0);
    }
    // A positive height asks for the whole cell.
    FontScope cell(canvas.Dc(), 20);
    TEXTMETRICA m;
    GetTextMetricsA(canvas.Dc(), &m);
    EXPECT_NEAR(20, m.tmHeight, 2);
    char face[LF_FACESIZE];
    EXPECT_GT(GetTextFaceA(canvas.Dc(), LF_FACESIZE, face), 0);
    EXPECT_STREQ("Arial", face);
    char cut[4];
    EXPECT_EQ(GetTextFaceA(canvas.Dc(), sizeof cut, cut), 3) << "cut to the buffer";
    EXPECT_STREQ("Ari", cut);
    EXPECT_EQ(GetTextFaceA(canvas.Dc(), 0, nullptr), 6) << "the size a whole name needs";
}

TEST(Font, TextIsMeasuredByItsGlyphs)
{
    GdiCanvas canvas(10, 10);
    FontScope scope(canvas.Dc(), -12);
    SIZE wide = Extent(canvas.Dc(), "WWWW");
    SIZE narrow = Extent(canvas.Dc(), "iiii");
    EXPECT_GT(wide.cx, narrow.cx);
    EXPECT_EQ(Extent(canvas.Dc(), "ab").cx + Extent(canvas.Dc(), "cd").cx, Extent(canvas.Dc(), "abcd").cx);
    EXPECT_EQ(0, Extent(canvas.Dc(), "").cx);
    EXPECT_GT(Extent(canvas.Dc(), "caf\xC3\xA9").cx, Extent(canvas.Dc(), "caf").cx);
    FontScope bold(canvas.Dc(), -24, FW_BOLD);
    EXPECT_GT(Extent(canvas.Dc(), "WWWW").cx, wide.cx);
}

TEST(Font, TextOutDrawsInsideItsCellOnly)
{
    GdiCanvas canvas(100, 40);
    FontScope scope(canvas.Dc(), -16);
    SetTextColor(canvas.Dc(), RGB(0, 0, 0));
    SetBkMode(canvas.Dc(), TRANSPARENT);
    ASSERT_TRUE(TextOutA(canvas.Dc(), 10, 10, "Hello", 5));
    SIZE size = Extent(canvas.Dc(), "Hello");
    int inside = 0, outside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) {
            bool ink = canvas.At(x, y) != RGB(255, 255, 255);
            bool inCell = x >= 10 && x < 10 + size.cx && y >= 10 && y < 10 + size.cy;
            (inCell ? inside : outside) += ink;
        }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(0, outside);

    // Opaque mode paints the cell's background.
    GdiCanvas opaque(100, 40);
    FontScope again(opaque.Dc(), -16);
    SetBkColor(opaque.Dc(), RGB(0, 0, 255));
    TextOutA(opaque.Dc(), 0, 0, "Hi", 2);
    EXPECT_EQ(RGB(0, 0, 255), opaque.At(0, 0));
}

TEST(Font, DrawTextWrapsCentresAndMeasures)
{
    GdiCanvas canvas(200, 100);
    FontScope scope(canvas.Dc(), -12);
    TEXTMETRICA m;
    GetTextMetricsA(canvas.Dc(), &m);
    const char* text = "one two three four five six seven eight nine ten";
    RECT calc{0, 0, 60, 0};
    int height = DrawTextA(canvas.Dc(), text, -1, &calc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(height, 3 * m.tmHeight);
    EXPECT_LE(calc.right, 60 + Extent(canvas.Dc(), "three").cx);
    RECT single{0, 0, 200, 0};
    EXPECT_EQ(m.tmHeight, DrawTextA(canvas.Dc(), text, -1, &single, DT_SINGLELINE | DT_CALCRECT));

    // Centred text leaves equal margins (within a pixel or two of glyph bearings).
    SetBkMode(canvas.Dc(), TRANSPARENT);
    RECT box{0, 0, 200, 100};
    DrawTextA(canvas.Dc(), "Centre", -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    int left = 200, right = -1, top = 100, bottom = -1;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (canvas.At(x, y) != RGB(255, 255, 255)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0);
    EXPECT_NEAR(left, 199 - right, 3);
    EXPECT_NEAR(top, 99 - bottom, m.tmHeight / 2 + 1);

    // The '&' prefix is not drawn, and "&&" is one ampersand.
    RECT a{0, 0, 200, 0}, b{0, 0, 200, 0};
    DrawTextA(canvas.Dc(), "&Open", -1, &a, DT_SINGLELINE | DT_CALCRECT);
    DrawTextA(canvas.Dc(), "Open", -1, &b, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(b.right, a.right);
}
