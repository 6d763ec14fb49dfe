#include "CReportCtrl.h"
#include "ControlTestSupport.h"
#include "afx/kernel/COleDateTime.h"
#include "win32/controls/CtlListView.h"
#include "win32/controls/CtlUser.h"
#include "win32/controls/CtlWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the report's messages to its parent.
class CReportParent : public TestParent {
public:
    struct Message { UINT message; WPARAM wParam; LPARAM lParam; };
    std::vector<Message> messages;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= kReportItemCheckedMessage && message <= kReportItemEditedMessage)
            messages.push_back({message, wParam, lParam});
        return TestParent::WindowProc(message, wParam, lParam);
    }
    int Count(UINT message) const
    {
        int n = 0;
        for (auto& m : messages) n += m.message == message;
        return n;
    }
};

class ReportCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.Make(500, 400));
        CRect r(0, 0, 400, 300);
        ASSERT_TRUE(m_report.Create(&m_parent, 300, &r, WS_BORDER | LVS_SMALLICON | LVS_EDITLABELS));
    }
    void TearDown() override
    {
        m_report.DestroyWindow();
        MvPumpUntilIdle();
    }
    void Rows(std::initializer_list<const char*> texts, int column = 0)
    {
        for (const char* t : texts) {
            int row = m_report.InsertItem(m_report.GetItemCount(), "");
            m_report.SetItemText(row, column, t);
        }
    }
    std::vector<std::string> Column(int column)
    {
        std::vector<std::string> out;
        for (int i = 0; i < m_report.GetItemCount(); ++i) out.push_back(m_report.GetItemText(i, column).GetString());
        return out;
    }
    POINT CellPoint(int row, int column)
    {
        CRect r;
        EXPECT_TRUE(m_report.GetSubItemRect(row, column, LVIR_LABEL, r));
        return {r.left + 3, r.top + 3};
    }
    CtlListView* Model() { return CtlModelAs<CtlListView>(m_report); }
    std::string EditText()
    {
        CString t;
        m_report.GetEditControl()->GetWindowText(t);
        return t.GetString();
    }
    bool Editing() { return m_report.GetEditControl()->GetSafeHwnd() && m_report.GetEditControl()->IsWindowVisible(); }

    CReportParent m_parent;
    CReportCtrl m_report;
};

TEST_F(ReportCtrlTest, StylesAreForcedToAReport)
{
    DWORD style = m_report.GetStyle();
    EXPECT_EQ(style & 0x50300001u, 0x50300001u);
    EXPECT_EQ(style & 0x2202u, 0u) << "small icon and label editing are cleared";
    EXPECT_EQ(m_report.GetExtendedStyle() & 0x22u, 0x22u);
    DWORD before = m_report.SetExtendedStyle(LVS_EX_GRIDLINES);
    EXPECT_EQ(before & 0x22u, 0x22u);
    EXPECT_EQ(m_report.GetExtendedStyle(), DWORD(LVS_EX_GRIDLINES | 0x22));
    m_report.ModifyStyle(WS_VISIBLE | LVS_REPORT, LVS_EDITLABELS | LVS_NOSCROLL);
    EXPECT_EQ(m_report.GetStyle() & 0x50300001u, 0x50300001u);
    EXPECT_EQ(m_report.GetStyle() & 0x2202u, 0u);
    m_report.ModifyStyleEx(0x22, 0);
    EXPECT_EQ(m_report.GetExtendedStyle() & 0x22u, 0x22u);
    m_report.SetGridLines(false);
    EXPECT_EQ(m_report.GetExtendedStyle() & LVS_EX_GRIDLINES, 0u);
    m_report.ResizeToFitParent();
    CRect r;
    m_report.GetClientRect(&r);
    EXPECT_EQ(r.Width() > 400, true);
}

TEST_F(ReportCtrlTest, ADialogsListIsForcedWhenSubclassed)
{
    HWND plain = CreateWindowExA(0, WC_LISTVIEW, "", WS_CHILD | LVS_ICON | LVS_EDITLABELS | LVS_NOSCROLL, 0, 0, 200, 100,
                                 m_parent, reinterpret_cast<HMENU>(301), nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    SendMessageA(plain, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES);
    CReportCtrl report;
    ASSERT_TRUE(report.SubclassWindow(plain));
    EXPECT_EQ(report.GetStyle() & 0x50300001u, 0x50300001u);
    EXPECT_EQ(report.GetStyle() & 0x2202u, 0u);
    EXPECT_EQ(report.GetExtendedStyle(), 0x22u) << "0x22 alone";
}

TEST_F(ReportCtrlTest, ColumnsFromOneText)
{
    m_report.InsertColumn(0, "Old");
    m_report.InsertItem(0, "gone");
    // Empty pieces are skipped, also inside a column: "Date,,1" is 1 pixel wide.
    ASSERT_TRUE(m_report.SetColumnHeader("Name,150;;Size,80,2;Date,,1;,"));
    EXPECT_EQ(m_report.GetItemCount(), 0);
    ASSERT_EQ(m_report.GetColumnCount(), 3);
    struct { const char* name; int width; int format; } expected[] = {
        {"Name", 150, LVCFMT_LEFT}, {"Size", 80, LVCFMT_RIGHT}, {"Date", 1, LVCFMT_LEFT}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_report.GetHeaderText(i), expected[i].name);
        EXPECT_EQ(m_report.GetColumnWidth(i), expected[i].width) << i;
        LVCOLUMN c{};
        c.mask = LVCF_FMT;
        m_report.GetColumn(i, &c);
        EXPECT_EQ(c.fmt & LVCFMT_JUSTIFYMASK, expected[i].format) << i;
    }
    EXPECT_EQ(m_report.GetHeaderText(3), "");
    EXPECT_TRUE(m_report.SetHeaderText(1, nullptr));
    EXPECT_EQ(m_report.GetHeaderText(1), "");
    EXPECT_FALSE(m_report.SetColumnHeader(";;,"));
    EXPECT_EQ(m_report.GetColumnCount(), 0);
}

TEST_F(ReportCtrlTest, RecordsCarryDataAndColoursThroughColumnChanges)
{
    m_report.SetColumnHeader("A;B");
    int row = m_report.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, "x", 0, 0, 0, 77);
    EXPECT_EQ(m_report.GetItemData(row), 77u);
    EXPECT_TRUE(m_report.SetItemData(row, 5));
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ASSERT_TRUE(m_report.GetItem(&item));
    EXPECT_EQ(item.lParam, 5) << "callers never see the record";
    item.lParam = 9;
    EXPECT_TRUE(m_report.SetItem(&item));
    EXPECT_EQ(m_report.GetItemData(row), 9u);

    EXPECT_EQ(m_report.GetItemTextColor(row, 1), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(m_report.GetItemBkColor(row, 0), GetSysColor(COLOR_WINDOW));
    m_report.SetItemTextColor(row, 1, RGB(255, 0, 0));
    m_report.InsertColumn(1, "New");
    EXPECT_EQ(m_report.GetItemTextColor(row, 1), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(m_report.GetItemTextColor(row, 2), RGB(255, 0, 0)) << "the entry moved with its column";
    m_report.DeleteColumn(1);
    EXPECT_EQ(m_report.GetItemTextColor(row, 1), RGB(255, 0, 0));
    EXPECT_EQ(m_report.GetItemTextColor(row, 2), COLORREF(-1)) << "invalid cell";
    EXPECT_EQ(m_report.GetItemTextColor(3, 0), COLORREF(-1));

    // A row inserted behind the control's back has no record.
    LVITEM raw{};
    raw.mask = LVIF_TEXT;
    raw.iItem = 1;
    raw.pszText = const_cast<char*>("raw");
    ASSERT_EQ(m_report.CListCtrl::InsertItem(&raw), 1);
    EXPECT_EQ(m_report.GetItemData(1), 0u);
    EXPECT_FALSE(m_report.SetItemData(1, 3));
}

TEST_F(ReportCtrlTest, ColoursOfCellsRowsColumnsAndAllAreDrawn)
{
    m_report.SetColumnHeader("A;B");
    Rows({"1", "2"});
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 255, 0);
    m_report.SetItemBkColor(-1, -1, green, false);       // every cell
    m_report.SetItemBkColor(-1, 1, blue, false);         // column 1
    m_report.SetItemBkColor(0, -1, red, false);          // row 0
    m_report.SetItemTextColor(1, 0, red, true);          // one cell, drawn at once
    auto drawn = [&](int r, int c) { return Model()->DrawnColors(r, c); };
    EXPECT_EQ(drawn(0, 0).background, red);
    EXPECT_EQ(drawn(0, 1).background, red);
    EXPECT_EQ(drawn(1, 0).background, green);
    EXPECT_EQ(drawn(1, 1).background, blue);
    EXPECT_EQ(drawn(1, 0).text, red);
    EXPECT_EQ(drawn(0, 0).text, GetSysColor(COLOR_WINDOWTEXT));
    m_report.SetItemBkColor(0, 0, COLORREF(-1), true);
    EXPECT_EQ(drawn(0, 0).background, GetSysColor(COLOR_WINDOW)) << "-1 is the system colour";
}

TEST_F(ReportCtrlTest, TextsOfNumbersAndDates)
{
    m_report.SetColumnHeader("A");
    Rows({""});
    struct { std::function<void()> set; const char* text; } cases[] = {
        {[&] { m_report.SetItemText(0, 0, 'c'); }, "c"},
        {[&] { m_report.SetItemText(0, 0, -12); }, "-12"},
        {[&] { m_report.SetItemText(0, 0, 4000000000u); }, "4000000000"},
        {[&] { m_report.SetItemText(0, 0, 2.5); }, "2.5"},
        {[&] { m_report.SetItemText(0, 0, 3.0); }, "3"},
        {[&] { m_report.SetItemText(0, 0, 2.5, 2); }, "2.50"},
        {[&] { m_report.SetItemText(0, 0, 2.5, 0); }, "2"},
        {[&] { m_report.SetItemText(0, 0, COleDateTime(2026, 12, 10, 0, 0, 0)); }, "2026-12-10"},
        {[&] { m_report.SetItemText(0, 0, COleDateTime(2026, 12, 10, 15, 4, 5)); }, "2026-12-10 15:04:05"},
        {[&] { m_report.SetItemText(0, 0, COleDateTime(2026, 2, 30, 0, 0, 0)); }, ""},
    };
    for (auto& c : cases) {
        c.set();
        EXPECT_EQ(m_report.GetItemText(0, 0), c.text);
    }
    EXPECT_FALSE(m_report.SetItemText(1, 0, "x"));
    EXPECT_FALSE(m_report.SetItemText(0, 1, "x"));
}

TEST(ReportCompare, RulesApplyToEachPair)
{
    struct { const char* a; const char* b; int order; } cases[] = {
        {"9", "10", -1},  {"A", "10", -1},   {"9", "A", -1},   {"ff", "FE", 1},
        {"1.5", "2", -1}, {"1.5", "10", -1}, {"12.5%", "12.4", 1}, {"7%%", "10", 1} /* two % signs: text */,
        {"2026-01-02", "2025-12-31", 1}, {"3:00 PM", "14:00", 1}, {"12/31/2025", "2026-01-01", -1},
        {"apple", "Apple", 1}, {"", "0", -1}, {"x", "x", 0},
    };
    for (auto& c : cases) {
        int got = CReportCtrl::CompareTexts(c.a, c.b);
        EXPECT_EQ((got > 0) - (got < 0), c.order) << c.a << " vs " << c.b;
    }
}

TEST_F(ReportCtrlTest, SortingNeedsASortableHeaderAndTellsTheParent)
{
    m_report.SetColumnHeader("A");
    m_report.SortItems(0, true);
    ASSERT_EQ(m_parent.Count(kReportItemSortedMessage), 1) << "an empty list still tells";
    EXPECT_TRUE(m_report.SetSortable(false));
    EXPECT_FALSE(m_report.IsSortable());
    Rows({"b", "a"});
    m_report.SortItems(0, true);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(m_parent.Count(kReportItemSortedMessage), 1);
    EXPECT_TRUE(m_report.SetSortable(true));
    m_report.SortItems(3, true);
    EXPECT_EQ(m_parent.Count(kReportItemSortedMessage), 1) << "no such column";
}

TEST_F(ReportCtrlTest, SeparatorRowsKeepGroupsApart)
{
    m_report.SetColumnHeader("A;B");
    Rows({"b", "a", "-", "d", "c"});
    m_report.SetSortSeparator("-");
    EXPECT_STREQ(m_report.GetSortSeparator(), "-");
    m_report.SortItems(0, true);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"a", "b", "-", "c", "d"}));
    m_report.SortItems(0, false);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"b", "a", "-", "d", "c"}));
    m_report.SetSortSeparator(nullptr);
    m_report.SortItems(0, true);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"-", "a", "b", "c", "d"}));
}

TEST_F(ReportCtrlTest, SortedRowsTakeEverythingAlong)
{
    m_report.SetColumnHeader("Key;Value");
    const char* keys[] = {"10", "9", "A", "1.5", "2"};
    for (int i = 0; i < 5; ++i) {
        int row = m_report.InsertItem(i, keys[i]);
        m_report.SetItemText(row, 1, std::string("v") + keys[i] == "" ? "" : (std::string("v") + keys[i]).c_str());
        m_report.SetItemData(row, DWORD(100 + i));
        m_report.SetItemBkColor(row, 1, RGB(i, 0, 0), false);
    }
    m_report.SetCheck(1);
    m_report.SetItemStates(2, RC_ITEM_SELECTED);
    m_report.SortItems(0, true);
    ASSERT_EQ(Column(0), (std::vector<std::string>{"1.5", "2", "9", "A", "10"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"v1.5", "v2", "v9", "vA", "v10"}));
    EXPECT_EQ(m_report.GetItemData(2), 101u);
    EXPECT_EQ(m_report.GetItemBkColor(2, 1), RGB(1, 0, 0));
    EXPECT_TRUE(m_report.GetCheck(2));
    EXPECT_FALSE(m_report.GetCheck(1));
    EXPECT_EQ(m_report.GetFirstItem(RC_ITEM_SELECTED), 3);
    EXPECT_EQ(m_report.GetSortedColumn(), 0);
    m_report.SetItemText(0, 1, "changed");
    EXPECT_EQ(m_report.GetSortedColumn(), -1) << "setting a text clears the sort mark";
}

TEST_F(ReportCtrlTest, HeaderClicksSortAndToggle)
{
    m_report.SetColumnHeader("A;B");
    Rows({"2", "3", "1"});
    for (int i = 0; i < 3; ++i) m_report.SetItemText(i, 1, std::string(1, char('c' - i)).c_str());
    HWND header = m_report.GetHeaderCtrl()->GetSafeHwnd();
    auto clickHeader = [&](int column) {
        CRect r;
        m_report.GetHeaderCtrl()->GetItemRect(column, &r);
        CtlUserClick(header, {r.left + 5, r.top + 3});
    };
    clickHeader(0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_TRUE(m_report.IsSortAscending());
    clickHeader(0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"3", "2", "1"}));
    EXPECT_FALSE(m_report.IsSortAscending());
    clickHeader(0);
    EXPECT_TRUE(m_report.IsSortAscending());
    clickHeader(1);
    EXPECT_EQ(m_report.GetSortedColumn(), 1);
    EXPECT_TRUE(m_report.IsSortAscending());
    EXPECT_EQ(Column(1), (std::vector<std::string>{"a", "b", "c"}));
    ASSERT_EQ(m_parent.Count(kReportItemSortedMessage), 4);
    EXPECT_EQ(m_parent.messages.back().wParam, 1u);
    EXPECT_EQ(m_parent.messages.back().lParam, 1);
    m_report.SetSortable(false);
    clickHeader(0);
    EXPECT_EQ(m_parent.Count(kReportItemSortedMessage), 4) << "a header without buttons does not sort";
}

TEST_F(ReportCtrlTest, StateQueriesAndBulkChanges)
{
    m_report.SetColumnHeader("A");
    Rows({"0", "1", "2", "3", "4"});
    EXPECT_EQ(m_report.GetItemStates(0), DWORD(RC_ITEM_UNSELECTED | RC_ITEM_UNCHECKED | RC_ITEM_UNFOCUSED));
    EXPECT_TRUE(m_report.SetItemStates(1, RC_ITEM_SELECTED | RC_ITEM_CHECKED | RC_ITEM_FOCUSED));
    EXPECT_EQ(m_report.GetItemStates(1), DWORD(RC_ITEM_SELECTED | RC_ITEM_CHECKED | RC_ITEM_FOCUSED));
    EXPECT_EQ(m_report.SetAllItemStates(RC_ITEM_UNCHECKED, RC_ITEM_SELECTED), 4);
    EXPECT_EQ(m_report.GetItemCount(RC_ITEM_SELECTED), 5);
    EXPECT_EQ(m_report.GetItemCount(RC_ITEM_SELECTED | RC_ITEM_CHECKED), 1);
    EXPECT_EQ(m_report.SetAllItemStates(0, RC_ITEM_SELECTED), 0);
    EXPECT_FALSE(m_report.ExamItemStates(1, 0));
    EXPECT_TRUE(m_report.ExamItemStates(1, RC_ITEM_ALL | RC_ITEM_UNCHECKED));

    EXPECT_EQ(m_report.GetFirstItem(RC_ITEM_CHECKED, -5), 1);
    EXPECT_EQ(m_report.GetFirstItem(RC_ITEM_CHECKED, 1), -1);
    EXPECT_EQ(m_report.GetLastItem(RC_ITEM_ALL, -1), 4) << "-1 searches from the last row";
    EXPECT_EQ(m_report.GetLastItem(RC_ITEM_ALL, 99), 4);
    EXPECT_EQ(m_report.GetLastItem(RC_ITEM_ALL, 3), 2);
    EXPECT_EQ(m_report.GetLastItem(RC_ITEM_CHECKED, 1), -1);

    m_report.InvertItems(RC_INVERT_CHECKMARK);
    EXPECT_EQ(m_report.GetItemCount(RC_ITEM_CHECKED), 4);
    m_report.InvertItems(RC_INVERT_SELECTION);
    EXPECT_EQ(m_report.GetItemCount(RC_ITEM_SELECTED), 0);
    m_report.InvertItems(7);
    EXPECT_EQ(m_report.DeleteAllItems(RC_ITEM_CHECKED), 4);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1"}));
    EXPECT_EQ(m_report.DeleteAllItems(), 1);
    EXPECT_EQ(m_report.GetItemCount(), 0);
}

TEST_F(ReportCtrlTest, SingleCheckKeepsOneRowChecked)
{
    m_report.SetColumnHeader("A");
    Rows({"0", "1", "2", "3"});
    m_report.SetCheckboxeStyle(RC_CHKBOX_NORMAL);
    for (int i = 0; i < 4; ++i) m_report.SetCheck(i);
    m_report.SetCheckboxeStyle(RC_CHKBOX_SINGLE);
    EXPECT_EQ(m_report.GetCheckboxStyle(), RC_CHKBOX_SINGLE);
    EXPECT_EQ(m_report.GetItemCount(RC_ITEM_CHECKED), 1) << "from the first checked row";
    EXPECT_TRUE(m_report.GetCheck(0));
    m_report.SetCheck(3, false);
    m_report.CListCtrl::SetCheck(3, TRUE);
    m_report.SetCheck(2);
    EXPECT_TRUE(m_report.GetCheck(0)) << "only the rows after it are unchecked";
    EXPECT_TRUE(m_report.GetCheck(2));
    EXPECT_FALSE(m_report.GetCheck(3));

    // A click on a box checks that row alone and tells the parent.
    CRect r;
    m_report.GetItemRect(1, &r, LVIR_BOUNDS);
    CtlUserClick(m_report, {r.left + 4, r.top + 4});
    EXPECT_EQ(m_report.GetItemCount(RC_ITEM_CHECKED), 1);
    EXPECT_TRUE(m_report.GetCheck(1));
    EXPECT_EQ(m_report.GetFirstItem(RC_ITEM_SELECTED | RC_ITEM_FOCUSED), 1);
    ASSERT_EQ(m_parent.Count(kReportItemCheckedMessage), 1);
    EXPECT_EQ(m_parent.messages.back().wParam, 1u);
    EXPECT_EQ(m_parent.messages.back().lParam, WM_LBUTTONDOWN);
}

TEST_F(ReportCtrlTest, ReadOnlyBoxesUndoTheClickAndTheKeyboardNeverChecks)
{
    m_report.SetColumnHeader("A");
    Rows({"0", "1"});
    m_report.SetCheckboxeStyle(RC_CHKBOX_DISABLED);
    CRect r;
    m_report.GetItemRect(0, &r, LVIR_BOUNDS);
    CtlUserClick(m_report, {r.left + 4, r.top + 4});
    EXPECT_FALSE(m_report.GetCheck(0));
    EXPECT_EQ(m_report.GetItemCount(RC_ITEM_SELECTED), 0);
    EXPECT_EQ(m_parent.Count(kReportItemCheckedMessage), 0);

    m_report.SetCheckboxeStyle(RC_CHKBOX_NORMAL);
    m_report.SetItemStates(1, RC_ITEM_SELECTED | RC_ITEM_FOCUSED);
    CtlUserKey(m_report, VK_SPACE);
    EXPECT_FALSE(m_report.GetCheck(1));
    m_report.SetCheckboxeStyle(RC_CHKBOX_NONE);
    EXPECT_EQ(m_report.GetExtendedStyle() & LVS_EX_CHECKBOXES, 0u);
}

TEST_F(ReportCtrlTest, MovesAndSwapsKeepRowsWhole)
{
    m_report.SetColumnHeader("A;B");
    for (int i = 0; i < 4; ++i) {
        m_report.InsertItem(i, std::to_string(i).c_str());
        m_report.SetItemText(i, 1, ("b" + std::to_string(i)).c_str());
        m_report.SetItemData(i, DWORD(i));
    }
    m_report.SetCheck(0);
    EXPECT_EQ(m_report.MoveToBottom(0), 3);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3", "0"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"b1", "b2", "b3", "b0"}));
    EXPECT_TRUE(m_report.GetCheck(3));
    EXPECT_EQ(m_report.GetItemData(3), 0u);
    EXPECT_EQ(m_report.MoveToBottom(3), 3) << "the last row stays";
    EXPECT_EQ(m_report.MoveToTop(2), 0);
    EXPECT_EQ(m_report.MoveUp(3, 10), 0);
    EXPECT_EQ(m_report.MoveDown(0, 1), 1);
    EXPECT_EQ(m_report.MoveTo(9, 0), -1);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"3", "0", "1", "2"}));
    EXPECT_TRUE(m_report.SwapItems(0, 3));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"2", "0", "1", "3"}));
    EXPECT_EQ(m_report.GetItemData(0), 2u);
    EXPECT_TRUE(m_report.GetCheck(1));
    EXPECT_TRUE(m_report.SwapItems(1, 1));
    EXPECT_FALSE(m_report.SwapItems(1, 4));
    EXPECT_TRUE(m_report.DeleteItem(0, true));
    EXPECT_EQ(m_report.GetFirstItem(RC_ITEM_SELECTED), 0) << "the following row was selected";
}

// Rows without an image must not keep the image of the row that was there before.
TEST_F(ReportCtrlTest, RowsWithoutAnImageStayWithoutOneWhenSortedOrSwapped)
{
    m_report.SetColumnHeader("Key;Value");
    const char* keys[] = {"3", "1", "2"};
    const int images[][2] = {{5, 7}, {-1, -1}, {2, -1}};
    for (int i = 0; i < 3; ++i) {
        m_report.InsertItem(i, keys[i]);
        for (int c = 0; c < 2; ++c)
            if (images[i][c] >= 0) m_report.SetItemImage(i, c, images[i][c]);
    }
    auto Images = [&] {
        std::vector<std::vector<int>> out;
        for (int i = 0; i < m_report.GetItemCount(); ++i)
            out.push_back({m_report.GetItemImage(i, 0), m_report.GetItemImage(i, 1)});
        return out;
    };
    ASSERT_TRUE(m_report.SwapItems(0, 1));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "3", "2"}));
    EXPECT_EQ(Images(), (std::vector<std::vector<int>>{{-1, -1}, {5, 7}, {2, -1}}));
    m_report.SortItems(0, false);
    ASSERT_EQ(Column(0), (std::vector<std::string>{"3", "2", "1"}));
    EXPECT_EQ(Images(), (std::vector<std::vector<int>>{{5, 7}, {2, -1}, {-1, -1}}));
    EXPECT_EQ(m_report.MoveToTop(2), 0);
    EXPECT_EQ(Images(), (std::vector<std::vector<int>>{{-1, -1}, {5, 7}, {2, -1}}));
}

TEST_F(ReportCtrlTest, DoubleClickEditsAndEnterCommits)
{
    m_report.SetColumnHeader("Name;Size,80,2");
    Rows({"alpha", "beta"});
    m_report.SetEditable();
    CtlUserDoubleClick(m_report, CellPoint(1, 1));
    ASSERT_TRUE(Editing()) << "the first click selects, the second finds the row selected and focused";
    EXPECT_EQ(m_report.GetEditControl()->GetStyle() & ES_RIGHT, DWORD(ES_RIGHT)) << "aligned as its column";
    EXPECT_EQ(CWnd::GetFocus(), m_report.GetEditControl());
    CtlUserType(*m_report.GetEditControl(), "42");
    CtlUserKey(*m_report.GetEditControl(), VK_RETURN);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(m_report.GetItemText(1, 1), "42");
    ASSERT_EQ(m_parent.Count(kReportItemEditedMessage), 1);
    EXPECT_EQ(m_parent.messages.back().wParam, 1u);
    EXPECT_EQ(m_parent.messages.back().lParam, 1);

    // A click on an unselected row only selects it.
    CtlUserClick(m_report, CellPoint(0, 0));
    EXPECT_FALSE(Editing());
    CtlUserClick(m_report, CellPoint(0, 0));
    EXPECT_TRUE(Editing());
    EXPECT_EQ(EditText(), "alpha");
    CtlUserClick(m_report, CellPoint(1, 0));
    EXPECT_FALSE(Editing()) << "a click while editing only ends the edit";
}

TEST_F(ReportCtrlTest, KeysMoveTheEditAndEscapeCancels)
{
    m_report.SetColumnHeader("A;B;C");
    Rows({"a0", "a1", "a2"});
    m_report.SetEditable();
    ASSERT_TRUE(m_report.StartEdit(1, 2));
    EXPECT_TRUE(m_report.StartEdit(1, 2)) << "already there";
    HWND edit = *m_report.GetEditControl();
    CtlUserKey(edit, VK_TAB);
    EXPECT_TRUE(Editing());
    EXPECT_EQ(EditText(), "a1") << "Tab after the last column wraps to column 0";
    CtlUserKey(edit, VK_UP);
    EXPECT_EQ(EditText(), "a0");
    CtlUserKey(edit, VK_UP);
    EXPECT_EQ(EditText(), "a0") << "no row above";
    CtlUserKey(edit, VK_DOWN);
    CtlUserKey(edit, VK_DOWN);
    EXPECT_EQ(EditText(), "a2");
    EXPECT_EQ(m_report.GetFirstItem(RC_ITEM_SELECTED), 2);
    CtlUserType(edit, "zz");
    CtlUserKey(edit, VK_ESCAPE);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(m_report.GetItemText(2, 0), "a2");
    EXPECT_EQ(m_parent.Count(kReportItemEditedMessage), 0);

    ASSERT_TRUE(m_report.StartEdit(0, 0));
    EXPECT_FALSE(m_report.EndEdit(true)) << "an unchanged text commits nothing";
    EXPECT_FALSE(m_report.EndEdit(true)) << "no edit open";
    EXPECT_EQ(m_parent.Count(kReportItemEditedMessage), 0);
    m_report.SetEditable(false);
    EXPECT_FALSE(m_report.StartEdit(0, 0));
    m_report.SetEditable(true);
    EXPECT_FALSE(m_report.StartEdit(0, 3));
    EXPECT_FALSE(m_report.StartEdit(3, 0));
}

TEST_F(ReportCtrlTest, ChangingRowsCommitsOrCancelsTheOpenEdit)
{
    m_report.SetColumnHeader("A");
    Rows({"a", "b"});
    m_report.SetEditable();
    m_report.StartEdit(0, 0);
    m_report.GetEditControl()->SetWindowText("A!");
    m_report.InsertItem(2, "c");
    EXPECT_EQ(m_report.GetItemText(0, 0), "A!") << "inserting commits";
    m_report.StartEdit(1, 0);
    m_report.GetEditControl()->SetWindowText("lost");
    m_report.DeleteItem(1);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"A!", "c"})) << "deleting the edited row cancels";
    m_report.StartEdit(0, 0);
    m_report.GetEditControl()->SetWindowText("lost too");
    m_report.DeleteAllItems(RC_ITEM_SELECTED);
    EXPECT_EQ(m_parent.Count(kReportItemEditedMessage), 1);
}

} // namespace
