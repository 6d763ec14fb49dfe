#include "CRegistry.h"
#include "CSkinButton.h"
#include "CSkinFolder.h"
#include "CSkinLocation.h"
#include "CSkinObject.h"
#include "CSkinWindowLocation.h"
#include "UWindowsUtils.h"
#include "win32/controls/CtlMessages.h"
#include "win32/gdi/Region.h"
#include "win32/TestHome.h"

#include "ControlTestSupport.h"

#include <gtest/gtest.h>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skinA = home.Path() + "/skins/a/";
        skinB = home.Path() + "/skins/b/";
        std::filesystem::create_directories(skinA);
        std::filesystem::create_directories(skinB);
    }
    void WriteIni(const std::string& folder, const std::string& text) { std::ofstream(folder + "skin.ini") << text; }

    MvTestHome home;
    std::string skinA;
    std::string skinB;
};

// A 32-bit bitmap from rows of pixel values (0x00RRGGBB).
void MakeBitmap(CBitmap& bitmap, int width, int height, const std::vector<uint32_t>& pixels)
{
    ASSERT_TRUE(bitmap.CreateBitmap(width, height, 1, 32, pixels.data()));
}

} // namespace

TEST_F(SkinTest, OnlyTheFirstFolderIsCurrentUntilItGoes)
{
    auto* first = new CSkinFolder(skinA.c_str());
    {
        CSkinFolder second(skinB.c_str());
        EXPECT_EQ(first, CSkinFolder::sSkinFolder);
        EXPECT_STREQ((skinA + "skin.ini").c_str(), first->GetIniFile()->GetPath());
        delete first;
        EXPECT_EQ(nullptr, CSkinFolder::sSkinFolder);
    }
    EXPECT_EQ(nullptr, CSkinFolder::sSkinFolder);
}

TEST_F(SkinTest, LocationsLoadAndSaveThroughTheCurrentSkin)
{
    WriteIni(skinA, "[Panel]\nLeft=10\nTop=20\nWidth=300\n");
    WriteIni(skinB, "[Panel]\nLeft=1\nTop=2\nWidth=3\nHeight=4\n");
    CSkinFolder folder(skinA.c_str());
    CSkinLocation location("Panel");
    location.SetHeight(77);
    CSkinFolder::LoadAll();
    EXPECT_EQ(10u, location.GetLeft());
    EXPECT_EQ(20u, location.GetTop());
    EXPECT_EQ(300u, location.GetWidth());
    EXPECT_EQ(77u, location.GetHeight()) << "a missing key keeps the present value";

    // The same text again broadcasts nothing: the location keeps a value it changed.
    location.SetLeft(55);
    folder.SetFolder(skinA.c_str());
    EXPECT_EQ(55u, location.GetLeft());
    folder.SetFolder(skinB.c_str());
    EXPECT_EQ(1u, location.GetLeft());
    EXPECT_EQ(4u, location.GetHeight());

    location.SetWidth(640);
    CSkinFolder::SaveAll();
    CSkinLocation reader("Panel");
    ASSERT_TRUE(reader.Load());
    EXPECT_EQ(640u, reader.GetWidth());
    EXPECT_EQ(2u, reader.GetTop());
}

TEST_F(SkinTest, LocationMadeBeforeAnyFolderUsesTheRegistry)
{
    CSkinLocation early("Early");
    EXPECT_FALSE(early.Load());
    EXPECT_FALSE(early.Save());
    CRegistry("Early", "Left").SetValue(42);
    WriteIni(skinA, "[Early]\nLeft=7\n");
    CSkinFolder folder(skinA.c_str());
    CSkinFolder::LoadAll();
    EXPECT_EQ(0u, early.GetLeft()) << "it does not hear the folder";
    ASSERT_TRUE(early.Load());
    EXPECT_EQ(42u, early.GetLeft());
}

TEST_F(SkinTest, LocationOutlivingItsFolderLetsGoOfItsIniFile)
{
    auto* first = new CSkinFolder(skinA.c_str());
    CSkinLocation location("Panel");
    delete first;
    EXPECT_FALSE(location.Load());
    CRegistry("Panel", "Top").SetValue(9);
    CSkinFolder second(skinB.c_str());
    ASSERT_TRUE(location.Load());
    EXPECT_EQ(9u, location.GetTop());
}

TEST_F(SkinTest, WindowLocationTakesAndRestoresThePlace)
{
    TestParent parent;
    ASSERT_TRUE(parent.Make());
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(5, 6, 105, 56), &parent, 1));
    CSkinFolder folder(skinA.c_str());
    CSkinWindowLocation location("Child", nullptr);
    EXPECT_FALSE(location.Load()) << "no window";
    location.SetWindow(&child);
    EXPECT_EQ(5u, location.GetLeft());
    EXPECT_EQ(6u, location.GetTop());
    EXPECT_EQ(100u, location.GetWidth());
    EXPECT_EQ(50u, location.GetHeight());
    CSkinFolder::SaveAll();

    WriteIni(skinB, "[Child]\nLeft=30\nTop=40\nWidth=20\nHeight=10\n");
    folder.SetFolder(skinB.c_str());
    RECT rect{};
    UWindowsUtils::GetInParentRect(&child, rect);
    EXPECT_EQ(CRect(30, 40, 50, 50), CRect(rect));

    folder.SetFolder(skinA.c_str());
    UWindowsUtils::GetInParentRect(&child, rect);
    EXPECT_EQ(CRect(5, 6, 105, 56), CRect(rect));
    child.DestroyWindow();
}

TEST(SkinObject, PixelSizes)
{
    const int cases[][2] = {{8, 1}, {15, 2}, {16, 2}, {24, 3}, {32, 4}, {1, 0}, {4, 0}, {0, 0}};
    for (const auto& c : cases) EXPECT_EQ(c[1], CSkinObject::GetPixelSize(c[0])) << c[0];
}

TEST(SkinObject, KeyColourOfTheFirstFrameIsCutAway)
{
    // Unique key colour: the whole bitmap but the top-left pixel.
    {
        std::vector<uint32_t> pixels(3 * 2, 0x102030);
        pixels[0] = 0xff00ff;
        CBitmap bitmap;
        MakeBitmap(bitmap, 3, 2, pixels);
        CSkinObject object;
        object.LoadImageA(bitmap);
        EXPECT_EQ(3, object.GetWidth());
        EXPECT_EQ(2, object.GetHeight());
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(!(x == 0 && y == 0), object.GetRegion().PtInRegion(x, y) != FALSE) << x << "," << y;
        EXPECT_FALSE(object.GetRegion().PtInRegion(3, 0));
    }
    // A button's four frames: only the first frame's key pixels go, in runs and alone.
    {
        const uint32_t K = 0x00ff00, O = 0x0000ff;
        std::vector<uint32_t> pixels = {K, K, O, K, /*frames 2-4*/ K, K, K, K, K, K, K, K, K, K, K, K,
                                        O, O, O, K, K, K, K, K, K, K, K, K, K, K, K, K};
        CBitmap bitmap;
        MakeBitmap(bitmap, 16, 2, pixels);
        CSkinButton button;
        button.LoadImageA(bitmap);
        EXPECT_EQ(4, button.GetWidth());
        const bool inside[2][4] = {{false, false, true, false}, {true, true, true, false}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(inside[y][x], button.GetRegion().PtInRegion(x, y) != FALSE) << x << "," << y;
        EXPECT_TRUE(button.GetRegion().PtInRegion(5, 0)) << "other frames keep the whole rectangle";
    }
}

TEST(SkinObject, WithoutBitmapNothingLoads)
{
    CSkinObject object;
    EXPECT_FALSE(object.Load());
    object.SetBitmapId(0);
    EXPECT_FALSE(object.Load());
    object.SetBitmapId(424242);  // no such resource
    EXPECT_FALSE(object.Load());
    TestCanvas canvas(4, 4, RGB(1, 2, 3));
    object.TransparentBitBlt(CDC::FromHandle(canvas.Dc()), 0, 0, 4, 4, nullptr, 0, 0);
    EXPECT_EQ(RGB(1, 2, 3), canvas.At(0, 0));
}

TEST(SkinButton, DrawsTheFrameOfItsStateThroughTheRegion)
{
    TestParent parent;
    ASSERT_TRUE(parent.Make());
    // Frames 2 x 2: key white at top-left of frame 0; colours 1..4 per frame.
    const uint32_t W = 0xffffff;
    std::vector<uint32_t> pixels = {W, 0x000001, 0x000002, 0x000002, 0x000003, 0x000003, 0x000004, 0x000004,
                                    0x000001, 0x000001, 0x000002, 0x000002, 0x000003, 0x000003, 0x000004, 0x000004};
    CBitmap bitmap;
    MakeBitmap(bitmap, 8, 2, pixels);
    CSkinButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 2, 2), &parent, 7));
    EXPECT_EQ(DWORD(BS_OWNERDRAW), button.GetStyle() & 0x0F);
    button.LoadImageA(bitmap);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(0, GetWindowRgn(button.GetSafeHwnd(), shape));
    EXPECT_FALSE(PtInRegion(shape, 0, 0));
    EXPECT_TRUE(PtInRegion(shape, 1, 1));
    DeleteObject(shape);

    EXPECT_EQ(0, button.GetDrawIndex(false, true, false)) << "focus plays no part";
    EXPECT_EQ(1, button.GetDrawIndex(true, false, true));
    EXPECT_EQ(3, button.GetDrawIndex(false, false, true));
    button.SetCapture();
    EXPECT_EQ(2, button.GetDrawIndex(false, false, true)) << "held off the button";
    EXPECT_EQ(1, button.GetDrawIndex(true, false, false));
    ReleaseCapture();

    // Drawing the pressed state copies frame 1 (blue 2), leaving the cut pixel alone.
    struct Case { UINT state; COLORREF colour; } cases[] = {
        {0, RGB(0, 0, 1)}, {ODS_SELECTED, RGB(0, 0, 2)}, {ODS_DISABLED, RGB(0, 0, 4)}};
    for (const Case& c : cases) {
        TestCanvas canvas(2, 2, RGB(9, 9, 9));
        DRAWITEMSTRUCT item{};
        item.hDC = canvas.Dc();
        item.itemState = c.state;
        button.DrawItem(&item);
        EXPECT_EQ(RGB(9, 9, 9), canvas.At(0, 0)) << c.state;
        EXPECT_EQ(c.colour, canvas.At(1, 1)) << c.state;
    }
    button.DestroyWindow();
}
