#include "CtlTestHost.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlTreeView.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class TreeViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.Attach(&host, nullptr, 10088);
        host.client = RECT{0, 0, 300, 300};
    }
    HTREEITEM Add(const char* text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST)
    {
        TVINSERTSTRUCT insert{};
        insert.hParent = parent;
        insert.hInsertAfter = after;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<char*>(text);
        return reinterpret_cast<HTREEITEM>(tree.Send(TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    HTREEITEM Next(HTREEITEM item, UINT flag)
    {
        return reinterpret_cast<HTREEITEM>(tree.Send(TVM_GETNEXTITEM, flag, reinterpret_cast<LPARAM>(item)));
    }
    std::string Text(HTREEITEM item)
    {
        char buffer[64] = {};
        TVITEM get{};
        get.mask = TVIF_TEXT;
        get.hItem = item;
        get.pszText = buffer;
        get.cchTextMax = sizeof buffer;
        tree.Send(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&get));
        return buffer;
    }
    POINT LabelOf(HTREEITEM item)
    {
        RECT r = tree.ItemRect(item, true);
        return POINT{r.left + 2, r.top + 2};
    }

    CtlTestHost host;
    CtlTreeView tree{TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_EDITLABELS};
};

TEST_F(TreeViewTest, ObjectsAndValuesNestAsInserted)
{
    HTREEITEM object = Add("Object");
    Add("obj id: 7", object);
    HTREEITEM nested = Add("Nested", object);
    Add("name: x", nested);
    Add("first", object, TVI_FIRST);
    EXPECT_EQ(tree.Send(TVM_GETCOUNT), 5);
    HTREEITEM child = Next(object, TVGN_CHILD);
    EXPECT_EQ(Text(child), "first");
    EXPECT_EQ(Text(Next(child, TVGN_NEXT)), "obj id: 7");
    EXPECT_EQ(Next(nested, TVGN_PARENT), object);
    EXPECT_EQ(Next(object, TVGN_PARENT), nullptr);
    EXPECT_EQ(Next(nullptr, TVGN_ROOT), object);
    EXPECT_EQ(tree.VisibleItems().size(), 1u); // collapsed
    tree.Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(object));
    EXPECT_EQ(tree.VisibleItems().size(), 4u);
    EXPECT_TRUE(host.notices.empty()) << "a program's expand is not announced";
}

TEST_F(TreeViewTest, ClickingSelectsAndTheButtonExpands)
{
    HTREEITEM a = Add("a");
    HTREEITEM b = Add("b");
    Add("b1", b);
    std::vector<UINT> actions;
    host.answer = [&](UINT, WPARAM, LPARAM lParam) -> LRESULT {
        auto* n = reinterpret_cast<NMTREEVIEW*>(lParam);
        if (n->hdr.code == TVN_SELCHANGED) actions.push_back(n->action);
        return 0;
    };
    tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(LabelOf(a).x, LabelOf(a).y));
    EXPECT_EQ(tree.Selected(), a);
    RECT label = tree.ItemRect(b, true);
    tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(label.left - 10, label.top + 2)); // the button
    EXPECT_EQ(tree.Selected(), a);
    EXPECT_EQ(tree.VisibleItems().size(), 3u);
    EXPECT_EQ(host.Count(static_cast<int>(TVN_ITEMEXPANDING)), 1);
    tree.Send(WM_KEYDOWN, VK_DOWN);
    tree.Send(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(Text(tree.Selected()), "b1");
    // Collapsing hides the selection, which moves to the collapsed item.
    tree.Send(WM_KEYDOWN, VK_LEFT);
    tree.Send(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(tree.Selected(), b);
    EXPECT_EQ(actions, (std::vector<UINT>{TVC_BYMOUSE, TVC_BYKEYBOARD, TVC_BYKEYBOARD, TVC_BYKEYBOARD}));
    // A click beside the label, in the indent, selects nothing.
    UINT flags = 0;
    tree.HitTest(POINT{1, 2}, flags);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMINDENT));
}

TEST_F(TreeViewTest, ParentMayRefuseASelectionAndDeletedHandlesAreRefused)
{
    HTREEITEM a = Add("a");
    HTREEITEM b = Add("b");
    tree.Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a));
    host.answer = [](UINT, WPARAM, LPARAM lParam) -> LRESULT {
        return reinterpret_cast<NMHDR*>(lParam)->code == TVN_SELCHANGING;
    };
    EXPECT_FALSE(tree.Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(b)));
    EXPECT_EQ(tree.Selected(), a);
    host.answer = nullptr;
    EXPECT_TRUE(tree.Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(a)));
    EXPECT_EQ(tree.Selected(), b) << "the selection moves to the next item";
    EXPECT_FALSE(tree.Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(a)));
    TVITEM stale{};
    stale.mask = TVIF_TEXT;
    stale.hItem = a;
    EXPECT_FALSE(tree.Send(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&stale)));
    tree.Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    EXPECT_EQ(tree.Send(TVM_GETCOUNT), 0);
    EXPECT_EQ(host.Count(static_cast<int>(TVN_DELETEITEM)), 2);
}

TEST(CtlTreeViewBoxes, SpaceAndClicksTurnCheckBoxesOver)
{
    CtlTestHost host;
    CtlTreeView tree(TVS_CHECKBOXES);
    tree.Attach(&host, nullptr, 1);
    TVINSERTSTRUCT insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("item");
    auto item = reinterpret_cast<HTREEITEM>(tree.Send(TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert)));
    auto checked = [&] { return (tree.Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK) >> 12) == 2; };
    EXPECT_FALSE(checked());
    tree.Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    tree.Send(WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(checked());
    tree.Send(WM_KEYDOWN, VK_SPACE);
    EXPECT_FALSE(checked());
}

TEST_F(TreeViewTest, SortingAndLabelEditing)
{
    Add("pear");
    HTREEITEM apple = Add("Apple");
    Add("banana", TVI_ROOT, TVI_SORT);
    tree.Send(TVM_SORTCHILDREN, FALSE, 0);
    EXPECT_EQ(Next(nullptr, TVGN_ROOT), apple);
    host.answer = [](UINT, WPARAM, LPARAM lParam) -> LRESULT {
        return reinterpret_cast<NMHDR*>(lParam)->code == TVN_ENDLABELEDIT;
    };
    tree.UserEditLabel(apple, "Quince");
    EXPECT_EQ(Text(apple), "Quince");
    tree.UserEditLabel(apple, nullptr); // cancelled
    EXPECT_EQ(Text(apple), "Quince");
}

} // namespace
