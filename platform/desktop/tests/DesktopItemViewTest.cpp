#include "DesktopFixture.h"

#include "desktop/DesktopListViewPeer.h"
#include "desktop/DesktopTreeViewPeer.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlListView.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlTreeView.h"
#include "win32/controls/CtlWindow.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <QTreeView>
#include <QTreeWidget>

#include <cstdio>
#include <set>

namespace {

// The rows an owner-data list was asked for, and the notices its parent heard.
std::set<int> gAsked;
std::vector<UINT> gNotices;

LRESULT ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        gNotices.push_back(header->code);
        if (header->code == LVN_GETDISPINFO) {
            auto* info = reinterpret_cast<NMLVDISPINFO*>(lParam);
            gAsked.insert(info->item.iItem);
            if (info->item.mask & LVIF_TEXT)
                std::snprintf(info->item.pszText, static_cast<size_t>(info->item.cchTextMax), "Row %d", info->item.iItem);
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class DesktopItemViewTest : public DesktopTest {
protected:
    void SetUp() override
    {
        static bool registered = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = ParentProc;
            wc.lpszClassName = "DesktopItemViewParent";
            return RegisterClassA(&wc) != 0;
        }();
        ASSERT_TRUE(registered);
        CtlRegisterControlClasses();
        gAsked.clear();
        gNotices.clear();
        parent = CreateWindowExA(0, "DesktopItemViewParent", "Items", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, 0, 420,
                                 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(parent);
    }
    void TearDown() override
    {
        DestroyWindow(parent);
        DesktopBackend::Instance().Flush();
    }
    HWND Child(const char* cls, DWORD style, int id)
    {
        return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 10, 10, 380, 260, parent,
                               reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
    }
    HWND parent = nullptr;
};

TEST_F(DesktopItemViewTest, AnOwnerDataListOfManyRowsReadsOnlyTheRowsInViewAndAClickSelectsInTheModel)
{
    HWND list = Child(WC_LISTVIEW, LVS_REPORT | LVS_OWNERDATA, 10);
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 200;
    column.pszText = const_cast<char*>("Name");
    SendMessageA(list, LVM_INSERTCOLUMN, 0, reinterpret_cast<LPARAM>(&column));
    SendMessageA(list, LVM_SETITEMCOUNT, 100000, 0);
    DesktopListViewPeer* peer = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        peer = dynamic_cast<DesktopListViewPeer*>(DesktopBackend::Instance().FindPeer(list));
        return peer && peer->View()->isVisible() && peer->View()->model()->rowCount() == 100000;
    }));
    QTreeView* view = peer->View();
    EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(), "Name");
    view->grab();   // paints the rows in view
    EXPECT_FALSE(gAsked.empty());
    EXPECT_LT(gAsked.size(), 1000u) << "only the rows in view were read";
    EXPECT_EQ(view->model()->index(3, 0).data().toString(), "Row 3");

    QRect third = view->visualRect(view->model()->index(2, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, third.center());
    auto* model = CtlModelAs<CtlListView>(list);
    EXPECT_TRUE(model->State(2) & LVIS_SELECTED);
    EXPECT_TRUE(view->selectionModel()->isRowSelected(2, QModelIndex()));
    EXPECT_NE(std::find(gNotices.begin(), gNotices.end(), LVN_ITEMCHANGED), gNotices.end());
    // The down key moves the selection in the model, and the view follows.
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_TRUE(model->State(3) & LVIS_SELECTED);
    EXPECT_TRUE(view->selectionModel()->isRowSelected(3, QModelIndex()));
}

TEST_F(DesktopItemViewTest, TheTreeShowsTheModelsItemsAndAClickSelectsAndExpandsThere)
{
    HWND tree = Child(WC_TREEVIEW, TVS_HASBUTTONS | TVS_LINESATROOT, 11);
    auto insert = [&](HTREEITEM under, const char* text) {
        TVINSERTSTRUCT item{};
        item.hParent = under;
        item.hInsertAfter = TVI_LAST;
        item.item.mask = TVIF_TEXT;
        item.item.pszText = const_cast<char*>(text);
        return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
    };
    HTREEITEM voices = insert(TVI_ROOT, "Voices");
    insert(voices, "Anna");
    HTREEITEM bert = insert(voices, "Bert");
    insert(TVI_ROOT, "Files");
    DesktopTreeViewPeer* peer = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        peer = dynamic_cast<DesktopTreeViewPeer*>(DesktopBackend::Instance().FindPeer(tree));
        return peer && peer->Tree()->isVisible() && peer->Tree()->topLevelItemCount() == 2;
    }));
    QTreeWidget* widget = peer->Tree();
    QTreeWidgetItem* top = widget->topLevelItem(0);
    EXPECT_EQ(top->text(0), "Voices");
    EXPECT_EQ(top->childCount(), 2);
    EXPECT_FALSE(top->isExpanded());

    // A click on the button left of "Voices" expands it in the model.
    QRect row = widget->visualItemRect(top);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, QPoint(row.left() - 8, row.center().y()));
    auto* model = CtlModelAs<CtlTreeView>(tree);
    EXPECT_TRUE(model->ItemOf(voices)->state & TVIS_EXPANDED);
    ASSERT_TRUE(WaitFor([&] { return widget->topLevelItem(0) && widget->topLevelItem(0)->isExpanded(); }));

    QTreeWidgetItem* bertItem = widget->topLevelItem(0)->child(1);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(bertItem).center());
    EXPECT_EQ(model->Selected(), bert);
    EXPECT_NE(std::find(gNotices.begin(), gNotices.end(), TVN_SELCHANGED), gNotices.end());
    EXPECT_TRUE(WaitFor([&] { return widget->currentItem() && widget->currentItem()->text(0) == "Bert"; }));
}

} // namespace
