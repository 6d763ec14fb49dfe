#include "CtlTestHost.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlListView.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.Attach(&host, nullptr, 10089);
        host.client = RECT{0, 0, 400, 200};
        for (auto [name, width] : {std::pair{"Name", 150}, {"Size", 80}, {"Date", 100}}) {
            LVCOLUMN column{LVCF_TEXT | LVCF_WIDTH, 0, width, const_cast<char*>(name), 0, 0, 0, 0};
            list.Send(LVM_INSERTCOLUMN, static_cast<WPARAM>(list.ColumnCount()), reinterpret_cast<LPARAM>(&column));
        }
    }
    int Add(const char* text, LPARAM param = 0)
    {
        LVITEM item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = list.Count();
        item.pszText = const_cast<char*>(text);
        item.lParam = param;
        return static_cast<int>(list.Send(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
    }
    void SetText(int row, int sub, const char* text)
    {
        LVITEM item{};
        item.iSubItem = sub;
        item.pszText = const_cast<char*>(text);
        list.Send(LVM_SETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    POINT CellPoint(int row, int sub)
    {
        RECT r{LVIR_BOUNDS, sub, 0, 0};
        list.Send(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return POINT{sub == 0 ? r.left + 40 : r.left + 5, r.top + 3};
    }
    std::vector<std::pair<int, UINT>> Changes() const
    {
        std::vector<std::pair<int, UINT>> out;
        for (auto& n : changed) out.emplace_back(n.iItem, n.uNewState);
        return out;
    }

    CtlTestHost host;
    CtlListView list{LVS_REPORT | LVS_SHOWSELALWAYS};
    std::vector<NMLISTVIEW> changed;
};

TEST_F(ListViewTest, ItemsSubItemsAndColumnsStayTogether)
{
    Add("b.wav", 2);
    Add("a.wav", 1);
    SetText(0, 1, "10");
    SetText(0, 2, "today");
    EXPECT_EQ(list.Text(0, 1), "10");
    // A column inserted in front moves the sub-items with their columns.
    LVCOLUMN column{LVCF_TEXT | LVCF_WIDTH, 0, 60, const_cast<char*>("Kind"), 0, 0, 0, 0};
    list.Send(LVM_INSERTCOLUMN, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(list.Text(0, 1), "");
    EXPECT_EQ(list.Text(0, 2), "10");
    list.Send(LVM_DELETECOLUMN, 1);
    EXPECT_EQ(list.Text(0, 2), "today");
    char buffer[16];
    LVCOLUMN read{LVCF_TEXT | LVCF_WIDTH, 0, 0, buffer, sizeof buffer, 0, 0, 0};
    ASSERT_TRUE(list.Send(LVM_GETCOLUMN, 1, reinterpret_cast<LPARAM>(&read)));
    EXPECT_STREQ(buffer, "Size");
    EXPECT_EQ(read.cx, 80);

    LVFINDINFO find{LVFI_PARAM, nullptr, 1, {}, 0};
    EXPECT_EQ(list.Send(LVM_FINDITEM, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), 1);
    find = {LVFI_STRING, "A.WAV", 0, {}, 0};
    EXPECT_EQ(list.Send(LVM_FINDITEM, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), 1);
    list.Send(LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(+[](LPARAM a, LPARAM b, LPARAM) -> int {
        return static_cast<int>(a - b);
    }));
    EXPECT_EQ(list.Text(0, 0), "a.wav");
    EXPECT_EQ(list.Text(1, 1), "10"); // sub-items travel with their item
}

TEST_F(ListViewTest, CheckBoxesAreStateImagesAndAParentMayRefuseAChange)
{
    Add("one");
    list.Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    Add("two");
    EXPECT_EQ(list.Send(LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK), static_cast<LRESULT>(INDEXTOSTATEIMAGEMASK(1)));
    EXPECT_EQ(list.Send(LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK), static_cast<LRESULT>(INDEXTOSTATEIMAGEMASK(1)));
    bool refuse = false;
    host.answer = [&](UINT message, WPARAM, LPARAM lParam) -> LRESULT {
        if (message != WM_NOTIFY) return 0;
        auto* n = reinterpret_cast<NMLISTVIEW*>(lParam);
        if (n->hdr.code == LVN_ITEMCHANGING) return refuse;
        if (n->hdr.code == LVN_ITEMCHANGED) changed.push_back(*n);
        return 0;
    };
    POINT box{3, CtlHeader::kHeight + CtlListView::kRowHeight + 3};
    list.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.x, box.y));
    EXPECT_TRUE(list.IsChecked(1));
    EXPECT_FALSE(list.Send(LVM_GETITEMSTATE, 1, LVIS_SELECTED)); // the box alone changes
    refuse = true;
    list.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.x, box.y));
    EXPECT_TRUE(list.IsChecked(1));
    EXPECT_EQ(Changes(), (std::vector<std::pair<int, UINT>>{{1, INDEXTOSTATEIMAGEMASK(2)}}));
    EXPECT_EQ(host.Count(static_cast<int>(NM_CLICK)), 2);
}

TEST_F(ListViewTest, ClicksSelectAndFocusOneRowOrExtendWithKeys)
{
    for (const char* s : {"a", "b", "c", "d"}) Add(s);
    list.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(CellPoint(1, 0).x, CellPoint(1, 0).y));
    EXPECT_EQ(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
    EXPECT_EQ(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 1);
    POINT p = CellPoint(3, 0);
    list.Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(list.Send(LVM_GETSELECTEDCOUNT), 3);
    p = CellPoint(2, 0);
    list.Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(list.Send(LVM_GETSELECTEDCOUNT), 2);
    list.Send(WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(list.Send(LVM_GETSELECTEDCOUNT), 1);
    EXPECT_EQ(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
    // A click below the rows clears the selection.
    list.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 190));
    EXPECT_EQ(list.Send(LVM_GETSELECTEDCOUNT), 0);
}

TEST_F(ListViewTest, HitTestFindsRowsAndColumns)
{
    Add("a");
    list.Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES);
    LVHITTESTINFO hit{CellPoint(0, 2), 0, 0, 0};
    EXPECT_EQ(list.Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 0);
    EXPECT_EQ(hit.iSubItem, 2);
    hit = {{10, 5}, 0, 0, 0}; // on the header
    EXPECT_EQ(list.Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
    EXPECT_EQ(hit.flags, static_cast<UINT>(LVHT_NOWHERE));
}

TEST_F(ListViewTest, HeaderClicksBecomeColumnClicksOnlyWithButtons)
{
    list.UserClickHeader(1);
    EXPECT_EQ(host.Count(static_cast<int>(LVN_COLUMNCLICK)), 1);
    list.Header().SetStyle(list.Header().Style() & ~static_cast<DWORD>(HDS_BUTTONS));
    list.UserClickHeader(1);
    EXPECT_EQ(host.Count(static_cast<int>(LVN_COLUMNCLICK)), 1);
}

TEST_F(ListViewTest, CustomDrawColoursAreRecordedPerCell)
{
    Add("a");
    Add("b");
    host.answer = [](UINT message, WPARAM, LPARAM lParam) -> LRESULT {
        if (message != WM_NOTIFY || reinterpret_cast<NMHDR*>(lParam)->code != NM_CUSTOMDRAW) return 0;
        auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
        if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) return CDRF_NOTIFYSUBITEMDRAW;
        if (draw->nmcd.dwDrawStage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM) && draw->nmcd.dwItemSpec == 1 && draw->iSubItem == 2) {
            draw->clrText = RGB(255, 0, 0);
            draw->clrTextBk = RGB(0, 0, 255);
        }
        return CDRF_DODEFAULT;
    };
    list.Paint(nullptr);
    EXPECT_EQ(list.DrawnColors(1, 2).text, RGB(255, 0, 0));
    EXPECT_EQ(list.DrawnColors(1, 2).background, RGB(0, 0, 255));
    EXPECT_EQ(list.DrawnColors(1, 1).text, 0u);
}

TEST_F(ListViewTest, DeletingAskTheParentAndOwnerDataAsksForTexts)
{
    Add("a");
    Add("b");
    list.Send(LVM_DELETEITEM, 0);
    EXPECT_EQ(host.Count(static_cast<int>(LVN_DELETEITEM)), 1);
    host.answer = [](UINT, WPARAM, LPARAM lParam) -> LRESULT {
        return reinterpret_cast<NMHDR*>(lParam)->code == LVN_DELETEALLITEMS;
    };
    list.Send(LVM_DELETEALLITEMS);
    EXPECT_EQ(host.Count(static_cast<int>(LVN_DELETEITEM)), 1);
    EXPECT_EQ(list.Count(), 0);

    CtlTestHost dataHost;
    CtlListView virtualList(LVS_REPORT | LVS_OWNERDATA);
    virtualList.Attach(&dataHost, nullptr, 1);
    virtualList.Send(LVM_SETITEMCOUNT, 10000);
    EXPECT_EQ(virtualList.Count(), 10000);
    dataHost.answer = [](UINT, WPARAM, LPARAM lParam) -> LRESULT {
        auto* info = reinterpret_cast<NMLVDISPINFO*>(lParam);
        if (info->hdr.code == LVN_GETDISPINFO) snprintf(info->item.pszText, info->item.cchTextMax, "row %d", info->item.iItem);
        return 0;
    };
    EXPECT_EQ(virtualList.Text(9999, 0), "row 9999");
    EXPECT_EQ(dataHost.Count(static_cast<int>(LVN_GETDISPINFO)), 1);
    // Painting asks only for the rows in view.
    dataHost.client = RECT{0, 0, 300, 100};
    virtualList.Paint(nullptr);
    int asked = dataHost.Count(static_cast<int>(LVN_GETDISPINFO)) - 1;
    EXPECT_GT(asked, 0);
    EXPECT_LE(asked, 100 / CtlListView::kRowHeight + 1);
    EXPECT_EQ(virtualList.DrawnColors(0, 0).label, "row 0");
}

} // namespace
