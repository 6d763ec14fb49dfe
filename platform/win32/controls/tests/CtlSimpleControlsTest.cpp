#include "CtlTestHost.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlIpAddress.h"
#include "win32/controls/CtlProgress.h"
#include "win32/controls/CtlStatic.h"
#include "win32/controls/CtlTab.h"
#include "win32/controls/CtlTrackbar.h"

#include <gtest/gtest.h>

namespace {

TEST(CtlButton, ClickingChangesCheckStatesByKind)
{
    struct Case {
        DWORD style;
        std::vector<int> checks; // after each of three clicks
    } cases[] = {
        {BS_PUSHBUTTON, {0, 0, 0}},
        {BS_CHECKBOX, {0, 0, 0}}, // not automatic: the parent decides
        {BS_AUTOCHECKBOX, {1, 0, 1}},
        {BS_AUTO3STATE, {1, 2, 0}},
        {BS_AUTORADIOBUTTON, {1, 1, 1}},
    };
    for (const auto& c : cases) {
        CtlTestHost host;
        CtlButton button(c.style);
        button.Attach(&host, nullptr, 7);
        for (int expected : c.checks) {
            button.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
            EXPECT_TRUE(button.IsPushed());
            button.Send(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
            EXPECT_EQ(button.Send(BM_GETCHECK), expected) << c.style;
        }
        EXPECT_EQ(host.Count(BN_CLICKED, WM_COMMAND), 3) << c.style;
        EXPECT_TRUE(host.focused);
    }
}

TEST(CtlButton, ReleasingOutsideIsNoClickAndAGroupBoxNeverClicks)
{
    CtlTestHost host;
    CtlButton button(BS_AUTOCHECKBOX);
    button.Attach(&host, nullptr, 7);
    button.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    button.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(500, 3));
    EXPECT_FALSE(button.IsPushed());
    button.Send(WM_LBUTTONUP, 0, MAKELPARAM(500, 3));
    EXPECT_EQ(button.Check(), 0);
    EXPECT_EQ(host.Count(BN_CLICKED), 0);
    EXPECT_FALSE(host.captured);

    CtlButton group(BS_GROUPBOX);
    group.Attach(&host, nullptr, 8);
    group.Send(BM_CLICK);
    group.Send(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    group.Send(WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(host.Count(BN_CLICKED), 0);
}

TEST(CtlButton, SpaceBarClicksAndDisabledButtonsIgnoreTheUser)
{
    CtlTestHost host;
    CtlButton button(BS_PUSHBUTTON);
    button.Attach(&host, nullptr, 1);
    button.Send(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(button.Send(BM_GETSTATE) & BST_PUSHED, BST_PUSHED);
    button.Send(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(host.Count(BN_CLICKED), 1);
    host.enabled = false;
    button.UserClick();
    EXPECT_EQ(host.Count(BN_CLICKED), 1);
}

TEST(CtlButton, OwnerDrawnButtonAsksItsParentToDrawWithItsState)
{
    CtlTestHost host;
    CtlButton button(BS_OWNERDRAW);
    button.Attach(&host, nullptr, 10069);
    UINT state = 0;
    UINT type = 0;
    host.answer = [&](UINT message, WPARAM, LPARAM lParam) -> LRESULT {
        if (message == WM_DRAWITEM) {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            state = item->itemState;
            type = item->CtlType;
        }
        return 0;
    };
    button.Send(WM_SETFOCUS);
    button.Send(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    button.DrawItem(nullptr);
    EXPECT_EQ(type, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(state, static_cast<UINT>(ODS_SELECTED | ODS_FOCUS));
    EXPECT_EQ(button.Send(WM_GETDLGCODE), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    HANDLE icon = reinterpret_cast<HANDLE>(0x1234);
    EXPECT_EQ(button.Send(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)), 0);
    EXPECT_EQ(button.Send(BM_GETIMAGE, IMAGE_ICON), reinterpret_cast<LRESULT>(icon));
}

TEST(CtlStatic, ClicksAreAnnouncedOnlyWithNotify)
{
    CtlTestHost host;
    CtlStatic plain(SS_LEFT);
    plain.Attach(&host, nullptr, 1);
    plain.Send(WM_LBUTTONDOWN);
    CtlStatic notifying(SS_LEFT | SS_NOTIFY);
    notifying.Attach(&host, nullptr, 2);
    notifying.Send(WM_LBUTTONDOWN);
    notifying.Send(WM_LBUTTONDBLCLK);
    EXPECT_EQ(host.Codes(), (std::vector<int>{STN_CLICKED, STN_DBLCLK}));
}

class TrackbarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar.Attach(&host, nullptr, 20003);
        bar.Send(TBM_SETRANGE, TRUE, MAKELPARAM(-5, 5));
        bar.Send(TBM_SETPOS, TRUE, -5);
    }
    std::vector<int> ScrollCodes() const
    {
        std::vector<int> codes;
        for (auto& n : host.notices)
            if (n.message == WM_HSCROLL) codes.push_back(n.code);
        return codes;
    }
    CtlTestHost host;
    CtlTrackbar bar{TBS_HORZ | TBS_BOTH | TBS_NOTICKS};
};

TEST_F(TrackbarTest, RangeClampsPositionsWithoutNotices)
{
    EXPECT_EQ(bar.Send(TBM_GETRANGEMIN), -5);
    EXPECT_EQ(bar.Send(TBM_GETRANGEMAX), 5);
    bar.Send(TBM_SETPOS, TRUE, 99);
    EXPECT_EQ(bar.Send(TBM_GETPOS), 5);
    bar.Send(TBM_SETRANGEMAX, TRUE, 3);
    EXPECT_EQ(bar.Pos(), 3);
    EXPECT_TRUE(host.notices.empty());
}

TEST_F(TrackbarTest, DraggingTheThumbEndsWithReleasedCapture)
{
    bar.UserDrag(2);
    EXPECT_EQ(bar.Pos(), 2);
    EXPECT_EQ(host.Count(static_cast<int>(NM_RELEASEDCAPTURE), WM_NOTIFY), 1);
    EXPECT_FALSE(host.captured);
    ASSERT_FALSE(host.notices.empty());
    EXPECT_EQ(host.notices.back().code, static_cast<int>(NM_RELEASEDCAPTURE));
    std::vector<int> codes = ScrollCodes();
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes[codes.size() - 2], TB_THUMBPOSITION);
    EXPECT_EQ(codes.back(), TB_ENDTRACK);
}

TEST_F(TrackbarTest, KeysMoveWithoutReleasedCapture)
{
    bar.Send(WM_KEYDOWN, VK_RIGHT);
    bar.Send(WM_KEYUP, VK_RIGHT);
    bar.Send(WM_KEYDOWN, VK_END);
    EXPECT_EQ(bar.Pos(), 5);
    EXPECT_EQ(ScrollCodes(), (std::vector<int>{TB_LINEDOWN, TB_ENDTRACK, TB_BOTTOM}));
    EXPECT_EQ(host.Count(static_cast<int>(NM_RELEASEDCAPTURE)), 0);
}

TEST_F(TrackbarTest, AClickBesideTheThumbPagesTowardsIt)
{
    bar.Send(TBM_SETPAGESIZE, 0, 3);
    POINT far = bar.PointOf(5);
    bar.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(far.x, far.y));
    bar.Send(WM_LBUTTONUP, 0, MAKELPARAM(far.x, far.y));
    EXPECT_EQ(bar.Pos(), -2);
    EXPECT_EQ(ScrollCodes(), (std::vector<int>{TB_PAGEDOWN, TB_ENDTRACK}));
    EXPECT_EQ(host.Count(static_cast<int>(NM_RELEASEDCAPTURE)), 1);
}

TEST_F(TrackbarTest, ADragLandsOnEveryPositionOfAFineRange)
{
    // More positions than pixels per position: a point rounded down would land one short.
    bar.Send(TBM_SETRANGE, TRUE, MAKELPARAM(0, 150));
    ASSERT_LT(bar.PointOf(150).x - bar.PointOf(0).x, 2 * 150);
    ASSERT_GT(bar.PointOf(150).x - bar.PointOf(0).x, 150);
    for (LONG target = 150; target >= 0; --target) {
        bar.UserDrag(target);
        EXPECT_EQ(bar.Pos(), target);
    }
}

TEST(CtlProgress, RangePositionAndSteps)
{
    CtlProgress bar;
    EXPECT_EQ(bar.Send(PBM_SETRANGE32, 0, 1000), MAKELONG(0, 100));
    EXPECT_EQ(bar.Send(PBM_SETPOS, 250), 0);
    EXPECT_EQ(bar.Send(PBM_DELTAPOS, 50), 250);
    EXPECT_EQ(bar.Send(PBM_GETPOS), 300);
    EXPECT_EQ(bar.Send(PBM_SETPOS, 5000), 300);
    EXPECT_EQ(bar.Pos(), 1000);
    bar.Send(PBM_SETSTEP, 30);
    bar.Send(PBM_STEPIT);
    EXPECT_EQ(bar.Pos(), 30); // past the end it starts over
    PBRANGE range{};
    EXPECT_EQ(bar.Send(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), 0);
    EXPECT_EQ(range.iHigh, 1000);
}

TEST(CtlTab, UserSelectionAsksFirstAndDisplayAreaAdjusts)
{
    CtlTestHost host;
    CtlTab tabs;
    tabs.Attach(&host, nullptr, 3);
    for (const char* name : {"General", "Audio", "Video"}) {
        TCITEM item{TCIF_TEXT, 0, 0, const_cast<char*>(name), 0, -1, 0};
        tabs.Send(TCM_INSERTITEM, static_cast<WPARAM>(tabs.Items().size()), reinterpret_cast<LPARAM>(&item));
    }
    EXPECT_EQ(tabs.Send(TCM_GETCURSEL), 0);
    EXPECT_EQ(tabs.Send(TCM_SETCURSEL, 2), 0);
    EXPECT_TRUE(host.notices.empty());
    bool refuse = true;
    host.answer = [&](UINT, WPARAM, LPARAM lParam) -> LRESULT {
        return reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGING && refuse;
    };
    RECT second = tabs.ItemRect(1);
    tabs.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second.left + 2, second.top + 2));
    EXPECT_EQ(tabs.CurSel(), 2);
    refuse = false;
    tabs.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second.left + 2, second.top + 2));
    EXPECT_EQ(tabs.CurSel(), 1);
    EXPECT_EQ(host.Count(static_cast<int>(TCN_SELCHANGE)), 1);
    tabs.Send(WM_KEYDOWN, VK_RIGHT);
    tabs.Send(WM_KEYDOWN, VK_RIGHT); // already the last tab
    EXPECT_EQ(tabs.CurSel(), 2);
    EXPECT_EQ(host.Count(static_cast<int>(TCN_SELCHANGE)), 2);

    RECT r{0, 0, 300, 200};
    tabs.Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    EXPECT_GT(r.top, 0);
    EXPECT_LT(r.bottom, 200);
    tabs.Send(TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 200);
}

TEST(CtlIpAddress, AddressFieldsRangesAndNotices)
{
    CtlTestHost host;
    CtlIpAddress ip;
    ip.Attach(&host, nullptr, 10079);
    EXPECT_TRUE(ip.Send(IPM_ISBLANK));
    ip.Send(IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 0, 1));
    DWORD address = 0;
    EXPECT_EQ(ip.Send(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)), 4);
    EXPECT_EQ(address, 0xC0A80001u);
    EXPECT_EQ(ip.Text(), "192.168.0.1");
    ip.Send(IPM_SETRANGE, 3, MAKEIPRANGE(1, 254));
    ip.UserSetField(3, "300");
    EXPECT_EQ(ip.Field(3), 254);
    EXPECT_EQ(host.Count(static_cast<int>(IPN_FIELDCHANGED), WM_NOTIFY), 1);
    EXPECT_EQ(host.Count(EN_CHANGE, WM_COMMAND), 1);
    ip.UserSetField(2, "");
    EXPECT_EQ(ip.Send(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)), 3);
    ip.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("10.x.3"));
    EXPECT_EQ(ip.Text(), "10..3.");
}

} // namespace

namespace {

TEST(CtlIpAddressTyping, DigitsFillFieldsAndDotsMoveOn)
{
    CtlTestHost host;
    CtlIpAddress ip;
    ip.Attach(&host, nullptr, 10079);
    for (char c : std::string("10.1.255")) ip.Send(WM_CHAR, static_cast<WPARAM>(c));
    EXPECT_EQ(ip.FocusField(), 3) << "three digits move to the next field";
    ip.Send(WM_CHAR, '7');
    ip.Send(WM_CHAR, 0x08);
    ip.Send(WM_CHAR, '9');
    ip.Send(WM_KILLFOCUS);
    EXPECT_EQ(ip.Text(), "10.1.255.9");
    EXPECT_EQ(host.Count(static_cast<int>(IPN_FIELDCHANGED)), 4);
    ip.Send(IPM_SETFOCUS, 0);
    ip.Send(WM_CHAR, '9');
    ip.Send(WM_CHAR, '9');
    ip.Send(WM_CHAR, '9'); // beyond the range: clamped when the field is done
    EXPECT_EQ(ip.Field(0), 255);
}

} // namespace
