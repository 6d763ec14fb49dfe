#include "CDrawObjectListControl.h"
#include "CFastObjectListControl.h"
#include "ListTestSupport.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class CCountingFastList : public CFastObjectListControl {
public:
    std::set<CPersistObject*> asked;
    int calls = 0;
    void CreateListHeaders() override
    {
        InsertColumn(0, "Name", LVCFMT_LEFT, 120);
        InsertColumn(1, "Length", LVCFMT_LEFT, 60);
    }
    CString GetObjectText(CPersistObject* object, int column, bool) override
    {
        ++calls;
        asked.insert(object);
        return column == 0 ? Item(object)->Name() : CString("len");
    }
    bool GetObjectChecked(CPersistObject* object) override { return Item(object)->Checked(); }
};

class FastListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.Make(500, 400));
        ASSERT_TRUE(m_control.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &m_parent, 100));
        m_control.SetExtendedStyle(LVS_EX_CHECKBOXES);
    }
    void TearDown() override
    {
        m_control.DestroyWindow();
        MvPumpUntilIdle();
    }
    TestParent m_parent;
    CCountingFastList m_control;
    CPersistList m_list;
};

TEST_F(FastListTest, LongListsMakeNoRowsAndAskOnlyForVisibleOnes)
{
    EXPECT_NE(m_control.GetStyle() & LVS_OWNERDATA, 0u);
    Fill(m_list, 10000);
    m_control.SetObject(&m_list);
    EXPECT_EQ(m_control.GetItemCount(), 10000);
    EXPECT_EQ(m_control.GetChildDisplayCount(), 10000);
    EXPECT_EQ(m_control.calls, 0) << "binding asks for no text";

    m_control.UpdateWindow();
    MvPumpUntilIdle();
    EXPECT_GT(m_control.asked.size(), 0u);
    EXPECT_LE(m_control.asked.size(), 20u) << "only the rows on screen";
    EXPECT_EQ(m_control.GetItemText(9999, 0), "item 9999");
    EXPECT_EQ(m_control.GetItemText(42, 1), "len");
    EXPECT_EQ(m_control.GetListDisplay(42)->GetObjectA(), m_list.GetAt(42));
    EXPECT_EQ(m_control.GetListIndex(m_control.GetChildDisplay(7)), 7);
}

TEST_F(FastListTest, CountAndTicksFollowTheList)
{
    Fill(m_list, 3);
    m_control.SetObject(&m_list);
    m_list.AddAt(new CTestItem("first"), 0);
    EXPECT_EQ(m_control.GetItemCount(), 4);
    EXPECT_EQ(m_control.GetItemText(0, 0), "first");
    EXPECT_EQ(m_control.GetItemText(1, 0), "item 0");
    CPersistObject* gone = m_list.GetAt(2);
    m_list.Remove(gone);
    delete gone;
    EXPECT_EQ(m_control.GetItemCount(), 3);
    EXPECT_EQ(m_control.GetItemText(2, 0), "item 2");
    Item(m_list.GetAt(1))->SetChecked(true);
    EXPECT_TRUE(m_control.IsItemChecked(1));
    EXPECT_FALSE(m_control.IsItemChecked(0));
    m_control.SetObject(nullptr);
    EXPECT_EQ(m_control.GetItemCount(), 0);
}

TEST_F(FastListTest, ClearingALongListStaysLinear)
{
    Fill(m_list, 10000);
    m_control.SetObject(&m_list);
    m_list.Clear();
    EXPECT_EQ(m_control.GetItemCount(), 0);
    EXPECT_EQ(m_control.GetChildDisplayCount(), 0);
}

// The virtual list's row states stay put when a selected item's row goes; the next selection
// change still brings every display in step with the row it now has.
TEST_F(FastListTest, DisplaysFollowTheRowsAfterASelectedItemGoes)
{
    Fill(m_list, 4);
    m_control.SetObject(&m_list);
    m_control.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    m_control.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_TRUE(m_control.GetListDisplay(1)->IsSelected());
    CPersistObject* gone = m_list.GetAt(1);
    m_list.Remove(gone);
    delete gone;
    m_control.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    for (int row = 0; row < m_control.GetItemCount(); ++row)
        EXPECT_EQ(m_control.GetListDisplay(row)->IsSelected(),
                  (m_control.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0)
            << "row " << row;
}

class CRecordingDrawList : public CDrawObjectListControl {
public:
    std::vector<std::pair<CObjectDisplay*, CRect>> drawn;
    void CreateListHeaders() override { InsertColumn(0, "Name", LVCFMT_LEFT, 50); }
    void DrawObject(CDC* dc, const CRect& rect, CObjectDisplay* display) override
    {
        EXPECT_NE(dc, nullptr);
        drawn.push_back({display, rect});
    }
};

TEST(DrawObjectList, DrawsEachRowThroughItsDisplayAndFillsTheWidth)
{
    TestParent parent;
    ASSERT_TRUE(parent.Make(500, 400));
    CRecordingDrawList control;
    ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 300, 200), &parent, 101));
    CPersistList list;
    Fill(list, 2);
    control.SetObject(&list);
    control.MoveWindow(0, 0, 250, 200);
    CRect client;
    control.GetClientRect(&client);
    EXPECT_EQ(control.GetColumnWidth(0), client.Width() - 4);

    HDC dc = CreateCompatibleDC(nullptr);
    DRAWITEMSTRUCT item{};
    item.CtlID = 101;
    item.itemID = 1;
    item.hwndItem = control.GetSafeHwnd();
    item.hDC = dc;
    item.rcItem = RECT{0, 17, 246, 34};
    parent.SendMessage(WM_DRAWITEM, 101, reinterpret_cast<LPARAM>(&item));
    DeleteDC(dc);
    ASSERT_EQ(control.drawn.size(), 1u);
    EXPECT_EQ(control.drawn[0].first, control.GetListDisplay(1));
    EXPECT_EQ(control.drawn[0].second, CRect(0, 17, 246, 34));
    control.DestroyWindow();
}

} // namespace
