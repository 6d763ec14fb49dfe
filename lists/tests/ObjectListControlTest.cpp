#include "CObjectListControl.h"
#include "CObjectListDisplay.h"
#include "CObjectReportControl.h"
#include "ListTestSupport.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlListView.h"
#include "win32/controls/CtlUser.h"
#include "win32/controls/CtlWindow.h"
#include "win32/gdi/Icon.h"
#include "win32/TestHome.h"

#include <cstdio>

#include <gtest/gtest.h>

#include <map>

namespace {

// The display of a row whose label edit renames its object.
class CRenamingDisplay : public CObjectListDisplay {
public:
    using CObjectListDisplay::CObjectListDisplay;
    void SetObjectText(char* text, long) override { Item(GetObjectA())->SetName(text); }
};

// Three columns: the name, the name again with a mark, and the tick as text.
template <class Base>
class CItemList : public Base {
public:
    bool refuseTicks = false;
    std::map<CPersistObject*, int> textCalls;
    std::vector<std::pair<CPersistObject*, bool>> checkCalls;

    void CreateListHeaders() override
    {
        this->InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        this->InsertColumn(1, "Mark", LVCFMT_LEFT, 80);
        this->InsertColumn(2, "Tick", LVCFMT_LEFT, 60);
    }
    CString GetObjectText(CPersistObject* object, int column, bool forToolTip) override
    {
        ++textCalls[object];
        CString name = Item(object)->Name();
        switch (column) {
        case 0: return name;
        case 1: return forToolTip ? CString("tip ") + name : name + CString("*");
        case 2: return Item(object)->Checked() ? "yes" : "no";
        }
        return CString();
    }
    bool GetObjectChecked(CPersistObject* object) override { return Item(object)->Checked(); }
    bool CheckObject(CPersistObject* object, bool checked) override
    {
        checkCalls.push_back({object, checked});
        if (refuseTicks)
            return false;
        Item(object)->SetChecked(checked);
        return true;
    }
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override
    {
        return object ? new CRenamingDisplay(this) : nullptr;
    }
};

template <class Control>
class ObjectListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.Make(500, 400));
        ASSERT_TRUE(m_control.CListCtrl::Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_EDITLABELS,
                                                CRect(0, 0, 400, 300), &m_parent, 100));
        m_control.CListCtrl::SetExtendedStyle(m_control.CListCtrl::GetExtendedStyle() | LVS_EX_CHECKBOXES);
        m_control.AddListener(&m_log);
    }
    void TearDown() override
    {
        m_control.DestroyWindow();
        MvPumpUntilIdle();
    }
    std::string Text(int row, int column) { return m_control.CListCtrl::GetItemText(row, column).GetString(); }
    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (int i = 0; i < m_control.CListCtrl::GetItemCount(); ++i)
            names.push_back(Text(i, 0));
        return names;
    }
    POINT RowPoint(int row, int x = 30)
    {
        CRect r;
        EXPECT_TRUE(m_control.CListCtrl::GetItemRect(row, &r, LVIR_BOUNDS));
        return {x, r.top + 3};
    }

    TestParent m_parent;
    Control m_control;
    CPersistList m_list;
    SelectionLog m_log;
};

using Controls = ::testing::Types<CItemList<CObjectListControl>, CItemList<CObjectReportControl>>;
TYPED_TEST_SUITE(ObjectListTest, Controls);

TYPED_TEST(ObjectListTest, RowsFollowTheBoundList)
{
    Fill(this->m_list, 3);
    static_cast<CTestItem*>(this->m_list.GetAt(1))->SetChecked(true);
    EXPECT_EQ(this->m_control.CListCtrl::GetItemCount(), 0) << "nothing shows before binding";
    this->m_control.SetObject(&this->m_list);
    EXPECT_EQ(this->Names(), (std::vector<std::string>{"item 0", "item 1", "item 2"}));
    EXPECT_EQ(this->Text(1, 1), "item 1*");
    EXPECT_EQ(this->Text(1, 2), "yes");
    EXPECT_TRUE(this->m_control.IsItemChecked(1));
    EXPECT_FALSE(this->m_control.IsItemChecked(0));
    EXPECT_EQ(this->m_control.GetColumnCount(), 3);

    this->m_list.AddAt(new CTestItem("inserted"), 1);
    this->m_list.Add(new CTestItem("last"));
    EXPECT_EQ(this->Names(), (std::vector<std::string>{"item 0", "inserted", "item 1", "item 2", "last"}));
    for (int row = 0; row < 5; ++row) {
        CObjectDisplay* display = this->m_control.GetListDisplay(row);
        ASSERT_NE(display, nullptr);
        EXPECT_EQ(display->GetObjectA(), this->m_list.GetAt(row));
        EXPECT_EQ(this->m_control.GetListIndex(display), row);
        EXPECT_EQ(display->GetDisplayHandle(), row);
    }

    CPersistObject* gone = this->m_list.GetAt(2);
    this->m_list.Remove(gone);
    delete gone;
    EXPECT_EQ(this->Names(), (std::vector<std::string>{"item 0", "inserted", "item 2", "last"}));
    EXPECT_EQ(this->m_control.GetListIndex(nullptr), -1);
    EXPECT_EQ(this->m_control.GetListDisplay(4), nullptr);

    // Columns are rebuilt, not added twice, on every refresh.
    this->m_control.Refresh();
    EXPECT_EQ(this->m_control.GetColumnCount(), 3);
    EXPECT_EQ(this->m_control.CListCtrl::GetItemCount(), 4);

    this->m_control.SetObject(nullptr);
    EXPECT_EQ(this->m_control.CListCtrl::GetItemCount(), 0);
    EXPECT_EQ(this->m_control.GetChildDisplayCount(), 0);
}

// Every display names the row that names it, and every row's object is the list's.
template <class Control>
void ExpectRowsAndDisplaysAgree(Control& control, CPersistList& list)
{
    ASSERT_EQ(control.CListCtrl::GetItemCount(), list.GetItemCount());
    for (int i = 0; i < control.GetChildDisplayCount(); ++i) {
        CObjectDisplay* display = control.GetChildDisplay(i);
        const int row = control.GetListIndex(display);
        ASSERT_GE(row, 0) << "display " << i;
        EXPECT_EQ(control.GetListDisplay(row), display) << "display " << i;
        EXPECT_EQ(Item(display->GetObjectA())->Name(), control.CListCtrl::GetItemText(row, 0));
    }
}

TYPED_TEST(ObjectListTest, RowsAreFoundAfterInsertsAndRemovesInTheMiddle)
{
    Fill(this->m_list, 60);
    this->m_control.SetObject(&this->m_list);
    for (int i = 0; i < 10; ++i) {
        this->m_list.AddAt(new CTestItem(("middle " + std::to_string(i)).c_str()), 30);
        ExpectRowsAndDisplaysAgree(this->m_control, this->m_list);
        CPersistObject* gone = this->m_list.GetAt(5 + 3 * i);
        this->m_list.Remove(gone);
        delete gone;
        ExpectRowsAndDisplaysAgree(this->m_control, this->m_list);
    }
    // A change reaches the row that shows the object, not the row it was first put in.
    Item(this->m_list.GetAt(40))->SetName("changed");
    EXPECT_EQ(this->Text(40, 0), "changed");
}

TYPED_TEST(ObjectListTest, AChangedObjectRefreshesOnlyItsRow)
{
    Fill(this->m_list, 3);
    this->m_control.SetObject(&this->m_list);
    this->m_control.textCalls.clear();
    Item(this->m_list.GetAt(1))->SetName("renamed");
    EXPECT_EQ(this->Names(), (std::vector<std::string>{"item 0", "renamed", "item 2"}));
    EXPECT_EQ(this->Text(1, 1), "renamed*");
    EXPECT_EQ(this->m_control.textCalls.size(), 1u);
    EXPECT_EQ(this->m_control.textCalls.count(this->m_list.GetAt(1)), 1u);
    // A tick set on the object shows in the box without asking the object to take it.
    Item(this->m_list.GetAt(2))->SetChecked(true);
    EXPECT_TRUE(this->m_control.IsItemChecked(2));
    EXPECT_TRUE(this->m_control.checkCalls.empty());
}

TYPED_TEST(ObjectListTest, ClickingARowSelectsItsDisplay)
{
    Fill(this->m_list, 3);
    this->m_control.SetObject(&this->m_list);
    CtlUserClick(this->m_control.GetSafeHwnd(), this->RowPoint(1));
    CObjectDisplay* second = this->m_control.GetListDisplay(1);
    EXPECT_TRUE(second->IsSelected());
    EXPECT_EQ(this->m_control.GetSelection(), second);
    ASSERT_EQ(this->m_log.entries.size(), 1u);
    EXPECT_EQ(this->m_log.entries[0].display, second);
    EXPECT_TRUE(this->m_log.entries[0].selected);

    this->m_log.entries.clear();
    CtlUserClick(this->m_control.GetSafeHwnd(), this->RowPoint(2));
    EXPECT_FALSE(second->IsSelected());
    EXPECT_TRUE(this->m_control.GetListDisplay(2)->IsSelected());
    EXPECT_EQ(this->m_control.GetSelectionCount(), 1);
    EXPECT_EQ(this->m_log.entries.size(), 2u) << "one deselected, one selected";

    // Selecting through the display tree marks the row.
    this->m_control.GetListDisplay(0)->Select(true);
    EXPECT_NE(this->m_control.CListCtrl::GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED), 0u);
    EXPECT_EQ(this->m_control.GetSelectionCount(), 2);
    this->m_control.SelectAll(false);
    EXPECT_EQ(this->m_control.CListCtrl::GetSelectedCount(), 0u);
    EXPECT_EQ(this->m_control.GetSelectionCount(), 0);
}

// Selecting every row at once, after rows came and went, tells each row's display once, in
// row order; so does taking the selection away again.
TYPED_TEST(ObjectListTest, SelectingEveryRowTellsEachDisplayOnceInRowOrder)
{
    Fill(this->m_list, 5);
    this->m_control.SetObject(&this->m_list);
    CPersistObject* gone = this->m_list.GetAt(2);
    this->m_list.Remove(gone);
    delete gone;
    this->m_list.AddAt(new CTestItem("late"), 1);
    CtlUserClick(this->m_control.GetSafeHwnd(), this->RowPoint(3));
    this->m_log.entries.clear();

    const int rows = this->m_control.CListCtrl::GetItemCount();
    ASSERT_EQ(rows, 5);
    for (bool selected : {true, false}) {
        this->m_control.CListCtrl::SetItemState(-1, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
        std::vector<CObjectDisplay*> expected;
        for (int row = 0; row < rows; ++row)
            if (row != 3 || !selected)
                expected.push_back(this->m_control.GetListDisplay(row));
        std::vector<CObjectDisplay*> told;
        for (const auto& entry : this->m_log.entries) {
            told.push_back(entry.display);
            EXPECT_EQ(entry.selected, selected);
        }
        EXPECT_EQ(told, expected);
        EXPECT_EQ(this->m_control.GetSelectionCount(), selected ? rows : 0);
        this->m_log.entries.clear();
    }
}

TYPED_TEST(ObjectListTest, TickingAskesTheObjectOnce)
{
    Fill(this->m_list, 2);
    this->m_control.SetObject(&this->m_list);
    HWND hwnd = this->m_control.GetSafeHwnd();
    CtlUserClick(hwnd, this->RowPoint(0, 4));
    EXPECT_TRUE(Item(this->m_list.GetAt(0))->Checked());
    EXPECT_TRUE(this->m_control.IsItemChecked(0));
    ASSERT_EQ(this->m_control.checkCalls.size(), 1u);
    EXPECT_TRUE(this->m_control.checkCalls[0].second);
    EXPECT_EQ(this->Text(0, 2), "yes");

    // A refusal leaves the box as the object says.
    this->m_control.refuseTicks = true;
    CtlUserClick(hwnd, this->RowPoint(1, 4));
    EXPECT_FALSE(this->m_control.IsItemChecked(1));
    EXPECT_FALSE(Item(this->m_list.GetAt(1))->Checked());
    CtlUserClick(hwnd, this->RowPoint(0, 4));
    EXPECT_TRUE(this->m_control.IsItemChecked(0));
    EXPECT_TRUE(Item(this->m_list.GetAt(0))->Checked());
}

TYPED_TEST(ObjectListTest, ToolTipsNameTheCell)
{
    Fill(this->m_list, 2);
    this->m_control.SetObject(&this->m_list);
    CRect cell;
    ASSERT_TRUE(this->m_control.CListCtrl::GetSubItemRect(0, 2, LVIR_BOUNDS, cell));
    TOOLINFO info{};
    INT_PTR id = this->m_control.OnToolHitTest(CPoint(cell.left + 5, cell.top + 3), &info);
    EXPECT_EQ(id, 65539);
    EXPECT_EQ(info.hwnd, this->m_control.GetSafeHwnd());
    EXPECT_EQ(CRect(info.rect), cell);
    EXPECT_EQ(this->m_control.OnToolHitTest(CPoint(5, 290), &info), -1) << "below the rows";

    NMTTDISPINFO ansi{};
    ansi.hdr.code = TTN_NEEDTEXT;
    ansi.hdr.idFrom = 2 * 65536 + 2;
    LRESULT result = 0;
    EXPECT_TRUE(this->m_control.OnToolTipNotify(0, &ansi.hdr, &result));
    EXPECT_STREQ(ansi.lpszText, "tip item 1");

    NMTTDISPINFOW wide{};
    wide.hdr.code = TTN_NEEDTEXTW;
    wide.hdr.idFrom = 1 * 65536 + 1;
    EXPECT_TRUE(this->m_control.OnToolTipNotify(0, &wide.hdr, &result));
    EXPECT_EQ(std::u16string(wide.lpszText), u"item 0");

    // Text longer than the buffer is cut to fit, on a character boundary.
    std::string longName(300, 'a');
    for (int i = 0; i < 200; ++i) longName += "\xC3\xA9";
    Item(this->m_list.GetAt(0))->SetName(longName.c_str());
    ansi.hdr.idFrom = 1 * 65536 + 1;
    EXPECT_TRUE(this->m_control.OnToolTipNotify(0, &ansi.hdr, &result));
    std::string cut = ansi.lpszText;
    EXPECT_EQ(cut.size(), 518u) << "519 bytes would end inside a character";
    EXPECT_EQ(cut, longName.substr(0, 518));
    EXPECT_TRUE(this->m_control.OnToolTipNotify(0, &wide.hdr, &result));
    EXPECT_EQ(std::u16string(wide.lpszText).size(), 259u);
}

TYPED_TEST(ObjectListTest, CellRectanglesFollowTheHeader)
{
    Fill(this->m_list, 2);
    this->m_control.SetObject(&this->m_list);
    CRect rect;
    int row = -1, column = -1;
    POINT inFirst = this->RowPoint(1, 40);
    ASSERT_TRUE(this->m_control.GetCellRect(inFirst, rect, row, column));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 0);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right, 100);
    POINT inSecond = this->RowPoint(0, 130);
    ASSERT_TRUE(this->m_control.GetCellRect(inSecond, rect, row, column));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(column, 1);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.right, 180);
    EXPECT_FALSE(this->m_control.GetCellRect(CPoint(30, 280), rect, row, column));
}

TYPED_TEST(ObjectListTest, DestroyingTheWindowUnbinds)
{
    Fill(this->m_list, 2);
    this->m_control.SetObject(&this->m_list);
    this->m_control.GetListDisplay(0)->Select(true);
    this->m_control.DestroyWindow();
    EXPECT_EQ(this->m_control.GetObjectA(), nullptr);
    EXPECT_EQ(this->m_control.GetChildDisplayCount(), 0);
    // The list lives on and may change without the control.
    this->m_list.Add(new CTestItem("later"));
    EXPECT_EQ(this->m_control.GetChildDisplayCount(), 0);
}

using ObjectListOnlyTest = ObjectListTest<CItemList<CObjectListControl>>;

TEST_F(ObjectListOnlyTest, WindowStyleTradesTheBorderForAClientEdge)
{
    EXPECT_EQ(m_control.GetStyle() & WS_BORDER, 0u);
    EXPECT_NE(m_control.GetStyle() & LVS_SHOWSELALWAYS, 0u);
    EXPECT_NE(m_control.GetExStyle() & WS_EX_CLIENTEDGE, 0u);
    EXPECT_EQ(m_control.CListCtrl::GetImageList(LVSIL_SMALL), nullptr) << "no image list resource";
    EXPECT_EQ(m_control.CListCtrl::GetImageList(LVSIL_NORMAL), nullptr);
}

TEST_F(ObjectListOnlyTest, EditingALabelRenamesTheObject)
{
    Fill(m_list, 2);
    m_control.SetObject(&m_list);
    auto* model = CtlModelAs<CtlListView>(m_control.GetSafeHwnd());
    ASSERT_NE(model, nullptr);
    model->UserEditLabel(1, "new name");
    EXPECT_STREQ(Item(m_list.GetAt(1))->Name(), "new name");
    EXPECT_EQ(Text(1, 0), "new name");
    EXPECT_EQ(Text(1, 1), "new name*");
    model->UserEditLabel(0, nullptr);
    EXPECT_STREQ(Item(m_list.GetAt(0))->Name(), "item 0") << "a cancelled edit changes nothing";
}

using ObjectReportTest = ObjectListTest<CItemList<CObjectReportControl>>;

TEST_F(ObjectReportTest, SortedRowsKeepTheirDisplays)
{
    m_list.Add(new CTestItem("b"));
    m_list.Add(new CTestItem("c"));
    m_list.Add(new CTestItem("a"));
    m_control.SetObject(&m_list);
    m_control.SetSortable(true);
    m_control.SortItems(0, true);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c"}));
    for (int row = 0; row < 3; ++row)
        EXPECT_STREQ(Item(m_control.GetListDisplay(row)->GetObjectA())->Name(), Names()[size_t(row)].c_str());
    // The change of "c" reaches its row, wherever the sort put it.
    Item(m_list.GetAt(1))->SetName("changed");
    EXPECT_EQ(Text(2, 0), "changed");
    CPersistObject* first = m_list.GetAt(0);
    m_list.Remove(first);
    delete first;
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "changed"}));
}

TEST_F(ObjectReportTest, RowsAreFoundAfterASortAndTheEditsThatFollowIt)
{
    for (int i = 0; i < 50; ++i) m_list.Add(new CTestItem(("row " + std::to_string((i * 37) % 50 + 100)).c_str()));
    m_control.SetObject(&m_list);
    m_control.SetSortable(true);
    // Every display looked up once, so each has a remembered row before the sort moves it.
    ExpectRowsAndDisplaysAgree(m_control, m_list);
    m_control.SortItems(0, true);
    ExpectRowsAndDisplaysAgree(m_control, m_list);
    m_list.AddAt(new CTestItem("inserted"), 20);
    ExpectRowsAndDisplaysAgree(m_control, m_list);
    CPersistObject* gone = m_list.GetAt(10);
    m_list.Remove(gone);
    delete gone;
    ExpectRowsAndDisplaysAgree(m_control, m_list);
    m_control.SortItems(0, false);
    Item(m_list.GetAt(3))->SetName("row 999");
    EXPECT_EQ(Text(m_control.GetListIndex(m_control.GetChildDisplay(3)), 0), "row 999");
    ExpectRowsAndDisplaysAgree(m_control, m_list);
}

} // namespace

namespace {

// A bitmap resource of two 48 by 48 images side by side.
void WriteStrip(const std::string& path)
{
    const int width = 96, height = 48, row = width * 3;
    std::vector<unsigned char> file(54 + size_t(row) * height, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + size_t(i)] = static_cast<unsigned char>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, uint32_t(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    file[26] = 1;
    file[28] = 24;
    for (size_t i = 54; i < file.size(); i += 3) file[i + 2] = 0xFF;
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
}

class CImageItemList : public CItemList<CObjectListControl> {
public:
    UINT GetImageListResource(int&, int&) override { return 4711; }
};

TEST(ObjectListImages, TheResourceBecomesTheLargeAndSmallImageList)
{
    MvTestHome home;
    WriteStrip(home.Path() + "/4711.bmp");
    MvSetResourceFolder(nullptr, home.Path().c_str());
    TestParent parent;
    ASSERT_TRUE(parent.Make(300, 200));
    CImageItemList control;
    ASSERT_TRUE(control.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 100), &parent, 9));
    CImageList* small = control.GetImageList(LVSIL_SMALL);
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->GetSafeHandle(), control.GetImageList(LVSIL_NORMAL)->GetSafeHandle());
    EXPECT_EQ(small->GetImageCount(), 2);
    control.DestroyWindow();
    MvSetResourceFolder(nullptr, nullptr);
}

} // namespace
