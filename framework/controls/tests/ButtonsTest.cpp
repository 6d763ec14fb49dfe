#include "CBitmapCheckBox.h"
#include "CIconButtonFlasher.h"
#include "CTooltipButton.h"
#include "CXpButton.h"
#include "CXpHoverButton.h"
#include "ControlTestSupport.h"
#include "afx/gdi/CDC.h"
#include "afx/windows/CWinApp.h"
#include "win32/kernel/Clock.h"
#include "win32/controls/CtlUser.h"
#include "win32/gdi/Icon.h"
#include "win32/kernel/Module.h"
#include "win32/gdi/Region.h"
#include "win32/tests/BmpTestFile.h"
#include "win32/tests/IcoTestFile.h"
#include "win32/tests/TestResourceFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// A colour as the file writers take it, 0xRRGGBB.
uint32_t Rgb(COLORREF colour)
{
    return (uint32_t{GetRValue(colour)} << 16) | (uint32_t{GetGValue(colour)} << 8) | GetBValue(colour);
}

// A 24-bit BMP of one colour.
std::vector<uint8_t> BitmapFile(int w, int h, COLORREF colour)
{
    const uint32_t rgb = Rgb(colour);
    return Bmp24(w, h, [rgb](int, int) { return rgb; });
}

// A 4 x 4 icon of one colour, all opaque.
std::vector<uint8_t> IconFile(COLORREF colour)
{
    return SolidIco24(4, 4, Rgb(colour));
}

// Counts the clicks of one control.
class CClickParent : public TestParent {
public:
    int clicks = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) == 40 && HIWORD(wParam) == BN_CLICKED) ++clicks;
        return TestParent::WindowProc(message, wParam, lParam);
    }
};

class ButtonsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.Make()); }
    CClickParent m_parent;
};

TEST_F(ButtonsTest, BitmapCheckBoxTogglesOnClicksAndDrawsItsState)
{
    TestResourceFolder folder(AfxGetResourceHandle());
    folder.Write("601.bmp", BitmapFile(8, 8, RGB(255, 0, 0)));
    folder.Write("602.bmp", BitmapFile(8, 8, RGB(0, 255, 0)));
    folder.Write("603.bmp", BitmapFile(8, 8, RGB(0, 0, 255)));
    CBitmapCheckBox box;
    ASSERT_TRUE(box.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 8, 8), &m_parent, 40));
    EXPECT_EQ(box.GetStyle() & 0xF, DWORD(BS_OWNERDRAW));
    ASSERT_TRUE(box.LoadBitmaps(601));
    auto shown = [&] {
        box.Invalidate();
        MvPumpUntilIdle();
        return WindowPixel(box, 4, 4);
    };
    box.SetCheck(true);
    EXPECT_EQ(shown(), RGB(255, 0, 0)) << "without a checked bitmap the normal one shows";
    ASSERT_TRUE(box.LoadCheckedBitmap(603));
    EXPECT_EQ(shown(), RGB(0, 0, 255));
    box.SetCheck(false);
    CtlUserClick(box, {3, 3});
    EXPECT_EQ(box.GetCheck(), 1);
    EXPECT_EQ(m_parent.clicks, 1);
    EXPECT_EQ(shown(), RGB(0, 0, 255));
    CtlUserClick(box, {3, 3});
    EXPECT_EQ(box.GetCheck(), 0) << "clicked twice: unchecked again";
    EXPECT_EQ(shown(), RGB(255, 0, 0));
    EXPECT_FALSE(box.LoadCheckedBitmap(999));
}

TEST_F(ButtonsTest, TooltipHasOneToolWhoseTextChanges)
{
    CTooltipButton button;
    ASSERT_TRUE(button.Create("Go", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &m_parent, 40));
    button.SetTooltipText(nullptr);
    EXPECT_EQ(button.GetToolTip().GetSafeHwnd(), nullptr) << "null does nothing";
    button.SetTooltipText("first");
    button.MakeTooltip("second");
    ASSERT_EQ(button.GetToolTip().GetToolCount(), 1);
    CString text;
    button.GetToolTip().GetText(text, &button, CTooltipButton::kToolId);
    EXPECT_EQ(text, "second");
    button.ActivateTooltip(false);
}

TEST(XpButton, PixelSizesAndDrawIndexes)
{
    struct { int bits, bytes; } sizes[] = {{8, 1}, {15, 2}, {16, 2}, {24, 3}, {32, 4}, {1, 0}, {4, 0}};
    for (auto& s : sizes) EXPECT_EQ(CXpButton::GetPixelSize(s.bits), s.bytes) << s.bits;
    struct { bool selected, focused, disabled, isDefault; int index; } states[] = {
        {true, true, true, true, 4}, {true, true, false, true, 3}, {false, true, false, true, 0},
        {false, false, false, true, 1}, {false, false, false, false, 2},
    };
    for (auto& s : states) EXPECT_EQ(CXpButton::GetDrawIndex(s.selected, s.focused, s.disabled, s.isDefault), s.index);
}

TEST_F(ButtonsTest, SharedStateBitmapLivesWithTheButtons)
{
    ASSERT_EQ(CXpButton::sReferenceCount, 0);
    {
        CXpButton a, b;
        EXPECT_EQ(CXpButton::sReferenceCount, 2);
        ASSERT_NE(CXpButton::sButtonBitmap, nullptr);
        EXPECT_EQ(CXpButton::sButtonBitmapWidth, 51);
        EXPECT_EQ(CXpButton::sButtonBitmapHeight, 47);
    }
    EXPECT_EQ(CXpButton::sReferenceCount, 0);
    EXPECT_EQ(CXpButton::sButtonBitmap, nullptr);
    EXPECT_EQ(CXpButton::sButtonDc, nullptr);
}

TEST_F(ButtonsTest, ThemedButtonLosesExactlyItsCornerPixels)
{
    CXpButton button;
    ASSERT_TRUE(button.Create("OK", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 40), &m_parent, 40));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(button, region), 0);
    int outside = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) outside += !PtInRegion(region, x, y);
    EXPECT_EQ(outside, 4);
    for (POINT corner : {POINT{0, 0}, POINT{79, 0}, POINT{0, 29}, POINT{79, 29}})
        EXPECT_FALSE(PtInRegion(region, corner.x, corner.y)) << corner.x << "," << corner.y;
    EXPECT_EQ(button.GetStyle() & (WS_CLIPSIBLINGS | WS_CLIPCHILDREN), DWORD(WS_CLIPSIBLINGS | WS_CLIPCHILDREN));

    button.MoveWindow(10, 10, 30, 20);
    ASSERT_NE(GetWindowRgn(button, region), 0);
    EXPECT_FALSE(PtInRegion(region, 29, 19)) << "rebuilt for the new size";
    EXPECT_TRUE(PtInRegion(region, 28, 19));
    DeleteObject(region);

    // Drawn from the normal state: the middle of the bottom edge is stretched across.
    button.Invalidate();
    MvPumpUntilIdle();
    COLORREF edge = WindowPixel(button, 15, 19);
    EXPECT_EQ(WindowPixel(button, 5, 19), edge);
    EXPECT_EQ(WindowPixel(button, 24, 19), edge);
}

TEST_F(ButtonsTest, OnlyCornerPixelsOfTheKeyColourAreCut)
{
    { CXpButton first; }  // the library's own folder is registered by the first button
    TestResourceFolder folder(GetModuleHandle("mvframe.dll"), MV_FRAMEWORK_RESOURCES);
    // The key colour is the top-left pixel; every other corner pixel is opaque.
    std::vector<uint8_t> bitmap = BitmapFile(100, 20, RGB(200, 200, 200));
    size_t topLeft = 54 + size_t(19) * ((100 * 3 + 3) & ~3);
    bitmap[topLeft] = 255, bitmap[topLeft + 1] = 0, bitmap[topLeft + 2] = 255;
    folder.Write("10088.bmp", bitmap);
    CXpButton button;
    EXPECT_EQ(CXpButton::sButtonBitmapWidth, 20);
    ASSERT_TRUE(button.Create("OK", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 40, 20), &m_parent, 40));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(button, region), 0);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    for (POINT corner : {POINT{39, 0}, POINT{0, 19}, POINT{39, 19}, POINT{1, 0}, POINT{0, 1}})
        EXPECT_TRUE(PtInRegion(region, corner.x, corner.y)) << corner.x << "," << corner.y;
    DeleteObject(region);
}

// Where the dark text pixels of DrawInfo begin.
POINT FirstInk(CXpButton& button, bool pressed)
{
    TestCanvas canvas(80, 30);
    button.DrawInfo(CDC::FromHandle(canvas.Dc()), pressed, false);
    POINT first{-1, -1};
    for (int x = 0; x < 80 && first.x < 0; ++x)
        for (int y = 0; y < 30; ++y)
            if (GetRValue(canvas.At(x, y)) < 128) first.x = x;
    for (int y = 0; y < 30 && first.y < 0; ++y)
        for (int x = 0; x < 80; ++x)
            if (GetRValue(canvas.At(x, y)) < 128) first.y = y;
    return first;
}

TEST_F(ButtonsTest, PressedContentMovesOnePixelRightAndDown)
{
    CXpButton button;
    ASSERT_TRUE(button.Create("Go", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 80, 30), &m_parent, 40));
    POINT released = FirstInk(button, false);
    POINT pressed = FirstInk(button, true);
    ASSERT_GE(released.x, 0);
    EXPECT_EQ(pressed.x, released.x + 1);
    EXPECT_EQ(pressed.y, released.y + 1);
    AfxDeleteTempMaps();
}

TEST_F(ButtonsTest, IconsAreCentredAndGreyedWhenDisabled)
{
    TestResourceFolder folder(AfxGetResourceHandle());
    folder.Write("701.ico", IconFile(RGB(0, 0, 255)));
    CXpButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 30, 20), &m_parent, 40));
    HICON icon = LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(701));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(button.SetIcon(icon), nullptr);
    TestCanvas canvas(30, 20, RGB(255, 255, 255));
    button.DrawInfo(CDC::FromHandle(canvas.Dc()), false, false);
    // Inside (1,1)-(29,19) a 4 x 4 icon sits at ((29 + 1 - 4 + 1) / 2, (19 + 1 - 4 + 1) / 2) = (13, 8).
    EXPECT_EQ(canvas.At(13, 8), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(16, 11), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(12, 8), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(17, 11), RGB(255, 255, 255));
    TestCanvas grey(30, 20, RGB(255, 255, 255));
    button.DrawInfo(CDC::FromHandle(grey.Dc()), false, true);
    COLORREF c = grey.At(14, 9);
    EXPECT_EQ(GetRValue(c), GetBValue(c)) << "the disabled icon is grey";
    EXPECT_EQ(GetGValue(c), GetBValue(c));
    AfxDeleteTempMaps();
}

class HoverTest : public ButtonsTest {
protected:
    void SetUp() override
    {
        MvUseVirtualClock(true);
        ButtonsTest::SetUp();
    }
    void TearDown() override
    {
        MvPumpUntilIdle();
        MvUseVirtualClock(false);
    }
    void Hold(int ms)
    {
        for (int t = 0; t < ms; t += 10) {
            MvAdvanceClock(10);
            MvPumpUntilIdle();
        }
    }
};

TEST_F(HoverTest, HeldButtonRepeatsItsClickAfterTheDelay)
{
    CXpHoverButton button;
    ASSERT_TRUE(button.Create("+", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 30, 20), &m_parent, 40));
    CtlUserPress(button, {5, 5});
    EXPECT_TRUE(button.IsPressed());
    Hold(400);
    CtlUserRelease(button, {5, 5});
    EXPECT_FALSE(button.IsPressed());
    EXPECT_EQ(m_parent.clicks, 1) << "400 ms: only the ordinary click";

    CtlUserPress(button, {5, 5});
    Hold(1000);
    int repeated = m_parent.clicks - 1;
    EXPECT_GE(repeated, 10) << "about every 20 ms after half a second";
    EXPECT_LE(repeated, 26);
    CtlUserRelease(button, {5, 5});
    int afterRelease = m_parent.clicks;
    Hold(200);
    EXPECT_EQ(m_parent.clicks, afterRelease) << "released: no more repeats";
}

TEST_F(HoverTest, FlasherAlternatesAndStopsOnTheNormalIcon)
{
    TestResourceFolder folder(AfxGetResourceHandle());
    folder.Write("801.ico", IconFile(RGB(0, 0, 255)));
    folder.Write("802.ico", IconFile(RGB(255, 0, 0)));
    CButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_ICON, CRect(0, 0, 30, 20), &m_parent, 40));
    CIconButtonFlasher flasher;
    flasher.SetIcons(801, 802);
    ASSERT_NE(flasher.GetNormalIcon(), nullptr);
    ASSERT_NE(flasher.GetFlashIcon(), nullptr);
    EXPECT_EQ(flasher.GetCurrent(), flasher.GetNormalIcon());
    flasher.SetButton(&button);
    auto image = [&] { return reinterpret_cast<HICON>(button.SendMessage(BM_GETIMAGE, IMAGE_ICON)); };
    EXPECT_EQ(image(), flasher.GetNormalIcon());
    flasher.Activate(true);
    Hold(500);
    EXPECT_EQ(image(), flasher.GetFlashIcon());
    Hold(500);
    EXPECT_EQ(image(), flasher.GetNormalIcon());
    Hold(500);
    EXPECT_EQ(image(), flasher.GetFlashIcon());
    flasher.Activate(false);
    EXPECT_EQ(image(), flasher.GetNormalIcon()) << "stopping shows the normal icon";
    EXPECT_FALSE(flasher.IsActive());
    Hold(1000);
    EXPECT_EQ(image(), flasher.GetNormalIcon());
}

} // namespace
